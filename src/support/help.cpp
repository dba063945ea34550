// The help page's path and the about dialog's buttons.
#include "support/help.h"

#include <filesystem>

namespace narabe {

std::string helpPagePath(std::string_view startDir) {
    std::string path(startDir);
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += "Narabe1.htm";
    return path;
}

void Form2::Command1_Click() {
    if (!browser_.open(homePage_)) return;
    dialog_.unload();
}

void Form2::Command2_Click() {
    dialog_.unload();
}

} // namespace narabe
