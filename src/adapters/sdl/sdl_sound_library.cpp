// SDL2's audio output behind the sound library's calls. Every WAV image is checked by
// parseWave before SDL decodes it. The output runs at the rate and in the format of the
// game's own files (22,050 Hz, mono, 16-bit), so they are kept as they are, with no copy
// converted to another rate; SDL converts the mix to what the sound card wants as it plays.
//
// The output is opened by dsInitialize, which must find out whether there is one, and by
// the first play after it was closed. It is closed once nothing has played for a second,
// by a thread of the library's own that sleeps until the output's callback asks for it:
// closing waits for the output's thread to end, which the callback itself cannot do, and
// which the caller's thread need not wait for. The second of grace keeps the output open
// between the sounds of a game in progress.
#include "adapters/sdl/sdl_sound_library.h"

#include "adapters/sdl/wav_check.h"

#include <SDL.h>

#include <cstring>
#include <limits>
#include <optional>
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

struct SdlFree {
    void operator()(std::uint8_t* bytes) const { SDL_free(bytes); }
};
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

} // namespace

// A buffer's samples in the output's format, and the mixer's view of them.
struct SdlSoundLibrary::Samples {
    SdlBytes data;
    SampleBytes bytes;
};

namespace {

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

    // Only opening the output tells whether there is one. It stays open for the music, if
    // that is switched on next, and is closed after its second of silence otherwise.
    {
        std::unique_lock guard(lock_);
        if (!openOutput(guard)) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return 0;
        }
    }
    startCloser();
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

    auto decoded = decode(image.first(wave->extent));
    if (!decoded) return 0;
    auto samples = std::make_unique<Samples>();
    samples->bytes = SampleBytes(decoded->first.get(), decoded->second);
    samples->data = std::move(decoded->first);

    const std::lock_guard guard(lock_);
    const std::int32_t handle = nextHandle_++;
    buffers_.emplace(handle, Buffer{std::move(samples), -1});
    return handle;
}

void SdlSoundLibrary::dsPlay(std::int32_t buffer) {
    std::unique_lock guard(lock_);
    const Buffer* b = find(buffer);
    if (b == nullptr || b->samples->bytes.empty() || !openOutput(guard)) return;
    withOutputLocked(output_, [&] {
        mixer_.playOnce(&b->samples->bytes);
        silentBuffers_ = 0;
    });
}

void SdlSoundLibrary::dsPlayLooping(std::int32_t buffer) {
    std::unique_lock guard(lock_);
    Buffer* b = find(buffer);
    if (b == nullptr) return;
    const SampleBytes* sound = &b->samples->bytes;
    // Looping a buffer that already loops leaves it playing where it is.
    if (withOutputLocked(output_,
                         [&] { return output_ != 0 && mixer_.isPlaying(b->loopChannel, sound); }))
        return;
    b->loopChannel = -1;
    if (sound->empty() || !openOutput(guard)) return;
    b->loopChannel = withOutputLocked(output_, [&] {
        silentBuffers_ = 0;
        return mixer_.playLoop(sound);
    });
}

void SdlSoundLibrary::dsStop(std::int32_t buffer) {
    const std::lock_guard guard(lock_);
    Buffer* b = find(buffer);
    if (b == nullptr) return;
    withOutputLocked(output_, [&] { mixer_.stop(&b->samples->bytes); });
    b->loopChannel = -1;
}

void SdlSoundLibrary::dsFree(std::int32_t buffer) {
    const std::lock_guard guard(lock_);
    const auto it = buffers_.find(buffer);
    if (it == buffers_.end() || !open_) return;
    withOutputLocked(output_, [&] { mixer_.stop(&it->second.samples->bytes); });
    buffers_.erase(it);
}

