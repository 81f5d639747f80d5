// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Whole-program benchmarks, measured from the outside on child processes: the batch command
// over a generated file against a program that only reads that file, and the window's start-up
// against a bare Qt program that shows the same kind of notice first, both worked from outside
// on the X display. Each repetition is one run of the child; the script asks for several and
// reads the medians.
#include "BenchCodes.h"
#include "ChildProcess.h"
#include "WindowWatch.h"
#include <benchmark/benchmark.h>
#include <poll.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace tallisk::bench;

namespace {

constexpr qint64 kDefaultRecords = 1'000'000;
// The title of both window programs' start-up notice.
constexpr const char* kNoticeTitle = "Please take note...";

qint64 recordCount()
{
    bool ok = false;
    const qint64 wanted = qEnvironmentVariableIntValue("TALLISK_BENCH_RECORDS", &ok);
    return ok && wanted > 0 ? wanted : kDefaultRecords;
}

double mebibytes(long kib)
{
    return static_cast<double>(kib) / 1024.0;
}

// The batch file: the mixed codes in turn, three TAB-separated lines a record, made once.
struct BatchFile
{
    QTemporaryDir dir;
    std::string path;
    std::string outputPath;
    qint64 records = 0;
    bool ok = false;
};

const BatchFile& batchFile()
{
    static const std::unique_ptr<BatchFile> file = [] {
        auto made = std::make_unique<BatchFile>();
        made->records = recordCount();
        if (!made->dir.isValid())
            return made;
        const QString path = made->dir.filePath(QStringLiteral("records.tsv"));
        made->path = path.toStdString();
        made->outputPath = made->dir.filePath(QStringLiteral("records.jsonl")).toStdString();
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return made;
        const auto codes = mixedCodes();
        std::vector<QByteArray> lines;
        for (const BenchCode& code : codes)
            lines.push_back(QByteArray(code.line1) + '\t' + code.line2 + '\t' + code.line3 + '\n');
        for (qint64 i = 0; i < made->records; ++i)
            out.write(lines[static_cast<std::size_t>(i) % lines.size()]);
        made->ok = out.flush() && out.error() == QFileDevice::NoError;
        return made;
    }();
    return *file;
}

// Checks the command's output once, outside the timed runs: one JSON object per record,
// numbered in order, none of them an error.
std::string checkBatchOutput(const BatchFile& file)
{
    QFile out(QString::fromStdString(file.outputPath));
    if (!out.open(QIODevice::ReadOnly))
        return "cannot read the batch output";
    qint64 number = 0;
    while (!out.atEnd()) {
        const QByteArray line = out.readLine();
        if (line.isEmpty())
            break;
        ++number;
        // Every record is checked for being a record; every 997th is parsed through.
        if (!line.startsWith("{") || line.contains("\"error\""))
            return "record " + std::to_string(number) + " is not a decoded record";
        if (number % 997 == 1) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            if (object.value(QStringLiteral("record")).toInteger() != number ||
                !object.contains(QStringLiteral("fields")))
                return "record " + std::to_string(number) + " is numbered or formed wrongly";
        }
    }
    out.remove();
    if (number != file.records)
        return "the batch wrote " + std::to_string(number) + " records, not " +
               std::to_string(file.records);
    return {};
}

ChildProcess::Options batchDecode(const BatchFile& file)
{
    ChildProcess::Options options;
    options.arguments = {TALLISK_DECODE_PATH, "--batch", file.path};
    options.timeoutSeconds = 600;
    return options;
}

ChildProcess::Options readFloor(const BatchFile& file)
{
    ChildProcess::Options options;
    options.arguments = {TALLISK_READ_FLOOR_PATH, file.path};
    options.output = ChildProcess::Output::Capture;
    options.timeoutSeconds = 600;
    return options;
}

void reportBatch(benchmark::State& state, const ChildProcess::Result& run, qint64 records)
{
    state.SetIterationTime(run.seconds);
    state.counters["records_per_s"] = static_cast<double>(records) / run.seconds;
    state.counters["peak_rss_MiB"] = mebibytes(run.peakRssKiB);
}

bool finished(const ChildProcess::Result& run)
{
    return run.started && !run.timedOut && run.exitedNormally && run.exitStatus == 0;
}

