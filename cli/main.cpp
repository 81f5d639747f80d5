// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeCommand.h"
#include "TalliskVersion.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
#ifdef SIGPIPE
    // A closed pipe (`| head`) then fails the write with EPIPE, which the command takes as the
    // reader's quiet end, instead of killing the process.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tallisk-decode"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLISK_VERSION_STRING));

    // Unbuffered: the command reads and writes in large blocks of its own and checks each.
    QFile in, out, err;
    const QIODevice::OpenMode unbuffered = QIODevice::Unbuffered;
    if (!in.open(fileno(stdin), QIODevice::ReadOnly | unbuffered) ||
        !out.open(fileno(stdout), QIODevice::WriteOnly | unbuffered) ||
        !err.open(fileno(stderr), QIODevice::WriteOnly | unbuffered))
        return tallisk::DecodeCommand::kUsageError;
    tallisk::DecodeCommand command(in, out, err);
    return command.run(QCoreApplication::arguments());
}
