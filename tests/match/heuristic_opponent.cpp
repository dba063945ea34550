// A test opponent for the engine and the match tool, written apart from the game's computer:
// a Gomocup engine that scores every empty point by the lines of five through it (the five
// cells of each 5-cell window along the four axes). A window holding stones of one side only
// is worth more the more of them it holds, for attack (its own) or defence (the opponent's);
// a window that a stone beyond its ends would stretch past five is worth nothing, since six
// do not win. It plays the first best point the rules allow it, so it never fouls; the game's
// rule checks serve for that alone. It reads START, RESTART, BEGIN, TURN, BOARD ... DONE and
// END, ignores INFO and ABOUT, and plays on the 19 x 19 board only.
#include "rules/judge.h"
#include "state/board.h"

#include <array>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using namespace narabe;

// Worth of a window by the stones in it, for the opponent's own side and for the other.
constexpr std::array<long, 5> ATTACK = {4, 40, 700, 10000, 2000000};
constexpr std::array<long, 5> DEFENCE = {0, 20, 450, 1600, 300000};

constexpr int WINDOW = 5;
constexpr std::array<std::array<int, 2>, 4> AXES = {{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};

// Its own stones are black and the opponent's white, whatever colour they have in the
// game: the rules are the same for both.
constexpr Cell MINE = Cell::BLACK;
constexpr Cell THEIRS = Cell::WHITE;

bool inside(int x, int y) {
    return x >= 1 && x <= 19 && y >= 1 && y <= 19;
}

Cell cellAt(const Board& g, int x, int y) {
    return inside(x, y) ? g(x, y) : Cell::UNSET;
}

long worth(const Board& g, int px, int py) {
    long sum = 0;
    for (const auto& [dx, dy] : AXES)
        for (int back = 0; back < WINDOW; ++back) {
            const int sx = px - back * dx;
            const int sy = py - back * dy;
            const int ex = sx + (WINDOW - 1) * dx;
            const int ey = sy + (WINDOW - 1) * dy;
            if (!inside(sx, sy) || !inside(ex, ey)) continue;
            int mine = 0;
            int theirs = 0;
            for (int k = 0; k < WINDOW; ++k) {
                const Cell c = g(sx + k * dx, sy + k * dy);
                mine += c == MINE ? 1 : 0;
                theirs += c == THEIRS ? 1 : 0;
            }
            const Cell before = cellAt(g, sx - dx, sy - dy);
            const Cell after = cellAt(g, ex + dx, ey + dy);
            if (theirs == 0 && before != MINE && after != MINE)
                sum += ATTACK[static_cast<std::size_t>(mine)];
            else if (mine == 0 && before != THEIRS && after != THEIRS)
                sum += DEFENCE[static_cast<std::size_t>(theirs)];
        }
    return sum;
}

// The first best point the rules allow, or (0, 0) when there is none.
std::array<int, 2> choose(Board& g) {
    long best = -1;
    std::array<int, 2> at = {0, 0};
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y) {
            if (g(x, y) != EMPTY) continue;
            const long w = worth(g, x, y);
            if (w <= best) continue;
            if (isDoubleThree(g, {x, y}, BLACK) || isDoubleFour(g, {x, y}, BLACK)) continue;
            best = w;
            at = {x, y};
        }
    return at;
}

void reset(Board& g) {
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            g(x, y) = EMPTY;
}

// Reads "x,y" or "x,y,field" into the numbers; false when the text is not that.
bool numbers(const std::string& text, int& x, int& y, int* field) {
    std::istringstream in(text);
    char comma = 0;
    if (!(in >> x >> comma) || comma != ',' || !(in >> y)) return false;
    if (field != nullptr && (!(in >> comma) || comma != ',' || !(in >> *field))) return false;
    return inside(x + 1, y + 1);
}

void answer(Board& g) {
    const auto [x, y] = choose(g);
    if (x == 0) {
        std::cout << "ERROR no move" << std::endl;
        return;
    }
    g(x, y) = MINE;
    std::cout << x - 1 << ',' << y - 1 << std::endl;
}

} // namespace

int main() {
    Board g;
    reset(g);
    bool inBoard = false;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string command;
        words >> command;
        std::string rest;
        std::getline(words, rest);
        int x = 0;
        int y = 0;
        int field = 0;
        if (inBoard) {
            if (command == "DONE") {
                inBoard = false;
                answer(g);
            } else if (numbers(line, x, y, &field) && g(x + 1, y + 1) == EMPTY) {
                g(x + 1, y + 1) = field == 1 ? MINE : THEIRS;
            }
        } else if (command == "START") {
            reset(g);
            std::cout << (rest == " 19" ? "OK" : "ERROR 19 only") << std::endl;
        } else if (command == "RESTART") {
            reset(g);
            std::cout << "OK" << std::endl;
        } else if (command == "BEGIN") {
            answer(g);
        } else if (command == "TURN" && numbers(rest, x, y, nullptr) && g(x + 1, y + 1) == EMPTY) {
            g(x + 1, y + 1) = THEIRS;
            answer(g);
        } else if (command == "BOARD") {
            reset(g);
            inBoard = true;
        } else if (command == "END") {
            return 0;
        } else if (command != "INFO" && command != "ABOUT") {
            std::cout << "ERROR cannot read '" << line << "'" << std::endl;
        }
    }
    return 0;
}
