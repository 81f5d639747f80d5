// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tallisk::bench {

// Runs one program as a child and measures it from the outside: wall time from spawn to exit
// and its peak resident memory as the kernel accounts it (wait4's ru_maxrss), which costs the
// child nothing. A driver may work the child while it runs (a window program, through the X
// display).
class ChildProcess
{
public:
    enum class Output
    {
        Discard, // standard output to /dev/null
        Capture, // standard output read back
        File,    // standard output written to `outputFile`
    };

    struct Options
    {
        std::vector<std::string> arguments;   // the program first
        std::vector<std::string> environment; // NAME=value, added to this process's own
        Output output = Output::Discard;
        std::string outputFile;
        // Called once the child is running, with the steady-clock second (steadySeconds()) of
        // its spawn and the deadline; returns false when the child did not do what it should,
        // which kills it. Not together with Capture.
        std::function<bool(double spawnedAt, double deadline)> driver;
        double timeoutSeconds = 120;
    };

    struct Result
    {
        bool started = false;
        bool exitedNormally = false;
        int exitStatus = -1;
        bool timedOut = false; // killed at the deadline
        bool driven = true;    // the driver, if any, returned true
        double seconds = 0;    // spawn to exit
        long peakRssKiB = 0;
        std::string output; // with Capture
    };

    static Result run(const Options& options);
};

} // namespace tallisk::bench
