// narabe-soundgen: writes the game's five sound files, synthesised from scratch.
//
// Usage:  narabe-soundgen DIRECTORY
//
// Writes 石打音.wav, 禁止.wav, その他.wav, 終局.wav and BGM.wav into DIRECTORY (which must
// exist), as 16-bit mono PCM at 22050 Hz, and prints each file's name, length and size.
// The output is the same on every run: the noise comes from fixed seeds. The files in
// assets/ were made with it; after changing a sound, regenerate them with
//
//     cmake --build BUILD --target narabe-soundgen && BUILD/bin/narabe-soundgen assets
//
// and commit the new files (the sound tests check that the two agree).
#include "sounds.h"
#include "synth.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The UTF-8 name as a path on any platform.
std::filesystem::path utf8Path(const std::string& name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

} // namespace

int main(int argc, char** argv) {
    using namespace narabe::soundgen;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argc > 0 ? argv[0] : "narabe-soundgen");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        std::fprintf(stderr, "%s: not a directory\n", argv[1]);
        return 1;
    }
    for (const SoundFile& file : allSounds()) {
        const std::vector<std::uint8_t> bytes = waveFile(file.samples);
        const std::filesystem::path path = directory / utf8Path(file.name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "%s: cannot write\n", path.string().c_str());
            return 1;
        }
        std::printf("%s\t%.3f s\t%zu bytes\n", file.name.c_str(),
                    static_cast<double>(file.samples.size()) / RATE, bytes.size());
    }
    return 0;
}
