// Stepping through the game's history: back one move, forward one move, back to the empty
// board, and switching the move numbers on the stones. Each step restores a stored
// position exactly and redraws only the points that change; the next press on the board
// resumes the game from the position shown.
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
        game_.moveCount = game_.moveCount - 1;
        game_.turn = game_.moves(game_.moveCount).stone; // the side of the move taken back
        game_.opponent = otherStone(toMove());
        restorePosition(game_.moveCount, false);

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
