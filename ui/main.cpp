// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMain.h"
#include "modMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tallisk::modMain::setUpApplication(app);

    tallisk::frmMain window;
    window.startUp();
    return QApplication::exec();
}
