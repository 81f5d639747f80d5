// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonLineWriter.h"

#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace tallisk::bench {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendUtf8(QByteArray& out, char32_t c)
{
    if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
    }
    out += char(0x80 | (c & 0x3F));
}

} // namespace

JsonLineWriter::JsonLineWriter()
{
    static_assert(sizeof m_sortedFields / sizeof m_sortedFields[0] == kFieldCount);
    std::iota(std::begin(m_sortedFields), std::end(m_sortedFields), 0);
    std::sort(std::begin(m_sortedFields), std::end(m_sortedFields), [](int a, int b) {
        return std::strcmp(fieldTable()[static_cast<std::size_t>(a)].jsonKey,
                           fieldTable()[static_cast<std::size_t>(b)].jsonKey) < 0;
    });
}

void JsonLineWriter::appendString(QByteArray& out, const QString& text)
{
    out += '"';
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    while (p != end) {
        const char16_t u = (p++)->unicode();
        if (u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\') {
            out += char(u);
        } else if (u < 0x80) {
            out += '\\';
            switch (u) {
            case u'"':
                out += '"';
                break;
            case u'\\':
                out += '\\';
                break;
            case u'\b':
                out += 'b';
                break;
            case u'\f':
                out += 'f';
                break;
            case u'\n':
                out += 'n';
                break;
            case u'\r':
                out += 'r';
                break;
            case u'\t':
                out += 't';
                break;
            default:
                out += "u00";
                out += kHex[u >> 4];
                out += kHex[u & 0xF];
            }
        } else if (QChar::isHighSurrogate(u) && p != end && p->isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(u, (p++)->unicode()));
        } else if (QChar::isSurrogate(u)) {
            // A lone surrogate has no UTF-8 form; QJsonDocument writes it as an escape.
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(u >> shift) & 0xF];
        } else {
            appendUtf8(out, u);
        }
    }
    out += '"';
}

void JsonLineWriter::write(QByteArray& out, const DecodeRecord& record, PassOutcome outcome,
                           qint64 number) const
{
    out.clear();
    out += "{\"completed\":";
    out += outcome == PassOutcome::Completed ? "true" : "false";
    out += ",\"fields\":{";
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldInfo& info = fieldTable()[static_cast<std::size_t>(m_sortedFields[i])];
        if (i > 0)
            out += ',';
        out += '"';
        out += info.jsonKey;
        out += "\":";
        appendString(out, record.field(info.field));
    }
    out += "},\"line1\":";
    appendString(out, record.line1());
    out += ",\"line2\":";
    appendString(out, record.line2());
    out += ",\"line3\":";
    appendString(out, record.line3());
    out += ",\"messages\":[";
    for (qsizetype i = 0; i < record.messages().size(); ++i) {
        if (i > 0)
            out += ',';
        appendString(out, record.messages()[i]);
    }
    out += "],\"model_name\":";
    appendString(out, record.modelName());
    out += ",\"record\":";
    out += QByteArray::number(number);
    out += '}';
}

} // namespace tallisk::bench
