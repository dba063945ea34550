// The sound library as a module that a program loads while it runs: the window program
// loads it when the game opens the sound device, so that SDL and the system's sound
// libraries are neither loaded before the program starts nor seen by the libraries Qt
// loads meanwhile.
#include "adapters/sdl/sdl_sound_library.h"

extern "C" __attribute__((visibility("default"))) narabe::SoundLibrary* narabe_sound_library() {
    return new narabe::SdlSoundLibrary();
}
