// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tallisk::bench {

// Runs one program as a child and measures it from the outside: wall time from spawn to exit,
// optionally the time until a given text first appears on its standard output, and its peak
// resident memory as the kernel accounts it (wait4's ru_maxrss), which costs the child nothing.
class ChildProcess
{
public:
    enum class Output
    {
        Discard, // standard output to /dev/null
        Capture, // standard output read back, and scanned for the marker
        File,    // standard output written to `outputFile`
    };

    struct Options
    {
        std::vector<std::string> arguments;   // the program first
        std::vector<std::string> environment; // NAME=value, added to this process's own
        Output output = Output::Discard;
        std::string outputFile;
        std::string marker; // with Capture: the text whose first appearance is timed
        double timeoutSeconds = 120;
    };

    struct Result
    {
        bool started = false;
        bool exitedNormally = false;
        int exitStatus = -1;
        bool timedOut = false;    // killed at the deadline
        double seconds = 0;       // spawn to exit
        double markerSeconds = 0; // spawn to the read that brought the marker; 0 if none did
        long peakRssKiB = 0;
        std::string output; // with Capture
    };

    static Result run(const Options& options);
};

} // namespace tallisk::bench
