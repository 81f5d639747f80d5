// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineReader.h"

#include <QIODevice>

#include <cstring>

namespace tallisk {

LineReader::LineReader(QIODevice& device)
    : m_device(device), m_buffer(kBlockSize, Qt::Uninitialized)
{}

bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    // Move what is left of the current line to the front, and make room for a whole block.
    if (m_start > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_start, m_end - m_start);
        m_end -= m_start;
        m_scanned -= m_start;
        m_start = 0;
    }
    if (m_buffer.size() - m_end < kBlockSize / 2)
        m_buffer.resize(qMax(m_buffer.size() * 2, m_end + kBlockSize));
    const qint64 got = m_device.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got <= 0) {
        m_atEnd = true;
        m_failed = got < 0;
        return false;
    }
    m_end += got;
    return true;
}

bool LineReader::next(QByteArrayView* line)
{
    for (;;) {
        const char* const base = m_buffer.constData();
        if (const void* feed = std::memchr(base + m_scanned, '\n', m_end - m_scanned)) {
            const qsizetype at = static_cast<const char*>(feed) - base;
            *line = QByteArrayView(base + m_start, at - m_start);
            m_start = m_scanned = at + 1;
            return true;
        }
        m_scanned = m_end;
        if (!fill())
            break;
    }
    if (m_failed || m_start == m_end)
        return false;
    *line = QByteArrayView(m_buffer.constData() + m_start, m_end - m_start);
    m_start = m_scanned = m_end;
    return true;
}

QString LineReader::errorString() const
{
    return m_device.errorString();
}

} // namespace tallisk
