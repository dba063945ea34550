// Writing the settings file on real files: the exact bytes for the check marks, the
// whole-file replacement, and the quiet fallback when the file cannot be written.
#include "common/unprivileged.h"
#include "settings/file_size_limit.h"
#include "settings/settings_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

const std::string K = SJIS_BANGOU;
const std::string N0 = "check BANGOU 0";
const std::string B0 = "check BGM 0";
const std::string STOP = "dsStop 7";

struct WriteCase {
    bool bangou;
    bool bgm;
    CheckItem level;
    bool kinsyu;
    std::string bytes;
    bool koukaon = true;
};

const std::vector<WriteCase> WRITE_CASES = {
    {false, false, CheckItem::BEGINNER, false, K + "=OFF\r\nBGM=OFF\r\n"},
    {true, false, CheckItem::BEGINNER, false, K + "=ON\r\nBGM=OFF\r\n"},
    {false, true, CheckItem::BEGINNER, false, K + "=OFF\r\nBGM=ON\r\n"},
    {true, true, CheckItem::BEGINNER, false, K + "=ON\r\nBGM=ON\r\n"},
    {false, false, CheckItem::INTERMEDIATE, false,
     K + "=OFF\r\nBGM=OFF\r\n" + SJIS_LEVEL + "=" + SJIS_CHUKYU + "\r\n"},
    {false, true, CheckItem::ADVANCED, false,
     K + "=OFF\r\nBGM=ON\r\n" + SJIS_LEVEL + "=" + SJIS_JOUKYU + "\r\n"},
    {false, false, CheckItem::BEGINNER, true, K + "=OFF\r\nBGM=OFF\r\n" + SJIS_KINSYU + "=ON\r\n"},
    {true, false, CheckItem::ADVANCED, true,
     K + "=ON\r\nBGM=OFF\r\n" + SJIS_LEVEL + "=" + SJIS_JOUKYU + "\r\n" + SJIS_KINSYU + "=ON\r\n"},
    {false, false, CheckItem::BEGINNER, false,
     K + "=OFF\r\nBGM=OFF\r\n" + SJIS_KOUKAON + "=OFF\r\n", false},
    {true, true, CheckItem::INTERMEDIATE, true,
     K + "=ON\r\nBGM=ON\r\n" + SJIS_LEVEL + "=" + SJIS_CHUKYU + "\r\n" + SJIS_KINSYU + "=ON\r\n" +
         SJIS_KOUKAON + "=OFF\r\n",
     false},
};

void preset(RecordingMenu& menu, const WriteCase& c) {
    menu.preset(c.bangou, c.bgm);
    for (const CheckItem level : LEVEL_ITEMS)
        menu.preset(level, level == c.level);
    menu.preset(CheckItem::BARRED_MARKS, c.kinsyu);
    menu.preset(CheckItem::SOUND_EFFECTS, c.koukaon);
}

// Writes the file from the menu's marks; the music's calls go to `log`.
void write(RecordingMenu& menu, std::vector<std::string>& log, const std::filesystem::path& file) {
    FakeSoundLibrary sound(&log);
    writeSettings({menu.options, sound}, BGM_BUFFER, file);
}

// What lies at the file's name before the write.
const std::vector<std::optional<std::string>> BEFORE = {
    std::nullopt,
    std::string(""),
    "Colour=red\r\nVolume=10\r\n" + K + "=ON\r\nBGM=ON\r\nSize=large\r\n",
};

