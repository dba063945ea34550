// Reading and writing the settings file. The file is handled as bytes: the Japanese keys are
// written in Shift-JIS and read in Shift-JIS or UTF-8 (after a byte order mark or not),
// lines are written with CR LF and read up to CR LF, LF or CR. A write
// fails where opening the file for writing would fail; it replaces the file through a
// temporary file beside it wherever it can, so that a write that breaks off leaves the
// previous file as it was. No error leaves these functions: each one falls back to the
// default file and clears the options of move numbers and music.
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

namespace fs = std::filesystem;

// A key or value as the game writes it, in Shift-JIS (code page 932), and as a file written
// in UTF-8 holds it.
struct Text {
    std::string_view shiftJis;
    std::string_view utf8;
    [[nodiscard]] bool matches(std::string_view bytes) const {
        return bytes == shiftJis || bytes == utf8;
    }
};

constexpr Text KEY_MOVE_NUMBERS = {"\x8E\xE8\x8F\x87\x94\xD4\x8D\x86\x95\x5C\x8E\xA6",
                                   "手順番号表示"};
constexpr Text KEY_MUSIC = {"BGM", "BGM"};
constexpr Text KEY_LEVEL = {"\x8B\xAD\x82\xB3", "強さ"};
constexpr Text KEY_BARRED_MARKS = {"\x8B\xD6\x8E\xE8\x95\x5C\x8E\xA6", "禁手表示"};
constexpr Text KEY_SOUND_EFFECTS = {"\x8C\xF8\x89\xCA\x89\xB9", "効果音"};
// What a file in UTF-8 may start with.
constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
constexpr std::string_view VALUE_ON = "ON";
constexpr std::string_view VALUE_OFF = "OFF";
constexpr std::string_view LINE_END = "\r\n";

// The value of "強さ" for each strength the file records; 初級, the default, has no line.
struct LevelValue {
    Level level;
    Text value;
};
constexpr std::array<LevelValue, 2> LEVEL_VALUES = {{
    {Level::INTERMEDIATE, {"\x92\x86\x8B\x89", "中級"}},
    {Level::ADVANCED, {"\x8F\xE3\x8B\x89", "上級"}},
}};

// What the file records; the defaults are the default file's.
struct Recorded {
    bool moveNumbers = false;
    bool music = false;
    Level level = Level::BEGINNER;
    bool barredMarks = false;
    bool soundEffects = true;
};

Recorded recorded(const Options& options) {
    return {options.moveNumbers(), options.music(), options.level(), options.barredMarks(),
            options.soundEffects()};
}

void appendLine(std::string& text, Text key, std::string_view value) {
    text.append(key.shiftJis).append("=").append(value).append(LINE_END);
}

// The contents of the file: the two lines of move numbers and music, then a line for each
// other option that is not at its default.
std::string settingsText(const Recorded& options) {
    std::string text;
    appendLine(text, KEY_MOVE_NUMBERS, options.moveNumbers ? VALUE_ON : VALUE_OFF);
    appendLine(text, KEY_MUSIC, options.music ? VALUE_ON : VALUE_OFF);
    for (const LevelValue& l : LEVEL_VALUES)
        if (l.level == options.level) appendLine(text, KEY_LEVEL, l.value.shiftJis);
    if (options.barredMarks) appendLine(text, KEY_BARRED_MARKS, VALUE_ON);
    if (!options.soundEffects) appendLine(text, KEY_SOUND_EFFECTS, VALUE_OFF);
    return text;
}

// Sets the options that only this program's own lines record back to their defaults, setting
// only those that are not there already.
void resetLaterOptions(Options& options) {
    if (options.level() != Level::BEGINNER) options.setLevel(Level::BEGINNER);
    if (options.barredMarks()) options.setBarredMarks(false);
    if (!options.soundEffects()) options.setSoundEffects(true);
}

// Splits the bytes of the file into lines as they arrive and hands each line to `apply` at
// its end: a line ends at CR LF, LF or CR; a last line without a line end is still a line,
// and the end of the file right after a line end is not. A byte order mark at the start of
// the file is no part of the first line. `apply` says whether the line is one the file may
// hold.
template <class Apply> class LineReader {
  public:
    explicit LineReader(Apply apply) : apply_(std::move(apply)) {}

    // Takes the next bytes; false as soon as a line is refused.
    bool take(std::string_view bytes) {
        for (const char c : bytes) {
            if (markAt_ < BYTE_ORDER_MARK.size()) {
                // The mark's bytes so far stay in the line until it is whole or not the mark.
                if (c == BYTE_ORDER_MARK[markAt_]) {
                    line_.push_back(c);
                    if (++markAt_ == BYTE_ORDER_MARK.size()) line_.clear();
                    continue;
                }
                markAt_ = BYTE_ORDER_MARK.size();
            }
            const bool lfAfterCr = afterCr_ && c == '\n';
            afterCr_ = c == '\r';
            if (lfAfterCr) continue;
            if (c != '\n' && c != '\r') {
                line_.push_back(c);
                continue;
            }
            if (!apply_(std::string_view(line_))) return false;
            line_.clear();
        }
        return true;
    }
    // The end of the file: the last line, if it had no line end.
    bool finish() { return line_.empty() || apply_(std::string_view(line_)); }

  private:
    Apply apply_;
    std::string line_;
    bool afterCr_ = false;
    std::size_t markAt_ = 0; // the bytes of a byte order mark read at the start
};

