// Reading and writing the settings file where rights, links, leftovers, pipes and devices
// stand in the way: a write succeeds exactly where a regular file can be opened for writing,
// goes through a link only to the user's own settings file and keeps the rights of the file it
// replaces. Each case runs as an ordinary user, also when the tests run as root.
#include "common/unprivileged.h"
#include "settings/settings_fixture.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace narabe::test {
namespace {

namespace fs = std::filesystem;

const std::string K = SJIS_BANGOU;
const std::string N0 = "check BANGOU 0";
const std::string B0 = "check BGM 0";
const std::string B1 = "check BGM 1";
const std::string PLAY = "dsPlayLooping 7";
const std::vector<std::string> CLEARED = {N0, B0};
const std::vector<std::string> QUIET = {};

const std::string INI = "Narabe1.ini";
const std::string TMP = "Narabe1.ini.tmp";
const std::string OLD = "BGM=ON\r\n";
// What the write stores: it runs with move numbers checked and music unchecked.
const std::string NEW = K + "=ON\r\nBGM=OFF\r\n";
// Longer than the new content: an in-place write must cut it.
const std::string LONG = "Colour=red\r\nVolume=10\r\n" + K + "=OFF\r\nBGM=ON\r\n";
// Another program's settings in the same shape: keys, "=", values.
const std::string ENVIRONMENT = "PATH=/usr/bin\nEDITOR=vim\n";
const unsigned CREATED = createdFileMode();
// A name of 255 bytes, the most a folder takes: 85 characters of 3 bytes each in UTF-8.
const std::string LONGEST_NAME = [] {
    std::string name;
    for (int i = 0; i < 85; ++i)
        name += "棋";
    return name;
}();

enum class Kind { FILE, FOLDER, LINK, FIFO, SOCKET, NOTHING };

// One name in the test folder. A link's target starting with "@" is taken from the test
// folder's own path, which makes it absolute.
struct Entry {
    std::string path;
    Kind kind;
    std::string data; // a file's bytes or a link's target
    unsigned mode = 0644;
    bool foreign = false; // kept by the superuser, not handed to the ordinary user
};

Entry file(std::string path, std::string bytes, unsigned mode = 0644) {
    return {std::move(path), Kind::FILE, std::move(bytes), mode};
}
Entry folder(std::string path, unsigned mode = 0755) {
    return {std::move(path), Kind::FOLDER, "", mode};
}
Entry link(std::string path, std::string target) {
    return {std::move(path), Kind::LINK, std::move(target)};
}
Entry fifo(std::string path) {
    return {std::move(path), Kind::FIFO, ""};
}
Entry socket(std::string path) {
    return {std::move(path), Kind::SOCKET, ""};
}
Entry nothing(std::string path) {
    return {std::move(path), Kind::NOTHING, ""};
}
// A file that belongs to another user (the superuser) and that the ordinary user may write.
Entry foreignFile(std::string path, std::string bytes) {
    return {std::move(path), Kind::FILE, std::move(bytes), 0666, true};
}

enum class Action { READ, WRITE };

struct AccessCase {
    const char* name;
    Action action;
    unsigned folderMode; // the rights of the folder holding "Narabe1.ini"
    std::vector<Entry> before;
    std::vector<std::string> log; // check marks and sound calls, in order
    std::vector<Entry> after;
    std::vector<std::string> names; // in the test folder and below it afterwards, sorted
    std::string settings = INI;     // the path the game is given, in the test folder
};

const std::vector<AccessCase> CASES = {
    // Rights of the file and of its folder.
    {"write read-only file",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0444)},
     CLEARED,
     {file(INI, OLD, 0444)},
     {INI}},
    {"write file without rights",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0)},
     CLEARED,
     {file(INI, OLD, 0)},
     {INI}},
    {"write write-only file",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0200)},
     QUIET,
     {file(INI, NEW, 0200)},
     {INI}},
    {"write read-only file in read-only folder",
     Action::WRITE,
     0555,
     {file(INI, OLD, 0444)},
     CLEARED,
     {file(INI, OLD, 0444)},
     {INI}},
    {"write no file in read-only folder", Action::WRITE, 0555, {}, CLEARED, {nothing(INI)}, {}},
    {"write new file", Action::WRITE, 0755, {}, QUIET, {file(INI, NEW, CREATED)}, {INI}},
    {"write keeps rights 0600",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0600)},
     QUIET,
     {file(INI, NEW, 0600)},
     {INI}},
    {"write keeps rights 0640",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0640)},
     QUIET,
     {file(INI, NEW, 0640)},
     {INI}},
    {"write keeps rights 0666",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0666)},
     QUIET,
     {file(INI, NEW, 0666)},
     {INI}},
    {"write keeps rights 0604",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0604)},
     QUIET,
     {file(INI, NEW, 0604)},
     {INI}},

    // Special bits and another's rights are not handed on.
    {"write set-user-id file",
     Action::WRITE,
     0755,
     {file(INI, OLD, 04755)},
     QUIET,
     {file(INI, NEW, 0755)},
     {INI}},
    {"write another owner's file",
     Action::WRITE,
     0755,
     {foreignFile(INI, OLD)},
     QUIET,
     {file(INI, NEW, CREATED)},
     {INI}},
    // A name as long as a name can be: the temporary name is shortened to fit beside it.
    {"write name of 255 bytes",
     Action::WRITE,
     0755,
     {},
     QUIET,
     {file(LONGEST_NAME, NEW, CREATED)},
     {LONGEST_NAME},
     LONGEST_NAME},
    {"write name of 255 bytes over an old file",
     Action::WRITE,
     0755,
     {file(LONGEST_NAME, OLD, 0600)},
     QUIET,
     {file(LONGEST_NAME, NEW, 0600)},
     {LONGEST_NAME},
     LONGEST_NAME},

    // Temporary files that a killed write left: the game's own are removed, nothing else.
    {"write removes leftover temporary files",
     Action::WRITE,
     0755,
     {file(INI, OLD), file(INI + ".a1B2c3.tmp", "half"), file(INI + ".zzzzzz.tmp", "")},
     QUIET,
     {file(INI, NEW)},
     {INI}},
    {"write keeps files of other names",
     Action::WRITE,
     0755,
     {file(INI, OLD), file(INI + ".a1B2c.tmp", "a"), file(INI + ".a1B2c3.tmp~", "b"),
      file(INI + ".a1-2c3.tmp", "c"), file("x" + INI + ".a1B2c3.tmp", "d"),
      folder(INI + ".abcdef.tmp")},
     QUIET,
     {file(INI, NEW), file(INI + ".a1B2c.tmp", "a"), file(INI + ".a1B2c3.tmp~", "b"),
      file(INI + ".a1-2c3.tmp", "c"), file("x" + INI + ".a1B2c3.tmp", "d"),
      folder(INI + ".abcdef.tmp")},
     {INI, INI + ".a1-2c3.tmp", INI + ".a1B2c.tmp", INI + ".a1B2c3.tmp~", INI + ".abcdef.tmp",
      "x" + INI + ".a1B2c3.tmp"}},
    {"write keeps another owner's leftover",
     Action::WRITE,
     0755,
     {file(INI, OLD), foreignFile(INI + ".a1B2c3.tmp", "half")},
     QUIET,
     {file(INI, NEW), file(INI + ".a1B2c3.tmp", "half", 0666)},
     {INI, INI + ".a1B2c3.tmp"}},
    {"write leaves a link of the pattern",
     Action::WRITE,
     0755,
     {file(INI, OLD), file("other.txt", "other"), link(INI + ".a1B2c3.tmp", "other.txt")},
     QUIET,
     {file(INI, NEW), file("other.txt", "other"), link(INI + ".a1B2c3.tmp", "other.txt")},
     {INI, INI + ".a1B2c3.tmp", "other.txt"}},

    // Leftovers where the temporary file goes.
    {"write with folder in temporary file's place",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0640), folder(TMP)},
     QUIET,
     {file(INI, NEW, 0640), folder(TMP)},
     {INI, TMP}},
    {"write new file with folder in temporary file's place",
     Action::WRITE,
     0755,
     {folder(TMP)},
     QUIET,
     {file(INI, NEW, CREATED), folder(TMP)},
     {INI, TMP}},
    {"write read-only file with folder in temporary file's place",
     Action::WRITE,
     0755,
     {file(INI, OLD, 0444), folder(TMP)},
     CLEARED,
     {file(INI, OLD, 0444), folder(TMP)},
     {INI, TMP}},
    {"write with read-only leftover temporary file",
     Action::WRITE,
     0755,
     {file(INI, OLD), file(TMP, "half", 0444)},
     QUIET,
     {file(INI, NEW), file(TMP, "half", 0444)},
     {INI, TMP}},
    {"write with link in temporary file's place",
     Action::WRITE,
     0755,
     {file(INI, OLD), file("other.txt", "other"), link(TMP, "other.txt")},
     QUIET,
     {file(INI, NEW), file("other.txt", "other"), link(TMP, "other.txt")},
     {INI, TMP, "other.txt"}},

    // Links to the user's own settings file: the target is written, the link stays.
    {"write link to file beside it",
     Action::WRITE,
     0755,
     {file("real.ini", OLD, 0640), link(INI, "real.ini")},
     QUIET,
     {link(INI, "real.ini"), file("real.ini", NEW, 0640)},
     {INI, "real.ini"}},
    {"write link into subfolder",
     Action::WRITE,
     0755,
     {folder("sub"), file("sub/real.ini", OLD), link(INI, "sub/real.ini")},
     QUIET,
     {link(INI, "sub/real.ini"), file("sub/real.ini", NEW)},
     {INI, "sub", "sub/real.ini"}},
    {"write absolute link",
     Action::WRITE,
     0755,
     {folder("sub"), file("sub/real.ini", OLD), link(INI, "@/sub/real.ini")},
     QUIET,
     {link(INI, "@/sub/real.ini"), file("sub/real.ini", NEW)},
     {INI, "sub", "sub/real.ini"}},
    {"write chain of links",
     Action::WRITE,
     0755,
     {file("real.ini", OLD), link("mid.ini", "real.ini"), link(INI, "mid.ini")},
     QUIET,
     {link(INI, "mid.ini"), link("mid.ini", "real.ini"), file("real.ini", NEW)},
     {INI, "mid.ini", "real.ini"}},
    {"write link with dot-dot through linked folder",
     Action::WRITE,
     0755,
     {folder("a"), folder("a/b"), file("a/real.ini", OLD), link("l", "a/b"),
      link(INI, "l/../real.ini")},
     QUIET,
     {link(INI, "l/../real.ini"), file("a/real.ini", NEW), nothing("real.ini")},
     {INI, "a", "a/b", "a/real.ini", "l"}},
    {"write in linked folder",
     Action::WRITE,
     0755,
     {folder("real"), file("real/Narabe1.ini", OLD, 0640), link("linked", "real")},
     QUIET,
     {link("linked", "real"), file("real/Narabe1.ini", NEW, 0640)},
     {"linked", "real", "real/Narabe1.ini"},
     "linked/Narabe1.ini"},
    {"write new file in linked folder",
     Action::WRITE,
     0755,
     {folder("real"), link("linked", "real")},
     QUIET,
     {file("real/Narabe1.ini", NEW, CREATED)},
     {"linked", "real", "real/Narabe1.ini"},
     "linked/Narabe1.ini"},

    // Any other link is a file the game cannot write: nothing is created or replaced.
    {"write dangling link",
     Action::WRITE,
     0755,
     {link(INI, "new.ini")},
     CLEARED,
     {link(INI, "new.ini"), nothing("new.ini")},
     {INI}},
    {"write link to notes",
     Action::WRITE,
     0755,
     {file("notes.txt", "shopping\r\nmilk\r\n"), link(INI, "notes.txt")},
     CLEARED,
     {link(INI, "notes.txt"), file("notes.txt", "shopping\r\nmilk\r\n")},
     {INI, "notes.txt"}},
    {"write link to empty file",
     Action::WRITE,
     0755,
     {file("empty.txt", ""), link(INI, "empty.txt")},
     CLEARED,
     {link(INI, "empty.txt"), file("empty.txt", "")},
     {INI, "empty.txt"}},
    {"write link to environment file",
     Action::WRITE,
     0755,
     {file("env", ENVIRONMENT), link(INI, "env")},
     CLEARED,
     {link(INI, "env"), file("env", ENVIRONMENT)},
     {INI, "env"}},
    {"write link to settings with a key of another program",
     Action::WRITE,
     0755,
     {file("real.ini", LONG), link(INI, "real.ini")},
     CLEARED,
     {link(INI, "real.ini"), file("real.ini", LONG)},
     {INI, "real.ini"}},
    {"write link to settings with a value the game never writes",
     Action::WRITE,
     0755,
     {file("real.ini", "BGM=on\r\n"), link(INI, "real.ini")},
     CLEARED,
     {link(INI, "real.ini"), file("real.ini", "BGM=on\r\n")},
     {INI, "real.ini"}},
    {"write link to another owner's settings",
     Action::WRITE,
     0755,
     {foreignFile("real.ini", OLD), link(INI, "real.ini")},
     CLEARED,
     {link(INI, "real.ini"), file("real.ini", OLD, 0666)},
     {INI, "real.ini"}},
    {"write link to settings past an oversized one",
     Action::WRITE,
     0755,
     {file("big.ini", std::string(SETTINGS_MAX_BYTES, '=') + "\r\n"), link(INI, "big.ini")},
     CLEARED,
     {link(INI, "big.ini"), file("big.ini", std::string(SETTINGS_MAX_BYTES, '=') + "\r\n")},
     {INI, "big.ini"}},
    {"read link to notes",
     Action::READ,
     0755,
     {file("notes.txt", "shopping\r\nmilk\r\n"), link(INI, "notes.txt")},
     CLEARED,
     {link(INI, "notes.txt"), file("notes.txt", "shopping\r\nmilk\r\n")},
     {INI, "notes.txt"}},
    {"write dangling link into missing folder",
     Action::WRITE,
     0755,
     {link(INI, "absent/new.ini")},
     CLEARED,
     {link(INI, "absent/new.ini")},
     {INI}},
    {"write link to read-only file",
     Action::WRITE,
     0755,
     {file("real.ini", OLD, 0444), link(INI, "real.ini")},
     CLEARED,
     {link(INI, "real.ini"), file("real.ini", OLD, 0444)},
     {INI, "real.ini"}},
    {"write link to writable file in read-only folder",
     Action::WRITE,
     0755,
     {folder("sub", 0555), file("sub/real.ini", OLD), link(INI, "sub/real.ini")},
     QUIET,
     {link(INI, "sub/real.ini"), file("sub/real.ini", NEW)},
     {INI, "sub", "sub/real.ini"}},
    // In place, where no temporary file can be made: the whole new content, nothing after it.
    {"write longer file in read-only folder",
     Action::WRITE,
     0555,
     {file(INI, LONG, 0640)},
     QUIET,
     {file(INI, NEW, 0640)},
     {INI}},
    {"write longer file with folder in temporary file's place",
     Action::WRITE,
     0755,
     {file(INI, LONG), folder(TMP)},
     QUIET,
     {file(INI, NEW), folder(TMP)},
     {INI, TMP}},
    {"write loop of links",
     Action::WRITE,
     0755,
     {link(INI, "loop.ini"), link("loop.ini", INI)},
     CLEARED,
     {link(INI, "loop.ini"), link("loop.ini", INI)},
     {INI, "loop.ini"}},
    {"write link to folder",
     Action::WRITE,
     0755,
     {folder("sub"), link(INI, "sub")},
     CLEARED,
     {link(INI, "sub"), folder("sub")},
     {INI, "sub"}},

    // Names that hold no regular file, also through links: never opened in a way that
    // waits, neither read nor written.
    {"write FIFO", Action::WRITE, 0755, {fifo(INI)}, CLEARED, {fifo(INI)}, {INI}},
    {"write socket", Action::WRITE, 0755, {socket(INI)}, CLEARED, {socket(INI)}, {INI}},
    {"write link to /dev/full",
     Action::WRITE,
     0755,
     {link(INI, "/dev/full")},
     CLEARED,
     {link(INI, "/dev/full")},
     {INI}},
    {"read FIFO", Action::READ, 0755, {fifo(INI)}, CLEARED, {fifo(INI)}, {INI}},
    {"read link to FIFO",
     Action::READ,
     0755,
     {fifo("pipe"), link(INI, "pipe")},
     CLEARED,
     {link(INI, "pipe"), fifo("pipe")},
     {INI, "pipe"}},
    {"read socket", Action::READ, 0755, {socket(INI)}, CLEARED, {socket(INI)}, {INI}},
    {"read link to /dev/full",
     Action::READ,
     0755,
     {link(INI, "/dev/full")},
     CLEARED,
     {link(INI, "/dev/full")},
     {INI}},

    // Reading: where the file cannot be read, the default write follows the same rules.
    {"read file without rights",
     Action::READ,
     0755,
     {file(INI, OLD, 0)},
     CLEARED,
     {file(INI, OLD, 0)},
     {INI}},
    {"read read-only file with broken line",
     Action::READ,
     0755,
     {file(INI, "BGM=ON\r\nbroken\r\n", 0444)},
     {B1, PLAY, N0, B0},
     {file(INI, "BGM=ON\r\nbroken\r\n", 0444)},
     {INI}},
    {"read writable broken file in read-only folder",
     Action::READ,
     0555,
     {file(INI, "broken", 0640)},
     CLEARED,
     {file(INI, DEFAULT_FILE, 0640)},
     {INI}},
    {"read no file in read-only folder", Action::READ, 0555, {}, CLEARED, {nothing(INI)}, {}},
    {"read link to file",
     Action::READ,
     0755,
     {file("real.ini", OLD), link(INI, "real.ini")},
     {B1, PLAY},
     {link(INI, "real.ini"), file("real.ini", OLD)},
     {INI, "real.ini"}},
    {"read dangling link",
     Action::READ,
     0755,
     {link(INI, "new.ini")},
     CLEARED,
     {link(INI, "new.ini"), nothing("new.ini")},
     {INI}},
};

