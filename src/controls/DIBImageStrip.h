#pragma once

#include "controls/CustomDIBControl.h"

#include <memory>

class TDIBImageLink;
class TDIBImageList;
struct TDIBImage;

// A skinned control drawn from one picture of an image list: a horizontal strip of
// equal frames (the knob's positions, the glyph button's states). It takes the size
// of one frame, and repaints when the picture changes.
class TDIBImageStrip : public TCustomDIBControl {
    Q_OBJECT
  public:
    ~TDIBImageStrip() override;

    TDIBImageList* DIBImageList() const;
    void SetDIBImageList(TDIBImageList* list);
    // Which picture of the image list is the strip.
    int IndexMain() const;
    void SetIndexMain(int index);

    int NumGlyphs() const { return numGlyphs_; }

    // The size of one frame, in logical pixels.
    QSize sizeHint() const override;

  protected:
    TDIBImageStrip(int numGlyphs, QWidget* parent);

    // The strip, or null when there is none.
    const TDIBImage* Strip() const;
    // The number of frames (at least 1), and the size of one with it.
    void SetFrameCount(int value);
    // Whether the control keeps the size of one frame.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

  private:
    void ApplySize();

    std::unique_ptr<TDIBImageLink> indexMain_;
    int numGlyphs_;
    bool autoSize_ = true;
};
