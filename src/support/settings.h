// The settings file "Narabe1.ini" (in the current directory unless the program names another
// place for it): the options move numbers and music, then, where they are not at their
// defaults, the computer's strength, the barred-point marks and the sound effects. The game
// writes Shift-JIS keys and values with CR LF lines; it reads UTF-8 and LF lines as well.
#pragma once

#include "ports/sound_library.h"
#include "support/options.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace narabe {

inline const std::filesystem::path SETTINGS_FILE = "Narabe1.ini";
// A larger settings file is not read: it counts as a read error. The game writes 25 to 51
// bytes.
inline constexpr std::size_t SETTINGS_MAX_BYTES = std::size_t{64} * 1024;

struct SettingsPorts {
    Options& options;
    SoundLibrary& sound;
};

// Reads the file line by line and sets the options; "BGM=ON" starts the music (buffer
// `music`). Any error writes the default file, clears the options of move numbers and music
// and sets every other option back to its default; a name that holds no regular file (a
// pipe, a device, a socket) or a file that is too large is such an error, found without
// waiting and without reading it.
void readSettings(SettingsPorts io, std::int32_t music,
                  const std::filesystem::path& file = SETTINGS_FILE);
// Writes every option, replacing the file's content. It fails where the file cannot be
// written, or is a link the game may not write through (see settings.cpp); then the options of
// move numbers and music are cleared, the music stops if it was on, every other option goes
// back to its default, and the default file is written once more.
void writeSettings(SettingsPorts io, std::int32_t music,
                   const std::filesystem::path& file = SETTINGS_FILE);

} // namespace narabe
