#include "app/Application.h"

#include "app/Main.h"
#include "host/RegistryReader.h"
#include "uikit/ByteText.h"
#include "uikit/ErrorHandler.h"

#include <QCommandLineParser>
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
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    QuillkitApplication application(argc, argv);
    InstallFontSubstitutes();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("An editor for the instrument files of the Sarvik synthesizer."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Sarvik files to open, as Open does."),
                                 QStringLiteral("[FILE...]"));
    // Prints and exits for --help, --version and an unknown option.
    parser.process(application);

    const std::unique_ptr<RegistryReader> registry = MakeSystemRegistryReader();
    TFrmMain mainWindow(*registry, TextToPath(QApplication::applicationFilePath()));
    mainWindow.show();
    const QStringList files = parser.positionalArguments();
    QTimer::singleShot(0, &mainWindow, [&mainWindow, files, onShown] {
        mainWindow.OpenFiles(files);
        if (onShown) {
            onShown(mainWindow);
        }
    });
    return QApplication::exec();
}
