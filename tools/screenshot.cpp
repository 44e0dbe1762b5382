// Starts the editor as a musician would, from the examples folder, opens the demo
// file and saves pictures of the main window: the Waveset page and the Oscillators page,
// and, when a third file is named, of the screen with a strip's sample chooser open.
#include "app/Application.h"
#include "app/Main.h"
#include "editor/SampleChooser.h"
#include "editor/SarvikFileFrm.h"
#include "host/RegistryReader.h"
#include "uikit/ByteText.h"
#include "uikit/ErrorHandler.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: quillkit_screenshot WAVESET_PNG OSCILLATORS_PNG [CHOOSER_PNG]\n");
        return 2;
    }
    QuillkitApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    InstallFontSubstitutes();
    const std::unique_ptr<RegistryReader> registry = MakeSystemRegistryReader();
    TFrmMain window(*registry, TextToPath(QApplication::applicationFilePath()));
    window.resize(1040, 600);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    window.OpenFile("Samples/Demo Pad.txt");
    auto* document = qobject_cast<TFrmSarvikFile*>(window.ActiveDocument());
    if (!document) {
        std::fprintf(stderr, "the demo file did not open; run this from the examples folder\n");
        return 1;
    }
    window.ClientArea()->currentSubWindow()->move(8, 8);
    QTest::qWait(200);
    bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    document->PagesSarvik->setCurrentWidget(document->TabSarvikOsc);
    QTest::qWait(200);
    saved = window.grab().save(QString::fromLocal8Bit(argv[2])) && saved;
    if (argc > 3) {
        // The chooser is a window of its own: the picture is of the whole screen.
        TSarvikInstrument& instrument =
            *document->Waveset().Oscillators().front()->Instruments().front();
        document->Waveset().ShowSamplePopup(instrument); // as the strip's button does
        QTest::keyClicks(document->SampleChooser->FilterField(), QStringLiteral("a"));
        QTest::qWait(200);
        saved = window.screen()->grabWindow(0).save(QString::fromLocal8Bit(argv[3])) && saved;
    }
    return saved ? 0 : 1;
}
