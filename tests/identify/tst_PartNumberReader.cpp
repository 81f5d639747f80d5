// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IdentifyTestSupport.h"
#include "PartNumberReader.h"
#include "SourceList.h"
#include "TestSupport.h"
#include "TsvReader.h"

#include <QFile>
#include <QHash>
#include <QTest>

#include <algorithm>

using namespace tallisk;
using namespace tallisk::test;

// The part-number reader: each layout read whole, every letter of its tables read to its value,
// a letter outside them leaving unknown just what it decides, and everything else refused.
// Then the loader, on small tables of its own.
class tst_PartNumberReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEachLayout_data();
    void readsEachLayout();
    void everyLetterReadsToItsValue();
    void unknownLetterLeavesWhatItDecides();
    void readsWithOneLetterNotRead_data();
    void readsWithOneLetterNotRead();
    void outsideTheLayoutIsNotKnown_data();
    void outsideTheLayoutIsNotKnown();
    void coresNarrowByLettersAndRatings();
    void loaderRefusesMalformedTables_data();
    void loaderRefusesMalformedTables();
};

namespace {

// One part per layout that the reader answers, to vary one letter at a time.
const QHash<QString, QString>& baseParts()
{
    static const QHash<QString, QString> parts{
        {QStringLiteral("K7"), QStringLiteral("K7700MTR51B A")},
        {QStringLiteral("A-slot"), QStringLiteral("A0700MPR24B A")},
        {QStringLiteral("A"), QStringLiteral("A1200AMS3C")},
        {QStringLiteral("AX"), QStringLiteral("AX1800DMT3C")},
        {QStringLiteral("AXDA"), QStringLiteral("AXDA2800DKV4D")},
        {QStringLiteral("AXDC"), QStringLiteral("AXDC2200DUV3C")},
        {QStringLiteral("SDA"), QStringLiteral("SDA2500DUT3D")},
        {QStringLiteral("D"), QStringLiteral("D800AUT1B")},
        {QStringLiteral("DM"), QStringLiteral("DM600AVS1B")},
        {QStringLiteral("DHD"), QStringLiteral("DHD1300AMT1B")},
        {QStringLiteral("DHM"), QStringLiteral("DHM1000AVS1B")},
        {QStringLiteral("AHX"), QStringLiteral("AHX1200AMS3C")},
        {QStringLiteral("AMP"), QStringLiteral("AMP1800DMS3C")},
        {QStringLiteral("AMSN"), QStringLiteral("AMSN2400DKT3C")},
        {QStringLiteral("AHM"), QStringLiteral("AHM1200AVS3C")},
        {QStringLiteral("AXMD"), QStringLiteral("AXMD2600GJQ4D")},
        {QStringLiteral("AXMS"), QStringLiteral("AXMS1600GXS3C")},
        {QStringLiteral("AXML"), QStringLiteral("AXML1400GYS3C")},
        {QStringLiteral("AXMT"), QStringLiteral("AXMT2200GWS4C")},
        {QStringLiteral("AXMH"), QStringLiteral("AXMH2400FQQ4C")},
        {QStringLiteral("AXMJ"), QStringLiteral("AXMJ2400GJQ4C")},
    };
    return parts;
}

QString resourceText(const char* name)
{
    QFile file(QStringLiteral(":/tallisk/identify/%1").arg(QLatin1StringView(name)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct Letter
{
    QString layout;
    QString field;
    QString letter;
    QString value;
    QStringList cores;
};

// The compiled-in letters, one entry per layout they are listed for.
QList<Letter> letters()
{
    const QString text = resourceText("letters.tsv");
    TsvReader read(text,
                   {QStringLiteral("layouts"), QStringLiteral("field"), QStringLiteral("letter"),
                    QStringLiteral("value"), QStringLiteral("cores"), QStringLiteral("socket"),
                    QStringLiteral("source")},
                   QStringLiteral("letters.tsv"));
    QList<Letter> all;
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        for (const QString& layout : read.words(row, u"layouts"))
            all.append({layout, read.text(row, u"field"), read.text(row, u"letter"),
                        read.text(row, u"value"), read.items(row, u"cores")});
    }
    return all;
}

// Each layout's fields in order, from the compiled-in layouts.
QHash<QString, QStringList> layoutFields()
{
    const QString text = resourceText("layouts.tsv");
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    QHash<QString, QStringList> fields;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(u'\t');
        fields.insert(cells[0], cells[5].split(u' '));
    }
    return fields;
}

// The base part with the letter of `field` replaced.
QString withLetter(const QString& base, const QStringList& fields, const QString& field,
                   const QString& letter)
{
    QString part = base;
    if (field == u"revision")
        return part.left(part.indexOf(u' ') < 0 ? part.size() : part.indexOf(u' ')) + u' ' + letter;
    const qsizetype blank = part.indexOf(u' ');
    const qsizetype end = blank < 0 ? part.size() : blank;
    const qsizetype letters =
        fields.contains(QStringLiteral("revision")) ? fields.size() - 1 : fields.size();
    part[end - letters + fields.indexOf(field)] = letter.front();
    return part;
}

QString factOf(const PartIdentity& id, const QString& field)
{
    auto text = [](const auto& value) {
        return value ? QString::number(*value) : QString();
    };
    if (field == u"package")
        return id.package;
    if (field == u"voltage")
        return text(id.vcore);
    if (field == u"temperature")
        return text(id.maxTempC);
    if (field == u"l2")
        return text(id.l2Kb);
    if (field == u"bus")
        return text(id.fsbMhz);
    return id.note;
}

const QString kSources = QStringLiteral("id\ttitle\taddress\tgave\nT1\tA test\t\tall\n");
const QString kLayoutsHeader =
    QStringLiteral("layout\tprefix\tdigits\tmodel\tratings\tfields\tfamily\tname\tsocket\tcores\t"
                   "source\n");
const QString kLettersHeader =
    QStringLiteral("layouts\tfield\tletter\tvalue\tcores\tsocket\tsource\n");
const QString kRatingsHeader =
    QStringLiteral("ratings\tl2_kb\tfsb_mhz\tmodel\tclock_mhz\tcores\tsource\n");

// A small reader of its own: layout X (X2000, then package, L2 and bus), whose L2 digit and bus
// letter narrow the cores.
struct SmallTables
{
    QString layouts = kLayoutsHeader +
                      QStringLiteral("X\tX\t4\trating\tX table\tpackage l2 bus\tX family\tX %1+\t"
                                     "Socket A\t"
                                     "P | Q | R\tT1\n");
    QString letters = kLettersHeader + QStringLiteral("X\tpackage\tD\tOPGA\t\t\tT1\n"
                                                      "X\tl2\t3\t256\tP | Q\t\tT1\n"
                                                      "X\tl2\t4\t512\tR\t\tT1\n"
                                                      "X\tbus\tC\t266\t\t\tT1\n"
                                                      "X\tbus\tD\t333\tQ | R\tSocket 9\tT1\n");
    QString ratings = kRatingsHeader + QStringLiteral("X table\t256\t266\t2000\t1667\t\tT1\n"
                                                      "X table\t256\t333\t2000\t1750\t\tT1\n"
                                                      "X table\t512\t333\t2000\t1800\tP\tT1\n");

    std::optional<PartNumberReader> load(QString* error = nullptr) const
    {
        const SourceList sources = *SourceList::fromTsv(kSources, QStringLiteral("s.tsv"));
        return PartNumberReader::fromTsv({layouts, letters, ratings}, sources, error);
    }
};

} // namespace

Q_DECLARE_METATYPE(SmallTables)

void tst_PartNumberReader::readsEachLayout_data()
{
    // vcore: 0 for unknown
    // temperature: 0 for unknown
    addColumns<QString, QString, QString, int, int, double, int, double, int, QString, QString>(
        {"line", "name", "core", "clock", "fsb", "multiplier", "l2", "vcore", "temperature",
         "package", "socket"});

    auto row = [](const char* line, const char* name, const char* core, int clock, int fsb,
                  double multiplier, int l2, double vcore, int temperature, const char* package,
                  const char* socket) {
        QTest::newRow(line) << QString::fromLatin1(line) << QString::fromLatin1(name)
                            << QString::fromLatin1(core) << clock << fsb << multiplier << l2
                            << vcore << temperature << QString::fromLatin1(package)
                            << QString::fromLatin1(socket);
    };
    // clang-format off
    // Slot A: the clock decides between the cores as far as the sources agree.
    row("K7600MTR51B A", "AMD Athlon 600 MHz", "Argon or Pluto", 600, 200, 6.0, 512, 1.6, 70, "Module", "Slot A");
    row("K7500MTR51B", "AMD Athlon 500 MHz", "Argon", 500, 200, 5.0, 512, 1.6, 70, "Module", "Slot A");
    // A revision letter other than A, as one source names the part.
    row("K7500MTR51B C", "AMD Athlon 500 MHz", "Argon", 500, 200, 5.0, 512, 1.6, 70, "Module", "Slot A");
    row("K7100MNR53B A", "AMD Athlon 1 GHz", "Orion", 1000, 200, 10.0, 512, 1.8, 70, "Module", "Slot A");
    // Sources put 900 MHz under Pluto and under Orion: both stay.
    row("K7900MNR53B A", "AMD Athlon 900 MHz", "Pluto or Orion", 900, 200, 9.0, 512, 1.8, 70, "Module", "Slot A");
    row("A0850MPR24B A", "AMD Athlon 850 MHz", "Thunderbird", 850, 200, 8.5, 256, 1.7, 70, "Module", "Slot A");
    row("A1133AMS3C", "AMD Athlon 1.13 GHz", "Thunderbird", 1133, 266, 8.5, 256, 1.75, 95, "CPGA", "Socket A");
    row("A0800AMT3B", "AMD Athlon 800 MHz", "Thunderbird", 800, 200, 8.0, 256, 1.75, 90, "CPGA", "Socket A");
    row("A0650AMT3B", "AMD Athlon 650 MHz", "Thunderbird", 650, 200, 6.5, 256, 1.75, 90, "CPGA", "Socket A");
    row("AX2100DMT3C", "AMD Athlon XP 2100+", "Palomino", 1733, 266, 13.0, 256, 1.75, 90, "OPGA", "Socket A");
    row("AXDA2000DUT3C", "AMD Athlon XP 2000+", "Thoroughbred A or Thoroughbred B", 1667, 266, 12.5, 256, 1.6, 90, "OPGA", "Socket A");
    // From 2400+ on a Thoroughbred is a B.
    row("AXDA2400DKV3C", "AMD Athlon XP 2400+", "Thoroughbred B", 2000, 266, 15.0, 256, 1.65, 85, "OPGA", "Socket A");
    row("AXDA2600DKV4D", "AMD Athlon XP 2600+", "Barton", 1917, 333, 11.5, 512, 1.65, 85, "OPGA", "Socket A");
    row("AXDA3000DKV4E", "AMD Athlon XP 3000+", "Barton", 2100, 400, 10.5, 512, 1.65, 85, "OPGA", "Socket A");
    // Two 3200+ clocks: the bus letter picks one.
    row("AXDA3200DKV4D", "AMD Athlon XP 3200+", "Barton", 2333, 333, 14.0, 512, 1.65, 85, "OPGA", "Socket A");
    row("AXDC2400DKV3C", "AMD Athlon XP 2400+", "Thorton", 2000, 266, 15.0, 256, 1.65, 85, "OPGA", "Socket A");
    row("SDA2800DUT3D", "AMD Sempron 2800+", "Thoroughbred B or Thorton", 2000, 333, 12.0, 256, 1.6, 90, "OPGA", "Socket A");
    row("SDA3000DUT4D", "AMD Sempron 3000+", "Barton", 2000, 333, 12.0, 512, 1.6, 90, "OPGA", "Socket A");
    row("D0700AST1B", "AMD Duron 700 MHz", "Spitfire", 700, 200, 7.0, 64, 1.5, 90, "CPGA", "Socket A");
    row("DHD950AMT1B", "AMD Duron 950 MHz", "Morgan", 950, 200, 9.5, 64, 1.75, 90, "CPGA", "Socket A");
    row("DHD1800DLV1C", "AMD Duron 1.8 GHz", "Applebred", 1800, 266, 13.5, 64, 1.5, 85, "OPGA", "Socket A");
    row("DM700AVS1B", "AMD Mobile Duron 700 MHz", "Spitfire", 700, 200, 7.0, 64, 1.4, 95, "CPGA", "Socket A");
    // The Q of these mobile Durons is read two ways by its sources: no temperature.
    row("DHM1200AQQ1B", "AMD Mobile Duron 1.2 GHz", "Morgan", 1200, 200, 12.0, 64, 1.45, 0, "CPGA", "Socket A");
    row("AHX1200ANS3B", "AMD Athlon MP 1.2 GHz", "Palomino", 1200, 200, 12.0, 256, 1.8, 95, "CPGA", "Socket A");
    row("AMP2100DMS3C", "AMD Athlon MP 2100+", "Palomino", 1733, 266, 13.0, 256, 1.75, 95, "OPGA", "Socket A");
    row("AMSN2600DKT3C", "AMD Athlon MP 2600+", "Thoroughbred A or Thoroughbred B", 2133, 266, 16.0, 256, 1.65, 90, "OPGA", "Socket A");
    row("AMSN2800DUT4C", "AMD Athlon MP 2800+", "Barton", 2133, 266, 16.0, 512, 1.6, 90, "OPGA", "Socket A");
    // Its V is read two ways by its sources: no voltage.
    row("AHM1200AVS3C", "AMD Mobile Athlon 4 1.2 GHz", "Palomino", 1200, 266, 9.0, 256, 0, 95, "sCPGA", "Socket A");
    row("AHM1000AVS3B", "AMD Mobile Athlon 4 1 GHz", "Palomino", 1000, 200, 10.0, 256, 0, 95, "sCPGA", "Socket A");
    row("AXMD2600GJQ4D", "AMD Athlon XP-M 2600+", "Barton", 1833, 333, 11.0, 512, 1.35, 0, "OPGA-563", "Socket 563");
    row("AXMS2100GXS4B", "AMD Athlon XP-M 2100+", "Barton", 1600, 200, 16.0, 512, 1.25, 95, "OPGA-563", "Socket 563");
    row("AXML1200GTS3B", "AMD Athlon XP-M 1200+", "Thoroughbred A or Thoroughbred B", 1000, 200, 10.0, 256, 1.2, 95, "OPGA-563", "Socket 563");
    row("AXMH2400FQQ4C", "AMD Athlon XP-M 2400+", "Barton", 1800, 266, 13.5, 512, 1.45, 0, "OPGA", "Socket A");
    // clang-format on
}

void tst_PartNumberReader::readsEachLayout()
{
    QFETCH(QString, line);
    QFETCH(double, vcore);
    QFETCH(int, temperature);
    const std::optional<PartIdentity> id = PartNumberReader::instance().read(line);
    QVERIFY(id);
    QCOMPARE(id->part, line);
    checkFigures(*id);
    QCOMPARE(id->vcore.value_or(0), vcore);
    QCOMPARE(id->maxTempC.value_or(0), temperature);
    QTEST(id->package, "package");
    QCOMPARE(id->basis, QStringLiteral("read from the part number"));
    QVERIFY(id->sources.size() >= 2); // the layout's, the letters' and the rating's
}

// Each letter of the tables, put into a part its layout reads, gives its value. A letter that
// decides the rating table (L2, bus) may lead to no answer, never to another value.
void tst_PartNumberReader::everyLetterReadsToItsValue()
{
    const QHash<QString, QStringList> fields = layoutFields();
    const QList<Letter> all = letters();
    QVERIFY(all.size() > 100);
    for (const Letter& letter : all) {
        QVERIFY2(baseParts().contains(letter.layout), qPrintable(letter.layout));
        const QString line = withLetter(baseParts()[letter.layout], fields[letter.layout],
                                        letter.field, letter.letter);
        const std::optional<PartIdentity> id = PartNumberReader::instance().read(line);
        const bool decidesRating = letter.field == u"l2" || letter.field == u"bus";
        QVERIFY2(id || decidesRating, qPrintable(line));
        if (!id)
            continue;
        const QString fact = factOf(*id, letter.field);
        const bool number =
            letter.field != u"package" && letter.field != u"l2speed" && letter.field != u"revision";
        QVERIFY2(number ? fact.toDouble() == letter.value.toDouble() : fact.contains(letter.value),
                 qPrintable(line + u' ' + letter.field));
        if (letter.value.isEmpty() && letter.field != u"revision")
            QVERIFY2(factOf(*id, letter.field).isEmpty(), qPrintable(line));
        for (const QString& core : id->core.split(QStringLiteral(" or "), Qt::SkipEmptyParts))
            QVERIFY2(letter.cores.isEmpty() || letter.cores.contains(core), qPrintable(line));
    }
}

// A letter that is not in its field's table, in every field of every layout: the answer
// stands, that letter named as not read, and only what its field decides unknown. An L2 or bus
// letter picks the rating row: then the bus, the multiplier and a rating's clock are unknown
// too (a clock-named layout's model number is its clock). A core or socket is either the one
// the whole part number gives or unknown.
void tst_PartNumberReader::unknownLetterLeavesWhatItDecides()
{
    const QHash<QString, QStringList> fields = layoutFields();
    const QList<Letter> all = letters();
    const auto inTable = [&](const QString& layout, const QString& field, QChar c) {
        return std::any_of(all.cbegin(), all.cend(), [&](const Letter& l) {
            return l.layout == layout && l.field == field && l.letter == c;
        });
    };
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const QString& layout = it.key();
        QVERIFY2(baseParts().contains(layout), qPrintable(layout));
        const std::optional<PartIdentity> base =
            PartNumberReader::instance().read(baseParts()[layout]);
        QVERIFY(base);
        for (const QString& field : it.value()) {
            // A letter neither in the table nor read for one that is (8 for B is a slip).
            QChar unknown;
            for (const QChar c : QStringLiteral("ZYXWVUTSRQPONMLKJIHGFEDCBA9876543210")) {
                const QChar misread(PartNumberReader::misreadingOf(c.unicode()));
                if (!inTable(layout, field, c) &&
                    (misread.isNull() || !inTable(layout, field, misread))) {
                    unknown = c;
                    break;
                }
            }
            const QString line = withLetter(baseParts()[layout], it.value(), field, unknown);
            const std::optional<PartIdentity> id = PartNumberReader::instance().read(line);
            QVERIFY2(id, qPrintable(line));
            QCOMPARE(id->unread, QList<UnreadLetter>({{*partFieldFromKey(field), unknown}}));
            QVERIFY2(factOf(*id, field).isEmpty() || field == u"revision" || field == u"l2speed",
                     qPrintable(line));
            QCOMPARE(id->name, base->name);
            QCOMPARE(id->family, base->family);
            const bool picksRating = field == u"l2" || field == u"bus";
            const bool byClock = !base->name.contains(u'+');
            QCOMPARE(id->clockMhz, picksRating && !byClock ? std::nullopt : base->clockMhz);
            QCOMPARE(id->fsbMhz, field == u"bus" ? std::nullopt : base->fsbMhz);
            QCOMPARE(id->l2Kb, field == u"l2" ? std::nullopt : base->l2Kb);
            QCOMPARE(id->multiplier,
                     field == u"bus" || !id->clockMhz ? std::nullopt : base->multiplier);
            QVERIFY2(id->core.isEmpty() || id->core == base->core, qPrintable(line));
            QVERIFY2(id->socket.isEmpty() || id->socket == base->socket, qPrintable(line));
            if (field != u"package")
                QCOMPARE(id->package, base->package);
            if (field != u"voltage")
                QCOMPARE(id->vcore, base->vcore);
            if (field != u"temperature")
                QCOMPARE(id->maxTempC, base->maxTempC);
        }
    }
}

