// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tallisk-bench-bare-window: the window benchmark's floor, a bare Qt program that starts the
// way Tallisk does (a critical notice with OK while no window is up, then a plain main window
// with File, Exit) and is worked and timed from outside the same way.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    // A notice of the same shape as the program's: six lines joined by CR LF, one empty.
    const QString notice =
        QStringList{
            QStringLiteral("This is a bare Qt program that stands in for the real one, showing"),
            QStringLiteral("a notice of the same shape before its window"),
            QString(),
            QStringLiteral("Its lines are about as long as the real notice's, so the box is laid"),
            QStringLiteral("out at about the same size - nothing else in it matters to the"),
            QStringLiteral("benchmark, which only times the box and measures the memory."),
        }
            .join(QStringLiteral("\r\n"));
    {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Please take note..."), notice,
                        QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    QAction* exit =
        window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    QObject::connect(exit, &QAction::triggered, &app, &QApplication::quit);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
