// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// A child process running another program (say "sleep" "1000"), returned
// once the program has taken the process over: the pipe's end that the child
// holds closes as it does. -1 when it cannot be started.
inline pid_t startProgram(const char* program, const char* argument) {
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::execlp(program, program, argument, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    char byte = 0;
    while (::read(ready[0], &byte, 1) > 0) {
    }
    ::close(ready[0]);
    return child;
}

// A child process of this very program that waits, as a running copy of the
// game would, until it is ended.
inline pid_t startWaitingCopy() {
    const pid_t child = ::fork();
    if (child == 0) {
        for (;;) ::pause();
    }
    return child;
}

inline void endChild(pid_t child) {
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
}
