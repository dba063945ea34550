// Parsing each script command's arguments into what it does to the game.
#include "adapters/script/commands.h"

#include "adapters/script/runner.h"
#include "game/menu_tree.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace narabe {

namespace {

// How many characters of a bad token an error message shows.
constexpr std::size_t QUOTED_CHARACTERS = 60;

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

Parsed error(std::string why) {
    return Parsed{nullptr, std::move(why)};
}

Parsed runs(Action action) {
    return Parsed{std::move(action), {}};
}

} // namespace

Parsed parsePress(Fields args) {
    if (args.size() != 2) return error("press takes X and Y");
    const auto x = decimalNumber(args[0]);
    const auto y = decimalNumber(args[1]);
    if (!x) return error("press takes decimal numbers, not " + quotedToken(args[0]));
    if (!y) return error("press takes decimal numbers, not " + quotedToken(args[1]));
    return runs([x = *x, y = *y](GameController& game, Transcript&) { game.pressed(x, y); });
}

Parsed parseMenu(Fields args) {
    if (args.size() != 1) return error("menu takes one control name");
    const MenuNode* node = findCommand(args[0]);
    if (node == nullptr) return error("no menu item named " + quotedToken(args[0]));
    return runs([command = node->command](GameController& game, Transcript&) { command(game); });
}

Parsed parseKey(Fields args) {
    if (args.size() != 1) return error("key takes one character code");
    const auto k = wholeNumber(args[0]);
    if (!k) return error("key takes a whole number, not " + quotedToken(args[0]));
    return runs([k = *k](GameController& game, Transcript&) { game.keyPressed(k); });
}

Parsed parseClose(Fields args) {
    if (!args.empty()) return error("close takes nothing");
    return runs([](GameController& game, Transcript&) { game.closed(); });
}

Parsed parseButton(Fields args) {
    if (args.size() != 1) return error("button takes Command1 or Command2");
    for (const AboutButton& b : ABOUT_BUTTONS)
        if (args[0] == b.control)
            return runs([pressed = b.pressed](GameController& game, Transcript&) {
                (game.about().*pressed)();
            });
    return error("button takes Command1 or Command2, not " + quotedToken(args[0]));
}

Parsed parseDump(Fields args) {
    if (!args.empty()) return error("dump takes nothing");
    return runs([](GameController& game, Transcript& t) { dumpGame(game.game(), t); });
}

// A record's file, as the file dialog of 棋譜を保存… or 棋譜を開く… would give it; relative
// to the current directory.
Parsed parseSave(Fields args) {
    if (args.size() != 1) return error("save takes one path");
    return runs([file = std::filesystem::path(args[0])](GameController& game, Transcript&) {
        game.saveRecord(file);
    });
}

Parsed parseOpen(Fields args) {
    if (args.size() != 1) return error("open takes one path");
    return runs([file = std::filesystem::path(args[0])](GameController& game, Transcript&) {
        game.openRecord(file);
    });
}

const ScriptCommand* findScriptCommand(std::string_view name) {
    for (const ScriptCommand& c : SCRIPT_COMMANDS)
        if (c.name == name) return &c;
    return nullptr;
}

std::string quotedToken(std::string_view token) {
    // The end of the first QUOTED_CHARACTERS characters: UTF-8 continuation bytes
    // (10xxxxxx) belong to the character before them.
    std::size_t end = 0;
    for (std::size_t characters = 0; end < token.size(); ++end) {
        const bool continuation = (static_cast<unsigned char>(token[end]) & 0xC0U) == 0x80U;
        if (!continuation && characters++ == QUOTED_CHARACTERS) break;
    }
    if (end == token.size()) return "\"" + std::string(token) + "\"";
    return "\"" + std::string(token.substr(0, end)) + "...\" (" + std::to_string(token.size()) +
           " bytes)";
}

} // namespace narabe
