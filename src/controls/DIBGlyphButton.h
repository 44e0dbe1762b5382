#pragma once

#include "controls/DIBImageStrip.h"

// A button drawn from a strip of glyphs: the first when up, the second while it
// is held down. Space and Enter click it when it has the focus.
class TDIBGlyphButton : public TDIBImageStrip {
    Q_OBJECT
  public:
    explicit TDIBGlyphButton(QWidget* parent = nullptr);

    // At least one glyph.
    void SetNumGlyphs(int value) { SetFrameCount(value); }

    bool Down() const { return down_; }

  signals:
    void OnClick(TDIBGlyphButton* sender);

  protected:
    void PaintDIB(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetDown(bool down);

    bool down_ = false;
};
