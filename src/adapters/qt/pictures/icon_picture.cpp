// The icon: four board cells, two by two, with their crossings in the middle: a black stone
// on the upper-left crossing, a white stone on the lower-right one. The raster picture
// samples the cells' own scene, or at the smallest sizes the same layers laid out on the
// pixel grid; the SVG draws the same layers as shapes, its stones made of thin wedges whose
// radial gradients follow the stone shading along the wedge's middle.
#include "adapters/qt/pictures/icon_picture.h"

#include "adapters/qt/pictures/cell_scene.h"
#include "adapters/qt/pictures/stone_shading.h"
#include "adapters/qt/pictures/wood_ground.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace narabe {

namespace {

constexpr double CELL = 21.0;

// What lies on the four cells, row by row.
constexpr std::array<Content, 4> ICON_CELLS = {Content::BLACK_STONE, Content::EMPTY_POINT,
                                               Content::EMPTY_POINT, Content::WHITE_STONE};

CellLook iconCell(int column, int row) {
    return cellLook(boardPicture(
        ICON_CELLS[static_cast<std::size_t>(row) * 2 + static_cast<std::size_t>(column)],
        Place::INSIDE));
}

// Whether (x, y) lies on a rounded square of side `side` from the origin whose corners have
// the radius `corner`.
bool onBoard(double x, double y, double side, double corner) {
    if (x < 0 || y < 0 || x >= side || y >= side) return false;
    const double cx = std::clamp(x, corner, side - corner);
    const double cy = std::clamp(y, corner, side - corner);
    return std::hypot(x - cx, y - cy) <= corner;
}

// The icon at `size` pixels from `samples` x `samples` points of each pixel: `colourAt` (x, y)
// in icon pixels gives the colour there, or nothing where the point is off the board and
// so transparent.
template <typename ColourAt> QImage sampleIcon(int size, int samples, ColourAt colourAt) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    for (int py = 0; py < size; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < size; ++px) {
            Shade sum{0, 0, 0};
            int inside = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const std::optional<Shade> c =
                        colourAt(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples);
                    if (!c) continue;
                    sum = {sum.r + c->r, sum.g + c->g, sum.b + c->b};
                    ++inside;
                }
            // Premultiplied: the colour summed over the covered samples, over all samples.
            const double n = samples * samples;
            const Rgb rgb = toRgb({sum.r / n, sum.g / n, sum.b / n});
            const int alpha = static_cast<int>(std::lround(255.0 * inside / n));
            line[px] = qRgba(rgb.r, rgb.g, rgb.b, alpha);
        }
    }
    return image;
}

Rgb meanWood() {
    int r = 0, g = 0, b = 0;
    for (const Rgb& c : WOOD_TONES) {
        r += c.r;
        g += c.g;
        b += c.b;
    }
    const auto n = static_cast<int>(WOOD_TONES.size());
    return {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n),
            static_cast<std::uint8_t>(b / n)};
}

// Scaled down to 16 or 32 pixels, the cells' scene blurs: its one-pixel lines become faint
// bands, and the black stone's lit arc, close to its rim, fades into the wood, so that the
// stone looks cut off at its upper left. Those sizes are drawn on their own pixel grid: lines
// one whole pixel wide, a quarter of the icon in from its edges, stones centred on their
// crossings with plain wood between them and the board's edge, and the shading's highlight
// drawn further in, inside a dark rim. `margin` is the transparent border in pixels,
// `stoneRadius` in icon pixels; `light` > 1 draws the stone's shading that much smaller.
struct GridDrawing {
    int size;
    int margin;
    double stoneRadius;
    double light;
};
constexpr std::array<GridDrawing, 2> GRID_DRAWINGS = {{{16, 0, 3.5, 1.1}, {32, 1, 6.5, 1.15}}};

