// Reading script lines as they are reached, parsing each through the command table and
// handing it to the game, or printing it as ignored where its input is not taken.
#include "adapters/script/runner.h"

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

// A code as the dump prints it: its number, or "-" for a stone variable still unset.
std::string code(Stone s) {
    return s == Stone::UNSET ? "-" : std::to_string(codeNumber(s));
}
std::string code(GameCode g) {
    return std::to_string(codeNumber(g));
}
std::string code(Truth t) {
    return std::to_string(codeNumber(t));
}
std::string code(int n) {
    return std::to_string(n);
}

template <class V> std::string field(std::string_view key, V value) {
    return std::string(key) + "=" + code(value);
}

char boardChar(Cell c) {
    return c == BLACK ? 'X' : c == WHITE ? 'O' : '.';
}

} // namespace

void dumpState(const State& st, Transcript& t) {
    t.line({"state", field("GameState", st.GameState), field("GameMode", st.GameMode),
            field("Turn", st.Turn), field("Opponent", st.Opponent), field("ManStone", st.ManStone),
            field("ComStone", st.ComStone), field("ResumePending", st.ResumePending),
            field("MoveCount", st.MoveCount), field("MoveTotal", st.MoveTotal),
            field("LastX", st.LastX), field("LastY", st.LastY), field("LastStone", st.LastStone)});
    for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
        std::string row;
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            row += boardChar(st.Board(x, y));
        t.line({"board", row});
    }
    for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
        std::string row;
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x)
            row += st.NearFlag(x, y) == YES ? '1' : '0';
        t.line({"flags", row});
    }
}

RunResult runScript(Form1& game, const std::function<bool()>& dialogOpen, std::istream& in,
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
