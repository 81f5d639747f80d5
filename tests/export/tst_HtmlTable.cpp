// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeRecord.h"
#include "HtmlTable.h"
#include "TalliskVersion.h"

#include <QByteArrayList>
#include <QTest>

using namespace tallisk;

namespace {

// Line n (1-based) without its CR LF; the line ends themselves are checked on their own.
QByteArray lineAt(const QByteArray& bytes, int n)
{
    QByteArray line = bytes.split('\n').value(n - 1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

QByteArray valueCell(const QByteArray& content)
{
    return R"(<td width="100" bgcolor=#ffffff><font face=Verdana size=1 color="#000000">&nbsp;)" +
           content + "</font></td>";
}

QByteArray headingCell(const QByteArray& content)
{
    return R"(<td width="200" td colspan="2" bgcolor=#999999><font face=Verdana size=1 color="#000000">&nbsp;<b>)" +
           content + "</b></font></td>";
}

QByteArray titleCell(const QByteArray& title)
{
    return R"(<td width="200" bgcolor=#cccccc><font face=Verdana size=1 color="#000000">&nbsp;<b>)" +
           title + "</b></font></td>";
}

// A Barton Athlon XP, AXDA2500DKV4D / ABCDEFG18HIJ1234 / JIUHB0312XPMW, as decoded.
DecodeRecord bartonExample()
{
    DecodeRecord record;
    record.setModelName(QStringLiteral("AMD Athlon XP"));
    const char* const values[] = {"Barton", "10",      "2500+", "1833", "OPGA",   "1.65v",
                                  "85°C",   "128KB",   "512KB", "11.0", "333MHz", "JIUHB",
                                  "2003",   "Week 12", "M",     "1234", "N/A"};
    for (std::size_t i = 0; i < kFieldCount; ++i)
        record.setField(static_cast<Field>(i), QString::fromUtf8(values[i]));
    return record;
}

QByteArray render(const DecodeTarget& target)
{
    return HtmlTable::render(target.modelName(), target.fieldTexts());
}

// The value cell of one field when only that field holds text.
QByteArray renderedValue(Field field, const QString& text)
{
    DecodeRecord record;
    record.setField(field, text);
    return lineAt(render(record), 7 + 4 * static_cast<int>(fieldIndex(field)));
}

} // namespace

class HtmlTableTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExampleLines();
    void fieldRows_data();
    void fieldRows();
    void frameLines();
    void lineEndsAndCount_data();
    void lineEndsAndCount();
    void beforeAnyPass();
    void renderingIsRepeatable();
    void fieldText_data();
    void fieldText();
    void captionIsEscaped();
    void fixedTextIsNotEscaped();
};

void HtmlTableTest::workedExampleLines()
{
    DecodeRecord record;
    record.setModelName(QStringLiteral("AMD Athlon XP"));
    record.setField(Field::Core, QStringLiteral("Barton"));
    const QByteArray bytes = render(record);

    const QByteArray expected =
        "<tr bgcolor=\"#000000\">\r\n"
        "<td width=\"200\" td colspan=\"2\" bgcolor=#999999><font face=Verdana size=1 "
        "color=\"#000000\">&nbsp;<b>AMD Athlon XP</b></font></td>\r\n"
        "</tr>\r\n"
        "<tr bgcolor=\"#000000\">\r\n"
        "<td width=\"200\" bgcolor=#cccccc><font face=Verdana size=1 "
        "color=\"#000000\">&nbsp;<b>Core</b></font></td>\r\n"
        "<td width=\"100\" bgcolor=#ffffff><font face=Verdana size=1 "
        "color=\"#000000\">&nbsp;Barton</font></td>\r\n"
        "</tr>\r\n";
    const qsizetype lineTwo = bytes.indexOf("\r\n") + 2;
    QCOMPARE(bytes.mid(lineTwo, expected.size()), expected);
}

void HtmlTableTest::fieldRows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("value");

