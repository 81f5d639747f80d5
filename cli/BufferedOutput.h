// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace tallisk {

// The command's one output stream: text is appended to a reused buffer and handed to the
// device in large blocks. Every hand-over is checked; after the first failure nothing more is
// written and the failure is kept for the command to report.
class BufferedOutput
{
public:
    static constexpr qsizetype kBlockSize = 256 * 1024;

    explicit BufferedOutput(QIODevice& device);

    // Where the next output goes: append to it, then call writeIfFull() or flush().
    QByteArray& buffer() { return m_buffer; }

    // Hands the buffer over once it holds a block or more. False once anything failed.
    bool writeIfFull() { return m_buffer.size() < kBlockSize ? !m_failed : write(); }

    // Hands everything over and flushes the device. False once anything failed.
    bool flush();

    bool failed() const { return m_failed; }
    // The reader went away (a closed pipe): the output is lost, but nobody is there to tell.
    bool readerGone() const { return m_readerGone; }
    // The device's own reason, e.g. "No space left on device".
    const QString& errorString() const { return m_errorString; }

private:
    bool write();
    void fail();

    QIODevice& m_device;
    QByteArray m_buffer;
    bool m_failed = false;
    bool m_readerGone = false;
    QString m_errorString;
};

} // namespace tallisk
