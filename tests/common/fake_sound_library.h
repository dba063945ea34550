// A sound library that plays nothing: it opens a device and hands out buffers as told, keeps
// what it was given, and writes every call it receives as a line ("dsPlay 7") to a log, which
// a test may share with other fakes to see the order of everything that happened.
#pragma once

#include "ports/sound_library.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace narabe::test {

class FakeSoundLibrary final : public SoundLibrary {
  public:
    struct Create {
        std::int32_t device;
        std::vector<std::byte> image;
        std::string source;
    };

    // Logs into `shared` when given, else into the library's own `log`.
    explicit FakeSoundLibrary(std::vector<std::string>* shared = nullptr)
        : log_(shared != nullptr ? *shared : log) {}
    FakeSoundLibrary(const FakeSoundLibrary&) = delete;
    FakeSoundLibrary& operator=(const FakeSoundLibrary&) = delete;

    std::int32_t dsInitialize() override;
    std::int32_t dsCreateDSB(std::int32_t dev, std::span<const std::byte> image,
                             std::string_view source) override;
    void dsPlay(std::int32_t b) override;
    void dsPlayLooping(std::int32_t b) override;
    void dsStop(std::int32_t b) override;
    void dsFree(std::int32_t b) override;
    void dsTerminate(std::int32_t dev) override;

    std::int32_t device = 1;            // what dsInitialize gives
    std::optional<std::int32_t> buffer; // what dsCreateDSB gives; none: 1, 2, 3, ... in turn

    std::vector<std::string> log;
    int initialized = 0;                  // dsInitialize calls
    std::vector<Create> creates;          // dsCreateDSB's arguments
    std::vector<std::int32_t> terminated; // dsTerminate's arguments
    int others = 0;                       // dsPlay, dsPlayLooping, dsStop and dsFree calls

  private:
    void call(const char* name, std::int32_t argument);
    std::vector<std::string>& log_;
    std::int32_t handed_ = 0;
};

} // namespace narabe::test
