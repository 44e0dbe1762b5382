#include "document/Scaling.h"

#include <gtest/gtest.h>

#include <limits>

TEST(SquareLaw, KnownPositionsAndValues) {
    struct Case {
        std::int32_t position;
        std::int32_t milliseconds;
    };
    for (const Case c :
         {Case{0, 0}, Case{5000, 2500}, Case{10000, 10000}, Case{9999, 9998}, Case{100, 1}}) {
        EXPECT_EQ(SquareLawValue(c.position, 10000, 10000), c.milliseconds) << c.position;
    }
    for (const Case c : {Case{0, 0}, Case{5000, 2500}, Case{100, 1}, Case{141, 2}, Case{9999, 9999},
                         Case{10000, 10000}}) {
        EXPECT_EQ(SquareLawPos(c.milliseconds, 10000, 10000), c.position) << c.milliseconds;
    }
}

TEST(SquareLaw, MillisecondsUpTo2570SurviveTheRoundTrip) {
    for (std::int32_t ms = 0; ms <= 2570; ++ms) {
        ASSERT_EQ(SquareLawValue(SquareLawPos(ms, 10000, 10000), 10000, 10000), ms);
    }
    EXPECT_EQ(SquareLawValue(SquareLawPos(9999, 10000, 10000), 10000, 10000), 9998);
}

TEST(SquareLaw, HugeValuesSaturateInsteadOfOverflowing) {
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(SquareLawValue(max, 10000, 10000), max);
    EXPECT_EQ(SquareLawValue(std::numeric_limits<std::int32_t>::min(), 10000, 10000), max);
}

TEST(StepPercent, RoundsHalvesToEvenAndTruncatesThePercentage) {
    struct Case {
        std::int32_t value;
        std::int32_t percent;
    };
    for (const Case c : {Case{0, 0}, Case{2, 0}, Case{5, 0}, Case{6, 1}, Case{10, 1}, Case{14, 3},
                         Case{128, 25}, Case{256, 50}, Case{384, 75}, Case{509, 99}, Case{510, 100},
                         Case{511, 100}, Case{512, 100}}) {
        EXPECT_EQ(StepPercent(c.value, 128, 512), c.percent) << c.value;
    }
}

TEST(RoundToInt32, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInt32(0.5L), 0);
    EXPECT_EQ(RoundToInt32(1.5L), 2);
    EXPECT_EQ(RoundToInt32(2.5L), 2);
    EXPECT_EQ(RoundToInt32(-2.5L), -2);
    EXPECT_EQ(RoundToInt32(1e30L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundToInt32(-1e30L), std::numeric_limits<std::int32_t>::min());
}
