// Pieces shared by the fuzz targets: a scratch folder of their own, a sound library and a
// menu that keep nothing, and an output stream that drops what it is given.
#pragma once

#include "ports/menu_checks.h"
#include "ports/sound_library.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <span>
#include <streambuf>
#include <string>

namespace narabe::fuzz {

// A fresh folder under the system's temporary folder, made once per process.
inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "narabe-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// Ends the run as a finding when a property does not hold.
inline void require(bool holds) {
    if (!holds) std::abort();
}

inline std::span<const std::byte> bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const std::byte*>(data), size};
}

class QuietMenu final : public MenuChecks {
  public:
    [[nodiscard]] bool checked(CheckItem item) const { return marks[slotOf(item)]; }
    void setChecked(CheckItem item, bool on) override { marks[slotOf(item)] = on; }

    std::array<bool, CHECK_ITEM_COUNT> marks = marksAtStart();
};

// A device that opens and buffers that never decode: no sound file is read in the
// scratch folder anyway.
class QuietSound final : public SoundLibrary {
  public:
    std::int32_t dsInitialize() override { return 1; }
    std::int32_t dsCreateDSB(std::int32_t, std::span<const std::byte>, std::string_view) override {
        return 0;
    }
    void dsPlay(std::int32_t) override {}
    void dsPlayLooping(std::int32_t) override {}
    void dsStop(std::int32_t) override {}
    void dsFree(std::int32_t) override {}
    void dsTerminate(std::int32_t) override {}
};

class DroppingBuffer final : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// An output stream that takes everything and keeps nothing.
class NullStream final : public std::ostream {
  public:
    NullStream() : std::ostream(&buffer_) {}

  private:
    DroppingBuffer buffer_;
};

} // namespace narabe::fuzz
