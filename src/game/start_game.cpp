// The three commands that start a game or switch the current one: two people at one
// mouse, or against the computer with the human moving first or second.
#include "game/form1.h"
#include "render/board_drawing.h"

namespace narabe {

void Form1::TAIMAN_Click() {
    st_.ResumePending = NO;
    if (st_.GameState == NO_GAME) {
        初期設定();
        st_.ManStone = BLACK;
        st_.ComStone = WHITE;
        st_.Turn = BLACK;
        st_.Opponent = WHITE;
    }
    st_.GameState = VS_MAN;
    st_.GameMode = VS_MAN;
    描画_石手番("先手", "後手");
    io_.boxes.message(" ", st_.Turn == BLACK ? "先手の番です" : "後手の番です");
}

void Form1::SENTE_Click() {
    startAgainstComputer(BLACK);
    描画_石手番("MAN", "COM");
    io_.boxes.message(" ", "ＭＡＮの番です");
}

void Form1::GOTE_Click() {
    startAgainstComputer(WHITE);
    描画_石手番("COM", "MAN");
    com_打つ(); // black's move is the computer's
}

// A game against the computer with the human on `man`: a new one from no game, otherwise
// the current position with the sides reassigned. Black moves next either way.
void Form1::startAgainstComputer(Code man) {
    if (st_.GameState == NO_GAME) 初期設定();
    st_.ResumePending = NO;
    st_.GameState = VS_COM;
    st_.GameMode = VS_COM;
    st_.ManStone = man;
    st_.ComStone = otherStone(man);
    st_.Turn = man == BLACK ? st_.ManStone : st_.ComStone;
    st_.Opponent = otherStone(st_.Turn);
}

void Form1::描画_石手番(std::string_view blackLabel, std::string_view whiteLabel) {
    描画_四角形(io_.surface, 21, 6, 1250, 600, BACK_COLOUR);
    io_.surface.copyPicture(Picture::KUROSOTO, twipsX(21), twipsY(6));
    io_.surface.copyPicture(Picture::SIROSOTO, twipsX(21), twipsY(7));
    描画_文字列(io_.surface, 22.5, 6, blackLabel, WHITE, 10);
    描画_文字列(io_.surface, 22.5, 7, whiteLabel, WHITE, 10);
}

} // namespace narabe
