// Opening and saving game records, and the unfinished game kept when the program ends. An
// opened record becomes a game between two people at its last move (the unfinished game
// the game it was), drawn as a step through the history draws a position, and waits to be
// resumed like a game stepped back into: 戻 and 進 step through its moves, and the next
// press on the board resumes it. A record that cannot be opened changes nothing.
#include "game/game_controller.h"
#include "render/board_drawing.h"
#include "render/marks.h"
#include "support/files.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace narabe {

void GameController::openRecordFromDialog() {
    command([this] {
        if (const auto file = io_.dialogs.recordToOpen()) readRecord(*file, false);
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
    command([&] { readRecord(file, false); });
}

void GameController::continueUnfinished() {
    command([this] {
        const std::filesystem::path file = unfinishedFile();
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
            refuseRecord(RecordFault::NO_UNFINISHED_GAME);
        else
            readRecord(file, true);
    });
}

std::filesystem::path GameController::unfinishedFile() const {
    return settingsFile().parent_path() / UNFINISHED_GAME_FILE;
}

// A game under way is written beside the settings file, as carefully as the settings: through
// a link only to a record of the user's. Without one, the user's own regular file of that
// name goes.
void GameController::keepUnfinishedGame() {
    const std::filesystem::path file = unfinishedFile();
    if (game_.mode != Mode::NO_GAME && game_.moveTotal > 0) {
        (void)replaceFile(file, recordText(game_, localTimeNow()), readsAsRecord);
        return;
    }
    const RegularFile kept = openRegular(file, FileAccess::READ, Links::REFUSE);
    std::error_code error;
    if (kept.file && kept.ownedByUser) std::filesystem::remove(file, error);
}

void GameController::saveRecord(const std::filesystem::path& file) {
    command([&] { writeRecord(file); });
}

void GameController::readRecord(const std::filesystem::path& file, bool asPlayed) {
    Game opened;
    opened.clearForNewGame([](Point) {});
    const RecordRead read = replayRecordFile(file, opened);
    if (read.fault != RecordFault::NONE) {
        refuseRecord(read.fault, read.move);
        return;
    }
    showOpenedGame(opened, read, asPlayed && read.human);
}

void GameController::writeRecord(const std::filesystem::path& file) {
    if (game_.moveTotal == 0) {
        refuseRecord(RecordFault::NOTHING_TO_SAVE);
        return;
    }
    // The system's reason is the error number the failed call left.
    errno = 0;
    const Replaced saved = replaceFile(file, recordText(game_, localTimeNow()), readsAsRecord);
    if (saved == Replaced::DONE) return;
    const int error = errno;
    if (saved == Replaced::REFUSED) {
        refuseRecord(RecordFault::NOT_A_RECORD_FILE);
        return;
    }
    play(sounds_.forbidden);
    std::string text = recordFaultText(RecordFault::NOT_SAVED, 0);
    if (error != 0) text += "（" + std::generic_category().message(error) + "）";
    io_.boxes.message(RECORD_TITLE, text);
}

void GameController::refuseRecord(RecordFault fault, int move) {
    play(sounds_.forbidden);
    io_.boxes.message(RECORD_TITLE, recordFaultText(fault, move));
}

// Takes over the replayed game at its last move, against the computer when asked and the
// record names the sides. Every stone is drawn anew, so that no mark or number of the game
// before stays on one, and so is every point that empties. A record won by its last move
// says so, as the end of a game does, without the blink.
void GameController::showOpenedGame(Game& opened, const RecordRead& read, bool vsComputer) {
    const bool endsWithFive = read.endsWithFive;
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

    // As a game started from no game; a record won by its last move is over, as after
    // stepping forward onto that move, and 戻 takes it up again.
    game_.mode = vsComputer ? Mode::VS_COMPUTER : Mode::TWO_PLAYERS;
    game_.lastMode = game_.mode;
    game_.resumePending = true;
    game_.human = vsComputer ? *read.human : BLACK;
    game_.computer = otherStone(*game_.human);
    game_.last = {0, 0};
    game_.turn = read.toMove;
    if (n > 0) {
        const Move& last = game_.moves(n - 1);
        game_.last = last.at;
        game_.lastStone = last.stone;
    }
    game_.opponent = otherStone(toMove());

    if (!vsComputer)
        drawPlayers("先手", "後手");
    else if (game_.human == BLACK)
        drawPlayers("MAN", "COM");
    else
        drawPlayers("COM", "MAN");
    if (n > 0) drawLastMoveMark(io_.surface, game_.last, MARK_COLOUR);
    drawMoveCount(io_.surface, n);
    play(sounds_.stone);
    if (endsWithFive) {
        game_.mode = Mode::NO_GAME;
        showBarredPoints();
        announceWinner(toMove(), game_.lastMode, "判定"); // draws the numbers too
    } else if (options_.moveNumbers()) {
        drawMoveNumbers(io_.surface, game_.board, game_.moves, n - 1);
    }
}

} // namespace narabe
