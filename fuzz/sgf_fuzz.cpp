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
void checkReplayed(const State& game) {
    using narabe::fuzz::require;
    require(game.MoveCount == game.MoveTotal);
    require(game.Positions(game.MoveCount) == game.Board);
    for (int k = 0; k < game.MoveTotal; ++k) {
        require(game.MoveStone(k) == (k % 2 == 0 ? BLACK : WHITE));
        require(game.Positions(k)(game.MoveX(k), game.MoveY(k)) == EMPTY);
        require(game.Positions(k + 1)(game.MoveX(k), game.MoveY(k)) == game.MoveStone(k));
        if (k + 1 < game.MoveTotal)
            require(調査_5並び(game.Positions(k + 1), game.MoveStone(k), game.MoveX(k),
                               game.MoveY(k)) == NO);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using narabe::fuzz::require;
    // Two games kept between inputs: a game's tables are large to make anew every time.
    static State game;
    static State again;
    clearForNewGame(game, [](int, int) {});
    const RecordRead read =
        replayRecord(std::string_view(reinterpret_cast<const char*>(data), size), game);
    checkReplayed(game);
    if (read.move > 0) require(game.MoveTotal == read.move - 1);
    if (read.fault != RecordFault::NONE) return 0;

    game.GameMode = VS_MAN;
    game.GameState = read.endsWithFive ? NO_GAME : VS_MAN;
    clearForNewGame(again, [](int, int) {});
    const RecordRead back = replayRecord(recordText(game, LocalTime{}), again);
    require(back.fault == RecordFault::NONE && back.endsWithFive == read.endsWithFive);
    require(again.MoveTotal == game.MoveTotal && again.Board == game.Board);
    for (int k = 0; k < game.MoveTotal; ++k)
        require(again.MoveX(k) == game.MoveX(k) && again.MoveY(k) == game.MoveY(k));
    return 0;
}
