// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsvReader.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace tallisk {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool allDigits(QStringView text)
{
    return !text.isEmpty() && text.size() <= 6 &&
           std::all_of(text.cbegin(), text.cend(), isAsciiDigit);
}

} // namespace

TsvReader::TsvReader(QStringView text, const QStringList& columns, const QString& sourceName)
    : m_columns(columns), m_sourceName(sourceName)
{
    QList<QStringView> lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the newline that ends the last line
    for (QStringView& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (lines.isEmpty() || lines.front() != columns.join(u'\t')) {
        failLine(1, tr("the header must be '%1'").arg(columns.join(QStringLiteral(", "))));
        return;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            failLine(i + 1, tr("empty line"));
            return;
        }
        const QStringList cells = lines[i].toString().split(u'\t');
        if (cells.size() != columns.size()) {
            failLine(i + 1,
                     tr("expected %1 cells, found %2").arg(columns.size()).arg(cells.size()));
            return;
        }
        m_rows.append(cells);
    }
}

const QString& TsvReader::cell(qsizetype row, QStringView column)
{
    static const QString kNone;
    const qsizetype index = m_columns.indexOf(column);
    if (index < 0) {
        fail(row, tr("there is no column %1").arg(column));
        return kNone;
    }
    return m_rows[row][index];
}

QString TsvReader::text(qsizetype row, QStringView column)
{
    const QString& found = cell(row, column);
    if (!found.isEmpty() && (found.front().isSpace() || found.back().isSpace()))
        failCell(row, column, tr("has blanks around it"));
    return found;
}

std::optional<int> TsvReader::whole(qsizetype row, QStringView column)
{
    const QString cell = text(row, column);
    if (cell.isEmpty())
        return std::nullopt;
    const int value = allDigits(cell) ? cell.toInt() : 0;
    if (value <= 0) {
        failCell(row, column, tr("is not a whole number above zero: '%1'").arg(cell));
        return std::nullopt;
    }
    return value;
}

std::optional<double> TsvReader::decimal(qsizetype row, QStringView column)
{
    const QString cell = text(row, column);
    if (cell.isEmpty())
        return std::nullopt;
    const qsizetype point = cell.indexOf(u'.');
    const QStringView whole = QStringView(cell).left(point < 0 ? cell.size() : point);
    const bool wellFormed =
        allDigits(whole) && (point < 0 || allDigits(QStringView(cell).mid(point + 1)));
    const double value = wellFormed ? QLocale::c().toDouble(cell) : 0.0;
    if (value <= 0.0) {
        failCell(row, column, tr("is not a decimal number above zero: '%1'").arg(cell));
        return std::nullopt;
    }
    return value;
}

QStringList TsvReader::words(qsizetype row, QStringView column)
{
    const QString cell = text(row, column);
    if (cell.isEmpty())
        return {};
    const QStringList list = cell.split(u' ');
    if (list.contains(QString()))
        failCell(row, column, tr("has two blanks in a row"));
    return list;
}

QStringList TsvReader::items(qsizetype row, QStringView column)
{
    const QString cell = text(row, column);
    if (cell.isEmpty())
        return {};
    const QStringList list = cell.split(QStringLiteral(" | "));
    for (const QString& item : list) {
        if (item.isEmpty() || item.contains(u'|'))
            failCell(row, column, tr("is not a list of items separated by ' | '"));
    }
    return list;
}

void TsvReader::require(qsizetype row, QStringView column)
{
    if (cell(row, column).isEmpty())
        failCell(row, column, tr("is empty"));
}

void TsvReader::fail(qsizetype row, const QString& why)
{
    failLine(lineNumber(row), why);
}

void TsvReader::failCell(qsizetype row, QStringView column, const QString& why)
{
    fail(row, tr("column %1 %2").arg(column, why));
}

void TsvReader::failLine(qsizetype lineNumber, const QString& why)
{
    if (m_error.isEmpty())
        m_error = tr("%1, line %2: %3").arg(m_sourceName).arg(lineNumber).arg(why);
}

} // namespace tallisk
