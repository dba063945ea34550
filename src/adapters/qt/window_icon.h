// The window's icon: the icon theme's PNG pictures as the build draws and installs them,
// built into the program, so that start-up neither draws nor reads them and the running
// window shows exactly the installed icon.
#pragma once

#include <QIcon>

#include <array>
#include <span>

namespace narabe {

// The sizes, in pixels, of the pictures the window's icon is made of.
inline constexpr std::array<int, 5> WINDOW_ICON_SIZES = {16, 32, 48, 64, 128};

// The icon theme's PNG files of those sizes, in the same order (written by the build).
extern const std::array<std::span<const unsigned char>, WINDOW_ICON_SIZES.size()> WINDOW_ICON_PNGS;

// The window's icon, made of those pictures.
QIcon windowIcon();

} // namespace narabe
