#include "document/Scaling.h"

#include <cmath>
#include <limits>

std::int32_t RoundToInt32(long double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // rint rounds in the current mode, which is to-nearest with ties to even; it is much
    // cheaper than nearbyint, which saves and restores the floating-point environment.
    const long double nearest = std::rint(value);
    if (nearest <= static_cast<long double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (nearest >= static_cast<long double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(nearest);
}

std::int32_t SquareLawValue(std::int32_t Pos, std::int32_t Range, std::int32_t MaxValue) {
    // The order of operations matters for the last bit: 9999 must give 9998.
    const long double root = std::sqrt(static_cast<long double>(MaxValue));
    const long double quotient =
        root * static_cast<long double>(Pos) / static_cast<long double>(Range);
    return RoundToInt32(quotient * quotient);
}

std::int32_t SquareLawPos(std::int32_t Value, std::int32_t Range, std::int32_t MaxValue) {
    const long double ratio =
        std::sqrt(static_cast<long double>(Value)) / std::sqrt(static_cast<long double>(MaxValue));
    return RoundToInt32(ratio * static_cast<long double>(Range));
}

std::int32_t StepPercent(std::int32_t Value, std::int32_t Steps, std::int32_t Max) {
    const long double step = static_cast<long double>(Max) / static_cast<long double>(Steps);
    const std::int32_t n = RoundToInt32(static_cast<long double>(Value) / step);
    // The product is a 32-bit one; unsigned arithmetic keeps its wrap-around defined.
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(n) * 100U);
    return product / Steps;
}
