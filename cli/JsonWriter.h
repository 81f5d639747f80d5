// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QVarLengthArray>

#include <cstddef>

class QJsonValue;
class QJsonObject;
class QJsonArray;

namespace tallisk {

// A small streaming JSON writer that appends to a buffer the caller owns and reuses, so a
// batch writes its lines without building a QJsonObject per record. While it lives it writes
// through a pointer into spare room at the buffer's end and grows the buffer only when that
// runs out; its destructor cuts the buffer to what was written. It writes what
// QJsonDocument::toJson writes for the same values, byte for byte: strings escaped the same
// way (lone surrogates as \uXXXX, everything else as UTF-8), numbers in the same form, and in
// Indented style the same four-space layout. Keys are written in the order they are given;
// callers give them in QJsonObject's order (sorted) so that output reads back unchanged.
class JsonWriter
{
public:
    enum class Style
    {
        Compact,
        Indented
    };

    explicit JsonWriter(QByteArray& out, Style style = Style::Compact);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    // An object member's key; the value follows with one of the calls below.
    void key(QLatin1StringView name);
    void key(const QString& name);
    template <std::size_t N> void key(const char (&name)[N])
    {
        key(QLatin1StringView(name, qsizetype(N - 1)));
    }

    void value(const QString& text) { value(QStringView(text)); }
    void value(QStringView text);
    void value(QLatin1StringView text);
    void value(bool flag);
    void value(qint64 number);
    // A number the toolkit holds as a double, in its form: the shortest that reads back, an
    // integral one without a point ("11"), and null for one that is not finite.
    void value(double number);
    void null();
    // Any toolkit value, walked as QJsonDocument writes it (objects in their key order).
    void value(const QJsonValue& json);
    void value(const QJsonObject& object);
    void value(const QJsonArray& array);

    // Bytes written as they are, e.g. the line feed that ends a line of JSON Lines.
    void raw(QByteArrayView bytes);

private:
    // Room for `bytes` more at the write position; returns where to write.
    char* room(qsizetype bytes)
    {
        if (m_size - m_end < bytes)
            grow(bytes);
        return m_data + m_end;
    }
    void grow(qsizetype bytes);
    // A string's JSON form, quotes included, as QJsonDocument writes it.
    void string(QStringView text);
    // What comes before a value: nothing after a key, else a separator and indentation.
    void beforeValue()
    {
        if (m_afterKey)
            m_afterKey = false;
        else
            separate();
    }
    void separate();
    void indent(qsizetype depth);
    void close(char bracket);

    QByteArray& m_out;
    char* m_data;     // m_out's bytes, fetched again only when it grows
    qsizetype m_size; // m_out's size, written and spare
    qsizetype m_end;  // how much of m_out is written; the rest is spare room
    Style m_style;
    // Members written so far, one per open container; on the stack for any depth we write.
    QVarLengthArray<qsizetype, 8> m_counts;
    bool m_afterKey = false;
};

} // namespace tallisk
