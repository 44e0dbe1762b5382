#include "base/LineChange.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the change says to do, done: the old text's lines replaced by the new ones.
std::string Applied(const std::string& before, const std::string& after, const LineChange& c) {
    return before.substr(0, c.Begin) + after.substr(c.Begin, c.NewEnd - c.Begin) +
           before.substr(c.OldEnd);
}

bool AtLineStart(const std::string& text, std::size_t at) {
    return at == 0 || at == text.size() || text[at - 1] == '\n';
}

} // namespace

TEST(LineChange, NamesTheWholeLinesThatDiffer) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
        std::size_t firstLine;
        std::size_t oldLines;
    };
    const Case cases[] = {
        {"one value in a middle line", "a\r\nvolume = 12\r\nc\r\n", "a\r\nvolume = 13\r\nc\r\n", 1,
         1},
        {"a line that grows", "a\nb\nc\n", "a\nbb\nc\n", 1, 1},
        {"a line added", "a\nc\n", "a\nb\nc\n", 1, 0},
        {"a line taken away", "a\nb\nc\n", "a\nc\n", 1, 1},
        {"a repeated line added", "x\nx\n", "x\nx\nx\n", 2, 0},
        {"the first line", "a\nb\n", "z\nb\n", 0, 1},
        {"the last line, without a break", "a\nb", "a\nc", 1, 0},
        {"a break at the end added", "a\nb", "a\nb\n", 1, 0},
        {"all of it", "abc", "xyz", 0, 0},
        {"from nothing", "", "a\nb\n", 0, 0},
        {"to nothing", "a\nb\n", "", 0, 2},
        {"the same text", "a\nb\n", "a\nb\n", 2, 0},
    };
    for (const Case& c : cases) {
        const LineChange change = ChangedLines(c.before, c.after);
        EXPECT_EQ(Applied(c.before, c.after, change), c.after) << c.what;
        EXPECT_TRUE(AtLineStart(c.before, change.Begin)) << c.what;
        EXPECT_TRUE(AtLineStart(c.before, change.OldEnd)) << c.what;
        EXPECT_TRUE(AtLineStart(c.after, change.NewEnd)) << c.what;
        EXPECT_EQ(change.FirstLine, c.firstLine) << c.what;
        EXPECT_EQ(change.OldLines, c.oldLines) << c.what;
        EXPECT_EQ(change.None(), c.before == c.after) << c.what;
    }
}
