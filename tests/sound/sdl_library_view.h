// What the tests read of the SDL2 sound library's state: whether its device is open, the
// buffers alive, the channels playing a buffer, and whether its audio output is open. Each
// question is asked on the library's own thread, as its calls are, with the output locked
// where the mixer is read.
#pragma once

#include "adapters/sdl/sdl_sound_library.h"

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <mutex>

namespace narabe::test {

class SdlSoundLibraryView {
  public:
    // From dsInitialize to dsTerminate.
    static bool isOpen(const SdlSoundLibrary& library) {
        const std::lock_guard turn(library.turn_);
        return library.owner_.joinable();
    }
    static std::size_t bufferCount(const SdlSoundLibrary& library) {
        std::size_t count = 0;
        library.ask([&] { count = library.buffers_.size(); });
        return count;
    }
    // How many channels are playing the buffer now (0 for unknown handles).
    static int playingChannels(const SdlSoundLibrary& library, std::int32_t buffer) {
        int playing = 0;
        library.ask([&] {
            const auto it = library.buffers_.find(buffer);
            if (it == library.buffers_.end()) return;
            const std::uint32_t output = library.output_;
            if (output != 0) SDL_LockAudioDevice(output);
            playing = library.mixer_.playing(&it->second.bytes);
            if (output != 0) SDL_UnlockAudioDevice(output);
        });
        return playing;
    }
    // While something plays, and until a second of silence has passed and the output was
    // closed.
    static bool isOutputOpen(const SdlSoundLibrary& library) {
        bool open = false;
        library.ask([&] { open = library.output_ != 0; });
        return open;
    }
};

inline bool isOpen(const SdlSoundLibrary& library) {
    return SdlSoundLibraryView::isOpen(library);
}
inline std::size_t bufferCount(const SdlSoundLibrary& library) {
    return SdlSoundLibraryView::bufferCount(library);
}
inline int playingChannels(const SdlSoundLibrary& library, std::int32_t buffer) {
    return SdlSoundLibraryView::playingChannels(library, buffer);
}
inline bool isOutputOpen(const SdlSoundLibrary& library) {
    return SdlSoundLibraryView::isOutputOpen(library);
}

} // namespace narabe::test
