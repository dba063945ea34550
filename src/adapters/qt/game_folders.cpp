// Choosing the game's folders and making the settings folder.
#include "adapters/qt/game_folders.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace narabe {

namespace {

namespace fs = std::filesystem;

// The five files the game loads at start-up.
constexpr std::array<std::u8string_view, 5> SOUND_FILES = {
    u8"その他.wav", u8"禁止.wav", u8"石打音.wav", u8"終局.wav", u8"BGM.wav"};

constexpr std::u8string_view GAME_FOLDER = u8"narabe1";
constexpr std::u8string_view SETTINGS_NAME = u8"Narabe1.ini";

bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// $HOME/.config. Empty when neither can be had.
fs::path configHome(const FolderFacts& facts) {
    if (isSet(facts.configHome) && fs::path(facts.configHome).is_absolute())
        return facts.configHome;
    if (isSet(facts.home)) return fs::path(facts.home) / ".config";
    return {};
}

} // namespace

fs::path installedDataFromProgram() {
    return fs::path(NARABE_DATA_FROM_PROGRAM);
}

bool holdsGameSounds(const fs::path& folder) {
    for (std::u8string_view name : SOUND_FILES) {
        std::error_code error;
        if (!fs::is_regular_file(folder / name, error)) return false;
    }
    return true;
}

GameFolders chooseGameFolders(const FolderFacts& facts) {
    if (holdsGameSounds(facts.currentDir)) return {};

    const fs::path installed = (facts.programDir / installedDataFromProgram()).lexically_normal();
    GameFolders folders;
    if (holdsGameSounds(installed) || !holdsGameSounds(facts.programDir))
        folders.dataDir = installed;
    else
        folders.dataDir = facts.programDir;
    const fs::path config = configHome(facts);
    if (!config.empty()) folders.settingsFile = config / GAME_FOLDER / SETTINGS_NAME;
    return folders;
}

FolderFacts processFolderFacts() {
    FolderFacts facts;
    facts.programDir = programFolder();
    std::error_code error;
    facts.currentDir = fs::current_path(error);
    facts.configHome = std::getenv("XDG_CONFIG_HOME");
    facts.home = std::getenv("HOME");
    if (!isSet(facts.home)) {
        // Without HOME, the home folder the system records for the user.
        if (const passwd* user = ::getpwuid(::getuid()); user != nullptr) facts.home = user->pw_dir;
    }
    return facts;
}

fs::path programFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) return program.parent_path();
    // Without /proc, Qt's answer, which holds only a path its text can name.
    return fs::path(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

void makeSettingsFolder(const GameFolders& folders) {
    if (folders.settingsFile.empty()) return;
    // The missing folders, outermost first; each made for the user alone.
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path dir = folders.settingsFile.parent_path();
         !dir.empty() && !fs::exists(dir, error) && dir != dir.parent_path();
         dir = dir.parent_path())
        missing.push_back(dir);
    std::reverse(missing.begin(), missing.end());
    for (const fs::path& dir : missing)
        if (::mkdir(dir.c_str(), S_IRWXU) != 0) return;
}

std::string fileUrl(std::string_view path) {
    constexpr std::string_view HEX = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') ||
            std::string_view("-._~/").find(c) != std::string_view::npos) {
            url += c;
        } else {
            url += '%';
            url += HEX[byte >> 4];
            url += HEX[byte & 15];
        }
    }
    return url;
}

} // namespace narabe
