// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// Starts the real program on a virtual X display and reads what it reports about its windows.
class tst_Startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noticeComesFirstThenTheWindow();
};

void tst_Startup::noticeComesFirstThenTheWindow()
{
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty())
        QSKIP("xvfb-run is not installed (Debian package xvfb)");

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TALLISK_TEST_WINDOW_LOG"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // Under AddressSanitizer: libxkbcommon-x11 copies X keymap names with strndup() from
    // buffers that are not NUL-terminated, which is correct but trips the strict string checks
    // the sanitizer suite turns on. They are relaxed for this X11 child only.
    if (environment.contains(QStringLiteral("ASAN_OPTIONS"))) {
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":strict_string_checks=0"));
    }
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::SeparateChannels);
    program.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral(TALLISK_PROGRAM)});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    // The program chooses File, Exit by itself once its window is up.
    const bool ended = program.waitForFinished(120000);
    if (!ended)
        program.kill();
    const QString log = QString::fromUtf8(program.readAllStandardOutput());
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(ended, qPrintable(QStringLiteral("still running; it printed:\n") + log + errors));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, qPrintable(log + errors));

    const QStringList lines = log.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines, QStringList({QStringLiteral("shown QMessageBox \"Please take note...\" "
                                                "main-window-visible=no"),
                                 QStringLiteral("shown tallisk::frmMain \"Tallisk (Beta)\" "
                                                "main-window-visible=yes"),
                                 QStringLiteral("choosing File, Exit")}));
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_Startup.moc"
