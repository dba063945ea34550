// The entry point of narabe-sound.so, the sound library as a module that the window program
// loads while it runs, so that SDL and the system's sound libraries are neither loaded before
// the program starts nor seen by the libraries Qt loads meanwhile.
#include "adapters/sdl/sdl_sound_library.h"

extern "C" __attribute__((visibility("default"))) narabe::SoundLibrary* narabe_sound_library() {
    return new narabe::SdlSoundLibrary();
}