// Reads an open file to its end and hands every line to `apply`. False on any error: the file
// holds more than SETTINGS_MAX_BYTES (counted as read, since a file may report a size of 0
// and hold more, or grow while it is read), cannot be read, or a line is refused.
template <class Apply> bool readLines(const RegularFile& in, Apply apply) {
    if (!in.file || in.size > SETTINGS_MAX_BYTES) return false;
    LineReader<Apply> lines(std::move(apply));
    char chunk[4096];
    std::size_t total = 0;
    int error = 0;
    for (;;) {
        const std::ptrdiff_t got = readSome(in.file.get(), chunk, sizeof chunk, error);
        if (got < 0) return false;
        if (got == 0) return lines.finish();
        total += static_cast<std::size_t>(got);
        if (total > SETTINGS_MAX_BYTES) return false;
        if (!lines.take(std::string_view(chunk, static_cast<std::size_t>(got)))) return false;
    }
}

// Whether a line is one the game writes, in either encoding it reads: a key it records with
// one of that key's values.
bool isSettingsLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (KEY_MOVE_NUMBERS.matches(key) || KEY_MUSIC.matches(key))
        return value == VALUE_ON || value == VALUE_OFF;
    if (KEY_BARRED_MARKS.matches(key)) return value == VALUE_ON;
    if (KEY_SOUND_EFFECTS.matches(key)) return value == VALUE_OFF;
    if (KEY_LEVEL.matches(key))
        return std::any_of(LEVEL_VALUES.begin(), LEVEL_VALUES.end(),
                           [value](const LevelValue& l) { return l.value.matches(value); });
    return false;
}

// Whether a file reads as the game's settings and nothing else: one line or more, each of
// them one the game writes. A link to such a file is how a user keeps the settings elsewhere,
// and the game writes through it; notes, an empty file or another program's settings are
// not written through.
bool readsAsSettings(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > SETTINGS_MAX_BYTES) return false;
    LineReader lines(isSettingsLine);
    return lines.take(bytes) && lines.finish();
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

// Writes the options to `file`, replacing its content. Returns whether that succeeded. A
// write fails where replaceFile refuses the name (anything but a regular file, a new name or
// a link to the user's own settings file) and where the file cannot be opened for writing. A
// regular file (or a new one) is replaced through a temporary file so that a write that
// breaks off leaves the old file whole. Where no temporary file can be made or renamed (a
// read-only folder holding a writable file), the file is written in place, which never
// leaves it empty or cut short.
bool writeSettingsFile(const fs::path& file, const Recorded& options) noexcept {
    try {
        const std::string text = settingsText(options);
        const auto target = writableDestination(file, readsAsSettings);
        if (!target) return false;
        RegularFile existing = openRegular(*target, FileAccess::WRITE, Links::REFUSE);
        if (!existing.file && (existing.other || existing.error != ENOENT)) return false;
        const Replaced replaced = replaceFile(*target, text, readsAsSettings);
        if (replaced != Replaced::IMPOSSIBLE) return replaced == Replaced::DONE;
        if (!existing.file) existing = openRegular(*target, FileAccess::CREATE, Links::REFUSE);
        return existing.file && writeSettingsInPlace(existing.file.get(), text);
    } catch (...) {
        return false;
    }
}

// Applies one line of the file. Returns false when the line has no "=".
bool applyLine(std::string_view line, SettingsPorts io, std::int32_t music) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (KEY_MOVE_NUMBERS.matches(key)) {
        io.options.setMoveNumbers(value == VALUE_ON);
    } else if (KEY_MUSIC.matches(key)) {
        io.options.setMusic(value == VALUE_ON);
        if (value == VALUE_ON) io.sound.dsPlayLooping(music);
    } else if (KEY_LEVEL.matches(key)) {
        Level level = Level::BEGINNER;
        for (const LevelValue& l : LEVEL_VALUES)
            if (l.value.matches(value)) level = l.level;
        io.options.setLevel(level);
    } else if (KEY_BARRED_MARKS.matches(key)) {
        io.options.setBarredMarks(value == VALUE_ON);
    } else if (KEY_SOUND_EFFECTS.matches(key)) {
        io.options.setSoundEffects(value != VALUE_OFF);
    }
    return true;
}

// Reads and applies every line of the file, following links. Returns false on any error: the
// file cannot be opened or read, is not a regular file, holds more than SETTINGS_MAX_BYTES, or
// a line has no "=". Lines before the error keep their effect.
bool readSettingsFile(const fs::path& file, SettingsPorts io, std::int32_t music) {
    try {
        return readLines(openRegular(file, FileAccess::READ),
                         [io, music](std::string_view line) { return applyLine(line, io, music); });
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace

void readSettings(SettingsPorts io, std::int32_t music, const fs::path& file) {
    if (readSettingsFile(file, io, music)) return;
    writeSettingsFile(file, Recorded{});
    io.options.setMoveNumbers(false);
    io.options.setMusic(false);
    resetLaterOptions(io.options);
}

void writeSettings(SettingsPorts io, std::int32_t music, const fs::path& file) {
    if (writeSettingsFile(file, recorded(io.options))) return;
    const bool playing = io.options.music();
    io.options.setMoveNumbers(false);
    io.options.setMusic(false);
    // The music stops with its option, so that its mark always tells whether it plays.
    if (playing) io.sound.dsStop(music);
    resetLaterOptions(io.options);
    writeSettingsFile(file, Recorded{});
}

} // namespace narabe
