// The layers of a cell picture, evaluated at one point.
#include "adapters/qt/pictures/cell_scene.h"

#include "adapters/qt/pictures/stone_shading.h"

#include <cmath>

namespace narabe {

namespace {

constexpr double CROSSING = GRID_CROSSING;
constexpr double SHADOW_CENTRE = STONE_CENTRE + SHADOW_SHIFT;
constexpr double SHADOW_SOFTNESS = 0.9;

// The star dot: a black core with a grey border and lighter grey corners at natural size,
// a black disc with a soft edge when drawn larger.
constexpr double STAR_CORE = 1.6;
constexpr double STAR_SIDES = 2.5;
constexpr double STAR_CORNERS = 2.9;

bool onGridLine(const CellLook& look, double x, double y) {
    const bool inRow = y >= CROSSING && y < CROSSING + 1;
    const bool inColumn = x >= CROSSING && x < CROSSING + 1;
    if (inRow && ((look.left && x < CROSSING + 1) || (look.right && x >= CROSSING))) return true;
    if (inColumn && ((look.up && y < CROSSING + 1) || (look.down && y >= CROSSING))) return true;
    return false;
}

Shade withStarDot(Shade under, double d, bool exact) {
    if (exact) {
        if (d <= STAR_CORE) return toColour(GRID_LINE);
        if (d <= STAR_SIDES) return toColour(STAR_SIDE);
        if (d <= STAR_CORNERS) return toColour(STAR_CORNER);
        return under;
    }
    return mix(under, toColour(GRID_LINE), 1 - smoothstep(2.0, 2.75, d));
}

} // namespace

CellLook cellLook(Picture p) {
    switch (p) {
    case Picture::EMPTY_STAR:
        return {Content::EMPTY_POINT, true, true, true, true, true, false};
    case Picture::BLACK_OFF_BOARD:
        return {Content::BLACK_STONE, false, false, false, false, false, true};
    case Picture::WHITE_OFF_BOARD:
        return {Content::WHITE_STONE, false, false, false, false, false, true};
    default:
        break;
    }
    const int index = static_cast<int>(p);
    const auto content = static_cast<Content>(index / 9);
    switch (static_cast<Place>(index % 9)) {
    case Place::TOP_LEFT:
        return {content, false, true, false, true, false, false};
    case Place::TOP_RIGHT:
        return {content, true, false, false, true, false, false};
    case Place::BOTTOM_LEFT:
        return {content, false, true, true, false, false, false};
    case Place::BOTTOM_RIGHT:
        return {content, true, false, true, false, false, false};
    case Place::LEFT_EDGE:
        return {content, false, true, true, true, false, false};
    case Place::RIGHT_EDGE:
        return {content, true, false, true, true, false, false};
    case Place::TOP_EDGE:
        return {content, true, true, false, true, false, false};
    case Place::BOTTOM_EDGE:
        return {content, true, true, true, false, false, false};
    case Place::INSIDE:
        break;
    }
    return {content, true, true, true, true, false, false};
}

Shade cellColourAt(const CellLook& look, double x, double y, Shade ground, bool exact) {
    const bool stone = look.content != Content::EMPTY_POINT;
    Shade c = look.offBoard ? toColour(OFF_BOARD_GROUND) : ground;

    if (stone && !look.offBoard) {
        const double d = std::hypot(x - SHADOW_CENTRE, y - SHADOW_CENTRE);
        const double shadow = exact ? (d <= SHADOW_RADIUS ? 1.0 : 0.0)
                                    : 1 - smoothstep(SHADOW_RADIUS - SHADOW_SOFTNESS / 2,
                                                     SHADOW_RADIUS + SHADOW_SOFTNESS / 2, d);
        c = mix(c, toColour(STONE_SHADOW), shadow);
    }
    if (!look.offBoard && onGridLine(look, x, y)) c = toColour(GRID_LINE);
    if (look.star) c = withStarDot(c, std::hypot(x - STONE_CENTRE, y - STONE_CENTRE), exact);

    if (stone) {
        const double dx = x - STONE_CENTRE;
        const double dy = y - STONE_CENTRE;
        if (std::hypot(dx, dy) <= STONE_RADIUS)
            c = look.content == Content::BLACK_STONE ? blackStoneAt(dx, dy, exact)
                                                     : whiteStoneAt(dx, dy, exact);
    }
    return c;
}

} // namespace narabe
