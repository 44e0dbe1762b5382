#include "app/Main.h"

#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheApplicationTitleAndClosesCleanly() {
        TFrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Norvex Quillkit"));
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
