#include "controls/DIBGlyphButton.h"

#include "controls/DIBImageList.h"
#include "controls/KnobPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>

TDIBGlyphButton::TDIBGlyphButton(QWidget* parent) : TDIBImageStrip(2, parent) {}

void TDIBGlyphButton::SetDown(bool down) {
    if (down != down_) {
        down_ = down;
        update();
    }
}

void TDIBGlyphButton::PaintDIB(QPainter& painter) {
    if (const TDIBImage* glyphs = Strip()) {
        const int glyph = down_ && NumGlyphs() > 1 ? 1 : 0;
        DrawKnobFrame(painter, *glyphs, QPoint(0, 0), glyph, NumGlyphs());
    }
}

void TDIBGlyphButton::mousePressEvent(QMouseEvent* event) {
    TCustomDIBControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        SetDown(true);
    }
}

void TDIBGlyphButton::mouseMoveEvent(QMouseEvent* event) {
    TCustomDIBControl::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton) {
        SetDown(rect().contains(event->position().toPoint()));
    }
}

void TDIBGlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    TCustomDIBControl::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool clicked = down_ && rect().contains(event->position().toPoint());
    SetDown(false);
    if (clicked) {
        emit OnClick(this);
    }
}

void TDIBGlyphButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit OnClick(this);
        event->accept();
        break;
    default:
        TCustomDIBControl::keyPressEvent(event);
        break;
    }
}
