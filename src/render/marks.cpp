// The last-move mark, move numbers and the move count.
#include "render/marks.h"

#include "render/board_drawing.h"

namespace narabe {

void 描画_打駒印(Surface& s, int x, int y, int colour) {
    s.fillCircle(twipsX(x) + 150, twipsY(y) + 150, 50, colour);
}

void 描画_手順番号(Surface& s, int x, int y, int n, int colour) {
    struct Layout {
        int size;
        int right;
        int down;
    };
    const Layout l = n < 10 ? Layout{12, 20, 20} : n < 100 ? Layout{10, 5, 50} : Layout{7, 0, 65};
    s.drawText(twipsX(x) + l.right, twipsY(y) + l.down, l.size, colour, printedNumber(n));
}

void 描画_全手順番号(Surface& s, const State& st, int p) {
    PointTable<bool> numbered{false};
    for (int i = p - 1; i >= 0; --i) {
        const int x = st.MoveX(i);
        const int y = st.MoveY(i);
        if (st.Board(x, y) == EMPTY || numbered(x, y)) continue;
        numbered(x, y) = true;
        const int colour = st.MoveStone(i) == WHITE ? BLACK : WHITE;
        if (x != st.MoveX(p) || y != st.MoveY(p)) 描画_手順番号(s, x, y, i + 1, colour);
    }
}

void 描画_手数(Surface& s, int n) {
    描画_四角形(s, 20.5, 9, 1000, 300, BACK_COLOUR);
    const double column = n < 10 ? 21 : n < 100 ? 20.8 : 20.5;
    描画_文字列(s, column, 9, n, WHITE, 11);
    描画_文字列(s, 22, 9, "手目", WHITE, 11);
}

} // namespace narabe
