// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartIdentity.h"
#include "SourceList.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// The two ways an identity is shown: the JSON object of the command and the one-line summary.
class tst_PartIdentity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jsonHasExactlyTheKeys();
    void jsonNumbersAndNulls();
    void summary_data();
    void summary();
};

static PartIdentity barton3200()
{
    PartIdentity p;
    p.part = QStringLiteral("AXDA3200DKV4E");
    p.name = QStringLiteral("AMD Athlon XP 3200+");
    p.family = QStringLiteral("Athlon XP");
    p.core = QStringLiteral("Barton");
    p.rating = 3200;
    p.clockMhz = 2200;
    p.fsbMhz = 400;
    p.multiplier = 11.0;
    p.l1Kb = 128;
    p.l2Kb = 512;
    p.vcore = 1.65;
    p.package = QStringLiteral("OPGA");
    p.maxTempC = 85;
    p.socket = QStringLiteral("Socket A");
    p.note = QStringLiteral("not part of the JSON");
    p.basis = QStringLiteral("known part");
    p.sources = {QStringLiteral("S21"), QStringLiteral("no such id")};
    return p;
}

void tst_PartIdentity::jsonHasExactlyTheKeys()
{
    QStringList expected{
        QStringLiteral("part"),       QStringLiteral("name"),       QStringLiteral("family"),
        QStringLiteral("core"),       QStringLiteral("clock_mhz"),  QStringLiteral("fsb_mhz"),
        QStringLiteral("multiplier"), QStringLiteral("l2_kb"),      QStringLiteral("vcore"),
        QStringLiteral("package"),    QStringLiteral("max_temp_c"), QStringLiteral("socket"),
        QStringLiteral("basis"),      QStringLiteral("sources"),    QStringLiteral("rating"),
        QStringLiteral("l1_kb"),
    };
    expected.sort();
    QCOMPARE(barton3200().toJson().keys(), expected);
    // An identity with nothing known still carries every key.
    QCOMPARE(PartIdentity().toJson().keys(), expected);
}

void tst_PartIdentity::jsonNumbersAndNulls()
{
    const QJsonObject full = barton3200().toJson();
    QCOMPARE(full.value(u"part").toString(), QStringLiteral("AXDA3200DKV4E"));
    QCOMPARE(full.value(u"core").toString(), QStringLiteral("Barton"));
    for (const char* key :
         {"rating", "clock_mhz", "fsb_mhz", "multiplier", "l1_kb", "l2_kb", "vcore", "max_temp_c"})
        QVERIFY2(full.value(QLatin1StringView(key)).isDouble(), key);
    QCOMPARE(full.value(u"clock_mhz").toDouble(), 2200.0);
    QCOMPARE(full.value(u"multiplier").toDouble(), 11.0);
    QCOMPARE(full.value(u"vcore").toDouble(), 1.65);
    QCOMPARE(full.value(u"basis").toString(), QStringLiteral("known part"));
    // Sources whole, as title and address (an id the list lacks has no text), or by id.
    QCOMPARE(full.value(u"sources").toArray().size(), 2);
    QCOMPARE(full.value(u"sources").toArray().at(0).toString(),
             SourceList::instance().text(QStringLiteral("S21")));
    QVERIFY(full.value(u"sources").toArray().at(0).toString().contains(u"http"));
    QCOMPARE(full.value(u"sources").toArray().at(1).toString(), QString());
    QCOMPARE(barton3200().toJson(Citations::Ids).value(u"sources").toArray(),
             QJsonArray({QStringLiteral("S21"), QStringLiteral("no such id")}));
    // As text, numbers are bare JSON numbers, not strings.
    const QByteArray text = QJsonDocument(full).toJson(QJsonDocument::Compact);
    QVERIFY2(text.contains("\"clock_mhz\":2200"), text.constData());
    QVERIFY2(text.contains("\"vcore\":1.65"), text.constData());

    PartIdentity partial = barton3200();
    partial.core.clear();
    partial.maxTempC.reset();
    partial.multiplier.reset();
    const QJsonObject json = partial.toJson();
    QVERIFY(json.value(u"core").isNull());
    QVERIFY(json.value(u"max_temp_c").isNull());
    QVERIFY(json.value(u"multiplier").isNull());
    QVERIFY(json.value(u"clock_mhz").isDouble());
    // No basis is null; no sources an empty list, never null.
    const QJsonObject empty = PartIdentity().toJson();
    QVERIFY(empty.value(u"basis").isNull());
    QCOMPARE(empty.value(u"sources"), QJsonValue(QJsonArray()));
}

void tst_PartIdentity::summary_data()
{
    addColumns<PartIdentity, QString>({"identity", "expected"});

    const PartIdentity full = barton3200();
    // clang-format off
    QTest::newRow("all facts") << full << QStringLiteral( "AMD Athlon XP 3200+ (Barton, 2200 MHz, 400 MHz bus, 11.0x, 512 KB L2)");

    PartIdentity noCore = full;
    noCore.core.clear();
    QTest::newRow("no core") << noCore << QStringLiteral("AMD Athlon XP 3200+ (2200 MHz, 400 MHz bus, 11.0x, 512 KB L2)");

    PartIdentity gaps = full;
    gaps.fsbMhz.reset();
    gaps.multiplier.reset();
    QTest::newRow("no bus, no multiplier") << gaps << QStringLiteral("AMD Athlon XP 3200+ (Barton, 2200 MHz, 512 KB L2)");

    PartIdentity half = full;
    half.multiplier = 12.5;
    half.l2Kb.reset();
    QTest::newRow("half multiplier") << half << QStringLiteral("AMD Athlon XP 3200+ (Barton, 2200 MHz, 400 MHz bus, 12.5x)");

    PartIdentity nameOnly;
    nameOnly.name = QStringLiteral("AMD Duron 800 MHz");
    nameOnly.vcore = 1.6; // facts outside the summary do not open the parentheses
    QTest::newRow("name only") << nameOnly << QStringLiteral("AMD Duron 800 MHz");
    // clang-format on
}

void tst_PartIdentity::summary()
{
    QFETCH(PartIdentity, identity);
    QFETCH(QString, expected);
    QCOMPARE(identity.summary(), expected);
}

QTEST_GUILESS_MAIN(tst_PartIdentity)
#include "tst_PartIdentity.moc"
