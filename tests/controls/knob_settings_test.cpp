#include "TestStrips.h"
#include "support/QtTestRegistry.h"

#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/DIBKnobError.h"
#include "controls/KnobFrames.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

constexpr int IntMin = std::numeric_limits<int>::min();
constexpr int IntMax = std::numeric_limits<int>::max();

} // namespace

class KnobSettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void startsWithItsDefaults() {
        TDIBKnob knob;
        QCOMPARE(knob.Min(), 0);
        QCOMPARE(knob.Max(), 100);
        QCOMPARE(knob.Position(), 0);
        QCOMPARE(knob.SmallChange(), 1);
        QCOMPARE(knob.PageSize(), 5);
        QCOMPARE(knob.NumGlyphs(), 1);
        QVERIFY(!knob.DrawTweens());
        QVERIFY(!knob.LoopLastFrame());
        QCOMPARE(knob.Orientation(), TKnobOrientation::koVertical);
        QVERIFY(knob.AutoSize());
        QCOMPARE(knob.Opacity(), 255);
        QVERIFY(!knob.Dragging());
        QCOMPARE(knob.DIBImageList(), nullptr);
    }

    void positionClampsAndReportsOnlyRealChanges_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("changes");
        QTest::newRow("600 on 0..512 stores 512") << 0 << 512 << 0 << 600 << 512 << 1;
        QTest::newRow("512 again changes nothing") << 0 << 512 << 512 << 512 << 512 << 0;
        QTest::newRow("below Min stores Min") << 0 << 512 << 100 << -5 << 0 << 1;
        QTest::newRow("below Min while at Min") << 0 << 512 << 0 << -5 << 0 << 0;
        QTest::newRow("inside a negative range") << -192 << 192 << 0 << -12 << -12 << 1;
    }
    void positionClampsAndReportsOnlyRealChanges() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, start);
        QFETCH(int, value);
        QFETCH(int, expected);
        QFETCH(int, changes);
        TDIBKnob knob;
        knob.SetMax(max);
        knob.SetMin(min);
        knob.SetPosition(start);
        QSignalSpy spy(&knob, &TCustomDIBKnob::OnChange);
        knob.SetPosition(value);
        QCOMPARE(knob.Position(), expected);
        QCOMPARE(spy.count(), changes);
        if (changes > 0) {
            QCOMPARE(spy.first().first().value<TCustomDIBKnob*>(), &knob);
        }
    }

    void boundsPushEachOtherAndDragPositionAlong_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("bound");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expectedMin");
        QTest::addColumn<int>("expectedMax");
        QTest::addColumn<int>("expectedPosition");
        QTest::addColumn<int>("changes");
        QTest::newRow("Max 0 with Min 0 makes Min -1") << 50 << "Max" << 0 << -1 << 0 << 0 << 1;
        QTest::newRow("Max 0 with Position already 0") << 0 << "Max" << 0 << -1 << 0 << 0 << 0;
        QTest::newRow("Max below Position") << 80 << "Max" << 60 << 0 << 60 << 60 << 1;
        QTest::newRow("Max below Min") << 0 << "Max" << -10 << -11 << -10 << -10 << 1;
        QTest::newRow("Min above Max") << 0 << "Min" << 200 << 200 << 201 << 200 << 1;
        QTest::newRow("Min above Position") << 5 << "Min" << 20 << 20 << 100 << 20 << 1;
        QTest::newRow("Min below everything") << 5 << "Min" << -20 << -20 << 100 << 5 << 0;
        QTest::newRow("Min at the largest integer")
            << 0 << "Min" << IntMax << IntMax - 1 << IntMax << IntMax - 1 << 1;
        QTest::newRow("Max at the smallest integer")
            << 0 << "Max" << IntMin << IntMin << IntMin + 1 << IntMin + 1 << 1;
    }
    void boundsPushEachOtherAndDragPositionAlong() {
        QFETCH(int, position);
        QFETCH(QString, bound);
        QFETCH(int, value);
        QFETCH(int, expectedMin);
        QFETCH(int, expectedMax);
        QFETCH(int, expectedPosition);
        QFETCH(int, changes);
        TDIBKnob knob;
        knob.SetPosition(position);
        QSignalSpy spy(&knob, &TCustomDIBKnob::OnChange);
        if (bound == QLatin1String("Min")) {
            knob.SetMin(value);
        } else {
            knob.SetMax(value);
        }
        QCOMPARE(knob.Min(), expectedMin);
        QCOMPARE(knob.Max(), expectedMax);
        QCOMPARE(knob.Position(), expectedPosition);
        QCOMPARE(spy.count(), changes);
    }

    void numGlyphsBelowOneThrowsAndKeepsItsValue_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -3;
    }
    void numGlyphsBelowOneThrowsAndKeepsItsValue() {
        QFETCH(int, value);
        TDIBKnob knob;
        knob.SetNumGlyphs(51);
        QString message;
        try {
            knob.SetNumGlyphs(value);
        } catch (const EDIBKnobError& error) {
            message = QString::fromUtf8(error.what());
        }
        QCOMPARE(message, QStringLiteral("NumGlyphs must be greater than 0."));
        QCOMPARE(knob.NumGlyphs(), 51);
    }

    void changeSizesKeepToTheirRange_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero becomes 1") << 0 << 1;
        QTest::newRow("negative becomes 1") << -4 << 1;
        QTest::newRow("in range") << 20 << 20;
        QTest::newRow("above 32767") << 40000 << 32767;
    }
    void changeSizesKeepToTheirRange() {
        QFETCH(int, value);
        QFETCH(int, expected);
        TDIBKnob knob;
        knob.SetSmallChange(value);
        knob.SetPageSize(value);
        QCOMPARE(int{knob.SmallChange()}, expected);
        QCOMPARE(int{knob.PageSize()}, expected);
    }

    void frameIndexSplitsTheRangeIntoEqualRuns_data() {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("numGlyphs");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("frame");
        QTest::newRow("0 of 512") << 0 << 512 << 51 << 0 << 0;
        QTest::newRow("10 of 512") << 0 << 512 << 51 << 10 << 0;
        QTest::newRow("11 of 512") << 0 << 512 << 51 << 11 << 1;
        QTest::newRow("20 of 512") << 0 << 512 << 51 << 20 << 1;
        QTest::newRow("21 of 512") << 0 << 512 << 51 << 21 << 2;
        QTest::newRow("252 of 512") << 0 << 512 << 51 << 252 << 25;
        QTest::newRow("493 of 512") << 0 << 512 << 51 << 493 << 49;
        QTest::newRow("503 of 512") << 0 << 512 << 51 << 503 << 50;
        QTest::newRow("512 of 512") << 0 << 512 << 51 << 512 << 50;
        QTest::newRow("transpose at -192") << -192 << 192 << 63 << -192 << 0;
        QTest::newRow("transpose at 192") << -192 << 192 << 63 << 192 << 62;
        QTest::newRow("hold at 10000") << 0 << 10000 << 63 << 10000 << 62;
        QTest::newRow("one frame") << 0 << 100 << 1 << 100 << 0;
        QTest::newRow("whole integer range at Max") << IntMin << IntMax << 63 << IntMax << 62;
        QTest::newRow("whole integer range at Min") << IntMin << IntMax << 63 << IntMin << 0;
    }
    void frameIndexSplitsTheRangeIntoEqualRuns() {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, numGlyphs);
        QFETCH(int, position);
        QFETCH(int, frame);
        TDIBKnob knob;
        knob.SetMax(max);
        knob.SetMin(min);
        knob.SetNumGlyphs(numGlyphs);
        knob.SetPosition(position);
        QCOMPARE(knob.FrameIndex(), frame);
    }

    void tweenPicksTheFramesAroundThePosition_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("weight");
        // 0..512 on 51 frames, as the effect knobs.
        QTest::newRow("at Min") << 0 << false << 0 << 0 << 0;
        QTest::newRow("just under a frame") << 5 << false << 0 << 1 << 127;
        QTest::newRow("half way rounds to even") << 256 << false << 25 << 26 << 128;
        QTest::newRow("below Max sticks to last") << 511 << false << 50 << 50 << 230;
        QTest::newRow("at Max shows last") << 512 << false << 50 << 50 << 0;
        QTest::newRow("below Max loops to first") << 511 << true << 50 << 0 << 230;
        QTest::newRow("at Max loops to first") << 512 << true << 0 << 0 << 0;
    }
    void tweenPicksTheFramesAroundThePosition() {
        QFETCH(int, position);
        QFETCH(bool, loop);
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, weight);
        const TKnobTween tween = KnobTween(position, 0, 512, 51, loop);
        QCOMPARE(tween.Lower, lower);
        QCOMPARE(tween.Upper, upper);
        QCOMPARE(tween.Weight, weight);
    }

    void autoSizeTakesOneFrameInLogicalPixels_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("numGlyphs");
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("51 frames at 100 %") << 1.0 << 51 << true << QSize(32, 32);
        QTest::newRow("51 frames at 150 %") << 1.5 << 51 << true << QSize(32, 32);
        QTest::newRow("51 frames at 200 %") << 2.0 << 51 << true << QSize(32, 32);
        QTest::newRow("one frame is the whole strip") << 1.0 << 1 << true << QSize(1632, 32);
        QTest::newRow("without AutoSize") << 1.0 << 51 << false << QSize(10, 10);
    }
    void autoSizeTakesOneFrameInLogicalPixels() {
        QFETCH(qreal, ratio);
        QFETCH(int, numGlyphs);
        QFETCH(bool, autoSize);
        QFETCH(QSize, expected);
        TDIBImageList list;
        list.Add(QStringLiteral("Strip"), SolidFrameStrip(51, {32, 32}, ratio));
        TDIBKnob knob;
        knob.resize(10, 10);
        knob.SetAutoSize(autoSize);
        knob.SetDIBImageList(&list);
        knob.SetIndexMain(0);
        knob.SetNumGlyphs(numGlyphs);
        QCOMPARE(knob.size(), expected);
    }

    void sizeFollowsAChangedImageAndStaysWithoutOne() {
        TDIBImageList list;
        list.Add(QStringLiteral("Strip"), SolidFrameStrip(51, {32, 32}));
        TDIBKnob knob;
        knob.SetDIBImageList(&list);
        knob.SetIndexMain(0);
        knob.SetNumGlyphs(51);
        list.Replace(0, SolidFrameStrip(51, {40, 20}));
        QCOMPARE(knob.size(), QSize(40, 20));
        knob.SetIndexMain(5);
        knob.SetNumGlyphs(2);
        QCOMPARE(knob.size(), QSize(40, 20));
    }
};

Q_DECLARE_METATYPE(TCustomDIBKnob*)

static RegisterTest<KnobSettingsTest> registered;
#include "knob_settings_test.moc"
