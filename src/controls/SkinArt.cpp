#include "controls/SkinArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

// The pointer's sweep, in degrees clockwise from straight up.
constexpr double SweepStart = -135.0;
constexpr double SweepSpan = 270.0;

const QColor StripBackground(45, 46, 63);
const QColor Track(24, 25, 34);
const QColor Accent(120, 152, 255);

QImage NewImage(QSize logical, int count, qreal ratio) {
    const int width = static_cast<int>(std::ceil(logical.width() * ratio));
    const int height = static_cast<int>(std::ceil(logical.height() * ratio));
    QImage image(width * count, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    return image;
}

// Qt's arcs start at three o'clock and run counter-clockwise, in sixteenths of a degree.
int ArcAngle(double clockwiseFromUp) {
    return static_cast<int>(std::lround((90.0 - clockwiseFromUp) * 16.0));
}

QPointF OnCircle(QPointF centre, double radius, double clockwiseFromUp) {
    const double radians = clockwiseFromUp * M_PI / 180.0;
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

void PaintArc(QPainter& painter, QPointF centre, double radius, double from, double span,
              const QPen& pen) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(box, ArcAngle(from), -static_cast<int>(std::lround(span * 16.0)));
}

void PaintBody(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.45), radius * 1.6);
    shade.setColorAt(0.0, QColor(104, 107, 124));
    shade.setColorAt(0.55, QColor(52, 54, 68));
    shade.setColorAt(1.0, QColor(22, 23, 30));
    painter.setPen(QPen(QColor(12, 12, 18), 1.0));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
}

void PaintPointer(QPainter& painter, QPointF centre, double inner, double outer, double angle,
                  double width) {
    painter.setPen(QPen(QColor(245, 246, 255), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(OnCircle(centre, inner, angle), OnCircle(centre, outer, angle));
}

void PaintKnob(QPainter& painter, TKnobArt art, QSizeF size, double fraction) {
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double half = std::min(size.width(), size.height()) / 2.0;
    const double angle = SweepStart + SweepSpan * fraction;
    if (art == TKnobArt::Strip) {
        painter.fillRect(QRectF(QPointF(0, 0), size), StripBackground);
        const double arc = half - 2.5;
        PaintArc(painter, centre, arc, SweepStart, SweepSpan,
                 QPen(Track, 3.0, Qt::SolidLine, Qt::FlatCap));
        PaintArc(painter, centre, arc, SweepStart, SweepSpan * fraction,
                 QPen(Accent, 3.0, Qt::SolidLine, Qt::FlatCap));
        PaintBody(painter, centre, half - 6.0);
        PaintPointer(painter, centre, 2.5, half - 8.0, angle, 2.0);
        return;
    }
    PaintBody(painter, centre, half - 0.75);
    const double arc = half - 4.5;
    PaintArc(painter, centre, arc, SweepStart, SweepSpan,
             QPen(QColor(18, 19, 26), 2.5, Qt::SolidLine, Qt::FlatCap));
    PaintArc(painter, centre, arc, SweepStart, SweepSpan * fraction,
             QPen(Accent, 2.5, Qt::SolidLine, Qt::FlatCap));
    PaintPointer(painter, centre, 2.0, half - 7.5, angle, 2.0);
}

void PaintGlyph(QPainter& painter, QSizeF size, bool pressed) {
    const QRectF face = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0.0, pressed ? QColor(52, 72, 140) : QColor(110, 138, 225));
    shade.setColorAt(1.0, pressed ? QColor(70, 96, 180) : QColor(62, 88, 170));
    painter.setPen(QPen(QColor(20, 24, 40), 1.0));
    painter.setBrush(shade);
    painter.drawRoundedRect(face, 3.0, 3.0);

    // A small downward arrow: the button opens a list below it.
    const double shift = pressed ? 1.0 : 0.0;
    const QPointF middle(size.width() / 2.0 + shift, size.height() / 2.0 + shift);
    QPainterPath arrow;
    arrow.moveTo(middle + QPointF(-4.0, -2.0));
    arrow.lineTo(middle + QPointF(4.0, -2.0));
    arrow.lineTo(middle + QPointF(0.0, 2.5));
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 244, 255));
    painter.drawPath(arrow);
}

} // namespace

QImage PaintKnobStrip(TKnobArt art, int frames, QSize frameSize, qreal devicePixelRatio) {
    QImage strip = NewImage(frameSize, frames, devicePixelRatio);
    const double frameWidth = strip.width() / frames / devicePixelRatio;
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < frames; ++frame) {
        painter.save();
        painter.translate(frame * frameWidth, 0.0);
        painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(frameSize)));
        const double fraction = frames > 1 ? static_cast<double>(frame) / (frames - 1) : 0.0;
        PaintKnob(painter, art, QSizeF(frameSize), fraction);
        painter.restore();
    }
    return strip;
}

QImage PaintButtonGlyphs(QSize glyphSize, qreal devicePixelRatio) {
    QImage glyphs = NewImage(glyphSize, 2, devicePixelRatio);
    const double glyphWidth = glyphs.width() / 2 / devicePixelRatio;
    QPainter painter(&glyphs);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int glyph = 0; glyph < 2; ++glyph) {
        painter.save();
        painter.translate(glyph * glyphWidth, 0.0);
        PaintGlyph(painter, QSizeF(glyphSize), glyph == 1);
        painter.restore();
    }
    return glyphs;
}
