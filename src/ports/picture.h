// The 31 named pictures the window holds: 30 board cells of 21 x 21 pixels (a black stone, a
// white stone or an empty point at each of the nine places of a cell, the empty star point,
// and the two stones off the board) and the 110 x 34 title picture; and the names the
// transcript gives them, the pictures' names of old.
#pragma once

#include <array>
#include <string_view>

namespace narabe {

enum class Picture {
    BLACK_TOP_LEFT,
    BLACK_TOP_RIGHT,
    BLACK_BOTTOM_LEFT,
    BLACK_BOTTOM_RIGHT,
    BLACK_LEFT_EDGE,
    BLACK_RIGHT_EDGE,
    BLACK_TOP_EDGE,
    BLACK_BOTTOM_EDGE,
    BLACK_INSIDE,
    WHITE_TOP_LEFT,
    WHITE_TOP_RIGHT,
    WHITE_BOTTOM_LEFT,
    WHITE_BOTTOM_RIGHT,
    WHITE_LEFT_EDGE,
    WHITE_RIGHT_EDGE,
    WHITE_TOP_EDGE,
    WHITE_BOTTOM_EDGE,
    WHITE_INSIDE,
    EMPTY_TOP_LEFT,
    EMPTY_TOP_RIGHT,
    EMPTY_BOTTOM_LEFT,
    EMPTY_BOTTOM_RIGHT,
    EMPTY_LEFT_EDGE,
    EMPTY_RIGHT_EDGE,
    EMPTY_TOP_EDGE,
    EMPTY_BOTTOM_EDGE,
    EMPTY_INSIDE,
    EMPTY_STAR,
    BLACK_OFF_BOARD,
    WHITE_OFF_BOARD,
    TITLE,
};

inline constexpr int PICTURE_COUNT = 31;

// The place of a board cell, which decides its grid lines.
enum class Place {
    TOP_LEFT,
    TOP_RIGHT,
    BOTTOM_LEFT,
    BOTTOM_RIGHT,
    LEFT_EDGE,
    RIGHT_EDGE,
    TOP_EDGE,
    BOTTOM_EDGE,
    INSIDE
};

// What lies on a board cell.
enum class Content { BLACK_STONE, WHITE_STONE, EMPTY_POINT };

inline constexpr int PLACE_COUNT = 9;

// The pictures run black, white, empty, each in Place order.
constexpr Picture boardPicture(Content c, Place p) {
    return static_cast<Picture>(static_cast<int>(c) * PLACE_COUNT + static_cast<int>(p));
}

// The names in the order of Picture: a content prefix KURO (black), SIRO (white) or KARA
// (empty) and a place suffix, KARANAKATEN (the star point), KUROSOTO and SIROSOTO (the
// stones off the board) and PG_NAME (the title).
inline constexpr std::array<std::string_view, PICTURE_COUNT> PICTURE_NAMES = {
    "KUROUEHIDARI",   "KUROUEMIGI",     "KUROSITAHIDARI", "KUROSITAMIGI",   "KUROHIDARINAKA",
    "KUROMIGINAKA",   "KUROUENAKA",     "KUROSITANAKA",   "KURONAKA",       "SIROUEHIDARI",
    "SIROUEMIGI",     "SIROSITAHIDARI", "SIROSITAMIGI",   "SIROHIDARINAKA", "SIROMIGINAKA",
    "SIROUENAKA",     "SIROSITANAKA",   "SIRONAKA",       "KARAUEHIDARI",   "KARAUEMIGI",
    "KARASITAHIDARI", "KARASITAMIGI",   "KARAHIDARINAKA", "KARAMIGINAKA",   "KARAUENAKA",
    "KARASITANAKA",   "KARANAKA",       "KARANAKATEN",    "KUROSOTO",       "SIROSOTO",
    "PG_NAME",
};

constexpr std::string_view pictureName(Picture p) {
    return PICTURE_NAMES[static_cast<std::size_t>(p)];
}

} // namespace narabe
