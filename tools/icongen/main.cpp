// narabe-icongen: writes the program's icon into an icon theme folder, as
//
//   DIRECTORY/hicolor/scalable/apps/ID.svg
//   DIRECTORY/hicolor/NxN/apps/ID.png   for N = 16, 32, 48, 64, 128, 256
//
// from the same drawing as the window's pictures. Run by the build; needs no display.
#include "adapters/qt/pictures/icon_picture.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: narabe-icongen DIRECTORY ID\n";
        return 2;
    }
    namespace fs = std::filesystem;
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
