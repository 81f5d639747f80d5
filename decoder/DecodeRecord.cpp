// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeRecord.h"

#include <utility>

namespace tallisk {

DecodeRecord::DecodeRecord(QString line1, QString line2, QString line3)
    : m_lines{std::move(line1), std::move(line2), std::move(line3)}
{}

void DecodeRecord::setLines(QString line1, QString line2, QString line3)
{
    m_lines = {std::move(line1), std::move(line2), std::move(line3)};
}

void DecodeRecord::showMessage(const QString& text)
{
    m_messages.append(text);
    if (m_observer)
        m_observer(text);
}

void DecodeRecord::setMessageObserver(std::function<void(const QString&)> observer)
{
    m_observer = std::move(observer);
}

} // namespace tallisk
