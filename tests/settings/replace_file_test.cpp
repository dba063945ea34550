// Saving a game record over whatever the chosen name holds, as the user the game runs as (an
// ordinary user also when the tests run as root): a regular file or a new name is written
// whole or not at all; a link is followed only to the user's own record; anything else is
// refused with nothing made or replaced. A written file has the rights 0666 less the umask or
// the plain permission bits of the user's file it replaces, and nothing is left beside it.
#include "common/unprivileged.h"
#include "game/game_record.h"
#include "settings/file_size_limit.h"
#include "settings/settings_fixture.h"
#include "support/files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace narabe::test {
namespace {

namespace fs = std::filesystem;

const std::string OLD = "(;GM[4];B[jj])\n";
const std::string FRESH = "(;FF[4]GM[4]SZ[19];B[jj];W[kk];B[ll])\n";
const std::string REC = "rec.sgf";

// A name of 255 bytes, the most a folder takes: 85 characters of 3 bytes each in UTF-8.
std::string longestName() {
    std::string name;
    for (int i = 0; i < 85; ++i)
        name += "譜";
    return name;
}

void put(const fs::path& file, const std::string& bytes, unsigned mode) {
    putFileBytes(file, bytes);
    fs::permissions(file, static_cast<fs::perms>(mode));
}

const char* replacedName(Replaced r) {
    switch (r) {
    case Replaced::DONE:
        return "done";
    case Replaced::NOT_WRITTEN:
        return "not written";
    case Replaced::IMPOSSIBLE:
        return "impossible";
    case Replaced::REFUSED:
        return "refused";
    }
    return "?";
}

// Every name in the folder with what it holds: type, rights, owner and bytes of a file, the
// target of a link.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat st {};
        EXPECT_EQ(::lstat(entry.path().c_str(), &st), 0) << entry.path();
        std::ostringstream what;
        what << std::oct << (st.st_mode & 07777) << std::dec << " uid " << st.st_uid << " ";
        if (S_ISREG(st.st_mode)) what << "file " << *fileBytes(entry.path());
        if (S_ISLNK(st.st_mode)) what << "link " << fs::read_symlink(entry.path()).string();
        if (S_ISDIR(st.st_mode)) what << "folder";
        if (S_ISFIFO(st.st_mode)) what << "pipe";
        if (S_ISCHR(st.st_mode)) what << "device";
        entries[entry.path().filename().string()] = what.str();
    }
    return entries;
}

std::string fileEntry(unsigned mode, unsigned uid, const std::string& bytes) {
    std::ostringstream what;
    what << std::oct << mode << std::dec << " uid " << uid << " file " << bytes;
    return what.str();
}

struct TargetCase {
    const char* name;
    // Lays out the folder's names, as the tests' user; the target is `target` in it.
    std::function<void(const fs::path& folder)> lay;
    Replaced result;
    std::string written = REC; // the file that holds the record afterwards, when DONE
    unsigned mode = 0;         // its rights; 0 for those of a new file
    std::string target = REC;
    unsigned folderMode = 0755;
    rlim_t sizeLimit = 0; // a write past this many bytes fails (a full disk); 0 for none
    bool needsRoot = false;
    std::vector<std::string> foreign = {}; // names given to root after the handing over
};