void BM_Batch_Decode(benchmark::State& state)
{
    const BatchFile& file = batchFile();
    if (!file.ok) {
        state.SkipWithError("cannot write the batch file");
        return;
    }
    // Once, untimed: a run whose output is kept and checked; it also brings the file into
    // the page cache, as the floor's first run finds it.
    static const std::string checked = [&] {
        ChildProcess::Options options = batchDecode(file);
        options.output = ChildProcess::Output::File;
        options.outputFile = file.outputPath;
        if (!finished(ChildProcess::run(options)))
            return std::string("tallisk-decode --batch failed");
        return checkBatchOutput(file);
    }();
    if (!checked.empty()) {
        state.SkipWithError(checked.c_str());
        return;
    }
    for (auto _ : state) {
        const ChildProcess::Result run = ChildProcess::run(batchDecode(file));
        if (!finished(run)) {
            state.SkipWithError("tallisk-decode --batch failed");
            return;
        }
        reportBatch(state, run, file.records);
    }
}
BENCHMARK(BM_Batch_Decode)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Batch_ReadFloor(benchmark::State& state)
{
    const BatchFile& file = batchFile();
    if (!file.ok) {
        state.SkipWithError("cannot write the batch file");
        return;
    }
    const std::string expected = std::to_string(file.records) + "\n";
    for (auto _ : state) {
        const ChildProcess::Result run = ChildProcess::run(readFloor(file));
        if (!finished(run) || run.output != expected) {
            state.SkipWithError("the read floor did not read every record");
            return;
        }
        reportBatch(state, run, file.records);
    }
}
BENCHMARK(BM_Batch_ReadFloor)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Presses keys on the display through xdotool, to the window that has the focus, as a user
// would; outside the timed part of a run.
bool pressKeys(const std::vector<std::string>& keys)
{
    ChildProcess::Options options;
    options.arguments = {TALLISK_XDOTOOL_PATH, "key", "--delay", "30"};
    options.arguments.insert(options.arguments.end(), keys.begin(), keys.end());
    options.timeoutSeconds = 20;
    return finished(ChildProcess::run(options));
}

struct WindowRun
{
    ChildProcess::Result child;
    double noticeSeconds = 0; // spawn to the notice mapped on the display
    const char* failure = nullptr;
};

// A user's pause between seeing a window and pressing a key: the toolkit takes the keys only
// once it has dealt with the window's first events, and both programs get the same pause.
void settle()
{
    poll(nullptr, 0, 200);
}

// One whole run of a window program, worked from outside: the notice is mapped and focused,
// Return presses its OK, the main window is mapped and focused, and File, Exit (Alt+F, X)
// ends the program.
WindowRun runWindowProgram(const char* path, const char* mainTitle)
{
    WindowRun run;
    static WindowWatch watch;
    watch.forgetEarlierEvents();
    if (!watch.connected()) {
        run.failure = "cannot watch the X display";
        return run;
    }
    ChildProcess::Options options;
    options.arguments = {path};
    options.environment = {"QT_QPA_PLATFORM=xcb", "QT_SCALE_FACTOR=1"};
    options.timeoutSeconds = 60;
    options.driver = [&](double spawnedAt, double deadline) {
        double mappedAt = 0;
        if (watch.awaitWindow(kNoticeTitle, deadline, &mappedAt) == 0) {
            run.failure = "the notice was not mapped and focused";
            return false;
        }
        run.noticeSeconds = mappedAt - spawnedAt;
        settle();
        if (!pressKeys({"Return"})) {
            run.failure = "xdotool could not press Return";
            return false;
        }
        if (watch.awaitWindow(mainTitle, deadline) == 0) {
            run.failure = "the main window was not mapped and focused after Return";
            return false;
        }
        settle();
        if (!pressKeys({"alt+f", "x"})) {
            run.failure = "xdotool could not press Alt+F, X";
            return false;
        }
        return true;
    };
    run.child = ChildProcess::run(options);
    if (run.failure == nullptr && !finished(run.child))
        run.failure = "the program did not end well after File, Exit";
    return run;
}

// Spawn to the notice being mapped, and the peak memory of the whole run (notice, then the
// main window until File, Exit has ended the program).
void measureWindow(benchmark::State& state, const char* path, const char* mainTitle, bool& warmedUp)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X display: run under xvfb-run -a");
        return;
    }
    // One untimed run first, so neither program pays alone for a cold font or X cache.
    if (!warmedUp) {
        const WindowRun run = runWindowProgram(path, mainTitle);
        if (run.failure != nullptr) {
            state.SkipWithError(run.failure);
            return;
        }
        warmedUp = true;
    }
    for (auto _ : state) {
        const WindowRun run = runWindowProgram(path, mainTitle);
        if (run.failure != nullptr) {
            state.SkipWithError(run.failure);
            return;
        }
        state.SetIterationTime(run.noticeSeconds);
        state.counters["startup_ms"] = run.noticeSeconds * 1000.0;
        state.counters["peak_rss_MiB"] = mebibytes(run.child.peakRssKiB);
        state.counters["run_s"] = run.child.seconds;
    }
}

void BM_Window_Tallisk(benchmark::State& state)
{
    static bool warmedUp = false;
    measureWindow(state, TALLISK_WINDOW_PATH, "Tallisk (Beta)", warmedUp);
}
BENCHMARK(BM_Window_Tallisk)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Window_BareQt(benchmark::State& state)
{
    static bool warmedUp = false;
    measureWindow(state, TALLISK_BARE_WINDOW_PATH, "Bare Qt window", warmedUp);
}
BENCHMARK(BM_Window_BareQt)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
