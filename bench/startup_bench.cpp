// Times the editor from process start to its main window on the screen, against a bare
// toolkit window built into the same program, and prints the medians of several starts:
// on the display when there is one, else on the offscreen platform.
#include "app/Application.h"
#include "app/Main.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The platform the children start on: the one asked for, the display, or offscreen.
std::string Platform() {
    const char* asked = std::getenv("QT_QPA_PLATFORM");
    if (asked && *asked) {
        return asked;
    }
    const char* display = std::getenv("DISPLAY");
    return display && *display ? "xcb" : "offscreen";
}

double TimeOneStart(const char* self, const char* mode) {
    const std::string command = "QT_QPA_PLATFORM='" + Platform() + "' '" + self + "' " + mode;
    const auto start = std::chrono::steady_clock::now();
    FILE* child = popen(command.c_str(), "r");
    if (!child) {
        return -1;
    }
    char line[64] = {};
    const bool shown = std::fgets(line, sizeof line, child) && std::strncmp(line, "shown", 5) == 0;
    const auto end = std::chrono::steady_clock::now();
    pclose(child);
    return shown ? std::chrono::duration<double, std::milli>(end - start).count() : -1;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A main window with a menu bar and a status line, and nothing of the editor's.
int RunBareWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &window, [] {
        std::puts("shown");
        std::fflush(stdout);
        QApplication::quit();
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) {
        int childArgc = 1; // the editor takes only files to open
        return RunApplication(childArgc, argv, [](TFrmMain&) {
            std::puts("shown");
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        return RunBareWindow(1, argv);
    }
    // Turn about, so that what else the machine does weighs on both alike.
    std::vector<double> editor;
    std::vector<double> bare;
    for (int run = 0; run < 15; ++run) {
        editor.push_back(TimeOneStart(argv[0], "--child"));
        bare.push_back(TimeOneStart(argv[0], "--bare"));
        if (editor.back() < 0 || bare.back() < 0) {
            std::fprintf(stderr, "a window did not show\n");
            return 1;
        }
    }
    const double editorMs = Median(editor);
    const double bareMs = Median(bare);
    std::printf("process start to main window shown (%s): %.1f ms, a bare window %.1f ms: "
                "%.2f times (medians of %zu; target: at most 1.2 times)\n",
                Platform().c_str(), editorMs, bareMs, editorMs / bareMs, editor.size());
    return 0;
}
