// Giving up the superuser's rights in a child process and handing files over to that user.
#include "common/unprivileged.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>

namespace narabe::test {

namespace {

// Writes all of `bytes` to the descriptor; false when that fails.
bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The child's part: become "nobody", act, send the lines. Never returns.
[[noreturn]] void runChild(int out, const std::function<std::vector<std::string>()>& act) {
    const auto id = static_cast<gid_t>(UNPRIVILEGED_ID);
    if (setgroups(0, nullptr) != 0 || setgid(id) != 0 || setuid(id) != 0 || geteuid() == 0)
        _exit(2);
    try {
        std::string bytes;
        for (const auto& line : act())
            bytes += line + "\n";
        // _exit skips the leak check and the test framework's handlers, which belong to
        // the parent.
        _exit(writeAll(out, bytes) ? 0 : 3);
    } catch (...) {
        _exit(4);
    }
}

} // namespace

std::optional<std::vector<std::string>>
runUnprivileged(const std::function<std::vector<std::string>()>& act) {
    if (geteuid() != 0) return act();

    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        close(fds[0]);
        runChild(fds[1], act);
    }
    close(fds[1]);
    std::string bytes;
    char buffer[256];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;

    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

void handOver(const std::filesystem::path& folder) {
    if (geteuid() != 0) return;
    const auto id = static_cast<uid_t>(UNPRIVILEGED_ID);
    const auto give = [&](const std::filesystem::path& path) {
        if (lchown(path.c_str(), id, static_cast<gid_t>(id)) != 0)
            throw std::system_error(errno, std::generic_category(), path.string());
    };
    give(folder);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        give(entry.path());
}

unsigned createdFileMode() {
    const mode_t mask = umask(022);
    umask(mask);
    return 0666U & ~static_cast<unsigned>(mask);
}

} // namespace narabe::test
