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

QString tr(const char* source)
{
    return QCoreApplication::translate("PartNumberReader", source);
}

// The fields a layout may have, and how a letter's value reads for each.
enum class Kind { Text, Decimal, Whole };
struct FieldKind
{
    QLatin1StringView name;
    Kind kind;
};
constexpr FieldKind kFields[] = {
    {QLatin1StringView("package"), Kind::Text},   {QLatin1StringView("voltage"), Kind::Decimal},
    {QLatin1StringView("temperature"), Kind::Whole}, {QLatin1StringView("l2"), Kind::Whole},
    {QLatin1StringView("l2speed"), Kind::Text},   {QLatin1StringView("bus"), Kind::Whole},
    {QLatin1StringView("revision"), Kind::Text},
};
const QLatin1StringView kRevision("revision");

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

// A clock as AMD names the part: "850 MHz", "1 GHz", "1.13 GHz".
QString clockName(int clockMhz)
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

std::optional<PartNumberReader> PartNumberReader::fromTsv(const Texts& texts,
                                                          const SourceList& sources,
                                                          QString* errorMessage)
{
    PartNumberReader reader;
    QHash<QString, const Layout*> byId;
    auto failed = [&](const TsvReader& read) {
        if (errorMessage)
            *errorMessage = read.error();
        return std::nullopt;
    };

    enum LayoutColumn { Id, Prefix, Digits, Model, Ratings, Fields, Family, Name, Socket, Cores,
                        LayoutSource };
    TsvReader layouts(texts.layouts,
                      {QStringLiteral("layout"), QStringLiteral("prefix"), QStringLiteral("digits"),
                       QStringLiteral("model"), QStringLiteral("ratings"), QStringLiteral("fields"),
                       QStringLiteral("family"), QStringLiteral("name"), QStringLiteral("socket"),
                       QStringLiteral("cores"), QStringLiteral("source")},
                      QStringLiteral("layouts.tsv"));
    for (qsizetype row = 0; row < layouts.rowCount(); ++row) {
        Layout layout;
        layout.id = layouts.text(row, Id);
        layout.prefix = layouts.text(row, Prefix);
        layout.digits = layouts.whole(row, Digits).value_or(0);
        const QString model = layouts.text(row, Model);
        layout.byRating = model == u"rating";
        layout.ratings = layouts.text(row, Ratings);
        layout.fields = layouts.words(row, Fields);
        layout.family = layouts.text(row, Family);
        layout.name = layouts.text(row, Name);
        layout.socket = layouts.text(row, Socket);
        layout.cores = layouts.items(row, Cores);
        layout.sources = sources.cite(layouts, row, LayoutSource);
        for (const LayoutColumn column : {Id, Prefix, Digits, Ratings, Family, Name, Socket})
            layouts.require(row, column);
        if (model != u"rating" && model != u"clock")
            layouts.fail(row, tr("the model must be 'rating' or 'clock'"));
        if (layout.prefix != layout.prefix.toUpper() || layout.prefix.contains(u' '))
            layouts.fail(row, tr("the prefix must be upper case without blanks"));
        if (!layout.name.contains(QStringLiteral("%1")))
            layouts.fail(row, tr("the name must hold %1 for the model"));
        for (const QString& field : layout.fields) {
            if (!kindOf(field))
                layouts.fail(row, tr("unknown field '%1'").arg(field));
            if (field == kRevision && field != layout.fields.back())
                layouts.fail(row, tr("the revision can only be the last field"));
        }
        if (!layout.fields.contains(QStringLiteral("l2")) ||
            !layout.fields.contains(QStringLiteral("bus")))
            layouts.fail(row, tr("a layout needs the fields l2 and bus for its ratings"));
        if (byId.contains(layout.id))
            layouts.fail(row, tr("the layout '%1' is given twice").arg(layout.id));
        reader.m_layouts.append(layout);
        byId.insert(layout.id, nullptr);
    }
    if (!layouts.ok())
        return failed(layouts);
    for (const Layout& layout : std::as_const(reader.m_layouts))
        byId.insert(layout.id, &layout);

    enum LetterColumn { Layouts, Field, Letter_, Value, LetterCores, LetterSocket, LetterSource };
    TsvReader letters(texts.letters,
                      {QStringLiteral("layouts"), QStringLiteral("field"), QStringLiteral("letter"),
                       QStringLiteral("value"), QStringLiteral("cores"), QStringLiteral("socket"),
                       QStringLiteral("source")},
                      QStringLiteral("letters.tsv"));
    for (qsizetype row = 0; row < letters.rowCount(); ++row) {
        const QStringList layoutIds = letters.words(row, Layouts);
        const QString field = letters.text(row, Field);
        const QString letter = letters.text(row, Letter_);
        Letter entry;
        const std::optional<Kind> kind = kindOf(field);
        if (kind == Kind::Decimal)
            entry.number = letters.decimal(row, Value);
        else if (kind == Kind::Whole)
            entry.number = letters.whole(row, Value);
        entry.text = letters.text(row, Value);
        entry.cores = letters.items(row, LetterCores);
        entry.socket = letters.text(row, LetterSocket);
        entry.sources = sources.cite(letters, row, LetterSource);
        letters.require(row, Layouts);
        if (!kind)
            letters.fail(row, tr("unknown field '%1'").arg(field));
        if (letter.size() != 1 || !(letter[0].isDigit() || letter[0].isUpper()))
            letters.fail(row, tr("the letter must be one upper-case letter or digit"));
        for (const QString& id : layoutIds) {
            const Layout* layout = byId.value(id);
            if (!layout)
                letters.fail(row, tr("unknown layout '%1'").arg(id));
            else if (!layout->fields.contains(field))
                letters.fail(row, tr("the layout '%1' has no field '%2'").arg(id, field));
            const QString key = letterKey(id, field, letter);
            if (reader.m_letters.contains(key))
                letters.fail(row, tr("the letter %1 of %2 in '%3' is given twice")
                                      .arg(letter, field, id));
            reader.m_letters.insert(key, entry);
        }
    }
    if (!letters.ok())
        return failed(letters);

    enum RatingColumn { Table, L2Kb, FsbMhz, ModelNumber, ClockMhz, RatingCores, RatingSource };
    TsvReader ratings(texts.ratings,
                      {QStringLiteral("ratings"), QStringLiteral("l2_kb"), QStringLiteral("fsb_mhz"),
                       QStringLiteral("model"), QStringLiteral("clock_mhz"),
                       QStringLiteral("cores"), QStringLiteral("source")},
                      QStringLiteral("ratings.tsv"));
    for (qsizetype row = 0; row < ratings.rowCount(); ++row) {
        const QString table = ratings.text(row, Table);
        const int l2Kb = ratings.whole(row, L2Kb).value_or(0);
        const int fsbMhz = ratings.whole(row, FsbMhz).value_or(0);
        const int model = ratings.whole(row, ModelNumber).value_or(0);
        Rating rating;
        rating.clockMhz = ratings.whole(row, ClockMhz).value_or(0);
        rating.cores = ratings.items(row, RatingCores);
        rating.sources = sources.cite(ratings, row, RatingSource);
        for (const RatingColumn column : {Table, L2Kb, FsbMhz, ModelNumber, ClockMhz})
            ratings.require(row, column);
        if (std::none_of(reader.m_layouts.cbegin(), reader.m_layouts.cend(),
                         [&](const Layout& layout) { return layout.ratings == table; }))
            ratings.fail(row, tr("no layout reads the rating table '%1'").arg(table));
        const QString key = ratingKey(table, l2Kb, fsbMhz, model);
        if (reader.m_ratings.contains(key))
            ratings.fail(row, tr("the model %1 is given twice for this table, L2 and bus")
                                  .arg(model));
        reader.m_ratings.insert(key, rating);
    }
    if (!ratings.ok())
        return failed(ratings);
    return reader;
}

std::optional<PartIdentity> PartNumberReader::read(const QString& partNumber) const
{
    const qsizetype blank = partNumber.indexOf(u' ');
    const QStringView code = QStringView(partNumber).left(blank < 0 ? partNumber.size() : blank);
    const QStringView revision =
        blank < 0 ? QStringView() : QStringView(partNumber).mid(blank + 1);
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

    identity.name = layout.name.arg(layout.byRating ? QString::number(model)
                                                    : clockName(rating->clockMhz));
    identity.family = layout.family;
    identity.core = cores.join(QStringLiteral(" or "));
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
