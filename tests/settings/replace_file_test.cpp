// Replacing a whole file, as a game record and the settings file are saved: a write that
// breaks off leaves the old file whole and nothing beside it, a file replaced keeps its
// permission bits, which the new file it is written to would not have, and a link in the
// file's place is replaced or left as the caller asks.
#include "settings/file_size_limit.h"
#include "settings/settings_fixture.h"
#include "support/files.h"

#include <gtest/gtest.h>

namespace narabe::test {
namespace {

namespace fs = std::filesystem;

struct ReplaceCase {
    const char* name;
    fs::perms before; // the old file's bits
    rlim_t sizeLimit; // a write past this many bytes fails; 0 for none
    bool replaced;    // what replaceFile gives
};

TEST(ReplaceFile, WholeOrNotAtAllKeepingThePermissionBits) {
    const std::string old = "(;GM[4];B[jj])\n";
    const std::string fresh = "(;FF[4]GM[4]SZ[19];B[jj];W[kk];B[ll])\n";
    const ReplaceCase cases[] = {
        {"private file", fs::perms::owner_read | fs::perms::owner_write, 0, true},
        {"shared file", static_cast<fs::perms>(0664), 0, true},
        {"write breaks off", static_cast<fs::perms>(0640), 8, false},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const fs::path file = folder.path() / "棋譜.sgf";
        putFileBytes(file, old);
        fs::permissions(file, c.before);
        bool replaced = false;
        {
            FileSizeLimit limit(c.sizeLimit > 0 ? c.sizeLimit : RLIM_INFINITY);
            replaced = replaceFile(file, fresh, AtLink::REPLACE) == Replaced::DONE;
        }
        EXPECT_EQ(replaced, c.replaced);
        EXPECT_EQ(fileBytes(file), c.replaced ? fresh : old);
        EXPECT_EQ(fs::status(file).permissions(), c.before);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"棋譜.sgf"});
    }
}

// A symbolic link where the file should be: replaced by the new file, which takes the bits of
// the file the link names and leaves that file alone, or left as it is, as the caller asks.
TEST(ReplaceFile, ALinkInTheTargetsPlaceIsReplacedOrRefusedAsAsked) {
    const std::string notes = "notes\n";
    const std::string fresh = "(;FF[4]GM[4]SZ[19];B[jj])\n";
    struct LinkCase {
        AtLink atLink;
        Replaced result;
    };
    for (const LinkCase& c : {LinkCase{AtLink::REPLACE, Replaced::DONE},
                              LinkCase{AtLink::REFUSE, Replaced::IMPOSSIBLE}}) {
        SCOPED_TRACE(c.atLink == AtLink::REPLACE ? "replace" : "refuse");
        TempFolder folder;
        const fs::path named = folder.path() / "notes.txt";
        const fs::path file = folder.path() / "棋譜.sgf";
        putFileBytes(named, notes);
        fs::permissions(named, static_cast<fs::perms>(0640));
        fs::create_symlink(named, file);
        EXPECT_EQ(replaceFile(file, fresh, c.atLink), c.result);
        EXPECT_EQ(fileBytes(named), notes);
        if (c.result == Replaced::DONE) {
            EXPECT_FALSE(fs::is_symlink(fs::symlink_status(file)));
            EXPECT_EQ(fileBytes(file), fresh);
            EXPECT_EQ(fs::status(file).permissions(), static_cast<fs::perms>(0640));
        } else {
            EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file)));
        }
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"notes.txt", "棋譜.sgf"}));
    }
}

} // namespace
} // namespace narabe::test
