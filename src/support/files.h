// Opening files by path through the system's descriptors, where paths may be wide (Windows),
// and closing them when their handle goes out of scope. The settings file and the sound
// module use it. Nothing here ever waits: a path that names a pipe, a device or a socket is
// opened without blocking and turned away by the type of what was opened, so that no change
// of the path between a check and the open can make the game hang.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace narabe {

// A descriptor of an open file, closed when the handle goes out of scope.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    [[nodiscard]] int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release() noexcept;

  private:
    int fd_ = -1;
};

enum class FileAccess {
    READ,   // an existing file, for reading
    WRITE,  // an existing file, for writing; its content is left as it is
    CREATE, // for writing, made empty with the rights 0666 less the umask when it is missing
    NEW,    // a new file for writing; fails when anything of that name is there
};

// Whether a symbolic link as the path's last name is followed.
enum class Links {
    FOLLOW,
    REFUSE, // the open fails (ELOOP), also where CREATE or NEW would make the link's target
};

// What opening a path that should name a regular file found.
struct RegularFile {
    FileDescriptor file; // open only when the path names a regular file
    int error = 0;       // the system's error number when the open failed, else 0
    bool other = false;  // the path was opened but names a folder, pipe, device or socket
    std::uintmax_t size = 0;
    std::filesystem::perms permissions = std::filesystem::perms::unknown;
    bool ownedByUser = false; // the file belongs to the user the program runs as
};

// Opens `path` without waiting for a pipe's other end or a device, and keeps it open only if
// it is a regular file.
RegularFile openRegular(const std::filesystem::path& path, FileAccess access,
                        Links links = Links::FOLLOW);

// A new, empty file for writing with a name no other writer uses: `target`'s name followed by
// "." and six random letters, in the same folder. Made like FileAccess::NEW, so that a name
// taken meanwhile, or a link planted under it, is never opened. `file` is closed when no
// such file could be made (a folder without the right to write, a full disk).
struct TemporaryFile {
    FileDescriptor file;
    std::filesystem::path path;
};
TemporaryFile makeTemporaryBeside(const std::filesystem::path& target);

// Reads up to `size` bytes into `buffer`; returns how many were read (0 at the end of the
// file) or -1 on an error, whose number is left in `error`. Interrupted reads are retried.
std::ptrdiff_t readSome(int fd, char* buffer, std::size_t size, int& error);

enum class ReadAll { DONE, TOO_LARGE, FAILED };

// Reads the rest of the file into `bytes`, but never more than `limit` bytes: TOO_LARGE as
// soon as the file turns out to hold more. FAILED leaves the error's number in `error`.
ReadAll readAll(int fd, std::size_t limit, std::string& bytes, int& error);

// Writes all of `bytes` at the file's current position. False when any byte may be missing.
bool writeAll(int fd, std::string_view bytes);

// Replaces the content of an open file in place without ever leaving it empty or shorter
// than the new content: `image` goes down at offset 0 in one write over the old content,
// then the file is cut to its first `length` bytes and flushed to disk. An image longer than
// `length` covers the old content's tail until the cut.
bool writeInPlace(int fd, std::string_view image, std::size_t length);

// The size of an open file; 0 when the system cannot tell.
std::uintmax_t openFileSize(int fd);

// Flushes the file's content to disk; false when the system reports an error.
bool flushToDisk(int fd);

// What replacing a file came to.
enum class Replaced {
    DONE,
    NOT_WRITTEN, // the bytes could not all be written and flushed
    IMPOSSIBLE,  // no new file could be made beside the target, the rename was refused, or a
                 // link in the target's place is refused
};

// How a replacement treats a symbolic link in the target's place.
enum class AtLink {
    REPLACE, // the new file takes the link's place, with the permission bits of the file the
             // link names; that file stays as it was
    REFUSE,  // nothing is replaced: IMPOSSIBLE
};

// Replaces the file `target` with `bytes`, whole or not at all: they go to a new file of a
// name no other file has, made beside the target (as mkstemp makes one), are flushed to disk
// and renamed over the target, whose permission bits a regular file keeps. Whenever it is
// not DONE, the target is as it was and the new file is gone.
Replaced replaceFile(const std::filesystem::path& target, std::string_view bytes,
                     AtLink atLink) noexcept;

// The name that opening `file` reaches through its symbolic links, so that a link stays a
// link: `file` itself when it is no link. Nothing for a loop of links.
std::optional<std::filesystem::path> linkTarget(std::filesystem::path file);

} // namespace narabe
