// Tallying the games and printing the table.
#include "adapters/match/match_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace narabe {

namespace {

// The normal distribution's two-sided 95 % quantile.
constexpr double Z95 = 1.959964;

// Elo of a score per game; infinite at 0 and 1.
double eloOfScore(double s) {
    if (s <= 0) return -std::numeric_limits<double>::infinity();
    if (s >= 1) return std::numeric_limits<double>::infinity();
    return -400.0 * std::log10(1.0 / s - 1.0);
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t mid = v.size() / 2;
    return v.size() % 2 == 1 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// A number with one decimal, its sign always written: "+127.7".
std::string signedTenths(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", value + 0.0); // + 0.0 turns -0 into 0
    return text;
}

} // namespace

std::string eloText(double elo) {
    if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
    return signedTenths(elo);
}

std::optional<EloEstimate> eloOf(const EngineTally& t) {
    if (t.games == 0) return std::nullopt;
    const double n = t.games;
    const double s = t.points() / n;
    const double spread =
        (t.wins * (1 - s) * (1 - s) + t.draws * (0.5 - s) * (0.5 - s) + t.losses * s * s) / n;
    const double margin = Z95 * std::sqrt(spread / n);
    return EloEstimate{eloOfScore(s), eloOfScore(s - margin), eloOfScore(s + margin)};
}

void MatchTable::add(std::size_t black, std::size_t white, const GameResult& r) {
    const std::array<std::size_t, 2> engineOf = {black, white};
    for (std::size_t side = 0; side < 2; ++side) {
        EngineTally& t = tallies_[engineOf[side]];
        ++t.games;
        if (!r.winner)
            ++t.draws;
        else if (*r.winner == side)
            ++t.wins;
        else
            ++t.losses;
        t.moveMs.insert(t.moveMs.end(), r.moveMs[side].begin(), r.moveMs[side].end());
    }
    if (r.fault == Fault::NONE || !r.winner) return;
    EngineTally& loser = tallies_[engineOf[1 - *r.winner]];
    if (r.fault == Fault::FOUL) ++loser.fouls;
    if (r.fault == Fault::CRASH) ++loser.crashes;
    if (r.fault == Fault::TIMEOUT) ++loser.timeouts;
}

void MatchTable::print(std::ostream& out, const std::array<std::string, 2>& commands) const {
    char line[256];
    std::snprintf(line, sizeof line, "%-6s %6s %6s %6s %6s %7s %6s %6s %7s %8s %9s %8s %7s  %s\n",
                  "engine", "games", "wins", "losses", "draws", "score", "%", "fouls", "crashes",
                  "timeouts", "median-ms", "max-ms", "Elo", "95%-interval");
    out << line;
    for (std::size_t e = 0; e < 2; ++e) {
        const EngineTally& t = tallies_[e];
        const double maxMs =
            t.moveMs.empty() ? 0 : *std::max_element(t.moveMs.begin(), t.moveMs.end());
        const std::optional<EloEstimate> elo = eloOf(t);
        const std::string share =
            t.games == 0 ? "-" : signedTenths(100 * t.points() / t.games).substr(1) + "%";
        std::snprintf(line, sizeof line,
                      "%-6s %6d %6d %6d %6d %7.1f %6s %6d %7d %8d %9.2f %8.2f %7s  %s to %s\n",
                      e == 0 ? "A" : "B", t.games, t.wins, t.losses, t.draws, t.points(),
                      share.c_str(), t.fouls, t.crashes, t.timeouts, median(t.moveMs), maxMs,
                      elo ? eloText(elo->elo).c_str() : "-", elo ? eloText(elo->low).c_str() : "-",
                      elo ? eloText(elo->high).c_str() : "-");
        out << line;
    }
    out << "A: " << commands[0] << '\n' << "B: " << commands[1] << '\n';
}

} // namespace narabe
