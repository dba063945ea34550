// Writing the settings file on real files: the exact bytes for each pair of check marks,
// the whole-file replacement, and the quiet fallback when the file cannot be written.
#include "common/unprivileged.h"
#include "settings/file_size_limit.h"
#include "settings/settings_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

const std::string K = SJIS_BANGOU;
const std::string N0 = "check BANGOU 0";
const std::string B0 = "check BGM 0";

struct WriteCase {
    bool bangou;
    bool bgm;
    std::string bytes;
};

const std::vector<WriteCase> WRITE_CASES = {
    {false, false, K + "=OFF\r\nBGM=OFF\r\n"},
    {true, false, K + "=ON\r\nBGM=OFF\r\n"},
    {false, true, K + "=OFF\r\nBGM=ON\r\n"},
    {true, true, K + "=ON\r\nBGM=ON\r\n"},
};

// What lies at the file's name before the write.
const std::vector<std::optional<std::string>> BEFORE = {
    std::nullopt,
    std::string(""),
    "Colour=red\r\nVolume=10\r\n" + K + "=ON\r\nBGM=ON\r\nSize=large\r\n",
};

TEST(WriteSettings, ExactBytesReplacingWhateverWasThere) {
    for (const auto& c : WRITE_CASES) {
        for (const auto& before : BEFORE) {
            SCOPED_TRACE(testing::Message() << "numbers " << c.bangou << ", music " << c.bgm
                                            << ", old file " << before.value_or("<none>"));
            TempFolder folder;
            if (before) putFileBytes(folder.settings(), *before);
            std::vector<std::string> log;
            RecordingMenu menu(log, folder.settings());
            menu.preset(c.bangou, c.bgm);

            EXPECT_NO_THROW(書込_環境設定ファイル(menu, folder.settings()));

            EXPECT_TRUE(log.empty());
            EXPECT_EQ(menu.checked(MenuItem::BANGOU), c.bangou);
            EXPECT_EQ(menu.checked(MenuItem::BGM), c.bgm);
            EXPECT_EQ(fileBytes(folder.settings()), c.bytes);
            EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
        }
    }
}

// Keys the reading ignored are gone after the next write.
TEST(WriteSettings, RewriteAfterReadDropsUnknownKeys) {
    TempFolder folder;
    putFileBytes(folder.settings(), "Colour=red\r\nBGM=ON\nVolume=10");
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    FakeSoundLibrary sound(&log);

    読込_環境設定ファイル({menu, sound}, BGM_BUFFER, folder.settings());
    書込_環境設定ファイル(menu, folder.settings());

    EXPECT_EQ(log, (std::vector<std::string>{"check BGM 1", "dsPlayLooping 7"}));
    EXPECT_EQ(fileBytes(folder.settings()), K + "=OFF\r\nBGM=ON\r\n");
}

// Writing what was read gives a file that reads back to the same check marks.
TEST(WriteSettings, ReadsBackAsWritten) {
    for (const auto& c : WRITE_CASES) {
        TempFolder folder;
        std::vector<std::string> log;
        RecordingMenu writer(log, folder.settings());
        writer.preset(c.bangou, c.bgm);
        書込_環境設定ファイル(writer, folder.settings());

        RecordingMenu reader(log, folder.settings());
        reader.preset(!c.bangou, !c.bgm);
        FakeSoundLibrary sound(&log);
        読込_環境設定ファイル({reader, sound}, BGM_BUFFER, folder.settings());

        EXPECT_EQ(reader.checked(MenuItem::BANGOU), c.bangou);
        EXPECT_EQ(reader.checked(MenuItem::BGM), c.bgm);
    }
}

// A failing write clears both checks, stops no music and leaves no temporary file; the
// default write that follows fails the same way, quietly.
TEST(WriteSettingsFailure, FolderNamedLikeTheFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder.settings());
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    menu.preset(true, true);

    EXPECT_NO_THROW(書込_環境設定ファイル(menu, folder.settings()));

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_FALSE(menu.checked(MenuItem::BANGOU));
    EXPECT_FALSE(menu.checked(MenuItem::BGM));
    EXPECT_TRUE(std::filesystem::is_directory(folder.settings()));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

