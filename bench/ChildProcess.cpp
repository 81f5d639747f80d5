// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

extern char** environ;

namespace tallisk::bench {

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// Waits until the child has exited or the deadline has passed, and kills it at the deadline.
// Returns false when it had to be killed.
bool awaitExit(pid_t pid, Clock::time_point start, double timeoutSeconds)
{
    const int exitFd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (exitFd < 0)
        return true; // no pidfd: wait4 blocks until the child is done
    bool exited = false;
    for (;;) {
        const double left = timeoutSeconds - since(start);
        if (left <= 0)
            break;
        pollfd done{exitFd, POLLIN, 0};
        const int ready = poll(&done, 1, static_cast<int>(left * 1000) + 1);
        if (ready > 0) {
            exited = true;
            break;
        }
        if (ready < 0 && errno != EINTR)
            break;
    }
    close(exitFd);
    if (!exited)
        kill(pid, SIGKILL);
    return exited;
}

} // namespace

ChildProcess::Result ChildProcess::run(const Options& options)
{
    Result result;
    std::vector<std::string> arguments = options.arguments;
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable)
        environment.emplace_back(*variable);
    environment.insert(environment.end(), options.environment.begin(), options.environment.end());
    std::vector<char*> argv = pointers(arguments);
    std::vector<char*> envp = pointers(environment);

    int pipeEnds[2] = {-1, -1};
    if (options.output == Output::Capture && pipe2(pipeEnds, O_CLOEXEC) != 0)
        return result;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    switch (options.output) {
    case Output::Discard:
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        break;
    case Output::Capture:
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        break;
    case Output::File:
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.outputFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        break;
    }
    // Nothing a child says on standard error is measured.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const Clock::time_point start = Clock::now();
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (options.output == Output::Capture)
        close(pipeEnds[1]);
    if (spawned != 0) {
        if (options.output == Output::Capture)
            close(pipeEnds[0]);
        return result;
    }
    result.started = true;

    if (options.output == Output::Capture) {
        char buffer[4096];
        for (;;) {
            const double left = options.timeoutSeconds - since(start);
            if (left <= 0) {
                result.timedOut = true;
                kill(pid, SIGKILL);
                break;
            }
            pollfd readable{pipeEnds[0], POLLIN, 0};
            const int ready = poll(&readable, 1, static_cast<int>(left * 1000) + 1);
            if (ready <= 0)
                continue; // interrupted, or the deadline, which is checked above
            const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break; // end of output: the child closed it or exited
            result.output.append(buffer, static_cast<std::size_t>(got));
        }
        close(pipeEnds[0]);
    } else if (options.driver) {
        const double spawnedAt = std::chrono::duration<double>(start.time_since_epoch()).count();
        result.driven = options.driver(spawnedAt, spawnedAt + options.timeoutSeconds);
        if (!result.driven)
            kill(pid, SIGKILL);
    }

    if (!result.timedOut && !awaitExit(pid, start, options.timeoutSeconds))
        result.timedOut = true;
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return result;
    }
    result.seconds = since(start);
    result.peakRssKiB = usage.ru_maxrss;
    result.exitedNormally = WIFEXITED(status);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace tallisk::bench
