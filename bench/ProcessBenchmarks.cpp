// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Whole-program benchmarks, measured from the outside on child processes: the batch command
// over a generated collection, plain and with --identify (JSON Lines, CSV, with suggestions),
// and the window's start-up against a bare Qt program that shows the same kind of notice first,
// both worked from outside on the X display. Each repetition is one run of the child; the
// script asks for several and reads the medians.
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
#include <map>
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

// The batch file: the collection's lines in turn, three TAB-separated lines a record, made
// once for each size.
struct BatchFile
{
    QTemporaryDir dir;
    std::string path;
    qint64 records = 0;
    bool ok = false;
};

const BatchFile& batchFile(qint64 records)
{
    static std::map<qint64, std::unique_ptr<BatchFile>> files;
    std::unique_ptr<BatchFile>& file = files[records];
    if (file)
        return *file;
    file = std::make_unique<BatchFile>();
    file->records = records;
    if (!file->dir.isValid())
        return *file;
    const QString path = file->dir.filePath(QStringLiteral("records.tsv"));
    file->path = path.toStdString();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return *file;
    std::vector<QByteArray> lines;
    for (const BenchCode& code : collectionCodes())
        lines.push_back(QByteArray(code.line1) + '\t' + code.line2 + '\t' + code.line3 + '\n');
    for (qint64 i = 0; i < records; ++i)
        out.write(lines[static_cast<std::size_t>(i) % lines.size()]);
    file->ok = out.flush() && out.error() == QFileDevice::NoError;
    return *file;
}

// One way to run the batch: its options beyond --batch FILE.
struct BatchMode
{
    std::vector<std::string> options;
    bool csv = false;
    bool identify = false;
};

const BatchMode kPlain{{}, false, false};
const BatchMode kIdentify{{"--identify"}, false, true};
const BatchMode kIdentifyCsv{{"--identify", "--csv"}, true, true};
const BatchMode kSuggest{{"--identify", "--suggest"}, false, true};

ChildProcess::Options batchDecode(const BatchFile& file, const BatchMode& mode)
{
    ChildProcess::Options options;
    options.arguments = {TALLISK_DECODE_PATH, "--batch", file.path};
    options.arguments.insert(options.arguments.end(), mode.options.begin(), mode.options.end());
    options.timeoutSeconds = 600;
    return options;
}

bool finished(const ChildProcess::Result& run)
{
    return run.started && !run.timedOut && run.exitedNormally && run.exitStatus == 0;
}

// Checks the command's output once, outside the timed runs, on a file of its own: one record
// per input record, in order, none an error; as JSON each numbered, with the identity's key
// under --identify; as CSV one header row and one row per record.
std::string checkBatchOutput(const BatchMode& mode)
{
    constexpr qint64 kChecked = 20'000;
    const BatchFile& input = batchFile(kChecked);
    if (!input.ok)
        return "cannot write the batch file";
    const std::string outputPath = input.path + ".out";
    ChildProcess::Options options = batchDecode(input, mode);
    options.output = ChildProcess::Output::File;
    options.outputFile = outputPath;
    if (!finished(ChildProcess::run(options)))
        return "tallisk-decode --batch failed";
    // Read a line at a time: the memory this process ever holds is counted in its children's
    // peak (see docs/benchmarks.md), so it stays small.
    QFile out(QString::fromStdString(outputPath));
    if (!out.open(QIODevice::ReadOnly))
        return "cannot read the batch output";
    qint64 number = 0;
    if (mode.csv) {
        // Rows end with CR LF outside quotes (a cell may hold line breaks of its own).
        bool quoted = false;
        char previous = 0;
        while (!out.atEnd()) {
            const QByteArray block = out.read(1 << 16);
            for (const char c : block) {
                if (c == '"')
                    quoted = !quoted;
                else if (c == '\n' && previous == '\r' && !quoted)
                    ++number;
                previous = c;
            }
        }
        out.remove();
        if (number != kChecked + 1)
            return "the CSV does not hold a header and one row per record";
        return {};
    }
    while (!out.atEnd()) {
        const QByteArray line = out.readLine();
        if (line.isEmpty())
            break;
        ++number;
        if (!line.startsWith("{") || line.contains("\"error\""))
            return "record " + std::to_string(number) + " is not a decoded record";
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.value(QStringLiteral("record")).toInteger() != number ||
            !object.contains(QStringLiteral("fields")) ||
            object.contains(QStringLiteral("identity")) != mode.identify)
            return "record " + std::to_string(number) + " is numbered or formed wrongly";
    }
    out.remove();
    if (number != kChecked)
        return "the batch wrote " + std::to_string(number) + " records, not " +
               std::to_string(kChecked);
    return {};
}

void BM_Batch(benchmark::State& state, const BatchMode& mode, qint64 records)
{
    const BatchFile& file = batchFile(records);
    if (!file.ok) {
        state.SkipWithError("cannot write the batch file");
        return;
    }
    const std::string checked = checkBatchOutput(mode);
    if (!checked.empty()) {
        state.SkipWithError(checked.c_str());
        return;
    }
    // Once, untimed: it brings the file into the page cache for every timed run alike.
    if (!finished(ChildProcess::run(batchDecode(file, mode)))) {
        state.SkipWithError("tallisk-decode --batch failed");
        return;
    }
    for (auto _ : state) {
        const ChildProcess::Result run = ChildProcess::run(batchDecode(file, mode));
        if (!finished(run)) {
            state.SkipWithError("tallisk-decode --batch failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        state.counters["records_per_s"] = static_cast<double>(records) / run.seconds;
        state.counters["peak_rss_MiB"] = mebibytes(run.peakRssKiB);
    }
}

// The batch, plain and with --identify, over the whole file; and once more over a tenth of it
// with suggestions, whose index is the most the command holds, for the memory's growth.
#define TALLISK_BATCH(name, mode, records)                                                         \
    BENCHMARK_CAPTURE(BM_Batch, name, mode, records)                                               \
        ->Iterations(1)                                                                            \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)
TALLISK_BATCH(plain, kPlain, recordCount());
TALLISK_BATCH(identify, kIdentify, recordCount());
TALLISK_BATCH(identify_csv, kIdentifyCsv, recordCount());
TALLISK_BATCH(suggest, kSuggest, recordCount());
TALLISK_BATCH(suggest_tenth, kSuggest, recordCount() / 10);

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
