// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeCommand.h"
#include "TalliskVersion.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallisk-decode"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLISK_VERSION_STRING));

    QFile in, out, err;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly) ||
        !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return tallisk::DecodeCommand::kUsageError;
    tallisk::DecodeCommand command(in, out, err);
    const int status = command.run(QCoreApplication::arguments());
    out.flush();
    return status;
}
