// Board cells from pictures, rectangles and texts, all addressed in grid coordinates.
#include "render/board_drawing.h"

namespace narabe {

namespace {

bool isStarPoint(int x, int y) {
    const auto star = [](int v) { return v == 5 || v == 10 || v == 15; };
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
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
            const Code c = board(x, y);
            if (c == BLACK || c == WHITE)
                描画_駒(s, x, y, c);
            else if (c == EMPTY)
                描画_桝(s, x, y);
        }
}

void 描画_駒(Surface& s, int x, int y, Code stone) {
    if (stone != BLACK && stone != WHITE) return;
    const Content content = stone == BLACK ? Content::KURO : Content::SIRO;
    s.copyPicture(cellPicture(x, y, content), twipsX(x), twipsY(y));
}

void 描画_桝(Surface& s, int x, int y) {
    s.copyPicture(cellPicture(x, y, Content::KARA), twipsX(x), twipsY(y));
}

void 描画_四角形(Surface& s, double x, double y, double width, double height, int colour) {
    s.fillRect(twipsX(x), twipsY(y), width, height, colour);
}

void 描画_文字列(Surface& s, double x, double y, std::string_view text, int colour, int size) {
    s.drawText(twipsX(x), twipsY(y), size, colour, text);
}

void 描画_文字列(Surface& s, double x, double y, int number, int colour, int size) {
    描画_文字列(s, x, y, printedNumber(number), colour, size);
}

std::string printedNumber(int n) {
    // The sign position holds a blank for a number that is not negative.
    std::string text(1, n < 0 ? '-' : ' ');
    text += std::to_string(n < 0 ? -static_cast<long long>(n) : static_cast<long long>(n));
    text += ' ';
    return text;
}

} // namespace narabe
