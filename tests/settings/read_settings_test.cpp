// Reading the settings file from real files: which check marks are set, when the music
// starts, which errors fall back to the default file, and in what order all of it happens.
#include "settings/file_size_limit.h"
#include "settings/settings_fixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

const std::string K = SJIS_BANGOU;
const std::string N1 = "check BANGOU 1";
const std::string N0 = "check BANGOU 0";
const std::string B1 = "check BGM 1";
const std::string B0 = "check BGM 0";
const std::string PLAY = "dsPlayLooping 7";
const std::string LEVEL = SJIS_LEVEL + "=";
const std::string KINSYU = SJIS_KINSYU + "=";
const std::string KOUKAON = SJIS_KOUKAON + "=";
const std::string BOM = "\xEF\xBB\xBF";
// The strength items' marks when 初級, 中級 or 上級 is chosen, in menu order.
const std::vector<std::string> SYOKYU = {"check SYOKYU 1", "check CHUKYU 0", "check JOUKYU 0"};
const std::vector<std::string> CHUKYU = {"check SYOKYU 0", "check CHUKYU 1", "check JOUKYU 0"};
const std::vector<std::string> JOUKYU = {"check SYOKYU 0", "check CHUKYU 0", "check JOUKYU 1"};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// `head`, then one unknown key whose value fills the file up to `size` bytes.
std::string sized(const std::string& head, std::size_t size) {
    return head + "Pad=" + std::string(size - head.size() - 6, 'x') + "\r\n";
}

struct ReadCase {
    const char* name;
    std::optional<std::string> content; // nothing: no file
    std::vector<std::string> calls;     // setChecked and sound calls, in order
    bool bangou;                        // the check marks afterwards
    bool bgm;
    bool error; // the default file replaces the content and both checks are cleared
    std::size_t laterResets = 0; // marks set back to their defaults after the two clears
};

