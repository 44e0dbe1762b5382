#pragma once

#include <cstdint>

// Conversions between knob positions and the values shown or stored.
// Intermediates are extended precision; "nearest" rounds halves to even.

// A knob position on a scale of `Range` to a value on a square-law curve reaching
// `MaxValue` at `Range`.
std::int32_t SquareLawValue(std::int32_t Pos, std::int32_t Range, std::int32_t MaxValue);

// The inverse of SquareLawValue: a value back to a knob position.
std::int32_t SquareLawPos(std::int32_t Value, std::int32_t Range, std::int32_t MaxValue);

// A position on a scale of `Max`, reduced to `Steps` equal steps, as a whole percentage.
std::int32_t StepPercent(std::int32_t Value, std::int32_t Steps, std::int32_t Max);

// Nearest integer, halves to even, saturated to the 32-bit range (NaN gives 0).
std::int32_t RoundToInt32(long double value);
