// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace tallisk {

// A hook for the start-up test and the screenshot script, off unless the environment asks:
//   TALLISK_TEST_WINDOW_LOG=1     prints a line for every window as it is first shown, answers
//                                 message boxes with OK and chooses File, Exit once the main
//                                 window is up;
//   TALLISK_TEST_SCREENSHOT=FILE  answers message boxes, types the example code into the main
//                                 window, presses "Check", saves the window as a PNG to FILE
//                                 and chooses File, Exit.
// Either way the boxes and the window are the real ones, driven as a user would.
class StartupProbe final : public QObject
{
    Q_OBJECT

public:
    // Installs a probe on the application when one of the variables is set.
    static void installFromEnvironment();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StartupProbe(bool logWindows, QString screenshotPath);

    void windowShown(QWidget* window);
    void mainWindowShown(QWidget* window);
    void typeAndCheck(QWidget* window);
    bool saveScreenshot(QWidget* window);
    void chooseExit(QWidget* window);

    bool m_logWindows;
    QString m_screenshotPath;
    QList<QPointer<QWidget>> m_seen;
};

} // namespace tallisk
