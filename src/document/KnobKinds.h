#pragma once

#include "document/SarvikView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How a knob's position reads out and what the file stores for it.
enum class KnobScale {
    // The file holds the position divided by FileFactor, truncated.
    Linear,
    // The file holds milliseconds on a square-law curve over the knob's range that
    // reaches FileFactor milliseconds at the end.
    SquareLaw,
};
enum class KnobReadout { Percent, Milliseconds, Semitones };

// One kind of knob: its range and steps, the file's unit and the read-out's unit.
struct KnobKind {
    std::int32_t Min;
    std::int32_t Max;
    std::int32_t SmallChange;
    std::int32_t PageSize;
    KnobScale Scale;
    std::int32_t FileFactor;
    KnobReadout Readout;
    // Percent: the whole range in this many steps; Semitones: this many over the range.
    std::int32_t ReadoutSteps;
    // The arrow keys and the wheel move to the next multiple of this in their
    // direction: the positions whose value the file stores exactly. 1 for every
    // position.
    std::int32_t KeyGrid = 1;

    std::int32_t Range() const { return Max - Min; }
};

// Chorus, reverb and delay.
inline constexpr KnobKind EffectKnob{0, 512, 1, 5, KnobScale::Linear, 4, KnobReadout::Percent, 128};
inline constexpr KnobKind VolumeKnob{0, 512, 1, 1, KnobScale::Linear, 4, KnobReadout::Percent, 128};
inline constexpr KnobKind TimeKnob{
    0, 10000, 20, 50, KnobScale::SquareLaw, 10000, KnobReadout::Milliseconds, 0};
inline constexpr KnobKind TransposeKnob{
    -192, 192, 1, 1, KnobScale::Linear, 8, KnobReadout::Semitones, 48, 8};

// The kind of each knob of an instrument strip.
const KnobKind& KindOf(InstrumentKnob knob);

// The value the file stores for `position`, and the position a stored value gives.
std::int32_t FileValue(const KnobKind& kind, std::int32_t position);
std::int32_t PositionOfFileValue(const KnobKind& kind, std::int32_t value);

// What the knob's label shows at `position`: "45%", "250 ms", "-12"; and its number
// alone, in the read-out's unit.
std::string ReadoutText(const KnobKind& kind, std::int32_t position);
std::int32_t ReadoutNumber(const KnobKind& kind, std::int32_t position);

// The position for a value typed in the read-out's unit: a whole number, which the
// unit may follow ("45", "45 %", "250ms", "-12"). A value beyond the knob's range
// gives its end; a percentage gives the position of the first step that reads as
// it, which the file stores exactly. Nothing
// when the text is no such number.
std::optional<std::int32_t> PositionOfReadout(const KnobKind& kind, std::string_view text);
