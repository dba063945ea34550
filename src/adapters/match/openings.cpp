// Drawing random openings and reading an openings file, both checked by the referee.
#include "adapters/match/openings.h"

#include "adapters/match/referee.h"

#include <algorithm>
#include <array>
#include <random>
#include <set>
#include <stdexcept>

namespace narabe {

namespace {

// The first coordinate of the centre square: 7..13 around the middle point 10.
constexpr int SQUARE_FIRST = FIRST_POINT + (LAST_POINT - OPENING_SQUARE) / 2;

// The side of the k-th move (from 0): black first.
Stone sideOfMove(std::size_t k) {
    return k % 2 == 0 ? BLACK : WHITE;
}

} // namespace

std::optional<std::string> openingFault(const Opening& opening) {
    Referee referee;
    for (std::size_t k = 0; k < opening.moves.size(); ++k) {
        const Point p = opening.moves[k];
        const Verdict v = referee.judge(p, sideOfMove(k));
        const std::string move = "move " + std::to_string(k + 1) + " (" + pointLine(p) + "): ";
        if (v != Verdict::ALLOWED) return move + std::string(verdictText(v));
        if (referee.play(p, sideOfMove(k))) return move + "makes five";
    }
    return std::nullopt;
}

std::vector<Opening> randomOpenings(int count, std::uint32_t seed) {
    // mt19937's numbers are the same everywhere; the modulo keeps the draw free of the
    // library's distributions, which are not.
    std::mt19937 rng(seed);
    const auto coordinate = [&] { return SQUARE_FIRST + static_cast<int>(rng() % OPENING_SQUARE); };
    std::vector<Opening> openings;
    std::set<std::vector<std::array<int, 3>>> seen;
    while (static_cast<int>(openings.size()) < count) {
        Opening o;
        for (int k = 0; k < OPENING_STONES; ++k) {
            const int x = coordinate();
            o.moves.push_back({x, coordinate()});
        }
        // The same stones make the same opening, whichever black stone came first.
        std::vector<std::array<int, 3>> key;
        for (std::size_t k = 0; k < o.moves.size(); ++k)
            key.push_back({sideOfMove(k) == BLACK ? 0 : 1, o.moves[k].x, o.moves[k].y});
        std::sort(key.begin(), key.end());
        if (openingFault(o) || !seen.insert(key).second) continue;
        openings.push_back(o);
    }
    return openings;
}

std::vector<Opening> readOpenings(std::istream& in) {
    std::vector<Opening> openings;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto fail = [&](const std::string& why) {
            throw std::runtime_error("line " + std::to_string(number) + ": " + why);
        };
        std::string_view rest = trimmed(line);
        if (!rest.empty() && rest.back() == '\r') rest = trimmed(rest.substr(0, rest.size() - 1));
        if (rest.empty() || rest.front() == '#') continue;
        Opening o;
        while (!rest.empty()) {
            const Words w = firstWord(rest);
            const std::optional<Point> p = pointText(w.first);
            if (!p) fail("'" + std::string(w.first) + "' is not a point x,y");
            o.moves.push_back(*p);
            rest = w.rest;
        }
        if (const auto fault = openingFault(o)) fail(*fault);
        openings.push_back(o);
    }
    return openings;
}

} // namespace narabe
