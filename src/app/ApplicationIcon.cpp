#include "app/ApplicationIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon ApplicationIcon() {
    QSvgRenderer renderer(QStringLiteral(":/quillkit.svg"));
    QIcon drawn;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        drawn.addPixmap(pixmap);
    }
    return drawn;
}
