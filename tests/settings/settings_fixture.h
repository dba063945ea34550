// Shared pieces of the settings file tests: a fresh folder per test on the real file system,
// the file's bytes, and a fake of the menu that writes every call it receives to the log it
// shares with the fake sound library.
#pragma once

#include "common/fake_sound_library.h"
#include "ports/menu_checks.h"
#include "support/options.h"
#include "support/settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace narabe::test {

// "手順番号表示" in Shift-JIS (code page 932), as iconv -f UTF-8 -t CP932 gives it.
inline const std::string SJIS_BANGOU = "\x8E\xE8\x8F\x87\x94\xD4\x8D\x86\x95\x5C\x8E\xA6";
// "強さ", "中級", "上級" and "禁手表示" in Shift-JIS, as iconv gives them.
inline const std::string SJIS_LEVEL = "\x8B\xAD\x82\xB3";
inline const std::string SJIS_CHUKYU = "\x92\x86\x8B\x89";
inline const std::string SJIS_JOUKYU = "\x8F\xE3\x8B\x89";
inline const std::string SJIS_KINSYU = "\x8B\xD6\x8E\xE8\x95\x5C\x8E\xA6";
// "効果音" in Shift-JIS, as iconv gives it.
inline const std::string SJIS_KOUKAON = "\x8C\xF8\x89\xCA\x89\xB9";
// The first key in UTF-8, which the game reads but never writes.
inline const std::string UTF8_BANGOU = "手順番号表示";

// The default file, written whenever the file cannot be read.
inline const std::string DEFAULT_FILE = SJIS_BANGOU + "=OFF\r\nBGM=OFF\r\n";

// The handle of the music buffer passed to the reading.
inline constexpr std::int32_t BGM_BUFFER = 7;

// A new, empty folder under `base` (by default the system's temporary folder), removed with
// all it holds.
class TempFolder {
  public:
    explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return dir_; }
    [[nodiscard]] std::filesystem::path settings() const { return dir_ / "Narabe1.ini"; }
    // The paths in the folder and below it (not below linked folders), sorted.
    [[nodiscard]] std::vector<std::string> names() const;

  private:
    std::filesystem::path dir_;
};

// The bytes of a regular file; nothing when there is no regular file of that name.
std::optional<std::string> fileBytes(const std::filesystem::path& file);
void putFileBytes(const std::filesystem::path& file, std::string_view bytes);

// The options with the menu that mirrors them: logs "check BANGOU 1", "check BGM 0", ... and
// keeps the file's bytes at each such call.
class RecordingMenu final : public MenuChecks {
  public:
    RecordingMenu(std::vector<std::string>& log, std::filesystem::path watched)
        : log_(log), watched_(std::move(watched)) {}

    [[nodiscard]] bool checked(CheckItem item) const { return marks_[slotOf(item)]; }
    void setChecked(CheckItem item, bool on) override;
    // Sets options and their marks without logging them: the state before the call under
    // test.
    void preset(bool bangou, bool bgm) {
        preset(CheckItem::MOVE_NUMBERS, bangou);
        preset(CheckItem::MUSIC, bgm);
    }
    void preset(CheckItem item, bool on);

    // The options the settings file is read into and written from.
    Options options{*this};

    // The watched file's bytes at each setChecked call, in order.
    std::vector<std::optional<std::string>> fileAtCheck;
    // Runs after each setChecked call has been logged.
    std::function<void()> afterCheck;

  private:
    std::vector<std::string>& log_;
    std::filesystem::path watched_;
    std::array<bool, CHECK_ITEM_COUNT> marks_ = marksAtStart();
    bool quiet_ = false;
};

} // namespace narabe::test
