// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "ResultPage.h"
#include "ResultReport.h"
#include "TestSupport.h"

#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// The whole result as Copy Result and Save Result As write it: typed text stays text, one item
// a line in the plain text and escaped on the page; only web addresses become links.
class tst_ResultReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedLinesStayText_data();
    void typedLinesStayText();
    void partNoteIsCarried();
    void onlyWebAddressesAreLinks_data();
    void onlyWebAddressesAreLinks();
};

void tst_ResultReport::typedLinesStayText_data()
{
    // line 1 as typed; the plain text's first line and the page's cell for it; the real part
    // line of the plain text
    addColumns<QString, QString, QString, QString>({"line1", "text", "cell", "realPart"});
    // clang-format off
    QTest::newRow("markup") << "<b>&\"AXDA\"</b>" << "Line 1: <b>&\"AXDA\"</b>" << "<td>&lt;b&gt;&amp;&quot;AXDA&quot;&lt;/b&gt;</td>" << "Real part: not known";
    QTest::newRow("line breaks") << "AXDA\r\n2500\u2028DKV4D" << "Line 1: AXDA  2500 DKV4D" << "<td>AXDA\r\n2500\u2028DKV4D</td>" << "Real part: not known";
    QTest::newRow("a known part") << "AMP1800DMS3C" << "Line 1: AMP1800DMS3C" << "<td>AMP1800DMS3C</td>" << "Real part: AMD Athlon MP 1800+ (Palomino, 1533 MHz, 266 MHz bus, 11.5x, 256 KB L2), listed in 6 sources";
    // clang-format on
}

void tst_ResultReport::typedLinesStayText()
{
    QFETCH(QString, line1);
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QFETCH(QString, realPart);
    DecodeRecord checked(line1, QStringLiteral("ABCDEFG18HIJ1234"),
                         QStringLiteral("JIUHB0312XPMW"));
    runDecodePass(checked);
    const ResultReport report = ResultReport::of(checked);

    // Three lines, the model, seventeen rows, then the real part: one item a line.
    const QStringList items = report.plainText().split(u'\n');
    QCOMPARE(items.value(0), text);
    QCOMPARE(items.value(21), realPart);
    QCOMPARE(items.last(), QString());
    if (!report.identification.part) { // then why, and what to try instead
        QVERIFY(!report.identification.reason.isEmpty());
        QCOMPARE(items.value(22), report.identification.reason.simplified());
        QCOMPARE(items.size(), 24 + int(!report.suggestions().isEmpty()));
    }

    const QString page = QString::fromUtf8(ResultPage::render(report));
    QVERIFY2(page.contains(cell), qPrintable(page));
    QCOMPARE(ResultPage::render(report).isValidUtf8(), true);
    // The page's own markup around the typed text is all there is of it.
    QCOMPARE(page.count(u"<td"), 3 + 17 * 3);
    QCOMPARE(page.contains(u"<h2>Sources</h2>"), report.identification.part.has_value());
}

// What the sources say of a part beyond its rows reaches the copied text and the saved page;
// the stepping code that told its core apart is said once, on a line of its own.
void tst_ResultReport::partNoteIsCarried()
{
    DecodeRecord checked(QStringLiteral("AXDA2200DKV3C"), QStringLiteral("ABCDEFG18HIJ1234"),
                         QStringLiteral("JIUHB0312XPMW"));
    runDecodePass(checked);
    const ResultReport report = ResultReport::of(checked);
    const QString note = QStringLiteral("Note: AMD shipped this part number as the first");
    QVERIFY(report.noteLine().startsWith(note));
    const QStringList items = report.plainText().split(u'\n');
    QVERIFY(items.contains(report.noteLine()));
    QVERIFY(QString::fromUtf8(ResultPage::render(report)).contains(note));
    QCOMPARE(items.filter(QStringLiteral("stepping JIUHB")),
             QStringList{QStringLiteral("Thoroughbred B: stepping JIUHB ends in B")});
    QVERIFY(!report.noteLine().contains(u"JIUHB"));
}

void tst_ResultReport::onlyWebAddressesAreLinks_data()
{
    addColumns<QString, QString>({"address", "shown"});
    // clang-format off
    QTest::newRow("web page") << "https://example.org/a?b=1&c=2" << "<br><a href=\"https://example.org/a?b=1&amp;c=2\">https://example.org/a?b=1&amp;c=2</a></li>";
    QTest::newRow("plain web page") << "http://example.org/" << "<br><a href=\"http://example.org/\">http://example.org/</a></li>";
    QTest::newRow("script") << "javascript:alert(1)" << "<br>javascript:alert(1)</li>";
    QTest::newRow("quote in it") << "https://example.org/\"><b>" << "<br>https://example.org/&quot;&gt;&lt;b&gt;</li>";
    QTest::newRow("none") << "" << "Title &amp; more</li>";
    // clang-format on
}

void tst_ResultReport::onlyWebAddressesAreLinks()
{
    QFETCH(QString, address);
    QFETCH(QString, shown);
    const QString list = ResultPage::sourceList({{QStringLiteral("Title & more"), address}});
    QVERIFY2(list.contains(shown), qPrintable(list));
    QCOMPARE(list.count(u"<a "), shown.count(u"<a "));
}

QTEST_GUILESS_MAIN(tst_ResultReport)
#include "tst_ResultReport.moc"
