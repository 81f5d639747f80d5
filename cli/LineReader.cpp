// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineReader.h"

#include <QIODevice>

#include <cstring>

namespace tallisk {

LineReader::LineReader(QIODevice& device, qsizetype maxLineLength)
    : m_device(device), m_maxLineLength(maxLineLength),
      m_buffer(qMax(kBlockSize, 2 * (maxLineLength + 1)), Qt::Uninitialized)
{}

bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    // Move what is left of the current line to the front: never more than the longest line,
    // so the rest of the buffer always has room for at least half a block.
    if (m_start > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_start, m_end - m_start);
        m_end -= m_start;
        m_scanned -= m_start;
        m_start = 0;
    }
    const qint64 got = m_device.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got <= 0) {
        m_atEnd = true;
        m_failed = got < 0;
        return false;
    }
    m_end += got;
    return true;
}

void LineReader::take(QByteArrayView* line, qsizetype end)
{
    QByteArrayView bytes(m_buffer.constData() + m_start, end - m_start);
    // A CR before the line feed is the line's end, not one of its bytes.
    const qsizetype length = bytes.size() - (bytes.endsWith('\r') ? 1 : 0);
    m_tooLong = m_skipping || length > m_maxLineLength;
    m_skipping = false;
    *line = m_tooLong ? QByteArrayView() : bytes;
}

bool LineReader::next(QByteArrayView* line)
{
    for (;;) {
        const char* const base = m_buffer.constData();
        if (const void* feed = std::memchr(base + m_scanned, '\n', m_end - m_scanned)) {
            const qsizetype at = static_cast<const char*>(feed) - base;
            take(line, at);
            m_start = m_scanned = at + 1;
            return true;
        }
        m_scanned = m_end;
        // Too long already (a CR may still come and not count): drop what was read of it.
        if (m_end - m_start > m_maxLineLength + 1) {
            m_skipping = true;
            m_start = m_scanned = m_end;
        }
        if (!fill())
            break;
    }
    if (m_failed || (m_start == m_end && !m_skipping))
        return false;
    take(line, m_end);
    m_start = m_scanned = m_end;
    return true;
}

QString LineReader::errorString() const
{
    return m_device.errorString();
}

} // namespace tallisk
