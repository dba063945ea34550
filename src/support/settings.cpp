// Reading and writing the settings file. The file is handled as bytes: the Japanese key is
// stored in Shift-JIS, lines are written with CR LF and read up to CR LF, LF or CR. The file
// is replaced as a whole through a temporary file beside it, so that a failed write leaves the
// previous file as it was. No error leaves these functions: each one falls back to the
// default file and clears both check marks.
#include "support/settings.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <system_error>

namespace narabe {

namespace {

// Opens a file by path with the C library, also where paths are wide (Windows).
std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wide(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wide.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

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

// Closes the file when it goes out of scope.
struct FileCloser {
    void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Replaces `file` by the settings for the given check marks: the bytes go to a temporary file
// in the same folder, which is then renamed over the file. On any failure the temporary file
// is removed and the old file is left untouched. Returns whether the file was replaced.
bool writeSettings(const std::filesystem::path& file, bool bangou, bool bgm) noexcept {
    try {
        const std::string text = settingsText(bangou, bgm);
        std::filesystem::path temporary = file;
        temporary += ".tmp";

        std::FILE* out = openFile(temporary, "wb");
        if (out == nullptr) return false;
        bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
        written = std::fflush(out) == 0 && written;
        written = std::ferror(out) == 0 && written;
        written = std::fclose(out) == 0 && written;

        std::error_code error;
        if (written) {
            std::filesystem::rename(temporary, file, error);
            if (!error) return true;
        }
        std::filesystem::remove(temporary, error);
        return false;
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

// The outcome of reading one line from the file.
enum class LineRead { LINE, END, ERROR };

// Reads the next line into `line`, without its line end (CR LF, LF or CR). A last line
// without a line end is still a line; the end of the file right after a line end is not.
LineRead readLine(std::FILE* in, std::string& line) {
    line.clear();
    for (;;) {
        const int c = std::getc(in);
        if (c == EOF) {
            if (std::ferror(in) != 0) return LineRead::ERROR;
            return line.empty() ? LineRead::END : LineRead::LINE;
        }
        if (c == '\n') return LineRead::LINE;
        if (c == '\r') {
            const int next = std::getc(in);
            if (next != '\n' && next != EOF) std::ungetc(next, in);
            return LineRead::LINE;
        }
        line.push_back(static_cast<char>(c));
    }
}

// Reads and applies every line of the file. Returns false on any error: the file cannot be
// opened or read, or a line has no "=". Lines before the error keep their effect.
bool readSettings(const std::filesystem::path& file, SettingsPorts io, std::int32_t bgm) {
    try {
        const FileHandle in(openFile(file, "rb"));
        if (!in) return false;
        std::string line;
        for (;;) {
            const LineRead read = readLine(in.get(), line);
            if (read == LineRead::END) return true;
            if (read == LineRead::ERROR || !applyLine(line, io, bgm)) return false;
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
