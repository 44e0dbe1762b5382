#include "editor/OscillatorBox.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <QVBoxLayout>

TOscillatorBox::TOscillatorBox(int tag, QWidget* parent) : QScrollArea(parent), tag_(tag) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    setFrameShape(QFrame::StyledPanel);
    strips_ = new QWidget;
    strips_->setAutoFillBackground(false);
    layout_ = new QVBoxLayout(strips_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setAlignment(Qt::AlignTop);
    setWidget(strips_);
    viewport()->setAutoFillBackground(true);
}

void TOscillatorBox::AppendStrip(QWidget* strip) {
    layout_->addWidget(strip);
    // Shown now rather than at the next turn of the event loop, so it can take the focus.
    strip->show();
}

void TOscillatorBox::contextMenuEvent(QContextMenuEvent* event) {
    emit PopupRequested(this, event->globalPos());
}
