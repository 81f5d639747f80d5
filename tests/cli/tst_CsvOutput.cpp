// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandRun.h"
#include "CsvReader.h"
#include "CsvResultWriter.h"
#include "FieldTable.h"
#include "PartTable.h"
#include "ResultReport.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace tallisk;
using namespace tallisk::test;

// `tallisk-decode --csv`: the shape of the file, the cells that must not become formulas, and
// the values, compared cell by cell with the same records' JSON output.
class tst_CsvOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cell_data();
    void cell();
    void singleDecode();
    void matchesJson_data();
    void matchesJson();
    void loneSurrogates();
};

// What a JSON value reads as in a cell: texts, lists joined by LF, numbers and true/false as
// JSON writes them, null empty.
static QString expectedCell(const QJsonValue& value)
{
    if (value.isNull() || value.isUndefined())
        return QString();
    if (value.isString())
        return value.toString();
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue& item : value.toArray())
            items << expectedCell(item);
        return items.join(u'\n');
    }
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.sliced(1, json.size() - 2));
}

void tst_CsvOutput::cell_data()
{
    addColumns<QString, QByteArray>({"text", "cell"});

    // clang-format off
    QTest::newRow("plain") << QStringLiteral("AXDA2500DKV4D") << QByteArray("AXDA2500DKV4D");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("rating, a plus at the end") << QStringLiteral("2500+") << QByteArray("2500+");
    QTest::newRow("equals") << QStringLiteral("=1+2") << QByteArray("'=1+2");
    QTest::newRow("plus") << QStringLiteral("+1") << QByteArray("'+1");
    QTest::newRow("minus") << QStringLiteral("-AXDA") << QByteArray("'-AXDA");
    QTest::newRow("at") << QStringLiteral("@SUM(A1)") << QByteArray("'@SUM(A1)");
    QTest::newRow("tab first") << QStringLiteral("\t=x") << QByteArray("'\t=x");
    QTest::newRow("CR first") << QStringLiteral("\r=x") << QByteArray("\"'\r=x\"");
    QTest::newRow("apostrophe first") << QStringLiteral("'x") << QByteArray("''x");
    QTest::newRow("formula character later") << QStringLiteral("a=b") << QByteArray("a=b");
    QTest::newRow("comma") << QStringLiteral("a,b") << QByteArray("\"a,b\"");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\"") << QByteArray("\"say \"\"hi\"\"\"");
    QTest::newRow("line feeds") << QStringLiteral("one\ntwo\r\nthree") << QByteArray("\"one\ntwo\r\nthree\"");
    QTest::newRow("formula and comma") << QStringLiteral("=A1,B1") << QByteArray("\"'=A1,B1\"");
    QTest::newRow("UTF-8") << QStringLiteral("85\u00B0C \u20AC") << QByteArray("85\xC2\xB0" "C \xE2\x82\xAC");
    QTest::newRow("outside the BMP") << QString::fromUcs4(U"\U0001D7CF", 1) << QByteArray("\xF0\x9D\x9F\x8F");
    QTest::newRow("lone surrogates") << QString(QChar(0xDC00)) + QChar(0xD800) << QByteArray("\xEF\xBF\xBD\xEF\xBF\xBD");
    QTest::newRow("control characters kept") << QStringLiteral("a\x01\x1F\x7F") << QByteArray("a\x01\x1F\x7F");
    // clang-format on
}

void tst_CsvOutput::cell()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, cell);
    QByteArray out = "x,";
    CsvResultWriter::appendCell(out, text);
    QCOMPARE(out, "x," + cell);
}

