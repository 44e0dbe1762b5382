#include "controls/HighlightDIB.h"

#include "controls/CustomDIBControl.h"

#include <QEvent>
#include <QMouseEvent>

#include <algorithm>

void THighlightDIB::SetHighlightOpacity(int opacity) {
    highlightOpacity_ = static_cast<std::uint8_t>(std::clamp(opacity, 0, 255));
}

void THighlightDIB::Highlight(TCustomDIBControl& control) {
    savedOpacity_ = control.Opacity();
    control.SetOpacity(highlightOpacity_);
}

void THighlightDIB::ControlEvent(TCustomDIBControl& control, QEvent& event) {
    switch (event.type()) {
    case QEvent::Enter:
        if (!control.Focused() && !control.MouseCaptured()) {
            Highlight(control);
        }
        break;
    case QEvent::Leave:
        if (!control.Focused() && !control.MouseCaptured()) {
            control.SetOpacity(savedOpacity_);
        }
        break;
    case QEvent::FocusIn:
        if (!control.Focused() && !control.MouseInControl()) {
            Highlight(control);
        }
        break;
    case QEvent::FocusOut:
        if (control.Focused() && !control.MouseInControl()) {
            control.SetOpacity(savedOpacity_);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent&>(event).button() == Qt::LeftButton) {
            control.ReleaseMouseCapture();
        }
        break;
    default:
        break;
    }
}
