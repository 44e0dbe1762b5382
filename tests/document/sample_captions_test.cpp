#include "document/SampleCaptions.h"

#include <gtest/gtest.h>

TEST(SampleCaptions, NumberEntriesFromZeroWithAtLeastThreeDigits) {
    struct Case {
        std::size_t index;
        std::string entry;
        bool layers;
        std::string expected;
    };
    const Case cases[] = {
        {0, "Piano", false, "000: Piano"},
        {12, "bass", false, "012: bass"},
        {1234, "x", false, "1234: x"},
        {3, "", false, "003: "},
        {5, "10", false, "005: 10"},
        // A layer shows the number that the wave field and the file get.
        {0, "0", true, "000: Layer 0"},
        {2, "10", true, "002: Layer 10"},
        {999, "65535", true, "999: Layer 65535"},
        {1, "-3", true, "001: Layer -3"},
        {1, "+4", true, "001: Layer 4"},
        {1, "2147483647", true, "001: Layer 2147483647"},
        // Entries that are no decimal integer count as 0.
        {4, "Piano", true, "004: Layer 0"},
        {4, "", true, "004: Layer 0"},
        {4, "12a", true, "004: Layer 0"},
        {4, " 7", true, "004: Layer 0"},
        {4, "+-7", true, "004: Layer 0"},
        {4, "2147483648", true, "004: Layer 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SampleCaption(c.index, c.entry, c.layers), c.expected) << c.entry;
    }
}

TEST(SampleCaptions, ShowLayersOnlyForNorvexSamplerPrograms) {
    TSampleList samples;
    samples.Assign({"2", "10", "bass"});
    using Captions = std::vector<std::string>;
    EXPECT_EQ(SampleCaptions(samples, "Bank.NSP"),
              (Captions{"000: Layer 10", "001: Layer 2", "002: Layer 0"}));
    EXPECT_EQ(SampleCaptions(samples, "Pads\\soft.nsp"),
              (Captions{"000: Layer 10", "001: Layer 2", "002: Layer 0"}));
    EXPECT_EQ(SampleCaptions(samples, "piano.sf2"), (Captions{"000: 10", "001: 2", "002: bass"}));
    EXPECT_EQ(SampleCaptions(samples, "nsp"), (Captions{"000: 10", "001: 2", "002: bass"}));
    EXPECT_TRUE(SampleCaptions(TSampleList(), "bank.nsp").empty());
}