TEST(WriteSettings, ExactBytesReplacingWhateverWasThere) {
    for (const auto& c : WRITE_CASES) {
        for (const auto& before : BEFORE) {
            SCOPED_TRACE(testing::Message()
                         << "numbers " << c.bangou << ", music " << c.bgm << ", level "
                         << slotOf(c.level) << ", marks " << c.kinsyu << ", old file "
                         << before.value_or("<none>"));
            TempFolder folder;
            if (before) putFileBytes(folder.settings(), *before);
            std::vector<std::string> log;
            RecordingMenu menu(log, folder.settings());
            preset(menu, c);

            EXPECT_NO_THROW(write(menu, log, folder.settings()));

            EXPECT_TRUE(log.empty());
            EXPECT_EQ(menu.checked(CheckItem::MOVE_NUMBERS), c.bangou);
            EXPECT_EQ(menu.checked(CheckItem::MUSIC), c.bgm);
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

    readSettings({menu.options, sound}, BGM_BUFFER, folder.settings());
    write(menu, log, folder.settings());

    EXPECT_EQ(log, (std::vector<std::string>{"check BGM 1", "dsPlayLooping 7"}));
    EXPECT_EQ(fileBytes(folder.settings()), K + "=OFF\r\nBGM=ON\r\n");
}

// Writing what was read gives a file that reads back to the same check marks, from the marks
// the program starts with.
TEST(WriteSettings, ReadsBackAsWritten) {
    for (const auto& c : WRITE_CASES) {
        TempFolder folder;
        std::vector<std::string> log;
        RecordingMenu writer(log, folder.settings());
        preset(writer, c);
        write(writer, log, folder.settings());

        RecordingMenu reader(log, folder.settings());
        reader.preset(!c.bangou, !c.bgm);
        FakeSoundLibrary sound(&log);
        readSettings({reader.options, sound}, BGM_BUFFER, folder.settings());

        EXPECT_EQ(reader.checked(CheckItem::MOVE_NUMBERS), c.bangou);
        EXPECT_EQ(reader.checked(CheckItem::MUSIC), c.bgm);
        EXPECT_EQ(itemOf(reader.options.level()), c.level);
        EXPECT_EQ(reader.checked(CheckItem::BARRED_MARKS), c.kinsyu);
        EXPECT_EQ(reader.checked(CheckItem::SOUND_EFFECTS), c.koukaon);
    }
}

// A failing write clears both checks, stops the music that was checked, sets the strength,
// the barred-point marks and the sound effects back to their defaults and leaves no temporary
// file; the default write that follows fails the same way, quietly.
TEST(WriteSettingsFailure, FolderNamedLikeTheFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder.settings());
    std::vector<std::string> log;
    RecordingMenu menu(log, folder.settings());
    preset(menu, WRITE_CASES.back());
    menu.preset(CheckItem::MUSIC, true);

    EXPECT_NO_THROW(write(menu, log, folder.settings()));

    EXPECT_EQ(log,
              (std::vector<std::string>{N0, B0, STOP, "check SYOKYU 1", "check CHUKYU 0",
                                        "check JOUKYU 0", "check KINSYU 0", "check KOUKAON 1"}));
    EXPECT_FALSE(menu.checked(CheckItem::MOVE_NUMBERS));
    EXPECT_FALSE(menu.checked(CheckItem::MUSIC));
    EXPECT_TRUE(std::filesystem::is_directory(folder.settings()));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

TEST(WriteSettingsFailure, FileInMissingFolder) {
    TempFolder folder;
    const auto file = folder.path() / "absent" / "Narabe1.ini";
    std::vector<std::string> log;
    RecordingMenu menu(log, file);
    menu.preset(true, false);

    EXPECT_NO_THROW(write(menu, log, file));

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

    write(menu, log, folder.settings());

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0, STOP}));
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
        EXPECT_NO_THROW(write(menu, log, folder.settings()));
    }
    EXPECT_EQ(log, (std::vector<std::string>{N0, B0, STOP}));
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

    write(menu, log, folder.settings());
    limit.lift();

    EXPECT_EQ(log, (std::vector<std::string>{N0, B0, STOP}));
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
        write(menu, calls, file);
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
    FakeSoundLibrary sound(&log);

    writeSettings({menu.options, sound}, BGM_BUFFER);
    const auto written = fileBytes(folder.settings());
    const auto names = folder.names();
    std::filesystem::current_path(previous);

    EXPECT_TRUE(log.empty());
    EXPECT_EQ(written, K + "=OFF\r\nBGM=ON\r\n");
    EXPECT_EQ(names, std::vector<std::string>{"Narabe1.ini"});
}

// Two copies of the game toggling options in one folder while a third reads the file: every
// read finds one of the files the writers write, never an empty, partial or mixed one, and no
// write fails. A soak with a deadline: it proves nothing by its timing.
TEST(WriteSettingsConcurrency, TwoWritersAndAReaderNeverMeetAPartialFile) {
    TempFolder folder;
    const auto file = folder.settings();
    putFileBytes(file, DEFAULT_FILE);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    std::vector<pid_t> writers;
    for (int w = 0; w < 2; ++w) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            std::vector<std::string> log;
            RecordingMenu menu(log, {});
            for (int i = w; std::chrono::steady_clock::now() < deadline; ++i) {
                menu.preset(i % 2 == 1, i % 4 >= 2);
                write(menu, log, file);
            }
            ::_exit(log.empty() ? 0 : 1); // a failed write clears the checks: a logged call
        }
        writers.push_back(pid);
    }
    std::set<std::string> whole;
    for (std::size_t i = 0; i < 4; ++i)
        whole.insert(WRITE_CASES[i].bytes);
    int reads = 0;
    int bad = 0;
    std::string example;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto got = fileBytes(file);
        ++reads;
        if (!got || whole.count(*got) == 0) {
            ++bad;
            example = got.value_or("<no file>");
        }
    }
    for (const pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer's write failed";
    }
    EXPECT_EQ(bad, 0) << "of " << reads << " reads, e.g. \"" << example << "\"";
    EXPECT_GT(reads, 100);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Narabe1.ini"});
}

} // namespace
} // namespace narabe::test