void tst_CsvOutput::singleDecode()
{
    const QStringList example{QStringLiteral("AXDA2500DKV4D"), QStringLiteral("ABCDEFG18HIJ1234"),
                              QStringLiteral("JIUHB0312XPMW")};
    for (const bool identify : {false, true}) {
        QStringList arguments{QStringLiteral("--csv")};
        if (identify)
            arguments << QStringLiteral("--identify");
        const CommandRun run = runCommand(arguments + example);
        QCOMPARE(run.status, EXIT_SUCCESS);
        QString problem;
        const QList<QStringList> rows = readCsv(run.out, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(rows.size(), 2);
        const qsizetype columns = 5 + qsizetype(kFieldCount) + 3;
        // With --identify: the identity's columns, suggestions, reason, unread, disagreements.
        QCOMPARE(rows[0].size(), identify ? columns + PartIdentity().toJson().size() + 4 : columns);
        QCOMPARE(rows[1].size(), rows[0].size());
        QCOMPARE(rows[0].mid(0, 6),
                 (QStringList{QStringLiteral("record"), QStringLiteral("line1"),
                              QStringLiteral("line2"), QStringLiteral("line3"),
                              QStringLiteral("model_name"), QStringLiteral("Core")}));
        QCOMPARE(rows[1].mid(0, 6),
                 (QStringList{QStringLiteral("1")} + example +
                  QStringList{QStringLiteral("AMD Athlon XP"), QStringLiteral("Barton")}));
        QCOMPARE(rows[1].at(rows[0].indexOf(QStringLiteral("Performance Rating"))),
                 QStringLiteral("2500+"));
        QCOMPARE(rows[1].at(rows[0].indexOf(QStringLiteral("completed"))), QStringLiteral("true"));
        if (identify)
            QCOMPARE(rows[1].at(rows[0].indexOf(QStringLiteral("identity.clock_mhz"))),
                     QStringLiteral("1833"));
    }
}

// Records as a batch file holds them: real codes and part numbers, and lines of characters a
// spreadsheet or a CSV reader could trip on, some records unreadable.
static QByteArray generatedRecords(int count)
{
    QRandomGenerator random(14);
    const QList<PartIdentity>& parts = PartTable::instance().rows();
    const QStringList pieces{QStringLiteral("="),         QStringLiteral("+"),
                             QStringLiteral("-"),         QStringLiteral("@"),
                             QStringLiteral("'"),         QStringLiteral("\""),
                             QStringLiteral(","),         QStringLiteral("\r"),
                             QStringLiteral(" "),         QStringLiteral("\\"),
                             QStringLiteral("\u00E9"),    QStringLiteral("\u20AC"),
                             QStringLiteral("\x01"),      QStringLiteral("\x7F"),
                             QStringLiteral("2500+"),     QString::fromUcs4(U"\U0001D7CF", 1),
                             QStringLiteral("AXDA"),      QStringLiteral("DKV4D"),
                             QStringLiteral("JIUHB0312"), QStringLiteral("XPMW"),
                             QStringLiteral("1234"),      QStringLiteral("ABCDEFG18HIJ")};
    QByteArray records;
    for (int i = 0; i < count; ++i) {
        QStringList lines;
        for (int line = 0; line < 3; ++line) {
            QString text;
            if (line == 0 && random.bounded(3) == 0)
                text = parts[random.bounded(parts.size())].part;
            const int length = random.bounded(6);
            for (int k = 0; k < length; ++k)
                text += pieces[random.bounded(pieces.size())];
            lines << text;
        }
        QByteArray record = lines.join(u'\t').toUtf8();
        switch (random.bounded(20)) {
        case 0:
            record += "\t\tfourth field";
            break;
        case 1:
            record.insert(random.bounded(record.size() + 1), "\xC3\x28");
            break;
        default:
            break;
        }
        records += record + (random.bounded(2) ? "\r\n" : "\n");
    }
    return records;
}

void tst_CsvOutput::matchesJson_data()
{
    addColumns<QByteArray, QStringList>({"records", "options"});

    const QByteArray hostile = "AXDA2500DKV4D\tABCDEFG18HIJ1234\tJIUHB0312XPMW\n"
                               "=HYPERLINK(\"http://x\",\"y\")\t+1\t-AXDA\n"
                               "@SUM(A1)\t'quoted\t\r=cr first\n"
                               "-AXDA2500DKV4D\tABCDEFG18HIJ1234\tJIUHB0312XPMW\n"
                               "a,b\t\"q\"\"q\"\tc\rd\n"
                               "\x01\x02\x1F\x7F\t\\\t\xF0\x9D\x9F\x8F\xF4\x8F\xBF\xBF\n"
                               "AXDA3200DKV4E\n"
                               "K7600MTR51B\n"
                               "AXDA3200DKV4Z\n"
                               "\xED\xA0\x80\n" // a surrogate in UTF-8: unreadable
                               "a\tb\tc\td\n"
                               "\n";
    // clang-format off
    QTest::newRow("hostile") << hostile << QStringList();
    QTest::newRow("hostile, identified") << hostile << QStringList{QStringLiteral("--identify")};
    QTest::newRow("hostile, suggested") << hostile << QStringList{QStringLiteral("--identify"), QStringLiteral("--suggest")};
    QTest::newRow("generated") << generatedRecords(1500) << QStringList();
    QTest::newRow("generated, identified") << generatedRecords(1500) << QStringList{QStringLiteral("--identify")};
    // clang-format on
}

// The same records through --batch as JSON and as CSV: one row per record, and one column per
// key of the JSON (the fields' under their captions, the identity's as identity.KEY), each cell
// the JSON's value. A key that one writer has and the other lacks fails here.
void tst_CsvOutput::matchesJson()
{
    QFETCH(QByteArray, records);
    QFETCH(QStringList, options);
    const QStringList arguments =
        QStringList{QStringLiteral("--batch"), QStringLiteral("-")} + options;
    const CommandRun json = runCommand(arguments, records);
    const CommandRun csv = runCommand(arguments + QStringList{QStringLiteral("--csv")}, records);
    QCOMPARE(json.status, EXIT_SUCCESS);
    QCOMPARE(csv.status, EXIT_SUCCESS);
    QCOMPARE(csv.err, json.err);

    QString problem;
    const QList<QStringList> rows = readCsv(csv.out, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QList<QByteArray> lines = json.out.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());
    QCOMPARE(rows.size(), lines.size() + 1);
    const QStringList header = rows[0];
    QCOMPARE(QSet<QString>(header.cbegin(), header.cend()).size(), header.size());

    QSet<QString> jsonColumns; // every key the JSON lines hold, named as the CSV names them
    int unreadable = 0, identified = 0, neutralised = 0, partial = 0, disagreeing = 0;
    for (qsizetype r = 0; r < lines.size(); ++r) {
        const QJsonObject object = QJsonDocument::fromJson(lines[r]).object();
        const QStringList& row = rows[r + 1];
        QCOMPARE(row.size(), header.size());
        // No cell starts a formula: whatever would has its apostrophe.
        for (const QString& cell : row) {
            QVERIFY2(cell.isEmpty() || !QStringLiteral("=+-@\t\r").contains(cell.front()),
                     qPrintable(cell));
            neutralised += cell.startsWith(u'\'');
        }
        const auto column = [&](const QString& name) {
            const qsizetype at = header.indexOf(name);
            return at < 0 ? QStringLiteral("<no column %1>").arg(name) : cellValue(row[at]);
        };
        if (object.contains(u"error")) {
            ++unreadable;
            // Nothing else on the row of an unreadable record.
            QCOMPARE(row.count(QString()), row.size() - 2);
        }
        for (auto key = object.constBegin(); key != object.constEnd(); ++key) {
            const QJsonValue value = key.value();
            if (key.key() == u"fields") {
                for (const FieldInfo& info : fieldTable()) {
                    const QString caption = QString::fromLatin1(info.caption);
                    jsonColumns << caption;
                    QCOMPARE(column(caption), expectedCell(value[QLatin1StringView(info.jsonKey)]));
                }
            } else if (key.key() == u"identity") {
                const QJsonObject identity = value.toObject();
                identified += !identity.isEmpty();
                for (auto fact = identity.constBegin(); fact != identity.constEnd(); ++fact) {
                    jsonColumns << QStringLiteral("identity.") + fact.key();
                    QCOMPARE(column(QStringLiteral("identity.") + fact.key()),
                             expectedCell(fact.value()));
                }
            } else if (key.key() == u"unread") {
                jsonColumns << key.key();
                QStringList unread; // "field letter", one a line
                for (const QJsonValue& letter : value.toArray())
                    unread << letter[u"field"].toString() + u' ' + letter[u"letter"].toString();
                QCOMPARE(column(key.key()), unread.join(u'\n'));
                partial += !unread.isEmpty();
            } else if (key.key() == u"disagreements") {
                jsonColumns << key.key();
                QStringList sentences; // the window's sentence for each, one a line
                for (const QJsonValue& row : value.toArray()) {
                    RowComparison disagreement;
                    for (const FieldInfo& info : fieldTable()) {
                        if (row[u"field"].toString() == QLatin1StringView(info.jsonKey))
                            disagreement.field = info.field;
                    }
                    disagreement.tables = row[u"tables"].toString();
                    disagreement.part = row[u"part"].toString();
                    disagreement.verdict = disagreement.tables.isEmpty() ? RowVerdict::TablesBlank
                                                                         : RowVerdict::Differs;
                    sentences << ResultReport::sentence(disagreement);
                }
                QCOMPARE(column(key.key()), sentences.join(u'\n'));
                disagreeing += !sentences.isEmpty();
            } else {
                jsonColumns << key.key();
                QCOMPARE(column(key.key()), expectedCell(value));
            }
        }
        // A record whose identity is null leaves the identity's columns empty.
        if (object.value(u"identity").isNull()) {
            for (qsizetype c = 0; c < header.size(); ++c) {
                if (header[c].startsWith(u"identity."))
                    QCOMPARE(row[c], QString());
            }
        }
    }
    QCOMPARE(jsonColumns, QSet<QString>(header.cbegin(), header.cend()));
    // The records exercised what they are meant to.
    QVERIFY(unreadable > 0);
    QVERIFY(neutralised > 0);
    const bool identify = options.contains(u"--identify");
    QCOMPARE(identified > 0, identify);
    QCOMPARE(disagreeing > 0, identify);
    // The hostile records hold a part number with a letter the tables lack.
    if (identify && records.contains("AXDA3200DKV4Z"))
        QVERIFY(partial > 0);
}

// Lines with lone surrogates can only come as arguments; the CSV, being UTF-8, holds the
// replacement character where the JSON has the escape.
void tst_CsvOutput::loneSurrogates()
{
    const QStringList lines{QStringLiteral("AXDA") + QChar(0xD800),
                            QString(QChar(0xDC00)) + QStringLiteral("=x"),
                            QStringLiteral("ok") + QChar(0xDBFF)};
    const CommandRun json = runCommand(QStringList{QStringLiteral("--json")} + lines);
    const CommandRun csv = runCommand(QStringList{QStringLiteral("--csv")} + lines);
    QCOMPARE(csv.status, json.status);
    QString problem;
    const QList<QStringList> rows = readCsv(csv.out, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(rows.size(), 2);
    const QJsonObject object = QJsonDocument::fromJson(json.out).object();
    for (int i = 0; i < 3; ++i) {
        QString expected = object.value(QStringLiteral("line%1").arg(i + 1)).toString();
        QCOMPARE(expected, lines[i]);
        for (QChar& c : expected) {
            if (c.isSurrogate())
                c = QChar(0xFFFD);
        }
        QCOMPARE(rows[1][i + 1], expected);
    }
}

QTEST_GUILESS_MAIN(tst_CsvOutput)
#include "tst_CsvOutput.moc"
