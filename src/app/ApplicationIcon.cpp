#include "app/ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon ApplicationIcon() {
    QSvgRenderer renderer(QStringLiteral(":/quillkit.svg"));
    QIcon drawn;
    // The sizes of title bars, taskbars and window lists. Every size is drawn at start
    // and, under X11, sent to the server with the window: 128 and 256 pixels cost a
    // fifth of the start-up, and launchers take the installed icon instead.
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        drawn.addPixmap(pixmap);
    }
    return drawn;
}