void tst_PartNumberReader::readsWithOneLetterNotRead_data()
{
    // unread: the field and the letter; 0 for a number not known
    addFigureColumns("unread");
    const auto row = addFigureRow;
    // clang-format off
    // Deciding nothing but themselves: every other fact stands.
    row("AXDA2800DXV4D", "voltage X", "AMD Athlon XP 2800+", "Barton", 2083, 333, 12.5, 512, "Socket A");
    row("K7700MTR51B X", "revision X", "AMD Athlon 700 MHz", "Argon or Pluto", 700, 200, 7.0, 512, "Slot A");
    // The bus picks the rating row: no bus, clock or multiplier; the L2 letter still says Barton.
    row("AXDA2800DKV4Z", "bus Z", "AMD Athlon XP 2800+", "Barton", 0, 0, 0, 512, "Socket A");
    // The L2 letter also narrows the core: three remain, so no core is named.
    row("AXDA2800DKV9D", "l2 9", "AMD Athlon XP 2800+", "", 0, 333, 0, 0, "Socket A");
    row("AMSN2400DKT9C", "l2 9", "AMD Athlon MP 2400+", "", 0, 266, 0, 0, "Socket A");
    // A mobile package letter names the socket.
    row("AXMD2600XJQ4D", "package X", "AMD Athlon XP-M 2600+", "Barton", 1833, 333, 11.0, 512, "");
    // Named by the clock: the model number is the clock, the multiplier needs the bus.
    row("D800AUT9B", "l2 9", "AMD Duron 800 MHz", "Spitfire", 800, 200, 8.0, 0, "Socket A");
    row("D800AUT1X", "bus X", "AMD Duron 800 MHz", "Spitfire", 800, 0, 0, 64, "Socket A");
    // Its bus letter tells Morgan from Applebred.
    row("DHD1000AMT1X", "bus X", "AMD Duron 1 GHz", "", 1000, 0, 0, 64, "Socket A");
    // clang-format on
}

