#include "ControlsTestRegistry.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failed = 0;
    for (const TestFactory& make : RegisteredTests()) {
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
