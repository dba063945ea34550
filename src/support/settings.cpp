// Reading and writing the settings file. The file is handled as bytes: the Japanese key is
// stored in Shift-JIS, lines are written with CR LF and read up to CR LF, LF or CR. A write
// fails where opening the file for writing would fail; it replaces the file through a
// temporary file beside it wherever it can, so that a write that breaks off leaves the
// previous file as it was. No error leaves these functions: each one falls back to the
// default file and clears both check marks.
#include "support/settings.h"

#include "support/files.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace narabe {

namespace {

// "手順番号表示" in Shift-JIS (code page 932): 8E E8 8F 87 94 D4 8D 86 95 5C 8E A6.
constexpr std::string_view KEY_BANGOU = "\x8E\xE8\x8F\x87\x94\xD4\x8D\x86\x95\x5C\x8E\xA6";
constexpr std::string_view KEY_BGM = "BGM";
constexpr std::string_view VALUE_ON = "ON";
constexpr std::string_view VALUE_OFF = "OFF";
constexpr std::string_view LINE_END = "\r\n";

// The contents of the file for the given check marks: both lines, each ended by CR LF.
std::string settingsText(bool bangou, bool bgm) {
    std::string text;
    text.append(KEY_BANGOU).append("=").append(bangou ? VALUE_ON : VALUE_OFF).append(LINE_END);
    text.append(KEY_BGM).append("=").append(bgm ? VALUE_ON : VALUE_OFF).append(LINE_END);
    return text;
}

// Follows symbolic links from `file` to the name that opening it for writing would create or
// replace, so that a link stays a link. Nothing for a loop of links, which cannot be opened.
std::optional<std::filesystem::path> linkTarget(std::filesystem::path file) {
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error))) return file;
        const std::filesystem::path link = std::filesystem::read_symlink(file, error);
        if (error) return std::nullopt;
        file = file.parent_path() / link; // an absolute link replaces the whole path
    }
    return std::nullopt;
}

// Writes `text` over the file in place. Between the write and the cut that follows it, the
// file holds the new text followed by what lies beyond it of the old content; where the old
// content is longer, that tail is covered with "=" bytes, which read as one more line whose
// key is empty and is therefore ignored. So a write broken off at any point leaves a file
// that reads as the old settings or as the new ones, never an empty or cut-short one. Of an
// old file too large to read, only the first SETTINGS_MAX_BYTES are covered: broken off, it
// would still be too large and read as an error.
bool writeSettingsInPlace(int fd, const std::string& text) {
    const auto covered =
        static_cast<std::size_t>(std::min<std::uintmax_t>(openFileSize(fd), SETTINGS_MAX_BYTES));
    std::string image = text;
    if (covered > image.size()) image.resize(covered, '=');
    return writeInPlace(fd, image, text.size());
}

enum class Replace { DONE, FAILED, IMPOSSIBLE };

// Writes `text` to a new temporary file beside `target`, flushes it to disk, gives it `keep`
// (the permission bits of the file it replaces; perms::unknown for a new file) and renames it
// over the target. When the text cannot be written the target is untouched (FAILED);
// IMPOSSIBLE when there is no temporary file to be had or the rename is refused, which still
// leaves the target as it was.
Replace replaceThroughTemporary(const std::filesystem::path& target, const std::string& text,
                                std::filesystem::perms keep) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    std::error_code error;
    // The leftover of an interrupted write goes; opening it as a new file then makes sure
    // that the file written is a new one, not whatever a link of that name points to.
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(temporary, error)))
        std::filesystem::remove(temporary, error);
    RegularFile out = openRegular(temporary, FileAccess::NEW);
    if (!out.file) return Replace::IMPOSSIBLE;
    const bool written = writeAll(out.file.get(), text) && flushToDisk(out.file.get());
    out.file = FileDescriptor();
    if (!written) {
        std::filesystem::remove(temporary, error);
        return Replace::FAILED;
    }
    if (keep != std::filesystem::perms::unknown)
        std::filesystem::permissions(temporary, keep, error);
    std::filesystem::rename(temporary, target, error);
    if (!error) return Replace::DONE;
    std::filesystem::remove(temporary, error);
    return Replace::IMPOSSIBLE;
}

