// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// libFuzzer target: the input is three lines of a marking code; one full decode pass runs over
// them as "Check" would, and the result is rendered as the HTML export. The same bytes then go
// through tallisk-decode's batch path as one record, identification included. Besides crashes
// and sanitizer reports, it aborts on any broken promise of the decoder, the export or the
// command.
#include "DecodeCommand.h"
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "HtmlTable.h"
#include "PartIdentifier.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tallisk;

namespace {

[[noreturn]] void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "invariant broken: %s %s\n", what, qUtf8Printable(detail));
    std::abort();
}

void check(bool holds, const char* what, const QString& detail = {})
{
    if (!holds)
        fail(what, detail);
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// UTF-8 as a paste may bring it: surrogate code points encoded in three bytes are kept, so the
// fuzzer reaches lone surrogates; any other malformed sequence becomes U+FFFD, one per byte.
QString decodeUtf8(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto byte = [&bytes](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0U;
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const unsigned char lead = byte(i);
        char32_t codePoint = 0;
        qsizetype length = 1;
        if (lead < 0x80) {
            codePoint = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF && isContinuation(byte(i + 1))) {
            codePoint = (char32_t(lead & 0x1F) << 6) | (byte(i + 1) & 0x3F);
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF && isContinuation(byte(i + 1)) &&
                   isContinuation(byte(i + 2)) && (lead != 0xE0 || byte(i + 1) >= 0xA0)) {
            codePoint = (char32_t(lead & 0x0F) << 12) | (char32_t(byte(i + 1) & 0x3F) << 6) |
                        (byte(i + 2) & 0x3F);
            length = 3;
        } else if (lead >= 0xF0 && lead <= 0xF4 && isContinuation(byte(i + 1)) &&
                   isContinuation(byte(i + 2)) && isContinuation(byte(i + 3)) &&
                   (lead != 0xF0 || byte(i + 1) >= 0x90) && (lead != 0xF4 || byte(i + 1) < 0x90)) {
            codePoint = (char32_t(lead & 0x07) << 18) | (char32_t(byte(i + 1) & 0x3F) << 12) |
                        (char32_t(byte(i + 2) & 0x3F) << 6) | (byte(i + 3) & 0x3F);
            length = 4;
        } else {
            codePoint = 0xFFFD;
        }
        if (codePoint > 0xFFFF) {
            text.append(QChar(QChar::highSurrogate(codePoint)));
            text.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            text.append(QChar(char16_t(codePoint)));
        }
        i += length;
    }
    return text;
}

// The text a rendered cell stands for, or a failure: raw markup characters, bytes that the
// export never writes raw (C1 controls) and malformed references are all faults.
QString unescapeCell(QByteArrayView cell)
{
    QString text;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cell[i]);
        check(byte != '<' && byte != '>' && byte != '"', "raw markup character in a cell");
        check(byte < 0x80 || byte >= 0xA0, "raw C1 byte in a cell");
        if (byte != '&') {
            text.append(QChar(char16_t(byte)));
            continue;
        }
        const qsizetype end = cell.indexOf(';', i);
        check(end > i, "unterminated reference in a cell");
        const QByteArrayView name = cell.sliced(i + 1, end - i - 1);
        if (name == "amp")
            text.append(u'&');
        else if (name == "lt")
            text.append(u'<');
        else if (name == "gt")
            text.append(u'>');
        else if (name == "quot")
            text.append(u'"');
        else {
            check(name.size() > 1 && name[0] == '#', "unknown reference in a cell");
            bool ok = false;
            const uint codePoint = name.sliced(1).toUInt(&ok);
            check(ok && codePoint <= 0x10FFFF, "bad numeric reference in a cell");
            if (codePoint > 0xFFFF) {
                text.append(QChar(QChar::highSurrogate(codePoint)));
                text.append(QChar(QChar::lowSurrogate(codePoint)));
            } else {
                text.append(QChar(char16_t(codePoint)));
            }
        }
        i = end;
    }
    return text;
}

// The content of a cell line: what follows the template's "&nbsp;" up to the closing tags.
QByteArrayView cellContent(QByteArrayView line, QByteArrayView closing)
{
    constexpr QByteArrayView kOpening = "&nbsp;";
    const qsizetype start = line.indexOf(kOpening);
    check(start >= 0 && line.endsWith(closing), "cell line out of shape",
          QString::fromLatin1(line.toByteArray()));
    const qsizetype from = start + kOpening.size();
    check(from <= line.size() - closing.size(), "cell line too short");
    return line.sliced(from, line.size() - closing.size() - from);
}

