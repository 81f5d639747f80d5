// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"
#include "TestSupport.h"

#include <QTest>

namespace tallisk::test {

// The columns checkFigures() reads, after the line and one column of the test's own.
inline void addFigureColumns(const char* own)
{
    addColumns<QString, QString, QString, QString, int, int, double, int, QString>(
        {"line", own, "name", "core", "clock", "fsb", "multiplier", "l2", "socket"});
}

// One row of those columns, named after its line.
inline void addFigureRow(const char* line, const char* own, const char* name, const char* core,
                         int clock, int fsb, double multiplier, int l2, const char* socket)
{
    QTest::newRow(line) << QString::fromLatin1(line) << QString::fromLatin1(own)
                        << QString::fromLatin1(name) << QString::fromLatin1(core) << clock << fsb
                        << multiplier << l2 << QString::fromLatin1(socket);
}

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
