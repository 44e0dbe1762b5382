// Times opening a Sarvik file with many instruments until its window is on the screen,
// on the offscreen platform.
#include "app/Application.h"
#include "app/Main.h"
#include "host/RegistryReader.h"
#include "uikit/ErrorHandler.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

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
    std::string text = "'Benchmark\r\n'---------\r\n\r\nwaveset = bench.sf2, 10, 20, 30\r\n\r\n";
    for (int osc = 0; osc < 4; ++osc) {
        text += "osc = " + std::to_string(osc) + "\r\n";
        for (int i = 0; i < instrumentsPerOscillator; ++i) {
            text += "instrument = Wave " + std::to_string(i) +
                    "\r\ntranspose = " + std::to_string(i % 49 - 24) +
                    "\r\nhold = " + std::to_string(i * 37 % 10000) +
                    "\r\nblend = " + std::to_string(i * 11 % 10000) +
                    "\r\nvolume = " + std::to_string(i % 129) + "\r\nreserved = 0, 0\r\n\r\n";
        }
    }
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillkit-open-bench-" + std::to_string(instrumentsPerOscillator) + ".txt");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

double TimeOpen(TFrmMain& main, const std::filesystem::path& path) {
    const auto start = std::chrono::steady_clock::now();
    main.OpenFile(path);
    QMdiSubWindow* window = main.ClientArea()->currentSubWindow();
    if (!window || !QTest::qWaitForWindowExposed(window->window())) {
        return -1;
    }
    QCoreApplication::processEvents(); // layout and first paint of the strips
    const auto end = std::chrono::steady_clock::now();
    main.ClientArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return std::chrono::duration<double, std::milli>(end - start).count();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QuillkitApplication application(argc, argv);
    InstallFontSubstitutes();
    NoRegistry registry;
    TFrmMain main(registry, "quillkit");
    main.show();
    for (const auto& [instruments, target] : {std::pair{64, "300 ms"}, std::pair{512, "3 s"}}) {
        const auto path = WriteFile(instruments);
        std::vector<double> times;
        for (int run = 0; run < 5; ++run) {
            const double ms = TimeOpen(main, path);
            if (ms < 0) {
                std::fprintf(stderr, "the window did not show\n");
                return 1;
            }
            times.push_back(ms);
        }
        std::filesystem::remove(path);
        std::sort(times.begin(), times.end());
        std::printf(
            "open 4 x %d instruments until shown: %.1f ms (median of %zu; target: under %s)\n",
            instruments, times[times.size() / 2], times.size(), target);
    }
    return 0;
}