void PrintTo(const AccessCase& c, std::ostream* out) {
    *out << c.name;
}

std::string octal(fs::perms mode) {
    std::ostringstream text;
    text << std::oct << static_cast<unsigned>(mode);
    return text.str();
}

std::string linkTarget(const std::string& data, const fs::path& base) {
    return !data.empty() && data[0] == '@' ? base.string() + data.substr(1) : data;
}

// Leaves a socket's name in the file system, as a server does while it listens.
void bindSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.string().size(), sizeof address.sun_path);
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// Lays out the entries, hands them to the ordinary user and only then sets their rights,
// inner names before the folders holding them, the test folder last.
void lay(const TempFolder& place, const AccessCase& c) {
    for (const Entry& e : c.before) {
        const fs::path path = place.path() / e.path;
        if (e.kind == Kind::FILE) putFileBytes(path, e.data);
        if (e.kind == Kind::FOLDER) fs::create_directory(path);
        if (e.kind == Kind::LINK) fs::create_symlink(linkTarget(e.data, place.path()), path);
        if (e.kind == Kind::FIFO) {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        }
        if (e.kind == Kind::SOCKET) bindSocket(path);
    }
    handOver(place.path());
    for (const Entry& e : c.before) {
        if (e.foreign) {
            ASSERT_EQ(::chown((place.path() / e.path).c_str(), 0, 0), 0);
        }
    }
    for (auto e = c.before.rbegin(); e != c.before.rend(); ++e) {
        if (e->kind == Kind::FILE || e->kind == Kind::FOLDER)
            fs::permissions(place.path() / e->path, static_cast<fs::perms>(e->mode));
    }
    fs::permissions(place.path(), static_cast<fs::perms>(c.folderMode));
}

