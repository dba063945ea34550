// A colour of the classic 16-colour palette, by its index 0..15.
#pragma once

#include <cstdint>

namespace narabe {

enum class Colour : std::uint8_t {};

} // namespace narabe
