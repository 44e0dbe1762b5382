#pragma once

#include "document/SarvikView.h"

#include <cstdint>
#include <memory>
#include <string>

class TSarvikOscillator;

// One instrument of an oscillator. Values are kept in the units of the knobs that
// edit them; the File* accessors convert to and from the units of the text file.
class TSarvikInstrument {
  public:
    explicit TSarvikInstrument(TSarvikOscillator& oscillator);
    virtual ~TSarvikInstrument();
    TSarvikInstrument(const TSarvikInstrument&) = delete;
    TSarvikInstrument& operator=(const TSarvikInstrument&) = delete;

    std::int32_t Volume() const { return volume_; }
    std::int32_t Hold() const { return hold_; }
    std::int32_t Blend() const { return blend_; }
    std::int32_t Transpose() const { return transpose_; }
    const std::string& Wave() const { return wave_; }
    std::int32_t Index() const { return index_; }
    TSarvikOscillator& Oscillator() const { return *oscillator_; }
    InstrumentStrip* Panel() const { return panel_.get(); }

    // These move the strip's controls but leave the document's modified flag alone:
    // the strip's own handlers mark the document when the user turns a knob.
    void SetVolume(std::int32_t value);
    void SetHold(std::int32_t value);
    void SetBlend(std::int32_t value);
    void SetTranspose(std::int32_t value);
    void SetWave(const std::string& value);
    void SetIndex(std::int32_t value);
    // Marks the strip when the waveset does not list the wave, or takes the mark away.
    void ShowWaveMark();

    std::int32_t FileVolume() const;
    std::int32_t FileTranspose() const;
    std::int32_t FileHold() const;
    std::int32_t FileBlend() const;
    void SetFileVolume(std::int32_t value);
    void SetFileTranspose(std::int32_t value);
    void SetFileHold(std::int32_t value);
    void SetFileBlend(std::int32_t value);

    // Removes this instrument from its oscillator; `this` is gone afterwards.
    void Delete();

  private:
    friend class TSarvikOscillator;
    void SetKnob(InstrumentKnob knob, std::int32_t value);

    std::int32_t volume_ = 0;
    std::int32_t hold_ = 0;
    std::int32_t blend_ = 0;
    std::string wave_;
    TSarvikOscillator* oscillator_;
    std::int32_t index_ = 0;
    std::int32_t transpose_ = 0;
    std::unique_ptr<InstrumentStrip> panel_;
};
