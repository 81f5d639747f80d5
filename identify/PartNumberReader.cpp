// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartNumberReader.h"

#include "SourceList.h"
#include "TsvReader.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tallisk {

namespace {

// The fields a layout may have, and how a letter's value reads for each.
enum class Kind
{
    Text,
    Decimal,
    Whole
};
struct FieldKind
{
    QLatin1StringView name;
    Kind kind;
};
constexpr FieldKind kFields[] = {
    {QLatin1StringView("package"), Kind::Text},      {QLatin1StringView("voltage"), Kind::Decimal},
    {QLatin1StringView("temperature"), Kind::Whole}, {QLatin1StringView("l2"), Kind::Whole},
    {QLatin1StringView("l2speed"), Kind::Text},      {QLatin1StringView("bus"), Kind::Whole},
    {QLatin1StringView("revision"), Kind::Text},
};
const QLatin1StringView kRevision("revision");

// The header of each table, its columns in order.
const QStringList kLayoutColumns{
    QStringLiteral("layout"), QStringLiteral("prefix"),  QStringLiteral("digits"),
    QStringLiteral("model"),  QStringLiteral("ratings"), QStringLiteral("fields"),
    QStringLiteral("family"), QStringLiteral("name"),    QStringLiteral("socket"),
    QStringLiteral("cores"),  QStringLiteral("source"),
};
const QStringList kLetterColumns{
    QStringLiteral("layouts"), QStringLiteral("field"), QStringLiteral("letter"),
    QStringLiteral("value"),   QStringLiteral("cores"), QStringLiteral("socket"),
    QStringLiteral("source"),
};
const QStringList kRatingColumns{
    QStringLiteral("ratings"), QStringLiteral("l2_kb"),     QStringLiteral("fsb_mhz"),
    QStringLiteral("model"),   QStringLiteral("clock_mhz"), QStringLiteral("cores"),
    QStringLiteral("source"),
};

std::optional<Kind> kindOf(QStringView field)
{
    for (const FieldKind& known : kFields) {
        if (field == known.name)
            return known.kind;
    }
    return std::nullopt;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString letterKey(const QString& layout, QStringView field, QStringView letter)
{
    return QStringLiteral("%1/%2/%3").arg(layout, field, letter);
}

QString ratingKey(const QString& table, int l2Kb, int fsbMhz, int model)
{
    return QStringLiteral("%1/%2/%3/%4").arg(table).arg(l2Kb).arg(fsbMhz).arg(model);
}

// The bus clock the multiplier applies to, from the double-data-rate figure AMD quotes.
std::optional<double> busClock(int fsbMhz)
{
    switch (fsbMhz) {
    case 200:
        return 100.0;
    case 266:
        return 400.0 / 3;
    case 333:
        return 500.0 / 3;
    case 400:
        return 200.0;
    default:
        return std::nullopt;
    }
}

// Half steps only, and only where they give the clock within 1 MHz.
std::optional<double> multiplierOf(int clockMhz, int fsbMhz)
{
    const std::optional<double> bus = busClock(fsbMhz);
    if (!bus)
        return std::nullopt;
    const double multiplier = std::round(clockMhz / *bus * 2) / 2;
    if (std::abs(multiplier * *bus - clockMhz) > 1.0)
        return std::nullopt;
    return multiplier;
}

// Narrows the cores still possible by what one more row says; false when nothing is left.
bool narrow(QStringList& cores, bool& named, const QStringList& by)
{
    if (by.isEmpty())
        return true;
    if (!named) {
        cores = by;
        named = true;
        return true;
    }
    cores.removeIf([&](const QString& core) { return !by.contains(core); });
    return !cores.isEmpty();
}

void addSources(QStringList& to, const QStringList& from)
{
    for (const QString& source : from) {
        if (!to.contains(source))
            to << source;
    }
}

} // namespace

// A clock as AMD names the part: "850 MHz", "1 GHz", "1.13 GHz".
QString PartNumberReader::clockName(int clockMhz)
{
    if (clockMhz < 1000)
        return tr("%1 MHz").arg(clockMhz);
    QString ghz = QString::number(clockMhz / 1000.0, 'f', 2);
    while (ghz.endsWith(u'0'))
        ghz.chop(1);
    if (ghz.endsWith(u'.'))
        ghz.chop(1);
    return tr("%1 GHz").arg(ghz);
}

const PartNumberReader& PartNumberReader::instance()
{
    static const PartNumberReader reader = [] {
        QStringList texts;
        for (const char* name : {"layouts", "letters", "ratings"}) {
            QFile file(QStringLiteral(":/tallisk/identify/%1.tsv").arg(QLatin1StringView(name)));
            if (!file.open(QIODevice::ReadOnly))
                qFatal("Cannot read %s: %s", qPrintable(file.fileName()),
                       qPrintable(file.errorString()));
            texts << QString::fromUtf8(file.readAll());
        }
        QString error;
        std::optional<PartNumberReader> loaded =
            fromTsv({texts[0], texts[1], texts[2]}, SourceList::instance(), &error);
        if (!loaded)
            qFatal("%s", qPrintable(error));
        return std::move(*loaded);
    }();
    return reader;
}

std::optional<PartNumberReader>
PartNumberReader::fromTsv(const Texts& texts, const SourceList& sources, QString* errorMessage)
{
    PartNumberReader reader;
    QString error = reader.loadLayouts(texts.layouts, sources);
    if (error.isEmpty())
        error = reader.loadLetters(texts.letters, sources);
    if (error.isEmpty())
        error = reader.loadRatings(texts.ratings, sources);
    if (error.isEmpty())
        return reader;
    if (errorMessage)
        *errorMessage = error;
    return std::nullopt;
}

QString PartNumberReader::loadLayouts(QStringView text, const SourceList& sources)
{
    TsvReader read(text, kLayoutColumns, QStringLiteral("layouts.tsv"));
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        Layout layout;
        layout.id = read.text(row, u"layout");
        layout.prefix = read.text(row, u"prefix");
        layout.digits = read.whole(row, u"digits").value_or(0);
        const QString model = read.text(row, u"model");
        layout.byRating = model == u"rating";
        layout.ratings = read.text(row, u"ratings");
        layout.fields = read.words(row, u"fields");
        layout.family = read.text(row, u"family");
        layout.name = read.text(row, u"name");
        layout.socket = read.text(row, u"socket");
        layout.cores = read.items(row, u"cores");
        layout.sources = sources.cite(read, row);
        for (const char16_t* column :
             {u"layout", u"prefix", u"digits", u"ratings", u"family", u"name", u"socket"})
            read.require(row, column);
        if (model != u"rating" && model != u"clock")
            read.fail(row, tr("the model must be 'rating' or 'clock'"));
        if (layout.prefix != layout.prefix.toUpper() || layout.prefix.contains(u' '))
            read.fail(row, tr("the prefix must be upper case without blanks"));
        if (!layout.name.contains(QStringLiteral("%1")))
            read.fail(row, tr("the name must hold %1 for the model"));
        for (const QString& field : layout.fields) {
            if (!kindOf(field))
                read.fail(row, tr("unknown field '%1'").arg(field));
            if (field == kRevision && field != layout.fields.back())
                read.fail(row, tr("the revision can only be the last field"));
        }
        if (!layout.fields.contains(QStringLiteral("l2")) ||
            !layout.fields.contains(QStringLiteral("bus")))
            read.fail(row, tr("a layout needs the fields l2 and bus for its ratings"));
        if (layoutById(layout.id))
            read.fail(row, tr("the layout '%1' is given twice").arg(layout.id));
        m_layouts.append(layout);
    }
    return read.error();
}

