// Where the help page and the maker's home page are.
#pragma once

#include <string>
#include <string_view>

namespace narabe {

// The maker's home page, opened from the about dialog, as the build sets it; empty while the
// project has no site of its own, and the dialog then opens the help page.
extern const std::string_view HOME_PAGE;

// The help page: the start-up folder, the platform's path separator, the page's file name.
std::string helpPagePath(std::string_view startDir, std::string_view page);

} // namespace narabe
