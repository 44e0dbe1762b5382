#include "app/Application.h"

#include "app/Main.h"
#include "host/RegistryReader.h"
#include "uikit/ByteText.h"
#include "uikit/ErrorHandler.h"

#include <QFont>
#include <QTimer>

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Lucida Console"),
        {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(QStringLiteral("standard 07_53"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

int RunApplication(int& argc, char** argv, const std::function<void(TFrmMain&)>& onShown) {
    QuillkitApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    InstallFontSubstitutes();

    const std::unique_ptr<RegistryReader> registry = MakeSystemRegistryReader();
    TFrmMain mainWindow(*registry, TextToPath(QApplication::applicationFilePath()));
    mainWindow.show();
    if (onShown) {
        QTimer::singleShot(0, &mainWindow, [&mainWindow, onShown] { onShown(mainWindow); });
    }
    return QApplication::exec();
}