const std::vector<ReadCase> READ_CASES = {
    {"missing file", std::nullopt, {N0, B0}, false, false, true},
    {"both on, CR LF", K + "=ON\r\nBGM=ON\r\n", {N1, B1, PLAY}, true, true, false},
    {"both on, LF only", K + "=ON\nBGM=ON\n", {N1, B1, PLAY}, true, true, false},
    {"both on, CR only", K + "=ON\rBGM=ON\r", {N1, B1, PLAY}, true, true, false},
    {"last line without line end", K + "=ON\r\nBGM=ON", {N1, B1, PLAY}, true, true, false},
    {"mixed line ends, file order", "BGM=ON\r" + K + "=ON\n", {B1, PLAY, N1}, true, true, false},
    {"both off, kept as it is", K + "=OFF\nBGM=OFF\n", {N0, B0}, false, false, false},
    {"empty file", "", {}, false, false, false},
    {"blank line between", K + "=ON\r\n\r\nBGM=ON\r\n", {N1, N0, B0}, false, false, true},
    {"blank line, LF only", "BGM=OFF\n\nBGM=ON\n", {B0, N0, B0}, false, false, true},
    {"lone CR before CR LF", "BGM=ON\r\r\nBGM=ON\r\n", {B1, PLAY, N0, B0}, false, false, true},
    {"LF then CR", "BGM=ON\n\rBGM=ON", {B1, PLAY, N0, B0}, false, false, true},
    {"blank line at the end", "BGM=ON\r\n\r\n", {B1, PLAY, N0, B0}, false, false, true},
    {"only a line end", "\r\n", {N0, B0}, false, false, true},
    {"BGM=ON twice", "BGM=ON\r\nBGM=ON\r\n", {B1, PLAY, B1, PLAY}, false, true, false},
    {"only BGM=ON", "BGM=ON\r\n", {B1, PLAY}, false, true, false},
    {"last value wins", K + "=ON\r\n" + K + "=OFF\r\n", {N1, N0}, false, false, false},
    {"BGM lower-case on", "BGM=on\r\n", {B0}, false, false, false},
    {"BGM blank before ON", "BGM= ON\r\n", {B0}, false, false, false},
    {"BGM blank after ON", "BGM=ON \r\n", {B0}, false, false, false},
    {"BGM ON then second =", "BGM=ON=x\r\n", {B0}, false, false, false},
    {"BGM empty value", "BGM=\r\n", {B0}, false, false, false},
    {"BGM NUL after ON", std::string("BGM=ON\0\r\n", 9), {B0}, false, false, false},
    {"numbers lower-case on", K + "=on\r\n", {N0}, false, false, false},
    {"numbers ON then second =", K + "=ON=x\r\n", {N0}, false, false, false},
    {"numbers blank after ON", K + "=ON \r\n", {N0}, false, false, false},
    // A file in UTF-8, with or without a byte order mark, reads as its Shift-JIS twin.
    {"UTF-8 key", UTF8_BANGOU + "=ON\r\nBGM=OFF\r\n", {N1, B0}, true, false, false},
    {"UTF-8 with a byte order mark, LF, every key",
     BOM + "手順番号表示=ON\nBGM=ON\n強さ=上級\n禁手表示=ON\n効果音=OFF\n",
     std::vector<std::string>{N1, B1, PLAY} + JOUKYU +
         std::vector<std::string>{"check KINSYU 1", "check KOUKAON 0"},
     true, true, false},
    {"byte order mark before Shift-JIS",
     BOM + K + "=ON\r\nBGM=ON\r\n",
     {N1, B1, PLAY},
     true,
     true,
     false},
    {"byte order mark on a later line is part of its key",
     K + "=ON\r\n" + BOM + "BGM=ON\r\n",
     {N1},
     true,
     false,
     false},
    {"byte order mark alone", BOM, {}, false, false, false},
    {"first two bytes of a byte order mark are a key's",
     BOM.substr(0, 2) + "BGM=ON\r\n",
     {},
     false,
     false,
     false},
    {"keys with blanks or lower case", "BGM =ON\r\n BGM=ON\r\nbgm=ON\r\n", {}, false, false, false},
    {"empty key", "=ON\r\n", {}, false, false, false},
    // What an in-place write broken off before its cut leaves: the new lines, then "=" bytes
    // over the rest of the old content.
    {"covered tail of a longer old file",
     K + "=ON\r\nBGM=ON\r\n==",
     {N1, B1, PLAY},
     true,
     true,
     false},
    {"unknown keys ignored",
     "Colour=red\r\n" + K + "=ON\r\nVolume=10\r\nBGM=OFF\r\n",
     {N1, B0},
     true,
     false,
     false},
    {"line without =", K + "=ON\r\nBGM ON\r\n", {N1, N0, B0}, false, false, true},
    {"error after BGM=ON, later lines unread",
     "BGM=ON\r\nnonsense\r\n" + K + "=ON\r\n",
     {B1, PLAY, N0, B0},
     false,
     false,
     true},
    {"lone CR splits a value", "BGM=O\rN\r\n", {B0, N0, B0}, false, false, true},
    // Up to 64 KiB the file is read; a larger one is a read error before any line counts.
    {"64 KiB file", sized("BGM=ON\r\n", 64 * 1024), {B1, PLAY}, false, true, false},
    {"file over 64 KiB", sized("BGM=ON\r\n", 64 * 1024 + 1), {N0, B0}, false, false, true},
    {"1 MiB file", sized(K + "=ON\r\n", 1024 * 1024), {N0, B0}, false, false, true},
    // The lines after the two: each strength item is marked in menu order.
    {"strength 中級", K + "=OFF\r\nBGM=OFF\r\n" + LEVEL + SJIS_CHUKYU + "\r\n",
     std::vector<std::string>{N0, B0} + CHUKYU, false, false, false},
    {"strength 上級 and barred marks",
     "BGM=OFF\r\n" + LEVEL + SJIS_JOUKYU + "\r\n" + KINSYU + "ON\r\n",
     std::vector<std::string>{B0} + JOUKYU + std::vector<std::string>{"check KINSYU 1"}, false,
     false, false},
    {"strength in UTF-8", "強さ=中級\r\n", CHUKYU, false, false, false},
    {"strength value in UTF-8 after the Shift-JIS key", LEVEL + "上級\r\n", JOUKYU, false, false,
     false},
    {"sound effects off", KOUKAON + "OFF\r\n", {"check KOUKAON 0"}, false, false, false},
    {"sound effects lower-case off", KOUKAON + "off\r\n", {"check KOUKAON 1"}, false, false, false},
    {"error after sound effects off resets them",
     KOUKAON + "OFF\r\nbroken\r\n",
     {"check KOUKAON 0", N0, B0, "check KOUKAON 1"},
     false,
     false,
     true,
     1},
    {"strength last value wins", LEVEL + SJIS_JOUKYU + "\r\n" + LEVEL + "x\r\n", JOUKYU + SYOKYU,
     false, false, false},
    {"barred marks lower-case on", KINSYU + "on\r\n", {"check KINSYU 0"}, false, false, false},
    {"error after strength and marks resets them",
     LEVEL + SJIS_CHUKYU + "\r\n" + KINSYU + "ON\r\nbroken\r\n",
     CHUKYU + std::vector<std::string>{"check KINSYU 1", N0, B0} + SYOKYU +
         std::vector<std::string>{"check KINSYU 0"},
     false, false, true, 4},
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadSettings : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadSettings, ChecksMusicAndFile) {
    const ReadCase& c = GetParam();
    TempFolder folder;
    if (c.content) putFileBytes(folder.settings(), *c.content);

    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    FakeSoundLibrary sound(&log);
    EXPECT_NO_THROW(readSettings({menu.options, sound}, BGM_BUFFER, folder.settings()));

    EXPECT_EQ(log, c.calls);
    EXPECT_EQ(menu.checked(CheckItem::MOVE_NUMBERS), c.bangou);
    EXPECT_EQ(menu.checked(CheckItem::MUSIC), c.bgm);
    EXPECT_EQ(fileBytes(folder.settings()), c.error ? DEFAULT_FILE : *c.content);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});

    // The file as each check mark was set: the content while it is read; on an error the
    // default file is already written when the two checks are cleared.
    const std::size_t clears = c.error ? 2 + c.laterResets : 0;
    ASSERT_GE(menu.fileAtCheck.size(), clears);
    for (std::size_t i = 0; i < menu.fileAtCheck.size(); ++i) {
        const bool clearing = i + clears >= menu.fileAtCheck.size();
        EXPECT_EQ(menu.fileAtCheck[i], clearing ? std::optional(DEFAULT_FILE) : c.content)
            << "check number " << i;
    }
}

