// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace tallisk {

namespace {

// The seam's state; everything runs on the one user-interface thread.
struct SeamState
{
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<std::optional<SaveChoice>> saveChoices;
    std::optional<QMessageBox::StandardButton> defaultAnswer;
    std::function<void(const MessageBoxRecord&)> observer;
    bool recording = false;
    QList<MessageBoxRecord> recorded;
    QList<SaveDialogRecord> recordedSaveDialogs;
};

SeamState& seam()
{
    static SeamState state;
    return state;
}

QString nameFilter(const FileType& type)
{
    return QStringLiteral("%1 (*.%2)").arg(type.description, type.suffix);
}

} // namespace

QMessageBox::StandardButton MessageBoxes::show(QWidget* owner, QMessageBox::Icon icon,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons, BoxText kind)
{
    SeamState& state = seam();
    const MessageBoxRecord record{
        title, text, icon, buttons, owner != nullptr && owner->window()->isVisible(), kind};
    if (state.recording)
        state.recorded.append(record);
    if (state.observer)
        state.observer(record);

    if (!state.answers.isEmpty())
        return state.answers.dequeue();
    if (state.defaultAnswer)
        return *state.defaultAnswer;

    QMessageBox box(icon, title, text, buttons, owner);
    // Texts may carry what the user typed or a path; none of it is markup, unless the caller
    // built the text as links.
    box.setTextFormat(kind == BoxText::Links ? Qt::RichText : Qt::PlainText);
    if (kind == BoxText::Selectable)
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    else if (kind == BoxText::Links)
        box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.setObjectName(QStringLiteral("messageBox"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<SaveChoice> MessageBoxes::askSavePath(QWidget* owner, const QString& title,
                                                    const QString& suggestedPath,
                                                    const QList<FileType>& types)
{
    SeamState& state = seam();
    if (state.recording)
        state.recordedSaveDialogs.append({title, suggestedPath, types});
    if (!state.saveChoices.isEmpty())
        return state.saveChoices.dequeue();
    if (state.defaultAnswer || types.isEmpty())
        return std::nullopt;

    QFileDialog dialog(owner, title);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The caller asks before replacing, the same way for every dialog the platform offers.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileType& type : types)
        filters << nameFilter(type);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(types.first().suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &types](const QString& filter) {
                         const qsizetype chosen = filters.indexOf(filter);
                         if (chosen >= 0)
                             dialog.setDefaultSuffix(types[chosen].suffix);
                     });
    const QFileInfo suggested(suggestedPath);
    dialog.setDirectory(suggested.absolutePath());
    dialog.selectFile(suggested.fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{dialog.selectedFiles().constFirst(),
                      std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()))};
}

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer)
{
    seam().answers.enqueue(answer);
}

void MessageBoxes::setDefaultAnswer(std::optional<QMessageBox::StandardButton> answer)
{
    seam().defaultAnswer = answer;
}

void MessageBoxes::setNextSaveChoice(std::optional<SaveChoice> choice)
{
    seam().saveChoices.enqueue(std::move(choice));
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

const QList<SaveDialogRecord>& MessageBoxes::recordedSaveDialogs()
{
    return seam().recordedSaveDialogs;
}

void MessageBoxes::reset()
{
    seam() = SeamState{};
}

} // namespace tallisk
