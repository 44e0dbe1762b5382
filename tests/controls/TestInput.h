#pragma once

#include <QEvent>
#include <QPoint>

class QWidget;

// Mouse events delivered straight to a widget, with the global position that a
// real cursor at `local` would have.
void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons);
void SendEnter(QWidget* widget, QPoint local);
void SendPlain(QWidget* widget, QEvent::Type type);
void SendFocus(QWidget* widget, QEvent::Type type);
