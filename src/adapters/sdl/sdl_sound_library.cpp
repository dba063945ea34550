// SDL2_mixer behind the sound library's calls. Every WAV image is checked by parseWave
// before SDL decodes it. Channels 0 and 1 are kept for loops; the others form the group
// of effect channels, where a new effect takes a free channel or else the oldest one.
#include "adapters/sdl/sdl_sound_library.h"

#include "adapters/sdl/wav_check.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <limits>
#include <optional>
#include <utility>

namespace narabe {

namespace {

constexpr std::int32_t DEVICE = 1;
constexpr int EFFECT_GROUP = 1;
constexpr int FREQUENCY = 44100;
constexpr int OUTPUT_CHANNELS = 2;
constexpr int CHUNK_FRAMES = 1024;
constexpr int PLAY_ONCE = 0;
constexpr int LOOP_FOREVER = -1;
// SDL reads memory through an int size, which every image the check accepts fits.
static_assert(MAX_SOUND_IMAGE_BYTES <= static_cast<std::size_t>(std::numeric_limits<int>::max()));

} // namespace

SdlSoundLibrary::SdlSoundLibrary() : SdlSoundLibrary(Options{}) {}

SdlSoundLibrary::SdlSoundLibrary(Options options) : options_(std::move(options)) {}

SdlSoundLibrary::~SdlSoundLibrary() {
    dsTerminate(DEVICE);
}

std::int32_t SdlSoundLibrary::dsInitialize(std::uintptr_t /*window*/) {
    if (open_) return DEVICE;
    if (options_.failDevice) return 0;

    // SDL would otherwise catch SIGINT and SIGTERM and turn them into a quit event that
    // nothing here reads, so that neither signal could end the program. The signals keep
    // what the program itself chose for them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The hint set with override priority wins over SDL_AUDIODRIVER in the environment; it
    // is read only while the subsystem starts, so it is reset right after.
    if (!options_.driver.empty())
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, options_.driver.c_str(), SDL_HINT_OVERRIDE);
    const bool started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!options_.driver.empty()) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!started) return 0;

    if (Mix_OpenAudio(FREQUENCY, MIX_DEFAULT_FORMAT, OUTPUT_CHANNELS, CHUNK_FRAMES) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    const int channels = LOOP_CHANNELS + EFFECT_CHANNELS;
    Mix_AllocateChannels(channels);
    Mix_ReserveChannels(LOOP_CHANNELS);
    Mix_GroupChannels(LOOP_CHANNELS, channels - 1, EFFECT_GROUP);
    open_ = true;
    return DEVICE;
}

std::int32_t SdlSoundLibrary::dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                                          std::int32_t /*mode*/, std::string_view /*source*/) {
    // The mode does not change how a buffer is kept: each call says how it plays.
    if (device != DEVICE || !open_) return 0;
    const std::optional<WaveImage> wave = parseWave(image);
    if (!wave) return 0;
    if (nextHandle_ == std::numeric_limits<std::int32_t>::max()) return 0;

    // SDL sees only the checked bytes, never what may follow the RIFF contents.
    SDL_RWops* source = SDL_RWFromConstMem(image.data(), static_cast<int>(wave->extent));
    if (source == nullptr) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (chunk == nullptr) return 0;

    const std::int32_t handle = nextHandle_++;
    buffers_.emplace(handle, Buffer{chunk, -1});
    return handle;
}

void SdlSoundLibrary::dsPlay(std::int32_t buffer) {
    const Buffer* b = find(buffer);
    if (b == nullptr) return;
    // A free effect channel, else the effect channel that started playing longest ago.
    if (Mix_PlayChannel(-1, b->chunk, PLAY_ONCE) >= 0) return;
    const int oldest = Mix_GroupOldest(EFFECT_GROUP);
    if (oldest >= 0) Mix_PlayChannel(oldest, b->chunk, PLAY_ONCE);
}

void SdlSoundLibrary::dsPlayLooping(std::int32_t buffer) {
    Buffer* b = find(buffer);
    if (b == nullptr) return;
    // Looping a buffer that already loops leaves it playing where it is.
    if (b->loopChannel >= 0 && Mix_Playing(b->loopChannel) != 0 &&
        Mix_GetChunk(b->loopChannel) == b->chunk)
        return;
    b->loopChannel = -1;
    for (int channel = 0; channel < LOOP_CHANNELS && b->loopChannel < 0; ++channel)
        if (Mix_Playing(channel) == 0)
            b->loopChannel = Mix_PlayChannel(channel, b->chunk, LOOP_FOREVER);
    if (b->loopChannel < 0) // every loop channel is busy: borrow a free effect channel
        b->loopChannel = Mix_PlayChannel(-1, b->chunk, LOOP_FOREVER);
}

void SdlSoundLibrary::dsStop(std::int32_t buffer) {
    Buffer* b = find(buffer);
    if (b == nullptr) return;
    stopChannels(*b);
    b->loopChannel = -1;
}

void SdlSoundLibrary::dsFree(std::int32_t buffer) {
    const auto it = buffers_.find(buffer);
    if (it == buffers_.end() || !open_) return;
    stopChannels(it->second);
    Mix_FreeChunk(it->second.chunk);
    buffers_.erase(it);
}

void SdlSoundLibrary::dsTerminate(std::int32_t device) {
    if (device != DEVICE || !open_) return;
    freeAll();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

int SdlSoundLibrary::playingChannels(std::int32_t buffer) const {
    const auto it = buffers_.find(buffer);
    if (it == buffers_.end() || !open_) return 0;
    int playing = 0;
    for (int channel = 0; channel < LOOP_CHANNELS + EFFECT_CHANNELS; ++channel)
        if (Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == it->second.chunk) ++playing;
    return playing;
}

SdlSoundLibrary::Buffer* SdlSoundLibrary::find(std::int32_t buffer) {
    const auto it = buffers_.find(buffer);
    return it == buffers_.end() || !open_ ? nullptr : &it->second;
}

void SdlSoundLibrary::stopChannels(const Buffer& buffer) {
    for (int channel = 0; channel < LOOP_CHANNELS + EFFECT_CHANNELS; ++channel)
        if (Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == buffer.chunk)
            Mix_HaltChannel(channel);
}

void SdlSoundLibrary::freeAll() {
    for (auto& [handle, buffer] : buffers_) {
        stopChannels(buffer);
        Mix_FreeChunk(buffer.chunk);
    }
    buffers_.clear();
}

} // namespace narabe
