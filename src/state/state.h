// The shared state of one running game: the board, the flags and bonuses the computer
// reads, the stored positions and the game record, whose turn it is and how the game is
// played, the last move, and the sound handles. Every handler reads and writes it directly.
#pragma once

#include "state/types.h"

#include <string>

namespace narabe {

struct State {
    Grid Board{UNSET};                        // border cells (index 0) stay UNSET for ever
    PointTable<int> NearFlag{NO};             // points the computer considers
    PointTable<double> CentreBonus{0.0};      // positional bonus, filled at start-up
    RecordTable<Grid> Positions{Grid{UNSET}}; // Board as it stood after n moves
    RecordTable<int> MoveX{0};                // point of move k + 1 at index k
    RecordTable<int> MoveY{0};
    RecordTable<Code> MoveStone{UNSET};

    int MoveCount = 0; // moves on the board now, and the next record index
    int MoveTotal = 0; // moves in the record

    Code Turn = NO_GAME; // the side to move; NO_GAME while it is nobody's turn
    Code Opponent = UNSET;
    Code ManStone = UNSET;
    Code ComStone = UNSET;
    int GameState = NO_GAME;
    int GameMode = NO_GAME;
    int ResumePending = NO;

    int LastX = 0; // the last move's point; LastX = 0 means there is none
    int LastY = 0;
    Code LastStone = UNSET;

    std::string StartDir; // the current directory at start-up

    int SoundDevice = 0; // 0: no sound device
    int SndForbidden = 0;
    int SndOther = 0;
    int SndBgm = 0;
    int SndStone = 0;
    int SndGameEnd = 0;

    // YES when a stone may be put on (x, y): an EMPTY point of the board.
    // Any whole numbers are accepted; border cells and points off the table give NO.
    [[nodiscard]] int 調査_置けるか(int x, int y) const;

    // Stores the current board (points 1..19) as Positions(n).
    void 調査_保存(int n);
};

} // namespace narabe
