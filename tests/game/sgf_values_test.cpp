// Values written to a record read back as they were: "]" and "\" are escaped when written,
// and the reader takes the escapes away again, at the end of a value too.
#include "support/sgf.h"

#include <gtest/gtest.h>

#include <string>

namespace narabe {
namespace {

TEST(SgfValues, WrittenValuesReadBackUnchanged) {
    const std::string values[] = {
        "plain",        "NarabeⅠ:1.0", "a]b", "a\\b", "\\]", "]]\\\\",
        "ends with \\", "ends with ]", "\\",  "]",    "",
    };
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        const std::string text = "(;PB[" + sgfEscaped(value) + "]PW[w];B[jj])";
        const SgfMainLine line = readSgfMainLine(text);
        ASSERT_EQ(line.fault, SgfFault::NONE) << text;
        ASSERT_EQ(line.nodes.size(), 2U) << text;
        ASSERT_EQ(line.nodes[0].size(), 2U) << text;
        EXPECT_EQ(line.nodes[0][0].id, "PB");
        EXPECT_EQ(line.nodes[0][0].values, std::vector<std::string>{value});
        EXPECT_EQ(line.nodes[0][1].values, std::vector<std::string>{"w"});
    }
}

} // namespace
} // namespace narabe
