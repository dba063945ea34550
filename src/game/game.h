// The game as it stands, apart from any window: the board, the record of the moves with the
// position after each, whose turn it is and who plays which side, whether a game is on, the
// last move, and the points the one-move computer considers. The main window's handlers
// change it and draw what changed; the script runner's dump and the tests read it.
#pragma once

#include "computer/scan/near_points.h"
#include "state/board.h"

#include <cstdint>
#include <optional>

namespace narabe {

// Whether a game is on, and against whom.
enum class Mode : std::uint8_t { NO_GAME, VS_COMPUTER, TWO_PLAYERS };

struct Game {
    Board board;                  // every cell UNSET until the first reset
    NearPoints near{false};       // the points the one-move computer considers
    RecordTable<Board> positions; // the board as it stood after n moves
    RecordTable<Move> moves;      // move k + 1 at index k
    int moveCount = 0;            // moves on the board now, and the next record index
    int moveTotal = 0;            // moves in the record

    std::optional<Stone> turn; // the side to move; nobody's before the first game
    std::optional<Stone> opponent;
    std::optional<Stone> human;    // the sides of a game against the computer; a game
    std::optional<Stone> computer; // between two people gives black to "human"
    Mode mode = Mode::NO_GAME;     // the game on now
    Mode lastMode = Mode::NO_GAME; // the mode of the last game, to step back into it
    bool resumePending = false;    // the next press on the board resumes the game

    Point last;                     // the last move's point; x = 0 when there is none
    std::optional<Stone> lastStone; // the last move's side, kept when `last` is cleared

    // Stores the current board as positions(n).
    void storePosition(int n);

    // The bookkeeping of a move of `stone` on p, the same in play and in a replayed record:
    // the record, the board, the computer's near points, the stored position and the
    // record's length. A move made after stepping back cuts the record there.
    void keepMove(Point p, Stone stone);

    // The part of a new game that belongs to no window: every point EMPTY, the near points of
    // a new game, an empty record, no game on. Calls cleared(p) for each point that held
    // something else, in board order, so that the caller can draw it empty. Stores the empty
    // board as positions(0).
    template <class F> void clearForNewGame(F&& cleared) {
        moveTotal = 0;
        moveCount = 0;
        mode = Mode::NO_GAME;
        near = newGameNearPoints();
        forEachPoint([&](int x, int y) {
            if (board(x, y) != EMPTY) cleared(Point{x, y});
            board(x, y) = EMPTY;
        });
        storePosition(moveCount);
    }
};

} // namespace narabe
