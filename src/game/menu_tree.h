// The menu bar of the main window: its menus and items in order, with their texts,
// control names, check items and commands. The window builds its menu bar from this table,
// and the script runner finds a command by its control name here: the control names are the
// names narabe-script accepts and prints.
#pragma once

#include "game/game_controller.h"

#include <array>
#include <optional>
#include <string_view>

namespace narabe {

enum class MenuLevel {
    Bar,        // a drop-down menu on the menu bar
    BarCommand, // a command standing directly on the menu bar
    Item,       // an item of the last Bar menu, also when written after a BarCommand
    Submenu,    // a submenu inside the last Bar menu
    SubItem,    // an item of the last Submenu
};

using MenuCommand = void (*)(GameController&);

struct MenuNode {
    MenuLevel level;
    std::string_view control;
    std::string_view text;
    MenuCommand command;            // nullptr for the menus themselves
    std::optional<CheckItem> check; // the option a check item shows
    bool radio = false;             // one of a run of items of which one is checked
    std::string_view shortcut{};    // the key that chooses it, as Qt names keys ("Ctrl+Z")
};

inline constexpr std::array<MenuNode, 27> MENU_TREE = {{
    {MenuLevel::Bar, "TAIKYOKU", "対局", nullptr, {}},
    {MenuLevel::Item, "TAIMAN", "対MAN", [](GameController& g) { g.playTwoPlayers(); }, {}},
    {MenuLevel::Submenu, "TAICOM", "対COM", nullptr, {}},
    {MenuLevel::SubItem, "SENTE", "先手", [](GameController& g) { g.playBlack(); }, {}},
    {MenuLevel::SubItem, "GOTE", "後手", [](GameController& g) { g.playWhite(); }, {}},
    {MenuLevel::Submenu, "TSUYOSA", "強さ", nullptr, {}},
    {MenuLevel::SubItem, "SYOKYU", "初級",
     [](GameController& g) { g.chooseLevel(Level::BEGINNER); }, CheckItem::BEGINNER, true},
    {MenuLevel::SubItem, "CHUKYU", "中級",
     [](GameController& g) { g.chooseLevel(Level::INTERMEDIATE); }, CheckItem::INTERMEDIATE, true},
    {MenuLevel::SubItem, "JOUKYU", "上級",
     [](GameController& g) { g.chooseLevel(Level::ADVANCED); }, CheckItem::ADVANCED, true},
    {MenuLevel::Item, "SYURYOU", "終了", [](GameController& g) { g.quit(); }, {}},
    {MenuLevel::Bar, "KYOKUMEN", "局面", nullptr, {}},
    {MenuLevel::Item, "SAISYO", "最初", [](GameController& g) { g.toStart(); }, {}},
    {MenuLevel::Item,
     "KIFU_OPEN",
     "棋譜を開く…",
     [](GameController& g) { g.openRecordFromDialog(); },
     {},
     false,
     "Ctrl+O"},
    {MenuLevel::Item,
     "KIFU_SAVE",
     "棋譜を保存…",
     [](GameController& g) { g.saveRecordFromDialog(); },
     {},
     false,
     "Ctrl+S"},
    {MenuLevel::Item,
     "ZENKAI",
     "前回の続き",
     [](GameController& g) { g.continueUnfinished(); },
     {}},
    {MenuLevel::Item, "HINT", "ヒント", [](GameController& g) { g.showHint(); }, {}, false, "H"},
    {MenuLevel::Item, "KINSYU", "禁手表示", [](GameController& g) { g.toggleBarredMarks(); },
     CheckItem::BARRED_MARKS},
    {MenuLevel::BarCommand,
     "MODORU",
     "戻",
     [](GameController& g) { g.stepBack(); },
     {},
     false,
     "Left"},
    {MenuLevel::BarCommand,
     "SUSUMU",
     "進",
     [](GameController& g) { g.stepForward(); },
     {},
     false,
     "Right"},
    {MenuLevel::Item,
     "MATTA",
     "待った",
     [](GameController& g) { g.takeBack(); },
     {},
     false,
     "Ctrl+Z"},
    {MenuLevel::Bar, "OPTION", "ｵﾌﾟｼｮﾝ", nullptr, {}},
    {MenuLevel::Item, "BANGOU", "手順番号表示", [](GameController& g) { g.toggleMoveNumbers(); },
     CheckItem::MOVE_NUMBERS},
    {MenuLevel::Item, "BGM", "BGM", [](GameController& g) { g.toggleMusic(); }, CheckItem::MUSIC},
    {MenuLevel::Item, "KOUKAON", "効果音", [](GameController& g) { g.toggleSoundEffects(); },
     CheckItem::SOUND_EFFECTS},
    {MenuLevel::Bar, "SONOTA", "その他", nullptr, {}},
    {MenuLevel::Item, "KAISETU", "解説", [](GameController& g) { g.openHelp(); }, {}, false, "F1"},
    {MenuLevel::Item, "VER", "バージョン情報", [](GameController& g) { g.showAbout(); }, {}},
}};

// The node of a command (an Item, SubItem or BarCommand) by control name, or nullptr.
constexpr const MenuNode* findCommand(std::string_view control) {
    for (const MenuNode& n : MENU_TREE)
        if (n.control == control && n.level != MenuLevel::Bar && n.level != MenuLevel::Submenu)
            return &n;
    return nullptr;
}

// The control name of the item whose check mark shows `item`.
constexpr std::string_view controlOf(CheckItem item) {
    for (const MenuNode& n : MENU_TREE)
        if (n.check == item) return n.control;
    return {};
}

} // namespace narabe
