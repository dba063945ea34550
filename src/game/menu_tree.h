// The menu bar of the main window: its menus and items in order, with their texts,
// control names, check items and handlers. The window builds its menu bar from this table
// and the script runner finds a command by its control name here.
#pragma once

#include "game/form1.h"

#include <array>
#include <optional>
#include <string_view>

namespace narabe {

enum class MenuLevel {
    Bar,        // a drop-down menu on the menu bar
    BarCommand, // a command standing directly on the menu bar
    Item,       // an item of the last Bar menu
    Submenu,    // a submenu inside the last Bar menu
    SubItem,    // an item of the last Submenu
};

using Handler = void (Form1::*)();

struct MenuNode {
    MenuLevel level;
    std::string_view control;
    std::string_view text;
    Handler handler;               // nullptr for the menus themselves
    std::optional<MenuItem> check; // the option a check item records
    bool radio = false;            // one of a run of items of which one is checked
};

inline constexpr std::array<MenuNode, 24> MENU_TREE = {{
    {MenuLevel::Bar, "TAIKYOKU", "対局", nullptr, {}},
    {MenuLevel::Item, "TAIMAN", "対MAN", &Form1::TAIMAN_Click, {}},
    {MenuLevel::Submenu, "TAICOM", "対COM", nullptr, {}},
    {MenuLevel::SubItem, "SENTE", "先手", &Form1::SENTE_Click, {}},
    {MenuLevel::SubItem, "GOTE", "後手", &Form1::GOTE_Click, {}},
    {MenuLevel::Submenu, "TSUYOSA", "強さ", nullptr, {}},
    {MenuLevel::SubItem, "SYOKYU", "初級", &Form1::SYOKYU_Click, MenuItem::SYOKYU, true},
    {MenuLevel::SubItem, "CHUKYU", "中級", &Form1::CHUKYU_Click, MenuItem::CHUKYU, true},
    {MenuLevel::SubItem, "JOUKYU", "上級", &Form1::JOUKYU_Click, MenuItem::JOUKYU, true},
    {MenuLevel::Item, "SYURYOU", "終了", &Form1::SYURYOU_Click, {}},
    {MenuLevel::Bar, "KYOKUMEN", "局面", nullptr, {}},
    {MenuLevel::Item, "SAISYO", "最初", &Form1::SAISYO_Click, {}},
    {MenuLevel::Item, "KIFU_OPEN", "棋譜を開く…", &Form1::KIFU_OPEN_Click, {}},
    {MenuLevel::Item, "KIFU_SAVE", "棋譜を保存…", &Form1::KIFU_SAVE_Click, {}},
    {MenuLevel::Item, "HINT", "ヒント", &Form1::HINT_Click, {}},
    {MenuLevel::Item, "KINSYU", "禁手表示", &Form1::KINSYU_Click, MenuItem::KINSYU},
    {MenuLevel::BarCommand, "MODORU", "戻", &Form1::MODORU_Click, {}},
    {MenuLevel::BarCommand, "SUSUMU", "進", &Form1::SUSUMU_Click, {}},
    {MenuLevel::Bar, "OPTION", "ｵﾌﾟｼｮﾝ", nullptr, {}},
    {MenuLevel::Item, "BANGOU", "手順番号表示", &Form1::BANGOU_Click, MenuItem::BANGOU},
    {MenuLevel::Item, "BGM", "BGM", &Form1::BGM_Click, MenuItem::BGM},
    {MenuLevel::Bar, "SONOTA", "その他", nullptr, {}},
    {MenuLevel::Item, "KAISETU", "解説", &Form1::KAISETU_Click, {}},
    {MenuLevel::Item, "VER", "バージョン情報", &Form1::VER_Click, {}},
}};

// The node of a command (an Item, SubItem or BarCommand) by control name, or nullptr.
constexpr const MenuNode* findCommand(std::string_view control) {
    for (const MenuNode& n : MENU_TREE)
        if (n.control == control && n.level != MenuLevel::Bar && n.level != MenuLevel::Submenu)
            return &n;
    return nullptr;
}

// The control name of the item whose check mark records `item`.
constexpr std::string_view controlOf(MenuItem item) {
    for (const MenuNode& n : MENU_TREE)
        if (n.check == item) return n.control;
    return {};
}

} // namespace narabe
