// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace tallisk {

// Reads a device line by line in large blocks: one read call per block, lines handed out as
// views into it. A line longer than the limit is read to its end but not kept, so memory stays
// the same whatever the input (an endless line from /dev/zero included).
class LineReader
{
public:
    // The longest line kept, in bytes, its line end not counted: far beyond any marking code.
    static constexpr qsizetype kMaxLineLength = 64 * 1024;

    explicit LineReader(QIODevice& device, qsizetype maxLineLength = kMaxLineLength);

    // The next line without its line feed (a CR before it is kept), valid until the next
    // call. A line longer than the limit is handed out empty, with tooLong() true. False at
    // the end of the input, or when a read failed (see failed()). A last line without a line
    // feed is a line; nothing after the last line feed is not.
    bool next(QByteArrayView* line);

    // Whether the line next() gave last was longer than the limit.
    bool tooLong() const { return m_tooLong; }
    qsizetype maxLineLength() const { return m_maxLineLength; }

    bool failed() const { return m_failed; }
    QString errorString() const;

private:
    // One read call fills about this much.
    static constexpr qsizetype kBlockSize = 256 * 1024;

    // Reads another block after what is left; false when nothing more came.
    bool fill();
    // Hands out the line from m_start to `end` (the line feed's place, or the input's end).
    void take(QByteArrayView* line, qsizetype end);

    QIODevice& m_device;
    const qsizetype m_maxLineLength;
    QByteArray m_buffer;
    qsizetype m_start = 0;   // where the next line begins
    qsizetype m_end = 0;     // how much of the buffer holds input
    qsizetype m_scanned = 0; // up to where the current line was already searched for a LF
    bool m_skipping = false; // the current line is too long: what was read of it is dropped
    bool m_tooLong = false;
    bool m_atEnd = false;
    bool m_failed = false;
};

} // namespace tallisk
