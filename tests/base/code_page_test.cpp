#include "base/Windows1252.h"

#ifdef _WIN32
#include "base/CodePage.h"
#endif

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteIsOneCharacterAndBack) {
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<unsigned char>(value);
        EXPECT_EQ(UnicodeToWindows1252(Windows1252ToUnicode(byte)), byte) << value;
    }
    EXPECT_EQ(Windows1252ToUnicode(0x80), u'\u20AC');
    EXPECT_EQ(Windows1252ToUnicode(0x81), u'\u0081'); // undefined: the C1 control
    EXPECT_EQ(UnicodeToWindows1252(u'\u0416'), std::nullopt);
}

#ifdef _WIN32
// The tests run in a Wine prefix whose code page is Windows-1252.
TEST(CodePage, TextOfTheCodePageGoesBothWaysAndOtherTextIsMarked) {
    const std::string bytes = "Caf\xE9 \x80 5";
    EXPECT_EQ(CodePageToWide(bytes), L"Caf\u00E9 \u20AC 5");
    bool lossy = true;
    EXPECT_EQ(WideToCodePageExactly(L"Caf\u00E9 \u20AC 5", &lossy), bytes);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(WideToCodePageExactly(L"\u0416a", &lossy), "?a");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(CodePageToWide(""), L"");
    EXPECT_EQ(WideToCodePage(L"plain"), "plain");
}
#endif