const std::vector<TargetCase> TARGETS = {
    {"regular file", [](const fs::path& d) { put(d / REC, OLD, 0640); }, Replaced::DONE, REC, 0640},
    {"shared file", [](const fs::path& d) { put(d / REC, OLD, 0664); }, Replaced::DONE, REC, 0664},
    {"new name", [](const fs::path&) {}, Replaced::DONE},
    {"set-user-id file", [](const fs::path& d) { put(d / REC, OLD, 04755); }, Replaced::DONE, REC,
     0755},
    {"link to own record",
     [](const fs::path& d) {
         put(d / "own.sgf", OLD, 0600);
         fs::create_symlink("own.sgf", d / REC);
     },
     Replaced::DONE, "own.sgf", 0600},
    {"link to own notes",
     [](const fs::path& d) {
         put(d / "notes.txt", "notes\n", 0644);
         fs::create_symlink("notes.txt", d / REC);
     },
     Replaced::REFUSED},
    {"link to another's record",
     [](const fs::path& d) {
         put(d / "theirs.sgf", OLD, 0666);
         fs::create_symlink("theirs.sgf", d / REC);
     },
     Replaced::REFUSED,
     REC,
     0,
     REC,
     0755,
     0,
     true,
     {"theirs.sgf"}},
    {"another's file",
     [](const fs::path& d) { put(d / REC, OLD, 04777); },
     Replaced::DONE,
     REC,
     0,
     REC,
     0755,
     0,
     true,
     {REC}},
    {"dangling link", [](const fs::path& d) { fs::create_symlink("gone.sgf", d / REC); },
     Replaced::REFUSED},
    {"loop of links", [](const fs::path& d) { fs::create_symlink(REC, d / REC); },
     Replaced::REFUSED},
    {"folder", [](const fs::path& d) { fs::create_directory(d / REC); }, Replaced::REFUSED},
    {"pipe", [](const fs::path& d) { ASSERT_EQ(::mkfifo((d / REC).c_str(), 0644), 0); },
     Replaced::REFUSED},
    {"link to a device", [](const fs::path& d) { fs::create_symlink("/dev/null", d / REC); },
     Replaced::REFUSED},
    {"device",
     [](const fs::path& d) {
         ASSERT_EQ(::mknod((d / REC).c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
     },
     Replaced::REFUSED, REC, 0, REC, 0755, 0, true},
    {"name of 255 bytes", [](const fs::path&) {}, Replaced::DONE, longestName(), 0, longestName()},
    {"name of 255 bytes over an old file",
     [](const fs::path& d) { put(d / longestName(), OLD, 0600); }, Replaced::DONE, longestName(),
     0600, longestName()},
    {"read-only folder", [](const fs::path& d) { put(d / REC, OLD, 0666); }, Replaced::IMPOSSIBLE,
     REC, 0, REC, 0555},
    {"full disk", [](const fs::path& d) { put(d / REC, OLD, 0640); }, Replaced::NOT_WRITTEN, REC, 0,
     REC, 0755, 8},
};

TEST(ReplaceFile, EachTargetIsWrittenOrRefusedChangingNothingElse) {
    const unsigned user = ::geteuid() == 0 ? UNPRIVILEGED_ID : ::geteuid();
    for (const TargetCase& c : TARGETS) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && ::geteuid() != 0) continue; // another's file needs root to make
        TempFolder folder(fs::path("/tmp"));           // which every user may reach
        c.lay(folder.path());
        handOver(folder.path());
        for (const std::string& name : c.foreign)
            ASSERT_EQ(::lchown((folder.path() / name).c_str(), 0, 0), 0);
        const auto before = snapshot(folder.path());
        fs::permissions(folder.path(), static_cast<fs::perms>(c.folderMode));

        std::optional<std::vector<std::string>> result;
        {
            FileSizeLimit limit(c.sizeLimit > 0 ? c.sizeLimit : RLIM_INFINITY);
            result = runUnprivileged([&] {
                return std::vector<std::string>{
                    replacedName(replaceFile(folder.path() / c.target, FRESH, readsAsRecord))};
            });
        }
        fs::permissions(folder.path(), fs::perms::owner_all);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, std::vector<std::string>{replacedName(c.result)});
        auto expected = before;
        if (c.result == Replaced::DONE)
            expected[c.written] = fileEntry(c.mode != 0 ? c.mode : createdFileMode(), user, FRESH);
        EXPECT_EQ(snapshot(folder.path()), expected);
    }
}

} // namespace
} // namespace narabe::test
