// Replacing a whole file, as a game record is saved: a write that breaks off leaves the old
// file whole and nothing beside it, and a file replaced keeps its permission bits, which the
// new file it is written to would not have.
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
            replaced = replaceFile(file, fresh);
        }
        EXPECT_EQ(replaced, c.replaced);
        EXPECT_EQ(fileBytes(file), c.replaced ? fresh : old);
        EXPECT_EQ(fs::status(file).permissions(), c.before);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"棋譜.sgf"});
    }
}

} // namespace
} // namespace narabe::test
