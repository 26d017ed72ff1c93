// Running part of a test in another process: to stand for a second program
// on the same folder, or for a full disk.
#pragma once

#ifndef _WIN32

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>

namespace vis::test {

// Starts `body` in a forked child and returns its process id. With
// `fileSizeLimit` > 0 no file of the child can grow past that many bytes,
// as on a full disk: the write that crosses it is cut short.
inline pid_t StartChild(const std::function<int()>& body, long fileSizeLimit = 0) {
    const pid_t child = fork();
    if (child != 0) return child;
    if (fileSizeLimit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
        const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    int code = 99;
    try {
        code = body();
    } catch (...) {
        code = 98;
    }
    _exit(code);  // no test framework clean-up in the child
}

// The exit code of a child, or -1 when it did not end by itself.
inline int WaitForChild(pid_t child) {
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

inline int RunInChild(const std::function<int()>& body, long fileSizeLimit = 0) {
    return WaitForChild(StartChild(body, fileSizeLimit));
}

}  // namespace vis::test

#endif
