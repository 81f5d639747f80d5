// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// In-process benchmarks of the decode pass, whose target is a median under a microsecond: the
// worked example pressed again and again, and the mixed codes in turn.
#include "BenchCodes.h"
#include "DecodePass.h"
#include "DecodeRecord.h"
#include <benchmark/benchmark.h>

#include <QString>

#include <vector>

using namespace tallisk;
using namespace tallisk::bench;

namespace {

struct Lines
{
    QString line1, line2, line3;
};

Lines linesOf(const BenchCode& code)
{
    return {QString::fromLatin1(code.line1), QString::fromLatin1(code.line2),
            QString::fromLatin1(code.line3)};
}

// "Check" pressed again on the worked example: the same record, pass after pass. The example
// shows no message, so nothing accumulates between passes.
void BM_DecodePass_WorkedExample(benchmark::State& state)
{
    const Lines lines = linesOf(workedExample());
    DecodeRecord record(lines.line1, lines.line2, lines.line3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(runDecodePass(record));
        benchmark::ClobberMemory();
    }
    if (record.field(Field::Core) != u"Barton" || !record.messages().isEmpty())
        state.SkipWithError("the worked example did not decode as a Barton");
}
BENCHMARK(BM_DecodePass_WorkedExample);

// One pass per iteration over the mixed set in turn, each on a fresh record as a batch
// decodes it (a declined code's message would otherwise pile up on a reused one).
void BM_DecodePass_Mixed(benchmark::State& state)
{
    std::vector<Lines> codes;
    for (const BenchCode& code : mixedCodes())
        codes.push_back(linesOf(code));
    std::size_t next = 0;
    for (auto _ : state) {
        const Lines& code = codes[next];
        next = next + 1 == codes.size() ? 0 : next + 1;
        DecodeRecord record(code.line1, code.line2, code.line3);
        benchmark::DoNotOptimize(runDecodePass(record));
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_DecodePass_Mixed);

} // namespace

BENCHMARK_MAIN();
