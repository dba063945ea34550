// Building test positions from pictures.
#include "computer/position.h"

#include "computer/scan/near_points.h"
#include "computer/scan/scoring.h"

#include <stdexcept>

namespace narabe::test {

ScanPosition initialisedGame(Stone com) {
    ScanPosition st;
    st.computer = com;
    st.human = otherStone(com);
    return st;
}

ScanPosition blankGame(Stone com) {
    ScanPosition st = initialisedGame(com);
    st.near(MIDDLE_POINT) = false;
    return st;
}

std::vector<Point> put(ScanPosition& st, const Diagram& d) {
    std::vector<Point> marked;
    for (std::size_t r = 0; r < d.rows.size(); ++r) {
        int x = d.left;
        const int y = d.top + static_cast<int>(r);
        for (const char c : d.rows[r]) {
            if (c == ' ') continue;
            if (!onBoard(x, y)) throw std::invalid_argument("picture runs off the board");
            switch (c) {
            case 'o':
                st.board(x, y) = cellOf(st.computer);
                break;
            case 'x':
                st.board(x, y) = cellOf(st.human);
                break;
            case '.':
                st.board(x, y) = EMPTY;
                break;
            case '*':
                st.board(x, y) = EMPTY;
                marked.push_back({x, y});
                break;
            default:
                throw std::invalid_argument("unknown picture character");
            }
            ++x;
        }
    }
    return marked;
}

double scoreOf(const ScanPosition& st, Point p) {
    if (!st.near(p)) return centreBonus(p);
    return scoreWithFacts(st.board, st.near, p, pointFacts(st.board, p, st.computer), st.human);
}

void flagAroundStones(ScanPosition& st) {
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
            if (st.board(x, y) == BLACK || st.board(x, y) == WHITE) addNearPoints(st.near, {x, y});
}

const char* stoneName(Stone c) {
    return c == BLACK ? "BLACK" : c == WHITE ? "WHITE" : "?";
}

} // namespace narabe::test
