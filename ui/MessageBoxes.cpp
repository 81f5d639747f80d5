// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <QQueue>

namespace tallisk {

namespace {

// The seam's state; everything runs on the one user-interface thread.
struct SeamState
{
    QQueue<QMessageBox::StandardButton> answers;
    std::optional<QMessageBox::StandardButton> defaultAnswer;
    std::function<void(const MessageBoxRecord&)> observer;
    bool recording = false;
    QList<MessageBoxRecord> recorded;
};

SeamState& seam()
{
    static SeamState state;
    return state;
}

} // namespace

QMessageBox::StandardButton MessageBoxes::show(QWidget* owner, QMessageBox::Icon icon,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons)
{
    SeamState& state = seam();
    const MessageBoxRecord record{title, text, icon, buttons,
                                  owner != nullptr && owner->window()->isVisible()};
    if (state.recording)
        state.recorded.append(record);
    if (state.observer)
        state.observer(record);

    if (!state.answers.isEmpty())
        return state.answers.dequeue();
    if (state.defaultAnswer)
        return *state.defaultAnswer;

    QMessageBox box(icon, title, text, buttons, owner);
    // Texts may carry what the user typed or a path; none of it is markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("messageBox"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer)
{
    seam().answers.enqueue(answer);
}

void MessageBoxes::setDefaultAnswer(std::optional<QMessageBox::StandardButton> answer)
{
    seam().defaultAnswer = answer;
}

void MessageBoxes::setObserver(std::function<void(const MessageBoxRecord&)> observer)
{
    seam().observer = std::move(observer);
}

void MessageBoxes::setRecording(bool on)
{
    seam().recording = on;
}

const QList<MessageBoxRecord>& MessageBoxes::recorded()
{
    return seam().recorded;
}

void MessageBoxes::reset()
{
    seam() = SeamState{};
}

} // namespace tallisk