QImage drawGridIcon(const GridDrawing& d) {
    const double board = d.size - 2.0 * d.margin;
    // Rounded as the larger sizes, by at least two pixels, which leave little of the corner pixel.
    const double corner = std::max(2.0, ICON_CORNER * board / ICON_BOARD);
    const std::array<int, 2> lines = {d.size / 4, d.size - 1 - d.size / 4};
    const Shade wood = toColour(meanWood());
    const double shadowRadius = d.stoneRadius * SHADOW_RADIUS / STONE_RADIUS;
    // From icon pixels off a stone's centre to the shading's picture pixels.
    const double toShading = STONE_RADIUS / d.stoneRadius * d.light;
    struct Stone {
        double centre;
        Shade (*shade)(double, double, bool);
    };
    const std::array<Stone, 2> stones = {
        {{lines[0] + 0.5, blackStoneAt}, {lines[1] + 0.5, whiteStoneAt}}};
    return sampleIcon(d.size, 8, [&](double x, double y) -> std::optional<Shade> {
        if (!onBoard(x - d.margin, y - d.margin, board, corner)) return std::nullopt;
        Shade c = wood;
        for (const Stone& s : stones)
            if (std::hypot(x - s.centre - 1, y - s.centre - 1) <= shadowRadius)
                c = toColour(STONE_SHADOW);
        const auto column = static_cast<int>(x);
        const auto row = static_cast<int>(y);
        if (std::find(lines.begin(), lines.end(), column) != lines.end() ||
            std::find(lines.begin(), lines.end(), row) != lines.end())
            c = toColour(GRID_LINE);
        for (const Stone& s : stones) {
            const double dx = x - s.centre;
            const double dy = y - s.centre;
            if (std::hypot(dx, dy) <= d.stoneRadius)
                c = s.shade(dx * toShading, dy * toShading, false);
        }
        return c;
    });
}

// The colour at (x, y) of the board square, with the wood's grain as drawn at `woodScale`.
Shade iconColourAt(double x, double y, int woodScale) {
    const int column = x < CELL ? 0 : 1;
    const int row = y < CELL ? 0 : 1;
    const double cx = x - CELL * column;
    const double cy = y - CELL * row;
    const Rgb tone =
        woodTone(static_cast<int>(cx * woodScale), static_cast<int>(cy * woodScale), woodScale);
    return cellColourAt(iconCell(column, row), cx, cy, toColour(tone), false);
}

} // namespace

QImage drawIcon(int size) {
    if (size < 8) throw std::invalid_argument("an icon is at least 8 pixels");
    for (const GridDrawing& d : GRID_DRAWINGS)
        if (d.size == size) return drawGridIcon(d);
    const double margin = size * ICON_MARGIN;
    const double perPixel = ICON_BOARD / (size - 2 * margin); // picture pixels per icon pixel
    const int samples = std::max(2, static_cast<int>(std::ceil(3 * perPixel)));
    const int woodScale = std::max(1, static_cast<int>(std::lround(1 / perPixel)));
    return sampleIcon(size, samples, [&](double ix, double iy) -> std::optional<Shade> {
        const double x = (ix - margin) * perPixel;
        const double y = (iy - margin) * perPixel;
        if (!onBoard(x, y, ICON_BOARD, ICON_CORNER)) return std::nullopt;
        return iconColourAt(x, y, woodScale);
    });
}

namespace {

// A number for the SVG text: at most three decimals, no trailing zeros.
std::string num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    std::string s = text;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string hex(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

struct Stop {
    double offset;
    Rgb colour;
};

// The stops of a gradient from the centre (t = 0) to the rim (t = 1) of `shade` along one
// direction, keeping only those that straight lines between them cannot stand for.
std::vector<Stop> rayStops(Shade (*shade)(double, double, bool), double angle) {
    constexpr int STEPS = 64;
    constexpr double TOLERANCE = 2.0; // levels of grey
    std::array<double, STEPS + 1> value{};
    for (int i = 0; i <= STEPS; ++i) {
        const double r = STONE_RADIUS * i / STEPS;
        value[static_cast<std::size_t>(i)] =
            shade(r * std::cos(angle), r * std::sin(angle), false).r;
    }
    std::vector<int> kept{0};
    int from = 0;
    for (int to = 2; to <= STEPS; ++to) {
        bool straight = true;
        for (int k = from + 1; k < to && straight; ++k) {
            const double t = double(k - from) / (to - from);
            const auto at = [&](int i) { return value[static_cast<std::size_t>(i)]; };
            straight = std::abs(at(from) + (at(to) - at(from)) * t - at(k)) <= TOLERANCE;
        }
        if (!straight) {
            kept.push_back(to - 1);
            from = to - 1;
        }
    }
    kept.push_back(STEPS);
    std::vector<Stop> stops;
    for (int i : kept) {
        const auto level = static_cast<std::uint8_t>(
            std::lround(std::clamp(value[static_cast<std::size_t>(i)], 0.0, 255.0)));
        stops.push_back({double(i) / STEPS, {level, level, level}});
    }
    return stops;
}

bool sameStops(const std::vector<Stop>& a, const std::vector<Stop>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].offset != b[i].offset || a[i].colour.r != b[i].colour.r) return false;
    return true;
}

