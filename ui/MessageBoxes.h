// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

namespace tallisk {

// How a box shows its text.
enum class BoxText
{
    Plain,      // as it stands
    Selectable, // as it stands, and the user can select and copy it with mouse or keyboard
    Links,      // rich text whose links open in the browser; selectable too
};

// What one message box showed.
struct MessageBoxRecord
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool ownerVisible = false; // whether the owner window was on screen while the box was up
    BoxText kind = BoxText::Plain;
};

// A kind of file a save dialog offers: "Web page" with the suffix "html".
struct FileType
{
    QString description;
    QString suffix;
    friend bool operator==(const FileType&, const FileType&) = default;
};

// Where the user chose to save, and as which of the offered types (its index).
struct SaveChoice
{
    QString path;
    qsizetype type = 0;
};

// What one save dialog was asked.
struct SaveDialogRecord
{
    QString title;
    QString suggestedPath;
    QList<FileType> types;
};

// Every modal message box and file dialog of the program goes through here. Normally a real
// QMessageBox or QFileDialog is shown and the call returns when the user closes it. Tests can
// queue answers, or give one answer for every box, so that no box or dialog ever waits for a
// user who is not there; they can also record what was shown and look at the program while a
// box is up.
class MessageBoxes
{
public:
    // Shows a modal box and returns the button that closed it.
    static QMessageBox::StandardButton show(QWidget* owner, QMessageBox::Icon icon,
                                            const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            BoxText kind = BoxText::Plain);

    // Asks where to save: a modal dialog in `suggestedPath`'s folder with its file name filled
    // in, offering `types` (the first chosen at first; a name typed without a suffix gets the
    // chosen type's). It does not ask before replacing a file: the caller does. Nothing when
    // the user cancels.
    static std::optional<SaveChoice> askSavePath(QWidget* owner, const QString& title,
                                                 const QString& suggestedPath,
                                                 const QList<FileType>& types);

    // Test seam. The next box is answered with `answer` at once, without being shown; answers
    // queue up in order.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    // Every box for which no answer is queued is answered with `answer` without being shown,
    // and every save dialog without a queued choice is cancelled; std::nullopt shows real ones
    // again.
    static void setDefaultAnswer(std::optional<QMessageBox::StandardButton> answer);
    // The next save dialog answers `choice` at once (std::nullopt: cancelled); choices queue up.
    static void setNextSaveChoice(std::optional<SaveChoice> choice);
    // Called with each box as it comes up, before it is answered: the pass is still waiting.
    static void setObserver(std::function<void(const MessageBoxRecord&)> observer);
    // Starts keeping a record of every box and save dialog, answered or shown.
    static void setRecording(bool on);
    static const QList<MessageBoxRecord>& recorded();
    static const QList<SaveDialogRecord>& recordedSaveDialogs();
    // Back to plain real boxes: no answers, no observer, no record.
    static void reset();
};

} // namespace tallisk
