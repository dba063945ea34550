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

} // namespace

void 描画_打駒印(Surface& s, int x, int y, Colour colour) {
    s.fillCircle(twipsX(x) + MARK_OFFSET, twipsY(y) + MARK_OFFSET, MARK_RADIUS, colour);
}

void 描画_ヒント印(Surface& s, int x, int y) {
    s.fillCircle(twipsX(x) + MARK_OFFSET, twipsY(y) + MARK_OFFSET, HINT_RADIUS, HINT_COLOUR);
}

void 描画_禁手印(Surface& s, int x, int y) {
    s.fillCircle(twipsX(x) + MARK_OFFSET, twipsY(y) + MARK_OFFSET, BARRED_RADIUS, HINT_COLOUR);
}

void 描画_手順番号(Surface& s, int x, int y, int n, Colour colour) {
    const NumberPlace& l = n < TWO_DIGITS     ? NUMBER_1_DIGIT
                           : n < THREE_DIGITS ? NUMBER_2_DIGITS
                                              : NUMBER_3_DIGITS;
    s.drawText(twipsX(x) + l.right, twipsY(y) + l.down, l.size, colour, printedNumber(n));
}

void 描画_全手順番号(Surface& s, const State& st, int p) {
    PointTable<bool> numbered{false};
    for (int i = p - 1; i >= 0; --i) {
        const int x = st.MoveX(i);
        const int y = st.MoveY(i);
        if (st.Board(x, y) == EMPTY || numbered(x, y)) continue;
        numbered(x, y) = true;
        if (x != st.MoveX(p) || y != st.MoveY(p))
            描画_手順番号(s, x, y, i + 1, numberColourOn(st.MoveStone(i)));
    }
}

void 描画_手数(Surface& s, int n) {
    描画_四角形(s, MOVE_COUNT_AREA, BACK_COLOUR);
    const double column = n < TWO_DIGITS     ? MOVE_COUNT_COLUMN_1_DIGIT
                          : n < THREE_DIGITS ? MOVE_COUNT_COLUMN_2_DIGITS
                                             : MOVE_COUNT_COLUMN_3_DIGITS;
    描画_文字列(s, column, MOVE_COUNT_ROW, n, TEXT_COLOUR, MOVE_COUNT_SIZE);
    描画_文字列(s, MOVE_COUNT_UNIT_AT.x, MOVE_COUNT_UNIT_AT.y, MOVE_COUNT_UNIT, TEXT_COLOUR,
                MOVE_COUNT_SIZE);
}

Colour numberColourOn(Stone stone) {
    return colourOf(stone == WHITE ? BLACK : WHITE);
}

} // namespace narabe
