#include "TestInput.h"
#include "support/QtTestRegistry.h"

#include "controls/DIBContainer.h"
#include "controls/DIBKnob.h"
#include "controls/HighlightDIB.h"

#include <QTest>

#include <memory>

class HighlightTest : public QObject {
    Q_OBJECT
  private slots:
    void opacityFollowsHoverFocusAndCapture_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("opacities");
        QTest::newRow("hover and leave") << QStringList{"enter", "leave"} << QList<int>{255, 200};
        QTest::newRow("focus in and out")
            << QStringList{"focusIn", "focusOut"} << QList<int>{255, 200};
        QTest::newRow("hovering while dragging changes nothing further")
            << QStringList{"enter", "press", "leave", "enter", "releaseInside", "leave"}
            << QList<int>{255, 255, 255, 255, 255, 200};
        QTest::newRow("release outside after a drag ends the highlight")
            << QStringList{"enter", "press", "leave", "releaseOutside"}
            << QList<int>{255, 255, 255, 200};
        QTest::newRow("focus while hovered, leave, then lose focus")
            << QStringList{"enter", "focusIn", "leave", "focusOut"}
            << QList<int>{255, 255, 255, 200};
        QTest::newRow("hovered while focused, lose focus, then leave")
            << QStringList{"focusIn", "enter", "focusOut", "leave"}
            << QList<int>{255, 255, 255, 200};
    }
    void opacityFollowsHoverFocusAndCapture() {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, opacities);
        TDIBContainer container;
        container.resize(100, 60);
        auto* knob = new TDIBKnob(&container);
        knob->setGeometry(10, 10, 32, 32);
        knob->SetOpacity(200);
        auto highlight = std::make_unique<THighlightDIB>();
        highlight->SetHighlightOpacity(255);
        knob->AddFeature(std::move(highlight));
        const QPoint inside(16, 16);
        const QPoint outside(80, 16);
        for (int i = 0; i < steps.size(); ++i) {
            const QString& step = steps[i];
            if (step == QLatin1String("enter")) {
                SendEnter(knob, inside);
            } else if (step == QLatin1String("leave")) {
                SendPlain(knob, QEvent::Leave);
            } else if (step == QLatin1String("press")) {
                SendMouse(knob, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
            } else if (step == QLatin1String("releaseInside")) {
                SendMouse(knob, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
            } else if (step == QLatin1String("releaseOutside")) {
                SendMouse(knob, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
            } else if (step == QLatin1String("focusIn")) {
                SendFocus(knob, QEvent::FocusIn);
            } else if (step == QLatin1String("focusOut")) {
                SendFocus(knob, QEvent::FocusOut);
            }
            QVERIFY2(knob->Opacity() == opacities[i],
                     qPrintable(QStringLiteral("after step %1 (%2): %3")
                                    .arg(i)
                                    .arg(step)
                                    .arg(knob->Opacity())));
        }
    }

    void inactiveHighlightLeavesOpacityAlone() {
        TDIBKnob knob;
        knob.SetOpacity(200);
        knob.AddFeature(std::make_unique<THighlightDIB>())->SetActive(false);
        SendEnter(&knob, QPoint(5, 5));
        QCOMPARE(knob.Opacity(), 200);
    }
};

static RegisterTest<HighlightTest> registered;
#include "highlight_test.moc"
