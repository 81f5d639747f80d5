// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BareWindowProbe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace tallisk::bench {

namespace {

using namespace std::chrono_literals;

// The same settling time as the program's probe.
constexpr auto kSettleTime = 300ms;

QMainWindow* mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(widget))
            return main;
    }
    return nullptr;
}

} // namespace

bool BareWindowProbe::eventFilter(QObject* watched, QEvent* event)
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

void BareWindowProbe::windowShown(QWidget* window)
{
    const QMainWindow* main = mainWindow();
    const QString line =
        QStringLiteral("shown %1 \"%2\" main-window-visible=%3\n")
            .arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle(),
                 main != nullptr && main->isVisible() ? QStringLiteral("yes")
                                                      : QStringLiteral("no"));
    std::fputs(qPrintable(line), stdout);
    std::fflush(stdout);

    QPointer<QWidget> guard(window);
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        QTimer::singleShot(kSettleTime, box, [box] {
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
        });
    } else if (qobject_cast<QMainWindow*>(window) != nullptr) {
        QTimer::singleShot(kSettleTime, this, [guard] {
            if (guard)
                guard->close();
        });
    }
}

} // namespace tallisk::bench
