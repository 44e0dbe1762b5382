#include "app/Main.h"

TFrmMain::TFrmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    resize(1024, 640);
}
