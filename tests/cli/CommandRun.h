// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// What one in-process run of the command gave.
struct CommandRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `tallisk-decode ARGUMENTS` in process, with `input` as its standard input.
CommandRun runCommand(const QStringList& arguments, const QByteArray& input = {});
