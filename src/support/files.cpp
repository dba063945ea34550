// Descriptor-level file access over the POSIX calls, or over the C runtime's equivalents on
// Windows, which has no pipes or sockets in the file system to wait on.
#include "support/files.h"

#include <cerrno>
#include <climits>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <sys/file.h>
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
// Only the read-only bit exists here, and a new file has it clear.
bool setPermissions(int, std::filesystem::perms) {
    return true;
}
// A file open here cannot be renamed or removed: it is closed before its rename, and a
// leftover that another writer still has open is not removed.
constexpr bool CLOSE_BEFORE_RENAME = true;
bool lockWhileWriting(int) {
    return true;
}
bool sameFile(int, const std::filesystem::path&) {
    return true;
}
// Files have no owning user here: the bits of a regular file are kept.
std::optional<std::filesystem::perms> ownRights(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(file, error);
    if (!std::filesystem::is_regular_file(status)) return std::nullopt;
    return status.permissions();
}
bool removeIfUnused(const std::filesystem::path& leftover) {
    std::error_code error;
    return std::filesystem::remove(leftover, error);
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
bool setPermissions(int fd, std::filesystem::perms permissions) {
    return ::fchmod(fd, static_cast<mode_t>(permissions)) == 0;
}
// A writer holds a lock on its new file until the file has its final name; a process that is
// killed lets go of it. So a leftover that can be locked is no other writer's: it is removed
// if its name still leads to the file locked.
constexpr bool CLOSE_BEFORE_RENAME = false;
bool lockWhileWriting(int fd) {
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}
bool sameFile(int fd, const std::filesystem::path& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}
// The permission bits of a regular file of that name (not followed if it is a link) that
// belongs to the user; nothing for anything else.
std::optional<std::filesystem::perms> ownRights(const std::filesystem::path& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !ownedByUser(st))
        return std::nullopt;
    return static_cast<std::filesystem::perms>(st.st_mode) & std::filesystem::perms::mask;
}
bool removeIfUnused(const std::filesystem::path& leftover) {
    const FileDescriptor fd(systemOpen(leftover, FileAccess::READ, Links::REFUSE));
    Stat st{};
    if (!fd || systemFstat(fd.get(), &st) != 0 || !isRegular(st) || !ownedByUser(st)) return false;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || !sameFile(fd.get(), leftover)) return false;
    return ::unlink(leftover.c_str()) == 0;
}
#endif

// The permission bits a replaced file hands on: the user's, the group's and the others'
// rights, never set-user-id, set-group-id or sticky.
constexpr auto KEPT_PERMISSIONS = std::filesystem::perms::all;

// The name that opening `file` reaches through its symbolic links, so that a link stays a
// link: `file` itself when it is no link. Nothing for a loop of links.
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

using Name = std::filesystem::path::string_type;
using Unit = std::make_unsigned_t<Name::value_type>;

constexpr std::string_view LETTERS =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t RANDOM_LETTERS = 6;
constexpr std::string_view TEMPORARY_END = ".tmp";
// The longest name a folder takes: bytes on POSIX systems, UTF-16 units on Windows.
constexpr std::size_t NAME_MAX_UNITS = 255;
constexpr std::size_t SUFFIX_UNITS = 1 + RANDOM_LETTERS + TEMPORARY_END.size();

// Whether `unit` continues a character begun before it: a UTF-8 continuation byte or the low
// half of a UTF-16 surrogate pair.
bool continuesCharacter(Name::value_type unit) {
    const auto u = static_cast<unsigned>(static_cast<Unit>(unit));
    if constexpr (sizeof(Name::value_type) == 1) return (u & 0xC0U) == 0x80U;
    return u >= 0xDC00U && u <= 0xDFFFU;
}

// The start of every temporary name for `target`: its name, shortened at a character's
// start to leave room for the rest of a temporary name.
Name temporaryStem(const std::filesystem::path& target) {
    Name name = target.filename().native();
    if (name.size() <= NAME_MAX_UNITS - SUFFIX_UNITS) return name;
    std::size_t cut = NAME_MAX_UNITS - SUFFIX_UNITS;
    while (cut > 0 && continuesCharacter(name[cut]))
        --cut;
    name.resize(cut);
    return name;
}

// The stem, ".", the letters and ".tmp", as units of a name.
Name temporaryName(const Name& stem, std::string_view letters) {
    Name name = stem;
    name.push_back('.');
    for (const char c : letters)
        name.push_back(static_cast<Name::value_type>(c));
    for (const char c : TEMPORARY_END)
        name.push_back(static_cast<Name::value_type>(c));
    return name;
}

