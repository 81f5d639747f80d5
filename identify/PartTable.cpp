// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <array>
#include <utility>

namespace tallisk {

namespace {

const QString kResourcePath = QStringLiteral(":/tallisk/identify/parts.tsv");

constexpr std::array<const char*, 13> kColumns{
    "part",  "name",  "family",  "core",       "clock_mhz", "fsb_mhz", "multiplier",
    "l2_kb", "vcore", "package", "max_temp_c", "socket",    "note",
};

// Suggestions: how far a typed line may be from a part number and still be offered, and the
// longest line worth comparing (a line this long is no near miss of any part number).
constexpr qsizetype kMaxDistance = 2;
constexpr qsizetype kMinPrefix = 6;
constexpr qsizetype kMaxCompared = 40;
constexpr qsizetype kMaxSuggestions = 5;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Why a cell cannot be read, or an empty text when it can.
class CellReader
{
    Q_DECLARE_TR_FUNCTIONS(PartTable)

public:
    explicit CellReader(const QStringList& cells) : m_cells(cells) {}

    QString error() const { return m_error; }

    QString text(qsizetype column)
    {
        const QString& cell = m_cells[column];
        if (!cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace()))
            fail(column, tr("has blanks around it"));
        return cell;
    }

    // A whole number of at most six digits, greater than zero; empty for an empty cell.
    std::optional<int> whole(qsizetype column)
    {
        const QString cell = text(column);
        if (cell.isEmpty())
            return std::nullopt;
        const bool digits = std::all_of(cell.cbegin(), cell.cend(), isAsciiDigit);
        const int value = digits && cell.size() <= 6 ? cell.toInt() : 0;
        if (value <= 0) {
            fail(column, tr("is not a whole number above zero: '%1'").arg(cell));
            return std::nullopt;
        }
        return value;
    }

    // Digits with at most one decimal point between digits, greater than zero.
    std::optional<double> decimal(qsizetype column)
    {
        const QString cell = text(column);
        if (cell.isEmpty())
            return std::nullopt;
        const qsizetype point = cell.indexOf(u'.');
        const QStringView whole = QStringView(cell).left(point < 0 ? cell.size() : point);
        const QStringView fraction = point < 0 ? QStringView() : QStringView(cell).mid(point + 1);
        const bool wellFormed =
            !whole.isEmpty() && whole.size() <= 6 &&
            std::all_of(whole.cbegin(), whole.cend(), isAsciiDigit) &&
            (point < 0 || (!fraction.isEmpty() && fraction.size() <= 6 &&
                           std::all_of(fraction.cbegin(), fraction.cend(), isAsciiDigit)));
        const double value = wellFormed ? QLocale::c().toDouble(cell) : 0.0;
        if (value <= 0.0) {
            fail(column, tr("is not a decimal number above zero: '%1'").arg(cell));
            return std::nullopt;
        }
        return value;
    }

    void require(qsizetype column)
    {
        if (m_cells[column].isEmpty())
            fail(column, tr("is empty"));
    }

private:
    void fail(qsizetype column, const QString& why)
    {
        if (m_error.isEmpty())
            m_error = tr("column %1 %2").arg(QLatin1StringView(kColumns[column]), why);
    }

    const QStringList& m_cells;
    QString m_error;
};

// The typed line as suggestions compare it: without blanks, in upper case, and without the
// maker's name in front (Slot A labels print "AMD-" before the code).
QList<uint> comparable(const QString& line)
{
    QString squeezed;
    for (const QChar c : line) {
        if (!c.isSpace())
            squeezed.append(c);
    }
    squeezed = squeezed.toUpper();
    for (const QLatin1StringView maker : {QLatin1StringView("AMD-"), QLatin1StringView("AMD")}) {
        if (squeezed.startsWith(maker)) {
            squeezed.remove(0, maker.size());
            break;
        }
    }
    return squeezed.toUcs4();
}

// Edits (insert, delete, replace) between two texts, counting code points.
qsizetype editDistance(const QList<uint>& a, const QList<uint>& b)
{
    QList<qsizetype> previous(b.size() + 1);
    QList<qsizetype> current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

bool startsWith(const QList<uint>& text, const QList<uint>& prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.cbegin(), prefix.cend(), text.cbegin());
}

} // namespace

