#include "support/QtTestRegistry.h"

#include "app/Application.h"
#include "uikit/ErrorHandler.h"

int main(int argc, char** argv) {
    QuillkitApplication application(argc, argv);
    InstallFontSubstitutes();
    return RunRegisteredTests(argc, argv);
}
