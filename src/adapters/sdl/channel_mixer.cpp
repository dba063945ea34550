// Choosing channels and adding them up. The sum saturates per sample as SDL_MixAudioFormat
// does at full volume, so that several loud sounds at once clip rather than wrap around.
#include "adapters/sdl/channel_mixer.h"

#include <SDL.h>

#include <algorithm>

namespace narabe {

void ChannelMixer::playOnce(const SampleBytes* sound) {
    if (sound->empty()) return;
    int oldest = -1;
    for (int c = LOOP_CHANNELS; c < CHANNELS; ++c) {
        const Channel& channel = channels_[static_cast<std::size_t>(c)];
        if (channel.sound == nullptr) {
            start(c, sound, false);
            return;
        }
        if (oldest < 0 || channel.started < channels_[static_cast<std::size_t>(oldest)].started)
            oldest = c;
    }
    start(oldest, sound, false);
}

int ChannelMixer::playLoop(const SampleBytes* sound) {
    if (sound->empty()) return -1;
    // The loop channels first; when both are busy, a free effect channel is borrowed.
    for (int c = 0; c < CHANNELS; ++c)
        if (channels_[static_cast<std::size_t>(c)].sound == nullptr) return start(c, sound, true);
    return -1;
}

bool ChannelMixer::isPlaying(int channel, const SampleBytes* sound) const {
    return channel >= 0 && channel < CHANNELS &&
           channels_[static_cast<std::size_t>(channel)].sound == sound;
}

void ChannelMixer::stop(const SampleBytes* sound) {
    for (Channel& channel : channels_)
        if (channel.sound == sound) channel.sound = nullptr;
}

void ChannelMixer::stopAll() {
    for (Channel& channel : channels_)
        channel.sound = nullptr;
}

int ChannelMixer::playing(const SampleBytes* sound) const {
    return static_cast<int>(std::count_if(channels_.begin(), channels_.end(),
                                          [&](const Channel& c) { return c.sound == sound; }));
}

bool ChannelMixer::silent() const {
    return std::all_of(channels_.begin(), channels_.end(),
                       [](const Channel& c) { return c.sound == nullptr; });
}

void ChannelMixer::mix(std::span<std::uint8_t> out) {
    for (Channel& channel : channels_) {
        std::size_t done = 0;
        while (channel.sound != nullptr && done < out.size()) {
            const SampleBytes& sound = *channel.sound;
            const std::size_t count = std::min(out.size() - done, sound.size() - channel.position);
            SDL_MixAudioFormat(out.data() + done, sound.data() + channel.position, AUDIO_S16SYS,
                               static_cast<Uint32>(count), SDL_MIX_MAXVOLUME);
            done += count;
            channel.position += count;
            if (channel.position == sound.size()) {
                channel.position = 0;
                if (!channel.loop) channel.sound = nullptr;
            }
        }
    }
}

int ChannelMixer::start(int channel, const SampleBytes* sound, bool loop) {
    channels_[static_cast<std::size_t>(channel)] = {sound, 0, loop, ++starts_};
    return channel;
}

} // namespace narabe
