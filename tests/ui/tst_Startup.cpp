// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <chrono>

// Starts the real, unchanged program on the X display that xvfb-run gives this test and drives
// it from outside, as a user at the keyboard would, with xdotool; xwininfo reads the windows.
// Every wait is bounded, and the program is killed if it is still running at the end.
class tst_Startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void noticeThenWindowThenTypedExampleThenExit();

private:
    QString m_xdotool;
    QString m_xwininfo;
};

namespace {

using namespace std::chrono_literals;

// Generous, for a loaded machine and the sanitizer build; a healthy run takes a second or two.
constexpr auto kWindowTimeout = 60s;
constexpr auto kToolTimeout = 20s;
constexpr unsigned long kPollIntervalMs = 50;
constexpr unsigned long kSettleMs = 300;

// The screen xvfb-run is asked for in tests/ui/CMakeLists.txt.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
// The main window's client area is 9270 twips wide, the real part's frame included: 618 pixels
// at 96 dots per inch.
constexpr int kMainWindowWidth = 618;

struct ToolRun
{
    int exitCode = -1; // also when the tool did not end in time
    QString output;
};

ToolRun runTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    ToolRun run;
    if (!process.waitForFinished(static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(kToolTimeout).count()))) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return run;
}

struct Geometry
{
    int x = -1;
    int y = -1;
    int width = -1;
    int height = -1;
};

class Desktop
{
public:
    Desktop(QString xdotool, QString xwininfo, QProcess& program)
        : m_xdotool(std::move(xdotool)), m_xwininfo(std::move(xwininfo)), m_program(program)
    {}

    // The mapped windows whose whole title is `title`.
    QStringList mappedWindows(const QString& title) const
    {
        const ToolRun run = runTool(
            m_xdotool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--name"), u'^' + QRegularExpression::escape(title) + u'$'});
        // xdotool exits with 1 when nothing matched.
        return run.exitCode == 0 ? run.output.split(u'\n', Qt::SkipEmptyParts) : QStringList();
    }

    // Waits for exactly one mapped window of that title; empty when none came in time.
    QString awaitWindow(const QString& title) const
    {
        QString found;
        poll([&] {
            const QStringList windows = mappedWindows(title);
            if (windows.size() == 1)
                found = windows.first();
            return !found.isEmpty();
        });
        return found;
    }

    bool awaitGone(const QString& title) const
    {
        return poll([&] { return mappedWindows(title).isEmpty(); });
    }

    // Waits until the window has the keyboard focus, then pauses as a user would before
    // typing: the X server moves the focus when the toolkit asks, and the toolkit takes keys
    // for the window only once it has handled the focus change in its own turn.
    bool awaitFocus(const QString& window) const
    {
        const bool focused = poll([&] {
            const ToolRun run = runTool(m_xdotool, {QStringLiteral("getwindowfocus")});
            return run.exitCode == 0 && run.output == window;
        });
        if (focused)
            QThread::msleep(kSettleMs);
        return focused;
    }

    bool focus(const QString& window) const
    {
        return runTool(m_xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
                   .exitCode == 0;
    }

    Geometry geometry(const QString& window) const
    {
        const ToolRun run = runTool(m_xwininfo, {QStringLiteral("-id"), window});
        Geometry result;
        if (run.exitCode != 0)
            return result;
        const auto number = [&run](const char* label) {
            const QRegularExpression line(QLatin1StringView(label) +
                                          QStringLiteral(":\\s+(-?\\d+)"));
            const QRegularExpressionMatch match = line.match(run.output);
            return match.hasMatch() ? match.captured(1).toInt() : -1;
        };
        result.x = number("Absolute upper-left X");
        result.y = number("Absolute upper-left Y");
        result.width = number("Width");
        result.height = number("Height");
        return result;
    }

    // Key names as xdotool knows them ("Return", "alt+f"), to the window that has the focus.
    bool keys(const QStringList& names) const
    {
        return runTool(m_xdotool, QStringList{QStringLiteral("key"), QStringLiteral("--delay"),
                                              QStringLiteral("30")} +
                                      names)
                   .exitCode == 0;
    }

    bool type(const QString& text) const
    {
        return runTool(m_xdotool, {QStringLiteral("type"), QStringLiteral("--delay"),
                                   QStringLiteral("30"), text})
                   .exitCode == 0;
    }

private:
    // Polls until done, the deadline, or the program's end, which fails every wait at once.
    template <typename Done> bool poll(Done done) const
    {
        const QDeadlineTimer deadline(kWindowTimeout);
        while (!done()) {
            if (deadline.hasExpired() || m_program.state() == QProcess::NotRunning ||
                m_program.waitForFinished(kPollIntervalMs))
                return false;
        }
        return true;
    }

    QString m_xdotool;
    QString m_xwininfo;
    QProcess& m_program;
};

} // namespace

void tst_Startup::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"),
             "no X display: CTest runs this test under xvfb-run (Debian package xvfb)");
    m_xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    m_xwininfo = QStandardPaths::findExecutable(QStringLiteral("xwininfo"));
    QVERIFY2(!m_xdotool.isEmpty(), "xdotool is missing (Debian package xdotool)");
    QVERIFY2(!m_xwininfo.isEmpty(), "xwininfo is missing (Debian package x11-utils)");
}

