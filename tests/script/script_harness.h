// Runs narabe-script in a fresh folder holding the game's sound files (and, when given, a
// settings file), and splits its transcript into lines and fields.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace narabe::test {

struct ScriptRun {
    int status = -1;
    std::vector<std::string> lines; // the transcript, one event a line
    std::string err;                // what it wrote on standard error
    std::filesystem::path folder;   // where it ran (removed with the ScriptFolder)

    // Lines starting with `prefix` (a whole first field and more, e.g. "msgbox\t").
    [[nodiscard]] std::vector<std::string> matching(const std::string& prefix) const;
    [[nodiscard]] std::size_t count(const std::string& prefix) const {
        return matching(prefix).size();
    }
    // Index of the first line equal to `line` at or after `from`, or npos.
    [[nodiscard]] std::size_t find(const std::string& line, std::size_t from = 0) const;
};

// A temporary folder with copies of the five sound files, removed on destruction.
class ScriptFolder {
  public:
    ScriptFolder();
    ~ScriptFolder();
    ScriptFolder(const ScriptFolder&) = delete;
    ScriptFolder& operator=(const ScriptFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    void writeFile(const std::string& name, const std::string& bytes) const;
    [[nodiscard]] std::string readFile(const std::string& name) const;
    void remove(const std::string& name) const;

    // Runs the script with the given options and environment assignments ("NAME=value"
    // words); the folder is the current directory.
    ScriptRun run(const std::string& script, const std::string& options = "",
                  const std::string& environment = "") const;

    // Runs narabe-script in the folder with a shell command line's arguments and
    // redirections as given; returns its exit status.
    int runRaw(const std::string& argumentsAndRedirections) const;

  private:
    std::filesystem::path path_;
};

std::vector<std::string> splitFields(const std::string& line);

// The settings file as the game writes it by default ("手順番号表示=OFF", "BGM=OFF").
std::string defaultSettingsBytes();
// A settings file with the given values, Shift-JIS key, CR LF lines.
std::string settingsBytes(bool numbers, bool music);

} // namespace narabe::test
