// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "TestSupport.h"

#include <QStringList>
#include <QTest>

namespace tallisk::test {

// Every non-empty field as "key=value", in field order, joined by " | ": one comparable text
// that states the whole record, so a stray write anywhere shows up.
inline QString describe(const DecodeTarget& record)
{
    QStringList parts;
    for (const FieldInfo& info : fieldTable()) {
        const QString value = record.field(info.field);
        if (!value.isEmpty())
            parts << QString::fromLatin1(info.jsonKey) + u'=' + value;
    }
    return parts.join(QStringLiteral(" | "));
}

struct PassResult
{
    QString fields;
    QStringList messages;
    QString modelName;
    PassOutcome outcome;
};

inline PassResult decode(const QString& line1, const QString& line2 = {}, const QString& line3 = {})
{
    DecodeRecord record(line1, line2, line3);
    const PassOutcome outcome = runDecodePass(record);
    return {describe(record), record.messages(), record.modelName(), outcome};
}

} // namespace tallisk::test
