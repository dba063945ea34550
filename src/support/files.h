// Opening files by path through the system's descriptors, where paths may be wide (Windows),
// and closing them when their handle goes out of scope, and the one way the game writes a
// file (its settings, a record). The settings, records and the sound module use it. Nothing here
// ever waits: a path that names a pipe, a device or a socket is opened without blocking and turned
// away by the type of what was opened, so that no change of the path between a check and the open
// can make the game hang.
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

// Whether the bytes of an existing file read as what the game writes there: its settings, a
// record. A symbolic link is written through only to a file that passes it.
using ReadsAsWritten = bool (*)(std::string_view bytes);

// The most bytes of a linked file that are read to tell whether it reads as what is written;
// a larger file is not written through.
inline constexpr std::size_t LINKED_FILE_MAX_BYTES = std::size_t{1} << 20;

// Where the game may write the file `target`: the name itself where it holds a regular file
// or nothing; where it holds a symbolic link, the file the link leads to, but only when that
// is a regular file that belongs to the user the program runs as and whose bytes `readsAs`
// accepts. Nothing for anything else: a folder, a pipe, a device, a socket, a dangling link,
// a loop of links, a link to another's file or to a file of other content. Following a link
// lets a user keep the file elsewhere; following it anywhere else would let whoever put the
// link there choose a file for the game to replace or create with the user's rights.
std::optional<std::filesystem::path> writableDestination(const std::filesystem::path& target,
                                                         ReadsAsWritten readsAs);

// What replacing a file came to.
enum class Replaced {
    DONE,
    NOT_WRITTEN, // the bytes could not all be written and flushed (a full disk)
    IMPOSSIBLE,  // no new file could be made beside the target, or the rename was refused
    REFUSED,     // writableDestination gives nothing: nothing is made or replaced
};

// Replaces the file `target` (or the file a link there leads to, as writableDestination
// allows) with `bytes`, whole or not at all: they go to a new file of a name no other file
// has, made beside it, are flushed to disk and renamed over it. The new file has the rights
// 0666 less the umask, or the permission bits (never set-user-id, set-group-id or sticky) of
// the file it replaces where that file is the user's own. The new file's name is the
// target's, shortened to leave room, followed by "." and six random letters and ".tmp", so
// that it fits beside any name the folder takes; such files left by a save that was killed
// are removed at the next save of the same target. Whenever it is not DONE, the target is as
// it was and the new file is gone.
Replaced replaceFile(const std::filesystem::path& target, std::string_view bytes,
                     ReadsAsWritten readsAs) noexcept;

} // namespace narabe