// A stone centred at (cx, cy) as wedges of WEDGE degrees; neighbouring wedges with the same
// gradient are one wedge. Each wedge reaches half a wedge into the next one, which is drawn
// over it, so that no seam of the background shows between them.
void writeStone(std::ostringstream& defs, std::ostringstream& shapes, const std::string& name,
                Shade (*shade)(double, double, bool), double cx, double cy) {
    constexpr int WEDGES = 72;
    constexpr double STEP = 2 * std::numbers::pi / WEDGES;
    struct Wedge {
        int first, last;
        std::vector<Stop> stops;
    };
    std::vector<Wedge> wedges;
    for (int i = 0; i < WEDGES; ++i) {
        std::vector<Stop> stops = rayStops(shade, (i + 0.5) * STEP);
        if (!wedges.empty() && sameStops(wedges.back().stops, stops))
            wedges.back().last = i;
        else
            wedges.push_back({i, i, std::move(stops)});
    }
    const double r = STONE_RADIUS;
    // Under the wedges, a disc of the colour at the centre, where they all meet.
    shapes << "<circle cx=\"" << num(cx) << "\" cy=\"" << num(cy) << "\" r=\"" << num(r)
           << "\" fill=\"" << hex(toRgb(shade(0, 0, false))) << "\"/>\n";
    for (std::size_t w = 0; w < wedges.size(); ++w) {
        const Wedge& wedge = wedges[w];
        const std::string id = name + std::to_string(w);
        defs << "<radialGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" cx=\""
             << num(cx) << "\" cy=\"" << num(cy) << "\" r=\"" << num(r) << "\">";
        for (const Stop& s : wedge.stops)
            defs << "<stop offset=\"" << num(s.offset) << "\" stop-color=\"" << hex(s.colour)
                 << "\"/>";
        defs << "</radialGradient>\n";
        const double a0 = wedge.first * STEP;
        const bool lastWedge = w + 1 == wedges.size();
        const double a1 = (wedge.last + 1) * STEP + (lastWedge ? 0 : STEP / 2);
        const int large = a1 - a0 > std::numbers::pi ? 1 : 0;
        shapes << "<path fill=\"url(#" << id << ")\" d=\"M" << num(cx) << ' ' << num(cy) << 'L'
               << num(cx + r * std::cos(a0)) << ' ' << num(cy + r * std::sin(a0)) << 'A' << num(r)
               << ' ' << num(r) << " 0 " << large << " 1 " << num(cx + r * std::cos(a1)) << ' '
               << num(cy + r * std::sin(a1)) << "Z\"/>\n";
    }
}

} // namespace

std::string iconSvg() {
    const double side = ICON_BOARD / (1 - 2 * ICON_MARGIN);
    const double m = side * ICON_MARGIN;
    std::ostringstream defs, shapes;

    // The wood, then the stones' shadows, the grid lines through the crossings, the stones.
    shapes << "<rect x=\"" << num(m) << "\" y=\"" << num(m) << "\" width=\"" << num(ICON_BOARD)
           << "\" height=\"" << num(ICON_BOARD) << "\" rx=\"" << num(ICON_CORNER) << "\" fill=\""
           << hex(meanWood()) << "\"/>\n";
    for (double c : {STONE_CENTRE, CELL + STONE_CENTRE})
        shapes << "<circle cx=\"" << num(m + c + SHADOW_SHIFT) << "\" cy=\""
               << num(m + c + SHADOW_SHIFT) << "\" r=\"" << num(SHADOW_RADIUS) << "\" fill=\""
               << hex(STONE_SHADOW) << "\"/>\n";
    for (double line : {GRID_CROSSING, CELL + GRID_CROSSING}) {
        shapes << "<rect x=\"" << num(m + line) << "\" y=\"" << num(m) << "\" width=\"1\" height=\""
               << num(ICON_BOARD) << "\" fill=\"" << hex(GRID_LINE) << "\"/>\n";
        shapes << "<rect x=\"" << num(m) << "\" y=\"" << num(m + line) << "\" width=\""
               << num(ICON_BOARD) << "\" height=\"1\" fill=\"" << hex(GRID_LINE) << "\"/>\n";
    }
    writeStone(defs, shapes, "k", blackStoneAt, m + STONE_CENTRE, m + STONE_CENTRE);
    writeStone(defs, shapes, "w", whiteStoneAt, m + CELL + STONE_CENTRE, m + CELL + STONE_CENTRE);

    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\""
        << num(side) << "\" height=\"" << num(side) << "\" viewBox=\"0 0 " << num(side) << ' '
        << num(side) << "\">\n<title>NarabeⅠ</title>\n<defs>\n"
        << defs.str() << "</defs>\n"
        << shapes.str() << "</svg>\n";
    return svg.str();
}

} // namespace narabe
