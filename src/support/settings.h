// The settings file "Narabe1.ini" (in the current directory unless the program names another
// place for it): the two options, move numbers
// and music, mirrored from the check marks of their menu items. Shift-JIS key, CR LF lines.
#pragma once

#include "ports/menu_checks.h"
#include "ports/sound_library.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace narabe {

inline const std::filesystem::path SETTINGS_FILE = "Narabe1.ini";
// A larger settings file is not read: it counts as a read error. The game writes 25 to 27
// bytes.
inline constexpr std::size_t SETTINGS_MAX_BYTES = std::size_t{64} * 1024;

struct SettingsPorts {
    MenuChecks& menu;
    SoundLibrary& sound;
};

// Reads the file line by line and sets the check marks; "BGM=ON" starts the music
// (buffer `bgm`). Any error writes the default file and clears both checks; a name that holds
// no regular file (a pipe, a device, a socket) or a file that is too large is such an error,
// found without waiting and without reading it.
void 読込_環境設定ファイル(SettingsPorts io, std::int32_t bgm,
                           const std::filesystem::path& file = SETTINGS_FILE);
// Writes both options from the check marks, replacing the file's content (through a link, its
// target's). It fails where the file cannot be opened for writing or is no regular file; then
// both checks are cleared and the default file is written once more.
void 書込_環境設定ファイル(MenuChecks& menu, const std::filesystem::path& file = SETTINGS_FILE);

} // namespace narabe
