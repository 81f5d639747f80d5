// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonWriter.h"

#include "JsonNumber.h"

#include <QCborValue>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tallisk {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// Which ASCII characters a JSON string can hold as they are: not a control character, not
// the quote, not the backslash.
constexpr bool plainAscii(char16_t u)
{
    return u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\';
}

char* putEscape(char* p, char16_t u)
{
    *p++ = '\\';
    *p++ = 'u';
    *p++ = kHex[(u >> 12) & 0xF];
    *p++ = kHex[(u >> 8) & 0xF];
    *p++ = kHex[(u >> 4) & 0xF];
    *p++ = kHex[u & 0xF];
    return p;
}

} // namespace

JsonWriter::JsonWriter(QByteArray& out, Style style)
    : m_out(out), m_data(out.data()), m_size(out.size()), m_end(out.size()), m_style(style)
{}

JsonWriter::~JsonWriter()
{
    m_out.resize(m_end); // keeps the capacity for the next use
}

void JsonWriter::grow(qsizetype bytes)
{
    m_out.resize(m_end + qMax(bytes, qsizetype(4096))); // the capacity grows geometrically
    m_data = m_out.data();
    m_size = m_out.size();
}

void JsonWriter::raw(QByteArrayView bytes)
{
    std::memcpy(room(bytes.size()), bytes.data(), static_cast<std::size_t>(bytes.size()));
    m_end += bytes.size();
}

void JsonWriter::string(QStringView text)
{
    // Room for the worst case: six bytes per UTF-16 unit (\uXXXX) and the quotes.
    char* const start = room(2 + 6 * text.size());
    char* p = start;
    *p++ = '"';
    const char16_t* s = text.utf16();
    const char16_t* const end = s + text.size();
    while (s != end) {
        const char16_t u = *s++;
        if (plainAscii(u)) {
            *p++ = char(u);
        } else if (u < 0x80) {
            *p++ = '\\';
            switch (u) {
            case u'"':
                *p++ = '"';
                break;
            case u'\\':
                *p++ = '\\';
                break;
            case u'\b':
                *p++ = 'b';
                break;
            case u'\f':
                *p++ = 'f';
                break;
            case u'\n':
                *p++ = 'n';
                break;
            case u'\r':
                *p++ = 'r';
                break;
            case u'\t':
                *p++ = 't';
                break;
            default:
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = kHex[u >> 4];
                *p++ = kHex[u & 0xF];
            }
        } else if (u < 0x800) {
            *p++ = char(0xC0 | (u >> 6));
            *p++ = char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            *p++ = char(0xE0 | (u >> 12));
            *p++ = char(0x80 | ((u >> 6) & 0x3F));
            *p++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && s != end && QChar::isLowSurrogate(*s)) {
            const char32_t c = QChar::surrogateToUcs4(u, *s++);
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        } else {
            // A lone surrogate has no UTF-8 form; the toolkit writes it as an escape.
            p = putEscape(p, u);
        }
    }
    *p++ = '"';
    m_end += p - start;
}

void JsonWriter::indent(qsizetype depth)
{
    std::memset(room(4 * depth), ' ', static_cast<std::size_t>(4 * depth));
    m_end += 4 * depth;
}

void JsonWriter::separate()
{
    if (m_counts.isEmpty())
        return;
    if (m_counts.last()++ > 0)
        raw(m_style == Style::Compact ? QByteArrayView(",") : QByteArrayView(",\n"));
    if (m_style == Style::Indented)
        indent(static_cast<qsizetype>(m_counts.size()));
}

void JsonWriter::beginObject()
{
    beforeValue();
    raw(m_style == Style::Compact ? QByteArrayView("{") : QByteArrayView("{\n"));
    m_counts.append(0);
}

void JsonWriter::beginArray()
{
    beforeValue();
    raw(m_style == Style::Compact ? QByteArrayView("[") : QByteArrayView("[\n"));
    m_counts.append(0);
}

