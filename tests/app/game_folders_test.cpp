// Where the desktop program keeps its files, one row per situation: the current directory,
// the program's own folder and what lies beside it, and the configuration environment.
#include "adapters/qt/game_folders.h"

#include <gtest/gtest.h>

#include <QUrl>

#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace narabe {
namespace {

namespace fs = std::filesystem;

const std::vector<std::u8string> SOUNDS = {u8"その他.wav", u8"禁止.wav", u8"石打音.wav",
                                           u8"終局.wav", u8"BGM.wav"};

// A folder tree for one test, removed afterwards.
class Tree {
  public:
    Tree() {
        std::string pattern = (fs::temp_directory_path() / "narabe-folders-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~Tree() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;

    // A folder below the root holding the first `count` sound files.
    fs::path folder(const std::string& relative, std::size_t count = 0) const {
        const fs::path dir = root_ / relative;
        fs::create_directories(dir);
        for (std::size_t i = 0; i < count; ++i)
            std::ofstream(dir / SOUNDS[i]) << "RIFF";
        return dir;
    }
    const fs::path& root() const { return root_; }

  private:
    fs::path root_;
};

struct FolderCase {
    const char* situation;
    const char* cwd;
    std::size_t cwdSounds;
    const char* program;
    std::size_t programSounds;
    std::size_t installedSounds; // in the installed data folder beside the program
    std::optional<std::string> configHome;
    std::optional<std::string> home;
    // What is chosen: a folder below the tree's root, INSTALLED for the installed data
    // folder, "" for none (the current directory).
    const char* dataDir;
    const char* settingsFile;
};

constexpr const char* INSTALLED = "INSTALLED";

TEST(GameFolders, ChoiceFollowsWhereTheSoundsAreAndTheConfigurationEnvironment) {
    const std::vector<FolderCase> cases = {
        {"a portable folder", "game", 5, "prefix/bin", 0, 5, "/c", "/h", "", ""},
        {"the build folder", "build/bin", 5, "build/bin", 5, 0, "/c", "/h", "", ""},
        {"installed, run from elsewhere", "home", 0, "prefix/bin", 0, 5, "/c", "/h", INSTALLED,
         "/c/narabe1/Narabe1.ini"},
        {"four of five sounds are no game folder", "home", 4, "prefix/bin", 0, 5, "/c", "/h",
         INSTALLED, "/c/narabe1/Narabe1.ini"},
        {"the build folder run from elsewhere", "home", 0, "build/bin", 5, 0, "/c", "/h",
         "build/bin", "/c/narabe1/Narabe1.ini"},
        {"installed data wins over the program's folder", "home", 0, "prefix/bin", 5, 5, "/c", "/h",
         INSTALLED, "/c/narabe1/Narabe1.ini"},
        {"no sounds anywhere: the installed place", "home", 0, "prefix/bin", 0, 0, "/c", "/h",
         INSTALLED, "/c/narabe1/Narabe1.ini"},
        {"no XDG_CONFIG_HOME", "home", 0, "prefix/bin", 0, 5, std::nullopt, "/h", INSTALLED,
         "/h/.config/narabe1/Narabe1.ini"},
        {"an empty XDG_CONFIG_HOME", "home", 0, "prefix/bin", 0, 5, "", "/h", INSTALLED,
         "/h/.config/narabe1/Narabe1.ini"},
        {"a relative XDG_CONFIG_HOME", "home", 0, "prefix/bin", 0, 5, "rel/config", "/h", INSTALLED,
         "/h/.config/narabe1/Narabe1.ini"},
        {"no home at all", "home", 0, "prefix/bin", 0, 5, std::nullopt, std::nullopt, INSTALLED,
         ""},
    };
    for (const FolderCase& c : cases) {
        const Tree tree;
        FolderFacts facts;
        facts.currentDir = tree.folder(c.cwd, c.cwdSounds);
        facts.programDir = tree.folder(c.program, c.programSounds);
        const fs::path installed =
            (fs::path(c.program) / installedDataFromProgram()).lexically_normal();
        if (c.installedSounds > 0) tree.folder(installed.string(), c.installedSounds);
        facts.configHome = c.configHome ? c.configHome->c_str() : nullptr;
        facts.home = c.home ? c.home->c_str() : nullptr;

        const GameFolders chosen = chooseGameFolders(facts);
        const fs::path data = std::string(c.dataDir) == INSTALLED ? tree.root() / installed
                              : *c.dataDir == '\0'                ? fs::path()
                                                                  : tree.root() / c.dataDir;
        EXPECT_EQ(chosen.dataDir, data) << c.situation;
        EXPECT_EQ(chosen.settingsFile, fs::path(c.settingsFile)) << c.situation;
    }
}

TEST(GameFolders, SettingsFolderIsMadeForTheUserAloneAndOnlyWhereMissing) {
    const Tree tree;
    const fs::path existing = tree.folder("home");
    ::chmod(existing.c_str(), 0755);
    const fs::path file = existing / ".config" / "narabe1" / "Narabe1.ini";
    makeSettingsFolder({.dataDir = {}, .settingsFile = file});
    for (const fs::path& dir : {existing / ".config", existing / ".config" / "narabe1"}) {
        struct stat info {};
        ASSERT_EQ(::stat(dir.c_str(), &info), 0) << dir;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << dir;
    }
    struct stat info {};
    ::stat(existing.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0755u) << "a folder that was there keeps its mode";
    EXPECT_FALSE(fs::exists(file)) << "the file itself is the settings code's to write";

    // Settings in the current directory need no folder.
    const fs::path before = fs::current_path();
    fs::current_path(existing);
    makeSettingsFolder({});
    fs::current_path(before);
    EXPECT_EQ(std::distance(fs::directory_iterator(existing), fs::directory_iterator()), 1);
}

// The program's folder is the one its file is in, whatever the current directory.
TEST(GameFolders, ProgramFolderIsTheProgramFilesFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    const fs::path found = programFolder();
    fs::current_path(before);
    EXPECT_TRUE(fs::equivalent(found, NARABE_TEST_PROGRAM_DIR)) << found;
    EXPECT_EQ(processFolderFacts().programDir, found);
}

// The help page's URL keeps every byte of its folder's name, and Qt hands it on unchanged.
TEST(GameFolders, FileUrlIsMadeFromThePathsBytes) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/home/user/narabe/Narabe1.htm", "file:///home/user/narabe/Narabe1.htm"},
        // A folder name in Latin-1, which is not UTF-8.
        {"/tmp/caf\xe9 dir/Narabe1.htm", "file:///tmp/caf%E9%20dir/Narabe1.htm"},
        {"/home/\xe3\x83\xa6/Narabe1.htm", "file:///home/%E3%83%A6/Narabe1.htm"},
        {"/a/100%/#1?x=y;z/Narabe1.htm", "file:///a/100%25/%231%3Fx%3Dy%3Bz/Narabe1.htm"},
    };
    for (const auto& [path, url] : cases) {
        EXPECT_EQ(fileUrl(path), url) << path;
        EXPECT_EQ(
            QUrl::fromEncoded(QByteArray::fromStdString(fileUrl(path))).toEncoded().toStdString(),
            url)
            << path;
    }
}

} // namespace
} // namespace narabe
