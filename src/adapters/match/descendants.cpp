// Finding this process's children in /proc and ending them layer by layer: a child killed
// hands its own children to this process (its adopter), which kills them in the next round.
// Only calls that may run in a signal handler are used.
#include "adapters/match/descendants.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <initializer_list>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace narabe {

namespace {

// A round waits this long for the killed to die before looking again; ending gives up after
// MAX_ROUNDS, which only a process that cannot be killed would make it reach.
constexpr long ROUND_NANOSECONDS = 5'000'000;
constexpr int MAX_ROUNDS = 2000;

// The number that `text` starts with, up to `end`; -1 when it starts with no digit.
long leadingNumber(const char* text, const char* end) {
    long n = -1;
    for (; text < end && *text >= '0' && *text <= '9'; ++text)
        n = (n < 0 ? 0 : n * 10) + (*text - '0');
    return n;
}

// The parent of the process `pid` as /proc/PID/stat gives it: the field after the state,
// which follows the last ")" (the name in parentheses may hold any byte). -1 if it is gone.
long parentOf(const char* pid) {
    char path[64] = "/proc/";
    std::size_t at = 6;
    for (const char* c = pid; *c != '\0' && at < sizeof path - 6; ++c)
        path[at++] = *c;
    for (const char* c = "/stat"; *c != '\0'; ++c)
        path[at++] = *c;
    path[at] = '\0';
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    char stat[512];
    const ssize_t n = ::read(fd, stat, sizeof stat);
    ::close(fd);
    if (n <= 0) return -1;
    const char* end = stat + n;
    const char* close = nullptr;
    for (const char* c = stat; c < end; ++c)
        if (*c == ')') close = c;
    // ") S PPID ..."
    if (close == nullptr || end - close < 5) return -1;
    return leadingNumber(close + 4, end);
}

// Kills every child of this process and its process group; whether there was any.
bool killChildren() {
    const int proc = ::open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (proc < 0) return false;
    const long self = ::getpid();
    bool found = false;
    alignas(8) char entries[4096];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, proc, entries, sizeof entries);
        if (n <= 0) break;
        for (long at = 0; at < n;) {
            // struct linux_dirent64: inode (8), offset (8), length (2), type (1), name.
            unsigned short length = 0;
            __builtin_memcpy(&length, entries + at + 16, sizeof length);
            const char* name = entries + at + 19;
            at += length;
            const long pid = leadingNumber(name, name + 20);
            if (pid <= 0 || parentOf(name) != self) continue;
            found = true;
            ::kill(static_cast<pid_t>(-pid), SIGKILL);
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        }
    }
    ::close(proc);
    return found;
}

// Reaps every child that has ended; whether any child is left.
bool reap() {
    for (;;) {
        const pid_t pid = ::waitpid(-1, nullptr, WNOHANG);
        if (pid > 0) continue;
        if (pid < 0 && errno == EINTR) continue;
        return pid == 0; // 0: children still running; -1 (ECHILD): none left
    }
}

extern "C" void endOnSignal(int signal) {
    endDescendants();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

void adoptDescendants() {
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    struct sigaction action {};
    action.sa_handler = endOnSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&action.sa_mask, signal);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void endDescendants() {
    const int saved = errno;
    for (int round = 0; round < MAX_ROUNDS; ++round) {
        const bool killed = killChildren();
        if (!reap() && !killed) break;
        const timespec pause{0, ROUND_NANOSECONDS};
        ::nanosleep(&pause, nullptr);
    }
    errno = saved;
}

} // namespace narabe
