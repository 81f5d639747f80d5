// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tallisk::test;

// The real window program started without any display: what it answers before its window
// could exist.
class tst_ProgramStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutADisplay_data();
    void withoutADisplay();
};

void tst_ProgramStart::withoutADisplay_data()
{
    // out, err: what the streams must start with; status: the exit status
    addColumns<QStringList, bool, int, QByteArray, QByteArray>(
        {"arguments", "toFullDevice", "status", "out", "err"});

    const QByteArray noDisplay =
        "tallisk: no display to open the window on; tallisk-decode needs none\n";
    const QStringList offscreen{QStringLiteral("-platform"), QStringLiteral("offscreen")};
    // clang-format off
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << false << 0 << QByteArray("Usage: tallisk [-h | --help] [-v | --version]\n") << QByteArray();
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << false << 0 << QByteArray("tallisk 0.5.0\n") << QByteArray();
    QTest::newRow("short version after the toolkit's options") << offscreen + QStringList{QStringLiteral("-v")} << false << 0 << QByteArray("tallisk 0.5.0\n") << QByteArray();
    QTest::newRow("help onto a full device") << QStringList{QStringLiteral("-h")} << true << 1 << QByteArray() << QByteArray("tallisk: cannot write standard output: No space left on device\n");
    QTest::newRow("no display") << QStringList() << false << 2 << QByteArray() << noDisplay;
    QTest::newRow("no display, with the toolkit's options") << QStringList{QStringLiteral("-style"), QStringLiteral("fusion")} << false << 2 << QByteArray() << noDisplay;
    QTest::newRow("an argument not ours") << offscreen + QStringList{QStringLiteral("table.htm")} << false << 2 << QByteArray() << QByteArray("tallisk: unexpected argument 'table.htm' (see tallisk --help)\n");
    // clang-format on
}

void tst_ProgramStart::withoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, toFullDevice);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    if (toFullDevice && !QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("this system has no /dev/full");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QLatin1StringView(name));
    // A runtime folder of the user's own, so the toolkit has nothing to warn about.
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    if (toFullDevice)
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(TALLISK_PROGRAM), arguments);
    if (!program.waitForFinished(60000)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the program did not end by itself");
    }
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QByteArray written = program.readAllStandardOutput();
    QVERIFY2(written.startsWith(out), written.constData());
    QCOMPARE(written.isEmpty(), out.isEmpty());
    QCOMPARE(program.readAllStandardError(), err);
    for (const QByteArray& line : written.split('\n'))
        QVERIFY2(QString::fromUtf8(line).size() <= 80, line.constData());
}

QTEST_GUILESS_MAIN(tst_ProgramStart)
#include "tst_ProgramStart.moc"
