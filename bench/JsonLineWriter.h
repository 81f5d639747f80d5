// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace tallisk {

class DecodeRecord;
enum class PassOutcome;

namespace bench {

// What a batch line would cost written directly: the same bytes as
// QJsonDocument(DecodeCommand::resultJson(...) + "record").toJson(Compact), keys in the order
// QJsonObject sorts them, strings escaped as QJsonDocument escapes them, but appended straight
// to one reused buffer instead of built as an object first. The benchmark checks it byte for
// byte against the command's own form before timing it.
class JsonLineWriter
{
public:
    JsonLineWriter();

    // Replaces `out` with the record's line, without the line ending.
    void write(QByteArray& out, const DecodeRecord& record, PassOutcome outcome,
               qint64 number) const;

private:
    static void appendString(QByteArray& out, const QString& text);

    int m_sortedFields[17]; // field indices in the order of their JSON keys
};

} // namespace bench
} // namespace tallisk
