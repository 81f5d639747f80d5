// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStart.h"
#include "frmMain.h"
#include "modMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // --help and --version need no display: answered before the window's toolkit starts.
    if (const std::optional<int> status = tallisk::ProgramStart::answerCommandLine(argc, argv))
        return *status;

    tallisk::ProgramStart::DisplayWatch watch;
    QApplication app(argc, argv);
    watch.started();
    if (const std::optional<int> status =
            tallisk::ProgramStart::refuseLeftOverArguments(QApplication::arguments()))
        return *status;
    tallisk::modMain::setUpApplication(app);

    tallisk::frmMain window;
    window.startUp();
    return QApplication::exec();
}
