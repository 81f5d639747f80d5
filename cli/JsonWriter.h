// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QVarLengthArray>

class QJsonValue;
class QJsonObject;
class QJsonArray;

namespace tallisk {

// A small streaming JSON writer that appends to a buffer the caller owns and reuses, so a
// batch writes its lines without building a QJsonObject per record. It writes what
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

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    // An object member's key; the value follows with one of the calls below.
    void key(QLatin1StringView name);
    void key(const QString& name);

    void value(const QString& text);
    void value(bool flag);
    void value(qint64 number);
    void null();
    // Any toolkit value, walked as QJsonDocument writes it (objects in their key order).
    void value(const QJsonValue& json);
    void value(const QJsonObject& object);
    void value(const QJsonArray& array);

    // A string's JSON form, quotes included, as QJsonDocument writes it.
    static void appendString(QByteArray& out, QStringView text);

private:
    void raw(QByteArrayView bytes);
    void beforeValue();
    void indent(qsizetype depth);
    void close(char bracket);

    QByteArray& m_out;
    Style m_style;
    // Members written so far, one per open container; on the stack for any depth we write.
    QVarLengthArray<qsizetype, 8> m_counts;
    bool m_afterKey = false;
};

} // namespace tallisk
