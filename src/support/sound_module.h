// Opening the sound device, loading the game's sound files into buffers, and closing the
// device, with the one warning box the game ever shows for a failure; the game's five sounds.
#pragma once

#include "ports/message_boxes.h"
#include "ports/sound_library.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace narabe {

struct SoundPorts {
    SoundLibrary& library;
    MessageBoxes& boxes;
};

// The music's file, which loops; the other sounds play once.
inline constexpr std::string_view MUSIC_FILE = "BGM.wav";

// Opens the device; warns when there is none. Returns the device (or 0).
std::int32_t openSoundDevice(SoundPorts io);
// Loads a sound file (a bare name is one of the current directory) into a buffer, named by
// the file's bare name: 0 without a device or when the file is not there; a read error
// warns with its text and gives 0.
std::int32_t loadSound(SoundPorts io, std::int32_t device, const std::filesystem::path& file);
// Closes the device, if one was opened.
void closeSoundDevice(SoundPorts io, std::int32_t device);
// A warning box titled "Narabe1.dll".
void soundWarning(MessageBoxes& boxes, std::string_view text);

// The game's sound device and its five sounds; 0 for one that is not there.
struct Sounds {
    std::int32_t device = 0;
    std::int32_t other = 0;     // "その他.wav": the about dialog
    std::int32_t forbidden = 0; // "禁止.wav": a refused action
    std::int32_t stone = 0;     // "石打音.wav": a stone, or a step through the history
    std::int32_t gameEnd = 0;   // "終局.wav": a five
    std::int32_t music = 0;     // "BGM.wav": the background music
};

// Opens the device and loads the five sounds from `folder` (empty: the current directory).
Sounds loadSounds(SoundPorts io, const std::filesystem::path& folder);
// Frees the five sounds and closes the device.
void freeSounds(SoundPorts io, const Sounds& sounds);

} // namespace narabe
