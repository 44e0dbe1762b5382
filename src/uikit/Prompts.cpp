#include "uikit/Prompts.h"

#include <QFileInfo>

#include "uikit/QtPrompts.h"

namespace {

Prompts* installed = nullptr;

} // namespace

Prompts& AppPrompts() {
    static QtPrompts real;
    return installed ? *installed : real;
}

void SetAppPrompts(Prompts* prompts) {
    installed = prompts;
}

void RememberChosenFolder(FileDialogSettings& dialog) {
    const QString folder = QFileInfo(dialog.FileName).absolutePath();
    if (!dialog.FileName.isEmpty() && QFileInfo(folder).isDir()) {
        dialog.InitialDir = folder;
    }
}
