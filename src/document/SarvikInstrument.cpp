#include "document/SarvikInstrument.h"

#include "document/KnobKinds.h"
#include "document/SarvikOscillator.h"
#include "document/SarvikWaveset.h"

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
        ShowWaveMark();
    }
}

void TSarvikInstrument::ShowWaveMark() {
    if (panel_) {
        panel_->SetWaveMissing(oscillator_->Waveset().MissingWaveNote(wave_));
    }
}

void TSarvikInstrument::SetIndex(std::int32_t value) {
    index_ = value;
    if (panel_) {
        panel_->SetNumber(value + 1);
    }
}

std::int32_t TSarvikInstrument::FileVolume() const {
    return FileValue(VolumeKnob, volume_);
}

std::int32_t TSarvikInstrument::FileTranspose() const {
    return FileValue(TransposeKnob, transpose_);
}

std::int32_t TSarvikInstrument::FileHold() const {
    return FileValue(TimeKnob, hold_);
}

std::int32_t TSarvikInstrument::FileBlend() const {
    return FileValue(TimeKnob, blend_);
}

void TSarvikInstrument::SetFileVolume(std::int32_t value) {
    SetVolume(PositionOfFileValue(VolumeKnob, value));
}

void TSarvikInstrument::SetFileTranspose(std::int32_t value) {
    SetTranspose(PositionOfFileValue(TransposeKnob, value));
}

void TSarvikInstrument::SetFileHold(std::int32_t value) {
    SetHold(PositionOfFileValue(TimeKnob, value));
}

void TSarvikInstrument::SetFileBlend(std::int32_t value) {
    SetBlend(PositionOfFileValue(TimeKnob, value));
}

void TSarvikInstrument::Delete() {
    oscillator_->DeleteInstrument(index_);
}
