#include "TestInput.h"
#include "support/QtTestRegistry.h"

#include "controls/DIBContainer.h"
#include "controls/DIBKnob.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

const QPoint PressPoint(16, 16);

bool CursorHidden() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::BlankCursor;
}

} // namespace

class KnobInputTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<TDIBContainer> container_;
    TDIBKnob* knob_ = nullptr;

  private slots:
    void init() {
        container_ = std::make_unique<TDIBContainer>();
        container_->resize(200, 100);
        knob_ = new TDIBKnob(container_.get());
        knob_->setGeometry(40, 20, 32, 32);
        knob_->SetMax(512);
        container_->show();
        QVERIFY(QTest::qWaitForWindowExposed(container_.get()));
    }
    void cleanup() {
        container_.reset();
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void keysTurnTheKnobAndStopAtItsBounds_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("smallChange");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("changes");
        QTest::newRow("Page Up adds PageSize") << 0 << int{Qt::Key_PageUp} << 1 << 5 << 1;
        QTest::newRow("Page Up at Max does nothing") << 512 << int{Qt::Key_PageUp} << 1 << 512 << 0;
        QTest::newRow("Page Down takes PageSize") << 10 << int{Qt::Key_PageDown} << 1 << 5 << 1;
        QTest::newRow("Page Down clamps at Min") << 3 << int{Qt::Key_PageDown} << 1 << 0 << 1;
        QTest::newRow("Page Down at Min does nothing") << 0 << int{Qt::Key_PageDown} << 1 << 0 << 0;
        QTest::newRow("Up adds SmallChange") << 100 << int{Qt::Key_Up} << 20 << 120 << 1;
        QTest::newRow("Right adds SmallChange") << 100 << int{Qt::Key_Right} << 1 << 101 << 1;
        QTest::newRow("Down takes SmallChange") << 100 << int{Qt::Key_Down} << 20 << 80 << 1;
        QTest::newRow("Left takes SmallChange") << 100 << int{Qt::Key_Left} << 1 << 99 << 1;
        QTest::newRow("Home is ignored") << 100 << int{Qt::Key_Home} << 1 << 100 << 0;
        QTest::newRow("a letter is ignored") << 100 << int{Qt::Key_A} << 1 << 100 << 0;
    }
    void keysTurnTheKnobAndStopAtItsBounds() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, smallChange);
        QFETCH(int, expected);
        QFETCH(int, changes);
        knob_->SetPosition(start);
        knob_->SetSmallChange(smallChange);
        QSignalSpy spy(knob_, &TCustomDIBKnob::OnChange);
        QTest::keyClick(knob_, static_cast<Qt::Key>(key));
        QCOMPARE(knob_->Position(), expected);
        QCOMPARE(spy.count(), changes);
    }

    void keysWithCtrlAreLeftToTheWindow() {
        knob_->SetPosition(100);
        QTest::keyClick(knob_, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(knob_->Position(), 100);
    }

    void keysOnAGridMoveToItsNextMultiple_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("Up from a multiple") << 16 << int{Qt::Key_Up} << 24;
        QTest::newRow("Up from between two") << 19 << int{Qt::Key_Up} << 24;
        QTest::newRow("Down from between two") << 19 << int{Qt::Key_Down} << 16;
        QTest::newRow("Down from a multiple") << 16 << int{Qt::Key_Down} << 8;
        QTest::newRow("Up below zero") << -3 << int{Qt::Key_Up} << 0;
        QTest::newRow("Down below zero") << -3 << int{Qt::Key_Down} << -8;
        QTest::newRow("Page Up: a page of multiples") << 3 << int{Qt::Key_PageUp} << 16;
        QTest::newRow("Page Down from between two") << 3 << int{Qt::Key_PageDown} << -8;
        QTest::newRow("Up stops at Max") << 60 << int{Qt::Key_Up} << 63;
    }
    void keysOnAGridMoveToItsNextMultiple() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, expected);
        knob_->SetMin(-64);
        knob_->SetMax(63);
        knob_->SetPageSize(2);
        knob_->SetKeyGrid(8);
        knob_->SetPosition(start);
        QTest::keyClick(knob_, static_cast<Qt::Key>(key));
        QCOMPARE(knob_->Position(), expected);
    }

    void aWheelNotchActsAsAnArrowKey_data() {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("expected");
        QTest::newRow("one notch up") << QList<int>{120} << 1 << 120;
        QTest::newRow("two notches down") << QList<int>{-120, -120} << 1 << 60;
        QTest::newRow("fine wheel: eighths add up to a notch")
            << QList<int>{40, 40, 30, 10} << 1 << 120;
        QTest::newRow("fine wheel short of a notch") << QList<int>{60, 50} << 1 << 100;
        QTest::newRow("on a grid") << QList<int>{120} << 8 << 104;
    }
    void aWheelNotchActsAsAnArrowKey() {
        QFETCH(QList<int>, deltas);
        QFETCH(int, grid);
        QFETCH(int, expected);
        knob_->SetPosition(100);
        knob_->SetSmallChange(grid == 1 ? 20 : 1);
        knob_->SetKeyGrid(grid);
        knob_->setFocus();
        for (const int delta : deltas) {
            QWheelEvent wheel(QPointF(PressPoint), QPointF(knob_->mapToGlobal(PressPoint)),
                              QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(knob_, &wheel);
            QVERIFY(wheel.isAccepted());
        }
        QCOMPARE(knob_->Position(), expected);
    }

    void theWheelOverAKnobWithoutTheFocusScrollsInstead() {
        knob_->SetPosition(100);
        auto* elsewhere = new QLineEdit(container_.get());
        elsewhere->show();
        elsewhere->setFocus();
        QVERIFY(!knob_->hasFocus());
        QWheelEvent wheel(QPointF(PressPoint), QPointF(knob_->mapToGlobal(PressPoint)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(knob_, &wheel);
        QCOMPARE(knob_->Position(), 100);
        QVERIFY(!wheel.isAccepted());
    }

    void dragAddsSmallChangePerPixelAlongItsAxis_data() {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("smallChange");
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("changes");
        QList<QPoint> tenSteps;
        for (int i = 0; i < 10; ++i) {
            tenSteps << QPoint(0, -1);
        }
        QTest::newRow("10 pixels up, one at a time") << false << 1 << tenSteps << 10 << 10;
        QTest::newRow("10 pixels up at once") << false << 1 << QList<QPoint>{{0, -10}} << 10 << 1;
        QTest::newRow("right on a vertical knob") << false << 1 << QList<QPoint>{{10, 0}} << 0 << 0;
        QTest::newRow("up and back down")
            << false << 1 << QList<QPoint>{{0, -30}, {0, 5}} << 25 << 2;
        QTest::newRow("SmallChange per pixel") << false << 20 << QList<QPoint>{{0, -5}} << 100 << 1;
        QTest::newRow("past Max clamps") << false << 20 << QList<QPoint>{{0, -40}} << 512 << 1;
        QTest::newRow("right on a horizontal knob") << true << 1 << QList<QPoint>{{7, 0}} << 7 << 1;
        QTest::newRow("up on a horizontal knob") << true << 1 << QList<QPoint>{{0, -7}} << 0 << 0;
    }
    void dragAddsSmallChangePerPixelAlongItsAxis() {
        QFETCH(bool, horizontal);
        QFETCH(int, smallChange);
        QFETCH(QList<QPoint>, moves);
        QFETCH(int, expected);
        QFETCH(int, changes);
        knob_->SetOrientation(horizontal ? TKnobOrientation::koHorizontal
                                         : TKnobOrientation::koVertical);
        knob_->SetSmallChange(smallChange);
        QSignalSpy spy(knob_, &TCustomDIBKnob::OnChange);
        SendMouse(knob_, QEvent::MouseButtonPress, PressPoint, Qt::LeftButton, Qt::LeftButton);
        for (const QPoint& move : moves) {
            // The cursor went back to the press point after the previous move.
            SendMouse(knob_, QEvent::MouseMove, PressPoint + move, Qt::NoButton, Qt::LeftButton);
        }
        SendMouse(knob_, QEvent::MouseButtonRelease, PressPoint, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(knob_->Position(), expected);
        QCOMPARE(spy.count(), changes);
    }

    void dragHidesTheCursorAndHoldsItAtThePressPoint() {
        const QPoint origin = knob_->mapToGlobal(PressPoint);
        SendMouse(knob_, QEvent::MouseButtonPress, PressPoint, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(knob_->Dragging());
        QVERIFY(CursorHidden());
        SendMouse(knob_, QEvent::MouseMove, PressPoint + QPoint(0, -12), Qt::NoButton,
                  Qt::LeftButton);
        QCOMPARE(QCursor::pos(), origin);
        QCursor::setPos(origin + QPoint(30, 30));
        SendMouse(knob_, QEvent::MouseButtonRelease, PressPoint + QPoint(30, 30), Qt::LeftButton,
                  Qt::NoButton);
        QVERIFY(!knob_->Dragging());
        QCOMPARE(QCursor::pos(), origin);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(knob_->Position(), 12);
    }

    void withoutHoldingTheCursorEachMoveCountsFromThePreviousOne() {
        knob_->SetHoldsCursor(false);
        const QPoint elsewhere(5, 5);
        QCursor::setPos(elsewhere);
        SendMouse(knob_, QEvent::MouseButtonPress, PressPoint, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(CursorHidden());
        for (int y : {-1, -3, -6, -4}) {
            SendMouse(knob_, QEvent::MouseMove, PressPoint + QPoint(0, y), Qt::NoButton,
                      Qt::LeftButton);
        }
        QCOMPARE(knob_->Position(), 4);
        QCOMPARE(QCursor::pos(), elsewhere);
        SendMouse(knob_, QEvent::MouseButtonRelease, PressPoint, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(QCursor::pos(), elsewhere);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void rightButtonDoesNotDrag() {
        SendMouse(knob_, QEvent::MouseButtonPress, PressPoint, Qt::RightButton, Qt::RightButton);
        QVERIFY(!knob_->Dragging());
        SendMouse(knob_, QEvent::MouseMove, PressPoint + QPoint(0, -9), Qt::NoButton,
                  Qt::RightButton);
        SendMouse(knob_, QEvent::MouseButtonRelease, PressPoint, Qt::RightButton, Qt::NoButton);
        QCOMPARE(knob_->Position(), 0);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void cursorReappearsWhenTheDragIsCutShort_data() {
        QTest::addColumn<QString>("cut");
        QTest::newRow("focus lost") << "focus";
        QTest::newRow("knob hidden") << "hide";
        QTest::newRow("knob disabled") << "disable";
        QTest::newRow("window deactivated") << "deactivate";
        QTest::newRow("knob destroyed") << "destroy";
    }
    void cursorReappearsWhenTheDragIsCutShort() {
        QFETCH(QString, cut);
        const QPoint origin = knob_->mapToGlobal(PressPoint);
        SendMouse(knob_, QEvent::MouseButtonPress, PressPoint, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(CursorHidden());
        QPointer<TDIBKnob> knob = knob_;
        if (cut == QLatin1String("focus")) {
            SendFocus(knob_, QEvent::FocusOut);
        } else if (cut == QLatin1String("hide")) {
            knob_->hide();
        } else if (cut == QLatin1String("disable")) {
            knob_->setEnabled(false);
        } else if (cut == QLatin1String("deactivate")) {
            SendPlain(knob_, QEvent::WindowDeactivate);
        } else {
            delete knob_;
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(QCursor::pos(), origin);
        if (knob) {
            QVERIFY(!knob->Dragging());
        }
    }

    void mousePressFocusesOnlyWithATabOrder_data() {
        QTest::addColumn<int>("order");
        QTest::addColumn<bool>("focused");
        QTest::newRow("negative order") << -1 << false;
        QTest::newRow("order 0") << 0 << true;
    }
    void mousePressFocusesOnlyWithATabOrder() {
        QFETCH(int, order);
        QFETCH(bool, focused);
        auto* edit = new QLineEdit(container_.get());
        edit->show();
        container_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(container_.get()));
        edit->setFocus();
        // The container would hand the focus back to a knob that had it before.
        container_->SetFocusedControl(nullptr);
        knob_->SetDIBTabOrder(order);
        QTest::mouseClick(knob_, Qt::LeftButton, {}, PressPoint);
        QCOMPARE(knob_->hasFocus(), focused);
        QCOMPARE(edit->hasFocus(), false);
    }

    void tabReachesEveryKnobAndTheContainerHandsItsFocusBack() {
        auto* edit = new QLineEdit(container_.get());
        auto* second = new TDIBKnob(container_.get());
        second->setGeometry(100, 20, 32, 32);
        QWidget::setTabOrder(edit, knob_);
        QWidget::setTabOrder(knob_, second);
        edit->show();
        second->show();
        container_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(container_.get()));
        edit->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), knob_);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), second);

        edit->setFocus();
        container_->setFocus();
        QCOMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(second->Position(), 1);
    }
};

static RegisterTest<KnobInputTest> registered;
#include "knob_input_test.moc"
