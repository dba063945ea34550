// Opening the script and reading it line by line with a bound on the line's length.
#include "adapters/script/script_input.h"

#include "support/files.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ios>
#include <system_error>

namespace narabe {

namespace {

std::string errorText(int code) {
    return std::generic_category().message(code);
}

ScriptInput failure(int status, std::string error) {
    ScriptInput in;
    in.status = status;
    in.error = std::move(error);
    return in;
}

// Whether the script may be read from what `fd` is. A regular file and a pipe end; a
// terminal is there for interactive use; a socket is a pipe to programs that start the
// runner with a socket pair for its standard input. Anything else, a device such as
// /dev/zero above all, is refused.
bool readableKind(int fd, const struct stat& st) {
    return S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || ::isatty(fd) == 1;
}

// A pipe opened without waiting may have no writer yet, and a read would take that for the
// end of the script: wait until the pipe holds data or a writer has come and gone (which
// Linux reports for a pipe only once it had a writer since it was opened).
void waitForWriter(int fd) {
    pollfd wanted{fd, POLLIN, 0};
    while (::poll(&wanted, 1, -1) < 0 && errno == EINTR) {
    }
}

} // namespace

DescriptorBuffer::~DescriptorBuffer() {
    if (owned_) ::close(fd_);
}

DescriptorBuffer::int_type DescriptorBuffer::underflow() {
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_, sizeof buffer_);
        if (got > 0) {
            setg(buffer_, buffer_, buffer_ + got);
            return traits_type::to_int_type(buffer_[0]);
        }
        if (got == 0) return traits_type::eof();
        if (errno != EINTR) throw std::ios_base::failure(errorText(errno));
    }
}

ScriptInput openScript(const std::string& path) {
    const bool standardInput = path == "-";
    const std::string name = standardInput ? "standard input" : path;
    FileDescriptor opened;
    if (!standardInput) {
        opened = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (!opened) return failure(1, "cannot read " + name + ": " + errorText(errno));
    }
    const int fd = standardInput ? STDIN_FILENO : opened.get();
    struct stat st {};
    if (::fstat(fd, &st) != 0) return failure(1, "cannot read " + name + ": " + errorText(errno));
    if (S_ISDIR(st.st_mode)) return failure(1, "cannot read " + name + ": it is a folder");
    if (!readableKind(fd, st))
        return failure(2, name + " is not a regular file, a pipe or a terminal");

    if (!standardInput) {
        if (S_ISFIFO(st.st_mode)) waitForWriter(fd);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    ScriptInput in;
    in.buffer = standardInput ? std::make_unique<DescriptorBuffer>(STDIN_FILENO, false)
                              : std::make_unique<DescriptorBuffer>(opened.release(), true);
    return in;
}

LineRead readScriptLine(std::istream& in, std::string& line) {
    // The line end may be CR LF: one byte more than the longest line may be its CR.
    const auto tooLong = [&line] {
        return line.size() > MAX_SCRIPT_LINE_BYTES + 1 ||
               (line.size() > MAX_SCRIPT_LINE_BYTES && line.back() != '\r');
    };
    line.clear();
    char chunk[4096];
    for (;;) {
        // Up to a chunk's worth of bytes before the next "\n", which stays in the stream.
        in.get(chunk, sizeof chunk, '\n');
        line.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (tooLong()) return LineRead::TOO_LONG;
        if (in.bad()) return LineRead::FAILED;
        if (in.eof()) {
            if (line.empty()) return LineRead::END;
            return tooLong() ? LineRead::TOO_LONG : LineRead::LINE;
        }
        in.clear(); // nothing taken before a "\n" is no failure
        if (in.peek() == '\n') {
            in.ignore();
            return tooLong() ? LineRead::TOO_LONG : LineRead::LINE;
        }
    }
}

} // namespace narabe
