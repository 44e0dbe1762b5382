#pragma once

#include <QObject>

class QEvent;
class TCustomDIBControl;

// A behaviour attached to a skinned control. It sees every event of its control
// before the control handles it, so it reads the control's state as it was.
class TDIBFeature : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }

    virtual void ControlEvent(TCustomDIBControl& control, QEvent& event) = 0;

  private:
    bool active_ = true;
};
