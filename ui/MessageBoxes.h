// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

namespace tallisk {

// What one message box showed.
struct MessageBoxRecord
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool ownerVisible = false; // whether the owner window was on screen while the box was up
};

// Every modal message box of the program goes through here. Normally a real QMessageBox is
// shown and the call returns when the user closes it. Tests can queue answers, or give one
// answer for every box, so that no box ever waits for a user who is not there; they can also
// record what was shown and look at the program while a box is up.
class MessageBoxes
{
public:
    // Shows a modal box with plain text and returns the button that closed it.
    static QMessageBox::StandardButton show(QWidget* owner, QMessageBox::Icon icon,
                                            const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok);

    // Test seam. The next box is answered with `answer` at once, without being shown; answers
    // queue up in order.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Every box for which no answer is queued is answered with `answer` without being shown;
    // std::nullopt shows real boxes again.
    static void setDefaultAnswer(std::optional<QMessageBox::StandardButton> answer);
    // Called with each box as it comes up, before it is answered: the pass is still waiting.
    static void setObserver(std::function<void(const MessageBoxRecord&)> observer);
    // Starts keeping a record of every box, answered or shown.
    static void setRecording(bool on);
    static const QList<MessageBoxRecord>& recorded();
    // Back to plain real boxes: no answers, no observer, no record.
    static void reset();
};

} // namespace tallisk
