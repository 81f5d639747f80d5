// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace tallisk::bench {

// The bare window's counterpart of the program's start-up probe, so both are driven and timed
// alike: prints "shown CLASS "TITLE" main-window-visible=yes|no" for every window as it is first
// shown, presses OK on a message box and closes the main window once each has settled.
class BareWindowProbe final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowShown(QWidget* window);

    QList<QPointer<QWidget>> m_seen;
};

} // namespace tallisk::bench
