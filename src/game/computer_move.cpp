// The computer's move with its pauses, and the steps of placing and recording a stone
// that the human's move shares.
#include "computer/choose.h"
#include "computer/near_flags.h"
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/layout.h"
#include "render/marks.h"
#include "rules/five.h"

namespace narabe {

void Form1::com_打つ() {
    描画_文字列(io_.surface, THINKING_TEXT, THINKING, TEXT_COLOUR);
    io_.surface.refresh();
    const Choice best = thinkDuringPause();
    描画_四角形(io_.surface, THINKING_AREA, BACK_COLOUR);
    if (!best.found) {
        io_.boxes.message("判定", "引き分け");
        st_.GameState = NO_GAME;
        return;
    }

    unmarkLastMove();
    描画_駒(io_.surface, best.x, best.y, st_.Turn);
    待ち時間(STONE_SOUND_PAUSE);
    play(st_.SndStone);
    描画_打駒印(io_.surface, best.x, best.y, MARK_COLOUR);
    io_.surface.refresh();
    待ち時間(MARK_PAUSE);
    numberPreviousMove();
    recordMove(best.x, best.y);
    if (endIfFive(best.x, best.y)) return;
    std::swap(st_.Turn, st_.Opponent);
}

// The first pause of the computer's move and its choice. 初級 waits, then scans; a searching
// level thinks from the start of the pause, which then lasts only for what is left of it.
Choice Form1::thinkDuringPause() {
    const Level level = checkedLevel();
    if (level == Level::初級) {
        待ち時間(THINKING_PAUSE);
        return com_着手選択(st_);
    }
    const Clock::Time pauseEnd = io_.clock.after(THINKING_PAUSE);
    const Choice best = levelChoice(level);
    io_.clock.waitUntil(pauseEnd, THINKING_PAUSE);
    return best;
}

// The level whose strength item is checked.
Level Form1::checkedLevel() const {
    switch (chosenLevel(io_.menu)) {
    case MenuItem::CHUKYU:
        return Level::中級;
    case MenuItem::JOUKYU:
        return Level::上級;
    default:
        return Level::初級;
    }
}

// The point `level` plays for the side to move, within the level's own time.
Choice Form1::levelChoice(Level level) const {
    const std::chrono::milliseconds own = ownTime(level);
    Work work(positionsIn(own), io_.clock.after(std::chrono::duration<double>(own).count()));
    return 着手選択(st_, st_.Turn, level, work);
}

void Form1::待ち時間(double seconds) {
    io_.clock.wait(seconds);
}

// Redraws the previous move's stone plain, which removes its last-move mark.
void Form1::unmarkLastMove() {
    if (st_.LastX > 0 && st_.Board(st_.LastX, st_.LastY) != EMPTY)
        描画_駒(io_.surface, st_.LastX, st_.LastY, st_.LastStone);
}

// With move numbers shown, writes the previous move's number on its stone, in the
// colour of the other side's stone.
void Form1::numberPreviousMove() {
    if (!numbersShown() || st_.MoveCount == 0) return;
    描画_手順番号(io_.surface, st_.LastX, st_.LastY, st_.MoveCount, numberColourOn(st_.LastStone));
}

// The bookkeeping of a move of the side to move on (x, y): last move, record, move count
// beside the board, board, flags, stored position and record length.
void Form1::recordMove(int x, int y) {
    st_.LastX = x;
    st_.LastY = y;
    st_.LastStone = st_.Turn;
    描画_手数(io_.surface, st_.MoveCount + 1);
    keepMove(st_, x, y, st_.Turn);
}

// Ends the game when the move on (x, y) made exactly five; the turn is not passed.
bool Form1::endIfFive(int x, int y) {
    if (調査_5並び(st_.Board, st_.Turn, x, y) != YES) return false;
    endWithFive(st_.Turn, x, y);
    return true;
}

} // namespace narabe
