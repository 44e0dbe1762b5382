#pragma once

#include "document/SarvikInstrument.h"

#include <cstdint>
#include <memory>
#include <vector>

class TSarvikWaveset;

// One of the document's four oscillators: an ordered list of instruments that is
// never empty after a public operation. `Box` names the column of the window in
// which its strips stand.
class TSarvikOscillator {
  public:
    TSarvikOscillator(TSarvikWaveset& waveset, int box);
    virtual ~TSarvikOscillator();
    TSarvikOscillator(const TSarvikOscillator&) = delete;
    TSarvikOscillator& operator=(const TSarvikOscillator&) = delete;

    const std::vector<std::unique_ptr<TSarvikInstrument>>& Instruments() const {
        return instruments_;
    }
    TSarvikWaveset& Waveset() const { return *waveset_; }
    int Box() const { return box_; }

    TSarvikInstrument& AddInstrument();
    // A new instrument at `index` (clamped to the list), its strip at that place in the
    // box, the instruments below it renumbered; as AddInstrument, it gets the waveset's
    // first entry.
    TSarvikInstrument& InsertInstrument(std::int32_t index);
    void DeleteInstrument(std::int32_t index);
    void ClearInstruments();
    void RenumberInstruments();

  private:
    std::vector<std::unique_ptr<TSarvikInstrument>> instruments_;
    TSarvikWaveset* waveset_;
    int box_;
};
