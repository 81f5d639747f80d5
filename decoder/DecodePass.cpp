// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodePass.h"

#include "ClockTable.h"
#include "CoreRules.h"
#include "DecodeTarget.h"
#include "FamilyTable.h"
#include "LineOneFields.h"
#include "LineTwoThree.h"
#include "Messages.h"

namespace tallisk {

PassOutcome runDecodePass(DecodeTarget& target)
{
    target.ClearLbl();
    const QString line1 = target.line1();

    const Family family = recogniseFamily(line1);
    switch (family.outcome) {
    case Family::Outcome::NotFound:
        target.showMessage(messages::notFound());
        return PassOutcome::EndedEarly;
    case Family::Outcome::Unsupported:
        target.ChipUnsupported(family.modelName);
        return PassOutcome::EndedEarly;
    case Family::Outcome::CodeError:
        target.CodeError(family.codeErrorDetail);
        return PassOutcome::EndedEarly;
    case Family::Outcome::Decoded:
        break;
    }

    target.setModelName(family.modelName);
    decodeLineOneFields(target, line1, family.modelName, family.prefixLength);
    applyCoreRules(target, line1);
    if (!decodeLinesTwoAndThree(target))
        return PassOutcome::EndedEarly;
    applyClockTable(target);
    return PassOutcome::Completed;
}

} // namespace tallisk