void SdlSoundLibrary::dsTerminate(std::int32_t device) {
    if (device != DEVICE || !open_) return;
    stopCloser();
    const std::lock_guard guard(lock_);
    freeAll();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

bool SdlSoundLibrary::isOpen() const {
    return open_;
}

std::size_t SdlSoundLibrary::bufferCount() const {
    const std::lock_guard guard(lock_);
    return buffers_.size();
}

int SdlSoundLibrary::playingChannels(std::int32_t buffer) const {
    const std::lock_guard guard(lock_);
    const auto it = buffers_.find(buffer);
    if (it == buffers_.end() || !open_) return 0;
    return withOutputLocked(output_, [&] { return mixer_.playing(&it->second.samples->bytes); });
}

bool SdlSoundLibrary::isOutputOpen() const {
    const std::lock_guard guard(lock_);
    return output_ != 0;
}

SdlSoundLibrary::Buffer* SdlSoundLibrary::find(std::int32_t buffer) {
    const auto it = buffers_.find(buffer);
    return it == buffers_.end() || !open_ ? nullptr : &it->second;
}

bool SdlSoundLibrary::openOutput(std::unique_lock<std::mutex>& held) {
    if (output_ != 0) return true;
    SDL_AudioSpec wanted{};
    wanted.freq = FREQUENCY;
    wanted.format = FORMAT;
    wanted.channels = OUTPUT_CHANNELS;
    wanted.samples = BUFFER_FRAMES;
    wanted.callback = &SdlSoundLibrary::fill;
    wanted.userdata = this;
    // No change allowed: SDL converts to the device's own format itself.
    output_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    // A driver with a single output (SDL's dummy driver is one) opens none while the last one
    // is still being closed: that close is waited for, and the output opened once more.
    if (output_ == 0 && closing_ != 0) {
        closed_.wait(held, [&] { return closing_ == 0; });
        output_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    }
    if (output_ == 0) return false;
    silentBuffers_ = 0;
    SDL_PauseAudioDevice(output_, 0);
    return true;
}

std::uint32_t SdlSoundLibrary::detachIfSilent() {
    if (!withOutputLocked(output_, [&] { return output_ != 0 && mixer_.silent(); })) return 0;
    // Paused, the output no longer calls back, so a new output may use the mixer at once.
    SDL_PauseAudioDevice(output_, 1);
    return std::exchange(output_, 0);
}

void SdlSoundLibrary::closeOutput() {
    if (output_ == 0) return;
    // Waits for the output's thread to end; the callback never waits for this lock.
    SDL_CloseAudioDevice(output_);
    output_ = 0;
    mixer_.stopAll();
}

void SdlSoundLibrary::freeAll() {
    closeOutput();
    buffers_.clear();
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
        const std::lock_guard guard(library.closerLock_);
        library.closeAsked_ = true;
    }
    library.closerWake_.notify_one();
}

int SdlSoundLibrary::closer(void* self) {
    auto& library = *static_cast<SdlSoundLibrary*>(self);
    for (;;) {
        {
            std::unique_lock wait(library.closerLock_);
            library.closerWake_.wait(wait,
                                     [&] { return library.closeAsked_ || library.closerQuit_; });
            if (library.closerQuit_) return 0;
            library.closeAsked_ = false;
        }
        std::uint32_t closing = 0;
        {
            const std::lock_guard guard(library.lock_);
            closing = library.closing_ = library.detachIfSilent();
        }
        if (closing == 0) continue;
        // Closing waits for the output's thread to end, and with some sound servers for the
        // silence they still hold: a play meanwhile opens a new output instead of waiting.
        // SDL keeps each output apart; the two calls share only its table of outputs.
        SDL_CloseAudioDevice(closing);
        {
            const std::lock_guard guard(library.lock_);
            library.closing_ = 0;
        }
        library.closed_.notify_all();
    }
}

void SdlSoundLibrary::startCloser() {
    {
        // The output is open already; its callback asks only after a second of silence.
        const std::lock_guard guard(closerLock_);
        closeAsked_ = false;
        closerQuit_ = false;
    }
    // Without the thread the output stays open once opened; sounds still play.
    closerThread_ = SDL_CreateThread(&SdlSoundLibrary::closer, "SoundCloser", this);
}

void SdlSoundLibrary::stopCloser() {
    if (closerThread_ == nullptr) return;
    {
        const std::lock_guard guard(closerLock_);
        closerQuit_ = true;
    }
    closerWake_.notify_one();
    SDL_WaitThread(closerThread_, nullptr);
    closerThread_ = nullptr;
}

} // namespace narabe
