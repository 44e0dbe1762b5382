#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Strips whose frames are each one solid colour, so a pixel tells which frame is shown.
QColor FrameColor(int frame);
QImage SolidFrameStrip(int frames, QSize frameSize, qreal devicePixelRatio = 1.0);
