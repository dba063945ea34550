// The help page and the about dialog through the transcript: pages opened or failing,
// the modal dialog dropping the main window's input, and its two buttons.
#include "script/moves.h"
#include "script/script_harness.h"
#include "support/help.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace narabe::test {
namespace {

std::vector<std::string> afterTitle(const ScriptRun& r) {
    return after(r, r.find("picture\tPG_NAME\t6915\t207.5") + 1);
}

// The help page of the game started in `folder`.
std::string helpPage(const ScriptFolder& folder) {
    return (std::filesystem::canonical(folder.path()) / "Narabe1.htm").string();
}

TEST(Help, OpensThePageBesideTheProgramOrFailsSilently) {
    ScriptFolder folder;
    const std::string page = helpPage(folder);
    EXPECT_EQ(afterTitle(folder.run("menu KAISETU\n")),
              (std::vector<std::string>{"browser\t" + page}));
    EXPECT_EQ(afterTitle(folder.run("menu KAISETU\n", "--browser-fails")),
              (std::vector<std::string>{"browser-error\t" + page}));
}

struct AboutCase {
    const char* name;
    std::string script;
    std::string options;
    std::string environment;
    std::vector<std::string> transcript; // HOME: the home page the build sets
};

void PrintTo(const AboutCase& c, std::ostream* os) {
    *os << c.name;
}

class About : public ::testing::TestWithParam<AboutCase> {};

TEST_P(About, DialogIsModalAndItsButtonsWork) {
    const AboutCase& c = GetParam();
    ScriptFolder folder;
    // Until the project has a site, the home page is the help page, which exists.
    const std::string home = HOME_PAGE.empty() ? helpPage(folder) : std::string(HOME_PAGE);
    std::vector<std::string> expected = c.transcript;
    for (std::string& line : expected)
        if (const std::size_t at = line.find("HOME"); at != std::string::npos)
            line.replace(at, 4, home);
    const ScriptRun r = folder.run(c.script, c.options, c.environment);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(afterTitle(r), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Transcript, About,
    ::testing::Values(
        AboutCase{"ok_closes_and_input_waits_for_it",
                  "menu VER\npress 1000 1000\n  menu TAIMAN\nkey 27\nclose\nbutton Command2\n"
                  "button Command2\nmenu TAIMAN\n",
                  "",
                  "",
                  {"dsPlay\tその他.wav", "form2\tshow", "ignored\tpress 1000 1000",
                   "ignored\t  menu TAIMAN", "ignored\tkey 27", "ignored\tclose", "form2\tunload",
                   "ignored\tbutton Command2", "fill\t6915\t1940\t1800\t2600\t2",
                   "fill\t6915\t1940\t1250\t600\t2", "picture\tKUROSOTO\t6915\t1940",
                   "picture\tSIROSOTO\t6915\t2255", "text\t7387.5\t1940\t10\t15\t先手",
                   "text\t7387.5\t2255\t10\t15\t後手", "msgbox\t \t先手の番です"}},
        AboutCase{"home_page_opens_and_closes",
                  "menu VER\nbutton Command1\n",
                  "",
                  "",
                  {"dsPlay\tその他.wav", "form2\tshow", "browser\tHOME", "form2\tunload"}},
        AboutCase{"home_page_from_the_environment",
                  "menu VER\nbutton Command1\n",
                  "",
                  "NARABE_HOME_PAGE=http://localhost/narabe",
                  {"dsPlay\tその他.wav", "form2\tshow", "browser\thttp://localhost/narabe",
                   "form2\tunload"}},
        AboutCase{"home_page_failing_keeps_the_dialog",
                  "menu VER\nbutton Command1\npress 1000 1000\nbutton Command2\n",
                  "--browser-fails",
                  "",
                  {"dsPlay\tその他.wav", "form2\tshow",
                   "browser-error\tHOME", "ignored\tpress 1000 1000",
                   "form2\tunload"}},
        AboutCase{"without_a_device_the_sound_is_the_null_handle",
                  "menu VER\nbutton Command2\n",
                  "--no-sound-device",
                  "",
                  {"dsPlay\t0", "form2\tshow", "form2\tunload"}}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace narabe::test
