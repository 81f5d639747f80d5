// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"

#include <QTest>

namespace tallisk::test {

// The figures each identifying table states of a part, against the current row's columns name,
// core, clock, fsb, multiplier, l2 and socket (0 for a number not known).
inline void checkFigures(const PartIdentity& id)
{
    QTEST(id.name, "name");
    QTEST(id.core, "core");
    QTEST(id.clockMhz.value_or(0), "clock");
    QTEST(id.fsbMhz.value_or(0), "fsb");
    QTEST(id.multiplier.value_or(0), "multiplier");
    QTEST(id.l2Kb.value_or(0), "l2");
    QTEST(id.socket, "socket");
}

} // namespace tallisk::test
