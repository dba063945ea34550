// The silent sound library's bookkeeping.
#include "common/fake_sound_library.h"

namespace narabe::test {

void FakeSoundLibrary::call(const char* name, std::int32_t argument) {
    log_.push_back(std::string(name) + " " + std::to_string(argument));
}

std::int32_t FakeSoundLibrary::dsInitialize() {
    log_.emplace_back("dsInitialize");
    ++initialized;
    return device;
}

std::int32_t FakeSoundLibrary::dsCreateDSB(std::int32_t dev, std::span<const std::byte> image,
                                           std::string_view source) {
    log_.push_back("dsCreateDSB " + std::to_string(dev) + " " + std::to_string(image.size()) + " " +
                   std::string(source));
    creates.push_back({dev, {image.begin(), image.end()}, std::string(source)});
    return buffer ? *buffer : ++handed_;
}

void FakeSoundLibrary::dsPlay(std::int32_t b) {
    call("dsPlay", b);
    ++others;
}

void FakeSoundLibrary::dsPlayLooping(std::int32_t b) {
    call("dsPlayLooping", b);
    ++others;
}

void FakeSoundLibrary::dsStop(std::int32_t b) {
    call("dsStop", b);
    ++others;
}

void FakeSoundLibrary::dsFree(std::int32_t b) {
    call("dsFree", b);
    ++others;
}

void FakeSoundLibrary::dsTerminate(std::int32_t dev) {
    call("dsTerminate", dev);
    terminated.push_back(dev);
}

} // namespace narabe::test
