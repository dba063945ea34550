// Stepping through the game's history: back one move, forward one move, back to the empty
// board, and switching the move numbers on the stones. Each step restores a stored
// position exactly and redraws only the points that change; the next press on the board
// resumes the game from the position shown.
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/marks.h"
#include "rules/five.h"
#include "support/settings.h"

namespace narabe {

// Makes the board the stored position after n moves, drawing only the points that change.
// When replaying a step forward, a stone that comes back gets the last-move mark, and if it
// stands in a five the game ends with it again.
void Form1::restorePosition(int n, bool replay) {
    const Grid& target = st_.Positions(n);
    forEachPoint([&](int x, int y) {
        const Cell p = target(x, y);
        if (p == st_.Board(x, y)) return;
        drawCell(io_.surface, x, y, p);
        if (replay && p != EMPTY) {
            描画_打駒印(io_.surface, x, y, MARK_COLOUR);
            if (調査_5並び(st_.Board, stoneIn(p), x, y) == YES) endWithFive(stoneIn(p), x, y);
        }
        st_.Board(x, y) = p;
    });
}

void Form1::MODORU_Click() {
    command([this] {
        st_.GameState = st_.GameMode;
        st_.ResumePending = YES; // also when the step is refused
        if (st_.MoveCount == 0) {
            play(st_.SndForbidden);
            io_.boxes.message("戻る", "戻れません");
            return;
        }
        st_.MoveCount = st_.MoveCount - 1;
        st_.Turn = st_.MoveStone(st_.MoveCount); // the side of the move taken back
        st_.Opponent = otherStone(st_.Turn);
        restorePosition(st_.MoveCount, false);

        if (st_.MoveCount > 0) {
            const int k = st_.MoveCount - 1; // the move now last on the board
            描画_駒(io_.surface, st_.MoveX(k), st_.MoveY(k), st_.MoveStone(k));
            描画_打駒印(io_.surface, st_.MoveX(k), st_.MoveY(k), MARK_COLOUR);
            st_.LastX = st_.MoveX(k);
            st_.LastY = st_.MoveY(k);
            st_.LastStone = st_.MoveStone(k);
        }
        描画_手数(io_.surface, st_.MoveCount);
        play(st_.SndStone);
        if (numbersShown()) 描画_全手順番号(io_.surface, st_, st_.MoveCount - 1);
    });
}

void Form1::SUSUMU_Click() {
    command([this] {
        st_.ResumePending = YES; // also when the step is refused
        if (st_.MoveCount >= st_.MoveTotal) {
            play(st_.SndForbidden);
            io_.boxes.message("進む", "進めません");
            return;
        }
        std::swap(st_.Turn, st_.Opponent);
        if (st_.MoveCount > 0) {
            const int k = st_.MoveCount - 1; // the current last move loses its mark
            描画_駒(io_.surface, st_.MoveX(k), st_.MoveY(k), st_.MoveStone(k));
        }
        st_.LastX = st_.MoveX(st_.MoveCount);
        st_.LastY = st_.MoveY(st_.MoveCount);
        st_.LastStone = st_.MoveStone(st_.MoveCount);
        st_.MoveCount = st_.MoveCount + 1;
        描画_手数(io_.surface, st_.MoveCount);
        play(st_.SndStone);
        restorePosition(st_.MoveCount, true); // replaying a winning move ends the game again
        if (numbersShown()) 描画_全手順番号(io_.surface, st_, st_.MoveCount - 1);
    });
}

void Form1::SAISYO_Click() {
    command([this] { 初期設定(); });
}

void Form1::BANGOU_Click() {
    command([this] {
        if (numbersShown()) {
            io_.menu.setChecked(MenuItem::BANGOU, false);
            // Drawing every stone again wipes all numbers and the last-move mark.
            forEachPoint([&](int x, int y) {
                if (st_.Board(x, y) != EMPTY) drawCell(io_.surface, x, y, st_.Board(x, y));
            });
        } else {
            io_.menu.setChecked(MenuItem::BANGOU, true);
            描画_全手順番号(io_.surface, st_, st_.MoveCount - 1);
        }
        if (st_.MoveCount > 0) {
            const int k = st_.MoveCount - 1;
            描画_打駒印(io_.surface, st_.MoveX(k), st_.MoveY(k), MARK_COLOUR);
        }
        saveOptions();
    });
}

} // namespace narabe
