#include "document/NotesWrap.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

const std::string Seventy = Repeat("abcd ", 14); // 70 columns, ending with a blank

} // namespace

TEST(NotesWrap, BreaksAfterTheLastBreakCharacterOnceColumn70IsPassed) {
    struct Case {
        const char* what;
        std::string notes;
        Lines lines;
    };
    const std::string noBreaks = Repeat("x", 150);
    const Case cases[] = {
        {"empty notes give no line", "", {}},
        {"70 columns stay whole", Seventy, {Seventy}},
        {"the 71st column breaks behind the last blank", Seventy + "x", {Seventy, "x"}},
        {"a blank in column 71 stays on the broken line", Seventy + " y", {Seventy + " ", "y"}},
        {"a blank at the very end adds no line", Seventy + " ", {Seventy + " "}},
        {"a blank before an existing break adds no empty line",
         Seventy + " \r\nnext",
         {Seventy + " ", "next"}},
        {"existing breaks stay and restart the count",
         "one\r\n\r\n" + Seventy,
         {"one", "", Seventy}},
        {"a trailing break adds no empty line", "one\r\n", {"one"}},
        {"a hyphen stays at the end of the broken line",
         Repeat("x", 60) + "-" + Repeat("y", 15),
         {Repeat("x", 60) + "-", Repeat("y", 15)}},
        {"full stops and tabs break too",
         Repeat("x", 60) + ".\t" + Repeat("y", 15),
         {Repeat("x", 60) + ".\t", Repeat("y", 15)}},
        {"a line without break characters is not broken", noBreaks, {noBreaks}},
        {"text in quotes is never broken",
         "say \"" + Repeat("ab ", 30) + "\" end",
         {"say ", "\"" + Repeat("ab ", 30) + "\" ", "end"}},
        {"an unmatched apostrophe stops all further wrapping",
         "don't " + Seventy + Seventy + "\r\n" + Seventy + Seventy,
         {"don't " + Seventy + Seventy, Seventy + Seventy}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrappedNoteLines(c.notes), c.lines) << c.what;
    }
}

TEST(NotesWrap, LongNotesBreakIntoLinesOfAtMost71Columns) {
    const std::string notes = Repeat("word ", 2000);
    const Lines lines = WrappedNoteLines(notes);
    ASSERT_GT(lines.size(), 100u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 71u);
        joined += line;
    }
    EXPECT_EQ(joined, notes);
}

TEST(NotesWrap, OnlyBreaksBetweenTwoLinesWithTextAreJoinedOnReading) {
    struct Case {
        const char* notes;
        bool joined;
    };
    for (const Case c :
         {Case{"", false}, Case{"one", false}, Case{"one\r\ntwo", true},
          Case{"one\r\n\r\ntwo", false}, Case{"one\r\n", false}, Case{"one\r\n  \r\ntwo", false},
          Case{"\r\none", false}, Case{"a\r\n\r\nb\r\nc", true}}) {
        EXPECT_EQ(HasJoinedLineBreak(c.notes), c.joined) << c.notes;
    }
}
