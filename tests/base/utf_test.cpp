#include "base/Utf.h"

#include <gtest/gtest.h>

TEST(Utf8, MalformedBytesBecomeOneReplacementEachAndTheRestReadsOn) {
    constexpr char16_t R = u'\uFFFD';
    struct Case {
        const char* what;
        std::string bytes;
        std::u16string text;
    };
    const Case cases[] = {
        {"plain and two-, three- and four-byte forms", "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5",
         u"a\u00E9\u20AC\U0001F3B5"},
        {"overlong NUL", "\xC0\x80z", {R, R, u'z'}},
        {"overlong slash of three bytes", "\xE0\x80\xAF", {R, R, R}},
        {"a surrogate", "\xED\xA0\x80", {R, R, R}},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", {R, R, R, R}},
        {"the largest value", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"cut at the end", "ab\xE2\x82", {u'a', u'b', R, R}},
        {"a lone continuation byte", "\x80x", {R, u'x'}},
        {"a lead byte that no form has", "\xF8\x88\x80\x80\x80", {R, R, R, R, R}},
        {"a continuation missing in the middle", "\xE2(\xA1", {R, u'(', R}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.bytes), c.text) << c.what;
    }
}

TEST(Utf16, LoneSurrogatesBecomeReplacementsAndPairsOneCharacter) {
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F3B5"), "\xF0\x9F\x8E\xB5");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xD800), u'b'}), "a\xEF\xBF\xBD"
                                                                         "b");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDC00)}), "\xEF\xBF\xBD");
}
