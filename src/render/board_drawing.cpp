// Board cells from pictures, rectangles and texts, all addressed in grid coordinates.
#include "render/board_drawing.h"

#include "render/geometry.h"

namespace narabe {

namespace {

// The star points lie on these lines both ways: nine points in all.
constexpr int STAR_LINES[] = {5, 10, 15};

bool isStarPoint(int x, int y) {
    const auto star = [](int v) {
        for (const int line : STAR_LINES)
            if (v == line) return true;
        return false;
    };
    return star(x) && star(y);
}

// The place of a point: decided by x first, then by y.
Place placeOf(int x, int y) {
    if (x == FIRST_POINT) {
        if (y == FIRST_POINT) return Place::TOP_LEFT;
        if (y == LAST_POINT) return Place::BOTTOM_LEFT;
        return Place::LEFT_EDGE;
    }
    if (x == LAST_POINT) {
        if (y == FIRST_POINT) return Place::TOP_RIGHT;
        if (y == LAST_POINT) return Place::BOTTOM_RIGHT;
        return Place::RIGHT_EDGE;
    }
    if (y == FIRST_POINT) return Place::TOP_EDGE;
    if (y == LAST_POINT) return Place::BOTTOM_EDGE;
    return Place::INSIDE;
}

} // namespace

Picture cellPicture(Point p, Content content) {
    const Place place = placeOf(p.x, p.y);
    if (content == Content::EMPTY_POINT && p.x != FIRST_POINT && p.x != LAST_POINT &&
        isStarPoint(p.x, p.y))
        return Picture::EMPTY_STAR;
    return boardPicture(content, place);
}

void drawBoard(Surface& s, const Board& board) {
    forEachPoint([&](int x, int y) { drawCell(s, {x, y}, board(x, y)); });
}

void drawCell(Surface& s, Point p, Cell cell) {
    if (cell == EMPTY)
        drawEmptyPoint(s, p);
    else if (holdsStone(cell))
        drawStone(s, p, stoneIn(cell));
}

void drawStone(Surface& s, Point p, Stone stone) {
    const Content content = stone == BLACK ? Content::BLACK_STONE : Content::WHITE_STONE;
    s.copyPicture(cellPicture(p, content), twipsX(p.x), twipsY(p.y));
}

void drawEmptyPoint(Surface& s, Point p) {
    s.copyPicture(cellPicture(p, Content::EMPTY_POINT), twipsX(p.x), twipsY(p.y));
}

void fillRectangle(Surface& s, double x, double y, double width, double height, Colour colour) {
    s.fillRect(twipsX(x), twipsY(y), width, height, colour);
}

void fillRectangle(Surface& s, const GridRect& r, Colour colour) {
    fillRectangle(s, r.x, r.y, r.width, r.height, colour);
}

void drawText(Surface& s, double x, double y, std::string_view text, Colour colour, int size) {
    s.drawText(twipsX(x), twipsY(y), size, colour, text);
}

void drawText(Surface& s, const TextPlace& place, std::string_view text, Colour colour) {
    drawText(s, place.at.x, place.at.y, text, colour, place.size);
}

void drawText(Surface& s, double x, double y, int number, Colour colour, int size) {
    drawText(s, x, y, printedNumber(number), colour, size);
}

void copyPictureAt(Surface& s, Picture picture, GridPoint at) {
    s.copyPicture(picture, twipsX(at.x), twipsY(at.y));
}

std::string printedNumber(int n) {
    // The sign position holds a blank for a number that is not negative.
    std::string text(1, n < 0 ? '-' : ' ');
    text += std::to_string(n < 0 ? -static_cast<long long>(n) : static_cast<long long>(n));
    text += ' ';
    return text;
}

} // namespace narabe
