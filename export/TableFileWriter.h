// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodeTarget.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace tallisk {

// Puts the rendered table on disk. A write replaces the file whole or not at all: the bytes go
// to a temporary file beside the target, which is renamed over it only once everything is
// written and flushed, so a failure leaves any previous file exactly as it was.
class TableFileWriter
{
    Q_DECLARE_TR_FUNCTIONS(TableFileWriter)

public:
    // "table.htm", the file the window's export writes.
    static QString fileName();

    // The directory holding the program, as the platform gives it, in native separators (or
    // the stand-in a test has set).
    static QString programDirectory();

    // Where the window's export writes: the program's directory when the program may write
    // there (a copy run from its build or a portable folder); otherwise, as for a copy
    // installed where only the administrator may write, the user's documents folder, created if
    // missing. In native separators; the empty text when that folder cannot be had either.
    static QString exportDirectory();

    // The directory, the platform's separator and the file name. The separator is added even
    // when the directory already ends in one, as for a root directory ("/" gives "//table.htm").
    static QString tablePath(const QString& directory);

    // Atomically replaces the file at path with bytes. A path that exists and is not a regular
    // file (a directory, a pipe, a device) is refused and left as it is; a symbolic link is
    // written through: the file it points to is replaced, the link stays. On failure returns
    // false, leaves no temporary file and sets *errorMessage (if given) to one line naming the
    // path and the system's reason.
    static bool write(const QString& path, const QByteArray& bytes,
                      QString* errorMessage = nullptr);

    // Renders the source's model-name caption and seventeen fields and writes them to path.
    static bool exportTable(const DecodeTarget& source, const QString& path,
                            QString* errorMessage = nullptr);

    // Test seam: the next write() puts only the first `bytes` bytes (at most all of them) into
    // its temporary file, flushes them, and then fails as a device error midway would. One
    // shot: the write after it behaves normally again. A negative value disarms it.
    static void failNextWriteAfter(qint64 bytes);

    // Test seam: `directory` stands in for the program's directory; the empty text restores
    // the real one.
    static void setProgramDirectory(const QString& directory);
};

} // namespace tallisk
