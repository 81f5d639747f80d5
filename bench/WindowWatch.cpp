// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowWatch.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace tallisk::bench {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

} // namespace

double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

WindowWatch::WindowWatch()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    m_utf8String = internAtom(connection, "UTF8_STRING");
    m_netWmName = internAtom(connection, "_NET_WM_NAME");
    // Maps of the root window's children: without a window manager, the top-level windows.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(connection, selected)) {
        std::free(error);
        xcb_disconnect(connection);
        m_connection = nullptr;
    }
}

WindowWatch::~WindowWatch()
{
    if (m_connection != nullptr)
        xcb_disconnect(m_connection);
}

void WindowWatch::forgetEarlierEvents()
{
    if (m_connection == nullptr)
        return;
    // A round trip: every event sent before it has then arrived.
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
        std::free(event);
}

std::string WindowWatch::titleOf(unsigned window)
{
    // _NET_WM_NAME in UTF-8 first, as toolkits set it; the plain WM_NAME otherwise.
    const struct
    {
        xcb_atom_t property;
        xcb_atom_t type;
    } sources[] = {{m_netWmName, m_utf8String}, {XCB_ATOM_WM_NAME, XCB_ATOM_STRING}};
    for (const auto& source : sources) {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(m_connection, 0, window, source.property, source.type, 0, 1024);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        std::string title;
        if (reply != nullptr && reply->format == 8)
            title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                         static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        if (!title.empty())
            return title;
    }
    return {};
}

unsigned WindowWatch::awaitWindow(const std::string& title, double deadline, double* mappedAt)
{
    if (m_connection == nullptr)
        return 0;
    const int fd = xcb_get_file_descriptor(m_connection);
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const double seen = steadySeconds();
            xcb_window_t mapped = XCB_WINDOW_NONE;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
                // Menus and tooltips map themselves past the window manager; they are not
                // windows of their own.
                if (map->override_redirect == 0)
                    mapped = map->window;
            }
            std::free(event);
            if (mapped != XCB_WINDOW_NONE && titleOf(mapped) == title) {
                if (mappedAt != nullptr)
                    *mappedAt = seen;
                return awaitFocus(mapped, deadline) ? mapped : 0;
            }
        }
        if (xcb_connection_has_error(m_connection) != 0)
            return 0;
        const double left = deadline - steadySeconds();
        if (left <= 0)
            return 0;
        pollfd readable{fd, POLLIN, 0};
        poll(&readable, 1, static_cast<int>(left * 1000) + 1);
    }
}

bool WindowWatch::awaitFocus(unsigned window, double deadline)
{
    // The program asks for the focus itself once its window is up; with no window manager
    // it has it when the X server says so.
    for (;;) {
        xcb_get_input_focus_reply_t* reply =
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr);
        const bool focused = reply != nullptr && reply->focus == window;
        std::free(reply);
        if (focused)
            return true;
        if (steadySeconds() >= deadline)
            return false;
        poll(nullptr, 0, 5);
    }
}

} // namespace tallisk::bench
