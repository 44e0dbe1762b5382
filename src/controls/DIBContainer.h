#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class TCustomDIBControl;

// The panel that skinned controls stand on. It remembers which of its controls
// last had the keyboard focus and hands the focus back to it when it takes the
// focus itself, so a knob keeps its keys after its container was focused.
class TDIBContainer : public QWidget {
    Q_OBJECT
  public:
    explicit TDIBContainer(QWidget* parent = nullptr);

    QColor Color() const;
    void SetColor(const QColor& color);

    TCustomDIBControl* FocusedControl() const { return focusedControl_; }
    void SetFocusedControl(TCustomDIBControl* control);

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    QPointer<TCustomDIBControl> focusedControl_;
};
