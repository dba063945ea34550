// The three commands that start a game or switch the current one: two people at one
// mouse, or against the computer with the human moving first or second.
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/layout.h"

namespace narabe {

void Form1::TAIMAN_Click() {
    command([this] {
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
    });
}

void Form1::SENTE_Click() {
    command([this] {
        startAgainstComputer(BLACK);
        描画_石手番("MAN", "COM");
        io_.boxes.message(" ", "ＭＡＮの番です");
    });
}

void Form1::GOTE_Click() {
    command([this] {
        startAgainstComputer(WHITE);
        描画_石手番("COM", "MAN");
        com_打つ(); // black's move is the computer's
    });
}

// A game against the computer with the human on `man`: a new one from no game, otherwise
// the current position with the sides reassigned. Black moves next either way.
void Form1::startAgainstComputer(Stone man) {
    if (st_.GameState == NO_GAME) 初期設定();
    st_.ResumePending = NO;
    st_.GameState = VS_COM;
    st_.GameMode = VS_COM;
    st_.ManStone = man;
    st_.ComStone = otherStone(man);
    st_.Turn = BLACK;
    st_.Opponent = WHITE;
}

void Form1::描画_石手番(std::string_view blackLabel, std::string_view whiteLabel) {
    描画_四角形(io_.surface, PLAYER_PANEL, BACK_COLOUR);
    copyPictureAt(io_.surface, Picture::KUROSOTO, BLACK_PLAYER_STONE);
    copyPictureAt(io_.surface, Picture::SIROSOTO, WHITE_PLAYER_STONE);
    描画_文字列(io_.surface, BLACK_PLAYER_LABEL, blackLabel, TEXT_COLOUR);
    描画_文字列(io_.surface, WHITE_PLAYER_LABEL, whiteLabel, TEXT_COLOUR);
}

} // namespace narabe
