// The eight directions of the board, named as on the screen (x grows to the right,
// y grows downwards), and the four axes through a point as pairs of opposite directions.
// This is the only direction table of the game.
#pragma once

#include <array>
#include <cstddef>

namespace narabe {

enum class Dir { 上, 下, 左, 右, 左上, 右上, 左下, 右下 };

struct Step {
    int dx;
    int dy;
};

inline constexpr std::size_t DIRECTION_COUNT = 8;

inline constexpr std::array<Step, DIRECTION_COUNT> STEPS = {{
    {0, -1},  // 上
    {0, +1},  // 下
    {-1, 0},  // 左
    {+1, 0},  // 右
    {-1, -1}, // 左上
    {+1, -1}, // 右上
    {-1, +1}, // 左下
    {+1, +1}, // 右下
}};

constexpr Step step(Dir d) {
    return STEPS[static_cast<std::size_t>(d)];
}

// An axis through a point: the first side and the opposite second side.
struct Axis {
    Dir first;
    Dir second;
};

// The four axes in the order the five check and the winning-line blink take them.
inline constexpr std::array<Axis, 4> AXES = {{
    {Dir::上, Dir::下},
    {Dir::左, Dir::右},
    {Dir::左上, Dir::右下},
    {Dir::左下, Dir::右上},
}};

} // namespace narabe
