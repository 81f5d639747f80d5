// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartNumberReader.h"

#include "SourceList.h"
#include "TsvReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QVarLengthArray>

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace tallisk {

namespace {

// How a letter's value reads for each field.
enum class Kind
{
    Text,
    Decimal,
    Whole
};

Kind kindOf(PartField field)
{
    switch (field) {
    case PartField::Voltage:
        return Kind::Decimal;
    case PartField::Temperature:
    case PartField::L2:
    case PartField::Bus:
        return Kind::Whole;
    case PartField::Package:
    case PartField::L2Speed:
    case PartField::Revision:
        break;
    }
    return Kind::Text;
}

constexpr quint8 bit(PartField field)
{
    return quint8(1u << static_cast<int>(field));
}

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

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A rating row's key in its table: L2, bus and model, each below 2^20 (at most six digits).
quint64 ratingKey(int l2Kb, int fsbMhz, int model)
{
    return (quint64(l2Kb) << 40) | (quint64(fsbMhz) << 20) | quint64(model);
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

// Whether `code` starts with `prefix`: a few ASCII characters, compared in place.
bool startsWithPrefix(QStringView code, const QString& prefix)
{
    if (code.size() < prefix.size())
        return false;
    const QChar* a = code.data();
    const QChar* b = prefix.constData();
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// The part number split at its one blank: the code, and the Slot A revision letter after it.
// False when a blank is followed by anything but one character.
bool splitRevision(QStringView partNumber, QStringView* code, QStringView* revision)
{
    const qsizetype blank = partNumber.indexOf(u' ');
    *code = blank < 0 ? partNumber : partNumber.first(blank);
    *revision = blank < 0 ? QStringView() : partNumber.sliced(blank + 1);
    return blank < 0 || revision->size() == 1;
}

// The start of a model number as people may have misread it: up to four characters from
// `start` that are digits or letters read for digits (O for 0, ...); whether a digit is among
// them, and where the first such letter is (-1 for none).
struct LooseModel
{
    qsizetype length = 0;
    bool digit = false;
    qsizetype letter = -1;
};
LooseModel looseModel(QStringView code, qsizetype start)
{
    LooseModel model;
    for (qsizetype i = start; i < code.size() && model.length < 4; ++i, ++model.length) {
        if (isAsciiDigit(code[i])) {
            model.digit = true;
        } else if (isAsciiDigit(QChar(PartNumberReader::misreadingOf(code[i].unicode())))) {
            if (model.letter < 0)
                model.letter = i;
        } else {
            break;
        }
    }
    return model;
}

// The sources of an answer, each once, in the order they come.
using SourceIndices = QVarLengthArray<int, 32>;
void addSources(SourceIndices& to, const QList<int>& from)
{
    for (const int source : from) {
        if (!std::count(to.cbegin(), to.cend(), source))
            to.append(source);
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

int PartNumberReader::letterIndex(QChar c)
{
    if (c >= u'A' && c <= u'Z')
        return c.unicode() - u'A';
    if (isAsciiDigit(c))
        return 26 + c.unicode() - u'0';
    return -1;
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
    if (error.isEmpty() && reader.m_cores.size() > 32)
        error = tr("the tables name more than 32 cores");
    if (!error.isEmpty()) {
        if (errorMessage)
            *errorMessage = error;
        return std::nullopt;
    }
    // What an answer needs of each layout, worked out once: the order it names the cores in,
    // and its name for each model number of its rating table.
    for (Layout& layout : reader.m_layouts) {
        for (int core = 0; core < reader.m_cores.size(); ++core) {
            if (!layout.coreOrder.contains(core))
                layout.coreOrder.append(core);
        }
        for (const int row : std::as_const(reader.m_tables[layout.table].rows)) {
            const Rating& rating = reader.m_ratings[row];
            layout.names.insert(rating.model,
                                layout.name.arg(layout.byRating ? QString::number(rating.model)
                                                                : clockName(rating.clockMhz)));
        }
    }
    return reader;
}

int PartNumberReader::coreIndex(const QString& core)
{
    const qsizetype index = m_cores.indexOf(core);
    if (index >= 0)
        return int(index);
    m_cores.append(core);
    return int(m_cores.size() - 1);
}

PartNumberReader::CoreSet PartNumberReader::coreSet(const QStringList& cores)
{
    if (cores.isEmpty())
        return kAnyCore;
    CoreSet set = 0;
    for (const QString& core : cores) {
        const int index = coreIndex(core);
        if (index < 32)
            set |= CoreSet(1) << index;
    }
    return set;
}

QList<int> PartNumberReader::sourceIndices(const QStringList& ids)
{
    QList<int> indices;
    for (const QString& id : ids) {
        auto found = m_sourceIndex.constFind(id);
        if (found == m_sourceIndex.cend()) {
            found = m_sourceIndex.insert(id, int(m_sourceIds.size()));
            m_sourceIds.append(id);
        }
        indices.append(*found);
    }
    return indices;
}

QString PartNumberReader::loadLayouts(QStringView text, const SourceList& sources)
{
    TsvReader read(text, kLayoutColumns, QStringLiteral("layouts.tsv"));
    QStringList tables;
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        Layout layout;
        layout.id = read.text(row, u"layout");
        layout.prefix = read.text(row, u"prefix");
        layout.digits = read.whole(row, u"digits").value_or(0);
        const QString model = read.text(row, u"model");
        layout.byRating = model == u"rating";
        const QString table = read.text(row, u"ratings");
        const QStringList fields = read.words(row, u"fields");
        layout.family = read.text(row, u"family");
        layout.name = read.text(row, u"name");
        layout.socket = read.text(row, u"socket");
        const QStringList cores = read.items(row, u"cores");
        layout.cores = coreSet(cores);
        for (const QString& core : cores)
            layout.coreOrder.append(coreIndex(core));
        layout.sources = sourceIndices(sources.cite(read, row));
        for (const char16_t* column :
             {u"layout", u"prefix", u"digits", u"ratings", u"family", u"name", u"socket"})
            read.require(row, column);
        if (model != u"rating" && model != u"clock")
            read.fail(row, tr("the model must be 'rating' or 'clock'"));
        if (std::any_of(layout.prefix.cbegin(), layout.prefix.cend(),
                        [](QChar c) { return letterIndex(c) < 0; }))
            read.fail(row, tr("the prefix must be upper case without blanks"));
        if (!layout.name.contains(QStringLiteral("%1")))
            read.fail(row, tr("the name must hold %1 for the model"));
        for (const QString& name : fields) {
            const std::optional<PartField> field = partFieldFromKey(name);
            if (!field)
                read.fail(row, tr("unknown field '%1'").arg(name));
            else if (*field != PartField::Revision)
                layout.fields.append(*field);
            else if (name != fields.back())
                read.fail(row, tr("the revision can only be the last field"));
            else
                layout.hasRevision = true;
        }
        if (!layout.fields.contains(PartField::L2) || !layout.fields.contains(PartField::Bus))
            read.fail(row, tr("a layout needs the fields l2 and bus for its ratings"));
        if (layoutById(layout.id) >= 0)
            read.fail(row, tr("the layout '%1' is given twice").arg(layout.id));
        if (!tables.contains(table))
            tables.append(table);
        layout.table = int(tables.indexOf(table));
        for (auto& byCharacter : layout.letterAt)
            byCharacter.fill(-1);
        if (!layout.prefix.isEmpty() && letterIndex(layout.prefix.front()) >= 0)
            m_layoutsByFirst[letterIndex(layout.prefix.front())].append(int(m_layouts.size()));
        m_layouts.append(layout);
    }
    for (const QString& table : std::as_const(tables))
        m_tables.append({table, {}, {}, {}, false});
    return read.error();
}

QString PartNumberReader::loadLetters(QStringView text, const SourceList& sources)
{
    TsvReader read(text, kLetterColumns, QStringLiteral("letters.tsv"));
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        const QStringList layoutIds = read.words(row, u"layouts");
        const QString fieldName = read.text(row, u"field");
        const QString letterText = read.text(row, u"letter");
        const std::optional<PartField> field = partFieldFromKey(fieldName);
        Letter letter;
        if (field && kindOf(*field) == Kind::Decimal)
            letter.number = read.decimal(row, u"value");
        else if (field && kindOf(*field) == Kind::Whole)
            letter.number = read.whole(row, u"value");
        letter.text = read.text(row, u"value");
        letter.cores = coreSet(read.items(row, u"cores"));
        letter.socket = read.text(row, u"socket");
        letter.sources = sourceIndices(sources.cite(read, row));
        read.require(row, u"layouts");
        if (!field)
            read.fail(row, tr("unknown field '%1'").arg(fieldName));
        const int character = letterText.size() == 1 ? letterIndex(letterText[0]) : -1;
        if (character < 0)
            read.fail(row, tr("the letter must be one upper-case letter or digit"));
        if (!field || character < 0)
            continue;
        letter.letter = letterText[0];
        const int index = int(m_letters.size());
        m_letters.append(letter);
        for (const QString& id : layoutIds) {
            const int found = layoutById(id);
            if (found < 0) {
                read.fail(row, tr("unknown layout '%1'").arg(id));
                continue;
            }
            Layout& layout = m_layouts[found];
            if (*field == PartField::Revision ? !layout.hasRevision
                                              : !layout.fields.contains(*field))
                read.fail(row, tr("the layout '%1' has no field '%2'").arg(id, fieldName));
            qint16& slot = layout.letterAt[int(*field)][character];
            if (slot >= 0)
                read.fail(row, tr("the letter %1 of %2 in '%3' is given twice")
                                   .arg(letterText, fieldName, id));
            slot = qint16(index);
            if (letter.cores != kAnyCore)
                layout.coreFields |= bit(*field);
            if (!letter.socket.isEmpty())
                layout.socketFields |= bit(*field);
        }
    }
    return read.error();
}

QString PartNumberReader::loadRatings(QStringView text, const SourceList& sources)
{
    TsvReader read(text, kRatingColumns, QStringLiteral("ratings.tsv"));
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        const QString tableName = read.text(row, u"ratings");
        Rating rating;
        rating.l2Kb = read.whole(row, u"l2_kb").value_or(0);
        rating.fsbMhz = read.whole(row, u"fsb_mhz").value_or(0);
        rating.model = read.whole(row, u"model").value_or(0);
        rating.clockMhz = read.whole(row, u"clock_mhz").value_or(0);
        rating.cores = coreSet(read.items(row, u"cores"));
        rating.sources = sourceIndices(sources.cite(read, row));
        for (const char16_t* column : {u"ratings", u"l2_kb", u"fsb_mhz", u"model", u"clock_mhz"})
            read.require(row, column);
        const auto table = std::find_if(m_tables.begin(), m_tables.end(),
                                        [&](const RatingTable& t) { return t.name == tableName; });
        if (table == m_tables.end()) {
            read.fail(row, tr("no layout reads the rating table '%1'").arg(tableName));
            continue;
        }
        const quint64 key = ratingKey(rating.l2Kb, rating.fsbMhz, rating.model);
        if (table->byKey.contains(key))
            read.fail(
                row,
                tr("the model %1 is given twice for this table, L2 and bus").arg(rating.model));
        // A layout that names its parts by their clock names them by the model number alone.
        const int tableIndex = int(table - m_tables.begin());
        const bool byClock =
            std::any_of(m_layouts.cbegin(), m_layouts.cend(),
                        [&](const Layout& l) { return l.table == tableIndex && !l.byRating; });
        for (const int other : table->byModel.value(rating.model)) {
            if (byClock && m_ratings[other].clockMhz != rating.clockMhz)
                read.fail(row, tr("the model %1 has two clocks in the clock-named table '%2'")
                                   .arg(rating.model)
                                   .arg(tableName));
        }
        const int index = int(m_ratings.size());
        m_ratings.append(rating);
        table->rows.append(index);
        table->byKey.insert(key, index);
        table->byModel[rating.model].append(index);
        table->narrowsCores = table->narrowsCores || rating.cores != kAnyCore;
    }
    return read.error();
}

int PartNumberReader::layoutById(QStringView id) const
{
    for (qsizetype i = 0; i < m_layouts.size(); ++i) {
        if (m_layouts[i].id == id)
            return int(i);
    }
    return -1;
}

PartNumberReader::Attempt PartNumberReader::attempt(const Layout& layout, QStringView code,
                                                    QStringView revision) const
{
    Attempt a;
    a.letter.fill(-1);
    if (!startsWithPrefix(code, layout.prefix))
        return a;
    const qsizetype start = layout.prefix.size();
    qsizetype end = start;
    while (end < code.size() && isAsciiDigit(code[end]))
        ++end;
    a.digits = end - start;
    // The layout starts like the line where a digit, or a letter read for one, follows its
    // prefix, and a digit comes before the letters.
    if (a.digits == 0 && !looseModel(code, start).digit)
        return a;
    a.outcome = Outcome::BadDigits;
    // At least the layout's digits, and at most four (some labels pad with a zero: D0700).
    if (a.digits < layout.digits || a.digits > 4)
        return a;
    for (qsizetype i = start; i < end; ++i)
        a.model = a.model * 10 + (code[i].unicode() - u'0');
    const QStringView letters = code.sliced(end);
    a.letters = letters.size();
    a.outcome = Outcome::BadRevision;
    if (!revision.isEmpty() && !layout.hasRevision)
        return a;
    a.outcome = Outcome::LetterCount;
    if (letters.size() != layout.fields.size())
        return a;

    a.outcome = Outcome::NotALetter;
    int unread = 0;
    const auto take = [&](PartField field, QChar c) {
        const int character = letterIndex(c);
        if (character < 0)
            return false;
        const int f = int(field);
        a.typed[f] = c;
        a.letter[f] = layout.letterAt[f][character];
        if (a.letter[f] < 0) {
            a.unread |= bit(field);
            ++unread;
        }
        return true;
    };
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (!take(layout.fields[i], letters[i]))
            return a;
    }
    if (!revision.isEmpty() && !take(PartField::Revision, revision.front()))
        return a;
    a.outcome = Outcome::TooManyUnread;
    if (unread > 1)
        return a;
    a.outcome = Outcome::Misread;
    for (int f = 0; f < kPartFieldCount; ++f) {
        const int misread = letterIndex(misreadingOf(a.typed[f].unicode()));
        if ((a.unread & bit(PartField(f))) && misread >= 0 && layout.letterAt[f][misread] >= 0)
            return a;
    }

    a.outcome = Outcome::CoreConflict;
    CoreSet cores = layout.cores;
    for (int f = 0; f < kPartFieldCount; ++f) {
        if (a.letter[f] < 0)
            continue;
        const Letter& letter = m_letters[a.letter[f]];
        if (!(cores & letter.cores)) {
            a.conflict = PartField(f);
            return a;
        }
        cores &= letter.cores;
        if (letter.number && PartField(f) == PartField::L2)
            a.l2Kb = int(*letter.number);
        else if (letter.number && PartField(f) == PartField::Bus)
            a.fsbMhz = int(*letter.number);
    }
    a.cores = cores;

    a.outcome = Outcome::NoRating;
    const RatingTable& table = m_tables[layout.table];
    if (a.l2Kb && a.fsbMhz) {
        const int row = table.byKey.value(ratingKey(*a.l2Kb, *a.fsbMhz, a.model), -1);
        if (row < 0)
            return a;
        if (!(cores & m_ratings[row].cores)) {
            a.modelCores = m_ratings[row].cores;
            return a;
        }
        a.cores = cores & m_ratings[row].cores;
        a.rating = row;
    } else if (possibleRatings(layout, a).isEmpty()) {
        for (const int row : table.byModel.value(a.model)) {
            const Rating& rating = m_ratings[row];
            if ((!a.l2Kb || rating.l2Kb == *a.l2Kb) && (!a.fsbMhz || rating.fsbMhz == *a.fsbMhz))
                a.modelCores |= rating.cores;
        }
        return a;
    }
    a.outcome = Outcome::Read;
    return a;
}

QList<int> PartNumberReader::possibleRatings(const Layout& layout, const Attempt& a) const
{
    QList<int> rows;
    for (const int row : m_tables[layout.table].byModel.value(a.model)) {
        const Rating& rating = m_ratings[row];
        if ((!a.l2Kb || rating.l2Kb == *a.l2Kb) && (!a.fsbMhz || rating.fsbMhz == *a.fsbMhz) &&
            (a.cores & rating.cores))
            rows.append(row);
    }
    return rows;
}

int PartNumberReader::readingLayout(const QString& partNumber, Attempt* read) const
{
    QStringView code;
    QStringView revision;
    if (partNumber.isEmpty() || !splitRevision(partNumber, &code, &revision))
        return -1;
    const int first = letterIndex(code.isEmpty() ? QChar() : code.front());
    if (first < 0)
        return -1;
    int reading = -1;
    for (const int index : m_layoutsByFirst[first]) {
        if (!startsWithPrefix(code, m_layouts[index].prefix))
            continue;
        const Attempt a = attempt(m_layouts[index], code, revision);
        if (a.outcome != Outcome::Read)
            continue;
        if (reading >= 0) // two layouts read it: the tables cannot say which
            return -1;
        reading = index;
        *read = a;
    }
    return reading;
}

std::optional<PartIdentity> PartNumberReader::read(const QString& partNumber) const
{
    Attempt a;
    const int layout = readingLayout(partNumber, &a);
    if (layout < 0)
        return std::nullopt;
    PartIdentity identity = identityOf(m_layouts[layout], a);
    identity.part = partNumber;
    return identity;
}

PartIdentity PartNumberReader::identityOf(const Layout& layout, const Attempt& a) const
{
    PartIdentity identity;
    SourceIndices sources;
    addSources(sources, layout.sources);
    QString socket = layout.socket;
    QStringList notes;
    const auto apply = [&](PartField field) {
        const int f = int(field);
        if (a.letter[f] < 0) {
            identity.unread.append({field, a.typed[f]});
            return;
        }
        const Letter& letter = m_letters[a.letter[f]];
        const std::optional<int> whole =
            letter.number ? std::optional<int>(int(*letter.number)) : std::nullopt;
        switch (field) {
        case PartField::Package:
            identity.package = letter.text;
            break;
        case PartField::Voltage:
            identity.vcore = letter.number;
            break;
        case PartField::Temperature:
            identity.maxTempC = whole;
            break;
        case PartField::L2:
        case PartField::Bus:
            break; // read with the letters, as they pick the rating row
        case PartField::L2Speed:
        case PartField::Revision:
            if (!letter.text.isEmpty()) // said in the note
                notes << letter.text;
            break;
        }
        if (!letter.socket.isEmpty())
            socket = letter.socket;
        addSources(sources, letter.sources);
    };
    for (const PartField field : layout.fields)
        apply(field);
    if (!a.typed[int(PartField::Revision)].isNull())
        apply(PartField::Revision);

    std::optional<int> clockMhz;
    if (a.rating >= 0) {
        clockMhz = m_ratings[a.rating].clockMhz;
        addSources(sources, m_ratings[a.rating].sources);
    } else {
        // The L2 or bus letter was not read: the model's rows show that it exists, and for a
        // layout named by the clock they all give it the same clock.
        const QList<int> rows = possibleRatings(layout, a);
        if (!layout.byRating)
            clockMhz = m_ratings[rows.front()].clockMhz;
        for (const int row : rows)
            addSources(sources, m_ratings[row].sources);
    }

    // The core is known where one remains, or where no letter that was not read, nor a rating
    // row not picked, could narrow it further.
    const bool oneCore = a.cores != kAnyCore && std::popcount(a.cores) == 1;
    const bool narrowable =
        (a.unread & layout.coreFields) || (a.rating < 0 && m_tables[layout.table].narrowsCores);
    identity.core = oneCore || !narrowable ? coreNames(layout, a.cores) : QString();
    identity.name = layout.names.value(a.model);
    identity.family = layout.family;
    if (layout.byRating)
        identity.rating = a.model;
    identity.clockMhz = clockMhz;
    identity.fsbMhz = a.fsbMhz;
    identity.multiplier =
        clockMhz && a.fsbMhz ? multiplierOf(*clockMhz, *a.fsbMhz) : std::optional<double>();
    identity.l2Kb = a.l2Kb;
    identity.socket = (a.unread & layout.socketFields) ? QString() : socket;
    identity.note = notes.join(u' ');
    identity.basis = QLatin1StringView(PartIdentity::kReadFromPartNumber);
    identity.sources.reserve(sources.size());
    for (const int source : sources)
        identity.sources.append(m_sourceIds[source]);
    return identity;
}

QString PartNumberReader::coreNames(const Layout& layout, CoreSet cores) const
{
    if (cores == kAnyCore)
        return QString();
    QStringList names;
    for (const int core : layout.coreOrder) {
        if (cores & (CoreSet(1) << core))
            names << m_cores[core];
    }
    return names.join(PartIdentity::kCoreSeparator);
}

QList<int> PartNumberReader::layoutsStartingLike(QStringView partNumber) const
{
    QList<int> layouts;
    const int first = letterIndex(partNumber.isEmpty() ? QChar() : partNumber.front());
    if (first < 0)
        return layouts;
    for (const int index : m_layoutsByFirst[first]) {
        const QString& prefix = m_layouts[index].prefix;
        if (startsWithPrefix(partNumber, prefix) && looseModel(partNumber, prefix.size()).digit)
            layouts.append(index);
    }
    return layouts;
}

int PartNumberReader::layoutReadingWhole(const QString& partNumber) const
{
    Attempt a;
    const int layout = readingLayout(partNumber, &a);
    return layout >= 0 && !a.unread && a.rating >= 0 ? layout : -1;
}

void PartNumberReader::forEachPartNumber(
    const std::function<void(const QString&, int)>& visit) const
{
    for (int index = 0; index < m_layouts.size(); ++index) {
        const Layout& layout = m_layouts[index];
        const RatingTable& table = m_tables[layout.table];
        // The letters of a field, or those that give a rating row's L2 or bus.
        const auto lettersOf = [&](PartField field, std::optional<int> number) {
            QList<QChar> letters;
            for (const qint16 letter : layout.letterAt[int(field)]) {
                if (letter >= 0 && (!number || m_letters[letter].number == *number))
                    letters.append(m_letters[letter].letter);
            }
            return letters;
        };
        QList<QChar> revisions{QChar()};
        if (layout.hasRevision)
            revisions += lettersOf(PartField::Revision, std::nullopt);
        for (const int row : table.rows) {
            const Rating& rating = m_ratings[row];
            QList<QList<QChar>> choices;
            for (const PartField field : layout.fields) {
                const std::optional<int> gives = field == PartField::L2    ? rating.l2Kb
                                                 : field == PartField::Bus ? rating.fsbMhz
                                                                           : std::optional<int>();
                choices.append(lettersOf(field, gives));
            }
            if (std::any_of(choices.cbegin(), choices.cend(),
                            [](const QList<QChar>& c) { return c.isEmpty(); }))
                continue;
            const QString start =
                layout.prefix + QString::number(rating.model).rightJustified(layout.digits, u'0');
            QList<qsizetype> at(choices.size(), 0); // an odometer over the choices
            for (;;) {
                QString code = start;
                for (qsizetype i = 0; i < choices.size(); ++i)
                    code += choices[i][at[i]];
                for (const QChar revision : std::as_const(revisions)) {
                    const QString part = revision.isNull() ? code : code + u' ' + revision;
                    if (layoutReadingWhole(part) == index)
                        visit(part, index);
                }
                qsizetype i = choices.size() - 1;
                while (i >= 0 && ++at[i] == choices[i].size())
                    at[i--] = 0;
                if (i < 0)
                    break;
            }
        }
    }
}

QString PartNumberReader::whyNotRead(const QString& partNumber) const
{
    if (partNumber.isEmpty())
        return tr("Line 1 is empty.");
    QStringView code;
    QStringView revision;
    if (!splitRevision(partNumber, &code, &revision))
        return layoutsStartingLike(code).isEmpty()
                   ? tr("No part-number layout starts like this line.")
                   : tr("Only a Slot A revision letter, one letter, may follow a blank.");
    const int first = letterIndex(code.isEmpty() ? QChar() : code.front());
    QList<int> readers;
    int best = -1;
    Attempt bestAttempt;
    // The layout that got furthest with the line says why; of two that got as far, the one
    // with the longer prefix, then the one whose count of letters is nearer.
    const auto further = [&](const Layout& layout, const Attempt& a) {
        if (best < 0 || a.outcome != bestAttempt.outcome)
            return best < 0 || a.outcome > bestAttempt.outcome;
        const Layout& other = m_layouts[best];
        if (layout.prefix.size() != other.prefix.size())
            return layout.prefix.size() > other.prefix.size();
        return std::abs(a.letters - layout.fields.size()) <
               std::abs(bestAttempt.letters - other.fields.size());
    };
    for (const int index : first < 0 ? QList<int>() : m_layoutsByFirst[first]) {
        const Attempt a = attempt(m_layouts[index], code, revision);
        if (a.outcome == Outcome::Read)
            readers.append(index);
        else if (further(m_layouts[index], a)) {
            best = index;
            bestAttempt = a;
        }
    }
    if (readers.size() == 1)
        return QString();
    if (readers.size() > 1)
        return tr("The line reads in two layouts (%1… and %2…), and the tables cannot say which.")
            .arg(m_layouts[readers[0]].prefix, m_layouts[readers[1]].prefix);
    if (best < 0 || bestAttempt.outcome == Outcome::NoPrefix)
        return tr("No part-number layout starts like this line.");
    return whyNot(m_layouts[best], bestAttempt, code, revision);
}

QString PartNumberReader::whyNot(const Layout& layout, const Attempt& a, QStringView code,
                                 QStringView revision) const
{
    const QString& prefix = layout.prefix;
    const QStringView letters = code.sliced(prefix.size() + a.digits);
    const QString model = code.sliced(prefix.size(), a.digits).toString();
    switch (a.outcome) {
    case Outcome::NoPrefix:
    case Outcome::Read:
        break;
    case Outcome::BadDigits:
        if (const LooseModel loose = looseModel(code, prefix.size());
            loose.letter >= 0 && loose.length >= layout.digits)
            return tr("The model number after %1 holds the letter %2 where a digit belongs "
                      "(%3?).")
                .arg(prefix, code[loose.letter], QChar(misreadingOf(code[loose.letter].unicode())));
        if (layout.digits == 4)
            return tr("The model number after %1 must have 4 digits; this line has %2.")
                .arg(prefix)
                .arg(a.digits);
        return tr("The model number after %1 must have %2 to 4 digits; this line has %3.")
            .arg(prefix)
            .arg(layout.digits)
            .arg(a.digits);
    case Outcome::BadRevision:
        return tr("%1… part numbers have no revision letter after a blank.").arg(prefix);
    case Outcome::LetterCount:
        if (a.letters + 1 == layout.fields.size()) {
            const QList<PartField> missing = missingFields(layout, letters);
            if (missing.size() == 1)
                return tr("The %1 letter is missing.").arg(UnreadLetter::fieldName(missing[0]));
            if (missing.size() == 2)
                return tr("The %1 or the %2 letter is missing.")
                    .arg(UnreadLetter::fieldName(missing[0]), UnreadLetter::fieldName(missing[1]));
        } else if (a.letters == layout.fields.size() + 1) {
            const QList<qsizetype> extra = extraLetters(layout, letters);
            if (!extra.isEmpty() && std::all_of(extra.cbegin(), extra.cend(), [&](qsizetype i) {
                    return letters[i] == letters[extra[0]];
                }))
                return tr("The letter %1 is one too many.").arg(letters[extra[0]]);
        }
        return tr("%1… part numbers have %2 letters after the model number; this line has %3.")
            .arg(prefix)
            .arg(layout.fields.size())
            .arg(a.letters);
    case Outcome::NotALetter: {
        // The first character that is not A to Z or 0 to 9, whole if outside the BMP.
        const QString rest = letters.toString() + revision.toString();
        qsizetype at = 0;
        while (at < rest.size() && letterIndex(rest[at]) >= 0)
            ++at;
        const qsizetype length =
            at + 1 < rest.size() && rest[at].isHighSurrogate() && rest[at + 1].isLowSurrogate() ? 2
                                                                                                : 1;
        return tr("'%1' is not a letter of a part number.").arg(rest.mid(at, length));
    }
    case Outcome::TooManyUnread: {
        QStringList items;
        for (int f = 0; f < kPartFieldCount; ++f) {
            if (a.unread & bit(PartField(f)))
                //: A field of a part number and its letter, e.g. "voltage X".
                items << tr("%1 %2").arg(UnreadLetter::fieldName(PartField(f)), a.typed[f]);
        }
        return tr("The tables of %1… part numbers do not hold these letters: %2.")
            .arg(prefix, items.join(QStringLiteral(", ")));
    }
    case Outcome::Misread:
        for (int f = 0; f < kPartFieldCount; ++f) {
            if (a.unread & bit(PartField(f)))
                return tr("The %1 letter %2 is not in the tables, but %3 is: the two are easily "
                          "read for one another.")
                    .arg(UnreadLetter::fieldName(PartField(f)), a.typed[f],
                         QChar(misreadingOf(a.typed[f].unicode())));
        }
        break;
    case Outcome::CoreConflict:
        return tr("The %1 letter %2 names a core that the other letters rule out.")
            .arg(UnreadLetter::fieldName(a.conflict), a.typed[int(a.conflict)]);
    case Outcome::NoRating: {
        QString clause;
        if (a.modelCores)
            clause = tr("In the rating table, model %1 is %2, but the letters of this %3… part "
                        "number leave %4")
                         .arg(model, coreNames(layout, a.modelCores), prefix,
                              coreNames(layout, a.cores));
        else if (a.l2Kb && a.fsbMhz)
            clause = tr("The rating table has no model %1 of %2… part numbers with %3 KB L2 on "
                        "a %4 MHz bus")
                         .arg(model, prefix)
                         .arg(*a.l2Kb)
                         .arg(*a.fsbMhz);
        else if (a.l2Kb)
            clause = tr("The rating table has no model %1 of %2… part numbers with %3 KB L2")
                         .arg(model, prefix)
                         .arg(*a.l2Kb);
        else if (a.fsbMhz)
            clause = tr("The rating table has no model %1 of %2… part numbers on a %3 MHz bus")
                         .arg(model, prefix)
                         .arg(*a.fsbMhz);
        else
            clause = tr("The rating table has no model %1 of %2… part numbers").arg(model, prefix);
        for (int f = 0; f < kPartFieldCount; ++f) {
            if (a.unread & bit(PartField(f)))
                //: A reason, then a letter that was not read, e.g. "the bus letter Z was not read".
                return tr("%1, and %2.").arg(clause, UnreadLetter{PartField(f), a.typed[f]}.text());
        }
        //: A reason made a sentence.
        return tr("%1.").arg(clause);
    }
    }
    return QString();
}

bool PartNumberReader::lettersRead(const Layout& layout, QStringView letters, qsizetype skipField,
                                   qsizetype skipLetter) const
{
    qsizetype field = 0;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (i == skipLetter)
            continue;
        if (field == skipField)
            ++field;
        const int character = letterIndex(letters[i]);
        if (field >= layout.fields.size() || character < 0 ||
            layout.letterAt[int(layout.fields[field])][character] < 0)
            return false;
        ++field;
    }
    return field + (field == skipField ? 1 : 0) == layout.fields.size();
}

QList<PartField> PartNumberReader::missingFields(const Layout& layout, QStringView letters) const
{
    QList<PartField> missing;
    for (qsizetype field = 0; field < layout.fields.size(); ++field) {
        if (lettersRead(layout, letters, field, -1))
            missing.append(layout.fields[field]);
    }
    return missing;
}

QList<qsizetype> PartNumberReader::extraLetters(const Layout& layout, QStringView letters) const
{
    QList<qsizetype> extra;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (lettersRead(layout, letters, -1, i))
            extra.append(i);
    }
    return extra;
}

} // namespace tallisk
