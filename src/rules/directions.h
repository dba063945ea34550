// The eight directions of the board, named as on the screen (x grows to the right,
// y grows downwards), and the four axes through a point as pairs of opposite directions.
// This is the only direction table of the game.
#pragma once

#include <array>
#include <cstddef>

namespace narabe {

enum class Direction { UP, DOWN, LEFT, RIGHT, UP_LEFT, UP_RIGHT, DOWN_LEFT, DOWN_RIGHT };

struct Step {
    int dx;
    int dy;
};

inline constexpr std::size_t DIRECTION_COUNT = 8;

inline constexpr std::array<Step, DIRECTION_COUNT> STEPS = {{
    {0, -1},  // UP
    {0, +1},  // DOWN
    {-1, 0},  // LEFT
    {+1, 0},  // RIGHT
    {-1, -1}, // UP_LEFT
    {+1, -1}, // UP_RIGHT
    {-1, +1}, // DOWN_LEFT
    {+1, +1}, // DOWN_RIGHT
}};

constexpr Step step(Direction d) {
    return STEPS[static_cast<std::size_t>(d)];
}

// An axis through a point: the first side and the opposite second side.
struct Axis {
    Direction first;
    Direction second;
};

// The four axes in the order the five search takes them: vertical, horizontal, falling and
// rising diagonal.
inline constexpr std::array<Axis, 4> AXES = {{
    {Direction::UP, Direction::DOWN},
    {Direction::LEFT, Direction::RIGHT},
    {Direction::UP_LEFT, Direction::DOWN_RIGHT},
    {Direction::DOWN_LEFT, Direction::UP_RIGHT},
}};

} // namespace narabe
