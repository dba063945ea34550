// Reading a record's main line into moves judged by the rules, and writing one.
#include "game/game_record.h"

#include "rules/five.h"
#include "rules/judge.h"
#include "support/files.h"
#include "support/sgf.h"

#include <array>
#include <cstdio>
#include <new>
#include <optional>

namespace narabe {

namespace {

struct FaultText {
    RecordFault fault;
    std::string_view text;
};

// Every message about a record. A move's fault follows its number: "12 手目：…".
constexpr std::array<FaultText, 18> FAULT_TEXTS = {{
    {RecordFault::UNREADABLE, "ファイルを読めません"},
    {RecordFault::TOO_LARGE, "ファイルが大きすぎます（1 MiB まで）"},
    {RecordFault::NOT_SGF, "SGF の棋譜ではありません"},
    {RecordFault::TOO_DEEP, "変化の入れ子が深すぎます"},
    {RecordFault::NOT_GOMOKU, "五目並べ（GM[4]）の棋譜ではありません"},
    {RecordFault::NOT_19, "19 路盤の棋譜ではありません"},
    {RecordFault::SETUP, "石の配置（AB・AW・AE）のある棋譜は開けません"},
    {RecordFault::NOT_A_POINT, "点が読めません"},
    {RecordFault::OFF_BOARD, "盤の外です"},
    {RecordFault::OCCUPIED, "石のある点です"},
    {RecordFault::DOUBLE_THREE, "3 * 3 です！打てません"},
    {RecordFault::DOUBLE_FOUR, "4 * 4 です！打てません"},
    {RecordFault::AFTER_FIVE, "五つ並んだあとの手です"},
    {RecordFault::WRONG_SIDE, "手番が違います"},
    {RecordFault::NOTHING_TO_SAVE, "棋譜がありません"},
    {RecordFault::NOT_SAVED, "棋譜を保存できませんでした"},
    {RecordFault::NOT_A_RECORD_FILE, "保存先が通常のファイルでも棋譜でもありません"},
    {RecordFault::NO_UNFINISHED_GAME, "前回の対局はありません"},
}};

constexpr std::string_view MOVE_NUMBER_UNIT = " 手目：";

// The letters of a point's coordinates: a..z for 1..26 and A..Z for 27..52; a..s on this board.
constexpr int LETTERS_PER_CASE = 26;

std::optional<int> coordinate(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 1;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1 + LETTERS_PER_CASE;
    return std::nullopt;
}

char letterOf(int v) {
    return static_cast<char>('a' + v - 1);
}

std::string_view trimmed(std::string_view v) {
    const auto first = v.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return v.substr(first, v.find_last_not_of(" \t\r\n") - first + 1);
}

// The faults of the record as a whole: its game, its board and setup stones.
RecordFault recordFault(const std::vector<SgfNode>& nodes) {
    for (const SgfNode& node : nodes)
        for (const SgfProperty& p : node) {
            for (const std::string& v : p.values) {
                if (p.id == "GM" && trimmed(v) != "4") return RecordFault::NOT_GOMOKU;
                if (p.id == "SZ" && trimmed(v) != "19" && trimmed(v) != "19:19")
                    return RecordFault::NOT_19;
            }
            if (p.id == "AB" || p.id == "AW" || p.id == "AE") return RecordFault::SETUP;
        }
    return RecordFault::NONE;
}

// A pass: an empty value, or "tt" as older programs write one.
bool isPass(const SgfProperty& p) {
    return p.values.size() == 1 && (p.values[0].empty() || p.values[0] == "tt");
}

// Judges a move of `stone` given as `p` and plays it on `game`; NONE when it stands.
RecordFault playMove(const SgfProperty& p, Stone stone, Game& game, bool& five) {
    if (p.values.size() != 1 || p.values[0].size() != 2) return RecordFault::NOT_A_POINT;
    const auto x = coordinate(p.values[0][0]);
    const auto y = coordinate(p.values[0][1]);
    if (!x || !y) return RecordFault::NOT_A_POINT;
    const Point at{*x, *y};
    switch (judgeMove(game.board, at, stone)) {
    case Verdict::OFF_BOARD:
        return RecordFault::OFF_BOARD;
    case Verdict::OCCUPIED:
        return RecordFault::OCCUPIED;
    case Verdict::DOUBLE_THREE:
        return RecordFault::DOUBLE_THREE;
    case Verdict::DOUBLE_FOUR:
        return RecordFault::DOUBLE_FOUR;
    case Verdict::ALLOWED:
        break;
    }
    game.keepMove(at, stone);
    five = makesFive(game.board, stone, at);
    return RecordFault::NONE;
}

RecordRead refused(RecordFault fault, int move) {
    RecordRead read;
    read.fault = fault;
    read.move = move;
    return read;
}

RecordFault fromSgf(SgfFault f) {
    return f == SgfFault::TOO_DEEP ? RecordFault::TOO_DEEP : RecordFault::NOT_SGF;
}

// The person's side when the root names the players "MAN" and "COM", as a game against the
// computer is written.
std::optional<Stone> humanSide(const std::vector<SgfNode>& nodes) {
    std::string_view black;
    std::string_view white;
    if (nodes.empty()) return std::nullopt;
    for (const SgfProperty& p : nodes.front())
        if (p.values.size() == 1 && (p.id == "PB" || p.id == "PW"))
            (p.id == "PB" ? black : white) = p.values[0];
    if (black == "MAN" && white == "COM") return BLACK;
    if (black == "COM" && white == "MAN") return WHITE;
    return std::nullopt;
}

// The players as the side panel names them, black's first.
std::pair<std::string_view, std::string_view> players(const Game& game) {
    if (game.lastMode == Mode::VS_COMPUTER)
        return game.human == BLACK ? std::pair{"MAN", "COM"} : std::pair{"COM", "MAN"};
    return {"先手", "後手"};
}

// "B+" or "W+" when the record's last move made five, "0" after the computer declared a
// draw (the game over without a five), "?" for a game still going on or not begun.
std::string_view result(const Game& game) {
    if (game.moveTotal == 0) return "?";
    const Move& last = game.moves(game.moveTotal - 1);
    if (makesFive(game.positions(game.moveTotal), last.stone, last.at))
        return last.stone == BLACK ? "B+" : "W+";
    return game.mode == Mode::NO_GAME ? "0" : "?";
}

std::string twoDigits(int v) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%02d", v % 100);
    return text.data();
}

} // namespace