QString PartNumberReader::loadLetters(QStringView text, const SourceList& sources)
{
    TsvReader read(text, kLetterColumns, QStringLiteral("letters.tsv"));
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        const QStringList layoutIds = read.words(row, u"layouts");
        const QString field = read.text(row, u"field");
        const QString letter = read.text(row, u"letter");
        Letter entry;
        const std::optional<Kind> kind = kindOf(field);
        if (kind == Kind::Decimal)
            entry.number = read.decimal(row, u"value");
        else if (kind == Kind::Whole)
            entry.number = read.whole(row, u"value");
        entry.text = read.text(row, u"value");
        entry.cores = read.items(row, u"cores");
        entry.socket = read.text(row, u"socket");
        entry.sources = sources.cite(read, row);
        read.require(row, u"layouts");
        if (!kind)
            read.fail(row, tr("unknown field '%1'").arg(field));
        if (letter.size() != 1 || !(letter[0].isDigit() || letter[0].isUpper()))
            read.fail(row, tr("the letter must be one upper-case letter or digit"));
        for (const QString& id : layoutIds) {
            const Layout* layout = layoutById(id);
            if (!layout)
                read.fail(row, tr("unknown layout '%1'").arg(id));
            else if (!layout->fields.contains(field))
                read.fail(row, tr("the layout '%1' has no field '%2'").arg(id, field));
            const QString key = letterKey(id, field, letter);
            if (m_letters.contains(key))
                read.fail(row,
                          tr("the letter %1 of %2 in '%3' is given twice").arg(letter, field, id));
            m_letters.insert(key, entry);
        }
    }
    return read.error();
}

QString PartNumberReader::loadRatings(QStringView text, const SourceList& sources)
{
    TsvReader read(text, kRatingColumns, QStringLiteral("ratings.tsv"));
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        const QString table = read.text(row, u"ratings");
        const int l2Kb = read.whole(row, u"l2_kb").value_or(0);
        const int fsbMhz = read.whole(row, u"fsb_mhz").value_or(0);
        const int model = read.whole(row, u"model").value_or(0);
        Rating rating;
        rating.clockMhz = read.whole(row, u"clock_mhz").value_or(0);
        rating.cores = read.items(row, u"cores");
        rating.sources = sources.cite(read, row);
        for (const char16_t* column : {u"ratings", u"l2_kb", u"fsb_mhz", u"model", u"clock_mhz"})
            read.require(row, column);
        if (std::none_of(m_layouts.cbegin(), m_layouts.cend(),
                         [&](const Layout& layout) { return layout.ratings == table; }))
            read.fail(row, tr("no layout reads the rating table '%1'").arg(table));
        const QString key = ratingKey(table, l2Kb, fsbMhz, model);
        if (m_ratings.contains(key))
            read.fail(row, tr("the model %1 is given twice for this table, L2 and bus").arg(model));
        m_ratings.insert(key, rating);
    }
    return read.error();
}

