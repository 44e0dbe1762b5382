#pragma once

#include "controls/CustomDIBControl.h"

#include <memory>

class TDIBImageLink;
class TDIBImageList;

// A button drawn from a strip of glyphs: the first when up, the second while it
// is held down. Space and Enter click it when it has the focus.
class TDIBGlyphButton : public TCustomDIBControl {
    Q_OBJECT
  public:
    explicit TDIBGlyphButton(QWidget* parent = nullptr);
    ~TDIBGlyphButton() override;

    TDIBImageList* DIBImageList() const;
    void SetDIBImageList(TDIBImageList* list);
    int IndexMain() const;
    void SetIndexMain(int index);

    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);

    bool Down() const { return down_; }

    QSize sizeHint() const override;

  signals:
    void OnClick(TDIBGlyphButton* sender);

  protected:
    void PaintDIB(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ApplySize();
    void SetDown(bool down);

    std::unique_ptr<TDIBImageLink> indexMain_;
    int numGlyphs_ = 2;
    bool down_ = false;
};
