#include "document/KnobKinds.h"

#include "base/TextRules.h"
#include "document/Scaling.h"

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

std::string ReadoutText(const KnobKind& kind, std::int32_t position) {
    std::string text;
    switch (kind.Readout) {
    case KnobReadout::Percent:
        AppendInteger(text, StepPercent(position, kind.ReadoutSteps, kind.Range()));
        text += '%';
        break;
    case KnobReadout::Milliseconds:
        AppendInteger(text, SquareLawValue(position, kind.Range(), kind.FileFactor));
        text += " ms";
        break;
    case KnobReadout::Semitones:
        // The semitone the file gets: truncated toward zero, never rounded.
        AppendInteger(text, position / (kind.Range() / kind.ReadoutSteps));
        break;
    }
    return text;
}
