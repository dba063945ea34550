// narabe-icongen: writes the program's icon into an icon theme folder, as
//
//   DIRECTORY/hicolor/scalable/apps/ID.svg
//   DIRECTORY/hicolor/NxN/apps/ID.png   for N = 16, 32, 48, 64, 128, 256
//
// from the same drawing as the window's pictures, or, with --window-icon, the window's icon
// as a C++ source that defines WINDOW_ICON_PIXELS (see adapters/qt/window_icon.h). Run by
// the build; needs no display.
#include "adapters/qt/pictures/icon_picture.h"
#include "adapters/qt/window_icon.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

namespace fs = std::filesystem;

// Writes the window's icon pictures as arrays of premultiplied ARGB words; the file appears
// only once it is whole.
int writeWindowIcon(const fs::path& file) {
    std::string source = "// Written by narabe-icongen: the window's icon, premultiplied ARGB.\n"
                         "#include \"adapters/qt/window_icon.h\"\n\nnamespace narabe {\n\n"
                         "namespace {\n\n";
    std::string spans;
    for (const int size : narabe::WINDOW_ICON_SIZES) {
        const QImage icon = narabe::drawIcon(size);
        const std::string name = "ICON_" + std::to_string(size);
        source += "constexpr std::uint32_t " + name + "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
            for (int x = 0; x < size; ++x) {
                std::array<char, 24> word{};
                std::snprintf(word.data(), word.size(), "%s0x%08x,", x % 8 == 0 ? "\n    " : " ",
                              line[x]);
                source += word.data();
            }
        }
        source += "\n};\n";
        spans += name + ", ";
    }
    source += "\n} // namespace\n\nconst std::array<std::span<const std::uint32_t>, "
              "WINDOW_ICON_SIZES.size()>\n    WINDOW_ICON_PIXELS = {" +
              spans + "};\n\n} // namespace narabe\n";

    const fs::path partial = fs::path(file) += ".partial";
    std::ofstream out(partial, std::ios::binary);
    out << source;
    out.close();
    std::error_code error;
    if (!out || (fs::rename(partial, file, error), error)) {
        std::cerr << "narabe-icongen: cannot write " << file << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--window-icon") return writeWindowIcon(argv[2]);
    if (argc != 3) {
        std::cerr << "usage: narabe-icongen DIRECTORY ID\n"
                     "       narabe-icongen --window-icon SOURCE.cpp\n";
        return 2;
    }
    const fs::path theme = fs::path(argv[1]) / "hicolor";
    const std::string id = argv[2];

    std::error_code error;
    const fs::path scalable = theme / "scalable" / "apps";
    fs::create_directories(scalable, error);
    std::ofstream svg(scalable / (id + ".svg"), std::ios::binary);
    svg << narabe::iconSvg();
    svg.close();
    if (!svg) {
        std::cerr << "narabe-icongen: cannot write " << (scalable / (id + ".svg")) << '\n';
        return 1;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const fs::path apps = theme / folder / "apps";
        fs::create_directories(apps, error);
        const fs::path file = apps / (id + ".png");
        if (!narabe::drawIcon(size).save(QString::fromStdString(file.string()), "PNG")) {
            std::cerr << "narabe-icongen: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
