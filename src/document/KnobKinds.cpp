#include "document/KnobKinds.h"

#include "base/TextRules.h"
#include "document/Scaling.h"

#include <algorithm>

const KnobKind& KindOf(InstrumentKnob knob) {
    switch (knob) {
    case InstrumentKnob::Volume:
        return VolumeKnob;
    case InstrumentKnob::Transpose:
        return TransposeKnob;
    case InstrumentKnob::Hold:
    case InstrumentKnob::Blend:
        break;
    }
    return TimeKnob;
}

std::int32_t FileValue(const KnobKind& kind, std::int32_t position) {
    if (kind.Scale == KnobScale::SquareLaw) {
        return SquareLawValue(position, kind.Range(), kind.FileFactor);
    }
    return position / kind.FileFactor;
}

std::int32_t PositionOfFileValue(const KnobKind& kind, std::int32_t value) {
    if (kind.Scale == KnobScale::SquareLaw) {
        // A negative time has no position on the curve; it means no time at all.
        return value <= 0 ? 0 : SquareLawPos(value, kind.Range(), kind.FileFactor);
    }
    return SaturatedMultiply(value, kind.FileFactor);
}

std::int32_t ReadoutNumber(const KnobKind& kind, std::int32_t position) {
    switch (kind.Readout) {
    case KnobReadout::Percent:
        return StepPercent(position, kind.ReadoutSteps, kind.Range());
    case KnobReadout::Milliseconds:
        return SquareLawValue(position, kind.Range(), kind.FileFactor);
    case KnobReadout::Semitones:
        break;
    }
    // The semitone the file gets: truncated toward zero, never rounded.
    return position / (kind.Range() / kind.ReadoutSteps);
}

std::string ReadoutText(const KnobKind& kind, std::int32_t position) {
    std::string text;
    AppendInteger(text, ReadoutNumber(kind, position));
    if (kind.Readout == KnobReadout::Percent) {
        text += '%';
    } else if (kind.Readout == KnobReadout::Milliseconds) {
        text += " ms";
    }
    return text;
}

namespace {

std::string_view UnitOf(KnobReadout readout) {
    switch (readout) {
    case KnobReadout::Percent:
        return "%";
    case KnobReadout::Milliseconds:
        return "ms";
    case KnobReadout::Semitones:
        break;
    }
    return {};
}

} // namespace

std::optional<std::int32_t> PositionOfReadout(const KnobKind& kind, std::string_view text) {
    text = TrimBlanks(text);
    const std::string_view unit = UnitOf(kind.Readout);
    if (!unit.empty() && text.size() >= unit.size() &&
        EqualsIgnoringAsciiCase(text.substr(text.size() - unit.size()), unit)) {
        text = TrimBlanks(text.substr(0, text.size() - unit.size()));
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Digits beyond what any range needs only push the value further past its end.
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = std::min<std::int64_t>(magnitude * 10 + (c - '0'), std::int64_t{1} << 40);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    std::int64_t position = 0;
    switch (kind.Readout) {
    case KnobReadout::Percent: {
        const std::int64_t percent = std::clamp<std::int64_t>(value, 0, 100);
        const std::int64_t steps = (percent * kind.ReadoutSteps + 99) / 100;
        position = kind.Min + steps * (kind.Range() / kind.ReadoutSteps);
        break;
    }
    case KnobReadout::Milliseconds:
        position = PositionOfFileValue(
            kind, static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, kind.FileFactor)));
        break;
    case KnobReadout::Semitones:
        position = std::clamp<std::int64_t>(value, std::int64_t{kind.Min} / kind.FileFactor,
                                            std::int64_t{kind.Max} / kind.FileFactor) *
                   kind.FileFactor;
        break;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(position, kind.Min, kind.Max));
}
