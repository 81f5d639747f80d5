// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct xcb_connection_t;

namespace tallisk::bench {

// Watches the X display for top-level windows being mapped, from outside the program that maps
// them: the start-up benchmark times a window program by what the screen shows, not by
// anything the program reports. Open it before starting the program, so no map is missed, and
// keep it open across runs: an X server with no client left resets itself, and refuses
// connections meanwhile.
class WindowWatch
{
public:
    WindowWatch();
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    bool connected() const { return m_connection != nullptr; }

    // Drops the events of earlier runs.
    void forgetEarlierEvents();

    // Waits until a top-level window titled `title` is mapped and has the keyboard focus, so
    // that keys typed next reach it. Returns its id, or 0 when the deadline (seconds on the
    // steady clock) passed first. `mappedAt`, if given, receives the steady-clock time in
    // seconds at which the map was seen.
    unsigned awaitWindow(const std::string& title, double deadline, double* mappedAt = nullptr);

private:
    std::string titleOf(unsigned window);
    bool awaitFocus(unsigned window, double deadline);

    xcb_connection_t* m_connection = nullptr;
    unsigned m_utf8String = 0;
    unsigned m_netWmName = 0;
};

// Seconds on the steady clock, the clock WindowWatch's times are on.
double steadySeconds();

} // namespace tallisk::bench
