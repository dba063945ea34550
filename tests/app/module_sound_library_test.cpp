// The sound library as the window program gets it: loaded from its module on a thread of its
// own. With the module, SDL's library answers (on SDL's silent dummy driver) and the WAV check
// still turns damaged images away; without it there is no device and every call is harmless.
#include "adapters/qt/module_sound_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace narabe {
namespace {

std::vector<std::byte> soundFile(const char* name) {
    std::ifstream in(std::string(NARABE_ASSET_DIR) + "/" + name, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    const auto* first = reinterpret_cast<const std::byte*>(bytes.data());
    return {first, first + bytes.size()};
}

struct ModuleCase {
    const char* name;
    std::filesystem::path file;
    std::int32_t device; // what dsInitialize gives
};

// A copy of the module in a new folder whose name is not UTF-8 (Latin-1 "é" and a lone
// continuation byte), removed with it.
class ModuleCopy {
  public:
    ModuleCopy()
        : dir_(std::filesystem::temp_directory_path() /
               ("narabe-\xE9t\xE9-\x80-" + std::to_string(::getpid()))) {
        std::filesystem::create_directory(dir_);
        std::filesystem::copy_file(NARABE_SOUND_MODULE, file());
    }
    ~ModuleCopy() { std::filesystem::remove_all(dir_); }
    ModuleCopy(const ModuleCopy&) = delete;
    ModuleCopy& operator=(const ModuleCopy&) = delete;
    [[nodiscard]] std::filesystem::path file() const {
        return dir_ / std::filesystem::path(NARABE_SOUND_MODULE).filename();
    }

  private:
    std::filesystem::path dir_;
};

TEST(ModuleSoundLibrary, AnswersAsTheModuleDoesOrAsNoDevice) {
    const std::vector<std::byte> good = soundFile("石打音.wav");
    std::vector<std::byte> damaged = good;
    damaged.resize(damaged.size() / 2); // the data chunk runs past the end
    const ModuleCopy copy;
    const ModuleCase cases[] = {
        {"the module", NARABE_SOUND_MODULE, 1},
        {"the module in a folder named in no UTF-8", copy.file(), 1},
        {"no module there", "/nonexistent/narabe-sound.so", 0},
    };
    for (const ModuleCase& c : cases) {
        ModuleSoundLibrary sound(c.file);
        const std::int32_t device = sound.dsInitialize();
        EXPECT_EQ(device, c.device) << c.name;
        const std::int32_t stone = sound.dsCreateDSB(device, good, "石打音.wav");
        EXPECT_EQ(stone != 0, c.device != 0) << c.name;
        EXPECT_EQ(sound.dsCreateDSB(device, damaged, "damaged.wav"), 0) << c.name;
        for (std::int32_t handle : {stone, 0, 12345}) {
            sound.dsPlay(handle);
            sound.dsPlayLooping(handle);
            sound.dsStop(handle);
            sound.dsFree(handle);
        }
        sound.dsTerminate(device);
        EXPECT_EQ(sound.dsCreateDSB(device, good, "石打音.wav"), 0) << c.name << " after the end";
    }
}

} // namespace
} // namespace narabe