void JsonWriter::close(char bracket)
{
    const bool any = m_counts.last() > 0;
    m_counts.removeLast();
    if (m_style == Style::Indented) {
        if (any)
            raw("\n");
        indent(static_cast<qsizetype>(m_counts.size()));
    }
    raw(QByteArrayView(&bracket, 1));
    // The toolkit ends an indented document with a line feed.
    if (m_style == Style::Indented && m_counts.isEmpty())
        raw("\n");
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::key(QLatin1StringView name)
{
    // Keys of ours are plain ASCII: nothing to escape. The separator, the key and the colon
    // are written in one go, the common case of a batch line.
    const bool compact = m_style == Style::Compact;
    if (compact && !m_counts.isEmpty()) {
        char* p = room(name.size() + 4);
        if (m_counts.last()++ > 0)
            *p++ = ',';
        *p++ = '"';
        std::memcpy(p, name.data(), static_cast<std::size_t>(name.size()));
        p += name.size();
        *p++ = '"';
        *p++ = ':';
        m_end = p - m_data;
    } else {
        beforeValue();
        const qsizetype tail = compact ? 2 : 3;
        char* const p = room(1 + name.size() + tail);
        *p = '"';
        std::memcpy(p + 1, name.data(), static_cast<std::size_t>(name.size()));
        std::memcpy(p + 1 + name.size(), "\": ", static_cast<std::size_t>(tail));
        m_end += 1 + name.size() + tail;
    }
    m_afterKey = true;
}

void JsonWriter::key(const QString& name)
{
    beforeValue();
    string(name);
    raw(m_style == Style::Compact ? QByteArrayView(":") : QByteArrayView(": "));
    m_afterKey = true;
}

void JsonWriter::value(QStringView text)
{
    beforeValue();
    string(text);
}

void JsonWriter::value(QLatin1StringView text)
{
    // Our own names (field keys) are plain ASCII and are copied as they are; anything else
    // takes the general way.
    const bool plain = std::all_of(
        text.begin(), text.end(), [](char c) { return plainAscii(static_cast<unsigned char>(c)); });
    if (!plain) {
        value(QString(text));
        return;
    }
    beforeValue();
    char* p = room(text.size() + 2);
    *p++ = '"';
    std::memcpy(p, text.data(), static_cast<std::size_t>(text.size()));
    p[text.size()] = '"';
    m_end += text.size() + 2;
}

void JsonWriter::value(bool flag)
{
    beforeValue();
    raw(flag ? QByteArrayView("true") : QByteArrayView("false"));
}

void JsonWriter::value(qint64 number)
{
    beforeValue();
    // Decimal digits, as QByteArray::number gives them, without a temporary.
    char* const start = room(20);
    m_end += std::to_chars(start, start + 20, number).ptr - start;
}

void JsonWriter::value(double number)
{
    beforeValue();
    char text[32];
    if (std::isfinite(number))
        raw(jsonNumber(number, text));
    else
        raw("null");
}

void JsonWriter::null()
{
    beforeValue();
    raw("null");
}

void JsonWriter::value(const QJsonObject& object)
{
    beginObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        key(it.key());
        value(it.value());
    }
    endObject();
}

void JsonWriter::value(const QJsonArray& array)
{
    beginArray();
    for (const QJsonValue& element : array)
        value(element);
    endArray();
}

void JsonWriter::value(const QJsonValue& json)
{
    switch (json.type()) {
    case QJsonValue::Bool:
        value(json.toBool());
        break;
    case QJsonValue::Double: {
        // The toolkit keeps integers and doubles apart and writes each its own way.
        const QCborValue number = QCborValue::fromJsonValue(json);
        if (number.isInteger()) {
            value(number.toInteger());
            break;
        }
        value(number.toDouble());
        break;
    }
    case QJsonValue::String:
        value(json.toString());
        break;
    case QJsonValue::Array:
        value(json.toArray());
        break;
    case QJsonValue::Object:
        value(json.toObject());
        break;
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        null();
        break;
    }
}

} // namespace tallisk
