// Times one edit until the window has caught up (the text view included), on documents
// of 4 x 64 and 4 x 1024 instruments: a knob step of a strip seen from the Waveset
// page (the text view showing), the same with the Oscillators page showing, and one
// keystroke in the name.
#include "LargeDocument.h"
#include "app/Application.h"
#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/SkinImages.h"
#include "editor/InstrumentStripView.h"
#include "editor/NameEdit.h"
#include "editor/SarvikFileFrm.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::filesystem::path WriteFile(const std::filesystem::path& folder, int perOscillator) {
    const std::string text = LargeSarvikText(perOscillator);
    const auto path = folder / ("edit-" + std::to_string(perOscillator) + ".txt");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

double MedianMs(int runs, const std::function<void(int)>& edit) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        edit(run);
        QCoreApplication::processEvents(); // what the edit left for the event loop
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    SetSkinImages(CreateSkinImages(application.devicePixelRatio(), &application));
    std::printf("edits on the %s platform\n", QApplication::platformName().toLocal8Bit().data());
    std::random_device seed;
    const auto folder =
        std::filesystem::temp_directory_path() / ("quillkit-edit-bench-" + std::to_string(seed()));
    std::filesystem::create_directories(folder);

    for (const int instruments : {64, 1024}) {
        TFrmSarvikFile window(SarvikFileServices{folder / ""});
        window.resize(1000, 700);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window) ||
            !window.LoadFromFile(WriteFile(folder, instruments))) {
            std::fprintf(stderr, "the document did not open\n");
            return 1;
        }
        QCoreApplication::processEvents();
        TSarvikInstrument& middle = *window.Waveset()
                                         .Oscillators()[2]
                                         ->Instruments()[static_cast<std::size_t>(instruments / 2)];
        const auto handle = dynamic_cast<const InstrumentStripHandle*>(middle.Panel());
        TDIBKnob* volume = handle->View()->Knob(InstrumentKnob::Volume);
        // Steps of a whole file unit, so that every step changes the text.
        const auto knobStep = [&](int run) { volume->SetPosition(100 + run % 2 * 4); };
        const double textShown = MedianMs(21, knobStep);
        window.PagesSarvik->setCurrentWidget(window.TabSarvikOsc);
        QCoreApplication::processEvents();
        const double stripsShown = MedianMs(21, knobStep);
        window.PagesSarvik->setCurrentWidget(window.TabSarvikWaveset);
        QCoreApplication::processEvents();
        window.EdtWavesetName->setFocus();
        const double keystroke = MedianMs(21, [&](int run) {
            QTest::keyClick(window.EdtWavesetName, run % 2 ? Qt::Key_Backspace : Qt::Key_A);
        });
        std::printf("4 x %d: knob step %.2f ms with the text view showing, %.2f ms with the "
                    "strips showing; name keystroke %.2f ms (medians of 21; target: under 16 ms)\n",
                    instruments, textShown, stripsShown, keystroke);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