RecordRead replayRecord(std::string_view text, Game& game) {
    const SgfMainLine line = readSgfMainLine(text);
    if (line.fault != SgfFault::NONE) return refused(fromSgf(line.fault), 0);
    if (const RecordFault f = recordFault(line.nodes); f != RecordFault::NONE) return refused(f, 0);
    RecordRead read;
    read.human = humanSide(line.nodes);
    int number = 0; // the moves played; a pass is no move
    for (const SgfNode& node : line.nodes)
        for (const SgfProperty& p : node) {
            if (p.id != "B" && p.id != "W") continue;
            const Stone stone = p.id == "B" ? BLACK : WHITE;
            const int next = number + 1;
            if (read.endsWithFive) return refused(RecordFault::AFTER_FIVE, next);
            if (stone != read.toMove) return refused(RecordFault::WRONG_SIDE, next);
            read.toMove = otherStone(stone);
            if (isPass(p)) continue;
            number = next;
            const RecordFault f = playMove(p, stone, game, read.endsWithFive);
            if (f != RecordFault::NONE) return refused(f, number);
        }
    // The winner of a five keeps the turn, as at the end of a game.
    if (read.endsWithFive) read.toMove = otherStone(read.toMove);
    return read;
}

RecordRead replayRecordFile(const std::filesystem::path& file, Game& game) {
    try {
        const RegularFile in = openRegular(file, FileAccess::READ);
        if (!in.file) return refused(RecordFault::UNREADABLE, 0);
        // The size the system tells is checked first; the count while reading catches a file
        // that grows, or one whose size the system does not know.
        if (in.size > RECORD_MAX_BYTES) return refused(RecordFault::TOO_LARGE, 0);
        std::string bytes;
        int error = 0;
        const ReadAll r = readAll(in.file.get(), RECORD_MAX_BYTES, bytes, error);
        if (r == ReadAll::TOO_LARGE) return refused(RecordFault::TOO_LARGE, 0);
        if (r == ReadAll::FAILED) return refused(RecordFault::UNREADABLE, 0);
        return replayRecord(bytes, game);
    } catch (const std::bad_alloc&) {
        return refused(RecordFault::UNREADABLE, 0);
    }
}

bool readsAsRecord(std::string_view bytes) {
    return readSgfMainLine(bytes).fault == SgfFault::NONE;
}

std::string recordFaultText(RecordFault fault, int move) {
    std::string text;
    if (move > 0) text = std::to_string(move).append(MOVE_NUMBER_UNIT);
    for (const FaultText& f : FAULT_TEXTS)
        if (f.fault == fault) text.append(f.text);
    return text;
}

std::string recordText(const Game& game, const LocalTime& now) {
    const auto [black, white] = players(game);
    std::string s = "(;FF[4]GM[4]SZ[19]CA[UTF-8]AP[" + sgfEscaped("NarabeⅠ:" NARABE_VERSION) + "]";
    s += "DT[" + std::to_string(now.year) + "-" + twoDigits(now.month) + "-" + twoDigits(now.day) +
         "]";
    s += "PB[" + sgfEscaped(black) + "]PW[" + sgfEscaped(white) + "]RE[";
    s.append(result(game)).append("]\n");
    // The side that loses its turn without a move, as "先手" or "後手" in a game can make
    // it, passes.
    Stone toMove = BLACK;
    const auto passUnless = [&](Stone side) {
        if (side != toMove) s += toMove == BLACK ? ";B[]\n" : ";W[]\n";
    };
    for (int k = 0; k < game.moveTotal; ++k) {
        const Move& m = game.moves(k);
        passUnless(m.stone);
        s += m.stone == BLACK ? ";B[" : ";W[";
        s += letterOf(m.at.x);
        s += letterOf(m.at.y);
        s += "]\n";
        toMove = otherStone(m.stone);
    }
    // The side to move after the last move, when the game is on there.
    if (game.mode != Mode::NO_GAME && game.moveCount == game.moveTotal && game.turn)
        passUnless(*game.turn);
    s += ")\n";
    return s;
}

std::string recordFileName(const LocalTime& now) {
    return "棋譜_" + std::to_string(now.year) + twoDigits(now.month) + twoDigits(now.day) + "_" +
           twoDigits(now.hour) + twoDigits(now.minute) + ".sgf";
}

} // namespace narabe
