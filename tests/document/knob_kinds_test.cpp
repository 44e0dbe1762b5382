#include "document/KnobKinds.h"

#include <gtest/gtest.h>

TEST(KnobKinds, ReadoutsAndFileValuesFollowEachKind) {
    struct Case {
        const char* what;
        const KnobKind& kind;
        std::int32_t position;
        const char* readout;
        std::int32_t fileValue;
    };
    const Case cases[] = {
        {"effect at its end", EffectKnob, 512, "100%", 128},
        {"effect one step below", EffectKnob, 511, "100%", 127},
        {"volume", VolumeKnob, 400, "78%", 100},
        {"hold", TimeKnob, 1581, "250 ms", 250},
        {"blend at its end", TimeKnob, 10000, "10000 ms", 10000},
        {"transpose an octave down", TransposeKnob, -96, "-12", -12},
        {"transpose half a semitone", TransposeKnob, 4, "0", 0},
        {"transpose one and a half", TransposeKnob, 12, "1", 1},
        {"transpose below zero truncates toward it", TransposeKnob, -4, "0", 0},
        {"transpose just short of two below", TransposeKnob, -15, "-1", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadoutText(c.kind, c.position), c.readout) << c.what;
        EXPECT_EQ(FileValue(c.kind, c.position), c.fileValue) << c.what;
    }
}

TEST(KnobKinds, TheTransposeReadoutIsTheSavedSemitoneAtEveryPosition) {
    for (std::int32_t position = TransposeKnob.Min; position <= TransposeKnob.Max; ++position) {
        EXPECT_EQ(ReadoutText(TransposeKnob, position),
                  std::to_string(FileValue(TransposeKnob, position)))
            << position;
    }
}

TEST(KnobKinds, StoredValuesGiveTheirPositions) {
    EXPECT_EQ(PositionOfFileValue(EffectKnob, 128), 512);
    EXPECT_EQ(PositionOfFileValue(TransposeKnob, -12), -96);
    EXPECT_EQ(PositionOfFileValue(TimeKnob, 250), 1581);
    EXPECT_EQ(PositionOfFileValue(TimeKnob, -5), 0);
    EXPECT_EQ(PositionOfFileValue(VolumeKnob, 0x7FFFFFFF), 0x7FFFFFFF); // held, not wrapped
    EXPECT_EQ(KindOf(InstrumentKnob::Blend).Max, 10000);
    EXPECT_EQ(KindOf(InstrumentKnob::Transpose).Min, -192);
}

TEST(KnobKinds, ATypedValueGivesThePositionThatReadsAsIt) {
    struct Case {
        const char* what;
        const KnobKind& kind;
        const char* text;
        std::optional<std::int32_t> position;
    };
    const Case cases[] = {
        {"percent", EffectKnob, "50", 256},
        {"percent with its unit", VolumeKnob, " 78 % ", 400},
        {"one percent: the first whole step that reads so", EffectKnob, "1", 8},
        {"above the range", EffectKnob, "250", 512},
        {"below the range", VolumeKnob, "-5", 0},
        {"milliseconds", TimeKnob, "250ms", 1581},
        {"milliseconds past the end", TimeKnob, "99999999999999999999", 10000},
        {"semitones", TransposeKnob, "-12", -96},
        {"semitones with a plus", TransposeKnob, "+3", 24},
        {"semitones past the end", TransposeKnob, "-30", -192},
        {"no number", EffectKnob, "loud", std::nullopt},
        {"a unit alone", TimeKnob, "ms", std::nullopt},
        {"another kind's unit", TransposeKnob, "3%", std::nullopt},
        {"a fraction", VolumeKnob, "2.5", std::nullopt},
        {"empty", TimeKnob, "", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<std::int32_t> position = PositionOfReadout(c.kind, c.text);
        EXPECT_EQ(position, c.position) << c.what;
    }
    // Every whole percentage that a position reads as leads back to such a position.
    for (std::int32_t position = 0; position <= EffectKnob.Max; ++position) {
        const std::string readout = ReadoutText(EffectKnob, position);
        const std::optional<std::int32_t> back = PositionOfReadout(EffectKnob, readout);
        ASSERT_TRUE(back) << readout;
        EXPECT_EQ(ReadoutText(EffectKnob, *back), readout) << position;
    }
}
