#pragma once

#include <cstdint>

// Change per pixel of drag, per arrow key or per page key: 1 to 32767.
using TKnobInc = std::uint16_t;
inline constexpr TKnobInc KnobIncMin = 1;
inline constexpr TKnobInc KnobIncMax = 32767;

// The drag axis: up increases a vertical knob, right a horizontal one.
enum class TKnobOrientation { koVertical = 0, koHorizontal = 1 };
