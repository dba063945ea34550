// SDL2's audio output behind the sound library's calls. Every WAV image is checked by
// parseWave before SDL decodes it. The output runs at the rate and in the format of the
// game's own files (22,050 Hz, mono, 16-bit), so they are kept as they are, with no copy
// converted to another rate; SDL converts the mix to what the sound card wants as it plays.
//
// The output is opened by dsInitialize, which must find out whether there is one, and by
// the first play after it was closed. It is closed by the owner thread once nothing has
// played for a second, when the output's callback asks for it. The second of grace keeps the
// output open between the sounds of a game in progress.
#include "adapters/sdl/sdl_sound_library.h"

#include "adapters/sdl/wav_check.h"

#include <SDL.h>

#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <system_error>
#include <utility>

namespace narabe {

namespace {

constexpr std::int32_t DEVICE = 1;
constexpr int FREQUENCY = 22050;
constexpr SDL_AudioFormat FORMAT = AUDIO_S16SYS;
constexpr Uint8 OUTPUT_CHANNELS = 1;
constexpr Uint16 BUFFER_FRAMES = 512; // 23 ms at 22,050 Hz
// The output is closed after this many buffers of silence in a row: about a second.
constexpr int LINGER_BUFFERS = FREQUENCY / BUFFER_FRAMES;
// SDL reads memory through an int size, which every image the check accepts fits.
static_assert(MAX_SOUND_IMAGE_BYTES <= static_cast<std::size_t>(std::numeric_limits<int>::max()));

using SdlBytes = std::unique_ptr<std::uint8_t, SdlFree>;

// Runs `change` on the mixer with the output locked, if it is open.
template <typename Change> auto withOutputLocked(std::uint32_t output, Change change) {
    if (output != 0) SDL_LockAudioDevice(output);
    struct Unlock {
        std::uint32_t output;
        ~Unlock() {
            if (output != 0) SDL_UnlockAudioDevice(output);
        }
    } unlock{output};
    return change();
}

// The samples of a checked image in the output's format, or nothing when SDL refuses to
// decode or convert them. SDL sees only the checked bytes, never what may follow the RIFF
// contents.
std::optional<std::pair<SdlBytes, std::size_t>> decode(std::span<const std::byte> image) {
    SDL_RWops* source = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (source == nullptr) return std::nullopt;
    SDL_AudioSpec fileFormat{};
    std::uint8_t* raw = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(source, 1, &fileFormat, &raw, &length) == nullptr) return std::nullopt;
    SdlBytes data(raw);

    SDL_AudioCVT convert{};
    const int needed = SDL_BuildAudioCVT(&convert, fileFormat.format, fileFormat.channels,
                                         fileFormat.freq, FORMAT, OUTPUT_CHANNELS, FREQUENCY);
    if (needed < 0) return std::nullopt;
    if (needed == 0) return std::pair{std::move(data), std::size_t{length}};

    // A file in another format is converted once, here; the work space it needs is given
    // back when the conversion is done.
    if (length > static_cast<Uint32>(std::numeric_limits<int>::max() / convert.len_mult))
        return std::nullopt;
    SdlBytes work(static_cast<std::uint8_t*>(
        SDL_malloc(std::size_t{length} * static_cast<std::size_t>(convert.len_mult))));
    if (!work) return std::nullopt;
    std::memcpy(work.get(), data.get(), length);
    data.reset();
    convert.buf = work.get();
    convert.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&convert) < 0) return std::nullopt;
    const auto converted = static_cast<std::size_t>(convert.len_cvt);
    if (void* fitted = SDL_realloc(work.get(), std::max<std::size_t>(converted, 1))) {
        static_cast<void>(work.release());
        work.reset(static_cast<std::uint8_t*>(fitted));
    }
    return std::pair{std::move(work), converted};
}

} // namespace

void SdlFree::operator()(std::uint8_t* bytes) const {
    SDL_free(bytes);
}

SdlSoundLibrary::SdlSoundLibrary() : SdlSoundLibrary(Options{}) {}

SdlSoundLibrary::SdlSoundLibrary(Options options) : options_(std::move(options)) {}

SdlSoundLibrary::~SdlSoundLibrary() {
    dsTerminate(DEVICE);
}

std::int32_t SdlSoundLibrary::dsInitialize() {
    const std::lock_guard turn(turn_);
    if (owner_.joinable()) return DEVICE;
    if (options_.failDevice) return 0;
    {
        const std::lock_guard guard(handOver_);
        closeAsked_ = false;
        quit_ = false;
    }
    try {
        owner_ = std::thread(&SdlSoundLibrary::own, this);
    } catch (const std::system_error&) {
        return 0; // no thread to own the device: the game runs without sound
    }
    bool started = false;
    handOver([&] { started = start(); });
    if (started) return DEVICE;
    stopOwner();
    return 0;
}

std::int32_t SdlSoundLibrary::dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                                          std::string_view /*source*/) {
    if (device != DEVICE) return 0;
    const std::optional<WaveImage> wave = parseWave(image);
    if (!wave) return 0;
    std::int32_t handle = 0;
    ask([&] {
        if (nextHandle_ == std::numeric_limits<std::int32_t>::max()) return;
        auto decoded = decode(image.first(wave->extent));
        if (!decoded) return;
        const SampleBytes bytes(decoded->first.get(), decoded->second);
        handle = nextHandle_++;
        buffers_.emplace(handle, Buffer{std::move(decoded->first), bytes, -1});
    });
    return handle;
}

void SdlSoundLibrary::dsPlay(std::int32_t buffer) {
    ask([&] {
        const Buffer* b = find(buffer);
        if (b == nullptr || b->bytes.empty() || !openOutput()) return;
        withOutputLocked(output_, [&] {
            mixer_.playOnce(&b->bytes);
            silentBuffers_ = 0;
        });
    });
}

