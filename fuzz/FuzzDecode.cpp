// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// libFuzzer target: the input is three lines of a marking code; one full decode pass runs over
// them as "Check" would, and the result is rendered as the HTML export. Besides crashes and
// sanitizer reports, it aborts on any broken promise of the decoder or the export. (The
// command's record path and its JSON are fuzzed by FuzzJson.cpp.)
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "FuzzInput.h"
#include "HtmlTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

using namespace tallisk;
using namespace tallisk::fuzz;

namespace {

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzInput input(data, size);
    const QString& line1 = input.lines[0];
    const QString& line2 = input.lines[1];
    const QString& line3 = input.lines[2];

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

    return 0;
}
