// Descriptor-level file access over the POSIX calls, or over the C runtime's equivalents on
// Windows, which has no pipes or sockets in the file system to wait on.
#include "support/files.h"

#include <cerrno>
#include <climits>
#include <random>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace narabe {

namespace {

#ifdef _WIN32
constexpr int READ_ONLY = _O_RDONLY;
constexpr int WRITE_ONLY = _O_WRONLY;
constexpr int CREATE_MISSING = _O_CREAT;
constexpr int EXCLUSIVE = _O_EXCL;
constexpr int NO_FOLLOW = 0; // links are not followed by the C runtime's open
#else
constexpr int READ_ONLY = O_RDONLY;
constexpr int WRITE_ONLY = O_WRONLY;
constexpr int CREATE_MISSING = O_CREAT;
constexpr int EXCLUSIVE = O_EXCL;
constexpr int NO_FOLLOW = O_NOFOLLOW;
#endif

int modeFlags(FileAccess access) {
    switch (access) {
    case FileAccess::READ:
        return READ_ONLY;
    case FileAccess::WRITE:
        return WRITE_ONLY;
    case FileAccess::CREATE:
        return WRITE_ONLY | CREATE_MISSING;
    case FileAccess::NEW:
        return WRITE_ONLY | CREATE_MISSING | EXCLUSIVE;
    }
    return READ_ONLY;
}

int accessFlags(FileAccess access, Links links) {
    const int follow = links == Links::REFUSE ? NO_FOLLOW : 0;
    return follow | modeFlags(access);
}

#ifdef _WIN32
using Stat = struct _stat64;
int systemFstat(int fd, Stat* st) {
    return _fstat64(fd, st);
}
bool isRegular(const Stat& st) {
    return (st.st_mode & _S_IFMT) == _S_IFREG;
}
// Files have no owning user id here: a file the program can open is taken as the user's.
bool ownedByUser(const Stat&) {
    return true;
}
int systemClose(int fd) {
    return _close(fd);
}
int systemOpen(const std::filesystem::path& path, FileAccess access, Links links) {
    const int flags = _O_BINARY | _O_NOINHERIT | accessFlags(access, links);
    int fd = -1;
    const errno_t failed = _wsopen_s(&fd, path.c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    if (failed != 0) {
        errno = failed;
        return -1;
    }
    return fd;
}
std::ptrdiff_t systemRead(int fd, char* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
}
std::ptrdiff_t systemWriteAt(int fd, const char* bytes, std::size_t size, std::uint64_t offset) {
    if (_lseeki64(fd, static_cast<__int64>(offset), SEEK_SET) < 0) return -1;
    return _write(fd, bytes, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
}
std::ptrdiff_t systemWrite(int fd, const char* bytes, std::size_t size) {
    return _write(fd, bytes, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
}
bool systemTruncate(int fd, std::uint64_t size) {
    return _chsize_s(fd, static_cast<__int64>(size)) == 0;
}
bool systemSync(int fd) {
    return _commit(fd) == 0;
}
#else
using Stat = struct stat;
int systemFstat(int fd, Stat* st) {
    return ::fstat(fd, st);
}
bool isRegular(const Stat& st) {
    return S_ISREG(st.st_mode);
}
bool ownedByUser(const Stat& st) {
    return st.st_uid == ::geteuid();
}
int systemClose(int fd) {
    return ::close(fd);
}
// O_NONBLOCK makes the open of a pipe or a device return at once; on a regular file it has
// no effect.
int systemOpen(const std::filesystem::path& path, FileAccess access, Links links) {
    const int flags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY | accessFlags(access, links);
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}
std::ptrdiff_t systemRead(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}
std::ptrdiff_t systemWriteAt(int fd, const char* bytes, std::size_t size, std::uint64_t offset) {
    return ::pwrite(fd, bytes, size, static_cast<off_t>(offset));
}
std::ptrdiff_t systemWrite(int fd, const char* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}
bool systemTruncate(int fd, std::uint64_t size) {
    int result = 0;
    do {
        result = ::ftruncate(fd, static_cast<off_t>(size));
    } while (result != 0 && errno == EINTR);
    return result == 0;
}
bool systemSync(int fd) {
    return ::fsync(fd) == 0;
}
#endif

} // namespace

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) systemClose(fd_);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) systemClose(fd_);
        fd_ = other.release();
    }
    return *this;
}

