// The end of a game: the winning five blinks five times, then the result is announced.
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/layout.h"
#include "render/marks.h"
#include "rules/five.h"
#include "rules/probes.h"

#include <array>
#include <string>

namespace narabe {

// The five on (x, y) blinks, the result is announced and the game ends; the game's mode
// is kept for stepping back into it.
void Form1::endWithFive(Stone stone, int x, int y) {
    描画_5並点滅(stone, x, y);
    対局_判定(stone);
    st_.GameMode = st_.GameState;
    st_.GameState = NO_GAME;
}

void Form1::描画_5並点滅(Stone stone, int x, int y) {
    std::array<Point, FIVE_STONES> line{};
    // The last axis in order that holds exactly five is the one that blinks.
    for (const Axis& axis : AXES) {
        const int a = runLength(st_.Board, stone, x, y, axis.first);
        const int b = runLength(st_.Board, stone, x, y, axis.second);
        if (a + b + 1 != FIVE_STONES) continue;
        const Step s = step(axis.first);
        // From the far end of the first side towards the second side.
        for (std::size_t k = 0; k < line.size(); ++k) {
            const int d = a - static_cast<int>(k);
            line[k] = {x + d * s.dx, y + d * s.dy};
        }
    }
    for (int round = 0; round < BLINK_ROUNDS; ++round) {
        for (const Point& p : line)
            描画_桝(io_.surface, p.x, p.y);
        io_.surface.refresh();
        待ち時間(BLINK_PAUSE);
        for (const Point& p : line) {
            描画_駒(io_.surface, p.x, p.y, stone);
            if (p.x == x && p.y == y) 描画_打駒印(io_.surface, x, y, MARK_COLOUR);
        }
        io_.surface.refresh();
        待ち時間(BLINK_PAUSE);
    }
}

void Form1::対局_判定(Stone winner) {
    if (numbersShown()) 描画_全手順番号(io_.surface, st_, st_.MoveCount - 1);
    play(st_.SndGameEnd);
    std::string name;
    if (st_.GameState == VS_MAN)
        name = winner == BLACK ? "先手" : "後手";
    else if (winner == BLACK)
        name = st_.ManStone == BLACK ? "MAN" : "COM";
    else
        name = st_.ManStone == BLACK ? "COM" : "MAN";
    io_.boxes.message("", name + "の勝ち！！");
}

} // namespace narabe
