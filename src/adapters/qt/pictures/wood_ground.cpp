// Wood grain from periodic value noise: long soft streaks across the cell decide where
// the wood is darker, a per-pixel jitter frays their borders, and a second hash picks
// between the two close shades of each kind so that no pixel pattern repeats inside a cell.
#include "adapters/qt/pictures/wood_ground.h"

#include <cmath>
#include <cstdint>

namespace narabe {

namespace {

constexpr std::uint32_t SEED = 0x5a1c0d3bU;

std::uint32_t scramble(std::uint32_t a) {
    a ^= a >> 16;
    a *= 0x7feb352dU;
    a ^= a >> 15;
    a *= 0x846ca68bU;
    a ^= a >> 16;
    return a;
}

// A fixed pseudo-random number in [0, 1) for the integer pair (i, j) and a salt.
double hash01(int i, int j, std::uint32_t salt) {
    const std::uint32_t h = scramble(static_cast<std::uint32_t>(i) * 0x9e3779b1U ^
                                     scramble(static_cast<std::uint32_t>(j) ^ (SEED + salt)));
    return static_cast<double>(h) / 4294967296.0;
}

int wrap(int i, int n) {
    return ((i % n) + n) % n;
}

// Smooth noise over one cell (u, v in cell widths) on an nx by ny lattice that wraps
// around, so the noise has period 1 in both directions.
double cellNoise(double u, double v, int nx, int ny, std::uint32_t salt) {
    const double x = u * nx;
    const double y = v * ny;
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int i = static_cast<int>(fx);
    const int j = static_cast<int>(fy);
    const auto ease = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = ease(x - fx);
    const double ty = ease(y - fy);
    const auto at = [&](int di, int dj) {
        return hash01(wrap(i + di, nx), wrap(j + dj, ny), salt);
    };
    const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
    const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

} // namespace

Rgb woodTone(int px, int py, int scale) {
    const double side = 21.0 * scale;
    const double u = (px + 0.5) / side;
    const double v = (py + 0.5) / side;
    // Streaks run across the cell and wave a little along it.
    const double wave = 0.05 * (cellNoise(u, v, 3, 2, 1) - 0.5);
    const double grain =
        0.6 * cellNoise(u, v + wave, 2, 9, 2) + 0.4 * cellNoise(u, v + wave, 5, 19, 3);
    const double jitter = hash01(px, py, 10U + static_cast<std::uint32_t>(scale)) - 0.5;
    const bool dark = grain + 0.5 * jitter < 0.46;
    const bool second = hash01(px, py, 40U + static_cast<std::uint32_t>(scale)) < 0.5;
    return WOOD_TONES[dark ? (second ? 3U : 0U) : (second ? 2U : 1U)];
}

} // namespace narabe
