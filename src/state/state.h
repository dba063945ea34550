// The shared state of one running game: the board, the flags and bonuses the computer
// reads, the stored positions and the game record, whose turn it is and how the game is
// played, the last move, and the sound handles. Every handler reads and writes it directly.
#pragma once

#include "state/types.h"

#include <cstdint>
#include <string>

namespace narabe {

struct State {
    Grid Board{Cell::UNSET};                        // border cells (index 0) stay UNSET for ever
    PointTable<Truth> NearFlag{NO};                 // points the computer considers
    PointTable<double> CentreBonus{0.0};            // positional bonus, filled at start-up
    RecordTable<Grid> Positions{Grid{Cell::UNSET}}; // Board as it stood after n moves
    RecordTable<int> MoveX{0};                      // point of move k + 1 at index k
    RecordTable<int> MoveY{0};
    RecordTable<Stone> MoveStone{Stone::UNSET};

    int MoveCount = 0; // moves on the board now, and the next record index
    int MoveTotal = 0; // moves in the record

    Stone Turn = Stone::NOBODY; // the side to move
    Stone Opponent = Stone::UNSET;
    Stone ManStone = Stone::UNSET;
    Stone ComStone = Stone::UNSET;
    GameCode GameState = NO_GAME;
    GameCode GameMode = NO_GAME;
    Truth ResumePending = NO;

    int LastX = 0; // the last move's point; LastX = 0 means there is none
    int LastY = 0;
    Stone LastStone = Stone::UNSET;

    std::string StartDir; // the current directory at start-up

    std::int32_t SoundDevice = 0; // 0: no sound device
    std::int32_t SndForbidden = 0;
    std::int32_t SndOther = 0;
    std::int32_t SndBgm = 0;
    std::int32_t SndStone = 0;
    std::int32_t SndGameEnd = 0;

    // YES when a stone may be put on (x, y): an EMPTY point of the board.
    // Any whole numbers are accepted; border cells and points off the table give NO.
    [[nodiscard]] Truth 調査_置けるか(int x, int y) const;

    // Stores the current board (points 1..19) as Positions(n).
    void 調査_保存(int n);
};

// The part of a new game's state that belongs to no window: every point EMPTY, no flags but
// the middle point's (on an empty board the only point the computer considers), an empty
// record. Calls cleared(x, y) for each point that held something else, in board order, so
// that the caller can draw it empty. Stores the empty board as Positions(0).
template <class F> void clearForNewGame(State& st, F&& cleared) {
    st.MoveTotal = 0;
    st.MoveCount = 0;
    st.GameState = NO_GAME;
    forEachPoint([&](int x, int y) {
        st.NearFlag(x, y) = NO;
        if (st.Board(x, y) != EMPTY) cleared(x, y);
        st.Board(x, y) = EMPTY;
    });
    st.NearFlag(MIDDLE_POINT, MIDDLE_POINT) = YES;
    st.調査_保存(st.MoveCount);
}

// Fills the positional bonus: 0.1 on the 4 x 4 block of points 9..12 x 9..12, else 0.
void fillCentreBonus(State& st);

} // namespace narabe
