// The end of a game: the winning five blinks five times, then the result is announced.
#include "game/flow.h"
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/layout.h"
#include "render/marks.h"
#include "rules/five.h"

#include <array>
#include <string>

namespace narabe {

// The five through p blinks, the game ends, its barred marks go and the result is
// announced; the game's mode is kept for stepping back into it.
void GameController::endWithFive(Stone stone, Point p) {
    blinkFive(stone, p);
    game_.lastMode = game_.mode;
    game_.mode = Mode::NO_GAME;
    showBarredPoints();
    announceWinner(stone, game_.lastMode);
}

void GameController::blinkFive(Stone stone, Point p) {
    const std::array<Point, FIVE_STONES> line =
        fiveThrough(game_.board, stone, p).value_or(std::array<Point, FIVE_STONES>{});
    for (int round = 0; round < BLINK_ROUNDS; ++round) {
        for (const Point q : line)
            drawEmptyPoint(io_.surface, q);
        io_.surface.refresh();
        pause(BLINK_PAUSE);
        for (const Point q : line) {
            drawStone(io_.surface, q, stone);
            if (q == p) drawLastMoveMark(io_.surface, p, MARK_COLOUR);
        }
        io_.surface.refresh();
        pause(BLINK_PAUSE);
    }
}

void GameController::announceWinner(Stone winner, Mode played, std::string_view title) {
    if (options_.moveNumbers())
        drawMoveNumbers(io_.surface, game_.board, game_.moves, game_.moveCount - 1);
    play(sounds_.gameEnd);
    std::string name;
    if (played == Mode::TWO_PLAYERS)
        name = winner == BLACK ? "先手" : "後手";
    else if (winner == BLACK)
        name = game_.human == BLACK ? "MAN" : "COM";
    else
        name = game_.human == BLACK ? "COM" : "MAN";
    io_.boxes.message(title, name + "の勝ち！！");
}

} // namespace narabe
