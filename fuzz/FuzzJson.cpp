// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// libFuzzer target, differential: the input is three lines of a marking code, decoded once.
// tallisk-decode's own JSON writer writes the result (compact as a batch line, indented as
// --json; with and without --identify, sources whole or by id), walking the typed identity by
// its key list, and what it writes must read back with QJsonDocument exactly as the
// toolkit-built object of the same result does (PartIdentity::toJson(), written out key by key
// on its own), values and key order alike, byte for byte. The same bytes then go through the
// batch's record path as one record: its split is lossless or names why it refused, and its
// line reads back as the pass's result.
#include "DecodeCommand.h"
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "FuzzInput.h"
#include "Identification.h"
#include "JsonResultWriter.h"
#include "PartIdentifier.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace tallisk;
using namespace tallisk::fuzz;

namespace {

QJsonObject parsed(const QByteArray& json, const char* what)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    check(error.error == QJsonParseError::NoError && document.isObject(), what,
          error.errorString());
    return document.object();
}

// The keys of every object in `json`, in the order the text has them, depth first.
QStringList keyOrder(const QByteArray& json)
{
    QStringList keys;
    // A key is a string followed by a colon; strings are skipped whole, escapes included.
    for (qsizetype i = 0; i < json.size(); ++i) {
        if (json[i] != '"')
            continue;
        const qsizetype start = ++i;
        while (json[i] != '"')
            i += json[i] == '\\' ? 2 : 1;
        qsizetype next = i + 1;
        while (next < json.size() && (json[next] == ' ' || json[next] == '\n'))
            ++next;
        if (next < json.size() && json[next] == ':')
            keys << QString::fromUtf8(json.sliced(start, i - start));
    }
    return keys;
}

// The writer's form of one result against the toolkit's, in one style.
void compareWithToolkit(const DecodeResult& result, const QJsonObject& reference, qint64 number,
                        JsonWriter::Style style, Citations citations)
{
    const bool compact = style == JsonWriter::Style::Compact;
    QByteArray written;
    JsonResultWriter(style, citations).writeResult(written, result, number);
    QByteArray expected =
        QJsonDocument(reference).toJson(compact ? QJsonDocument::Compact : QJsonDocument::Indented);
    if (compact) {
        check(written.endsWith('\n') && written.count('\n') == 1, "batch line is not one line");
        expected += '\n';
    }
    const QJsonObject read = parsed(written, "written JSON does not parse");
    check(read == parsed(expected, "toolkit JSON does not parse"), "written JSON reads back other");
    check(keyOrder(written) == keyOrder(expected), "written JSON has its keys in another order");
    check(written == expected, "written JSON differs from the toolkit's bytes",
          QString::fromUtf8(written));
}

