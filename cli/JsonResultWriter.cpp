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

namespace tallisk {

namespace {

struct KeyedField
{
    Field field;
    QLatin1StringView key;
};

// The fields in the order of their JSON keys, as QJsonObject sorts them.
const std::array<KeyedField, kFieldCount>& fieldsByKey()
{
    static const std::array<KeyedField, kFieldCount> order = [] {
        std::array<KeyedField, kFieldCount> fields;
        std::transform(fieldTable().begin(), fieldTable().end(), fields.begin(),
                       [](const FieldInfo& info) {
                           return KeyedField{info.field, QLatin1StringView(info.jsonKey)};
                       });
        std::sort(fields.begin(), fields.end(), [](const KeyedField& a, const KeyedField& b) {
            return std::strcmp(a.key.data(), b.key.data()) < 0;
        });
        return fields;
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
    json.key("completed");
    json.value(result.outcome == PassOutcome::Completed);
    json.key("fields");
    json.beginObject();
    for (const KeyedField& field : fieldsByKey()) {
        json.key(field.key);
        json.value(record.field(field.field));
    }
    json.endObject();
    if (result.identification) {
        json.key("identity");
        if (result.identification->known())
            json.value(result.identification->identity());
        else
            json.null();
    }
    json.key("line1");
    json.value(record.line1());
    json.key("line2");
    json.value(record.line2());
    json.key("line3");
    json.value(record.line3());
    json.key("messages");
    json.beginArray();
    for (const QString& message : record.messages())
        json.value(message);
    json.endArray();
    json.key("model_name");
    json.value(record.modelName());
    if (result.identification) {
        json.key("reason");
        if (result.identification->reason().isEmpty())
            json.null();
        else
            json.value(result.identification->reason());
    }
    if (number > 0) {
        json.key("record");
        json.value(number);
    }
    if (result.identification) {
        json.key("suggestions");
        json.beginArray();
        for (const QString& part : result.identification->suggestions())
            json.value(part);
        json.endArray();
        json.key("unread");
        json.beginArray();
        for (const UnreadLetter& unread : result.identification->unread()) {
            json.beginObject();
            json.key("field");
            json.value(QString(partFieldKey(unread.field)));
            json.key("letter");
            json.value(QString(unread.letter));
            json.endObject();
        }
        json.endArray();
    }
    json.endObject();
    end(json);
}

void JsonResultWriter::writeUnreadable(QByteArray& out, const QString& problem, qint64 number)
{
    JsonWriter json(out, m_style);
    json.beginObject();
    json.key("error");
    json.value(problem);
    json.key("record");
    json.value(number);
    json.endObject();
    end(json);
}

void JsonResultWriter::end(JsonWriter& json) const
{
    // A compact object is one line of JSON Lines; an indented one ends with its own line feed.
    if (m_style == JsonWriter::Style::Compact)
        json.raw("\n");
}

} // namespace tallisk
