// Alpha-beta with principal-variation windows, deepened one ply at a time. Fives and the
// answers to them are settled before the depth is looked at, so a forced line is followed to
// its end; a position where the other side threatens two five points offers only the moves
// that stop it and the fours that come first. The root tries every move, or only those that
// stop the other side's win by fours when it has one; below it every four and open three of
// its own, every point where the other side would make a four and the level's number of
// quiet moves, the late quiet ones first searched shallower.
#include "computer/search/search.h"

#include "computer/search/movepick.h"
#include "computer/search/tt.h"
#include "computer/search/vcf.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace narabe {

namespace {

constexpr int WIN = WIN_SCORE;
constexpr int WON = WON_SCORE;
constexpr int INFINITE = WIN + 1;

// Late-move reductions: from the move with this index on, at this depth and more, by so many
// plies.
constexpr std::size_t REDUCE_AFTER = 3;
constexpr int REDUCE_FROM = 3;
constexpr int REDUCTION = 2;

// A win or loss in the table counts its plies from the position it was stored for.
int toTable(int score, int ply) {
    return score >= WON ? score + ply : score <= -WON ? score - ply : score;
}
int fromTable(int score, int ply) {
    return score >= WON ? score - ply : score <= -WON ? score + ply : score;
}

class Searcher {
  public:
    Searcher(SearchBoard& board, const SearchStyle& style, NodeBudget& work,
             TranspositionTable& table, const DepthListener& listener, bool threatened)
        : board_(board), style_(style), work_(work), listener_(listener), table_(table),
          threatened_(threatened) {}

    Decision run();

  private:
    bool settled(const Candidates& root, Decision& d);
    void deepen(Candidates& root, Decision& d);
    struct Best {
        int score = -INFINITE;
        Point move;
    };

    int node(int depth, int alpha, int beta, int ply);
    int leaf(const Candidates& c, int ply);
    Best tryMoves(const std::vector<Point>& moves, std::size_t forcingMoves, int depth, int alpha,
                  int beta, int ply);
    std::size_t chooseMoves(Candidates& c, std::size_t quiet, std::vector<Point>& out) const;
    Candidates& readAt(int ply);
    std::vector<Point>& movesAt(int ply);
    void report(int depth, const Decision& d);

