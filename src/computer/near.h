// How far the computer looks: both of its players consider only the points near the stones.
#pragma once

namespace narabe {

// How far from a stone, on both axes, a point counts as near it.
inline constexpr int NEAR_RADIUS = 2;

} // namespace narabe
