// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace tallisk {

// Reads a device line by line in large blocks: one read call per block, lines handed out as
// views into it. A line longer than a block grows the buffer to hold it whole.
class LineReader
{
public:
    explicit LineReader(QIODevice& device);

    // The next line without its line feed (a CR before it is kept), valid until the next
    // call. False at the end of the input, or when a read failed (see failed()). A last line
    // without a line feed is a line; nothing after the last line feed is not.
    bool next(QByteArrayView* line);

    bool failed() const { return m_failed; }
    QString errorString() const;

private:
    // One read call fills about this much; a longer line grows the buffer.
    static constexpr qsizetype kBlockSize = 256 * 1024;

    // Reads another block after what is left; false when nothing more came.
    bool fill();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_start = 0;   // where the next line begins
    qsizetype m_end = 0;     // how much of the buffer holds input
    qsizetype m_scanned = 0; // up to where the current line was already searched for a LF
    bool m_atEnd = false;
    bool m_failed = false;
};

} // namespace tallisk
