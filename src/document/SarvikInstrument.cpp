#include "document/SarvikInstrument.h"

#include "document/SarvikOscillator.h"
#include "document/Scaling.h"
#include "document/TextRules.h"

namespace {

// Hold and blend knobs run from 0 to 10000 on a square-law curve up to 10000 ms.
constexpr std::int32_t SquareLawRange = 10000;
constexpr std::int32_t SquareLawMax = 10000;

std::int32_t MillisecondsFromPosition(std::int32_t position) {
    return SquareLawValue(position, SquareLawRange, SquareLawMax);
}

std::int32_t PositionFromMilliseconds(std::int32_t ms) {
    // A negative time has no position on the curve; it means no time at all.
    return ms <= 0 ? 0 : SquareLawPos(ms, SquareLawRange, SquareLawMax);
}

} // namespace

TSarvikInstrument::TSarvikInstrument(TSarvikOscillator& oscillator) : oscillator_(&oscillator) {}

TSarvikInstrument::~TSarvikInstrument() = default;

void TSarvikInstrument::SetKnob(InstrumentKnob knob, std::int32_t value) {
    if (panel_) {
        panel_->SetKnobPosition(knob, value);
    }
}

void TSarvikInstrument::SetVolume(std::int32_t value) {
    volume_ = value;
    SetKnob(InstrumentKnob::Volume, value);
}

void TSarvikInstrument::SetHold(std::int32_t value) {
    hold_ = value;
    SetKnob(InstrumentKnob::Hold, value);
}

void TSarvikInstrument::SetBlend(std::int32_t value) {
    blend_ = value;
    SetKnob(InstrumentKnob::Blend, value);
}

void TSarvikInstrument::SetTranspose(std::int32_t value) {
    transpose_ = value;
    SetKnob(InstrumentKnob::Transpose, value);
}

void TSarvikInstrument::SetWave(const std::string& value) {
    wave_ = value;
    if (panel_) {
        panel_->SetWaveText(value);
    }
}

void TSarvikInstrument::SetIndex(std::int32_t value) {
    index_ = value;
    if (panel_) {
        panel_->SetNumber(value + 1);
    }
}

std::int32_t TSarvikInstrument::FileVolume() const {
    return volume_ / 4;
}

std::int32_t TSarvikInstrument::FileTranspose() const {
    return transpose_ / 8;
}

std::int32_t TSarvikInstrument::FileHold() const {
    return MillisecondsFromPosition(hold_);
}

std::int32_t TSarvikInstrument::FileBlend() const {
    return MillisecondsFromPosition(blend_);
}

void TSarvikInstrument::SetFileVolume(std::int32_t value) {
    SetVolume(SaturatedMultiply(value, 4));
}

void TSarvikInstrument::SetFileTranspose(std::int32_t value) {
    SetTranspose(SaturatedMultiply(value, 8));
}

void TSarvikInstrument::SetFileHold(std::int32_t value) {
    SetHold(PositionFromMilliseconds(value));
}

void TSarvikInstrument::SetFileBlend(std::int32_t value) {
    SetBlend(PositionFromMilliseconds(value));
}

void TSarvikInstrument::Delete() {
    oscillator_->DeleteInstrument(index_);
}
