// The hint, which marks the point the chosen strength would play for the side to move
// (whichever side the computer holds), with "思考中" shown while a searching level thinks, and
// the marks of the points barred for the side to move (禁手表示).
//
// The barred points are marked only while a game is on, for the side whose turn it is: with
// no game (before the first, after a five or a draw, after 最初) no stone can be refused as
// barred, since every press is refused as a press before a game. A game stepped back into,
// or a record opened, is a game again, and its side to move gets its marks.
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/layout.h"
#include "render/marks.h"
#include "rules/judge.h"

namespace narabe {

void GameController::showHint() {
    command([this] {
        if (game_.mode == Mode::NO_GAME) { // as a press before a game
            play(sounds_.forbidden);
            io_.boxes.message("開始", "「対局」で始めて下さい");
            return;
        }
        // A searching level shows that it thinks, where the computer's turn shows it.
        const Level level = options_.level();
        const bool searches = level != Level::BEGINNER;
        if (searches) {
            drawText(io_.surface, THINKING_TEXT, THINKING, TEXT_COLOUR);
            io_.surface.refresh();
        }
        const Choice best = levelChoice(level);
        if (searches) fillRectangle(io_.surface, THINKING_AREA, BACK_COLOUR);
        if (!best.found) { // no point is left that the side to move may play
            play(sounds_.forbidden);
            return;
        }
        drawHintMark(io_.surface, best.at);
        hint_ = best.at;
    });
}

// The hint's point is drawn as it was before the hint: an empty point, which a barred mark
// never is, since the computer never chooses a point barred for its side.
void GameController::clearHint() {
    if (!hint_) return;
    if (game_.board(*hint_) == EMPTY) drawEmptyPoint(io_.surface, *hint_);
    hint_.reset();
}

// Draws the marks the position now calls for and takes away those it no longer does. A
// mark on a point that has taken a stone went when the stone was drawn.
void GameController::showBarredPoints() {
    const bool shown = options_.barredMarks() && game_.mode != Mode::NO_GAME;
    forEachPoint([&](int x, int y) {
        const Point p{x, y};
        const bool barred = shown && isBarred(judgeMove(game_.board, p, toMove()));
        if (barred == barredMarked_(p)) return;
        if (barred)
            drawBarredMark(io_.surface, p);
        else if (game_.board(p) == EMPTY)
            drawEmptyPoint(io_.surface, p);
        barredMarked_(p) = barred;
    });
}

} // namespace narabe
