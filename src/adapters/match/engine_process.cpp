// Starting, talking to and ending an engine's process.
#include "adapters/match/engine_process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace narabe {

namespace {

[[noreturn]] void failed(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// Closes a descriptor that may be unset.
void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

} // namespace

EngineProcess::EngineProcess(const std::string& command) {
    std::signal(SIGPIPE, SIG_IGN);
    // Close-on-exec, so that one engine never holds the other's pipes open.
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0) failed("pipe");
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        failed("pipe");
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        // The child: only async-signal-safe calls until exec.
        ::setpgid(0, 0);
        const int null = ::open("/dev/null", O_WRONLY);
        if (::dup2(in[0], STDIN_FILENO) < 0 || ::dup2(out[1], STDOUT_FILENO) < 0 || null < 0 ||
            ::dup2(null, STDERR_FILENO) < 0)
            ::_exit(127);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const int forkError = errno;
    ::close(in[0]);
    ::close(out[1]);
    input_ = in[1];
    output_ = out[0];
    if (pid_ < 0) {
        closeFd(input_);
        closeFd(output_);
        errno = forkError;
        failed("fork");
    }
    ::setpgid(pid_, pid_); // also here, so that the group exists before any kill
}

EngineProcess::~EngineProcess() {
    kill();
}

bool EngineProcess::send(std::string_view line) const {
    if (input_ < 0) return false;
    std::string bytes(line);
    bytes += "\r\n";
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const ssize_t n = ::write(input_, rest.data(), rest.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

EngineProcess::Answer EngineProcess::receive(std::string& line, Clock::time_point deadline) {
    while (lines_.empty()) {
        if (closed_) return Answer::CLOSED;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return Answer::TIMEOUT;
        pollfd p{output_, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) return Answer::TIMEOUT;
        char buffer[4096];
        const ssize_t n = ready < 0 ? -1 : ::read(output_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        const auto keep = [&](std::string_view l) { lines_.emplace_back(l); };
        if (n <= 0) {
            splitter_.finish(keep);
            closed_ = true;
        } else {
            splitter_.feed(std::string_view(buffer, static_cast<std::size_t>(n)), keep);
        }
    }
    line = std::move(lines_.front());
    lines_.pop_front();
    return Answer::LINE;
}

void EngineProcess::end(std::chrono::milliseconds grace) {
    send("END");
    closeFd(input_);
    const auto until = Clock::now() + grace;
    siginfo_t info{};
    // WNOWAIT leaves the engine unreaped, so that its process group id cannot be reused
    // before the group is killed.
    while (Clock::now() < until) {
        info.si_pid = 0;
        if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
            info.si_pid != 0)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill();
}

void EngineProcess::kill() {
    if (pid_ > 0) {
        ::kill(-pid_, SIGKILL);
        while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    closeFd(input_);
    closeFd(output_);
}

} // namespace narabe
