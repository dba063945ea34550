// The sound module: opens the device, reads each sound file of the current directory whole
// into memory and hands the image to the sound library, and closes the device. A missing
// file is silently no sound; only a file that is there but cannot be read is reported, with
// the system's text for the error, in the module's one kind of warning box.
#include "support/sound_module.h"

#include "support/files.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace narabe {

namespace {

constexpr std::string_view WARNING_TITLE = "Narabe1.dll";
constexpr std::string_view NO_DEVICE_TEXT = "Direct Soundインターフェースが作成できません。";

// Whether a regular file of that name is there (a symbolic link counts by what it names).
// A directory, a device, a dangling link or an error asking counts as not there.
bool isPresent(const std::filesystem::path& file) noexcept {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    return !error && std::filesystem::is_regular_file(status);
}

// The system's text for an errno value, such as "Permission denied".
std::string errorText(int code) {
    return std::generic_category().message(code);
}

// Reads the whole file into `bytes`. Returns an empty string on success, else the error's
// text. Reads to the end rather than trusting the size, which a file may not report; the
// size it does report only saves growing the buffer step by step.
std::string readWhole(const std::filesystem::path& file, std::vector<std::byte>& bytes) {
    errno = 0;
    FileHandle in(openFile(file, "rb"));
    if (!in) return errorText(errno != 0 ? errno : EIO);

    constexpr std::size_t CHUNK = 16384;
    constexpr std::uintmax_t MAX_RESERVE = std::uintmax_t{1} << 26; // far above any sound
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
    if (!sizeError) bytes.reserve(static_cast<std::size_t>(std::min(size, MAX_RESERVE)) + CHUNK);
    for (;;) {
        // As much as the buffer holds, so that a file of the size it reports is read at once.
        const std::size_t at = bytes.size();
        const std::size_t want = std::max(CHUNK, bytes.capacity() - at);
        bytes.resize(at + want);
        errno = 0;
        const std::size_t got = std::fread(bytes.data() + at, 1, want, in.get());
        bytes.resize(at + got);
        if (got < want) {
            if (std::ferror(in.get()) != 0) return errorText(errno != 0 ? errno : EIO);
            return {};
        }
    }
}

} // namespace

std::int32_t SoundInit(SoundPorts io, std::uintptr_t window) {
    const std::int32_t device = io.library.dsInitialize(window);
    if (device == 0) SoundWarning(io.boxes, NO_DEVICE_TEXT);
    return device;
}

std::int32_t SoundLoad(SoundPorts io, std::int32_t device, const std::filesystem::path& file,
                       std::int32_t mode) {
    if (device == 0 || !isPresent(file)) return 0;

    std::vector<std::byte> bytes;
    std::string error;
    try {
        error = readWhole(file, bytes);
    } catch (const std::exception& e) {
        // Only running out of memory for a very large file can get here.
        error = e.what();
    }
    if (!error.empty()) {
        SoundWarning(io.boxes, error);
        return 0;
    }
    const std::u8string name = file.u8string(); // the file's name as UTF-8 on every platform
    return io.library.dsCreateDSB(
        device, std::span<const std::byte>(bytes), mode,
        std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
}

void SoundTerm(SoundPorts io, std::int32_t device) {
    if (device != 0) io.library.dsTerminate(device);
}

void SoundWarning(MessageBoxes& boxes, std::string_view text) {
    boxes.warning(WARNING_TITLE, text);
}

} // namespace narabe