    SearchBoard& board_;
    const SearchStyle& style_;
    NodeBudget& work_;
    const DepthListener& listener_;
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    TranspositionTable& table_;
    const bool threatened_; // the other side, were it to move, would win by fours
    // By ply; a deque, so that a deeper ply taken on keeps the shallower ones in place.
    std::deque<Candidates> reads_;
    std::deque<std::vector<Point>> moves_;
};

Candidates& Searcher::readAt(int ply) {
    if (static_cast<std::size_t>(ply) >= reads_.size())
        reads_.resize(static_cast<std::size_t>(ply) + 1);
    Candidates& c = reads_[static_cast<std::size_t>(ply)];
    readCandidates(board_, c);
    return c;
}

std::vector<Point>& Searcher::movesAt(int ply) {
    if (static_cast<std::size_t>(ply) >= moves_.size())
        moves_.resize(static_cast<std::size_t>(ply) + 1);
    std::vector<Point>& m = moves_[static_cast<std::size_t>(ply)];
    m.clear();
    return m;
}

// Whether a move changes the fight at once: a four or an open three of its own, or the point
// where the other side would make a four.
bool forcing(const Option& o) {
    return o.own.fours > 0 || o.own.openThrees > 0 || o.theirs.fours > 0;
}

// The moves worth trying, forcing moves first, each group best first: when the other side
// threatens two five points, every move that makes a four and every point where it would
// make a four (its threat among them); otherwise every forcing move and the `quiet` most
// promising others. Returns how many of the moves are forcing.
std::size_t Searcher::chooseMoves(Candidates& c, std::size_t quiet, std::vector<Point>& out) const {
    if (c.theirWinningFour) {
        bestFirst(c.options, c.options.size());
        for (const Option& o : c.options)
            if (o.own.fours > 0 || o.theirs.fours > 0) out.push_back(o.at);
        return out.size();
    }
    // Only the quiet moves tried need an order among the quiet ones.
    const auto firstQuiet = std::partition(c.options.begin(), c.options.end(), forcing);
    const auto forcingMoves = static_cast<std::size_t>(firstQuiet - c.options.begin());
    bestFirst(c.options.begin(), firstQuiet, forcingMoves);
    bestFirst(firstQuiet, c.options.end(), quiet);
    const std::size_t tried = std::min(c.options.size(), forcingMoves + quiet);
    for (std::size_t i = 0; i < tried; ++i)
        out.push_back(c.options[i].at);
    return forcingMoves;
}

int Searcher::node(int depth, int alpha, int beta, int ply) {
    if (!work_.spend()) return 0;
    // The table before the board is read: a position searched deep enough needs no reading.
    Point hint;
    if (depth > 0) {
        if (const TranspositionTable::Entry* known = table_.find(board_.key())) {
            const int v = fromTable(known->score, ply);
            if (known->depth >= depth &&
                (known->bound == TranspositionTable::Bound::EXACT ||
                 (known->bound == TranspositionTable::Bound::LOWER && v >= beta) ||
                 (known->bound == TranspositionTable::Bound::UPPER && v <= alpha)))
                return v;
            hint = {known->x, known->y};
        }
    }
    Candidates& c = readAt(ply);
    if (c.ownFive) return WIN - ply;
    if (c.theirFives > 1) return -(WIN - ply - 1);
    if (c.options.empty()) return 0; // nowhere to play: a draw
    std::vector<Point>& moves = movesAt(ply);
    if (c.theirFives == 1) {
        // The one answer; it costs no depth.
        if (!board_.prospect(c.theirFiveAt, board_.toMove()).allowed) return -(WIN - ply - 1);
        moves.push_back(c.theirFiveAt);
        return tryMoves(moves, moves.size(), depth + 1, alpha, beta, ply).score;
    }
    if (c.ownWinningFour) return WIN - ply - 2;
    if (depth <= 0) return leaf(c, ply);

    const auto quiet = static_cast<std::size_t>(style_.width);
    std::size_t forcingMoves = chooseMoves(c, quiet, moves);
    if (moves.empty()) return leaf(c, ply);
    // The best move found before goes first.
    const auto h = std::find(moves.begin(), moves.end(), hint);
    if (h != moves.end()) {
        if (static_cast<std::size_t>(h - moves.begin()) >= forcingMoves) ++forcingMoves;
        std::rotate(moves.begin(), h, h + 1);
    }
    const Best best = tryMoves(moves, forcingMoves, depth, alpha, beta, ply);
    if (work_.spent()) return 0;
    const TranspositionTable::Bound bound = best.score <= alpha  ? TranspositionTable::Bound::UPPER
                                            : best.score >= beta ? TranspositionTable::Bound::LOWER
                                                                 : TranspositionTable::Bound::EXACT;
    table_.store({board_.key(), toTable(best.score, ply), static_cast<std::int8_t>(depth), bound,
                  static_cast<std::int8_t>(best.move.x), static_cast<std::int8_t>(best.move.y)});
    return best.score;
}

// A position at the end of the search: a win by fours where the level looks for one, else
// the worth of the points for each side.
int Searcher::leaf(const Candidates& c, int ply) {
    if (style_.leafFours > 0 && c.ownFour) {
        Point first;
        if (winsByFours(board_, style_.leafFours, work_, first))
            return WIN - ply - 2 * style_.leafFours;
    }
    return static_cast<int>(std::clamp<std::int64_t>(c.worth, -WON + 1, WON - 1));
}

// Principal-variation search over the moves; a quiet move late in the order (from index
// `forcingMoves` on, after the first few) is first searched two plies shallower, and fully
// only when that finds it better than the best so far.
Searcher::Best Searcher::tryMoves(const std::vector<Point>& moves, std::size_t forcingMoves,
                                  int depth, int alpha, int beta, int ply) {
    Best best;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Point m = moves[i];
        board_.play(m);
        int v = 0;
        if (i == 0) {
            v = -node(depth - 1, -beta, -alpha, ply + 1);
        } else {
            const bool late = i >= forcingMoves && i >= REDUCE_AFTER && depth >= REDUCE_FROM;
            v = late ? -node(depth - 1 - REDUCTION, -alpha - 1, -alpha, ply + 1) : alpha + 1;
            if (v > alpha) v = -node(depth - 1, -alpha - 1, -alpha, ply + 1);
            if (v > alpha && v < beta) v = -node(depth - 1, -beta, -alpha, ply + 1);
        }
        board_.undo();
        if (work_.spent()) return best;
        if (v > best.score) best = {v, m};
        alpha = std::max(alpha, v);
        if (alpha >= beta) break;
    }
    return best;
}

Decision Searcher::run() {
    Decision d;
    Candidates& root = readAt(0);
    if (root.options.empty()) return d;
    d.found = true;
    d.at = root.options.front().at;
    if (!settled(root, d)) deepen(root, d);
    return d;
}