bool isTemporaryName(const Name& name, const Name& stem) {
    if (name.size() != stem.size() + SUFFIX_UNITS || name.compare(0, stem.size(), stem) != 0)
        return false;
    std::string letters;
    for (std::size_t i = 0; i < RANDOM_LETTERS; ++i) {
        const auto unit = name[stem.size() + 1 + i];
        if (static_cast<Unit>(unit) > 0x7FU ||
            LETTERS.find(static_cast<char>(unit)) == std::string_view::npos)
            return false;
        letters.push_back(static_cast<char>(unit));
    }
    return name == temporaryName(stem, letters);
}

// Removes the temporary files of earlier saves of `target` that were broken off before their
// rename: of the game's pattern, the user's own, and written by no one now.
void removeLeftovers(const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    const Name stem = temporaryStem(target);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (isTemporaryName(it->path().filename().native(), stem)) leftovers.push_back(it->path());
    for (const fs::path& leftover : leftovers)
        removeIfUnused(leftover);
}

// A new, empty file for writing beside `target`, under a temporary name no other file has,
// made like FileAccess::NEW so that a name taken meanwhile, or a link planted under it, is
// never opened, and locked while it is written. `file` is closed when no such file could be
// made (a folder without the right to write, a full disk).
struct TemporaryFile {
    FileDescriptor file;
    std::filesystem::path path;
};
TemporaryFile makeTemporaryBeside(const std::filesystem::path& target) {
    std::random_device entropy;
    std::uniform_int_distribution<std::size_t> letter(0, LETTERS.size() - 1);
    const Name stem = temporaryStem(target);
    TemporaryFile made;
    // A name taken by another writer (EEXIST) is passed over, and so is a file removed as a
    // leftover before it was locked; any other error would come back for every name.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string letters;
        for (std::size_t i = 0; i < RANDOM_LETTERS; ++i)
            letters += LETTERS[letter(entropy)];
        made.path = target.parent_path() / std::filesystem::path(temporaryName(stem, letters));
        RegularFile opened = openRegular(made.path, FileAccess::NEW, Links::REFUSE);
        if (!opened.file && opened.error != EEXIST) break;
        if (!opened.file) continue;
        if (!lockWhileWriting(opened.file.get())) break;
        if (!sameFile(opened.file.get(), made.path)) continue;
        made.file = std::move(opened.file);
        return made;
    }
    made.path.clear();
    return made;
}

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

std::optional<std::filesystem::path> writableDestination(const std::filesystem::path& target,
                                                         ReadsAsWritten readsAs) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status here = fs::symlink_status(target, error);
    if (here.type() == fs::file_type::not_found || fs::is_regular_file(here)) return target;
    if (!fs::is_symlink(here)) return std::nullopt;
    auto destination = linkTarget(target);
    if (!destination) return std::nullopt;
    const RegularFile found = openRegular(*destination, FileAccess::READ, Links::REFUSE);
    if (!found.file || !found.ownedByUser || found.size > LINKED_FILE_MAX_BYTES)
        return std::nullopt;
    std::string bytes;
    int readError = 0;
    if (readAll(found.file.get(), LINKED_FILE_MAX_BYTES, bytes, readError) != ReadAll::DONE ||
        !readsAs(bytes))
        return std::nullopt;
    return destination;
}

Replaced replaceFile(const std::filesystem::path& target, std::string_view bytes,
                     ReadsAsWritten readsAs) noexcept {
    namespace fs = std::filesystem;
    try {
        const auto destination = writableDestination(target, readsAs);
        if (!destination) return Replaced::REFUSED;
        removeLeftovers(*destination);
        const auto rights = ownRights(*destination);
        TemporaryFile fresh = makeTemporaryBeside(*destination);
        if (!fresh.file) return Replaced::IMPOSSIBLE;
        std::error_code error;
        bool written = writeAll(fresh.file.get(), bytes);
        if (written && rights)
            written = setPermissions(fresh.file.get(), *rights & KEPT_PERMISSIONS);
        written = written && flushToDisk(fresh.file.get());
        if (!written) {
            fresh.file = FileDescriptor();
            fs::remove(fresh.path, error);
            return Replaced::NOT_WRITTEN;
        }
        if (CLOSE_BEFORE_RENAME) fresh.file = FileDescriptor();
        fs::rename(fresh.path, *destination, error);
        if (!error) return Replaced::DONE;
        fresh.file = FileDescriptor();
        fs::remove(fresh.path, error);
        return Replaced::IMPOSSIBLE;
    } catch (...) {
        return Replaced::IMPOSSIBLE;
    }
}

} // namespace narabe
