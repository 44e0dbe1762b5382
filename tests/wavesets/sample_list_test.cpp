#include "wavesets/SampleList.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    TSampleList list;
    list.Assign(std::move(names));
    return list.Names();
}

} // namespace

TEST(SampleList, SortsByFoldedAsciiLettersThenBytesAndNeverNumerically) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(Sorted({"Piano", "bass", "Organ"}), (Names{"bass", "Organ", "Piano"}));
    EXPECT_EQ(Sorted({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}),
              (Names{"0", "1", "10", "11", "2", "3", "4", "5", "6", "7", "8", "9"}));
    // Names equal under the order keep the order in which they came.
    EXPECT_EQ(Sorted({"BASS", "Bass", "bass", "BASS"}), (Names{"BASS", "Bass", "bass", "BASS"}));
    // '_' (0x5F) lies between the upper- and lower-case letters; letters fold first.
    EXPECT_EQ(Sorted({"b", "_", "A", "\xE9", "", "a"}), (Names{"", "_", "A", "a", "b", "\xE9"}));
    EXPECT_EQ(Sorted({"ab", "A"}), (Names{"A", "ab"}));
}
