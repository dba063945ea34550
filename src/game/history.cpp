// Stepping through the game's history: back one move, forward one move, back to the empty
// board, taking back moves in play, and switching the move numbers on the stones. Each step
// restores a stored position exactly and redraws only the points that change; the next press
// on the board resumes the game from the position shown. A take-back shows its position as a
// step back does, cuts the record there and lets play go on at once.
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/marks.h"
#include "rules/five.h"

namespace narabe {

// Makes the board the stored position after n moves, drawing only the points that change.
// When replaying a step forward, a stone that comes back gets the last-move mark, and if it
// stands in a five the game ends with it again.
void GameController::restorePosition(int n, bool replay) {
    const Board& target = game_.positions(n);
    forEachPoint([&](int x, int y) {
        const Point p{x, y};
        const Cell c = target(p);
        if (c == game_.board(p)) return;
        drawCell(io_.surface, p, c);
        if (replay && c != EMPTY) {
            drawLastMoveMark(io_.surface, p, MARK_COLOUR);
            if (makesFive(game_.board, stoneIn(c), p)) endWithFive(stoneIn(c), p);
        }
        game_.board(p) = c;
    });
}

void GameController::stepBack() {
    command([this] {
        game_.mode = game_.lastMode;
        game_.resumePending = true; // also when the step is refused
        if (game_.moveCount == 0) {
            play(sounds_.forbidden);
            io_.boxes.message("戻る", "戻れません");
            return;
        }
        showTakenBack(game_.moveCount - 1);
    });
}

// Shows the position after n moves, fewer than on the board now, as a step back shows it:
// the side of the first move taken off is to move.
void GameController::showTakenBack(int n) {
    game_.moveCount = n;
    game_.turn = game_.moves(n).stone;
    game_.opponent = otherStone(toMove());
    restorePosition(n, false);

    if (game_.moveCount > 0) {
        const Move& last = game_.moves(game_.moveCount - 1); // now last on the board
        drawStone(io_.surface, last.at, last.stone);
        drawLastMoveMark(io_.surface, last.at, MARK_COLOUR);
        game_.last = last.at;
        game_.lastStone = last.stone;
    }
    drawMoveCount(io_.surface, game_.moveCount);
    play(sounds_.stone);
    if (options_.moveNumbers())
        drawMoveNumbers(io_.surface, game_.board, game_.moves, game_.moveCount - 1);
}

// In play, or just won with five: back to the last human move, which is taken off too.
void GameController::takeBack() {
    command([this] {
        const int count = game_.moveCount;
        const bool wonNow =
            game_.mode == Mode::NO_GAME && game_.lastMode != Mode::NO_GAME && count > 0 &&
            makesFive(game_.board, game_.moves(count - 1).stone, game_.moves(count - 1).at);
        const bool inPlay = game_.mode != Mode::NO_GAME || wonNow;
        const Mode mode = wonNow ? game_.lastMode : game_.mode;
        int n = count;
        if (mode == Mode::VS_COMPUTER)
            while (n > 0 && game_.moves(n - 1).stone == game_.computer)
                --n;
        if (!inPlay || game_.resumePending || n == 0) {
            play(sounds_.forbidden);
            return;
        }
        showTakenBack(n - 1);
        game_.moveTotal = game_.moveCount;
        game_.mode = mode;
        game_.lastMode = mode;
    });
}

void GameController::stepForward() {
    command([this] {
        game_.resumePending = true; // also when the step is refused
        if (game_.moveCount >= game_.moveTotal) {
            play(sounds_.forbidden);
            io_.boxes.message("進む", "進めません");
            return;
        }
        std::swap(game_.turn, game_.opponent);
        if (game_.moveCount > 0) {
            const Move& last = game_.moves(game_.moveCount - 1); // loses its mark
            drawStone(io_.surface, last.at, last.stone);
        }
        game_.last = game_.moves(game_.moveCount).at;
        game_.lastStone = game_.moves(game_.moveCount).stone;
        game_.moveCount = game_.moveCount + 1;
        drawMoveCount(io_.surface, game_.moveCount);
        play(sounds_.stone);
        restorePosition(game_.moveCount, true); // replaying a winning move ends the game again
        if (options_.moveNumbers())
            drawMoveNumbers(io_.surface, game_.board, game_.moves, game_.moveCount - 1);
    });
}

void GameController::toStart() {
    command([this] { resetBoard(); });
}

void GameController::toggleMoveNumbers() {
    command([this] {
        if (options_.moveNumbers()) {
            options_.setMoveNumbers(false);
            // Drawing every stone again wipes all numbers and the last-move mark.
            forEachPoint([&](int x, int y) {
                if (game_.board(x, y) != EMPTY) drawCell(io_.surface, {x, y}, game_.board(x, y));
            });
        } else {
            options_.setMoveNumbers(true);
            drawMoveNumbers(io_.surface, game_.board, game_.moves, game_.moveCount - 1);
        }
        if (game_.moveCount > 0)
            drawLastMoveMark(io_.surface, game_.moves(game_.moveCount - 1).at, MARK_COLOUR);
        saveOptions();
    });
}

} // namespace narabe
