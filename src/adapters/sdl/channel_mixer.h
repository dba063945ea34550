// The channels that play sounds at once and their mixing into the output, in the output's
// own format (signed 16-bit samples in the machine's byte order). Channels 0 and 1 are kept
// for loops; the others play effects, where a new effect takes a free channel or else the
// one that started longest ago. The mixer neither locks nor allocates: the sound library
// calls it with the output's lock held, from its own thread and from the output's.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace narabe {

// Samples ready to be mixed: whole frames of the output format.
using SampleBytes = std::span<const std::uint8_t>;

class ChannelMixer {
  public:
    static constexpr int LOOP_CHANNELS = 2;
    static constexpr int EFFECT_CHANNELS = 16;
    static constexpr int CHANNELS = LOOP_CHANNELS + EFFECT_CHANNELS;

    // Plays `sound` once from its start: on a free effect channel, else on the effect
    // channel that started playing longest ago. A sound without samples does not play.
    void playOnce(const SampleBytes* sound);
    // Plays `sound` over and over from its start on a free loop channel, else on a free
    // effect channel; the channel, or -1 when every channel is busy or the sound is empty.
    int playLoop(const SampleBytes* sound);
    // Whether `channel` is playing `sound` now.
    [[nodiscard]] bool isPlaying(int channel, const SampleBytes* sound) const;
    // Stops every channel that plays `sound`.
    void stop(const SampleBytes* sound);
    // Stops every channel.
    void stopAll();
    // How many channels play `sound` now.
    [[nodiscard]] int playing(const SampleBytes* sound) const;
    // Whether no channel plays anything.
    [[nodiscard]] bool silent() const;

    // Adds the next `out.size()` bytes of every playing channel to `out`, which holds the
    // output so far (silence to begin with), clipping at the sample range. A sound played
    // once ends on its last sample and frees its channel; a loop starts again.
    void mix(std::span<std::uint8_t> out);

  private:
    struct Channel {
        const SampleBytes* sound = nullptr;
        std::size_t position = 0; // bytes already played
        bool loop = false;
        std::uint64_t started = 0; // order of starting, for the oldest effect
    };

    int start(int channel, const SampleBytes* sound, bool loop);

    std::array<Channel, CHANNELS> channels_{};
    std::uint64_t starts_ = 0;
};

} // namespace narabe
