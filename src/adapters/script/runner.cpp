// Parsing script lines as they are reached and handing each command to the game.
#include "adapters/script/runner.h"

#include "game/menu_tree.h"

#include <cstdlib>
#include <optional>
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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number: an optional sign, digits with at most one point, at least one digit.
std::optional<double> decimalNumber(const std::string& s) {
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    int digits = 0;
    int points = 0;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i]))
            ++digits;
        else if (s[i] == '.' && ++points == 1)
            continue;
        else
            return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return std::strtod(s.c_str(), nullptr);
}

// A whole number of at most nine digits, with an optional sign.
std::optional<int> wholeNumber(const std::string& s) {
    const std::size_t start = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    const std::size_t digits = s.size() - start;
    if (digits == 0 || digits > 9) return std::nullopt;
    for (std::size_t i = start; i < s.size(); ++i)
        if (!isDigit(s[i])) return std::nullopt;
    return std::atoi(s.c_str());
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
    std::string raw;
    int lineNo = 0;
    const auto bad = [&](std::string_view why) {
        err << "narabe-script: line " << lineNo << ": " << why << '\n';
        return RunResult{2, lineNo};
    };
    while (!game.ended() && std::getline(in, raw)) {
        ++lineNo;
        std::string line = raw;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> f = fields(line);
        if (f.empty() || f[0][0] == '#') continue;
        const std::string& cmd = f[0];
        const std::size_t args = f.size() - 1;
        // Input to the main window is dropped while the modal about dialog is open, and a
        // button of the dialog means nothing while it is closed.
        const bool modal = dialogOpen();
        const auto ignore = [&] { t.line({"ignored", line}); };

        if (cmd == "press") {
            if (args != 2) return bad("press takes X and Y");
            const auto x = decimalNumber(f[1]);
            const auto y = decimalNumber(f[2]);
            if (!x || !y) return bad("press takes decimal numbers");
            if (modal) {
                ignore();
                continue;
            }
            game.Form_MouseDown(*x, *y);
        } else if (cmd == "menu") {
            if (args != 1) return bad("menu takes one control name");
            const MenuNode* node = findCommand(f[1]);
            if (node == nullptr) return bad("no menu item named " + f[1]);
            if (modal) {
                ignore();
                continue;
            }
            (game.*(node->handler))();
        } else if (cmd == "key") {
            if (args != 1) return bad("key takes one character code");
            const auto k = wholeNumber(f[1]);
            if (!k) return bad("key takes a whole number");
            if (modal) {
                ignore();
                continue;
            }
            game.Form_KeyPress(*k);
        } else if (cmd == "close") {
            if (args != 0) return bad("close takes nothing");
            if (modal) {
                ignore();
                continue;
            }
            game.Form_Unload();
        } else if (cmd == "button") {
            if (args != 1 || (f[1] != "Command1" && f[1] != "Command2"))
                return bad("button takes Command1 or Command2");
            if (!modal)
                ignore();
            else if (f[1] == "Command1")
                game.form2().Command1_Click();
            else
                game.form2().Command2_Click();
        } else if (cmd == "dump") {
            if (args != 0) return bad("dump takes nothing");
            dumpState(game.state(), t);
        } else {
            return bad("unknown command " + cmd);
        }
    }
    // The loop also stops when reading fails: that is a failure, not the script's end.
    if (!game.ended() && !in.eof()) {
        err << "narabe-script: the script could not be read after line " << lineNo << '\n';
        return RunResult{1, lineNo};
    }
    return {};
}

} // namespace narabe
