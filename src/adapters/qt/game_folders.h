// Where the desktop program keeps its files. Started in a folder that holds the game's five
// sound files (its build folder, a portable copy), it keeps everything there, as it always
// has. Otherwise it reads its sounds and help page from the data folder installed beside
// it, found from the program's own folder, so that a copy unpacked under any prefix works,
// and keeps its settings in the user's configuration folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace narabe {

struct GameFolders {
    // The sounds and the help page; empty for the current directory.
    std::filesystem::path dataDir;
    // The settings file; empty for "Narabe1.ini" in the current directory.
    std::filesystem::path settingsFile;
};

// What the choice depends on: the program's folder, the current directory, and the values
// of XDG_CONFIG_HOME and HOME (nullptr when unset).
struct FolderFacts {
    std::filesystem::path programDir;
    std::filesystem::path currentDir;
    const char* configHome = nullptr;
    const char* home = nullptr;
};

// The installed data folder relative to the program's folder, such as "../share/narabe1".
std::filesystem::path installedDataFromProgram();

// Whether the folder holds all five of the game's sound files.
bool holdsGameSounds(const std::filesystem::path& folder);

// Chooses the folders. The data folder is the current directory when that holds the
// sounds; else the installed data folder when it holds them; else the program's own folder
// when it holds them; else the installed data folder. The settings stay in the current
// directory with the sounds, and otherwise go to $XDG_CONFIG_HOME/narabe1 (an absolute
// path; else ~/.config/narabe1).
GameFolders chooseGameFolders(const FolderFacts& facts);

// The facts of this process: its program file's folder, current directory and environment.
FolderFacts processFolderFacts();

// The folder of this process's program file as the bytes of its path, whatever their
// encoding (a folder name that is not UTF-8 stays as it is on the disk).
std::filesystem::path programFolder();

// Creates the settings file's folder, and the folders above it that are missing, for the
// user alone (mode 0700). Does nothing when the settings stay in the current directory.
// A folder that cannot be made is left to the settings file's own failure handling.
void makeSettingsFolder(const GameFolders& folders);

// The file URL of an absolute path, made from the path's bytes: every byte other than a
// letter, a digit, "-", ".", "_", "~" and "/" is percent-encoded, so that a folder named in
// any encoding, UTF-8 or not, reaches the browser as it is on the disk.
std::string fileUrl(std::string_view path);

} // namespace narabe