void checkRendering(const DecodeRecord& record)
{
    const FieldTexts fields = record.fieldTexts();
    const QByteArray html = HtmlTable::render(record.modelName(), fields);

    // Exactly 76 lines, each ended by CR LF, and no other CR or LF anywhere.
    check(html.endsWith("\r\n"), "rendering does not end with CR LF");
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '\n')
            fail("LF without CR");
        if (c != '\r')
            continue;
        check(i + 1 < html.size() && html[i + 1] == '\n', "CR without LF");
        lines.append(QByteArrayView(html).sliced(start, i - start));
        start = i + 2;
        ++i;
    }
    check(lines.size() == HtmlTable::kLineCount, "rendering is not 76 lines",
          QString::number(lines.size()));

    // Line 2 is the heading, then four lines per field with the value third.
    const QByteArrayView heading = cellContent(lines[2], "</b></font></td>");
    check(heading.startsWith("<b>"), "heading out of shape");
    check(unescapeCell(heading.sliced(3)) == record.modelName(),
          "caption not rendered without loss");
    for (const FieldInfo& info : fieldTable()) {
        const auto index = static_cast<qsizetype>(fieldIndex(info.field));
        const QString shown = unescapeCell(cellContent(lines[6 + 4 * index], "</font></td>"));
        check(shown == fields[fieldIndex(info.field)], "field not rendered without loss",
              QString::fromLatin1(info.jsonKey));
    }
}

// The three lines' bytes as one record of `tallisk-decode --batch`: the command's split is
// lossless or names why it refused, and its JSON line is one line that reads back as exactly the
// pass's result, with an identity only for a part the table knows.
void checkBatchRecord(const QByteArrayView (&parts)[3])
{
    const QByteArray bytes =
        parts[0].toByteArray() + '\t' + parts[1].toByteArray() + '\t' + parts[2].toByteArray();
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
    QJsonObject object = DecodeCommand::resultJson(record, outcome);
    DecodeCommand::addIdentity(object, record.line1(), record.field(Field::Stepping));
    object.insert(QStringLiteral("record"), 1);
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    check(!line.contains('\n') && !line.contains('\r'), "batch JSON is not one line");

    QJsonParseError error;
    const QJsonObject read = QJsonDocument::fromJson(line, &error).object();
    check(error.error == QJsonParseError::NoError, "batch JSON does not parse",
          error.errorString());
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
    // same line typed in another case answers the same; suggestions are only for unknown lines,
    // few, and each a part that is known.
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
        check(again && again->toJson() == object, "identity depends on the case typed");
        check(suggestions.isEmpty(), "suggestions beside an identity");
    } else {
        check(identity.isNull() && !again, "identity missing");
        check(suggestions.size() <= 5, "more than five suggestions");
        for (const QJsonValue& part : suggestions)
            check(PartIdentifier::identify(part.toString()).has_value(),
                  "suggestion of an unknown part", part.toString());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The input is split at its first two line feeds; the rest, less one final line feed (as a
    // text file ends), is line 3 and may hold further line breaks.
    QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (input.endsWith('\n'))
        input.chop(1);
    QByteArrayView parts[3];
    for (int i = 0; i < 2; ++i) {
        const qsizetype end = input.indexOf('\n');
        parts[i] = end < 0 ? input : input.first(end);
        input = end < 0 ? QByteArrayView() : input.sliced(end + 1);
    }
    parts[2] = input;
    const QString line1 = decodeUtf8(parts[0]);
    const QString line2 = decodeUtf8(parts[1]);
    const QString line3 = decodeUtf8(parts[2]);

    DecodeRecord record(line1, line2, line3);
    const PassOutcome outcome = runDecodePass(record);
    const QString waiting = QString::fromLatin1(kWaitingCaption);

    check(record.line1() == line1 && record.line2() == line2 && record.line3() == line3,
          "the pass changed a line");
    if (outcome == PassOutcome::EndedEarly)
        check(!record.messages().isEmpty(), "ended early without a message");
    // Not decoded: line 1 named no family that is decoded, so the caption never changed. Such a
    // pass ends at once, with one message, and has written nothing.
    if (record.modelName() == waiting) {
        check(outcome == PassOutcome::EndedEarly, "completed without recognising a family");
        check(record.messages().size() == 1, "not decoded, but not exactly one message");
        for (const QString& text : record.fieldTexts())
            check(text.isEmpty(), "not decoded, yet a field was written", text);
    }

    checkRendering(record);

    // The same lines decoded again, in a fresh record and by a second "Check" on the same one,
    // give the same result.
    DecodeRecord again(line1, line2, line3);
    check(runDecodePass(again) == outcome, "second pass, other outcome");
    check(again.fieldTexts() == record.fieldTexts(), "second pass, other fields");
    check(again.modelName() == record.modelName(), "second pass, other caption");
    check(again.messages() == record.messages(), "second pass, other messages");

    const FieldTexts first = record.fieldTexts();
    const qsizetype shown = record.messages().size();
    check(runDecodePass(record) == outcome, "repeated pass, other outcome");
    check(record.fieldTexts() == first && record.modelName() == again.modelName(),
          "repeated pass, other result");
    check(record.messages().mid(shown) == again.messages(), "repeated pass, other messages");

    checkBatchRecord(parts);
    return 0;
}
