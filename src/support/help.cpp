// The home page and the help page's path.
#include "support/help.h"

#include <filesystem>

namespace narabe {

const std::string_view HOME_PAGE = NARABE_HOME_PAGE;

std::string helpPagePath(std::string_view startDir, std::string_view page) {
    std::string path(startDir);
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += page;
    return path;
}

} // namespace narabe
