// The last-move mark, the hint and barred points' marks, move numbers and the move count.
#include "render/marks.h"

#include "render/board_drawing.h"
#include "render/geometry.h"
#include "render/layout.h"

namespace narabe {

namespace {

// Numbers of one, two and three digits.
constexpr int TWO_DIGITS = 10;
constexpr int THREE_DIGITS = 100;

// The centre of the marks on point p: its grid crossing.
double markX(Point p) {
    return twipsX(p.x) + MARK_OFFSET;
}
double markY(Point p) {
    return twipsY(p.y) + MARK_OFFSET;
}

} // namespace

void drawLastMoveMark(Surface& s, Point p, Colour colour) {
    s.fillCircle(markX(p), markY(p), MARK_RADIUS, colour);
}

void drawHintMark(Surface& s, Point p) {
    s.fillCircle(markX(p), markY(p), HINT_RADIUS, HINT_COLOUR);
}

void drawBarredMark(Surface& s, Point p) {
    s.fillCircle(markX(p), markY(p), BARRED_RADIUS, HINT_COLOUR);
}

void drawMoveNumber(Surface& s, Point p, int n, Colour colour) {
    const NumberPlace& l = n < TWO_DIGITS     ? NUMBER_1_DIGIT
                           : n < THREE_DIGITS ? NUMBER_2_DIGITS
                                              : NUMBER_3_DIGITS;
    s.drawText(twipsX(p.x) + l.right, twipsY(p.y) + l.down, l.size, colour, printedNumber(n));
}

void drawMoveNumbers(Surface& s, const Board& board, const RecordTable<Move>& moves, int last) {
    PointTable<bool> numbered{false};
    for (int i = last - 1; i >= 0; --i) {
        const Point p = moves(i).at;
        if (board(p) == EMPTY || numbered(p)) continue;
        numbered(p) = true;
        if (p != moves(last).at) drawMoveNumber(s, p, i + 1, numberColourOn(moves(i).stone));
    }
}

void drawMoveCount(Surface& s, int n) {
    fillRectangle(s, MOVE_COUNT_AREA, BACK_COLOUR);
    const double column = n < TWO_DIGITS     ? MOVE_COUNT_COLUMN_1_DIGIT
                          : n < THREE_DIGITS ? MOVE_COUNT_COLUMN_2_DIGITS
                                             : MOVE_COUNT_COLUMN_3_DIGITS;
    drawText(s, column, MOVE_COUNT_ROW, n, TEXT_COLOUR, MOVE_COUNT_SIZE);
    drawText(s, MOVE_COUNT_UNIT_AT.x, MOVE_COUNT_UNIT_AT.y, MOVE_COUNT_UNIT, TEXT_COLOUR,
             MOVE_COUNT_SIZE);
}

Colour numberColourOn(Stone stone) {
    return colourOf(stone == WHITE ? BLACK : WHITE);
}

} // namespace narabe
