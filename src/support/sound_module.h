// Opening the sound device, loading the game's sound files into buffers, and closing the
// device, with the one warning box the game ever shows for a failure.
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

// Opens the device for the window; warns when there is none. Returns the device (or 0).
std::int32_t SoundInit(SoundPorts io, std::uintptr_t window);
// Loads a sound file (a bare name is one of the current directory) into a buffer, named by
// the file's bare name: 0 without a device or when the file is not there; a read error
// warns with its text and gives 0.
std::int32_t SoundLoad(SoundPorts io, std::int32_t device, const std::filesystem::path& file,
                       std::int32_t mode);
// Closes the device, if one was opened.
void SoundTerm(SoundPorts io, std::int32_t device);
// A warning box titled "Narabe1.dll".
void SoundWarning(MessageBoxes& boxes, std::string_view text);

} // namespace narabe
