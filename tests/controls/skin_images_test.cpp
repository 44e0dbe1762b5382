#include "support/QtTestRegistry.h"

#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/SkinImages.h"

#include <QTest>

#include <memory>

class SkinImagesTest : public QObject {
    Q_OBJECT
  private slots:
    void holdsTheThreeSkinPicturesInOrder_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }
    void holdsTheThreeSkinPicturesInOrder() {
        QFETCH(qreal, ratio);
        std::unique_ptr<TDIBImageList> skin(CreateSkinImages(ratio, nullptr));
        QCOMPARE(skin->objectName(), QStringLiteral("ImglstSkin"));
        QCOMPARE(skin->Count(), 3);
        const struct {
            int Index;
            const char* Name;
            QSize Size;
            bool Masked;
        } expected[] = {{SkinKnob1, "Knob1", {2016, 32}, false},
                        {SkinKnob2, "Knob2", {1632, 32}, true},
                        {SkinBtn1, "Btn1", {44, 18}, false}};
        for (const auto& picture : expected) {
            const TDIBImage* image = skin->Image(picture.Index);
            QVERIFY(image != nullptr);
            QCOMPARE(image->Name, QLatin1String(picture.Name));
            QCOMPARE(image->Size, picture.Size);
            QCOMPARE(image->Masked, picture.Masked);
            QCOMPARE(image->Pixels.size(), (QSizeF(picture.Size) * ratio).toSize());
            QCOMPARE(image->Pixels.devicePixelRatio(), ratio);
            QCOMPARE(skin->IndexOf(QLatin1String(picture.Name)), picture.Index);
        }
    }

    void onlyKnob2IsTransparentOutsideTheKnob() {
        std::unique_ptr<TDIBImageList> skin(CreateSkinImages(1.0, nullptr));
        const QImage& knob1 = skin->Image(SkinKnob1)->Pixels;
        const QImage& knob2 = skin->Image(SkinKnob2)->Pixels;
        const QImage& button = skin->Image(SkinBtn1)->Pixels;
        for (int frame : {0, 25, 50}) {
            QCOMPARE(qAlpha(knob2.pixel(frame * 32, 0)), 0);
            QCOMPARE(qAlpha(knob2.pixel(frame * 32 + 16, 16)), 255);
            QCOMPARE(qAlpha(knob1.pixel(frame * 32, 0)), 255);
        }
        QCOMPARE(qAlpha(button.pixel(11, 9)), 255);
        QCOMPARE(qAlpha(button.pixel(33, 9)), 255);
    }

    void thePointerMovesFromFrameToFrame() {
        std::unique_ptr<TDIBImageList> skin(CreateSkinImages(1.0, nullptr));
        for (int index : {SkinKnob1, SkinKnob2}) {
            const QImage& strip = skin->Image(index)->Pixels;
            const int frames = strip.width() / 32;
            for (int frame = 1; frame < frames; ++frame) {
                QVERIFY2(strip.copy((frame - 1) * 32, 0, 32, 32) !=
                             strip.copy(frame * 32, 0, 32, 32),
                         qPrintable(QStringLiteral("strip %1 frame %2").arg(index).arg(frame)));
            }
        }
        const QImage& button = skin->Image(SkinBtn1)->Pixels;
        QVERIFY(button.copy(0, 0, 22, 18) != button.copy(22, 0, 22, 18));
    }

    void refillingInPlaceKeepsKnobsLinkedAtTheirSize() {
        std::unique_ptr<TDIBImageList> skin(CreateSkinImages(1.0, nullptr));
        TDIBKnob knob;
        knob.SetDIBImageList(skin.get());
        knob.SetIndexMain(SkinKnob1);
        knob.SetNumGlyphs(63);
        FillSkinImages(*skin, 2.0);
        QCOMPARE(skin->Count(), 3);
        QCOMPARE(skin->Image(SkinKnob1)->Pixels.width(), 4032);
        QCOMPARE(knob.DIBImageList(), skin.get());
        QCOMPARE(knob.size(), QSize(32, 32));
    }

    void theSharedListIsForgottenWhenDestroyed() {
        auto skin = std::make_unique<TDIBImageList>();
        SetSkinImages(skin.get());
        QCOMPARE(SkinImages(), skin.get());
        TDIBKnob knob;
        knob.SetDIBImageList(SkinImages());
        skin.reset();
        QCOMPARE(SkinImages(), nullptr);
        QCOMPARE(knob.DIBImageList(), nullptr);
        knob.repaint();
    }
};

static RegisterTest<SkinImagesTest> registered;
#include "skin_images_test.moc"
