#include "support/QtTestRegistry.h"

#include "controls/DIBKnob.h"

#include <QAccessible>
#include <QTest>

class KnobAccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void presentsItselfAsADialWithNameValueAndBounds() {
        TDIBKnob knob;
        knob.setAccessibleName(QStringLiteral("Chorus"));
        knob.SetMax(512);
        knob.SetPosition(300);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&knob);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->role(), QAccessible::Dial);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Chorus"));
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("300"));
        QAccessibleValueInterface* value = accessible->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->currentValue().toInt(), 300);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 512);

        knob.SetPosition(12);
        QCOMPARE(value->currentValue().toInt(), 12);
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("12"));
    }

    void assistiveTechnologySetsThePositionThroughItsRules() {
        TDIBKnob knob;
        knob.SetMin(-192);
        knob.SetMax(192);
        QAccessibleValueInterface* value =
            QAccessible::queryAccessibleInterface(&knob)->valueInterface();
        value->setCurrentValue(500);
        QCOMPARE(knob.Position(), 192);
        value->setCurrentValue(-24);
        QCOMPARE(knob.Position(), -24);
    }
};

static RegisterTest<KnobAccessibilityTest> registered;
#include "knob_accessibility_test.moc"
