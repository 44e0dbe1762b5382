// Times opening a Sarvik file with many instruments until its window is on the screen,
// and then the first switch to its Oscillators page, offscreen unless a display or
// QT_QPA_PLATFORM is set.
#include "LargeDocument.h"
#include "app/Application.h"
#include "app/Main.h"
#include "editor/SarvikFileFrm.h"
#include "host/RegistryReader.h"
#include "uikit/ErrorHandler.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// No host: the benchmark must not depend on what this machine has installed.
class NoRegistry : public RegistryReader {
  public:
    std::optional<std::u16string> ReadString(RegistryView, const std::string&,
                                             const std::string&) override {
        return std::nullopt;
    }
    std::filesystem::path NativeDirectory(const std::u16string&) override { return {}; }
};

std::filesystem::path WriteFile(int instrumentsPerOscillator) {
    const std::string text = LargeSarvikText(instrumentsPerOscillator);
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillkit-open-bench-" + std::to_string(instrumentsPerOscillator) + ".txt");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

struct Times {
    double Open = -1;
    double FirstSwitch = -1;
};

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

Times TimeOpen(TFrmMain& main, const std::filesystem::path& path) {
    Times times;
    auto start = std::chrono::steady_clock::now();
    main.OpenFile(path);
    QMdiSubWindow* window = main.ClientArea()->currentSubWindow();
    if (!window || !QTest::qWaitForWindowExposed(window->window())) {
        return times;
    }
    QCoreApplication::processEvents(); // layout and first paint
    times.Open = Since(start);
    auto* document = qobject_cast<TFrmSarvikFile*>(window->widget());
    if (document) {
        start = std::chrono::steady_clock::now();
        document->PagesSarvik->setCurrentWidget(document->TabSarvikOsc);
        QCoreApplication::processEvents(); // the strips in view built, laid out and drawn
        times.FirstSwitch = Since(start);
    }
    main.ClientArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return times;
}

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QuillkitApplication application(argc, argv);
    InstallFontSubstitutes();
    std::printf("open on the %s platform\n", QApplication::platformName().toLocal8Bit().data());
    NoRegistry registry;
    TFrmMain main(registry, "quillkit");
    main.show();
    for (const int instruments : {64, 256, 512, 1024}) {
        const auto path = WriteFile(instruments);
        std::vector<double> opens;
        std::vector<double> switches;
        for (int run = 0; run < 5; ++run) {
            const Times times = TimeOpen(main, path);
            if (times.Open < 0 || times.FirstSwitch < 0) {
                std::fprintf(stderr, "the window did not show\n");
                return 1;
            }
            opens.push_back(times.Open);
            switches.push_back(times.FirstSwitch);
        }
        std::filesystem::remove(path);
        std::sort(opens.begin(), opens.end());
        std::sort(switches.begin(), switches.end());
        std::printf("4 x %d instruments: open until shown %.1f ms, first switch to the "
                    "Oscillators page %.1f ms (medians of %zu; targets on 4 x 1024: under "
                    "1 s and under 200 ms)\n",
                    instruments, opens[opens.size() / 2], switches[switches.size() / 2],
                    opens.size());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // The largest document was the last one open.
    std::printf("peak memory of the process: %.1f MB (target after opening 4 x 1024: "
                "under 80 MB)\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
