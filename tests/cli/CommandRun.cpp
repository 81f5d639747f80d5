// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandRun.h"

#include "DecodeCommand.h"

#include <QBuffer>

CommandRun runCommand(const QStringList& arguments, const QByteArray& input)
{
    QByteArray inBytes = input;
    QBuffer in(&inBytes);
    QBuffer out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    tallisk::DecodeCommand command(in, out, err);
    CommandRun result;
    result.status = command.run(QStringList{QStringLiteral("tallisk-decode")} + arguments);
    result.out = out.data();
    result.err = err.data();
    return result;
}
