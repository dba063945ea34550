// The sound library as the window program gets it: loaded from its module on a thread of its
// own. With the module, SDL's library answers (on SDL's silent dummy driver) and the WAV check
// still turns damaged images away; without it there is no device and every call is harmless.
#include "adapters/qt/module_sound_library.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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
    QString path;
    std::int32_t device; // what dsInitialize gives
};

TEST(ModuleSoundLibrary, AnswersAsTheModuleDoesOrAsNoDevice) {
    const std::vector<std::byte> good = soundFile("石打音.wav");
    std::vector<std::byte> damaged = good;
    damaged.resize(damaged.size() / 2); // the data chunk runs past the end
    const ModuleCase cases[] = {
        {"the module", QString::fromUtf8(NARABE_SOUND_MODULE), 1},
        {"no module there", QStringLiteral("/nonexistent/narabe-sound"), 0},
    };
    for (const ModuleCase& c : cases) {
        ModuleSoundLibrary sound(c.path);
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
