// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tallisk-bench-window: the real main window, on Qt's offscreen platform, with lines of a
// million and ten million characters in its three boxes: filling them, then pressing "Check".
#include "BenchCodes.h"
#include "MessageBoxes.h"
#include "frmMain.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace tallisk;
using namespace tallisk::bench;

constexpr const char* kBoxes[] = {"Text1", "Text2", "Text3"};

// The worked example stretched by filler where the pass reads nothing, as in the decoder's
// long-line benchmark.
QStringList stretchedLines(const benchmark::State& state)
{
    const qsizetype chars = state.range(0);
    const bool wide = state.range(1) != 0;
    return {paddedLine("AXDA2500DKV4D", "", chars, wide),
            paddedLine("ABCDEFG18HIJ", "1234", chars, wide),
            paddedLine("JIUHB0312", "XPMW", chars, wide)};
}

void fillBoxes(frmMain& window, const QStringList& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        window.findChild<QLineEdit*>(QLatin1StringView(kBoxes[i]))->setText(lines[i]);
}

bool decodedAsExample(const frmMain& window)
{
    const auto* core = window.findChild<QLabel*>(QStringLiteral("lblCore"));
    return core != nullptr && core->text() == u"Barton" && MessageBoxes::recorded().isEmpty();
}

// "Check" with the boxes filled: the pass over the boxes' texts and the seventeen labels. The
// counter fill_ms is what the toolkit does with such lines first, before anyone presses
// "Check": the three boxes take the texts and the window paints once.
void BM_WindowCheck_LongLines(benchmark::State& state)
{
    const QStringList lines = stretchedLines(state);
    frmMain window;
    window.show();
    QApplication::processEvents();
    QElapsedTimer fill;
    fill.start();
    fillBoxes(window, lines);
    QApplication::processEvents();
    const qint64 fillNs = fill.nsecsElapsed();

    auto* check = window.findChild<QPushButton*>(QStringLiteral("Command2"));
    for (auto _ : state)
        check->click();
    if (!decodedAsExample(window))
        state.SkipWithError("the stretched lines did not decode as the worked example");
    state.counters["chars"] = static_cast<double>(state.range(0));
    state.counters["fill_ms"] = static_cast<double>(fillNs) / 1e6;
}
BENCHMARK(BM_WindowCheck_LongLines)
    ->ArgNames({"chars", "wide"})
    ->ArgsProduct({{1'000'000, 10'000'000}, {0, 1}})
    ->Iterations(1000) // a fixed count, so the costly filling runs once a repetition
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A box the pass should not show is answered and recorded, never left waiting.
    MessageBoxes::setRecording(true);
    MessageBoxes::setDefaultAnswer(QMessageBox::Ok);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
