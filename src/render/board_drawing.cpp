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
        if (y == FIRST_POINT) return Place::UEHIDARI;
        if (y == LAST_POINT) return Place::SITAHIDARI;
        return Place::HIDARINAKA;
    }
    if (x == LAST_POINT) {
        if (y == FIRST_POINT) return Place::UEMIGI;
        if (y == LAST_POINT) return Place::SITAMIGI;
        return Place::MIGINAKA;
    }
    if (y == FIRST_POINT) return Place::UENAKA;
    if (y == LAST_POINT) return Place::SITANAKA;
    return Place::NAKA;
}

} // namespace

Picture cellPicture(int x, int y, Content content) {
    const Place place = placeOf(x, y);
    if (content == Content::KARA && x != FIRST_POINT && x != LAST_POINT && isStarPoint(x, y))
        return Picture::KARANAKATEN;
    return boardPicture(content, place);
}

void 描画_盤(Surface& s, const Grid& board) {
    forEachPoint([&](int x, int y) {
        const Cell c = board(x, y);
        if (c == Cell::BLACK || c == Cell::WHITE || c == EMPTY) drawCell(s, x, y, c);
    });
}

void drawCell(Surface& s, int x, int y, Cell cell) {
    if (cell == EMPTY)
        描画_桝(s, x, y);
    else
        描画_駒(s, x, y, stoneIn(cell));
}

void 描画_駒(Surface& s, int x, int y, Stone stone) {
    if (!isStone(stone)) return;
    const Content content = stone == BLACK ? Content::KURO : Content::SIRO;
    s.copyPicture(cellPicture(x, y, content), twipsX(x), twipsY(y));
}

void 描画_桝(Surface& s, int x, int y) {
    s.copyPicture(cellPicture(x, y, Content::KARA), twipsX(x), twipsY(y));
}

void 描画_四角形(Surface& s, double x, double y, double width, double height, Colour colour) {
    s.fillRect(twipsX(x), twipsY(y), width, height, colour);
}

void 描画_四角形(Surface& s, const GridRect& r, Colour colour) {
    描画_四角形(s, r.x, r.y, r.width, r.height, colour);
}

void 描画_文字列(Surface& s, double x, double y, std::string_view text, Colour colour, int size) {
    s.drawText(twipsX(x), twipsY(y), size, colour, text);
}

void 描画_文字列(Surface& s, const TextPlace& place, std::string_view text, Colour colour) {
    描画_文字列(s, place.at.x, place.at.y, text, colour, place.size);
}

void 描画_文字列(Surface& s, double x, double y, int number, Colour colour, int size) {
    描画_文字列(s, x, y, printedNumber(number), colour, size);
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
