// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartIdentifier.h"
#include "SourceList.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QSet>
#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// The one entry point: a line read as people type it, the known part before the reader, and
// the stepping code that tells Thoroughbred A from B; for a line not known, why, and the part
// numbers it is nearest.
class tst_PartIdentifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAnswerHoweverTyped_data();
    void sameAnswerHoweverTyped();
    void notKnown_data();
    void notKnown();
    void basisOfTheAnswer_data();
    void basisOfTheAnswer();
    void steppingNarrowsThoroughbred_data();
    void steppingNarrowsThoroughbred();
    void reasonForLinesNotKnown_data();
    void reasonForLinesNotKnown();
    void suggestionsForSlips_data();
    void suggestionsForSlips();
    void nothingToExplainForAnswers_data();
    void nothingToExplainForAnswers();
};

void tst_PartIdentifier::sameAnswerHoweverTyped_data()
{
    addTsvRows<QString, QString>("typed-parts.tsv");
}

void tst_PartIdentifier::sameAnswerHoweverTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, part);
    const std::optional<PartIdentity> asTyped = PartIdentifier::identify(typed);
    const std::optional<PartIdentity> asPrinted = PartIdentifier::identify(part);
    QVERIFY(asTyped && asPrinted);
    QCOMPARE(asTyped->part, part);
    QCOMPARE(asTyped->toJson(), asPrinted->toJson());
    QCOMPARE(PartIdentifier::normalise(typed), part);
}

void tst_PartIdentifier::notKnown_data()
{
    QTest::addColumn<QString>("line");
    // clang-format off
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   ");
    QTest::newRow("maker only") << QStringLiteral("AMD-");
    QTest::newRow("maker run together") << QStringLiteral("AMDAXDA2800DKV4D");
    QTest::newRow("blank inside") << QStringLiteral("AXDA 2800DKV4D");
    QTest::newRow("rating outside the table") << QStringLiteral("axda3300dkv4d");
    QTest::newRow("full-width letters") << QStringLiteral("ＡＸＤＡ2800DKV4D");
    QTest::newRow("Kelvin sign") << QStringLiteral("\u212A7600MTR51B");
    QTest::newRow("dotless i") << QStringLiteral("AXD\u0131600DKV4D");
    QTest::newRow("outside the BMP") << QStringLiteral("AXDA2800DKV4D\U0001D7D8");
    QTest::newRow("very long") << QString(100000, u'A');
    // clang-format on
}

void tst_PartIdentifier::notKnown()
{
    QFETCH(QString, line);
    QVERIFY(!PartIdentifier::identify(line));
    QVERIFY(!PartIdentifier::identify(line, QStringLiteral("AIUHB")));
}

void tst_PartIdentifier::basisOfTheAnswer_data()
{
    addColumns<QString, QString>({"line", "basis"});
    // clang-format off
    QTest::newRow("a row of the table") << QStringLiteral("AXDA2800DKV4D") << QStringLiteral("known part");
    QTest::newRow("read by its layout") << QStringLiteral("AXDA3000DKV4D") << QStringLiteral("read from the part number");
    // clang-format on
}

void tst_PartIdentifier::basisOfTheAnswer()
{
    QFETCH(QString, line);
    const std::optional<PartIdentity> id = PartIdentifier::identify(line);
    QVERIFY(id);
    QTEST(id->basis, "basis");
    QVERIFY(!id->sources.isEmpty());
    // Cited by id; a whole citation gives its title and address.
    const QJsonArray whole = id->toJson().value(u"sources").toArray();
    QCOMPARE(whole.size(), id->sources.size());
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const std::optional<SourceList::Source> source =
            SourceList::instance().source(id->sources[i]);
        QVERIFY2(source, qPrintable(id->sources[i]));
        QVERIFY(whole[i].toString().startsWith(source->title));
        QVERIFY(whole[i].toString().endsWith(source->address));
    }
    QCOMPARE(id->toJson(Citations::Ids).value(u"sources").toArray(),
             QJsonArray::fromStringList(id->sources));
    QCOMPARE(id->toJson().value(u"basis").toString(), id->basis);
}