    // The export's own titles, four of which differ from the window's captions.
    const struct
    {
        const char* title;
        QByteArray value;
    } rows[] = {
        {"Core", "Barton"},
        {"CPU Model", "10"},
        {"Performance Rating", "2500+"},
        {"Working Frequency", "1833"},
        {"Package Type", "OPGA"},
        {"Operating Voltage", "1.65v"},
        {"Operating Temperature (Max)", "85\xB0"
                                        "C"},
        {"L1 Cache Size", "128KB"},
        {"L2 Cache Size", "512KB"},
        {"Multiplier", "11.0"},
        {"FSB Frequency", "333MHz"},
        {"Stepping Code", "JIUHB"},
        {"Manufacture Year", "2003"},
        {"Manufacture Week", "Week 12"},
        {"Production Batch", "M"},
        {"Batch Production Number", "1234"},
        {"Downgraded from", "N/A"},
    };
    int index = 0;
    for (const auto& row : rows) {
        QTest::newRow(row.title) << index << QByteArray(row.title) << row.value;
        ++index;
    }
}

void HtmlTableTest::fieldRows()
{
    QFETCH(int, index);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, value);

    const QByteArray bytes = render(bartonExample());
    const int first = 5 + 4 * index;
    QCOMPARE(lineAt(bytes, first), QByteArray(R"(<tr bgcolor="#000000">)"));
    QCOMPARE(lineAt(bytes, first + 1), titleCell(title));
    QCOMPARE(lineAt(bytes, first + 2), valueCell(value));
    QCOMPARE(lineAt(bytes, first + 3), QByteArray("</tr>"));
}

void HtmlTableTest::frameLines()
{
    const QByteArray bytes = render(bartonExample());
    QCOMPARE(
        lineAt(bytes, 1),
        QByteArray(
            R"(<table bgcolor="#000000" border="0" cellspacing="1" cellpadding="1" width="330">)"));
    QCOMPARE(lineAt(bytes, 3), headingCell("AMD Athlon XP"));
    QCOMPARE(lineAt(bytes, 73), QByteArray(R"(<tr bgcolor="#000000">)"));
    QCOMPARE(
        lineAt(bytes, 74),
        QByteArray(
            R"(<td width="200" td colspan="2" bgcolor=#999999><font face=Verdana size=1 color="#000000">&nbsp;Generated by <a href=")" TALLISK_HOMEPAGE_URL
            R"(">Tallisk</a></font></td>)"));
    QCOMPARE(lineAt(bytes, 75), QByteArray("</tr>"));
    QCOMPARE(lineAt(bytes, 76), QByteArray("</table>"));
    // The footer links to an absolute address.
    QVERIFY(QByteArray(TALLISK_HOMEPAGE_URL).startsWith("https://"));
}

void HtmlTableTest::lineEndsAndCount_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty record") << QString::fromLatin1(kWaitingCaption) << QString();
    QTest::newRow("example") << QStringLiteral("AMD Athlon XP") << QStringLiteral("Barton");
    QTest::newRow("markup and wide characters")
        << QStringLiteral("<b>\u20AC</b>") << QStringLiteral("a&b\U0001F600\"<>\u0085");
}

void HtmlTableTest::lineEndsAndCount()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);

    FieldTexts fields;
    fields.fill(text);
    const QByteArray bytes = HtmlTable::render(caption, fields);

    QVERIFY(bytes.startsWith("<table "));    // no byte-order mark
    QVERIFY(bytes.endsWith("</table>\r\n")); // the last line ends too
    QCOMPARE(bytes.count("\r\n"), HtmlTable::kLineCount);
    QCOMPARE(bytes.count('\n'), HtmlTable::kLineCount); // no bare LF
    QCOMPARE(bytes.count('\r'), HtmlTable::kLineCount); // no bare CR
}

void HtmlTableTest::beforeAnyPass()
{
    const DecodeRecord fresh;
    const QByteArray bytes = render(fresh);

    QCOMPARE(lineAt(bytes, 3), headingCell("[ Waiting ]"));
    for (int row = 0; row < int(kFieldCount); ++row)
        QCOMPARE(lineAt(bytes, 7 + 4 * row), valueCell({}));
}

void HtmlTableTest::renderingIsRepeatable()
{
    const DecodeRecord record = bartonExample();
    const QByteArray first = render(record);
    QCOMPARE(render(record), first);
}

void HtmlTableTest::fieldText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain ASCII") << QStringLiteral("Thoroughbred B")
                                 << QByteArray("Thoroughbred B");
    QTest::newRow("degree sign") << QStringLiteral("85\u00B0C")
                                 << QByteArray("85\xB0"
                                               "C");
    QTest::newRow("ampersand") << QStringLiteral("A&B") << QByteArray("A&amp;B");
    QTest::newRow("less than") << QStringLiteral("A<B") << QByteArray("A&lt;B");
    QTest::newRow("greater than") << QStringLiteral("A>B") << QByteArray("A&gt;B");
    QTest::newRow("quotation mark") << QStringLiteral("A\"B") << QByteArray("A&quot;B");
    QTest::newRow("apostrophe kept") << QStringLiteral("A'B") << QByteArray("A'B");
    QTest::newRow("typed markup") << QStringLiteral("<script>alert(\"x\")</script>")
                                  << QByteArray("&lt;script&gt;alert(&quot;x&quot;)&lt;/"
                                                "script&gt;");
    QTest::newRow("typed entity escaped once")
        << QStringLiteral("&nbsp;&amp;") << QByteArray("&amp;nbsp;&amp;amp;");
    QTest::newRow("NUL and DEL as bytes")
        << QString(QChar(0)) + QChar(0x7F) << QByteArray("\x00\x7F", 2);
    QTest::newRow("line breaks keep the lines")
        << QStringLiteral("A\r\nB\nC") << QByteArray("A&#13;&#10;B&#10;C");
    QTest::newRow("first C1 control") << QString(QChar(0x80)) << QByteArray("&#128;");
    QTest::newRow("last C1 control") << QString(QChar(0x9F)) << QByteArray("&#159;");
    QTest::newRow("no-break space") << QString(QChar(0xA0)) << QByteArray("\xA0");
    QTest::newRow("y with diaeresis") << QStringLiteral("\u00FF") << QByteArray("\xFF");
    QTest::newRow("first past Latin-1") << QStringLiteral("\u0100") << QByteArray("&#256;");
    QTest::newRow("euro sign") << QStringLiteral("5\u20AC") << QByteArray("5&#8364;");
    QTest::newRow("outside the BMP") << QStringLiteral("x\U0001F600y") << QByteArray("x&#128512;y");
    QTest::newRow("last code point") << QStringLiteral("\U0010FFFF") << QByteArray("&#1114111;");
    QTest::newRow("lone high surrogate")
        << QString(QChar(0xD83D)) + QLatin1Char('a') << QByteArray("&#55357;a");
    QTest::newRow("lone high surrogate at the end")
        << QStringLiteral("a") + QChar(0xD83D) << QByteArray("a&#55357;");
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << QByteArray("&#56832;");
    QTest::newRow("surrogates in the wrong order")
        << QString(QChar(0xDE00)) + QChar(0xD83D) << QByteArray("&#56832;&#55357;");
}

void HtmlTableTest::fieldText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    // The first and the last field, so the whole row loop is covered.
    QCOMPARE(renderedValue(Field::Core, text), valueCell(bytes));
    QCOMPARE(renderedValue(Field::DowngradedFrom, text), valueCell(bytes));
}

void HtmlTableTest::captionIsEscaped()
{
    const QString caption = QStringLiteral("<i>\"AMD\" & \u00C5\u2122</i>");
    const QByteArray bytes = HtmlTable::render(caption, FieldTexts{});
    QCOMPARE(lineAt(bytes, 3), headingCell("&lt;i&gt;&quot;AMD&quot; &amp; \xC5&#8482;&lt;/i&gt;"));
}

void HtmlTableTest::fixedTextIsNotEscaped()
{
    const QByteArray bytes = render(DecodeRecord{});
    // One in the heading, every title and value cell, and the footer.
    QCOMPARE(bytes.count("&nbsp;"), 2 + 2 * qsizetype(kFieldCount));
    QVERIFY(!bytes.contains("&amp;"));
    QVERIFY(!bytes.contains("&quot;"));
    QVERIFY(!bytes.contains("&lt;"));
}

QTEST_GUILESS_MAIN(HtmlTableTest)

#include "tst_HtmlTable.moc"