void tst_PartNumberReader::readsWithOneLetterNotRead()
{
    QFETCH(QString, line);
    QFETCH(QString, unread);
    const std::optional<PartIdentity> id = PartNumberReader::instance().read(line);
    QVERIFY(id);
    checkFigures(*id);
    QCOMPARE(id->unread.size(), 1);
    QCOMPARE(partFieldKey(id->unread[0].field) + u' ' + id->unread[0].letter, unread);
    QCOMPARE(id->basis, QStringLiteral("read from the part number"));
}

void tst_PartNumberReader::outsideTheLayoutIsNotKnown_data()
{
    addTsvRows<QString>("outside-the-layouts.tsv");
}

void tst_PartNumberReader::outsideTheLayoutIsNotKnown()
{
    QVERIFY(!PartNumberReader::instance().read(fetch<QString>("line")));
}

void tst_PartNumberReader::coresNarrowByLettersAndRatings()
{
    QString error;
    const std::optional<PartNumberReader> reader = SmallTables().load(&error);
    QVERIFY2(reader, qPrintable(error));
    auto core = [&](const char* line) {
        const std::optional<PartIdentity> id = reader->read(QString::fromLatin1(line));
        return id ? id->core : QStringLiteral("(none)");
    };
    QCOMPARE(core("X2000D3C"), QStringLiteral("P or Q")); // the L2 digit leaves two
    QCOMPARE(core("X2000D3D"), QStringLiteral("Q"));      // the bus letter narrows them
    QCOMPARE(core("X2000D4D"), QStringLiteral("(none)")); // R by the letters, P by the rating
    QCOMPARE(core("X2000D4C"), QStringLiteral("(none)")); // no rating row for 512 at 266

    const PartIdentity id = *reader->read(QStringLiteral("X2000D3D"));
    QCOMPARE(id.name, QStringLiteral("X 2000+"));
    QCOMPARE(id.family, QStringLiteral("X family"));
    QCOMPARE(id.socket, QStringLiteral("Socket 9")); // named by a letter
    QCOMPARE(id.clockMhz, std::optional<int>(1750));
    QCOMPARE(id.multiplier, std::optional<double>(10.5));
    QCOMPARE(id.sources, QStringList{QStringLiteral("T1")});

    // A second layout that reads the same lines: the tables cannot say which, so no answer.
    SmallTables twice;
    twice.layouts +=
        QStringLiteral("Y\tX\t4\trating\tX table\tpackage l2 bus\tY\tY %1+\tSocket A\t\tT1\n");
    twice.letters.replace(QStringLiteral("\nX\t"), QStringLiteral("\nX Y\t"));
    twice.letters += QStringLiteral("X\tpackage\tE\tCPGA\t\t\tT1\n");
    const std::optional<PartNumberReader> ambiguous = twice.load(&error);
    QVERIFY2(ambiguous, qPrintable(error));
    QVERIFY(!ambiguous->read(QStringLiteral("X2000D3C")));
    // ... nor where one reads it whole and the other with a letter not read.
    QVERIFY(!ambiguous->read(QStringLiteral("X2000E3C")));
    QCOMPARE(ambiguous->whyNotRead(QStringLiteral("X2000E3C")),
             QStringLiteral("The line reads in two layouts (X… and X…), and the tables cannot "
                            "say which."));
}

