// Opening and saving game records. An opened record becomes a game between two people at
// its last move, drawn as a step through the history draws a position, and waits to be
// resumed like a game stepped back into: 戻 and 進 step through its moves, and the next
// press on the board resumes it. A record that cannot be opened changes nothing.
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/marks.h"
#include "support/files.h"

#include <utility>

namespace narabe {

void GameController::openRecordFromDialog() {
    command([this] {
        if (const auto file = io_.dialogs.recordToOpen()) readRecord(*file);
    });
}

void GameController::saveRecordFromDialog() {
    command([this] {
        // Nothing to save is said before a file is asked for.
        if (game_.moveTotal == 0) {
            refuseRecord(RecordFault::NOTHING_TO_SAVE);
            return;
        }
        if (const auto file = io_.dialogs.recordToSave(recordFileName(localTimeNow())))
            writeRecord(*file);
    });
}

void GameController::openRecord(const std::filesystem::path& file) {
    command([&] { readRecord(file); });
}

void GameController::saveRecord(const std::filesystem::path& file) {
    command([&] { writeRecord(file); });
}

void GameController::readRecord(const std::filesystem::path& file) {
    Game opened;
    opened.clearForNewGame([](Point) {});
    const RecordRead read = replayRecordFile(file, opened);
    if (read.fault != RecordFault::NONE) {
        refuseRecord(read.fault, read.move);
        return;
    }
    showOpenedGame(opened, read.endsWithFive);
}

void GameController::writeRecord(const std::filesystem::path& file) {
    if (game_.moveTotal == 0) {
        refuseRecord(RecordFault::NOTHING_TO_SAVE);
        return;
    }
    const Replaced saved = replaceFile(file, recordText(game_, localTimeNow()), readsAsRecord);
    if (saved == Replaced::REFUSED) refuseRecord(RecordFault::NOT_A_RECORD_FILE);
    if (saved != Replaced::DONE && saved != Replaced::REFUSED) refuseRecord(RecordFault::NOT_SAVED);
}

void GameController::refuseRecord(RecordFault fault, int move) {
    play(sounds_.forbidden);
    io_.boxes.message(RECORD_TITLE, recordFaultText({fault, move, false}));
}

// Takes over the replayed game at its last move. Every stone is drawn anew, so that no mark
// or number of the game before stays on one, and so is every point that empties.
void GameController::showOpenedGame(Game& opened, bool endsWithFive) {
    forEachPoint([&](int x, int y) {
        const Cell c = opened.board(x, y);
        if (c != EMPTY || c != game_.board(x, y)) drawCell(io_.surface, {x, y}, c);
    });
    const int n = opened.moveTotal;
    game_.board = opened.board;
    game_.near = opened.near;
    game_.positions = std::move(opened.positions);
    game_.moves = std::move(opened.moves);
    game_.moveCount = n;
    game_.moveTotal = n;

    // As a game between two people started from no game; a record won by its last move is
    // over, as after stepping forward onto that move, and 戻 takes it up again.
    game_.lastMode = Mode::TWO_PLAYERS;
    game_.mode = endsWithFive ? Mode::NO_GAME : Mode::TWO_PLAYERS;
    game_.resumePending = true;
    game_.human = BLACK;
    game_.computer = WHITE;
    game_.last = {0, 0};
    game_.turn = BLACK;
    if (n > 0) {
        const Move& last = game_.moves(n - 1);
        game_.last = last.at;
        game_.lastStone = last.stone;
        game_.turn = endsWithFive ? last.stone : otherStone(last.stone);
    }
    game_.opponent = otherStone(toMove());

    drawPlayers("先手", "後手");
    if (n > 0) drawLastMoveMark(io_.surface, game_.last, MARK_COLOUR);
    drawMoveCount(io_.surface, n);
    play(sounds_.stone);
    if (options_.moveNumbers()) drawMoveNumbers(io_.surface, game_.board, game_.moves, n - 1);
}

} // namespace narabe
