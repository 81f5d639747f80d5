// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IdentifyTestSupport.h"
#include "PartTable.h"
#include "SourceList.h"
#include "TestSupport.h"

#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// Looking a line 1 up: exact matches only, and a loader that refuses a malformed table instead
// of dropping rows.
class tst_PartTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identifiesSamplePerFamily_data();
    void identifiesSamplePerFamily();
    void notKnown_data();
    void notKnown();
    void loadsWellFormedText();
    void loaderRefusesMalformedText_data();
    void loaderRefusesMalformedText();
    void sourceListRefusesMalformedText_data();
    void sourceListRefusesMalformedText();
};

static const QString kHeader = QStringLiteral("part\tname\tfamily\tcore\tclock_mhz\tfsb_mhz\t"
                                              "multiplier\tl2_kb\tvcore\tpackage\tmax_temp_c\t"
                                              "socket\tnote\tsource\n");

// Two sources for the rows of these tests.
static const SourceList& testSources()
{
    static const SourceList sources =
        *SourceList::fromTsv(QStringLiteral("id\ttitle\taddress\tgave\n"
                                            "T1\tA review\thttps://example.org/review\tclocks\n"
                                            "T2\tA datasheet\t\tletters\n"),
                             QStringLiteral("sources.tsv"));
    return sources;
}

static const QString kGoodRow = QStringLiteral("AXDA3200DKV4E\tAMD Athlon XP 3200+\tAthlon XP\t"
                                               "Barton\t2200\t400\t11.0\t512\t1.65\tOPGA\t85\t"
                                               "Socket A\t\tT1\n");

void tst_PartTable::identifiesSamplePerFamily_data()
{
    addFigureColumns("family");
    const auto row = addFigureRow;
    // clang-format off
    row("AXDA2800DKV4D", "Athlon XP", "AMD Athlon XP 2800+", "Barton", 2083, 333, 12.5, 512, "Socket A");
    // One part number, two cores.
    row("AXDA2200DKV3C", "Athlon XP", "AMD Athlon XP 2200+", "Thoroughbred A or Thoroughbred B", 1800, 266, 13.5, 256, "Socket A");
    row("AX1800DMT3C", "Athlon XP", "AMD Athlon XP 1800+", "Palomino", 1533, 266, 11.5, 256, "Socket A");
    row("AXDC2200DUV3C", "Athlon XP", "AMD Athlon XP 2200+", "Thorton", 1800, 266, 13.5, 256, "Socket A");
    row("AMP1800DMS3C", "Athlon MP", "AMD Athlon MP 1800+", "Palomino", 1533, 266, 11.5, 256, "Socket A");
    row("AHX1200AMS3C", "Athlon MP", "AMD Athlon MP 1.2 GHz", "Palomino", 1200, 266, 9.0, 256, "Socket A");
    // Slot A, with the revision letter the label prints after a blank.
    row("K7100MNR53B A", "Athlon", "AMD Athlon 1 GHz", "Orion", 1000, 200, 10.0, 512, "Slot A");
    row("A1133AMS3C", "Athlon", "AMD Athlon 1.13 GHz", "Thunderbird", 1133, 266, 8.5, 256, "Socket A");
    row("D800AUT1B", "Duron", "AMD Duron 800 MHz", "Spitfire", 800, 200, 8.0, 64, "Socket A");
    row("DHD1600DLV1C", "Duron", "AMD Duron 1.6 GHz", "Applebred", 1600, 266, 12.0, 64, "Socket A");
    row("SDA2500DUT3D", "Sempron", "AMD Sempron 2500+", "Thoroughbred B or Thorton", 1750, 333, 10.5, 256, "Socket A");
    row("AXMD2600GJQ4D", "Athlon XP-M", "AMD Athlon XP-M 2600+", "Barton", 1833, 333, 11.0, 512, "Socket 563");
    row("AHM1200AVS3C", "Mobile Athlon 4", "AMD Mobile Athlon 4 1.2 GHz", "Palomino", 1200, 266, 9.0, 256, "Socket A");
    row("ANXL1500FGC3F", "Geode NX", "AMD Geode NX 1500", "Thoroughbred A or Thoroughbred B", 1000, 266, 7.5, 256, "Socket A");
    // clang-format on
}

void tst_PartTable::identifiesSamplePerFamily()
{
    QFETCH(QString, line);
    const std::optional<PartIdentity> id = PartTable::instance().identify(line);
    QVERIFY(id);
    QCOMPARE(id->part, line);
    checkFigures(*id);
    QTEST(id->family, "family");
    QCOMPARE(id->basis, QStringLiteral("known part"));
    QVERIFY(!id->sources.isEmpty());
    QVERIFY(PartTable::instance().contains(line));
}

