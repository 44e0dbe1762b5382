#include "controls/HiddenCursor.h"

#include <QCursor>
#include <QGuiApplication>

THiddenCursor::THiddenCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
}

THiddenCursor::~THiddenCursor() {
    QGuiApplication::restoreOverrideCursor();
}

bool THiddenCursor::PlatformMovesCursor() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
