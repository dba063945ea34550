// Running narabe-script as a separate program, as other tools do.
#include "script/script_harness.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace narabe::test {

namespace fs = std::filesystem;

namespace {

const char* const SOUND_FILES[] = {"その他.wav", "禁止.wav", "石打音.wav", "終局.wav", "BGM.wav"};

// "手順番号表示" in Shift-JIS.
const std::string KEY_NUMBERS = "\x8E\xE8\x8F\x87\x94\xD4\x8D\x86\x95\x5C\x8E\xA6";

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

std::vector<std::string> ScriptRun::matching(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.compare(0, prefix.size(), prefix) == 0) out.push_back(l);
    return out;
}

std::size_t ScriptRun::find(const std::string& line, std::size_t from) const {
    for (std::size_t i = from; i < lines.size(); ++i)
        if (lines[i] == line) return i;
    return std::string::npos;
}

ScriptFolder::ScriptFolder() {
    static std::atomic<int> serial{0};
    path_ = fs::temp_directory_path() /
            ("narabe-script-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    fs::remove_all(path_);
    fs::create_directories(path_);
    for (const char* f : SOUND_FILES)
        fs::copy_file(fs::path(NARABE_ASSET_DIR) / f, path_ / f);
}

ScriptFolder::~ScriptFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void ScriptFolder::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ScriptFolder::readFile(const std::string& name) const {
    return slurp(path_ / name);
}

void ScriptFolder::remove(const std::string& name) const {
    fs::remove_all(path_ / name);
}

ScriptRun ScriptFolder::run(const std::string& script, const std::string& options,
                            const std::string& environment) const {
    writeFile(".script", script);
    const std::string cmd = "cd '" + path_.string() + "' && " + environment + " '" +
                            NARABE_SCRIPT_EXE + "' " + options + " .script > .out 2> .err";
    const int raw = std::system(cmd.c_str());
    ScriptRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.folder = path_;
    std::istringstream out(slurp(path_ / ".out"));
    for (std::string l; std::getline(out, l);)
        r.lines.push_back(l);
    r.err = slurp(path_ / ".err");
    fs::remove(path_ / ".script");
    fs::remove(path_ / ".out");
    fs::remove(path_ / ".err");
    return r;
}

int ScriptFolder::runRaw(const std::string& argumentsAndRedirections) const {
    const std::string cmd =
        "cd '" + path_.string() + "' && '" + NARABE_SCRIPT_EXE + "' " + argumentsAndRedirections;
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> f;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        f.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return f;
}

std::string settingsBytes(bool numbers, bool music) {
    return KEY_NUMBERS + "=" + (numbers ? "ON" : "OFF") + "\r\nBGM=" + (music ? "ON" : "OFF") +
           "\r\n";
}

std::string defaultSettingsBytes() {
    return settingsBytes(false, false);
}

} // namespace narabe::test
