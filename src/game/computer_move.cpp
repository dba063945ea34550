// The computer's move with its pauses, and the steps of placing and recording a stone
// that the human's move shares.
#include "computer/levels.h"
#include "computer/scan/scan.h"
#include "game/flow.h"
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/layout.h"
#include "render/marks.h"
#include "rules/five.h"

namespace narabe {

void GameController::computerMove() {
    drawText(io_.surface, THINKING_TEXT, THINKING, TEXT_COLOUR);
    io_.surface.refresh();
    const Choice best = thinkDuringPause();
    fillRectangle(io_.surface, THINKING_AREA, BACK_COLOUR);
    if (!best.found) {
        io_.boxes.message("判定", "引き分け");
        game_.mode = Mode::NO_GAME;
        return;
    }

    unmarkLastMove();
    drawStone(io_.surface, best.at, toMove());
    pause(STONE_SOUND_PAUSE);
    play(sounds_.stone);
    drawLastMoveMark(io_.surface, best.at, MARK_COLOUR);
    io_.surface.refresh();
    pause(MARK_PAUSE);
    numberPreviousMove();
    recordMove(best.at);
    if (endIfFive(best.at)) return;
    std::swap(game_.turn, game_.opponent);
}

// The first pause of the computer's move and its choice. 初級 waits, then scans; a searching
// level thinks from the start of the pause, which then lasts only for what is left of it.
Choice GameController::thinkDuringPause() {
    const Level level = options_.level();
    if (level == Level::BEGINNER) {
        pause(THINKING_PAUSE);
        const Stone computer = game_.computer.value();
        return scanMove(game_.board, game_.near, computer, otherStone(computer));
    }
    const Clock::Time pauseEnd = io_.clock.after(THINKING_PAUSE);
    const Choice best = levelChoice(level);
    io_.clock.waitUntil(pauseEnd, THINKING_PAUSE);
    return best;
}

// The point `level` plays for the side to move, within the level's own time. It is thought out
// on copies of the position, so that the thinking reads nothing the handlers own.
Choice GameController::levelChoice(Level level) {
    const std::chrono::milliseconds own = ownTime(level);
    const Clock::Time deadline = io_.clock.after(std::chrono::duration<double>(own).count());
    Choice best;
    io_.clock.work(
        [&best, board = game_.board, near = game_.near, side = toMove(), level, own, deadline] {
            NodeBudget budget(positionsIn(own), deadline);
            best = chooseMove(board, near, side, level, budget);
        });
    return best;
}

void GameController::pause(double seconds) {
    io_.clock.wait(seconds);
}

// Redraws the previous move's stone plain, which removes its last-move mark.
void GameController::unmarkLastMove() {
    if (game_.last.x > 0 && game_.board(game_.last) != EMPTY)
        drawStone(io_.surface, game_.last, game_.lastStone.value());
}

// With move numbers shown, writes the previous move's number on its stone, in the
// colour of the other side's stone.
void GameController::numberPreviousMove() {
    if (!options_.moveNumbers() || game_.moveCount == 0) return;
    drawMoveNumber(io_.surface, game_.last, game_.moveCount,
                   numberColourOn(game_.lastStone.value()));
}

// The bookkeeping of a move of the side to move on p: last move, record, move count
// beside the board, board, near points, stored position and record length.
void GameController::recordMove(Point p) {
    game_.last = p;
    game_.lastStone = game_.turn;
    drawMoveCount(io_.surface, game_.moveCount + 1);
    game_.keepMove(p, toMove());
}

// Ends the game when the move on p made exactly five; the turn is not passed.
bool GameController::endIfFive(Point p) {
    if (!makesFive(game_.board, toMove(), p)) return false;
    endWithFive(toMove(), p);
    return true;
}

} // namespace narabe