void tst_PartTable::notKnown_data()
{
    addTsvRows<QString>("not-known-parts.tsv");
}

void tst_PartTable::notKnown()
{
    QVERIFY(!PartTable::instance().identify(fetch<QString>("line1")));
    QVERIFY(!PartTable::instance().contains(fetch<QString>("line1")));
}

void tst_PartTable::loadsWellFormedText()
{
    // Windows line ends, a last line without a newline, and unknown facts left empty.
    const QString text = kHeader + kGoodRow +
                         QStringLiteral("K7650MTR51B\tAMD Athlon 650 MHz\tAthlon\t\t650\t\t\t\t\t"
                                        "Module\t\tSlot A\tsome note\tT1 T2");
    QString error;
    const std::optional<PartTable> table =
        PartTable::fromTsv(QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n")),
                           QStringLiteral("x.tsv"), testSources(), &error);
    QVERIFY2(table, qPrintable(error));
    QCOMPARE(table->rows().size(), 2);

    const PartIdentity barton = *table->identify(QStringLiteral("AXDA3200DKV4E"));
    QCOMPARE(barton.clockMhz, std::optional<int>(2200));
    QCOMPARE(barton.multiplier, std::optional<double>(11.0));
    QCOMPARE(barton.vcore, std::optional<double>(1.65));
    QCOMPARE(barton.maxTempC, std::optional<int>(85));
    QVERIFY(barton.note.isEmpty());

    const PartIdentity slotA = *table->identify(QStringLiteral("K7650MTR51B"));
    QVERIFY(slotA.core.isEmpty());
    QCOMPARE(slotA.clockMhz, std::optional<int>(650));
    QVERIFY(!slotA.fsbMhz && !slotA.multiplier && !slotA.l2Kb && !slotA.vcore && !slotA.maxTempC);
    QCOMPARE(slotA.socket, QStringLiteral("Slot A"));
    QCOMPARE(slotA.note, QStringLiteral("some note"));
    QCOMPARE(slotA.basis, QStringLiteral("known part"));
    QCOMPARE(slotA.sources, QStringList({QStringLiteral("T1"), QStringLiteral("T2")})); // by id

    // The header alone is an empty table, not an error.
    QVERIFY(PartTable::fromTsv(kHeader, QStringLiteral("x.tsv"), testSources()));
}

