// The window's icon: the program's icon drawing, at the sizes a window manager asks for,
// built into the program as pixels by the build, so that start-up neither draws, reads nor
// decodes it, and the running window shows the installed icon's drawing.
#pragma once

#include <QIcon>

#include <array>
#include <cstdint>
#include <span>

namespace narabe {

// The sizes, in pixels, of the pictures the window's icon is made of.
inline constexpr std::array<int, 5> WINDOW_ICON_SIZES = {16, 32, 48, 64, 128};

// The pictures of those sizes, in the same order: rows of premultiplied ARGB words (QImage's
// Format_ARGB32_Premultiplied), written by narabe-icongen.
extern const std::array<std::span<const std::uint32_t>, WINDOW_ICON_SIZES.size()>
    WINDOW_ICON_PIXELS;

// The window's icon, made of those pictures.
QIcon windowIcon();

} // namespace narabe
