#pragma once

#include "controls/DIBImageStrip.h"
#include "controls/KnobTypes.h"

#include <QPoint>

#include <algorithm>

#include <cstdint>
#include <memory>

class THiddenCursor;

// A rotary control drawn from a horizontal strip of frames, turned by dragging
// with the left button or with the arrow and page keys.
class TCustomDIBKnob : public TDIBImageStrip {
    Q_OBJECT
  public:
    explicit TCustomDIBKnob(QWidget* parent = nullptr);
    ~TCustomDIBKnob() override;

    // The setters keep Min < Max and Min <= Position <= Max.
    std::int32_t Min() const { return min_; }
    void SetMin(std::int32_t value);
    std::int32_t Max() const { return max_; }
    void SetMax(std::int32_t value);
    std::int32_t Position() const { return position_; }
    void SetPosition(std::int32_t value);

    TKnobInc SmallChange() const { return smallChange_; }
    void SetSmallChange(int value);
    TKnobInc PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    // Keys and the wheel move to the next multiple of this (at least 1) in their
    // direction, a small change or a page of such multiples at a time; a drag keeps
    // its resolution of one position.
    std::int32_t KeyGrid() const { return keyGrid_; }
    void SetKeyGrid(std::int32_t value) { keyGrid_ = std::max(value, 1); }

    // Throws EDIBKnobError below 1 and keeps the old value.
    void SetNumGlyphs(int value);

    bool DrawTweens() const { return drawTweens_; }
    void SetDrawTweens(bool value);
    bool LoopLastFrame() const { return loopLastFrame_; }
    void SetLoopLastFrame(bool value);

    TKnobOrientation Orientation() const { return orientation_; }
    void SetOrientation(TKnobOrientation value) { orientation_ = value; }

    // The control takes the size of one frame, in logical pixels.
    using TDIBImageStrip::AutoSize;
    using TDIBImageStrip::SetAutoSize;

    // Whether a drag holds the hidden cursor at the press point. Where the
    // platform cannot move the cursor, each move counts from the previous one.
    bool HoldsCursor() const { return holdsCursor_; }
    void SetHoldsCursor(bool value) { holdsCursor_ = value; }
    bool Dragging() const { return dragging_; }

    virtual int FrameIndex() const;

  signals:
    void OnChange(TCustomDIBKnob* sender);

  protected:
    virtual void BeginKnobDrag(QPoint cursor);
    virtual void EndKnobDrag();

    void PaintDIB(QPainter& painter) override;
    // The frame, and a focus frame around it while the knob has the keyboard focus.
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // On a knob that has the focus, one notch (120 eighths of a degree, added up from
    // high-resolution wheels) acts as one arrow key; elsewhere the wheel scrolls.
    void wheelEvent(QWheelEvent* event) override;

  private:
    void Step(std::int64_t delta);
    // `count` keyboard steps up (positive) or down.
    void KeyStep(std::int64_t count);
    void StopDrag();

    std::unique_ptr<THiddenCursor> hiddenCursor_;
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t position_ = 0;
    TKnobInc smallChange_ = 1;
    TKnobInc pageSize_ = 5;
    std::int32_t keyGrid_ = 1;
    int wheelEighths_ = 0;
    bool drawTweens_ = false;
    bool loopLastFrame_ = false;
    TKnobOrientation orientation_ = TKnobOrientation::koVertical;
    bool holdsCursor_;
    bool dragging_ = false;
    bool holdingNow_ = false;
    QPoint dragOrigin_;
    QPoint dragReference_;
};
