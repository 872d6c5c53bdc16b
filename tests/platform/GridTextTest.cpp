#include <gtest/gtest.h>

#include "platform/GridText.h"

using namespace vrn;

TEST(GridText, SplitsRowsAtEveryKindOfLineBreak) {
    // text, rows
    const std::pair<const char*, BlockText> cases[] = {
        {"", {}}, {"a", {{"a"}}}, {"a\tb\tc", {{"a", "b", "c"}}}, {"a\tb\rc\td", {{"a", "b"}, {"c", "d"}}},
        {"a\tb\r\nc\td", {{"a", "b"}, {"c", "d"}}}, {"a\tb\nc\td", {{"a", "b"}, {"c", "d"}}},
        // One closing line break ends the last row; a second one is an empty row.
        {"a\r\n", {{"a"}}}, {"a\n", {{"a"}}}, {"a\r\n\r\n", {{"a"}, {""}}}, {"\t", {{"", ""}}},
        {"1,5\t\t2", {{"1,5", "", "2"}}},
    };
    for (const auto& [text, rows] : cases) EXPECT_EQ(splitBlockText(text), rows) << text;
}