// The decisions that need no search: the only move, a five, the answer to the other side's
// five, two five points at once, a win by fours.
bool Searcher::settled(const Candidates& root, Decision& d) {
    if (root.options.size() == 1) return true;
    if (root.ownFive) {
        d.at = root.ownFiveAt;
        d.score = WIN;
        return true;
    }
    if (root.theirFives > 0) {
        // Only the point that would make five stops it, where the rules allow it.
        for (const Option& o : root.options)
            if (o.at == root.theirFiveAt) d.at = o.at;
        return true;
    }
    for (const Option& o : root.options) {
        if (o.own.winningFour) {
            d.at = o.at;
            d.score = WIN - 2;
            return true;
        }
    }
    Point first;
    if (!winsByFours(board_, style_.rootFours, work_, first)) return false;
    d.at = first;
    d.score = WON;
    return true;
}

// Searches the root's moves one ply deeper at a time, the best of the last search first,
// until the work runs out, the deepest search is done, a win or loss is certain or the soft
// limit has passed with the best move settled. Only a search completed counts.
void Searcher::deepen(Candidates& root, Decision& d) {
    // Every move the rules allow: no move is cut at the root, but when the other side could
    // win by fours if it were its move, the moves after which it still can go, unless all do.
    std::vector<Point> moves;
    chooseMoves(root, root.options.size(), moves);
    if (threatened_) {
        std::vector<Point> defences;
        for (const Point m : moves) {
            board_.play(m);
            Point first;
            if (!winsByFours(board_, style_.rootFours, work_, first)) defences.push_back(m);
            board_.undo();
        }
        if (!defences.empty() && !work_.spent()) moves = defences;
    }
    std::vector<std::pair<Point, int>> scored;
    scored.reserve(moves.size());
    for (const Point m : moves)
        scored.emplace_back(m, 0);
    for (int depth = 1; depth <= style_.maxDepth && !work_.spent(); ++depth) {
        int alpha = -INFINITE;
        for (auto& [m, score] : scored) {
            board_.play(m);
            int v = alpha == -INFINITE ? -node(depth - 1, -INFINITE, INFINITE, 1)
                                       : -node(depth - 1, -alpha - 1, -alpha, 1);
            if (v > alpha && alpha != -INFINITE && !work_.spent())
                v = -node(depth - 1, -INFINITE, -alpha, 1);
            board_.undo();
            if (work_.spent()) return;
            score = v; // an upper bound when it is not the best
            alpha = std::max(alpha, v);
        }
        std::stable_sort(scored.begin(), scored.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        const bool changed = depth > 1 && scored.front().first != d.at;
        d.at = scored.front().first;
        d.score = scored.front().second;
        if (listener_) report(depth, d);
        if (d.score >= WON || d.score <= -WON) return;
        // Past the soft limit only a best move that has just changed earns another depth.
        if (!changed && work_.pastSoft()) return;
    }
}

// Tells the listener of a completed depth, with the best line as the table holds it: the
// best move, then each position's stored best move while it is one the rules allow there.
void Searcher::report(int depth, const Decision& d) {
    DepthReport r{depth, d.score, work_.used(), std::chrono::steady_clock::now() - start_, {}};
    Point next = d.at;
    while (static_cast<int>(r.line.size()) < depth && board_.candidate(next) &&
           board_.prospect(next, board_.toMove()).allowed) {
        r.line.push_back(next);
        board_.play(next);
        const TranspositionTable::Entry* e = table_.find(board_.key());
        if (e == nullptr) break;
        next = {e->x, e->y};
    }
    for (std::size_t i = 0; i < r.line.size(); ++i)
        board_.undo();
    listener_(r);
}

} // namespace

Decision searchMove(const Board& stones, Stone side, const SearchStyle& style, NodeBudget& work,
                    TranspositionTable& table, const DepthListener& listener) {
    SearchBoard theirs(stones, otherStone(side));
    Point first;
    const bool threatened = winsByFours(theirs, style.rootFours, work, first);
    SearchBoard board(stones, side);
    table.newSearch();
    return Searcher(board, style, work, table, listener, threatened).run();
}

Decision searchMove(const Board& stones, Stone side, const SearchStyle& style, NodeBudget& work,
                    const DepthListener& listener) {
    // About an entry for every position the work may look at, within the default size.
    constexpr auto ENTRY = static_cast<std::int64_t>(sizeof(TranspositionTable::Entry));
    const std::int64_t wanted = std::min(work.budget(), NO_BUDGET / ENTRY) * ENTRY;
    TranspositionTable table(static_cast<std::size_t>(
        std::min<std::int64_t>(wanted, TranspositionTable::DEFAULT_BYTES)));
    return searchMove(stones, side, style, work, table, listener);
}

} // namespace narabe
