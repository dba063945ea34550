// The three commands that start a game or switch the current one: two people at one
// mouse, or against the computer with the human moving first or second.
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/layout.h"

namespace narabe {

void GameController::playTwoPlayers() {
    command([this] {
        game_.resumePending = false;
        if (game_.mode == Mode::NO_GAME) {
            resetBoard();
            game_.human = BLACK;
            game_.computer = WHITE;
            game_.turn = BLACK;
            game_.opponent = WHITE;
        }
        game_.mode = Mode::TWO_PLAYERS;
        game_.lastMode = Mode::TWO_PLAYERS;
        drawPlayers("先手", "後手");
        io_.boxes.message(" ", game_.turn == BLACK ? "先手の番です" : "後手の番です");
    });
}

void GameController::playBlack() {
    command([this] {
        startAgainstComputer(BLACK);
        drawPlayers("MAN", "COM");
        io_.boxes.message(" ", "ＭＡＮの番です");
    });
}

void GameController::playWhite() {
    command([this] {
        startAgainstComputer(WHITE);
        drawPlayers("COM", "MAN");
        computerMove(); // black's move is the computer's
    });
}

// A game against the computer with the human on `human`: a new one from no game, otherwise
// the current position with the sides reassigned. Black moves next either way.
void GameController::startAgainstComputer(Stone human) {
    if (game_.mode == Mode::NO_GAME) resetBoard();
    game_.resumePending = false;
    game_.mode = Mode::VS_COMPUTER;
    game_.lastMode = Mode::VS_COMPUTER;
    game_.human = human;
    game_.computer = otherStone(human);
    game_.turn = BLACK;
    game_.opponent = WHITE;
}

void GameController::drawPlayers(std::string_view blackLabel, std::string_view whiteLabel) {
    fillRectangle(io_.surface, PLAYER_PANEL, BACK_COLOUR);
    copyPictureAt(io_.surface, Picture::BLACK_OFF_BOARD, BLACK_PLAYER_STONE);
    copyPictureAt(io_.surface, Picture::WHITE_OFF_BOARD, WHITE_PLAYER_STONE);
    drawText(io_.surface, BLACK_PLAYER_LABEL, blackLabel, TEXT_COLOUR);
    drawText(io_.surface, WHITE_PLAYER_LABEL, whiteLabel, TEXT_COLOUR);
}

} // namespace narabe
