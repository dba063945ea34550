// Readable failure messages for the game's codes: the name of a stone, cell, truth value or
// game-state code rather than its bytes.
#pragma once

#include "render/palette.h"
#include "state/types.h"

#include <ostream>

namespace narabe {

inline std::ostream& operator<<(std::ostream& os, Truth t) {
    return os << (t == YES ? "YES" : "NO");
}

inline std::ostream& operator<<(std::ostream& os, Stone s) {
    switch (s) {
    case Stone::BLACK:
        return os << "BLACK";
    case Stone::WHITE:
        return os << "WHITE";
    case Stone::NOBODY:
        return os << "NOBODY";
    case Stone::UNSET:
        return os << "UNSET";
    }
    return os << "Stone(" << codeNumber(s) << ")";
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
    return os << "Cell(" << codeNumber(c) << ")";
}

inline std::ostream& operator<<(std::ostream& os, GameCode g) {
    switch (g) {
    case GameCode::NO_GAME:
        return os << "NO_GAME";
    case GameCode::VS_COM:
        return os << "VS_COM";
    case GameCode::VS_MAN:
        return os << "VS_MAN";
    }
    return os << "GameCode(" << codeNumber(g) << ")";
}

inline std::ostream& operator<<(std::ostream& os, Colour c) {
    return os << "colour " << static_cast<int>(c);
}

} // namespace narabe
