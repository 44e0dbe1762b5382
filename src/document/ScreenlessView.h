#pragma once

#include "document/SarvikView.h"

#include <cstdint>
#include <memory>
#include <string>

// A view for work without a window (the command line, the fuzzers): it shows nothing
// and keeps no field; what becomes of the messages is the subclass's to say.
class ScreenlessView : public SarvikView {
  public:
    void SetKnobPosition(SarvikKnob, std::int32_t) override {}
    std::string FieldText(SarvikField) const override { return {}; }
    void SetFieldText(SarvikField, const std::string&) override {}
    void ShowPage(SarvikPage) override {}
    void FocusField(SarvikField) override {}
    void ShowText(const std::string&) override {}
    void ClearSamplePopup() override {}
    void ShowWavesetPath(const std::string&, bool) override {}
    void OpenSamplePopup(TSarvikInstrument&) override {}
    std::unique_ptr<InstrumentStrip> BuildStrip(TSarvikInstrument&) override { return nullptr; }
};
