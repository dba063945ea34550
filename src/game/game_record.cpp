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
constexpr std::array<FaultText, 17> FAULT_TEXTS = {{
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

// Judges move `number` of `stone` given as `p` and plays it on `game`; NONE when it stands.
RecordFault playMove(const SgfProperty& p, Stone stone, int number, Game& game, bool& five) {
    if (five) return RecordFault::AFTER_FIVE;
    if (stone != (number % 2 == 1 ? BLACK : WHITE)) return RecordFault::WRONG_SIDE;
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

RecordFault fromSgf(SgfFault f) {
    return f == SgfFault::TOO_DEEP ? RecordFault::TOO_DEEP : RecordFault::NOT_SGF;
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
    if (line.fault != SgfFault::NONE) return {fromSgf(line.fault), 0, false};
    if (const RecordFault f = recordFault(line.nodes); f != RecordFault::NONE) return {f, 0, false};
    RecordRead read;
    int number = 0;
    for (const SgfNode& node : line.nodes)
        for (const SgfProperty& p : node) {
            if (p.id != "B" && p.id != "W") continue;
            ++number;
            const RecordFault f =
                playMove(p, p.id == "B" ? BLACK : WHITE, number, game, read.endsWithFive);
            if (f != RecordFault::NONE) return {f, number, false};
        }
    return read;
}

RecordRead replayRecordFile(const std::filesystem::path& file, Game& game) {
    try {
        const RegularFile in = openRegular(file, FileAccess::READ);
        if (!in.file) return {RecordFault::UNREADABLE, 0, false};
        // The size the system tells is checked first; the count while reading catches a file
        // that grows, or one whose size the system does not know.
        if (in.size > RECORD_MAX_BYTES) return {RecordFault::TOO_LARGE, 0, false};
        std::string bytes;
        int error = 0;
        const ReadAll r = readAll(in.file.get(), RECORD_MAX_BYTES, bytes, error);
        if (r == ReadAll::TOO_LARGE) return {RecordFault::TOO_LARGE, 0, false};
        if (r == ReadAll::FAILED) return {RecordFault::UNREADABLE, 0, false};
        return replayRecord(bytes, game);
    } catch (const std::bad_alloc&) {
        return {RecordFault::UNREADABLE, 0, false};
    }
}

bool readsAsRecord(std::string_view bytes) {
    return readSgfMainLine(bytes).fault == SgfFault::NONE;
}

std::string recordFaultText(const RecordRead& read) {
    std::string text;
    if (read.move > 0) text = std::to_string(read.move).append(MOVE_NUMBER_UNIT);
    for (const FaultText& f : FAULT_TEXTS)
        if (f.fault == read.fault) text.append(f.text);
    return text;
}

std::string recordText(const Game& game, const LocalTime& now) {
    const auto [black, white] = players(game);
    std::string s = "(;FF[4]GM[4]SZ[19]CA[UTF-8]AP[" + sgfEscaped("NarabeⅠ:" NARABE_VERSION) + "]";
    s += "DT[" + std::to_string(now.year) + "-" + twoDigits(now.month) + "-" + twoDigits(now.day) +
         "]";
    s += "PB[" + sgfEscaped(black) + "]PW[" + sgfEscaped(white) + "]RE[";
    s.append(result(game)).append("]\n");
    for (int k = 0; k < game.moveTotal; ++k) {
        const Move& m = game.moves(k);
        s += m.stone == BLACK ? ";B[" : ";W[";
        s += letterOf(m.at.x);
        s += letterOf(m.at.y);
        s += "]\n";
    }
    s += ")\n";
    return s;
}

std::string recordFileName(const LocalTime& now) {
    return "棋譜_" + std::to_string(now.year) + twoDigits(now.month) + twoDigits(now.day) + "_" +
           twoDigits(now.hour) + twoDigits(now.minute) + ".sgf";
}

} // namespace narabe
