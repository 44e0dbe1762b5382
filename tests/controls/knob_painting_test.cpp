#include "TestStrips.h"
#include "support/QtTestRegistry.h"

#include "controls/DIBContainer.h"
#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/KnobPainter.h"
#include "controls/SkinImages.h"

#include <QPainter>
#include <QTest>

#include <cstdlib>
#include <memory>

namespace {

const QColor Background(10, 20, 30);

bool Near(QColor actual, QColor expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QColor Mix(QColor under, QColor over, int weight) {
    auto channel = [weight](int a, int b) { return (a * (255 - weight) + b * weight) / 255; };
    return {channel(under.red(), over.red()), channel(under.green(), over.green()),
            channel(under.blue(), over.blue())};
}

// The blend of the control over its container: (image x opacity + background x
// (255 - opacity) + 255) div 256 per colour byte.
QColor OverBackground(QColor image, int opacity) {
    auto channel = [opacity](int a, int b) {
        return (a * opacity + b * (255 - opacity) + 255) / 256;
    };
    return {channel(image.red(), Background.red()), channel(image.green(), Background.green()),
            channel(image.blue(), Background.blue())};
}

QString Describe(QColor actual, QColor expected) {
    return QStringLiteral("got %1, expected %2").arg(actual.name(), expected.name());
}

} // namespace

class KnobPaintingTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<TDIBContainer> container_;
    std::unique_ptr<TDIBImageList> list_;
    TDIBKnob* knob_ = nullptr;

    QColor PixelAt(QPoint inKnob) {
        const QImage shot = container_->grab(knob_->geometry()).toImage();
        return shot.pixelColor(inKnob);
    }

  private slots:
    void init() {
        list_ = std::make_unique<TDIBImageList>();
        list_->Add(QStringLiteral("Solid"), SolidFrameStrip(51, {32, 32}));
        container_ = std::make_unique<TDIBContainer>();
        container_->SetColor(Background);
        container_->resize(120, 60);
        knob_ = new TDIBKnob(container_.get());
        knob_->move(20, 10);
        knob_->SetDIBImageList(list_.get());
        knob_->SetIndexMain(0);
        knob_->SetNumGlyphs(51);
        knob_->SetMax(512);
    }
    void cleanup() {
        container_.reset();
        list_.reset();
    }

    void paintsTheFrameOfItsPosition_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("frame");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("10") << 10 << 0;
        QTest::newRow("11") << 11 << 1;
        QTest::newRow("252") << 252 << 25;
        QTest::newRow("503") << 503 << 50;
        QTest::newRow("512") << 512 << 50;
    }
    void paintsTheFrameOfItsPosition() {
        QFETCH(int, position);
        QFETCH(int, frame);
        knob_->SetPosition(position);
        for (const QPoint at : {QPoint(0, 0), QPoint(16, 16), QPoint(31, 31)}) {
            const QColor actual = PixelAt(at);
            QVERIFY2(Near(actual, FrameColor(frame), 0),
                     qPrintable(Describe(actual, FrameColor(frame))));
        }
    }

    void tweensBlendTheUpperFrameByItsFraction_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("weight");
        QTest::newRow("half way between 25 and 26") << 256 << false << 25 << 26 << 128;
        QTest::newRow("near frame 1") << 5 << false << 0 << 1 << 127;
        QTest::newRow("whole frame") << 0 << false << 0 << 0 << 0;
        QTest::newRow("Max shows the last frame") << 512 << false << 50 << 50 << 0;
        QTest::newRow("Max loops to the first frame") << 512 << true << 0 << 0 << 0;
        QTest::newRow("below Max blends towards the first") << 511 << true << 50 << 0 << 230;
    }
    void tweensBlendTheUpperFrameByItsFraction() {
        QFETCH(int, position);
        QFETCH(bool, loop);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, weight);
        knob_->SetDrawTweens(true);
        knob_->SetLoopLastFrame(loop);
        knob_->SetPosition(position);
        const QColor expected = Mix(FrameColor(lower), FrameColor(upper), weight);
        const QColor actual = PixelAt({16, 16});
        QVERIFY2(Near(actual, expected, 2), qPrintable(Describe(actual, expected)));
    }

    void opacityBlendsTheKnobOverItsContainer_data() {
        QTest::addColumn<int>("opacity");
        QTest::newRow("200") << 200;
        QTest::newRow("opaque") << 255;
        QTest::newRow("invisible") << 0;
    }
    void opacityBlendsTheKnobOverItsContainer() {
        QFETCH(int, opacity);
        knob_->SetOpacity(opacity);
        knob_->SetPosition(252);
        const QColor expected = OverBackground(FrameColor(25), opacity);
        const QColor actual = PixelAt({16, 16});
        QVERIFY2(Near(actual, expected, 2), qPrintable(Describe(actual, expected)));
    }

    void withoutAnImageTheContainerShowsThrough() {
        knob_->SetIndexMain(7);
        knob_->resize(32, 32);
        QCOMPARE(PixelAt({16, 16}), Background);
    }

    void aMaskedStripShowsTheContainerAroundTheKnob() {
        std::unique_ptr<TDIBImageList> skin(CreateSkinImages(1.0, nullptr));
        knob_->SetDIBImageList(skin.get());
        knob_->SetIndexMain(SkinKnob2);
        knob_->SetDrawTweens(true);
        knob_->SetPosition(256);
        QCOMPARE(knob_->size(), QSize(32, 32));
        QCOMPARE(PixelAt({0, 0}), Background);
        QCOMPARE(PixelAt({31, 31}), Background);
        QVERIFY(PixelAt({16, 24}) != Background);
    }

    void aFrameAtTwiceTheResolutionIsCopiedPixelForPixel() {
        std::unique_ptr<TDIBImageList> skin(CreateSkinImages(2.0, nullptr));
        const TDIBImage& strip = *skin->Image(SkinKnob1);
        QImage target(64, 64, QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(2.0);
        target.fill(Qt::transparent);
        {
            QPainter painter(&target);
            DrawKnobFrame(painter, strip, QPoint(0, 0), 40, 63);
        }
        const QImage expected = strip.Pixels.copy(40 * 64, 0, 64, 64);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                QCOMPARE(target.pixel(x, y), expected.pixel(x, y));
            }
        }
    }
};

static RegisterTest<KnobPaintingTest> registered;
#include "knob_painting_test.moc"
