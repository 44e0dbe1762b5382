#include "TestInput.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void SendEnter(QWidget* widget, QPoint local) {
    const QPointF at(local);
    QEnterEvent event(at, at, QPointF(widget->mapToGlobal(local)));
    QApplication::sendEvent(widget, &event);
}

void SendPlain(QWidget* widget, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
}

void SendFocus(QWidget* widget, QEvent::Type type) {
    QFocusEvent event(type, Qt::OtherFocusReason);
    QApplication::sendEvent(widget, &event);
}
