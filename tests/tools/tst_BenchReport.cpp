// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchReport.h"
#include "TestSupport.h"

#include <QTest>

using tallisk::BenchReport;
using tallisk::test::addColumns;
using tallisk::test::fetch;

namespace {

// Google Benchmark's JSON for two benchmarks with ten repetitions each, aggregates only, in the
// shape the library writes it (times in each benchmark's own unit).
const QByteArray kResults = R"({
  "context": {"date": "2026-12-08", "num_cpus": 2},
  "benchmarks": [
    {"name": "BM_Pass_mean", "run_name": "BM_Pass", "run_type": "aggregate",
     "aggregate_name": "mean", "repetitions": 10, "real_time": 990.0, "cpu_time": 980.0,
     "time_unit": "ns", "iterations": 10},
    {"name": "BM_Pass_median", "run_name": "BM_Pass", "run_type": "aggregate",
     "aggregate_name": "median", "repetitions": 10, "real_time": 950.0, "cpu_time": 940.0,
     "time_unit": "ns", "iterations": 10},
    {"name": "BM_Batch/iterations:1/manual_time_median",
     "run_name": "BM_Batch/iterations:1/manual_time", "run_type": "aggregate",
     "aggregate_name": "median", "repetitions": 5, "real_time": 2500.0, "cpu_time": 1.0,
     "time_unit": "ms", "iterations": 5, "records_per_s": 400000.0, "peak_rss_MiB": 10.25},
    {"name": "BM_Floor/iterations:1/manual_time_median",
     "run_name": "BM_Floor/iterations:1/manual_time", "run_type": "aggregate",
     "aggregate_name": "median", "repetitions": 5, "real_time": 0.5, "cpu_time": 0.4,
     "time_unit": "s", "iterations": 5, "records_per_s": 2000000.0, "peak_rss_MiB": 8.2}
  ]
})";

} // namespace

class tst_BenchReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void render_data();
    void render();
    void refusesFailedOrForeignResults_data();
    void refusesFailedOrForeignResults();
};

void tst_BenchReport::render_data()
{
    // errorPart: when not empty, the template is refused with an error that holds it
    addColumns<QString, QString, QString>({"templateText", "expected", "errorPart"});

    // clang-format off
    // Medians only: the mean of BM_Pass (990 ns) must never show.
    QTest::newRow("time in its units") << "{{ns BM_Pass}} ns, {{us BM_Pass}} µs" << "950 ns, 0.95 µs" << "";
    QTest::newRow("units converted") << "{{s BM_Batch/iterations:1/manual_time}} s, {{ms BM_Floor/iterations:1/manual_time}} ms" << "2.50 s, 500.0 ms" << "";
    QTest::newRow("counter") << "{{value BM_Batch/iterations:1/manual_time records_per_s 0}}/s" << "400000/s" << "";
    QTest::newRow("ratio of times") << "{{ratio BM_Batch/iterations:1/manual_time BM_Floor/iterations:1/manual_time}}×" << "5.00×" << "";
    QTest::newRow("ratio of counters") << "{{ratio BM_Batch/iterations:1/manual_time BM_Floor/iterations:1/manual_time peak_rss_MiB}}" << "1.25" << "";
    QTest::newRow("below: met") << "{{below BM_Pass 1000}}" << "met" << "";
    QTest::newRow("below: missed at the limit") << "{{below BM_Pass 950}}" << "**missed**" << "";
    QTest::newRow("at least: met at the limit") << "{{atleast BM_Batch/iterations:1/manual_time records_per_s 400000}}" << "met" << "";
    QTest::newRow("at least: missed") << "{{atleast BM_Batch/iterations:1/manual_time records_per_s 400001}}" << "**missed**" << "";
    QTest::newRow("within: met at the factor") << "{{within BM_Batch/iterations:1/manual_time BM_Floor/iterations:1/manual_time 5}}" << "met" << "";
    QTest::newRow("within: missed") << "{{within BM_Batch/iterations:1/manual_time BM_Floor/iterations:1/manual_time 1.2 peak_rss_MiB}}" << "**missed**" << "";
    QTest::newRow("variable and text kept") << "| CPU | {{var cpu}} |\n{ not a placeholder }\n" << "| CPU | Some CPU {2} |\n{ not a placeholder }\n" << "";
    // Refused, the text before a placeholder notwithstanding.
    QTest::newRow("unknown run") << "before {{ns BM_Gone}}" << "" << "no median of BM_Gone";
    QTest::newRow("only a mean") << "before {{ns BM_Pass_mean}}" << "" << "no median of BM_Pass_mean";
    QTest::newRow("unknown counter") << "before {{value BM_Batch/iterations:1/manual_time bytes_per_s 0}}" << "" << "no counter bytes_per_s";
    QTest::newRow("unknown variable") << "before {{var os}}" << "" << "no variable os";
    QTest::newRow("unknown verb") << "before {{median BM_Pass}}" << "" << "unknown placeholder";
    QTest::newRow("missing word") << "before {{below BM_Pass}}" << "" << "unknown placeholder";
    QTest::newRow("limit not a number") << "before {{below BM_Pass fast}}" << "" << "unknown placeholder";
    // clang-format on
}

void tst_BenchReport::render()
{
    QFETCH(QString, errorPart);

    BenchReport report;
    QString error;
    QVERIFY2(report.addResults(kResults, QStringLiteral("results.json"), &error),
             qPrintable(error));
    report.setVariable(QStringLiteral("cpu"), QStringLiteral("Some CPU {2}"));
    const std::optional<QString> text = report.render(fetch<QString>("templateText"), &error);
    if (!errorPart.isEmpty()) {
        QVERIFY(!text);
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        return;
    }
    QVERIFY2(text, qPrintable(error));
    QTEST(*text, "expected");
}

void tst_BenchReport::refusesFailedOrForeignResults_data()
{
    addColumns<QByteArray, QString>({"json", "errorPart"});

    // clang-format off
    QTest::newRow("a failed benchmark") << QByteArray(R"({"benchmarks": [{"name": "BM_Batch", "run_name": "BM_Batch", "error_occurred": true, "error_message": "output check failed"}]})") << "BM_Batch failed: output check failed";
    QTest::newRow("not JSON") << QByteArray("name,iterations\n") << "not Google Benchmark";
    QTest::newRow("other JSON") << QByteArray(R"({"runs": []})") << "no \"benchmarks\" array";
    QTest::newRow("unknown time unit") << QByteArray(R"({"benchmarks": [{"run_name": "BM_X", "aggregate_name": "median", "real_time": 1, "time_unit": "fortnights"}]})") << "BM_X has no known time unit";
    // clang-format on
}

void tst_BenchReport::refusesFailedOrForeignResults()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, errorPart);

    BenchReport report;
    QString error;
    QVERIFY(!report.addResults(json, QStringLiteral("results.json"), &error));
    QVERIFY2(error.contains(errorPart), qPrintable(error));
    QVERIFY2(error.startsWith(QStringLiteral("results.json")), qPrintable(error));
}

QTEST_GUILESS_MAIN(tst_BenchReport)
#include "tst_BenchReport.moc"
