// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeTarget.h"

#include "Messages.h"

namespace tallisk {

void DecodeTarget::ChipUnsupported(const QString& modelName)
{
    showMessage(messages::chipUnsupported(modelName));
}

void DecodeTarget::ClearLbl()
{
    for (const FieldInfo& info : fieldTable())
        setField(info.field, QString());
}

void DecodeTarget::CodeError(const QString& detail)
{
    showMessage(messages::codeError(detail));
}

FieldTexts DecodeTarget::fieldTexts() const
{
    FieldTexts texts;
    for (const FieldInfo& info : fieldTable())
        texts[fieldIndex(info.field)] = field(info.field);
    return texts;
}

} // namespace tallisk
