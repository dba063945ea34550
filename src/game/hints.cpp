// The hint, which marks the point the checked strength would play for the side to move
// (whichever side the computer holds), and the marks of the points barred for the side to
// move (禁手表示).
//
// The barred points are marked only while a game is on, for the side whose turn it is: with
// no game (before the first, after a five or a draw, after 最初) no stone can be refused as
// barred, since every press is refused as a press before a game. A game stepped back into,
// or a record opened, is a game again, and its side to move gets its marks.
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/marks.h"
#include "rules/double_four.h"
#include "rules/double_three.h"

namespace narabe {

void Form1::HINT_Click() {
    command([this] {
        if (st_.GameState == NO_GAME) { // as a press before a game
            play(st_.SndForbidden);
            io_.boxes.message("開始", "「対局」で始めて下さい");
            return;
        }
        const Choice best = levelChoice(checkedLevel());
        if (!best.found) { // no point is left that the side to move may play
            play(st_.SndForbidden);
            return;
        }
        描画_ヒント印(io_.surface, best.x, best.y);
        hint_ = Point{best.x, best.y};
    });
}

// The hint's point is drawn as it was before the hint: an empty point, which a barred mark
// never is, since the computer never chooses a point barred for its side.
void Form1::clearHint() {
    if (!hint_) return;
    if (st_.Board(hint_->x, hint_->y) == EMPTY) 描画_桝(io_.surface, hint_->x, hint_->y);
    hint_.reset();
}

// Draws the marks the position now calls for and takes away those it no longer does. A
// mark on a point that has taken a stone went when the stone was drawn.
void Form1::showBarredPoints() {
    const bool shown = barredPointsChecked() && st_.GameState != NO_GAME;
    forEachPoint([&](int x, int y) {
        const bool barred = shown && st_.Board(x, y) == EMPTY &&
                            (調査_三三(st_.Board, x, y, st_.Turn) == YES ||
                             調査_四四(st_.Board, x, y, st_.Turn) == YES);
        if (barred == barredMarked_(x, y)) return;
        if (barred)
            描画_禁手印(io_.surface, x, y);
        else if (st_.Board(x, y) == EMPTY)
            描画_桝(io_.surface, x, y);
        barredMarked_(x, y) = barred;
    });
}

bool Form1::barredPointsChecked() const {
    return io_.menu.checked(MenuItem::KINSYU);
}

} // namespace narabe
