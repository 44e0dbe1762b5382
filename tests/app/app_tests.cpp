#include "app_tests.h"

#include "app/Application.h"
#include "app/ErrorHandler.h"

#include <QTest>

int main(int argc, char** argv) {
    QuillkitApplication application(argc, argv);
    InstallFontSubstitutes();
    int failures = 0;
    BaseWindowTest baseWindow;
    failures += QTest::qExec(&baseWindow, argc, argv);
    MainWindowTest mainWindow;
    failures += QTest::qExec(&mainWindow, argc, argv);
    return failures == 0 ? 0 : 1;
}
