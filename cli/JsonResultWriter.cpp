// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonResultWriter.h"

#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "Identification.h"

#include <QJsonValue>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace tallisk {

namespace {

// The fields in the order of their JSON keys, as QJsonObject sorts them.
const std::array<std::size_t, kFieldCount>& fieldsByKey()
{
    static const std::array<std::size_t, kFieldCount> order = [] {
        std::array<std::size_t, kFieldCount> indices;
        std::iota(indices.begin(), indices.end(), std::size_t{0});
        std::sort(indices.begin(), indices.end(), [](std::size_t a, std::size_t b) {
            return std::strcmp(fieldTable()[a].jsonKey, fieldTable()[b].jsonKey) < 0;
        });
        return indices;
    }();
    return order;
}

} // namespace

JsonResultWriter::JsonResultWriter(JsonWriter::Style style) : m_style(style) {}

void JsonResultWriter::writeResult(QByteArray& out, const DecodeResult& result, qint64 number)
{
    const DecodeRecord& record = result.record;
    JsonWriter json(out, m_style);
    json.beginObject();
    json.key(QLatin1StringView("completed"));
    json.value(result.outcome == PassOutcome::Completed);
    json.key(QLatin1StringView("fields"));
    json.beginObject();
    for (const std::size_t index : fieldsByKey()) {
        const FieldInfo& info = fieldTable()[index];
        json.key(QLatin1StringView(info.jsonKey));
        json.value(record.field(info.field));
    }
    json.endObject();
    if (result.identification) {
        json.key(QLatin1StringView("identity"));
        if (result.identification->known())
            json.value(result.identification->identity());
        else
            json.null();
    }
    json.key(QLatin1StringView("line1"));
    json.value(record.line1());
    json.key(QLatin1StringView("line2"));
    json.value(record.line2());
    json.key(QLatin1StringView("line3"));
    json.value(record.line3());
    json.key(QLatin1StringView("messages"));
    json.beginArray();
    for (const QString& message : record.messages())
        json.value(message);
    json.endArray();
    json.key(QLatin1StringView("model_name"));
    json.value(record.modelName());
    if (number > 0) {
        json.key(QLatin1StringView("record"));
        json.value(number);
    }
    if (result.identification) {
        json.key(QLatin1StringView("suggestions"));
        json.beginArray();
        for (const QString& part : result.identification->suggestions())
            json.value(part);
        json.endArray();
    }
    json.endObject();
    end(out);
}

void JsonResultWriter::writeUnreadable(QByteArray& out, const QString& problem, qint64 number)
{
    JsonWriter json(out, m_style);
    json.beginObject();
    json.key(QLatin1StringView("error"));
    json.value(problem);
    json.key(QLatin1StringView("record"));
    json.value(number);
    json.endObject();
    end(out);
}

void JsonResultWriter::end(QByteArray& out) const
{
    // A compact object is one line of JSON Lines; an indented one ends with its own line feed.
    if (m_style == JsonWriter::Style::Compact)
        out.append('\n');
}

} // namespace tallisk