const PartNumberReader::Layout* PartNumberReader::layoutById(const QString& id) const
{
    const auto found = std::find_if(m_layouts.cbegin(), m_layouts.cend(),
                                    [&](const Layout& layout) { return layout.id == id; });
    return found == m_layouts.cend() ? nullptr : &*found;
}

std::optional<PartIdentity> PartNumberReader::read(const QString& partNumber) const
{
    const qsizetype blank = partNumber.indexOf(u' ');
    const QStringView code = QStringView(partNumber).left(blank < 0 ? partNumber.size() : blank);
    const QStringView revision = blank < 0 ? QStringView() : QStringView(partNumber).mid(blank + 1);
    if (blank >= 0 && revision.size() != 1)
        return std::nullopt;

    std::optional<PartIdentity> found;
    for (const Layout& layout : m_layouts) {
        std::optional<PartIdentity> identity = readAs(layout, code, revision);
        if (!identity)
            continue;
        if (found) // two layouts read it: the tables cannot say which
            return std::nullopt;
        found = std::move(identity);
    }
    if (found)
        found->part = partNumber;
    return found;
}

std::optional<PartIdentity> PartNumberReader::readAs(const Layout& layout, QStringView code,
                                                     QStringView revision) const
{
    if (!code.startsWith(layout.prefix))
        return std::nullopt;
    qsizetype end = layout.prefix.size();
    while (end < code.size() && isAsciiDigit(code[end]))
        ++end;
    const QStringView digits = code.mid(layout.prefix.size(), end - layout.prefix.size());
    // At least the layout's digits, and at most four (some labels pad with a zero: D0700).
    if (digits.size() < layout.digits || digits.size() > 4)
        return std::nullopt;
    const int model = digits.toInt();

    QStringList fields = layout.fields;
    const bool hasRevision = fields.back() == kRevision;
    if (hasRevision)
        fields.removeLast();
    const QStringView letters = code.mid(end);
    if (letters.size() != fields.size() || (!revision.isEmpty() && !hasRevision))
        return std::nullopt;

    PartIdentity identity;
    QStringList cores = layout.cores;
    bool coresNamed = !cores.isEmpty();
    QStringList sources = layout.sources;
    QString socket = layout.socket;
    QStringList notes;
    std::optional<int> l2Kb;
    std::optional<int> fsbMhz;

    auto apply = [&](const QString& field, QStringView letter) {
        const auto found = m_letters.constFind(letterKey(layout.id, field, letter));
        if (found == m_letters.cend() || !narrow(cores, coresNamed, found->cores))
            return false;
        const std::optional<int> whole =
            found->number ? std::optional<int>(int(*found->number)) : std::nullopt;
        if (field == u"package")
            identity.package = found->text;
        else if (field == u"voltage")
            identity.vcore = found->number;
        else if (field == u"temperature")
            identity.maxTempC = whole;
        else if (field == u"l2")
            l2Kb = whole;
        else if (field == u"bus")
            fsbMhz = whole;
        else if (!found->text.isEmpty()) // the L2 speed, a revision: said in the note
            notes << found->text;
        if (!found->socket.isEmpty())
            socket = found->socket;
        addSources(sources, found->sources);
        return true;
    };
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (!apply(fields[i], letters.mid(i, 1)))
            return std::nullopt;
    }
    if (!revision.isEmpty() && !apply(kRevision, revision))
        return std::nullopt;
    if (!l2Kb || !fsbMhz)
        return std::nullopt;
    const auto rating = m_ratings.constFind(ratingKey(layout.ratings, *l2Kb, *fsbMhz, model));
    if (rating == m_ratings.cend() || !narrow(cores, coresNamed, rating->cores))
        return std::nullopt;
    addSources(sources, rating->sources);

    identity.name =
        layout.name.arg(layout.byRating ? QString::number(model) : clockName(rating->clockMhz));
    identity.family = layout.family;
    identity.core = cores.join(QStringLiteral(" or "));
    if (layout.byRating)
        identity.rating = model;
    identity.clockMhz = rating->clockMhz;
    identity.fsbMhz = fsbMhz;
    identity.multiplier = multiplierOf(rating->clockMhz, *fsbMhz);
    identity.l2Kb = l2Kb;
    identity.socket = socket;
    identity.note = notes.join(u' ');
    identity.basis = QLatin1StringView(PartIdentity::kReadFromPartNumber);
    identity.sources = sources;
    return identity;
}

} // namespace tallisk
