// Where the help page and the maker's home page are.
#pragma once

#include <string>
#include <string_view>

namespace narabe {

// The maker's home page, opened from the about dialog.
inline constexpr std::string_view HOME_PAGE = "https://narabe1.example.org/";

// The help page: the start-up folder, the platform's path separator, "Narabe1.htm".
std::string helpPagePath(std::string_view startDir);

} // namespace narabe
