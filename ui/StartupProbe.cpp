// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupProbe.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace tallisk {

namespace {

using namespace std::chrono_literals;

// Long enough for a window to be mapped and drawn before it is driven.
constexpr auto kSettleTime = 300ms;

void printLine(const QString& line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

QWidget* mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"frmMain")
            return widget;
    }
    return nullptr;
}

// Types text into a box key by key, as the keyboard would deliver it.
void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::TabFocusReason);
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

} // namespace

void StartupProbe::installFromEnvironment()
{
    const bool logWindows = qEnvironmentVariable("TALLISK_TEST_WINDOW_LOG") == u"1";
    const QString screenshotPath = qEnvironmentVariable("TALLISK_TEST_SCREENSHOT");
    if (!logWindows && screenshotPath.isEmpty())
        return;
    auto* probe = new StartupProbe(logWindows, screenshotPath);
    probe->setParent(qApp);
    qApp->installEventFilter(probe);
}

StartupProbe::StartupProbe(bool logWindows, QString screenshotPath)
    : m_logWindows(logWindows), m_screenshotPath(std::move(screenshotPath))
{}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
            !m_seen.contains(widget)) {
            m_seen.append(widget);
            windowShown(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

void StartupProbe::windowShown(QWidget* window)
{
    if (m_logWindows) {
        const QWidget* main = mainWindow();
        printLine(QStringLiteral("shown %1 \"%2\" main-window-visible=%3")
                      .arg(QString::fromLatin1(window->metaObject()->className()),
                           window->windowTitle(),
                           main != nullptr && main->isVisible() ? QStringLiteral("yes")
                                                                : QStringLiteral("no")));
    }
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        QTimer::singleShot(kSettleTime, box, [box] {
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
        });
        return;
    }
    if (window->objectName() == u"frmMain")
        mainWindowShown(window);
}

void StartupProbe::mainWindowShown(QWidget* window)
{
    QPointer<QWidget> guard(window);
    QTimer::singleShot(kSettleTime, this, [this, guard] {
        if (!guard)
            return;
        if (!m_screenshotPath.isEmpty()) {
            typeAndCheck(guard);
            QTimer::singleShot(kSettleTime, this, [this, guard] {
                if (!guard)
                    return;
                if (saveScreenshot(guard))
                    chooseExit(guard);
                else
                    QCoreApplication::exit(1);
            });
            return;
        }
        chooseExit(guard);
    });
}

void StartupProbe::typeAndCheck(QWidget* window)
{
    // The example from the README: an Athlon XP 2500+ with a Barton core.
    const QStringList lines{QStringLiteral("AXDA2500DKV4D"), QStringLiteral("ABCDEFG18HIJ1234"),
                            QStringLiteral("JIUHB0312XPMW")};
    const QStringList boxes{QStringLiteral("Text1"), QStringLiteral("Text2"),
                            QStringLiteral("Text3")};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (auto* box = window->findChild<QLineEdit*>(boxes[i])) {
            typeInto(box, lines[i]);
            box->home(false); // show each line from its start, as a reader would scroll back
        }
    }
    if (auto* check = window->findChild<QPushButton*>(QStringLiteral("Command2")))
        check->click();
    // Leave the focus where a user who typed and clicked would start again.
    if (auto* first = window->findChild<QLineEdit*>(QStringLiteral("Text1")))
        first->setFocus(Qt::OtherFocusReason);
}

bool StartupProbe::saveScreenshot(QWidget* window)
{
    const bool saved = window->grab().save(m_screenshotPath, "PNG");
    printLine(saved ? QStringLiteral("saved %1").arg(m_screenshotPath)
                    : QStringLiteral("could not save %1").arg(m_screenshotPath));
    return saved;
}

void StartupProbe::chooseExit(QWidget* window)
{
    if (m_logWindows)
        printLine(QStringLiteral("choosing File, Exit"));
    if (auto* exit = window->findChild<QAction*>(QStringLiteral("mnuExit")))
        exit->trigger();
}

} // namespace tallisk
