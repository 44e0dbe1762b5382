#include "TestStrips.h"

#include <QPainter>

QColor FrameColor(int frame) {
    return QColor((frame * 37) % 256, (frame * 89 + 60) % 256, (frame * 151 + 120) % 256);
}

QImage SolidFrameStrip(int frames, QSize frameSize, qreal devicePixelRatio) {
    const QSize pixels = (QSizeF(frameSize) * devicePixelRatio).toSize();
    QImage strip(pixels.width() * frames, pixels.height(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&strip);
    for (int frame = 0; frame < frames; ++frame) {
        painter.fillRect(frame * pixels.width(), 0, pixels.width(), pixels.height(),
                         FrameColor(frame));
    }
    painter.end();
    strip.setDevicePixelRatio(devicePixelRatio);
    return strip;
}