TEST(WriteSettingsFailure, FileInMissingFolder) {
    TempFolder folder;
    const auto file = folder.path() / "absent" / "Narabe1.ini";
    std::vector<std::string> log;
    RecordingMenu menu(log, file);
    menu.preset(true, false);

    EXPECT_NO_THROW(書込_環境設定ファイル(menu, file));

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_TRUE(folder.names().empty());
}

// The checks are cleared first, then the default file is written: once the obstacle is
// gone by the time of the clears, the default file appears, and only after both clears.
TEST(WriteSettingsFailure, ClearsBeforeDefaultWrite) {
    TempFolder folder;
    std::filesystem::create_directory(folder.settings());
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    menu.preset(true, true);
    menu.afterCheck = [&] { std::filesystem::remove(folder.settings()); };

    書込_環境設定ファイル(menu, folder.settings());

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_EQ(menu.fileAtCheck,
              (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt}));
    EXPECT_EQ(fileBytes(folder.settings()), DEFAULT_FILE);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

// A write that breaks off half-way leaves the old file whole and no temporary file.
TEST(WriteSettingsFailure, BreakOffHalfWayKeepsOldFile) {
    TempFolder folder;
    const std::string old = K + "=ON\r\nBGM=ON\r\n";
    putFileBytes(folder.settings(), old);
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    menu.preset(false, true);
    {
        FileSizeLimit limit(4);
        ASSERT_TRUE(limit.active());
        EXPECT_NO_THROW(書込_環境設定ファイル(menu, folder.settings()));
    }
    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_EQ(menu.fileAtCheck, (std::vector<std::optional<std::string>>{old, old}));
    EXPECT_EQ(fileBytes(folder.settings()), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

TEST(WriteSettingsFailure, BreakOffHalfWayThenDefaultWritten) {
    TempFolder folder;
    putFileBytes(folder.settings(), "BGM=ON\r\n");
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    menu.preset(true, true);
    FileSizeLimit limit(4);
    ASSERT_TRUE(limit.active());
    menu.afterCheck = [&] { limit.lift(); };

    書込_環境設定ファイル(menu, folder.settings());
    limit.lift();

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0}));
    EXPECT_EQ(fileBytes(folder.settings()), DEFAULT_FILE);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

// A read-only folder does not stop the write when the file itself is writable: with no room
// for a temporary file beside it, the file is written in place.
TEST(WriteSettingsFailure, ReadOnlyFolder) {
    TempFolder folder(std::filesystem::path("/tmp")); // reachable for an ordinary user
    putFileBytes(folder.settings(), "BGM=ON\r\n");
    handOver(folder.path());
    std::filesystem::permissions(folder.path(), static_cast<std::filesystem::perms>(0555));
    const auto file = folder.settings();

    const auto log = runUnprivileged([&] {
        std::vector<std::string> calls;
        RecordingMenu menu(calls, file);
        menu.preset(true, true);
        書込_環境設定ファイル(menu, file);
        return calls;
    });

    ASSERT_TRUE(log.has_value());
    EXPECT_TRUE(log->empty());
    EXPECT_EQ(fileBytes(folder.settings()), K + "=ON\r\nBGM=ON\r\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

// Without a path the file is "Narabe1.ini" in the current directory, and the temporary
// file lies beside it.
TEST(WriteSettingsDefaultPath, UsesCurrentDirectory) {
    TempFolder folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    menu.preset(false, true);

    書込_環境設定ファイル(menu);
    const auto written = fileBytes(folder.settings());
    const auto names = folder.names();
    std::filesystem::current_path(previous);

    EXPECT_TRUE(log.empty());
    EXPECT_EQ(written, K + "=OFF\r\nBGM=ON\r\n");
    EXPECT_EQ(names, std::vector<std::string>{"Narabe1.ini"});
}

} // namespace
} // namespace narabe::test
