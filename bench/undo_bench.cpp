// Times undo and redo of one knob step and of Delete Instrument on a document of 4 x 512
// instruments, each until the window has caught up: with the text view showing, and with
// the strips showing, scrolled to the instrument.
#include "LargeDocument.h"
#include "app/Application.h"
#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/SkinImages.h"
#include "editor/EditHistory.h"
#include "editor/InstrumentStripView.h"
#include "editor/OscillatorBox.h"
#include "editor/SarvikFileFrm.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double Undo = 0;
    double Redo = 0;
    bool Exact = true; // every undo gave the bytes before the step, every redo those after
};

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double TimedMs(QUndoStack& stack, bool undo) {
    const auto start = Clock::now();
    undo ? stack.undo() : stack.redo();
    QCoreApplication::processEvents(); // what the step left for the event loop
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Undoes and redoes the last step in turns.
Figures UndoAndRedo(TFrmSarvikFile& window, const std::string& before) {
    QUndoStack& stack = *window.UndoStack();
    const std::string after = window.Waveset().BuildText();
    Figures figures;
    std::vector<double> undos;
    std::vector<double> redos;
    for (int run = 0; run < 21; ++run) {
        undos.push_back(TimedMs(stack, true));
        figures.Exact = figures.Exact && window.Waveset().BuildText() == before;
        redos.push_back(TimedMs(stack, false));
        figures.Exact = figures.Exact && window.Waveset().BuildText() == after;
    }
    figures.Undo = Median(undos);
    figures.Redo = Median(redos);
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    SetSkinImages(CreateSkinImages(application.devicePixelRatio(), &application));
    std::printf("undo and redo on the %s platform\n",
                QApplication::platformName().toLocal8Bit().data());
    std::random_device seed;
    const auto folder =
        std::filesystem::temp_directory_path() / ("quillkit-undo-bench-" + std::to_string(seed()));
    std::filesystem::create_directories(folder);
    constexpr int Instruments = 512;
    const auto file = folder / "undo.txt";
    std::ofstream(file, std::ios::binary) << LargeSarvikText(Instruments);

    TFrmSarvikFile window(SarvikFileServices{folder / ""});
    window.resize(1000, 700);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.LoadFromFile(file)) {
        std::fprintf(stderr, "the document did not open\n");
        return 1;
    }
    QCoreApplication::processEvents();
    TSarvikOscillator& oscillator = *window.Waveset().Oscillators()[2];
    TSarvikInstrument& middle = *oscillator.Instruments()[Instruments / 2];
    const auto handle = dynamic_cast<const InstrumentStripHandle*>(middle.Panel());

    std::string before = window.Waveset().BuildText();
    TDIBKnob* volume = handle->View()->Knob(InstrumentKnob::Volume);
    volume->SetPosition(volume->Position() > 64 ? 10 : 120); // a step of many file units
    const Figures knob = UndoAndRedo(window, before);

    before = window.Waveset().BuildText();
    window.History().DeleteInstrument(middle);
    QCoreApplication::processEvents();
    const Figures deletion = UndoAndRedo(window, before);

    window.PagesSarvik->setCurrentWidget(window.TabSarvikOsc);
    TOscillatorBox& column = *window.SbxOsc[2];
    column.ensureVisible(0, StripHeight * (Instruments / 2), 0, column.viewport()->height() / 2);
    QCoreApplication::processEvents();
    // Another instrument near the middle, in view.
    TSarvikInstrument& shown = *oscillator.Instruments()[Instruments / 2 + 1];
    before = window.Waveset().BuildText();
    window.History().DeleteInstrument(shown);
    QCoreApplication::processEvents();
    const Figures shownDeletion = UndoAndRedo(window, before);
    before = window.Waveset().BuildText();
    TDIBKnob* shownVolume = dynamic_cast<const InstrumentStripHandle*>(
                                oscillator.Instruments()[Instruments / 2]->Panel())
                                ->View()
                                ->Knob(InstrumentKnob::Volume);
    shownVolume->SetPosition(shownVolume->Position() > 64 ? 10 : 120);
    const Figures shownKnob = UndoAndRedo(window, before);

    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    if (!knob.Exact || !deletion.Exact || !shownKnob.Exact || !shownDeletion.Exact) {
        std::fprintf(stderr, "an undo or redo did not give back the document's bytes\n");
        return 1;
    }
    std::printf("4 x %d, text view showing: knob step undo %.2f ms, redo %.2f ms (target: under "
                "16 ms); Delete Instrument undo %.2f ms, redo %.2f ms (target: under 100 ms; "
                "medians of 21)\n",
                Instruments, knob.Undo, knob.Redo, deletion.Undo, deletion.Redo);
    std::printf("4 x %d, strips showing: knob step undo %.2f ms, redo %.2f ms (target: under "
                "16 ms); Delete Instrument undo %.2f ms, redo %.2f ms (target: under 100 ms; "
                "medians of 21)\n",
                Instruments, shownKnob.Undo, shownKnob.Redo, shownDeletion.Undo,
                shownDeletion.Redo);
    return 0;
}