void SdlSoundLibrary::dsPlayLooping(std::int32_t buffer) {
    ask([&] {
        Buffer* b = find(buffer);
        if (b == nullptr) return;
        const SampleBytes* sound = &b->bytes;
        // Looping a buffer that already loops leaves it playing where it is.
        if (withOutputLocked(
                output_, [&] { return output_ != 0 && mixer_.isPlaying(b->loopChannel, sound); }))
            return;
        b->loopChannel = -1;
        if (sound->empty() || !openOutput()) return;
        b->loopChannel = withOutputLocked(output_, [&] {
            silentBuffers_ = 0;
            return mixer_.playLoop(sound);
        });
    });
}

void SdlSoundLibrary::dsStop(std::int32_t buffer) {
    ask([&] {
        Buffer* b = find(buffer);
        if (b == nullptr) return;
        withOutputLocked(output_, [&] { mixer_.stop(&b->bytes); });
        b->loopChannel = -1;
    });
}

void SdlSoundLibrary::dsFree(std::int32_t buffer) {
    ask([&] {
        const auto it = buffers_.find(buffer);
        if (it == buffers_.end()) return;
        withOutputLocked(output_, [&] { mixer_.stop(&it->second.bytes); });
        buffers_.erase(it);
    });
}

void SdlSoundLibrary::dsTerminate(std::int32_t device) {
    const std::lock_guard turn(turn_);
    if (device != DEVICE || !owner_.joinable()) return;
    stopOwner();
}

bool SdlSoundLibrary::ask(const std::function<void()>& work) const {
    const std::lock_guard turn(turn_);
    if (!owner_.joinable()) return false;
    handOver(work);
    return true;
}

void SdlSoundLibrary::handOver(const std::function<void()>& work) const {
    std::unique_lock guard(handOver_);
    work_ = &work;
    asked_.notify_one();
    answered_.wait(guard, [&] { return work_ == nullptr; });
}

void SdlSoundLibrary::stopOwner() {
    {
        const std::lock_guard guard(handOver_);
        quit_ = true;
    }
    asked_.notify_one();
    owner_.join();
}

void SdlSoundLibrary::own() {
    std::unique_lock guard(handOver_);
    for (;;) {
        asked_.wait(guard, [&] { return work_ != nullptr || closeAsked_ || quit_; });
        if (const std::function<void()>* work = work_) {
            guard.unlock();
            (*work)();
            guard.lock();
            work_ = nullptr;
            answered_.notify_one();
        } else if (quit_) {
            break;
        } else {
            closeAsked_ = false;
            guard.unlock();
            closeIfSilent();
            guard.lock();
        }
    }
    guard.unlock();
    closeOutput();
    buffers_.clear();
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioStarted_ = false;
    // SDL keeps the text of its last error for each thread; it frees it only for threads
    // that it started itself.
    SDL_TLSCleanup();
}

bool SdlSoundLibrary::start() {
    // SDL would otherwise catch SIGINT and SIGTERM and turn them into a quit event that
    // nothing here reads, so that neither signal could end the program. The signals keep
    // what the program itself chose for them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The hint set with override priority wins over SDL_AUDIODRIVER in the environment; it
    // is read only while the subsystem starts, so it is reset right after.
    if (!options_.driver.empty())
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, options_.driver.c_str(), SDL_HINT_OVERRIDE);
    audioStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!options_.driver.empty()) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    // Only opening the output tells whether there is one. It stays open for the music, if
    // that is switched on next, and is closed after its second of silence otherwise.
    return audioStarted_ && openOutput();
}

SdlSoundLibrary::Buffer* SdlSoundLibrary::find(std::int32_t buffer) {
    const auto it = buffers_.find(buffer);
    return it == buffers_.end() ? nullptr : &it->second;
}

bool SdlSoundLibrary::openOutput() {
    if (output_ != 0) return true;
    SDL_AudioSpec wanted{};
    wanted.freq = FREQUENCY;
    wanted.format = FORMAT;
    wanted.channels = OUTPUT_CHANNELS;
    wanted.samples = BUFFER_FRAMES;
    wanted.callback = &SdlSoundLibrary::fill;
    wanted.userdata = this;
    // The callback does not run before the output is unpaused below.
    silentBuffers_ = 0;
    // No change allowed: SDL converts to the device's own format itself.
    output_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (output_ == 0) return false;
    SDL_PauseAudioDevice(output_, 0);
    return true;
}

void SdlSoundLibrary::closeOutput() {
    if (output_ == 0) return;
    // Waits for the output's thread to end.
    SDL_CloseAudioDevice(std::exchange(output_, 0));
    mixer_.stopAll();
}

void SdlSoundLibrary::closeIfSilent() {
    // A play since the callback asked keeps the output open.
    if (withOutputLocked(output_, [&] { return output_ != 0 && mixer_.silent(); })) closeOutput();
}

void SdlSoundLibrary::fill(void* self, std::uint8_t* stream, int bytes) {
    auto& library = *static_cast<SdlSoundLibrary*>(self);
    const std::span<std::uint8_t> out(stream, static_cast<std::size_t>(bytes));
    std::memset(out.data(), 0, out.size()); // silence in signed samples
    library.mixer_.mix(out);
    if (!library.mixer_.silent()) {
        library.silentBuffers_ = 0;
        return;
    }
    if (++library.silentBuffers_ < LINGER_BUFFERS) return;
    {
        const std::lock_guard guard(library.handOver_);
        library.closeAsked_ = true;
    }
    library.asked_.notify_one();
}

} // namespace narabe