// The case's name with every character but letters and digits turned into "_".
std::string caseName(const ::testing::TestParamInfo<ReadCase>& param) {
    std::string name;
    for (const char ch : std::string(param.param.name))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Contents, ReadSettings, ::testing::ValuesIn(READ_CASES), caseName);

// Where the default file cannot be written either: the checks are still cleared, nothing
// is thrown and nothing is left behind.
TEST(ReadSettingsFailure, FolderNamedLikeTheFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder.settings());
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    menu.preset(true, true);
    FakeSoundLibrary sound(&log);

    EXPECT_NO_THROW(readSettings({menu.options, sound}, BGM_BUFFER, folder.settings()));

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_FALSE(menu.checked(CheckItem::MOVE_NUMBERS));
    EXPECT_FALSE(menu.checked(CheckItem::MUSIC));
    EXPECT_TRUE(std::filesystem::is_directory(folder.settings()));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

TEST(ReadSettingsFailure, FileInMissingFolder) {
    TempFolder folder;
    const auto file = folder.path() / "absent" / "Narabe1.ini";
    std::vector<std::string> log;
    RecordingMenu menu(log, file);
    menu.preset(true, true);
    FakeSoundLibrary sound(&log);

    EXPECT_NO_THROW(readSettings({menu.options, sound}, BGM_BUFFER, file));

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_FALSE(menu.checked(CheckItem::MUSIC));
    EXPECT_TRUE(folder.names().empty());
}

TEST(ReadSettingsFailure, DefaultWriteBreaksOffHalfWay) {
    TempFolder folder;
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    FakeSoundLibrary sound(&log);
    {
        FileSizeLimit limit(4);
        ASSERT_TRUE(limit.active());
        EXPECT_NO_THROW(readSettings({menu.options, sound}, BGM_BUFFER, folder.settings()));
    }
    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_TRUE(folder.names().empty()); // neither a partial file nor a temporary one
}

TEST(ReadSettingsFailure, ReadOnlyFolderWithFileIsRead) {
    TempFolder folder;
    putFileBytes(folder.settings(), "BGM=ON\r\n");
    std::filesystem::permissions(folder.path(), static_cast<std::filesystem::perms>(0555));
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    FakeSoundLibrary sound(&log);

    readSettings({menu.options, sound}, BGM_BUFFER, folder.settings());

    EXPECT_EQ(log, (std::vector<std::string>{B1, PLAY}));
    EXPECT_EQ(fileBytes(folder.settings()), "BGM=ON\r\n");
}

// The music buffer handed over is the one that loops.
TEST(ReadSettingsMusic, LoopsTheGivenBuffer) {
    TempFolder folder;
    putFileBytes(folder.settings(), "BGM=ON\r\n");
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    FakeSoundLibrary sound(&log);

    readSettings({menu.options, sound}, 42, folder.settings());

    EXPECT_EQ(log, (std::vector<std::string>{B1, "dsPlayLooping 42"}));
}

// Without a path the file is "Narabe1.ini" in the current directory.
TEST(ReadSettingsDefaultPath, UsesCurrentDirectory) {
    TempFolder folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    FakeSoundLibrary sound(&log);

    readSettings({menu.options, sound}, BGM_BUFFER);
    const auto created = fileBytes(folder.settings());
    const auto names = folder.names();
    std::filesystem::current_path(previous);

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_EQ(created, DEFAULT_FILE);
    EXPECT_EQ(names, std::vector<std::string>{"Narabe1.ini"});
}

} // namespace
} // namespace narabe::test
