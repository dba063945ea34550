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

std::string code(Code c) {
    return c == UNSET ? "-" : std::to_string(c);
}

} // namespace

void dumpState(const State& st, Transcript& t) {
    const auto kv = [](std::string_view k, Code v) { return std::string(k) + "=" + code(v); };
    const std::string parts[] = {kv("GameState", st.GameState),
                                 kv("GameMode", st.GameMode),
                                 kv("Turn", st.Turn),
                                 kv("Opponent", st.Opponent),
                                 kv("ManStone", st.ManStone),
                                 kv("ComStone", st.ComStone),
                                 kv("ResumePending", st.ResumePending),
                                 kv("MoveCount", st.MoveCount),
                                 kv("MoveTotal", st.MoveTotal),
                                 kv("LastX", st.LastX),
                                 kv("LastY", st.LastY),
                                 kv("LastStone", st.LastStone)};
    t.line({"state", parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6], parts[7],
            parts[8], parts[9], parts[10], parts[11]});
    for (int y = FIRST_POINT; y <= LAST_POINT; ++y) {
        std::string row;
        for (int x = FIRST_POINT; x <= LAST_POINT; ++x) {
            const Code c = st.Board(x, y);
            row += c == BLACK ? 'X' : c == WHITE ? 'O' : '.';
        }
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
        if (command == nullptr) return bad("unknown command " + quoted(f[0]));
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
