// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tallisk-bench-read-floor FILE: the batch's read-only floor. Starts as `tallisk-decode` does
// and reads the file with the same block reader (LineReader), but neither decodes nor writes a
// record. It prints only the number of lines read, so the benchmark can check that the whole
// file was read.
#include "LineReader.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: tallisk-bench-read-floor FILE\n", stderr);
        return 2;
    }
    QFile file(arguments.at(1));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(arguments.at(1)),
                     qPrintable(file.errorString()));
        return 2;
    }
    tallisk::LineReader reader(file);
    QByteArrayView line;
    qint64 number = 0;
    while (reader.next(&line))
        ++number;
    if (reader.failed()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(arguments.at(1)),
                     qPrintable(reader.errorString()));
        return 2;
    }
    std::printf("%lld\n", static_cast<long long>(number));
    return 0;
}
