// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace tallisk {

// What the window program does before its window exists: it answers --help and --version,
// which need no display, and it ends with one line pointing to tallisk-decode, instead of the
// toolkit's abort, when no display can be reached.
class ProgramStart
{
    Q_DECLARE_TR_FUNCTIONS(ProgramStart)

public:
    // A usage error, or no display to open the window on.
    static constexpr int kCannotStart = 2;

    // Before the toolkit starts: answers --help or --version on standard output and returns
    // the exit status; nullopt when the window is to be opened. The toolkit's own options
    // (-platform, -style, ...) are left to it.
    static std::optional<int> answerCommandLine(int argc, char** argv);

    // After the toolkit took its own options: what is left beyond the program's name is not
    // ours to understand. Returns the exit status to end with, or nullopt.
    static std::optional<int> refuseLeftOverArguments(const QStringList& arguments);

    static QString helpText();

    // For the length of the toolkit's start (the creation of the application object): holds
    // the toolkit's messages, and if the toolkit finds no display to open a window on (its
    // fatal error), writes the one line that says so and ends the program with kCannotStart.
    // Once the start went well, what was held goes out as usual.
    class DisplayWatch
    {
    public:
        DisplayWatch();
        ~DisplayWatch();
        DisplayWatch(const DisplayWatch&) = delete;
        DisplayWatch& operator=(const DisplayWatch&) = delete;

        // The toolkit has started: messages go their usual way again, the held ones first.
        void started();

    private:
        bool m_watching = true;
    };
};

} // namespace tallisk
