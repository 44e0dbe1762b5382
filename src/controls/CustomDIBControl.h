#pragma once

#include <QChar>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class TDIBFeature;

// A skinned control: it paints into its own off-screen image, which is then
// blended with `Opacity` over whatever its container shows beneath it. Its
// features see each of its events before it handles them.
class TCustomDIBControl : public QWidget {
    Q_OBJECT
  public:
    explicit TCustomDIBControl(QWidget* parent = nullptr);
    ~TCustomDIBControl() override;

    std::uint8_t Opacity() const { return opacity_; }
    void SetOpacity(int opacity);

    // A negative order means a mouse press does not give the control the focus;
    // the Tab key reaches it either way.
    int DIBTabOrder() const { return dibTabOrder_; }
    void SetDIBTabOrder(int order);

    QChar Accelerator() const { return accelerator_; }
    void SetAccelerator(QChar accelerator) { accelerator_ = accelerator; }

    // The control owns its features.
    TDIBFeature* AddFeature(std::unique_ptr<TDIBFeature> feature);
    int FeatureCount() const { return static_cast<int>(features_.size()); }
    TDIBFeature* Feature(int index) const;

    // State as the control has seen it so far; its features read it before the
    // control updates it for the event at hand.
    bool Focused() const { return focused_; }
    bool MouseInControl() const { return mouseInControl_; }
    bool MouseCaptured() const { return mouseCaptured_; }
    void ReleaseMouseCapture() { mouseCaptured_ = false; }

  signals:
    void OnMouseDown(TCustomDIBControl* sender, Qt::MouseButton button);
    void OnMouseUp(TCustomDIBControl* sender, Qt::MouseButton button);

  protected:
    // Draws the control's picture in logical pixels of its own size.
    virtual void PaintDIB(QPainter& painter) = 0;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::vector<std::unique_ptr<TDIBFeature>> features_;
    QImage buffer_;
    std::uint8_t opacity_ = 255;
    int dibTabOrder_ = -1;
    QChar accelerator_;
    bool focused_ = false;
    bool mouseInControl_ = false;
    bool mouseCaptured_ = false;
};