void tst_PartNumberReader::loaderRefusesMalformedTables_data()
{
    addColumns<SmallTables, QString>({"tables", "error"});

    auto layouts = [](const char* tag, const QString& from, const QString& to, const char* error) {
        SmallTables t;
        t.layouts.replace(from, to);
        QTest::newRow(tag) << t << QString::fromLatin1(error);
    };
    auto letters = [](const char* tag, const QString& line, const char* error) {
        SmallTables t;
        t.letters += line + u'\n';
        QTest::newRow(tag) << t << QString::fromLatin1(error);
    };
    auto ratings = [](const char* tag, const QString& line, const char* error) {
        SmallTables t;
        t.ratings += line + u'\n';
        QTest::newRow(tag) << t << QString::fromLatin1(error);
    };
    // clang-format off
    layouts("unknown field", QStringLiteral("l2 bus"), QStringLiteral("l2 bus colour"), "layouts.tsv, line 2: unknown field 'colour'");
    layouts("revision not last", QStringLiteral("package l2"), QStringLiteral("revision l2"), "line 2: the revision can only be the last field");
    layouts("no bus", QStringLiteral("l2 bus"), QStringLiteral("l2"), "line 2: a layout needs the fields l2 and bus");
    layouts("model neither", QStringLiteral("\trating\t"), QStringLiteral("\tspeed\t"), "line 2: the model must be 'rating' or 'clock'");
    layouts("name without model", QStringLiteral("X %1+"), QStringLiteral("X"), "line 2: the name must hold %1");
    layouts("prefix in lower case", QStringLiteral("X\tX\t4"), QStringLiteral("X\tx\t4"), "line 2: the prefix must be upper case");
    layouts("no source", QStringLiteral("R\tT1"), QStringLiteral("R\t"), "line 2: column source is empty");
    layouts("unknown source", QStringLiteral("R\tT1"), QStringLiteral("R\tT2"), "line 2: the source 'T2' is not in the list of sources");
    layouts("digits not a number", QStringLiteral("X\tX\t4"), QStringLiteral("X\tX\tfour"), "line 2: column digits is not a whole number");
    layouts("a clock-named model with two clocks", QStringLiteral("\trating\t"), QStringLiteral("\tclock\t"), "ratings.tsv, line 3: the model 2000 has two clocks");
    letters("letter of an unknown layout", QStringLiteral("Z\tbus\tB\t200\t\t\tT1"), "letters.tsv, line 7: unknown layout 'Z'");
    letters("field the layout lacks", QStringLiteral("X\tvoltage\tK\t1.65\t\t\tT1"), "line 7: the layout 'X' has no field 'voltage'");
    letters("letter given twice", QStringLiteral("X\tbus\tC\t266\t\t\tT1"), "line 7: the letter C of bus in 'X' is given twice");
    letters("two characters", QStringLiteral("X\tbus\tCC\t266\t\t\tT1"), "line 7: the letter must be one upper-case letter or digit");
    letters("lower-case letter", QStringLiteral("X\tbus\tb\t200\t\t\tT1"), "line 7: the letter must be one upper-case letter or digit");
    letters("bus not a number", QStringLiteral("X\tbus\tB\tslow\t\t\tT1"), "line 7: column value is not a whole number");
    letters("cores badly separated", QStringLiteral("X\tbus\tB\t200\tP|Q\t\tT1"), "line 7: column cores is not a list");
    ratings("table no layout reads", QStringLiteral("Z table\t256\t266\t2000\t1667\t\tT1"), "ratings.tsv, line 5: no layout reads the rating table 'Z table'");
    ratings("rating given twice", QStringLiteral("X table\t256\t266\t2000\t1700\t\tT1"), "line 5: the model 2000 is given twice");
    ratings("clock missing", QStringLiteral("X table\t256\t266\t2200\t\t\tT1"), "line 5: column clock_mhz is empty");
    // clang-format on
}

void tst_PartNumberReader::loaderRefusesMalformedTables()
{
    QFETCH(SmallTables, tables);
    QFETCH(QString, error);
    QString message;
    QVERIFY(!tables.load(&message));
    QVERIFY2(message.contains(error), qPrintable(message));
}

QTEST_GUILESS_MAIN(tst_PartNumberReader)
#include "tst_PartNumberReader.moc"
