// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

#include <functional>

class QApplication;
class QWidget;

// The program's free routines: its identity, the shared message boxes and the shell opener.
namespace tallisk::modMain {

// "Tallisk", the title of the program and of its message boxes.
QString applicationTitle();

// The credit line both windows show.
QString creditLine();

// The icon of both windows: the two 16-colour pixel maps. The desktop's own (scalable) icon
// belongs to the desktop entry, which the desktop file name ties the windows to.
QIcon applicationIcon();

// The font of every text in the program's windows (the About title keeps its own): the
// platform's dialog font on Windows; elsewhere 8-point Liberation Sans, whose Arial metrics
// match the 8-point dialog font the windows' layout was drawn for.
QFont dialogFont();

// Names the program for the desktop (application name, desktop entry, window icon) and gives
// it the dialog font.
void setUpApplication(QApplication& app);

// A decoder message: modal, OK only, no icon, the application's title.
void showDecoderMessage(QWidget* owner, const QString& text);

// "An unexpected error has occured!" under "Error", critical icon: what the commands that touch
// the platform (the export and the bug report) say when that fails.
void showUnexpectedError(QWidget* owner);

// The bug-report link: mailto, the bug address and the subject, its spaces left as they are.
QString bugReportLink();
// Its address and subject, for a user to write by hand when no mail program takes the link.
QString bugReportAddress();
QString bugReportSubject();

// What the desktop made of a link, once its opener has finished: whether a program took it.
using OpenReport = std::function<void(bool handled)>;

// Asks the desktop to open a document or link with the program registered for it. Returns
// false only when the desktop's opener itself could not be reached (on Linux: xdg-open could
// not be started at all). Otherwise `report`, if given, is told later, from the event loop,
// whether a program took the link: on Linux and macOS the opener's exit status, on Windows
// the shell's answer (then at once). An opener still running when the program ends is left
// running, so a mail program it started in the foreground stays open.
[[nodiscard]] bool ShellOpen(const QString& target, OpenReport report = {});

// Test seam: replaces the platform call behind ShellOpen; an empty function restores it. The
// replacement gets the target and the report to call, or not.
using ShellLauncher = std::function<bool(const QString& target, const OpenReport& report)>;
void setShellLauncher(ShellLauncher launcher);

} // namespace tallisk::modMain