// What the game does with the file: the log of the check marks and the sound calls.
std::vector<std::string> act(Action action, const fs::path& file) {
    std::vector<std::string> log;
    RecordingMenu menu(log, file);
    FakeSoundLibrary sound(&log);
    if (action == Action::WRITE) {
        menu.preset(true, false);
        writeSettings({menu.options, sound}, BGM_BUFFER, file);
    } else {
        readSettings({menu.options, sound}, BGM_BUFFER, file);
    }
    return log;
}

void expectEntry(const Entry& e, const fs::path& base) {
    SCOPED_TRACE(e.path);
    const fs::path path = base / e.path;
    const fs::file_status status = fs::symlink_status(path);
    switch (e.kind) {
    case Kind::NOTHING:
        EXPECT_FALSE(fs::exists(status));
        break;
    case Kind::FOLDER:
        EXPECT_TRUE(fs::is_directory(status));
        break;
    case Kind::FIFO:
        EXPECT_TRUE(fs::is_fifo(status));
        break;
    case Kind::SOCKET:
        EXPECT_TRUE(fs::is_socket(status));
        break;
    case Kind::LINK:
        ASSERT_TRUE(fs::is_symlink(status));
        EXPECT_EQ(fs::read_symlink(path).string(), linkTarget(e.data, base));
        break;
    case Kind::FILE:
        ASSERT_TRUE(fs::is_regular_file(status));
        EXPECT_EQ(octal(status.permissions()), octal(static_cast<fs::perms>(e.mode)));
        // Let the owner read it, also when the tests do not run as root.
        fs::permissions(path, fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(fileBytes(path), e.data);
        break;
    }
}

class SettingsFileAccess : public ::testing::TestWithParam<AccessCase> {};

TEST_P(SettingsFileAccess, ResultLogAndFiles) {
    const AccessCase& c = GetParam();
    for (const Entry& e : c.before) {
        if (e.foreign && ::geteuid() != 0) GTEST_SKIP() << "another owner's file needs root";
    }
    // Under /tmp, which every user may reach.
    TempFolder place(fs::path("/tmp"));
    lay(place, c);
    const fs::path settings = place.path() / c.settings;

    const auto log = runUnprivileged([&] {
        // A pipe opened in a way that waits would wait for ever: the alarm ends that wait.
        ::alarm(60);
        auto calls = act(c.action, settings);
        ::alarm(0);
        return calls;
    });

    ASSERT_TRUE(log.has_value()) << "the ordinary user's part did not finish";
    EXPECT_EQ(*log, c.log);
    for (const Entry& e : c.after)
        expectEntry(e, place.path());
    EXPECT_EQ(octal(fs::status(place.path()).permissions()),
              octal(static_cast<fs::perms>(c.folderMode)));
    EXPECT_EQ(place.names(), c.names);
    // Another owner's file stays theirs unless it was replaced by the user's new one.
    for (const Entry& e : c.before) {
        struct stat st {};
        if (!e.foreign) continue;
        const bool replaced = std::any_of(c.after.begin(), c.after.end(), [&](const Entry& a) {
            return a.path == e.path && a.data != e.data;
        });
        ASSERT_EQ(::stat((place.path() / e.path).c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, replaced ? UNPRIVILEGED_ID : 0U) << e.path;
    }
}

std::string caseName(const ::testing::TestParamInfo<AccessCase>& param) {
    std::string name;
    for (const char ch : std::string(param.param.name))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsFileAccess, ::testing::ValuesIn(CASES), caseName);

} // namespace
} // namespace narabe::test
