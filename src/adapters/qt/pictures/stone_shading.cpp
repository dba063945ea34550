// Stone shading. Both stones are lit as a low dome: the point's distance from the centre,
// as a fraction of the radius, and its direction, as closeness to the upper-left diagonal,
// decide the light.
#include "adapters/qt/pictures/stone_shading.h"

#include <cmath>

namespace narabe {

namespace {

struct Polar {
    double r; // distance from the centre over the radius, 0..1
    double w; // 1 towards the upper left, -1 towards the lower right, 0 across
};

Polar polar(double dx, double dy) {
    const double d = std::hypot(dx, dy);
    return {d / STONE_RADIUS, d > 0 ? -(dx + dy) / (std::sqrt(2.0) * d) : 0.0};
}

// Strength of the highlight arc of a black stone, 0..1: a band inside the rim, brightest
// on the upper-left diagonal and fading out before the quarter ends.
double arcStrength(Polar p) {
    const double band = std::exp(-std::pow((p.r - 0.70) / 0.15, 2));
    return band * smoothstep(0.40, 0.97, p.w);
}

} // namespace

Shade blackStoneAt(double dx, double dy, bool exact) {
    const Polar p = polar(dx, dy);
    const double arc = arcStrength(p);
    if (exact) return arc >= 0.62 ? grey(192) : arc >= 0.28 ? grey(128) : grey(0);
    // A faint sheen on the lit half keeps the stone round where the arc does not reach.
    const double sheen = 26 * smoothstep(-0.2, 1.0, p.w) * (1 - p.r * p.r);
    return grey(sheen + (205 - sheen) * std::pow(arc, 1.25));
}

Shade whiteStoneAt(double dx, double dy, bool exact) {
    const Polar p = polar(dx, dy);
    // Lambert light from the upper left and in front.
    const double nz = std::sqrt(std::max(0.0, 1 - p.r * p.r));
    const double light = 0.778 * p.r * p.w + 0.63 * nz;
    const double rim = smoothstep(0.86, 0.97, p.r) * smoothstep(0.25, 0.75, p.w);
    if (exact) {
        if (p.r > 8.5 / STONE_RADIUS && p.w >= 0.5) return grey(224);
        return light >= 0.52 ? grey(255) : light >= 0.12 ? grey(228) : grey(213);
    }
    const double body = 213 + 42 * smoothstep(0.0, 0.58, light);
    return grey(body + (224 - body) * 0.85 * rim);
}

} // namespace narabe
