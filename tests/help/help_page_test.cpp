// The help pages, Japanese and English, as they stand beside the programs: well-formed HTML
// in UTF-8, every picture and link of them present, every diagram of the rules on them, every
// command of the window's menus listed at its place in the page's language, and no line break
// inside a text (a browser shows one as a stray space in the middle of a Japanese sentence).
#include "help_diagrams.h"

#include "game/menu_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace narabe {
namespace {

namespace fs = std::filesystem;

const fs::path PAGE_DIR = NARABE_PAGE_DIR;

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every text of the page between `before` and the next `after`, in page order.
std::vector<std::string> between(const std::string& page, const std::string& before,
                                 const std::string& after) {
    std::vector<std::string> found;
    for (std::size_t at = page.find(before); at != std::string::npos; at = page.find(before, at)) {
        at += before.size();
        const std::size_t end = page.find(after, at);
        if (end == std::string::npos) break;
        found.push_back(page.substr(at, end - at));
    }
    return found;
}

// The English translation file's texts by their Japanese source.
std::map<std::string, std::string> englishTexts() {
    const std::string ts = readFile(NARABE_TRANSLATIONS);
    const std::vector<std::string> sources = between(ts, "<source>", "</source>");
    const std::vector<std::string> translations = between(ts, "<translation>", "</translation>");
    std::map<std::string, std::string> texts;
    for (std::size_t i = 0; i < sources.size() && i < translations.size(); ++i)
        texts[sources[i]] = translations[i];
    return texts;
}

// A help page: its file, its language and a menu text in that language.
struct Page {
    const char* file;
    const char* lang;
    std::function<std::string(const std::string&)> menuText;
};

std::vector<Page> pages() {
    return {{"Narabe1.htm", "ja", [](const std::string& japanese) { return japanese; }},
            {"Narabe1_en.htm", "en", [texts = englishTexts()](const std::string& japanese) {
                 const auto found = texts.find(japanese);
                 return found != texts.end() ? found->second
                                             : "(no translation of " + japanese + ")";
             }}};
}

// Every value of `attribute` in the page's tags, in page order.
std::vector<std::string> valuesOf(const std::string& page, const std::string& attribute) {
    return between(page, " " + attribute + "=\"", "\"");
}

// The page cut into tags ("<...>") and the texts between them; style sheet content is left
// out.
struct Parts {
    std::vector<std::string> tags;
    std::vector<std::string> texts;
};

Parts partsOf(const std::string& page) {
    Parts parts;
    std::size_t at = 0;
    bool inStyle = false;
    while (at < page.size()) {
        const std::size_t open = page.find('<', at);
        const std::string text = page.substr(at, open - at);
        if (!inStyle) parts.texts.push_back(text);
        if (open == std::string::npos) break;
        const std::size_t close = page.find('>', open);
        if (close == std::string::npos) {
            parts.tags.push_back(page.substr(open));
            break;
        }
        std::string tag = page.substr(open, close - open + 1);
        inStyle = tag.rfind("<style", 0) == 0;
        parts.tags.push_back(std::move(tag));
        at = close + 1;
    }
    return parts;
}

std::string nameOfTag(const std::string& tag) {
    const std::size_t from = tag[1] == '/' ? 2 : 1;
    const std::size_t end = tag.find_first_of(" \t\n>", from);
    return tag.substr(from, end - from);
}

bool isUtf8(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) >> 6) != 0x2) return false;
        i += length;
    }
    return true;
}

TEST(HelpPage, IsWellFormedHtmlInUtf8) {
    for (const Page& p : pages()) {
        SCOPED_TRACE(p.file);
        const std::string page = readFile(PAGE_DIR / p.file);
        ASSERT_FALSE(page.empty()) << "no help page in " << PAGE_DIR;
        EXPECT_TRUE(isUtf8(page));
        EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"" + std::string(p.lang) + "\">", 0),
                  0u);
        EXPECT_NE(page.find("<meta charset=\"UTF-8\">"), std::string::npos);

        // Every element that is not void is closed, in order.
        const std::set<std::string> voidElements = {"meta", "img", "br", "hr", "link", "wbr"};
        std::vector<std::string> open;
        for (const std::string& tag : partsOf(page).tags) {
            ASSERT_EQ(tag.back(), '>') << tag;
            if (tag[1] == '!') continue;
            const std::string name = nameOfTag(tag);
            if (tag[1] == '/') {
                ASSERT_FALSE(open.empty()) << tag;
                EXPECT_EQ(open.back(), name) << tag;
                open.pop_back();
            } else if (!voidElements.contains(name)) {
                open.push_back(name);
            }
        }
        EXPECT_TRUE(open.empty()) << open.size() << " left open, the last " << open.back();
    }
}

