// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTestSupport.h"
#include "TestSupport.h"
#include "TextRules.h"

#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

class tst_TextRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positions_data();
    void positions();
    void classify_data();
    void classify();
};

// Characters outside the BMP and lone surrogates are one position each.
static const QString kGrin = QStringLiteral("\U0001F600");
static const QString kLoneHigh = QString(QChar(0xD83D));

void tst_TextRules::positions_data()
{
    addColumns<QString, qsizetype, QString, QString, QString, QString>(
        {"text", "length", "at3", "mid2x3", "left2", "right2"});

    // clang-format off
    QTest::newRow("ascii") << QStringLiteral("ABCDE") << qsizetype(5) << QStringLiteral("C") << QStringLiteral("BCD") << QStringLiteral("AB") << QStringLiteral("DE");
    QTest::newRow("empty") << QString() << qsizetype(0) << QString() << QString() << QString() << QString();
    QTest::newRow("shorter than asked") << QStringLiteral("AB") << qsizetype(2) << QString() << QStringLiteral("B") << QStringLiteral("AB") << QStringLiteral("AB");
    QTest::newRow("latin-1 is one position") << QStringLiteral("\u00E9\u00B0xyz") << qsizetype(5) << QStringLiteral("x") << QStringLiteral("\u00B0xy") << QStringLiteral("\u00E9\u00B0") << QStringLiteral("yz");
    QTest::newRow("pair is one position, never split") << (u'A' + kGrin + QStringLiteral("BC") + kGrin) << qsizetype(5) << QStringLiteral("B") << (kGrin + QStringLiteral("BC")) << (u'A' + kGrin) << (u'C' + kGrin);
    QTest::newRow("lone surrogate is one position") << (u'A' + kLoneHigh + QStringLiteral("BC")) << qsizetype(4) << QStringLiteral("B") << (kLoneHigh + QStringLiteral("BC")) << (u'A' + kLoneHigh) << QStringLiteral("BC");
    QTest::newRow("lone surrogate at the end") << (QStringLiteral("AB") + kLoneHigh) << qsizetype(3) << kLoneHigh << (u'B' + kLoneHigh) << QStringLiteral("AB") << (u'B' + kLoneHigh);
    // clang-format on
}

void tst_TextRules::positions()
{
    QFETCH(QString, text);
    QCOMPARE(text::length(text), test::fetch<qsizetype>("length"));
    // The helpers return views into the text: compared as texts, and checked to point into it.
    const auto taken = [&text](QStringView view) {
        if (!view.isEmpty() &&
            (view.data() < text.constData() || view.data() + view.size() > text.constEnd()))
            return QStringLiteral("<not a view into the text>");
        return view.toString();
    };
    QCOMPARE(taken(text::at(text, 3)), test::fetch<QString>("at3"));
    QCOMPARE(taken(text::mid(text, 2, 3)), test::fetch<QString>("mid2x3"));
    QCOMPARE(taken(text::left(text, 2)), test::fetch<QString>("left2"));
    QCOMPARE(taken(text::right(text, 2)), test::fetch<QString>("right2"));
    // Past the end and degenerate counts yield nothing.
    QCOMPARE(taken(text::mid(text, text::length(text) + 1, 4)), QString());
    QCOMPARE(taken(text::left(text, 0)), QString());
    QCOMPARE(taken(text::right(text, 0)), QString());
    QCOMPARE(taken(text::at(text, 0)), QString());
}

// Each text through both tests: isDigit wants exactly one of 0-9, isNumeric a plain number.
void tst_TextRules::classify_data()
{
    addColumns<QString, bool, bool>({"text", "digit", "numeric"});

    const auto row = [](const char* tag, const QString& text, bool digit, bool numeric) {
        QTest::newRow(tag) << text << digit << numeric;
    };
    // clang-format off
    row("0", QStringLiteral("0"), true, true);
    row("9", QStringLiteral("9"), true, true);
    row("digits", QStringLiteral("1234"), false, true);
    row("leading zeros", QStringLiteral("0312"), false, true);
    row("decimal point", QStringLiteral("12.5"), false, true);
    row("leading point", QStringLiteral(".5"), false, true);
    row("trailing point", QStringLiteral("5."), false, true);
    row("plus sign", QStringLiteral("+12"), false, true);
    row("minus sign", QStringLiteral("-12"), false, true);
    row("blanks around", QStringLiteral(" 12 "), false, true);
    row("very long digits", QString(40, u'9'), false, true);
    row("empty", QString(), false, false);
    row("blank only", QStringLiteral("  "), false, false);
    row("point only", QStringLiteral("."), false, false);
    row("sign only", QStringLiteral("-"), false, false);
    row("two points", QStringLiteral("1.2.3"), false, false);
    row("two signs", QStringLiteral("+-1"), false, false);
    row("sign after digits", QStringLiteral("12-"), false, false);
    row("blank inside", QStringLiteral("1 2"), false, false);
    row("letter", QStringLiteral("A"), false, false);
    row("letters after digits", QStringLiteral("12AB"), false, false);
    row("exponent", QStringLiteral("1E5"), false, false);
    row("thousands separator", QStringLiteral("1,234"), false, false);
    row("tab is no blank", QStringLiteral("\t12"), false, false);
    row("no-break space is no blank", QStringLiteral("\u00A012"), false, false);
    row("superscript two", QStringLiteral("\u00B2"), false, false);
    row("Devanagari one", QStringLiteral("\u0967"), false, false);
    row("Arabic-Indic digits", QStringLiteral("\u0661\u0662"), false, false);
    row("fullwidth digits", QStringLiteral("\uFF11\uFF12"), false, false);
    row("mathematical bold one", QStringLiteral("\U0001D7CF"), false, false);
    // clang-format on
}

void tst_TextRules::classify()
{
    QFETCH(QString, text);
    QCOMPARE(text::isDigit(text), test::fetch<bool>("digit"));
    QCOMPARE(text::isNumeric(text), test::fetch<bool>("numeric"));
}

QTEST_GUILESS_MAIN(tst_TextRules)
#include "tst_TextRules.moc"
