// Times one edit until the window has caught up (the text view included), on documents
// of 4 x 64 and 4 x 1024 instruments: a knob step of a strip seen from the Waveset
// page (the text view showing), the same with the Oscillators page showing, one step of
// a mouse drag of that knob, and one keystroke in the name, the notes and a wave field.
#include "LargeDocument.h"
#include "app/Application.h"
#include "controls/DIBEdit.h"
#include "controls/DIBImageList.h"
#include "controls/DIBKnob.h"
#include "controls/SkinImages.h"
#include "editor/InstrumentStripView.h"
#include "editor/NameEdit.h"
#include "editor/NotesMemo.h"
#include "editor/SarvikFileFrm.h"

#include <QApplication>
#include <QMouseEvent>
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

// One character typed and one taken back, in turns, in a field that has the focus.
double KeystrokeMs(QWidget* field) {
    field->setFocus();
    QCoreApplication::processEvents();
    return MedianMs(
        21, [&](int run) { QTest::keyClick(field, run % 2 ? Qt::Key_Backspace : Qt::Key_A); });
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Mouse moves of one drag, 4 pixels above and below the press point in turns: each
// move is a step, whether the knob holds the cursor at the press point or not.
// Negative when a move left the knob where it was, so that no figure times nothing.
double DragStepMs(TDIBKnob& knob) {
    const QPoint press = knob.rect().center();
    SendMouse(&knob, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    QPoint at = press;
    bool everyMoveTurned = true;
    const double step = MedianMs(21, [&](int run) {
        const int before = knob.Position();
        at = press + QPoint(0, run % 2 ? 4 : -4);
        SendMouse(&knob, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        everyMoveTurned = everyMoveTurned && knob.Position() != before;
    });
    SendMouse(&knob, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    return everyMoveTurned ? step : -1;
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
        const double dragStep = DragStepMs(*volume);
        if (dragStep < 0) {
            std::fprintf(stderr, "a drag step did not turn the knob\n");
            return 1;
        }
        TDIBEdit* wave = handle->View()->WaveEdit();
        wave->setFocus();
        const double waveKeystroke = KeystrokeMs(wave);
        window.PagesSarvik->setCurrentWidget(window.TabSarvikWaveset);
        QCoreApplication::processEvents();
        const double nameKeystroke = KeystrokeMs(window.EdtWavesetName);
        const double notesKeystroke = KeystrokeMs(window.MmoSarvikWavesetNotes);
        std::printf("4 x %d: knob step %.2f ms with the text view showing, %.2f ms with the "
                    "strips showing; drag step %.2f ms; keystroke in the name %.2f ms, the "
                    "notes %.2f ms, a wave field %.2f ms (medians of 21; target: under 16 ms)\n",
                    instruments, textShown, stripsShown, dragStep, nameKeystroke, notesKeystroke,
                    waveKeystroke);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