TEST(HelpPage, EveryPictureAndLinkIsThere) {
    for (const Page& p : pages()) {
        SCOPED_TRACE(p.file);
        const std::string page = readFile(PAGE_DIR / p.file);
        const std::vector<std::string> ids = valuesOf(page, "id");
        std::vector<std::string> targets = valuesOf(page, "src");
        const std::vector<std::string> links = valuesOf(page, "href");
        targets.insert(targets.end(), links.begin(), links.end());
        EXPECT_FALSE(targets.empty());
        for (const std::string& target : targets) {
            if (target.starts_with("#")) {
                EXPECT_NE(std::find(ids.begin(), ids.end(), target.substr(1)), ids.end()) << target;
            } else if (target.find("://") == std::string::npos) {
                EXPECT_TRUE(fs::is_regular_file(PAGE_DIR / target)) << target << " beside the page";
            }
        }

        // Each diagram of the rules is shown, with a text for those who cannot see it.
        const std::vector<std::string> pictures = valuesOf(page, "src");
        for (const help::HelpDiagram& d : help::HELP_DIAGRAMS)
            EXPECT_NE(std::find(pictures.begin(), pictures.end(), d.file), pictures.end())
                << d.file;
        const std::vector<std::string> alts = valuesOf(page, "alt");
        EXPECT_EQ(alts.size(), pictures.size());
        for (const std::string& alt : alts)
            EXPECT_FALSE(alt.empty());
    }
}

TEST(HelpPage, NoLineBreakInsideAText) {
    for (const Page& p : pages()) {
        SCOPED_TRACE(p.file);
        const Parts parts = partsOf(readFile(PAGE_DIR / p.file));
        for (const std::string& text : parts.texts) {
            const std::size_t first = text.find_first_not_of(" \t\n");
            if (first == std::string::npos) continue;
            const std::size_t last = text.find_last_not_of(" \t\n");
            EXPECT_EQ(text.substr(first, last - first + 1).find('\n'), std::string::npos) << text;
        }
        for (const std::string& tag : parts.tags)
            EXPECT_EQ(tag.find('\n'), std::string::npos) << tag;
    }
}

// The menu table's first column names each command by its place, in the page's language:
// "局面 → 最初" for an item of a menu, "対局 → 対COM → 先手" inside a submenu, and "戻" alone
// for a command standing on the menu bar itself.
TEST(HelpPage, ListsEveryMenuCommandAtItsPlace) {
    for (const Page& p : pages()) {
        SCOPED_TRACE(p.file);
        std::set<std::string> commands;
        std::string bar;
        std::string submenu;
        const std::string arrow = " → ";
        for (const MenuNode& n : MENU_TREE) {
            const std::string text = p.menuText(std::string(n.text));
            switch (n.level) {
            case MenuLevel::Bar:
                bar = text;
                break;
            case MenuLevel::Submenu:
                submenu = text;
                break;
            case MenuLevel::BarCommand:
                commands.insert(text);
                break;
            case MenuLevel::Item:
                commands.insert(bar + arrow + text);
                break;
            case MenuLevel::SubItem:
                commands.insert(bar + arrow + submenu + arrow + text);
                break;
            }
        }

        const std::vector<std::string> rows =
            between(readFile(PAGE_DIR / p.file), "<tr><td>", "</td>");
        EXPECT_EQ(std::set<std::string>(rows.begin(), rows.end()), commands);
        EXPECT_EQ(rows.size(), commands.size()) << "a command listed twice";
    }
}

} // namespace
} // namespace narabe
