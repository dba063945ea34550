// Readable failure messages for the game's values: the name of a stone, cell or mode rather
// than its bytes.
#pragma once

#include "game/game.h"
#include "ports/colour.h"
#include "state/types.h"

#include <optional>
#include <ostream>

namespace narabe {

inline std::ostream& operator<<(std::ostream& os, Stone s) {
    return os << (s == BLACK ? "BLACK" : "WHITE");
}

inline std::ostream& operator<<(std::ostream& os, std::optional<Stone> s) {
    if (!s) return os << "no side";
    return os << *s;
}

inline std::ostream& operator<<(std::ostream& os, Cell c) {
    switch (c) {
    case Cell::BLACK:
        return os << "BLACK";
    case Cell::WHITE:
        return os << "WHITE";
    case Cell::EMPTY:
        return os << "EMPTY";
    case Cell::UNSET:
        return os << "UNSET";
    }
    return os << "Cell(" << static_cast<int>(c) << ")";
}

inline std::ostream& operator<<(std::ostream& os, Mode m) {
    switch (m) {
    case Mode::NO_GAME:
        return os << "NO_GAME";
    case Mode::VS_COMPUTER:
        return os << "VS_COMPUTER";
    case Mode::TWO_PLAYERS:
        return os << "TWO_PLAYERS";
    }
    return os << "Mode(" << static_cast<int>(m) << ")";
}

inline std::ostream& operator<<(std::ostream& os, Colour c) {
    return os << "colour " << static_cast<int>(c);
}

inline std::ostream& operator<<(std::ostream& os, Point p) {
    return os << '(' << p.x << ", " << p.y << ')';
}

} // namespace narabe