// Writes the settings for the given check marks to `file`, replacing its content. Returns
// whether that succeeded. A write fails exactly where opening the file for writing fails,
// and wherever the name holds something other than a regular file (a folder, a pipe, a
// device, a socket), which is never opened in a way that could wait. A regular file (or a
// new one) is replaced through a temporary file so that a write that breaks off leaves the
// old file whole. Where no temporary file can be made or renamed (a read-only folder
// holding a writable file, a folder in the temporary file's place), the file is written in
// place, which never leaves it empty or cut short.
bool writeSettings(const std::filesystem::path& file, bool bangou, bool bgm) noexcept {
    try {
        const std::string text = settingsText(bangou, bgm);
        const auto target = linkTarget(file);
        if (!target) return false;
        RegularFile existing = openRegular(*target, FileAccess::WRITE);
        if (!existing.file && (existing.other || existing.error != ENOENT)) return false;
        const Replace replaced = replaceThroughTemporary(*target, text, existing.permissions);
        if (replaced != Replace::IMPOSSIBLE) return replaced == Replace::DONE;
        if (!existing.file) existing = openRegular(*target, FileAccess::CREATE);
        return existing.file && writeSettingsInPlace(existing.file.get(), text);
    } catch (...) {
        return false;
    }
}

// Applies one line of the file. Returns false when the line has no "=".
bool applyLine(std::string_view line, SettingsPorts io, std::int32_t bgm) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (key == KEY_BANGOU) {
        io.menu.setChecked(MenuItem::BANGOU, value == VALUE_ON);
    } else if (key == KEY_BGM) {
        if (value == VALUE_ON) {
            io.menu.setChecked(MenuItem::BGM, true);
            io.sound.dsPlayLooping(bgm);
        } else {
            io.menu.setChecked(MenuItem::BGM, false);
        }
    }
    return true;
}

// Splits the bytes of the file into lines as they arrive and applies each line at its end:
// a line ends at CR LF, LF or CR; a last line without a line end is still a line, and the
// end of the file right after a line end is not.
class LineReader {
  public:
    LineReader(SettingsPorts io, std::int32_t bgm) : io_(io), bgm_(bgm) {}

    // Takes the next bytes; false as soon as a line without "=" is found.
    bool take(std::string_view bytes) {
        for (const char c : bytes) {
            const bool lfAfterCr = afterCr_ && c == '\n';
            afterCr_ = c == '\r';
            if (lfAfterCr) continue;
            if (c != '\n' && c != '\r') {
                line_.push_back(c);
                continue;
            }
            if (!applyLine(line_, io_, bgm_)) return false;
            line_.clear();
        }
        return true;
    }
    // The end of the file: the last line, if it had no line end.
    bool finish() { return line_.empty() || applyLine(line_, io_, bgm_); }

  private:
    SettingsPorts io_;
    std::int32_t bgm_;
    std::string line_;
    bool afterCr_ = false;
};

// Reads and applies every line of the file. Returns false on any error: the file cannot be
// opened or read, is not a regular file, holds more than SETTINGS_MAX_BYTES, or a line has
// no "=". Lines before the error keep their effect.
bool readSettings(const std::filesystem::path& file, SettingsPorts io, std::int32_t bgm) {
    try {
        const RegularFile in = openRegular(file, FileAccess::READ);
        if (!in.file || in.size > SETTINGS_MAX_BYTES) return false;
        LineReader lines(io, bgm);
        char chunk[4096];
        std::size_t total = 0;
        int error = 0;
        for (;;) {
            const std::ptrdiff_t got = readSome(in.file.get(), chunk, sizeof chunk, error);
            if (got < 0) return false;
            if (got == 0) return lines.finish();
            total += static_cast<std::size_t>(got);
            if (total > SETTINGS_MAX_BYTES) return false; // the file grew while being read
            if (!lines.take(std::string_view(chunk, static_cast<std::size_t>(got)))) return false;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace

void 読込_環境設定ファイル(SettingsPorts io, std::int32_t bgm, const std::filesystem::path& file) {
    if (readSettings(file, io, bgm)) return;
    writeSettings(file, false, false);
    io.menu.setChecked(MenuItem::BANGOU, false);
    io.menu.setChecked(MenuItem::BGM, false);
}

void 書込_環境設定ファイル(MenuChecks& menu, const std::filesystem::path& file) {
    const bool bangou = menu.checked(MenuItem::BANGOU);
    const bool bgm = menu.checked(MenuItem::BGM);
    if (writeSettings(file, bangou, bgm)) return;
    menu.setChecked(MenuItem::BANGOU, false);
    menu.setChecked(MenuItem::BGM, false);
    writeSettings(file, false, false);
}

} // namespace narabe
