// The sound library as a module that a program loads while it runs. The window program
// loads it on a thread of its own while its window is being built, so that SDL and the
// system's sound libraries are not loaded before the program starts, nor in the way of Qt's
// own start: the device is opened there too, ahead of dsInitialize, which then finds it open.
#include "adapters/sdl/sdl_sound_library.h"

#include <memory>

extern "C" __attribute__((visibility("default"))) narabe::SoundLibrary* narabe_sound_library() {
    auto library = std::make_unique<narabe::SdlSoundLibrary>();
    // The window handle is not needed to open SDL's output. When no device opens here,
    // dsInitialize tries once more and tells the game.
    library->dsInitialize(0);
    return library.release();
}