const PartTable& PartTable::instance()
{
    static const PartTable table = [] {
        QFile file(kResourcePath);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("Cannot read the part table %s: %s", qPrintable(kResourcePath),
                   qPrintable(file.errorString()));
        QString error;
        std::optional<PartTable> loaded =
            fromTsv(QString::fromUtf8(file.readAll()), kResourcePath, &error);
        if (!loaded)
            qFatal("%s", qPrintable(error));
        return std::move(*loaded);
    }();
    return table;
}

std::optional<PartTable> PartTable::fromTsv(QStringView text, const QString& sourceName,
                                            QString* errorMessage)
{
    auto failed = [&](qsizetype lineNumber, const QString& why) -> std::optional<PartTable> {
        if (errorMessage)
            *errorMessage = tr("%1, line %2: %3").arg(sourceName).arg(lineNumber).arg(why);
        return std::nullopt;
    };

    QList<QStringView> lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the newline that ends the last line
    for (QStringView& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }

    QStringList header;
    for (const char* column : kColumns)
        header << QLatin1StringView(column);
    const QString expectedHeader = header.join(u'\t');
    if (lines.isEmpty() || lines.front() != expectedHeader)
        return failed(1, tr("the header must be '%1'").arg(header.join(QStringLiteral(", "))));

    PartTable table;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype lineNumber = i + 1;
        if (lines[i].isEmpty())
            return failed(lineNumber, tr("empty line"));
        const QStringList cells = lines[i].toString().split(u'\t');
        if (cells.size() != qsizetype(kColumns.size()))
            return failed(lineNumber,
                          tr("expected %1 cells, found %2").arg(kColumns.size()).arg(cells.size()));

        CellReader read(cells);
        PartIdentity row;
        row.part = read.text(0);
        row.name = read.text(1);
        row.family = read.text(2);
        row.core = read.text(3);
        row.clockMhz = read.whole(4);
        row.fsbMhz = read.whole(5);
        row.multiplier = read.decimal(6);
        row.l2Kb = read.whole(7);
        row.vcore = read.decimal(8);
        row.package = read.text(9);
        row.maxTempC = read.whole(10);
        row.socket = read.text(11);
        row.note = read.text(12);
        read.require(0);
        read.require(1);
        read.require(2);
        if (!read.error().isEmpty())
            return failed(lineNumber, read.error());
        // A part number is matched exactly as typed; one with a blank inside never would be.
        if (std::any_of(row.part.cbegin(), row.part.cend(), [](QChar c) { return c.isSpace(); }))
            return failed(lineNumber, tr("the part number '%1' holds a blank").arg(row.part));
        if (const auto seen = table.m_byPart.constFind(row.part); seen != table.m_byPart.cend())
            return failed(
                lineNumber,
                tr("the part number '%1' is already on line %2").arg(row.part).arg(*seen + 2));

        table.m_byPart.insert(row.part, table.m_rows.size());
        table.m_rows.append(std::move(row));
    }
    return table;
}

std::optional<PartIdentity> PartTable::identify(const QString& line1) const
{
    const auto found = m_byPart.constFind(line1);
    if (found == m_byPart.cend())
        return std::nullopt;
    return m_rows[*found];
}

QStringList PartTable::suggestions(const QString& line1) const
{
    if (m_byPart.contains(line1))
        return {};
    const QList<uint> typed = comparable(line1);
    if (typed.size() < 3 || typed.size() > kMaxCompared)
        return {};

    QList<std::pair<qsizetype, QString>> close;
    for (const PartIdentity& row : m_rows) {
        const QList<uint> part = row.part.toUcs4();
        const qsizetype distance = editDistance(typed, part);
        const bool truncated = typed.size() >= kMinPrefix && startsWith(part, typed);
        const bool extended = startsWith(typed, part); // a revision letter or more after it
        if (distance <= kMaxDistance || truncated || extended)
            close.append({distance, row.part});
    }
    std::sort(close.begin(), close.end());
    QStringList parts;
    for (qsizetype i = 0; i < close.size() && i < kMaxSuggestions; ++i)
        parts << close[i].second;
    return parts;
}

} // namespace tallisk
