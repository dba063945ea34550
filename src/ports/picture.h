// The 31 named pictures the window holds: 30 board cells of 21 x 21 pixels (a content
// prefix KURO / SIRO / KARA and a place suffix, the star point, and the two stones off the
// board) and the 110 x 34 title picture.
#pragma once

#include <array>
#include <string_view>

namespace narabe {

enum class Picture {
    KUROUEHIDARI,
    KUROUEMIGI,
    KUROSITAHIDARI,
    KUROSITAMIGI,
    KUROHIDARINAKA,
    KUROMIGINAKA,
    KUROUENAKA,
    KUROSITANAKA,
    KURONAKA,
    SIROUEHIDARI,
    SIROUEMIGI,
    SIROSITAHIDARI,
    SIROSITAMIGI,
    SIROHIDARINAKA,
    SIROMIGINAKA,
    SIROUENAKA,
    SIROSITANAKA,
    SIRONAKA,
    KARAUEHIDARI,
    KARAUEMIGI,
    KARASITAHIDARI,
    KARASITAMIGI,
    KARAHIDARINAKA,
    KARAMIGINAKA,
    KARAUENAKA,
    KARASITANAKA,
    KARANAKA,
    KARANAKATEN,
    KUROSOTO,
    SIROSOTO,
    PG_NAME,
};

inline constexpr int PICTURE_COUNT = 31;

// The place of a board cell, which decides its grid lines.
enum class Place {
    UEHIDARI,
    UEMIGI,
    SITAHIDARI,
    SITAMIGI,
    HIDARINAKA,
    MIGINAKA,
    UENAKA,
    SITANAKA,
    NAKA
};

// What lies on a board cell.
enum class Content { KURO, SIRO, KARA };

inline constexpr int PLACE_COUNT = 9;

// The pictures run KURO, SIRO, KARA, each in Place order.
constexpr Picture boardPicture(Content c, Place p) {
    return static_cast<Picture>(static_cast<int>(c) * PLACE_COUNT + static_cast<int>(p));
}

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
