// Fuzz target: any bytes as a game record. Reading and replaying must never fail, whatever
// the bytes; a record refused at a move leaves the moves before it on the board; a record that
// opens holds a game the rules allow, and written out as the game writes records it reads
// back as the same moves.
#include "fuzz/fuzz_support.h"
#include "game/game_record.h"
#include "rules/five.h"

#include <string_view>

namespace {

using namespace narabe;

// The positions a replay stored are the boards its moves made, and no move but the last
// stands in a five.
void checkReplayed(const Game& game) {
    using narabe::fuzz::require;
    require(game.moveCount == game.moveTotal);
    require(game.positions(game.moveCount) == game.board);
    for (int k = 0; k < game.moveTotal; ++k) {
        require(game.moves(k).stone == (k % 2 == 0 ? BLACK : WHITE));
        require(game.positions(k)(game.moves(k).at) == EMPTY);
        require(game.positions(k + 1)(game.moves(k).at) == game.moves(k).stone);
        if (k + 1 < game.moveTotal)
            require(!makesFive(game.positions(k + 1), game.moves(k).stone, game.moves(k).at));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using narabe::fuzz::require;
    // Two games kept between inputs: a game's tables are large to make anew every time.
    static Game game;
    static Game again;
    game.clearForNewGame([](Point) {});
    const RecordRead read =
        replayRecord(std::string_view(reinterpret_cast<const char*>(data), size), game);
    checkReplayed(game);
    if (read.move > 0) require(game.moveTotal == read.move - 1);
    if (read.fault != RecordFault::NONE) return 0;

    game.lastMode = Mode::TWO_PLAYERS;
    game.mode = read.endsWithFive ? Mode::NO_GAME : Mode::TWO_PLAYERS;
    again.clearForNewGame([](Point) {});
    const RecordRead back = replayRecord(recordText(game, LocalTime{}), again);
    require(back.fault == RecordFault::NONE && back.endsWithFive == read.endsWithFive);
    require(again.moveTotal == game.moveTotal && again.board == game.board);
    for (int k = 0; k < game.moveTotal; ++k)
        require(again.moves(k).at.x == game.moves(k).at.x &&
                again.moves(k).at.y == game.moves(k).at.y);
    return 0;
}
