#pragma once

#include "controls/DIBFeature.h"

#include <cstdint>

// Draws its control with `HighlightOpacity` while the mouse is over it or it has
// the keyboard focus, and with its own opacity otherwise.
class THighlightDIB : public TDIBFeature {
    Q_OBJECT
    Q_PROPERTY(int HighlightOpacity READ HighlightOpacity WRITE SetHighlightOpacity)
  public:
    using TDIBFeature::TDIBFeature;

    std::uint8_t HighlightOpacity() const { return highlightOpacity_; }
    void SetHighlightOpacity(int opacity);

    void ControlEvent(TCustomDIBControl& control, QEvent& event) override;

  private:
    void Highlight(TCustomDIBControl& control);

    std::uint8_t highlightOpacity_ = 255;
    std::uint8_t savedOpacity_ = 255;
};
