#pragma once

#include "support/FakeRegistry.h"
#include "support/ScopedSettings.h"
#include "support/ScopedUserSettings.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

#include "app/Main.h"
#include "editor/SarvikFileFrm.h"
#include "uikit/QdAction.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>

#include <filesystem>
#include <memory>
#include <optional>

namespace fs = std::filesystem;

// A Sarvik file that Open takes.
inline const std::string SarvikText =
    "'Pad\r\n'---\r\n\r\nwaveset = pad.sf2, 10, 20, 0\r\n\r\nosc = 0\r\n"
    "instrument = Strings\r\nosc = 1\r\ninstrument = A\r\nosc = 2\r\n"
    "instrument = B\r\nosc = 3\r\ninstrument = C\r\n";

inline QString Text(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// The texts of a menu's items, separators as empty texts.
inline QStringList ActionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text();
    }
    return texts;
}

// A main window with scripted prompts, a host registry of the test's choosing, and
// settings of its own.
struct Fixture {
    ScopedSettings Restored;
    ScopedUserSettings User;
    TempDir Dir;
    ScriptedPrompts Prompts;
    FakeRegistry Registry;
    std::unique_ptr<TFrmMain> Window;

    explicit Fixture(std::optional<fs::path> installDir = std::nullopt)
        : Registry(installDir.value_or(fs::path())) {
        Window = std::make_unique<TFrmMain>(Registry, Dir / "quillkit");
        Window->show();
        QApplication::setActiveWindow(Window.get());
    }

    int WindowCount() const {
        return static_cast<int>(Window->ClientArea()->subWindowList().size());
    }

    TFrmSarvikFile* Active() const {
        return qobject_cast<TFrmSarvikFile*>(Window->ActiveDocument());
    }

    void Open(const fs::path& path) {
        Prompts.FileChoices.push_back(Text(path));
        Window->ActOpen->trigger();
    }

    // Makes the active document complete enough to be saved.
    void CompleteActiveDocument() {
        TSarvikWaveset& document = Active()->Waveset();
        document.SetWavesetFile("pad.sf2");
        for (const auto& oscillator : document.Oscillators()) {
            oscillator->Instruments()[0]->SetWave("Piano");
        }
    }
};
