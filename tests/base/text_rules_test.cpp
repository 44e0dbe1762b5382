#include "base/TextRules.h"

#include <gtest/gtest.h>

TEST(IntegerRule, ReadsDecimalIntegersAndEverythingElseAsZero) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    for (const Case c :
         {Case{"100", 100}, Case{"-12", -12}, Case{"+7", 7}, Case{"007", 7}, Case{"", 0},
          Case{"abc", 0}, Case{"12abc", 0}, Case{"1 2", 0}, Case{"+-3", 0}, Case{"-", 0},
          Case{"0x10", 0}, Case{"2147483647", 2147483647}, Case{"-2147483648", -2147483647 - 1},
          Case{"2147483648", 0}, Case{"-99999999999", 0}}) {
        EXPECT_EQ(ParseIntegerOr0(c.text), c.value) << c.text;
    }
}

TEST(SplitLines, EndsLinesAtCrLfLoneCrAndLoneLf) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitLines("a\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\rb"), (Lines{"a", "", "b"}));
}

TEST(TextRules, TrimsControlBytesAndLowersOnlyAsciiLetters) {
    EXPECT_EQ(TrimBlanks("\t\x01 a b \x1f\r"), "a b");
    EXPECT_EQ(TrimRightBlanks("  a  "), "  a");
    EXPECT_EQ(AsciiLower("MyBank.SF2 \xC4\xD6"), "mybank.sf2 \xC4\xD6");
}
