#include "app/Main.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));

    TFrmMain mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
