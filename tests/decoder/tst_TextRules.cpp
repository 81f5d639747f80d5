// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"
#include "TextRules.h"

#include <QTest>

using namespace tallisk;

class tst_TextRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positions_data();
    void positions();
    void isNumeric_data();
    void isNumeric();
    void isDigit_data();
    void isDigit();
};

// Characters outside the BMP and lone surrogates are one position each.
static const QString kGrin = QStringLiteral("\U0001F600");
static const QString kLoneHigh = QString(QChar(0xD83D));

void tst_TextRules::positions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("at3");
    QTest::addColumn<QString>("mid2x3");
    QTest::addColumn<QString>("left2");
    QTest::addColumn<QString>("right2");

    QTest::newRow("ascii") << QStringLiteral("ABCDE") << qsizetype(5) << QStringLiteral("C")
                           << QStringLiteral("BCD") << QStringLiteral("AB") << QStringLiteral("DE");
    QTest::newRow("empty") << QString() << qsizetype(0) << QString() << QString() << QString()
                           << QString();
    QTest::newRow("shorter than asked")
        << QStringLiteral("AB") << qsizetype(2) << QString() << QStringLiteral("B")
        << QStringLiteral("AB") << QStringLiteral("AB");
    QTest::newRow("latin-1 is one position")
        << QStringLiteral("\u00E9\u00B0xyz") << qsizetype(5) << QStringLiteral("x")
        << QStringLiteral("\u00B0xy") << QStringLiteral("\u00E9\u00B0") << QStringLiteral("yz");
    QTest::newRow("pair is one position, never split")
        << (u'A' + kGrin + QStringLiteral("BC") + kGrin) << qsizetype(5) << QStringLiteral("B")
        << (kGrin + QStringLiteral("BC")) << (u'A' + kGrin) << (u'C' + kGrin);
    QTest::newRow("lone surrogate is one position")
        << (u'A' + kLoneHigh + QStringLiteral("BC")) << qsizetype(4) << QStringLiteral("B")
        << (kLoneHigh + QStringLiteral("BC")) << (u'A' + kLoneHigh) << QStringLiteral("BC");
    QTest::newRow("lone surrogate at the end")
        << (QStringLiteral("AB") + kLoneHigh) << qsizetype(3) << kLoneHigh << (u'B' + kLoneHigh)
        << QStringLiteral("AB") << (u'B' + kLoneHigh);
}

void tst_TextRules::positions()
{
    QFETCH(QString, text);
    QCOMPARE(text::length(text), test::fetch<qsizetype>("length"));
    QCOMPARE(text::at(text, 3), test::fetch<QString>("at3"));
    QCOMPARE(text::mid(text, 2, 3), test::fetch<QString>("mid2x3"));
    QCOMPARE(text::left(text, 2), test::fetch<QString>("left2"));
    QCOMPARE(text::right(text, 2), test::fetch<QString>("right2"));
    // Past the end and degenerate counts yield nothing.
    QCOMPARE(text::mid(text, text::length(text) + 1, 4), QString());
    QCOMPARE(text::left(text, 0), QString());
    QCOMPARE(text::right(text, 0), QString());
    QCOMPARE(text::at(text, 0), QString());
}

void tst_TextRules::isNumeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");

    QTest::newRow("digits") << QStringLiteral("1234") << true;
    QTest::newRow("one digit") << QStringLiteral("7") << true;
    QTest::newRow("leading zeros") << QStringLiteral("0312") << true;
    QTest::newRow("decimal point") << QStringLiteral("12.5") << true;
    QTest::newRow("leading point") << QStringLiteral(".5") << true;
    QTest::newRow("trailing point") << QStringLiteral("5.") << true;
    QTest::newRow("plus sign") << QStringLiteral("+12") << true;
    QTest::newRow("minus sign") << QStringLiteral("-12") << true;
    QTest::newRow("blanks around") << QStringLiteral(" 12 ") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blank only") << QStringLiteral("  ") << false;
    QTest::newRow("point only") << QStringLiteral(".") << false;
    QTest::newRow("sign only") << QStringLiteral("-") << false;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << false;
    QTest::newRow("two signs") << QStringLiteral("+-1") << false;
    QTest::newRow("sign after digits") << QStringLiteral("12-") << false;
    QTest::newRow("blank inside") << QStringLiteral("1 2") << false;
    QTest::newRow("letter") << QStringLiteral("12AB") << false;
    QTest::newRow("lower-case letters") << QStringLiteral("XPMW") << false;
    QTest::newRow("exponent") << QStringLiteral("1E5") << false;
    QTest::newRow("thousands separator") << QStringLiteral("1,234") << false;
    QTest::newRow("tab is no blank") << QStringLiteral("\t12") << false;
    QTest::newRow("no-break space is no blank") << QStringLiteral("\u00A012") << false;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << false;
    QTest::newRow("fullwidth digits") << QStringLiteral("\uFF11\uFF12") << false;
    QTest::newRow("very long digits") << QString(40, u'9') << true;
}

void tst_TextRules::isNumeric()
{
    QFETCH(QString, text);
    QCOMPARE(text::isNumeric(text), test::fetch<bool>("numeric"));
}

void tst_TextRules::isDigit_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("digit");

    QTest::newRow("0") << QStringLiteral("0") << true;
    QTest::newRow("9") << QStringLiteral("9") << true;
    QTest::newRow("letter") << QStringLiteral("A") << false;
    QTest::newRow("empty past the end") << QString() << false;
    QTest::newRow("two digits are not one") << QStringLiteral("12") << false;
    QTest::newRow("superscript two") << QStringLiteral("\u00B2") << false;
    QTest::newRow("Devanagari one") << QStringLiteral("\u0967") << false;
    QTest::newRow("mathematical bold one") << QStringLiteral("\U0001D7CF") << false;
}

void tst_TextRules::isDigit()
{
    QFETCH(QString, character);
    QCOMPARE(text::isDigit(character), test::fetch<bool>("digit"));
}

QTEST_GUILESS_MAIN(tst_TextRules)
#include "tst_TextRules.moc"