// The bytes as one record of `tallisk-decode --batch`.
void checkBatchRecord(const FuzzInput& input, const Identification& identified)
{
    const QByteArray bytes = input.bytes[0].toByteArray() + '\t' + input.bytes[1].toByteArray() +
                             '\t' + input.bytes[2].toByteArray();
    QStringList lines;
    const QString problem = DecodeCommand::splitRecord(bytes, &lines);
    if (!problem.isEmpty()) {
        // Only invalid UTF-8 or a TAB too many may be refused; ASCII in three fields never is.
        const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        check(!ascii || bytes.count('\t') > 2, "batch refused a readable record", problem);
        return;
    }
    QByteArray expected = bytes;
    if (expected.endsWith('\n'))
        expected.chop(1);
    if (expected.endsWith('\r'))
        expected.chop(1);
    check(lines.size() <= 3 && lines.join(u'\t').toUtf8() == expected,
          "batch split lost or changed bytes");

    DecodeRecord record(lines.value(0), lines.value(1), lines.value(2));
    const PassOutcome outcome = runDecodePass(record);
    // Identification (its search for suggestions) is the slow step: made again only for other
    // lines.
    const bool sameLine1 = record.line1() == input.lines[0];
    const Identification identification = sameLine1 ? identified : Identification::of(record);
    QByteArray line;
    JsonResultWriter(JsonWriter::Style::Compact, Citations::Ids)
        .writeResult(line, {record, record.messages(), outcome, &identification}, 1);
    const QJsonObject read = parsed(line, "batch JSON does not parse");
    check(read.value(u"record").toInteger() == 1, "batch JSON record number");
    check(read.value(u"line1").toString() == record.line1() &&
              read.value(u"line2").toString() == record.line2() &&
              read.value(u"line3").toString() == record.line3(),
          "batch JSON lost a line");
    check(read.value(u"model_name").toString() == record.modelName(), "batch JSON caption");
    const QJsonObject fields = read.value(u"fields").toObject();
    check(fields.size() == kFieldCount, "batch JSON field count");
    for (const FieldInfo& info : fieldTable())
        check(fields.value(QLatin1StringView(info.jsonKey)).toString() == record.field(info.field),
              "batch JSON field", QString::fromLatin1(info.jsonKey));
    QStringList messages;
    for (const QJsonValue& message : read.value(u"messages").toArray())
        messages << message.toString();
    check(messages == record.messages(), "batch JSON messages");
    check(read.value(u"completed").toBool() == (outcome == PassOutcome::Completed),
          "batch JSON completed");

    // An identity names exactly the normalised typed part, with its basis and sources; the
    // same line typed in another case answers the same; letters not read only with an answer
    // read from the part number; a reason and suggestions only for unknown lines, few, and each
    // a part answered whole.
    const QJsonValue identity = read.value(u"identity");
    const QJsonArray suggestions = read.value(u"suggestions").toArray();
    QString lower = record.line1();
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    const std::optional<PartIdentity> again =
        PartIdentifier::identify(lower, record.field(Field::Stepping));
    if (identity.isObject()) {
        const QJsonObject object = identity.toObject();
        check(object.value(u"part").toString() == PartIdentifier::normalise(record.line1()),
              "identity of another part");
        check(!object.value(u"basis").toString().isEmpty() &&
                  !object.value(u"sources").toArray().isEmpty(),
              "identity without basis or sources");
        check(again && again->toJson(Citations::Ids) == object,
              "identity depends on the case typed");
        check(suggestions.isEmpty() && read.value(u"reason").isNull(),
              "suggestions or a reason beside an identity");
        check(read.value(u"unread").toArray().isEmpty() ||
                  object.value(u"basis").toString() ==
                      QLatin1StringView(PartIdentity::kReadFromPartNumber),
              "letters not read beside a known part");
        // Each disagreement names a field whose text it quotes, and a value of the part's.
        for (const QJsonValue& disagreement : read.value(u"disagreements").toArray()) {
            const QString tables = disagreement[u"tables"].toString();
            check(fields.value(disagreement[u"field"].toString()) == QJsonValue(tables) &&
                      !disagreement[u"part"].toString().isEmpty() &&
                      disagreement[u"part"].toString() != tables,
                  "disagreement that is none", disagreement[u"field"].toString());
        }
    } else {
        check(identity.isNull() && !again, "identity missing");
        check(read.value(u"disagreements").toArray().isEmpty(), "disagreements without an answer");
        check(!read.value(u"reason").toString().isEmpty(), "not known without a reason");
        check(read.value(u"unread").toArray().isEmpty(), "letters not read without an answer");
        check(suggestions.size() <= 5, "more than five suggestions");
        for (const QJsonValue& part : suggestions) {
            const std::optional<PartIdentity> suggested = PartIdentifier::identify(part.toString());
            check(suggested && suggested->unread.isEmpty(), "suggestion of a part not known whole",
                  part.toString());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    DecodeRecord record(input.lines[0], input.lines[1], input.lines[2]);
    const PassOutcome outcome = runDecodePass(record);
    const Identification identification = Identification::of(record);

    // The toolkit-built objects, without and with what --identify adds (from the same lookup:
    // the search for suggestions is the slow step), sources whole and by id.
    const QJsonObject plain = DecodeCommand::resultJson(record, outcome);
    for (const Citations citations : {Citations::Whole, Citations::Ids}) {
        QJsonObject identified = plain;
        DecodeCommand::addIdentity(identified, identification, citations);
        for (const bool identify : {false, true}) {
            QJsonObject reference = identify ? identified : plain;
            const DecodeResult result{record, record.messages(), outcome,
                                      identify ? &identification : nullptr};
            compareWithToolkit(result, reference, 0, JsonWriter::Style::Indented, citations);
            reference.insert(QStringLiteral("record"), qint64(size) + 1);
            compareWithToolkit(result, reference, qint64(size) + 1, JsonWriter::Style::Compact,
                               citations);
        }
    }

    // A record that cannot be read has its own two-key line.
    QJsonObject unreadable{{QStringLiteral("error"), record.line3()},
                           {QStringLiteral("record"), 7}};
    QByteArray written;
    JsonResultWriter(JsonWriter::Style::Compact).writeUnreadable(written, record.line3(), 7);
    check(written == QJsonDocument(unreadable).toJson(QJsonDocument::Compact) + '\n',
          "unreadable record's line differs from the toolkit's");

    checkBatchRecord(input, identification);
    return 0;
}