// As the decoder reads the stepping: its last character, exactly A or B.
void tst_PartIdentifier::steppingNarrowsThoroughbred_data()
{
    addColumns<QString, QString, QString>({"line", "stepping", "core"});

    const QString both = QStringLiteral("Thoroughbred A or Thoroughbred B");
    auto row = [](const char* tag, const char* line, const char* stepping, const QString& core) {
        QTest::newRow(tag) << QString::fromLatin1(line) << QString::fromLatin1(stepping) << core;
    };
    // clang-format off
    // AMD shipped this one part number on both revisions.
    row("known part, none", "AXDA2200DKV3C", "", both);
    row("known part, A", "AXDA2200DKV3C", "AIUHA", QStringLiteral("Thoroughbred A"));
    row("known part, B", "AXDA2200DKV3C", "KIUHB", QStringLiteral("Thoroughbred B"));
    row("known part, C", "AXDA2200DKV3C", "JIUHC", both);
    row("known part, lower case b", "AXDA2200DKV3C", "aiuhb", both);
    row("one letter", "AXDA2200DKV3C", "A", QStringLiteral("Thoroughbred A"));
    row("read, A", "axda2000dut3c", "AIRGA", QStringLiteral("Thoroughbred A"));
    row("read, B", "AXDA2000DUT3C", "JIUHB", QStringLiteral("Thoroughbred B"));
    row("Athlon MP, B", "AMSN2400DKT3C", "KIXJB", QStringLiteral("Thoroughbred B"));
    // Only the Thoroughbred pair narrows; other answers stay as they are.
    row("Sempron", "SDA2500DUT3D", "BCXJB", QStringLiteral("Thoroughbred B or Thorton"));
    row("Barton", "AXDA2800DKV4D", "AQXEA", QStringLiteral("Barton"));
    row("one core already", "AXDA2400DKV3C", "AIUHA", QStringLiteral("Thoroughbred B"));
    // clang-format on
}

void tst_PartIdentifier::steppingNarrowsThoroughbred()
{
    QFETCH(QString, line);
    QFETCH(QString, stepping);
    const std::optional<PartIdentity> id = PartIdentifier::identify(line, stepping);
    QVERIFY(id);
    QTEST(id->core, "core");
    const bool narrowed = id->core != PartIdentifier::identify(line)->core;
    QCOMPARE(id->narrowedBy, narrowed ? stepping : QString());
}

void tst_PartIdentifier::reasonForLinesNotKnown_data()
{
    addTsvRows<QString, QString>("not-known-reasons.tsv");
}

void tst_PartIdentifier::reasonForLinesNotKnown()
{
    QFETCH(QString, line);
    QVERIFY(!PartIdentifier::identify(line));
    QTEST(PartIdentifier::explain(line).reason, "reason");
}

void tst_PartIdentifier::suggestionsForSlips_data()
{
    addTsvRows<QString, QString>("slips.tsv");
}

// The part meant comes first; every suggestion is a part number answered whole, each once.
void tst_PartIdentifier::suggestionsForSlips()
{
    QFETCH(QString, line);
    QFETCH(QString, first);
    const PartIdentifier::Explanation why = PartIdentifier::explain(line);
    QVERIFY(!why.reason.isEmpty());
    QCOMPARE(why.suggestions.value(0), first);
    QVERIFY(why.suggestions.size() <= 5);
    QCOMPARE(QSet<QString>(why.suggestions.cbegin(), why.suggestions.cend()).size(),
             why.suggestions.size());
    for (const QString& part : why.suggestions) {
        const std::optional<PartIdentity> id = PartIdentifier::identify(part);
        QVERIFY2(id && id->unread.isEmpty(), qPrintable(part));
    }
}

void tst_PartIdentifier::nothingToExplainForAnswers_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("known part, as typed") << QStringLiteral("amd-k7700mtr51b a");
    QTest::newRow("read whole") << QStringLiteral("AXDA3000DKV4D");
    QTest::newRow("read, one letter not") << QStringLiteral("AXDA2800DKV4Z");
}

void tst_PartIdentifier::nothingToExplainForAnswers()
{
    QFETCH(QString, line);
    QVERIFY(PartIdentifier::identify(line));
    const PartIdentifier::Explanation why = PartIdentifier::explain(line);
    QVERIFY(why.reason.isEmpty());
    QVERIFY(why.suggestions.isEmpty());
}

QTEST_GUILESS_MAIN(tst_PartIdentifier)
#include "tst_PartIdentifier.moc"
