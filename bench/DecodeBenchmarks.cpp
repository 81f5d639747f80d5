// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// In-process benchmarks: one decode pass against a floor that does only the target's share of
// the work, rendering the export, very long lines, and the per-record steps of a batch.
#include "BenchCodes.h"
#include "DecodeCommand.h"
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "HtmlTable.h"
#include "JsonResultWriter.h"
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <vector>

using namespace tallisk;
using namespace tallisk::bench;

namespace {

// A code ready to decode, with what its pass writes, for the floor to write the same.
struct PreparedCode
{
    QString line1, line2, line3;
    FieldTexts written;
    QString modelName;
    PassOutcome outcome = PassOutcome::Completed;
    QByteArray batchLine; // the record as a batch file holds it, line ending included
};

PreparedCode prepare(const BenchCode& code)
{
    PreparedCode prepared;
    prepared.line1 = QString::fromLatin1(code.line1);
    prepared.line2 = QString::fromLatin1(code.line2);
    prepared.line3 = QString::fromLatin1(code.line3);
    DecodeRecord record(prepared.line1, prepared.line2, prepared.line3);
    prepared.outcome = runDecodePass(record);
    prepared.written = record.fieldTexts();
    prepared.modelName = record.modelName();
    prepared.batchLine =
        (prepared.line1 + u'\t' + prepared.line2 + u'\t' + prepared.line3 + u'\n').toUtf8();
    return prepared;
}

const std::vector<PreparedCode>& mixed()
{
    static const std::vector<PreparedCode> codes = [] {
        std::vector<PreparedCode> prepared;
        for (const BenchCode& code : mixedCodes())
            prepared.push_back(prepare(code));
        return prepared;
    }();
    return codes;
}

// Hands out the items of a list in turn, round and round: one per benchmark iteration.
template <typename T> class InTurn
{
public:
    explicit InTurn(const std::vector<T>& items) : m_items(items) {}

    const T& next()
    {
        const T& item = m_items[m_next];
        m_next = m_next + 1 == m_items.size() ? 0 : m_next + 1;
        return item;
    }

private:
    const std::vector<T>& m_items;
    std::size_t m_next = 0;
};

const PreparedCode& example()
{
    static const PreparedCode code = prepare(workedExample());
    return code;
}

// The target's share of a pass and nothing else: empty the seventeen fields, then write each
// one the text the pass would leave there.
void clearAndWrite(DecodeRecord& record, const FieldTexts& texts)
{
    record.ClearLbl();
    for (const FieldInfo& info : fieldTable())
        record.setField(info.field, texts[fieldIndex(info.field)]);
}

// "Check" pressed again on the worked example: the same record, pass after pass. The example
// shows no message, so nothing accumulates between passes.
void BM_DecodePass_WorkedExample(benchmark::State& state)
{
    const PreparedCode& code = example();
    DecodeRecord record(code.line1, code.line2, code.line3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(runDecodePass(record));
        benchmark::ClobberMemory();
    }
    if (record.field(Field::Core) != u"Barton" || !record.messages().isEmpty())
        state.SkipWithError("the worked example did not decode as a Barton");
}
BENCHMARK(BM_DecodePass_WorkedExample);

void BM_Floor_WorkedExample(benchmark::State& state)
{
    const PreparedCode& code = example();
    DecodeRecord record(code.line1, code.line2, code.line3);
    for (auto _ : state) {
        clearAndWrite(record, code.written);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Floor_WorkedExample);

// One pass per iteration over the mixed set in turn, each on a fresh record as a batch
// decodes it (a declined code's message would otherwise pile up on a reused one).
void BM_DecodePass_Mixed(benchmark::State& state)
{
    InTurn codes(mixed());
    for (auto _ : state) {
        const PreparedCode& code = codes.next();
        DecodeRecord record(code.line1, code.line2, code.line3);
        benchmark::DoNotOptimize(runDecodePass(record));
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_DecodePass_Mixed);

void BM_Floor_Mixed(benchmark::State& state)
{
    InTurn codes(mixed());
    for (auto _ : state) {
        const PreparedCode& code = codes.next();
        DecodeRecord record(code.line1, code.line2, code.line3);
        clearAndWrite(record, code.written);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_Floor_Mixed);

void BM_RenderExport_WorkedExample(benchmark::State& state)
{
    const PreparedCode& code = example();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray html = HtmlTable::render(code.modelName, code.written);
        bytes = html.size();
        benchmark::DoNotOptimize(html.constData());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}
BENCHMARK(BM_RenderExport_WorkedExample);

// The worked example with each of its three lines stretched to `chars` characters by filler
// in the middle, where the pass reads nothing: ASCII, or a character outside the BMP (wide=1).
void BM_DecodePass_LongLines(benchmark::State& state)
{
    const qsizetype chars = state.range(0);
    const bool wide = state.range(1) != 0;
    const QString line1 = paddedLine("AXDA2500DKV4D", "", chars, wide);
    const QString line2 = paddedLine("ABCDEFG18HIJ", "1234", chars, wide);
    const QString line3 = paddedLine("JIUHB0312", "XPMW", chars, wide);
    const FieldTexts expected = example().written;
    bool same = true;
    for (auto _ : state) {
        DecodeRecord record(line1, line2, line3);
        benchmark::DoNotOptimize(runDecodePass(record));
        same = same && record.fieldTexts() == expected;
    }
    if (!same)
        state.SkipWithError("the stretched lines did not decode as the worked example");
    state.counters["chars"] = static_cast<double>(chars);
}
BENCHMARK(BM_DecodePass_LongLines)
    ->ArgNames({"chars", "wide"})
    ->ArgsProduct({{1'000'000, 10'000'000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The per-record steps of `tallisk-decode --batch`, apart, over the mixed set: reading the
// record (UTF-8 and TAB split, as the command does), the pass, and writing its JSON line.
// The command's own split; every benchmarked record is readable.
QStringList splitBatchLine(const QByteArray& line)
{
    QStringList lines;
    DecodeCommand::splitRecord(line, &lines);
    return lines;
}

// The command's JSON line, by its own writer, into a buffer that is reused.
void jsonLine(QByteArray& out, const DecodeRecord& record, PassOutcome outcome, qint64 number)
{
    static JsonResultWriter writer(JsonWriter::Style::Compact);
    out.resize(0);
    writer.writeResult(out, {record, outcome}, number);
}

// The same line built with the toolkit, QJsonObject then QJsonDocument: what the command did
// before it had its own writer, and what that writer is checked against.
QByteArray toolkitJsonLine(const DecodeRecord& record, PassOutcome outcome, qint64 number)
{
    QJsonObject object = DecodeCommand::resultJson(record, outcome);
    object.insert(QStringLiteral("record"), number);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

void BM_BatchStep_ReadRecord(benchmark::State& state)
{
    InTurn codes(mixed());
    for (auto _ : state) {
        const QStringList lines = splitBatchLine(codes.next().batchLine);
        benchmark::DoNotOptimize(lines.constData());
    }
}
BENCHMARK(BM_BatchStep_ReadRecord);

const std::vector<std::pair<DecodeRecord, PassOutcome>>& decodedMixed()
{
    static const std::vector<std::pair<DecodeRecord, PassOutcome>> decoded = [] {
        std::vector<std::pair<DecodeRecord, PassOutcome>> passes;
        for (const PreparedCode& code : mixed()) {
            DecodeRecord record(code.line1, code.line2, code.line3);
            const PassOutcome outcome = runDecodePass(record);
            passes.emplace_back(std::move(record), outcome);
        }
        return passes;
    }();
    return decoded;
}

// The command's writer, after checking that it gives the toolkit's bytes for every mixed code
// and for a record of hostile text.
void BM_BatchStep_WriteJson(benchmark::State& state)
{
    std::vector<std::pair<DecodeRecord, PassOutcome>> decoded = decodedMixed();
    DecodeRecord hostile(QStringLiteral("AX\"\\\t\u00B0\u20AC") + QChar(0xD800) +
                             QString::fromUcs4(U"\U0001D7CF", 1),
                         QStringLiteral("x\r\ny") + QChar(0x01) + QChar(0xDC00), QString());
    const PassOutcome hostileOutcome = runDecodePass(hostile);
    decoded.emplace_back(std::move(hostile), hostileOutcome);

    QByteArray line;
    qint64 number = 0;
    for (const auto& [record, outcome] : decoded) {
        jsonLine(line, record, outcome, ++number);
        if (line != toolkitJsonLine(record, outcome, number)) {
            state.SkipWithError("the command's line differs from the toolkit's");
            return;
        }
    }
    decoded.pop_back(); // time the mixed codes only, as the other steps
    InTurn passes(decoded);
    for (auto _ : state) {
        const auto& [record, outcome] = passes.next();
        jsonLine(line, record, outcome, ++number);
        benchmark::DoNotOptimize(line.constData());
    }
}
BENCHMARK(BM_BatchStep_WriteJson);

// For comparison: the toolkit's way to the same line.
void BM_BatchStep_ToolkitJson(benchmark::State& state)
{
    InTurn passes(decodedMixed());
    qint64 number = 0;
    for (auto _ : state) {
        const auto& [record, outcome] = passes.next();
        const QByteArray line = toolkitJsonLine(record, outcome, ++number);
        benchmark::DoNotOptimize(line.constData());
    }
}
BENCHMARK(BM_BatchStep_ToolkitJson);

void BM_BatchStep_WholeRecord(benchmark::State& state)
{
    InTurn codes(mixed());
    qint64 number = 0;
    QByteArray line;
    for (auto _ : state) {
        const QStringList lines = splitBatchLine(codes.next().batchLine);
        DecodeRecord record(lines.value(0), lines.value(1), lines.value(2));
        const PassOutcome outcome = runDecodePass(record);
        jsonLine(line, record, outcome, ++number);
        benchmark::DoNotOptimize(line.constData());
    }
}
BENCHMARK(BM_BatchStep_WholeRecord);

// The same three stretched lines through the whole batch path: the record's bytes read as
// UTF-8 and split, the pass, and the JSON line, which carries the three lines back out. Every
// step has to touch each character, so this one grows with the length; it must not grow faster.
void BM_BatchStep_LongRecord(benchmark::State& state)
{
    const qsizetype chars = state.range(0);
    const bool wide = state.range(1) != 0;
    const QByteArray record = (paddedLine("AXDA2500DKV4D", "", chars, wide) + u'\t' +
                               paddedLine("ABCDEFG18HIJ", "1234", chars, wide) + u'\t' +
                               paddedLine("JIUHB0312", "XPMW", chars, wide) + u'\n')
                                  .toUtf8();
    qsizetype written = 0;
    for (auto _ : state) {
        const QStringList lines = splitBatchLine(record);
        DecodeRecord decoded(lines.value(0), lines.value(1), lines.value(2));
        const PassOutcome outcome = runDecodePass(decoded);
        QByteArray line;
        jsonLine(line, decoded, outcome, 1);
        written = line.size();
        benchmark::DoNotOptimize(line.constData());
    }
    if (written < record.size())
        state.SkipWithError("the JSON line is shorter than the record it carries");
    state.counters["chars"] = static_cast<double>(chars);
}
BENCHMARK(BM_BatchStep_LongRecord)
    ->ArgNames({"chars", "wide"})
    ->ArgsProduct({{1'000'000, 10'000'000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
