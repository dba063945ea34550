// Building test positions from pictures.
#include "computer/position.h"

#include "computer/near_flags.h"

#include <stdexcept>

namespace narabe::test {

std::ostream& operator<<(std::ostream& os, const Point& p) {
    return os << '(' << p.x << ", " << p.y << ')';
}

State initialisedGame(Stone com) {
    State st;
    clearForNewGame(st, [](int, int) {});
    fillCentreBonus(st);
    st.ComStone = com;
    st.ManStone = otherStone(com);
    st.Turn = com;
    st.Opponent = otherStone(com);
    st.GameState = VS_COM;
    st.GameMode = VS_COM;
    return st;
}

State blankGame(Stone com) {
    State st = initialisedGame(com);
    st.NearFlag(MIDDLE_POINT, MIDDLE_POINT) = NO;
    return st;
}

std::vector<Point> put(State& st, const Diagram& d) {
    std::vector<Point> marked;
    for (std::size_t r = 0; r < d.rows.size(); ++r) {
        int x = d.left;
        const int y = d.top + static_cast<int>(r);
        for (const char c : d.rows[r]) {
            if (c == ' ') continue;
            if (!onBoard(x, y)) throw std::invalid_argument("picture runs off the board");
            switch (c) {
            case 'o':
                st.Board(x, y) = cellOf(st.ComStone);
                break;
            case 'x':
                st.Board(x, y) = cellOf(st.ManStone);
                break;
            case '.':
                st.Board(x, y) = EMPTY;
                break;
            case '*':
                st.Board(x, y) = EMPTY;
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

void flagAroundStones(State& st) {
    for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
        for (int y = FIRST_POINT; y <= LAST_POINT; ++y)
            if (st.Board(x, y) == BLACK || st.Board(x, y) == WHITE) 隣接範囲フラグセット(st, x, y);
}

const char* stoneName(Stone c) {
    return c == BLACK ? "BLACK" : c == WHITE ? "WHITE" : "?";
}

} // namespace narabe::test
