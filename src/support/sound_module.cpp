// The sound module: opens the device, reads each sound file (of the current directory or
// the game's data folder) whole into memory and hands the image to the sound library, and closes
// the device. A missing file is silently no sound, and so is a file too large for a buffer,
// which is not read; only a file that is there but cannot be read is reported, with the
// system's text for the error, in the module's one kind of warning box.
#include "support/sound_module.h"

#include "support/files.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <new>
#include <span>
#include <string>
#include <system_error>

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

// What reading a sound file gave: its bytes (none when the file is too large to make a buffer
// from), or an error's text, or that the name holds no regular file after all.
struct Loaded {
    std::string bytes;
    std::string error;
    bool absent = false;
};

// Reads the whole file, but no more than MAX_SOUND_IMAGE_BYTES: a larger one is seen by its
// size before anything is read, or by reading past the limit when the file grew or reports
// no size. Reads to the end rather than trusting the size, which a file may not report.
Loaded readWhole(const std::filesystem::path& file) {
    Loaded loaded;
    const RegularFile in = openRegular(file, FileAccess::READ);
    loaded.absent = in.other;
    if (in.other || in.size > MAX_SOUND_IMAGE_BYTES) return loaded;
    if (!in.file) {
        loaded.error = errorText(in.error);
        return loaded;
    }
    loaded.bytes.reserve(static_cast<std::size_t>(in.size));
    int error = 0;
    const ReadAll read = readAll(in.file.get(), MAX_SOUND_IMAGE_BYTES, loaded.bytes, error);
    if (read == ReadAll::FAILED) loaded.error = errorText(error);
    if (read != ReadAll::DONE) loaded.bytes.clear();
    return loaded;
}

} // namespace

std::int32_t openSoundDevice(SoundPorts io) {
    const std::int32_t device = io.library.dsInitialize();
    if (device == 0) soundWarning(io.boxes, NO_DEVICE_TEXT);
    return device;
}

std::int32_t loadSound(SoundPorts io, std::int32_t device, const std::filesystem::path& file) {
    if (device == 0 || !isPresent(file)) return 0;

    Loaded loaded;
    try {
        loaded = readWhole(file);
    } catch (const std::bad_alloc&) {
        // Only running out of memory for a very large file can get here.
        loaded.error = errorText(ENOMEM);
    }
    if (loaded.absent) return 0; // replaced by a pipe or a device since it was seen
    if (!loaded.error.empty()) {
        soundWarning(io.boxes, loaded.error);
        return 0;
    }
    // A file too large for a buffer goes to the library as an empty image, which does not
    // decode, like any other file that is no sound. The buffer is named by the file's bare
    // name, as UTF-8 on every platform, wherever the file was read from.
    const std::u8string name = file.filename().u8string();
    return io.library.dsCreateDSB(
        device, std::as_bytes(std::span<const char>(loaded.bytes)),
        std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
}

void closeSoundDevice(SoundPorts io, std::int32_t device) {
    if (device != 0) io.library.dsTerminate(device);
}

void soundWarning(MessageBoxes& boxes, std::string_view text) {
    boxes.warning(WARNING_TITLE, text);
}

Sounds loadSounds(SoundPorts io, const std::filesystem::path& folder) {
    Sounds s;
    s.device = openSoundDevice(io);
    s.other = loadSound(io, s.device, folder / u8"その他.wav");
    s.forbidden = loadSound(io, s.device, folder / u8"禁止.wav");
    s.stone = loadSound(io, s.device, folder / u8"石打音.wav");
    s.gameEnd = loadSound(io, s.device, folder / u8"終局.wav");
    s.music = loadSound(io, s.device, folder / MUSIC_FILE);
    return s;
}

void freeSounds(SoundPorts io, const Sounds& sounds) {
    io.library.dsFree(sounds.other);
    io.library.dsFree(sounds.forbidden);
    io.library.dsFree(sounds.stone);
    io.library.dsFree(sounds.gameEnd);
    io.library.dsFree(sounds.music);
    closeSoundDevice(io, sounds.device);
}

} // namespace narabe