int FileDescriptor::release() noexcept {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

RegularFile openRegular(const std::filesystem::path& path, FileAccess access, Links links) {
    RegularFile opened;
    FileDescriptor fd(systemOpen(path, access, links));
    if (!fd) {
        opened.error = errno != 0 ? errno : EIO;
        return opened;
    }
    Stat st{};
    if (systemFstat(fd.get(), &st) != 0) {
        opened.error = errno != 0 ? errno : EIO;
        return opened;
    }
    if (!isRegular(st)) {
        opened.other = true;
        return opened;
    }
    opened.size = static_cast<std::uintmax_t>(st.st_size);
    opened.permissions =
        static_cast<std::filesystem::perms>(st.st_mode) & std::filesystem::perms::mask;
    opened.ownedByUser = ownedByUser(st);
    opened.file = std::move(fd);
    return opened;
}

TemporaryFile makeTemporaryBeside(const std::filesystem::path& target) {
    static constexpr std::string_view LETTERS =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device entropy;
    std::uniform_int_distribution<std::size_t> letter(0, LETTERS.size() - 1);
    TemporaryFile made;
    // A name taken by another writer (EEXIST) is passed over; any other error would come back
    // for every name.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".";
        for (int i = 0; i < 6; ++i)
            suffix += LETTERS[letter(entropy)];
        made.path = target;
        made.path += suffix;
        RegularFile opened = openRegular(made.path, FileAccess::NEW, Links::REFUSE);
        if (opened.file) {
            made.file = std::move(opened.file);
            return made;
        }
        if (opened.error != EEXIST) break;
    }
    made.path.clear();
    return made;
}

std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size, int& error) {
    for (;;) {
        const std::ptrdiff_t got = systemRead(fd, buffer, size);
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        error = errno != 0 ? errno : EIO;
        return -1;
    }
}

ReadAll readAll(int fd, std::size_t limit, std::string& bytes, int& error) {
    char chunk[65536];
    for (;;) {
        const std::ptrdiff_t got = readSome(fd, chunk, sizeof chunk, error);
        if (got < 0) return ReadAll::FAILED;
        if (got == 0) return ReadAll::DONE;
        const auto count = static_cast<std::size_t>(got);
        if (count > limit - bytes.size()) return ReadAll::TOO_LARGE;
        bytes.append(chunk, count);
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const std::ptrdiff_t put = systemWrite(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

bool writeInPlace(int fd, std::string_view image, std::size_t length) {
    // One write normally puts everything down; a short one (a full disk) is continued
    // where it stopped, still without cutting what lies beyond.
    std::uint64_t at = 0;
    while (at < image.size()) {
        const std::ptrdiff_t put = systemWriteAt(fd, image.data() + at, image.size() - at, at);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        at += static_cast<std::uint64_t>(put);
    }
    return systemTruncate(fd, length) && flushToDisk(fd);
}

std::uintmax_t openFileSize(int fd) {
    Stat st{};
    return systemFstat(fd, &st) == 0 ? static_cast<std::uintmax_t>(st.st_size) : 0;
}

bool flushToDisk(int fd) {
    int failed = 0;
    do {
        failed = systemSync(fd) ? 0 : errno;
    } while (failed == EINTR);
    return failed == 0;
}

Replaced replaceFile(const std::filesystem::path& target, std::string_view bytes,
                     AtLink atLink) noexcept {
    namespace fs = std::filesystem;
    try {
        std::error_code error;
        if (atLink == AtLink::REFUSE && fs::is_symlink(fs::symlink_status(target, error)))
            return Replaced::IMPOSSIBLE;
        const fs::file_status old = fs::status(target, error); // through a link
        TemporaryFile fresh = makeTemporaryBeside(target);
        if (!fresh.file) return Replaced::IMPOSSIBLE;
        const bool written = writeAll(fresh.file.get(), bytes) && flushToDisk(fresh.file.get());
        fresh.file = FileDescriptor();
        if (!written) {
            fs::remove(fresh.path, error);
            return Replaced::NOT_WRITTEN;
        }
        if (fs::is_regular_file(old)) fs::permissions(fresh.path, old.permissions(), error);
        fs::rename(fresh.path, target, error);
        if (!error) return Replaced::DONE;
        fs::remove(fresh.path, error);
        return Replaced::IMPOSSIBLE;
    } catch (...) {
        return Replaced::IMPOSSIBLE;
    }
}

std::optional<std::filesystem::path> linkTarget(std::filesystem::path file) {
    namespace fs = std::filesystem;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error))) return file;
        const fs::path link = fs::read_symlink(file, error);
        if (error) return std::nullopt;
        file = file.parent_path() / link; // an absolute link replaces the whole path
    }
    return std::nullopt;
}

} // namespace narabe