void tst_Startup::noticeThenWindowThenTypedExampleThenExit()
{
    // A copy of the program in a directory of its own, so that "Export to HTML" writes its
    // table.htm there, where the test reads it.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString programPath = dir.filePath(QStringLiteral("tallisk"));
    QVERIFY(QFile::copy(QStringLiteral(TALLISK_PROGRAM), programPath));

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    // Under AddressSanitizer: libxkbcommon-x11 copies X keymap names with strndup() from
    // buffers that are not NUL-terminated, which is correct but trips the strict string checks
    // the sanitizer suite turns on. They are relaxed for this X11 child only.
    if (environment.contains(QStringLiteral("ASAN_OPTIONS"))) {
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":strict_string_checks=0"));
    }
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(programPath, {});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
    const auto killLeftOver = qScopeGuard([&program] {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    });

    const Desktop desktop(m_xdotool, m_xwininfo, program);
    const QString mainTitle = QStringLiteral("Tallisk (Beta)");
    // A failure's message, with how the program ended if it did.
    const auto why = [&program](const char* what) {
        QString text = QString::fromUtf8(what);
        if (program.state() == QProcess::NotRunning)
            text += QStringLiteral(" (the program ended early, status %1)").arg(program.exitCode());
        return text.toLocal8Bit();
    };

    // The notice comes first, while the main window is not mapped.
    const QString notice = desktop.awaitWindow(QStringLiteral("Please take note..."));
    QVERIFY2(!notice.isEmpty(),
             why("the notice \"Please take note...\" was not shown").constData());
    QVERIFY2(desktop.mappedWindows(mainTitle).isEmpty(),
             "the main window is mapped while the notice is up");
    QVERIFY2(desktop.awaitFocus(notice),
             why("the notice does not have the keyboard focus").constData());

    // Return presses OK; only then does the main window come, focused, centred, at its width.
    QVERIFY(desktop.keys({QStringLiteral("Return")}));
    const QString main = desktop.awaitWindow(mainTitle);
    QVERIFY2(!main.isEmpty(), why("the main window was not shown after OK").constData());
    QVERIFY2(desktop.awaitGone(QStringLiteral("Please take note...")),
             why("the notice stayed up").constData());
    QVERIFY2(desktop.awaitFocus(main),
             why("the main window does not have the keyboard focus").constData());
    const Geometry placed = desktop.geometry(main);
    QCOMPARE(placed.width, kMainWindowWidth);
    QVERIFY2(qAbs(2 * placed.x + placed.width - kScreenWidth) <= 2 &&
                 qAbs(2 * placed.y + placed.height - kScreenHeight) <= 2,
             qPrintable(QStringLiteral("not centred: %1x%2 at %3,%4")
                            .arg(placed.width)
                            .arg(placed.height)
                            .arg(placed.x)
                            .arg(placed.y)));

    // The worked example, typed from where the focus starts: Text1, then Tab to Text2 and
    // Text3; two more Tabs reach "Check", which Space presses; Shift+Tab goes back to "Export
    // to HTML". Only if every line landed in its own box does the file show the Barton.
    QVERIFY(desktop.type(QStringLiteral("AXDA2500DKV4D")));
    QVERIFY(desktop.keys({QStringLiteral("Tab")}));
    QVERIFY(desktop.type(QStringLiteral("ABCDEFG18HIJ1234")));
    QVERIFY(desktop.keys({QStringLiteral("Tab")}));
    QVERIFY(desktop.type(QStringLiteral("JIUHB0312XPMW")));
    QVERIFY(desktop.keys({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("space"),
                          QStringLiteral("shift+Tab"), QStringLiteral("space")}));
    const QString saved = desktop.awaitWindow(QStringLiteral("Tallisk"));
    QVERIFY2(!saved.isEmpty(), why("no message after \"Export to HTML\"").constData());
    QVERIFY(desktop.awaitFocus(saved));
    QVERIFY(desktop.keys({QStringLiteral("Return")}));
    QVERIFY(desktop.awaitGone(QStringLiteral("Tallisk")));

    QFile table(QDir(dir.path()).filePath(QStringLiteral("table.htm")));
    QVERIFY2(table.open(QIODevice::ReadOnly), qPrintable(table.errorString()));
    const QByteArray html = table.readAll();
    // The model name and the core from line 1, the production number from line 2, the stepping
    // from line 3, and the clock that needs all of them.
    for (const QByteArray& value :
         {QByteArray("AMD Athlon XP"), QByteArray("&nbsp;Barton<"), QByteArray("&nbsp;1234<"),
          QByteArray("&nbsp;JIUHB<"), QByteArray("&nbsp;1833<")})
        QVERIFY2(html.contains(value), (value + " is missing from:\n" + html).constData());

    // File, Exit by its access keys ends the program, and well. With no window manager on
    // the virtual display, nothing hands the focus back to the main window when the message
    // closes; the test does what the window manager would.
    QVERIFY(desktop.focus(main));
    QVERIFY(desktop.awaitFocus(main));
    QVERIFY(desktop.keys({QStringLiteral("alt+f"), QStringLiteral("x")}));
    QVERIFY2(
        program.state() == QProcess::NotRunning ||
            program.waitForFinished(static_cast<int>(
                std::chrono::duration_cast<std::chrono::milliseconds>(kWindowTimeout).count())),
        "still running after File, Exit");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_Startup.moc"
