// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BufferedOutput.h"

#include <QFileDevice>
#include <QIODevice>

#include <cerrno>

namespace tallisk {

BufferedOutput::BufferedOutput(QIODevice& device) : m_device(device)
{
    m_buffer.reserve(kBlockSize + kBlockSize / 4);
}

bool BufferedOutput::write()
{
    if (m_failed)
        return false;
    if (m_buffer.isEmpty())
        return true;
    // A device may take part of a block; only a call that takes nothing is a failure.
    for (qsizetype done = 0; done < m_buffer.size();) {
        errno = 0;
        const qint64 written = m_device.write(m_buffer.constData() + done, m_buffer.size() - done);
        if (written <= 0) {
            fail();
            return false;
        }
        done += written;
    }
    m_buffer.resize(0); // keeps the capacity for the next block
    return true;
}

bool BufferedOutput::flush()
{
    if (!write())
        return false;
    if (auto* file = qobject_cast<QFileDevice*>(&m_device)) {
        errno = 0;
        if (!file->flush()) {
            fail();
            return false;
        }
    }
    return true;
}

void BufferedOutput::fail()
{
    // The error number is read right after the failed call, before anything can change it.
    m_readerGone = errno == EPIPE;
    m_failed = true;
    m_errorString = m_device.errorString();
    m_buffer.resize(0);
}

} // namespace tallisk
