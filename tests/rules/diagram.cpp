// Parsing and laying the line and board pictures of the rule tests.
#include "rules/diagram.h"

#include <algorithm>
#include <bitset>
#include <map>
#include <stdexcept>
#include <tuple>

namespace narabe::test {

namespace {

bool onTheBoard(int x, int y) {
    return x >= 1 && x <= 19 && y >= 1 && y <= 19;
}

Cell codeOf(char letter, Stone me) {
    switch (letter) {
    case 'X':
        return cellOf(me);
    case 'O':
        return cellOf(otherStone(me));
    case '_':
    case '.':
        return EMPTY;
    default:
        throw std::invalid_argument(std::string("not a cell letter: ") + letter);
    }
}

} // namespace

Vec along(Line line) {
    switch (line) {
    case Line::Row:
        return RIGHT;
    case Line::Column:
        return DOWN;
    case Line::Falling:
        return DOWN_RIGHT;
    case Line::Rising:
        return UP_RIGHT;
    }
    throw std::invalid_argument("no such line");
}

const char* nameOf(Line line) {
    switch (line) {
    case Line::Row:
        return "row";
    case Line::Column:
        return "column";
    case Line::Falling:
        return "falling diagonal";
    case Line::Rising:
        return "rising diagonal";
    }
    return "?";
}

Picture parse(std::string_view text) {
    Picture picture;
    int ps = 0;
    for (const char c : text) {
        if (c == ' ') continue;
        if (c != 'X' && c != 'O' && c != '_' && c != 'P' && c != '|')
            throw std::invalid_argument("unknown letter in picture: " + std::string(text));
        if (c == 'P') {
            picture.p = static_cast<int>(picture.cells.size());
            ++ps;
        }
        picture.cells.push_back(c);
    }
    if (ps != 1) throw std::invalid_argument("a picture needs exactly one P: " + std::string(text));
    for (std::size_t i = 1; i + 1 < picture.cells.size(); ++i)
        if (picture.cells[i] == '|')
            throw std::invalid_argument("| stands only at an end: " + std::string(text));
    return picture;
}

std::string reversed(std::string_view text) {
    return std::string(text.rbegin(), text.rend());
}

bool fits(const Picture& picture, Vec v, int x, int y) {
    const int n = static_cast<int>(picture.cells.size());
    for (int i = 0; i < n; ++i) {
        const int k = i - picture.p;
        const int px = x + k * v.dx;
        const int py = y + k * v.dy;
        const bool edge = picture.cells[static_cast<std::size_t>(i)] == '|';
        if (edge == onTheBoard(px, py)) return false;
    }
    // An end letter other than | or P: the line goes on with one more point of the board.
    if (picture.cells.front() != '|' && picture.cells.front() != 'P') {
        const int k = -picture.p - 1;
        if (!onTheBoard(x + k * v.dx, y + k * v.dy)) return false;
    }
    if (picture.cells.back() != '|' && picture.cells.back() != 'P') {
        const int k = n - picture.p;
        if (!onTheBoard(x + k * v.dx, y + k * v.dy)) return false;
    }
    return true;
}

void lay(Board& board, const Picture& picture, Vec v, int x, int y, Stone me) {
    if (!fits(picture, v, x, y))
        throw std::invalid_argument("picture does not fit: " + picture.cells);
    const int n = static_cast<int>(picture.cells.size());
    for (int i = 0; i < n; ++i) {
        const char c = picture.cells[static_cast<std::size_t>(i)];
        if (c == '|' || c == 'P') continue;
        const int k = i - picture.p;
        board(x + k * v.dx, y + k * v.dy) = codeOf(c, me);
    }
}

namespace {

using FitTable = std::bitset<400>; // bit x * 20 + y: the picture fits with P on (x, y)

// The points where one picture fits, remembered per picture and direction: the tests ask
// for the same few hundred pictures many times.
const FitTable& fitTable(const Picture& picture, Vec v) {
    static std::map<std::tuple<std::string, int, int, int>, FitTable> known;
    const auto key = std::make_tuple(picture.cells, picture.p, v.dx, v.dy);
    auto it = known.find(key);
    if (it == known.end()) {
        FitTable table;
        for (int x = 1; x <= 19; ++x)
            for (int y = 1; y <= 19; ++y)
                table[static_cast<std::size_t>(x * 20 + y)] = fits(picture, v, x, y);
        it = known.emplace(key, table).first;
    }
    return it->second;
}

} // namespace

std::vector<Point> placements(const std::vector<Laid>& pictures) {
    FitTable all;
    all.set();
    for (const Laid& l : pictures)
        all &= fitTable(l.picture, l.v);
    std::vector<Point> result;
    if (all.none()) return result;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            if (all[static_cast<std::size_t>(x * 20 + y)]) result.push_back({x, y});
    return result;
}

std::vector<Point> somePlacements(const std::vector<Laid>& pictures, int every) {
    const std::vector<Point> all = placements(pictures);
    if (all.empty()) return all;
    int minX = 19, maxX = 1, minY = 19, maxY = 1;
    for (const Point p : all) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    std::vector<Point> some;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Point p = all[i];
        const bool rim = p.x == minX || p.x == maxX || p.y == minY || p.y == maxY;
        if (rim || i % static_cast<std::size_t>(every) == 0) some.push_back(p);
    }
    return some;
}

std::vector<std::vector<Line>> distinctLines(std::size_t count) {
    std::vector<std::vector<Line>> result;
    std::vector<Line> lines(LINES.begin(), LINES.end());
    do {
        std::vector<Line> choice(lines.begin(), lines.begin() + static_cast<long>(count));
        if (std::find(result.begin(), result.end(), choice) == result.end())
            result.push_back(choice);
    } while (std::next_permutation(lines.begin(), lines.end()));
    return result;
}

Board board(const std::vector<Laid>& pictures, int x, int y, Stone me) {
    Board b = emptyBoard();
    for (const Laid& l : pictures)
        lay(b, l.picture, l.v, x, y, me);
    return b;
}

Board boardFromRows(const std::vector<std::string>& rows, Stone me, int left, int top) {
    Board b = emptyBoard();
    int y = top;
    for (const std::string& row : rows) {
        int x = left;
        for (const char c : row) {
            if (c == ' ') continue;
            if (!onTheBoard(x, y)) throw std::invalid_argument("board picture leaves the board");
            b(x, y) = codeOf(c, me);
            ++x;
        }
        ++y;
    }
    return b;
}

char letterOf(Cell cell, Stone me) {
    if (cell == me) return 'X';
    if (cell == otherStone(me)) return 'O';
    if (cell == EMPTY) return '_';
    return '?';
}

std::string show(const Board& board) {
    std::string out;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x) {
            const Cell c = board(x, y);
            out += c == BLACK ? 'B' : c == WHITE ? 'W' : c == EMPTY ? '.' : '?';
        }
        out += '\n';
    }
    return out;
}

} // namespace narabe::test
