// The end of a game: the winning five blinks five times, then the result is announced.
#include "game/form1.h"
#include "render/board_drawing.h"
#include "render/marks.h"
#include "rules/probes.h"

#include <array>
#include <string>

namespace narabe {

void Form1::描画_5並点滅(Code stone, int x, int y) {
    struct Point {
        int x;
        int y;
    };
    std::array<Point, 5> line{};
    // The last axis in order that holds exactly five is the one that blinks.
    for (const Axis& axis : AXES) {
        const int a = runLength(st_.Board, stone, x, y, axis.first);
        const int b = runLength(st_.Board, stone, x, y, axis.second);
        if (a + b != 4) continue;
        const Step s = step(axis.first);
        // From the far end of the first side towards the second side.
        for (int k = 0; k < 5; ++k) {
            const int d = a - k;
            line[static_cast<std::size_t>(k)] = {x + d * s.dx, y + d * s.dy};
        }
    }
    for (int round = 0; round < 5; ++round) {
        for (const Point& p : line)
            描画_桝(io_.surface, p.x, p.y);
        io_.surface.refresh();
        待ち時間(0.2);
        for (const Point& p : line) {
            描画_駒(io_.surface, p.x, p.y, stone);
            if (p.x == x && p.y == y) 描画_打駒印(io_.surface, x, y, MARK_COLOUR);
        }
        io_.surface.refresh();
        待ち時間(0.2);
    }
}

void Form1::対局_判定(Code winner) {
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
