// Fuzz target: any image through the sound library over SDL2_mixer on SDL's silent dummy
// driver, as a sound file's bytes reach it: a buffer is made only from an image the WAV
// check accepts, and a buffer is played, looped, stopped and freed.
#include "adapters/sdl/sdl_sound_library.h"
#include "adapters/sdl/wav_check.h"
#include "fuzz/fuzz_support.h"
#include "tests/sound/sdl_library_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace narabe;
    using namespace narabe::fuzz;
    static SdlSoundLibrary library(SdlSoundLibrary::Options{"dummy", false});
    static const std::int32_t device = library.dsInitialize();
    require(device != 0);

    const std::span<const std::byte> image = bytesOf(data, size);
    const std::int32_t buffer = library.dsCreateDSB(device, image, "fuzz.wav");
    require(buffer == 0 || parseWave(image).has_value());
    if (buffer == 0) return 0;
    library.dsPlay(buffer);
    library.dsPlayLooping(buffer);
    library.dsStop(buffer);
    library.dsFree(buffer);
    require(narabe::test::bufferCount(library) == 0);
    return 0;
}
