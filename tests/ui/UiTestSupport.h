// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageBoxes.h"

#include <QApplication>
#include <QMetaEnum>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace tallisk::test {

// Arms the message-box seam for a test: every box is recorded and answered with OK at once.
inline void answerEveryBoxWithOk()
{
    MessageBoxes::reset();
    MessageBoxes::setRecording(true);
    MessageBoxes::setDefaultAnswer(QMessageBox::Ok);
}

// What a user reads of a message box, as one value to compare: its title, icon, buttons and text.
inline QStringList boxSeen(const MessageBoxRecord& box)
{
    const QMetaEnum buttons = QMetaEnum::fromType<QMessageBox::StandardButtons>();
    const char* one = buttons.valueToKey(int(box.buttons)); // by its own name, not an alias
    return {box.title,
            QString::fromLatin1(QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box.icon)),
            QString::fromLatin1(one ? QByteArray(one) : buttons.valueToKeys(int(box.buttons))),
            box.text};
}

// Runs `act` on the first modal window of type T that comes up (polling, as a user would wait
// for it), for a modal loop started after this call. Gives up after `timeoutMs`, closing any
// modal window that did come up so that the test fails instead of hanging.
template <typename T> void whenModalShows(std::function<void(T*)> act, int timeoutMs = 5000)
{
    auto* poll = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    constexpr int kStep = 20;
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, waited, act, timeoutMs] {
        *waited += kStep;
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* wanted = qobject_cast<T*>(modal); wanted && wanted->isVisible()) {
            poll->deleteLater();
            poll->stop();
            act(wanted);
            return;
        }
        if (*waited >= timeoutMs) {
            poll->stop();
            poll->deleteLater();
            if (modal)
                modal->close();
        }
    });
    poll->start(kStep);
}

} // namespace tallisk::test
