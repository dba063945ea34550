// Reading script lines as they are reached, parsing each through the command table and
// handing it to the game, or printing it as ignored where its input is not taken.
#include "adapters/script/runner.h"

#include "adapters/script/codes.h"
#include "adapters/script/commands.h"
#include "adapters/script/script_input.h"

#include <string>
#include <vector>

namespace narabe {

namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::string field(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value);
}
std::string field(std::string_view key, int value) {
    return field(key, std::to_string(value));
}

char boardChar(Cell c) {
    return c == BLACK ? 'X' : c == WHITE ? 'O' : '.';
}

} // namespace

void dumpGame(const Game& g, Transcript& t) {
    t.line({"state", field("GameState", printedCode(g.mode)),
            field("GameMode", printedCode(g.lastMode)), field("Turn", printedTurn(g.turn)),
            field("Opponent", printedCode(g.opponent)), field("ManStone", printedCode(g.human)),
            field("ComStone", printedCode(g.computer)),
            field("ResumePending", printedCode(g.resumePending)), field("MoveCount", g.moveCount),
            field("MoveTotal", g.moveTotal), field("LastX", g.last.x), field("LastY", g.last.y),
            field("LastStone", printedCode(g.lastStone))});
    for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
        std::string row;
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            row += boardChar(g.board(x, y));
        t.line({"board", row});
    }
    for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
        std::string row;
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            row += g.near(x, y) ? '1' : '0';
        t.line({"flags", row});
    }
}

RunResult runScript(GameController& game, const std::function<bool()>& dialogOpen, std::istream& in,
                    Transcript& t, std::ostream& err) {
    std::string line;
    int lineNo = 0;
    const auto bad = [&](std::string_view why) {
        err << "narabe-script: line " << lineNo << ": " << why << '\n';
        return RunResult{2, lineNo};
    };
    while (!game.ended()) {
        const LineRead read = readScriptLine(in, line);
        if (read == LineRead::END) break;
        ++lineNo;
        if (read == LineRead::TOO_LONG)
            return bad("the line is longer than 1 MiB (" + std::to_string(MAX_SCRIPT_LINE_BYTES) +
                       " bytes)");
        if (read == LineRead::FAILED) {
            // Reading failed: that is a failure, not the script's end.
            err << "narabe-script: the script could not be read after line " << lineNo - 1 << '\n';
            return RunResult{1, lineNo - 1};
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> f = fields(line);
        if (f.empty() || f[0][0] == '#') continue;

        const ScriptCommand* command = findScriptCommand(f[0]);
        if (command == nullptr) return bad("unknown command " + quotedToken(f[0]));
        const Parsed parsed = command->parse(Fields(f).subspan(1));
        if (!parsed.action) return bad(parsed.error);
        if (taken(command->target, dialogOpen()))
            parsed.action(game, t);
        else
            t.line({"ignored", line});
    }
    return {};
}

} // namespace narabe
