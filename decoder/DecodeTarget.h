// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldTable.h"

#include <QString>

#include <array>

namespace tallisk {

using FieldTexts = std::array<QString, kFieldCount>;

// Model-name caption before any pass has recognised a family; a window shows it translated.
inline constexpr const char* kWaitingCaption = QT_TRANSLATE_NOOP("DecodeTarget", "[ Waiting ]");

// What a decode pass needs of its surroundings, and nothing more: the three lines as typed,
// the seventeen fields and the model-name caption (read and write), and a modal message.
// The window implements it over its labels, so the result exists once, where it is shown;
// the command and the tests implement it over a plain record (DecodeRecord).
class DecodeTarget
{
public:
    virtual ~DecodeTarget() = default;

    virtual QString line1() const = 0;
    virtual QString line2() const = 0;
    virtual QString line3() const = 0;

    virtual QString field(Field field) const = 0;
    virtual void setField(Field field, const QString& text) = 0;

    virtual QString modelName() const = 0;
    virtual void setModelName(const QString& name) = 0;

    // Shows a modal message (OK only, no icon, the application's title) and returns once it
    // has been closed.
    virtual void showMessage(const QString& text) = 0;

    // The unsupported-chip message, with the family's model name.
    void ChipUnsupported(const QString& modelName);

    // Empties exactly the seventeen fields, in field order; the caption and lines stay.
    void ClearLbl();
    // The bad-code message: its fixed sentence followed directly by the detail.
    void CodeError(const QString& detail);

    FieldTexts fieldTexts() const;

protected:
    DecodeTarget() = default;
    DecodeTarget(const DecodeTarget&) = default;
    DecodeTarget& operator=(const DecodeTarget&) = default;
};

} // namespace tallisk
