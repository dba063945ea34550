// Fuzz target: the settings reader on any file content, then a write of what it read and a
// second read of what was written, which must give the same check marks without an error
// (no rewrite of the file), and exactly one strength checked.
#include "fuzz/fuzz_support.h"
#include "support/settings.h"

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace narabe;
    using namespace narabe::fuzz;
    const std::filesystem::path file = scratchFolder() / "Narabe1.ini";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    QuietMenu menu;
    Options options(menu);
    QuietSound sound;
    readSettings({options, sound}, 7, file);

    writeSettings({options, sound}, 7, file);
    const std::string written = contents(file);
    QuietMenu again;
    Options reread(again);
    readSettings({reread, sound}, 7, file);
    require(again.marks == menu.marks);
    require(contents(file) == written);
    int levels = 0;
    for (const CheckItem level : LEVEL_ITEMS)
        levels += again.checked(level) ? 1 : 0;
    require(levels == 1);
    return 0;
}
