// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonResultWriter.h"

#include "DecodePass.h"
#include "DecodeTarget.h"
#include "FieldTable.h"
#include "Identification.h"
#include "IdentityKeys.h"
#include "SourceList.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

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

JsonResultWriter::JsonResultWriter(JsonWriter::Style style, Citations citations)
    : m_style(style), m_citations(citations)
{}

void JsonResultWriter::writeResult(QByteArray& out, const DecodeResult& result, qint64 number)
{
    const DecodeTarget& checked = result.checked;
    const Identification* identification = result.identification;
    const PartIdentity* part =
        identification && identification->part ? &*identification->part : nullptr;
    JsonWriter json(out, m_style);
    json.beginObject();
    json.key("completed");
    json.value(result.outcome == PassOutcome::Completed);
    if (identification) {
        json.key(kDisagreementsKey);
        json.beginArray();
        for (const RowComparison& row : identification->disagreements) {
            json.beginObject();
            json.key("field");
            json.value(QLatin1StringView(fieldInfo(row.field).jsonKey));
            json.key("part");
            json.value(row.part);
            json.key("tables");
            json.value(row.tables);
            json.endObject();
        }
        json.endArray();
    }
    json.key("fields");
    json.beginObject();
    for (const KeyedField& field : fieldsByKey()) {
        json.key(field.key);
        json.value(checked.field(field.field));
    }
    json.endObject();
    if (identification) {
        json.key("identity");
        if (part)
            writeIdentity(json, *part);
        else
            json.null();
    }
    json.key("line1");
    json.value(checked.line1());
    json.key("line2");
    json.value(checked.line2());
    json.key("line3");
    json.value(checked.line3());
    json.key("messages");
    json.beginArray();
    for (const QString& message : result.messages)
        json.value(message);
    json.endArray();
    json.key("model_name");
    json.value(checked.modelName());
    if (identification) {
        json.key(kReasonKey);
        if (identification->reason.isEmpty())
            json.null();
        else
            json.value(identification->reason);
    }
    if (number > 0) {
        json.key("record");
        json.value(number);
    }
    if (identification) {
        // Null where they were not searched for: a batch searches only when asked.
        json.key(kSuggestionsKey);
        if (identification->suggestions) {
            json.beginArray();
            for (const QString& suggestion : *identification->suggestions)
                json.value(suggestion);
            json.endArray();
        } else {
            json.null();
        }
        json.key(kUnreadKey);
        json.beginArray();
        for (const UnreadLetter& unread : part ? part->unread : QList<UnreadLetter>()) {
            json.beginObject();
            json.key("field");
            json.value(partFieldKey(unread.field));
            json.key("letter");
            json.value(QStringView(&unread.letter, 1));
            json.endObject();
        }
        json.endArray();
    }
    json.endObject();
    end(json);
}

void JsonResultWriter::writeIdentity(JsonWriter& json, const PartIdentity& part) const
{
    json.beginObject();
    for (const IdentityKey& key : identityKeys()) {
        json.key(QLatin1StringView(key.name));
        visitFact(key, part, [&](const auto& fact) {
            using Fact = std::decay_t<decltype(fact)>;
            if constexpr (std::is_same_v<Fact, QString>) {
                if (fact.isEmpty())
                    json.null();
                else
                    json.value(fact);
            } else if constexpr (std::is_same_v<Fact, std::optional<int>>) {
                if (fact)
                    json.value(qint64(*fact));
                else
                    json.null();
            } else if constexpr (std::is_same_v<Fact, std::optional<double>>) {
                if (fact)
                    json.value(*fact);
                else
                    json.null();
            } else {
                json.beginArray();
                for (const QString& id : fact) {
                    if (m_citations == Citations::Ids)
                        json.value(id);
                    else
                        json.value(SourceList::instance().text(id));
                }
                json.endArray();
            }
        });
    }
    json.endObject();
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
