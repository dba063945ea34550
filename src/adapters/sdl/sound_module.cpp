// The sound library as a module that a program loads while it runs: the window program
// loads it when the game opens the sound device, so that SDL and the system's sound
// libraries are neither loaded before the program starts nor seen by the libraries Qt
// loads meanwhile.
#include "adapters/sdl/sdl_sound_library.h"

#include <SDL.h>

extern "C" __attribute__((visibility("default"))) narabe::SoundLibrary* narabe_sound_library() {
    return new narabe::SdlSoundLibrary();
}

// Frees what SDL keeps for the calling thread (the text of its last error). SDL frees it for
// its own threads only: a thread of the program's that used the library calls this last.
extern "C" __attribute__((visibility("default"))) void narabe_sound_thread_done() {
    SDL_TLSCleanup();
}
