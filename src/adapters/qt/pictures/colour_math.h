// Colours with fractional channels for drawing the pictures: mixing layers, averaging the
// samples of one screen pixel, and rounding to the 8-bit colour that is stored.
#pragma once

#include "render/palette.h"

#include <algorithm>
#include <cmath>

namespace narabe {

// A colour with fractional channels, 0..255 each.
struct Shade {
    double r, g, b;
};

constexpr Shade toColour(Rgb c) {
    return {double(c.r), double(c.g), double(c.b)};
}

constexpr Shade grey(double v) {
    return {v, v, v};
}

// a where t = 0, b where t = 1.
constexpr Shade mix(Shade a, Shade b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Rgb toRgb(Shade c) {
    const auto channel = [](double v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

constexpr double clamp01(double v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

// 0 below edge0, 1 above edge1, a smooth step between.
constexpr double smoothstep(double edge0, double edge1, double v) {
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

} // namespace narabe
