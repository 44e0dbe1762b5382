#include "editor/OscillatorBox.h"

#include "editor/InstrumentStripView.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

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
    // A strip deleted moves those below it up into view.
    strips_->installEventFilter(this);
}

bool TOscillatorBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == strips_ && event->type() == QEvent::LayoutRequest && isVisible()) {
        BuildStripsInView();
    }
    return QScrollArea::eventFilter(watched, event);
}

void TOscillatorBox::PlaceStrip(TStripSlot* slot, int index) {
    layout_->insertWidget(std::clamp(index, 0, layout_->count()), slot);
    // Shown now rather than at the next turn of the event loop, so it can take the focus.
    slot->show();
    if (isVisible()) {
        BuildStripsInView();
    }
}

void TOscillatorBox::BuildStripsInView() {
    // Every strip is as tall as the next, with no margin or spacing between them, so
    // where each lies needs no layout pass.
    const int top = verticalScrollBar()->value();
    const int first = std::max(0, top / StripHeight - 1);
    const int last = (top + viewport()->height()) / StripHeight + 1;
    for (int index = first; index <= last && index < layout_->count(); ++index) {
        if (auto* slot = qobject_cast<TStripSlot*>(layout_->itemAt(index)->widget())) {
            slot->Build();
        }
    }
}

void TOscillatorBox::scrollContentsBy(int dx, int dy) {
    QScrollArea::scrollContentsBy(dx, dy);
    BuildStripsInView();
}

void TOscillatorBox::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    BuildStripsInView();
}

void TOscillatorBox::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    BuildStripsInView();
}

void TOscillatorBox::contextMenuEvent(QContextMenuEvent* event) {
    emit PopupRequested(this, event->globalPos());
}
