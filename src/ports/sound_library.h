// The sound library: a device, buffers made from whole WAV file images, and the calls that
// play, loop, stop and free them. Every handle is a 32-bit integer; a handle of 0 means
// none and is ignored by every call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace narabe {

// The largest WAV file image a buffer is made from: 4 MiB. The game's largest sound, the
// music, is 1.2 MB (27 s at 22,050 Hz, mono, 16-bit); the bound leaves room for a sound file
// replaced by a user's three times as large, and keeps what five sounds may cost in memory
// (the image, its decoded samples and a conversion) to tens of MB. A larger image never
// decodes, so the sound module does not even read a larger file, or allocate for it, and
// hands over an empty image instead.
inline constexpr std::size_t MAX_SOUND_IMAGE_BYTES = std::size_t{4} * 1024 * 1024;

class SoundLibrary {
  public:
    virtual ~SoundLibrary() = default;
    // Opens the sound device; 0 when none can be opened.
    virtual std::int32_t dsInitialize() = 0;
    // A buffer from a whole WAV file image in memory; 0 when the image does not decode, which
    // every image larger than MAX_SOUND_IMAGE_BYTES is taken not to do. A buffer plays as each
    // call says: once, or looping. `source` names the file the image was read from.
    virtual std::int32_t dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                                     std::string_view source) = 0;
    virtual void dsPlay(std::int32_t buffer) = 0;
    virtual void dsPlayLooping(std::int32_t buffer) = 0;
    virtual void dsStop(std::int32_t buffer) = 0;
    virtual void dsFree(std::int32_t buffer) = 0;
    virtual void dsTerminate(std::int32_t device) = 0;
};

} // namespace narabe