void tst_PartTable::loaderRefusesMalformedText_data()
{
    addColumns<QString, QString>({"text", "error"});

    auto withCell = [](int column, const QString& value) {
        QStringList cells = kGoodRow.chopped(1).split(u'\t');
        cells[column] = value;
        return kHeader + cells.join(u'\t') + u'\n';
    };

    // clang-format off
    QTest::newRow("empty text") << QString() << QStringLiteral("t.tsv, line 1: the header");
    QTest::newRow("no header") << kGoodRow << QStringLiteral("t.tsv, line 1: the header");
    QTest::newRow("columns swapped") << QString(kHeader).replace(QStringLiteral("clock_mhz\tfsb_mhz"), QStringLiteral("fsb_mhz\tclock_mhz")) + kGoodRow << QStringLiteral("t.tsv, line 1: the header");
    QTest::newRow("cell missing") << kHeader + kGoodRow.left(kGoodRow.lastIndexOf(u'\t')) + u'\n' << QStringLiteral("line 2: expected 14 cells, found 13");
    QTest::newRow("cell too many") << kHeader + kGoodRow.chopped(1) + QStringLiteral("\tx\n") << QStringLiteral("line 2: expected 14 cells, found 15");
    QTest::newRow("blank line between") << kHeader + kGoodRow + u'\n' + kGoodRow << QStringLiteral("line 3: empty line");
    QTest::newRow("duplicate part") << kHeader + kGoodRow + kGoodRow << QStringLiteral("line 3: the part number 'AXDA3200DKV4E' is already on line 2");
    QTest::newRow("empty part") << withCell(0, QString()) << QStringLiteral("line 2: column part is empty");
    QTest::newRow("empty name") << withCell(1, QString()) << QStringLiteral("line 2: column name is empty");
    QTest::newRow("empty family") << withCell(2, QString()) << QStringLiteral("line 2: column family is empty");
    QTest::newRow("two blanks inside part") << withCell(0, QStringLiteral("K7700MTR51B  A")) << QStringLiteral("line 2: the part number 'K7700MTR51B  A' is not upper case with single");
    QTest::newRow("tab-like blank inside part") << withCell(0, QStringLiteral("K7700MTR51B\u00a0A")) << QStringLiteral("is not upper case with single blanks");
    QTest::newRow("part in lower case") << withCell(0, QStringLiteral("axda3200dkv4e")) << QStringLiteral("line 2: the part number 'axda3200dkv4e' is not upper case");
    QTest::newRow("no source") << withCell(13, QString()) << QStringLiteral("line 2: column source is empty");
    QTest::newRow("unknown source") << withCell(13, QStringLiteral("T1 T9")) << QStringLiteral("line 2: the source 'T9' is not in the list of sources");
    QTest::newRow("sources two blanks apart") << withCell(13, QStringLiteral("T1  T2")) << QStringLiteral("column source has two blanks");
    QTest::newRow("blank after part") << withCell(0, QStringLiteral("AXDA2800DKV4D ")) << QStringLiteral("line 2: column part has blanks");
    QTest::newRow("blank before name") << withCell(1, QStringLiteral(" AMD")) << QStringLiteral("line 2: column name has blanks");
    QTest::newRow("clock with unit") << withCell(4, QStringLiteral("2200MHz")) << QStringLiteral("line 2: column clock_mhz is not a whole");
    QTest::newRow("clock negative") << withCell(4, QStringLiteral("-2200")) << QStringLiteral("line 2: column clock_mhz is not a whole");
    QTest::newRow("clock zero") << withCell(4, QStringLiteral("0")) << QStringLiteral("line 2: column clock_mhz is not a whole");
    QTest::newRow("clock decimal") << withCell(4, QStringLiteral("2200.5")) << QStringLiteral("line 2: column clock_mhz is not a whole");
    QTest::newRow("clock huge") << withCell(4, QStringLiteral("99999999999")) << QStringLiteral("line 2: column clock_mhz is not a whole");
    QTest::newRow("bus blank inside") << withCell(5, QStringLiteral("4 00")) << QStringLiteral("line 2: column fsb_mhz is not a whole");
    QTest::newRow("multiplier comma") << withCell(6, QStringLiteral("11,0")) << QStringLiteral("line 2: column multiplier is not a decimal");
    QTest::newRow("multiplier two points") << withCell(6, QStringLiteral("1.1.0")) << QStringLiteral("line 2: column multiplier is not a decimal");
    QTest::newRow("multiplier bare point") << withCell(6, QStringLiteral("11.")) << QStringLiteral("line 2: column multiplier is not");
    QTest::newRow("multiplier exponent") << withCell(6, QStringLiteral("1e1")) << QStringLiteral("line 2: column multiplier is not");
    QTest::newRow("vcore with unit") << withCell(8, QStringLiteral("1.65v")) << QStringLiteral("line 2: column vcore is not a decimal");
    QTest::newRow("vcore other digits") << withCell(8, QStringLiteral("١.٦٥")) << QStringLiteral("line 2: column vcore is not a decimal");
    QTest::newRow("temperature with sign") << withCell(10, QStringLiteral("85°C")) << QStringLiteral("line 2: column max_temp_c is not a whole");
    QTest::newRow("fault in a later row") << kHeader + kGoodRow + QString(kGoodRow) .replace(QStringLiteral("AXDA3200DKV4E"), QStringLiteral("AXDA3000DKV4E")) .replace(QStringLiteral("\t512\t"), QStringLiteral("\tlots\t")) << QStringLiteral("line 3: column l2_kb is not a whole");
    // clang-format on
}

void tst_PartTable::loaderRefusesMalformedText()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    QString message;
    QVERIFY(!PartTable::fromTsv(text, QStringLiteral("t.tsv"), testSources(), &message));
    QVERIFY2(message.startsWith(QStringLiteral("t.tsv, line ")), qPrintable(message));
    QVERIFY2(message.contains(error), qPrintable(message));
    // Without an error text to fill the loader still refuses.
    QVERIFY(!PartTable::fromTsv(text, QStringLiteral("t.tsv"), testSources()));
}

void tst_PartTable::sourceListRefusesMalformedText_data()
{
    addTsvRows<QString, QString>("malformed-source-lists.tsv");
}

void tst_PartTable::sourceListRefusesMalformedText()
{
    QFETCH(QString, rows);
    QFETCH(QString, error);
    QString message;
    QVERIFY(!SourceList::fromTsv(QStringLiteral("id\ttitle\taddress\tgave\n") + rows,
                                 QStringLiteral("s.tsv"), &message));
    QVERIFY2(message.startsWith(QStringLiteral("s.tsv, ")) && message.contains(error),
             qPrintable(message));
}

QTEST_GUILESS_MAIN(tst_PartTable)
#include "tst_PartTable.moc"
