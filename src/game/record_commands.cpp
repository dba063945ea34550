// Opening and saving game records. An opened record becomes a game between two people at
// its last move, drawn as a step through the history draws a position, and waits to be
// resumed like a game stepped back into: 戻 and 進 step through its moves, and the next
// press on the board resumes it. A record that cannot be opened changes nothing.
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/marks.h"
#include "support/files.h"

#include <utility>

namespace narabe {

void Form1::KIFU_OPEN_Click() {
    command([this] {
        if (const auto file = io_.dialogs.recordToOpen()) openRecord(*file);
    });
}

void Form1::KIFU_SAVE_Click() {
    command([this] {
        // Nothing to save is said before a file is asked for.
        if (st_.MoveTotal == 0) {
            refuseRecord(RecordFault::NOTHING_TO_SAVE);
            return;
        }
        if (const auto file = io_.dialogs.recordToSave(recordFileName(localTimeNow())))
            saveRecord(*file);
    });
}

void Form1::読込_棋譜(const std::filesystem::path& file) {
    command([&] { openRecord(file); });
}

void Form1::書込_棋譜(const std::filesystem::path& file) {
    command([&] { saveRecord(file); });
}

void Form1::openRecord(const std::filesystem::path& file) {
    State opened;
    clearForNewGame(opened, [](int, int) {});
    const RecordRead read = replayRecordFile(file, opened);
    if (read.fault != RecordFault::NONE) {
        refuseRecord(read.fault, read.move);
        return;
    }
    showOpenedGame(opened, read.endsWithFive);
}

void Form1::saveRecord(const std::filesystem::path& file) {
    if (st_.MoveTotal == 0) {
        refuseRecord(RecordFault::NOTHING_TO_SAVE);
        return;
    }
    if (!replaceFile(file, recordText(st_, localTimeNow()))) refuseRecord(RecordFault::NOT_SAVED);
}

void Form1::refuseRecord(RecordFault fault, int move) {
    play(st_.SndForbidden);
    io_.boxes.message(RECORD_TITLE, recordFaultText({fault, move, false}));
}

// Takes over the replayed game at its last move. Every stone is drawn anew, so that no mark
// or number of the game before stays on one, and so is every point that empties.
void Form1::showOpenedGame(State& opened, bool endsWithFive) {
    forEachPoint([&](int x, int y) {
        const Cell c = opened.Board(x, y);
        if (c != EMPTY || c != st_.Board(x, y)) drawCell(io_.surface, x, y, c);
    });
    const int n = opened.MoveTotal;
    st_.Board = opened.Board;
    st_.NearFlag = opened.NearFlag;
    st_.Positions = std::move(opened.Positions);
    st_.MoveX = std::move(opened.MoveX);
    st_.MoveY = std::move(opened.MoveY);
    st_.MoveStone = std::move(opened.MoveStone);
    st_.MoveCount = n;
    st_.MoveTotal = n;

    // As a game between two people started from no game; a record won by its last move is
    // over, as after stepping forward onto that move, and 戻 takes it up again.
    st_.GameMode = VS_MAN;
    st_.GameState = endsWithFive ? NO_GAME : VS_MAN;
    st_.ResumePending = YES;
    st_.ManStone = BLACK;
    st_.ComStone = WHITE;
    st_.LastX = 0;
    st_.LastY = 0;
    st_.Turn = BLACK;
    if (n > 0) {
        st_.LastX = st_.MoveX(n - 1);
        st_.LastY = st_.MoveY(n - 1);
        st_.LastStone = st_.MoveStone(n - 1);
        st_.Turn = endsWithFive ? st_.LastStone : otherStone(st_.LastStone);
    }
    st_.Opponent = otherStone(st_.Turn);

    描画_石手番("先手", "後手");
    if (n > 0) 描画_打駒印(io_.surface, st_.LastX, st_.LastY, MARK_COLOUR);
    描画_手数(io_.surface, n);
    play(st_.SndStone);
    if (numbersShown()) 描画_全手順番号(io_.surface, st_, n - 1);
}

} // namespace narabe
