#pragma once

#include "uikit/Prompts.h"

#include <QStringList>

class QWidget;

// Prompts shown with Qt's message boxes and file dialogs.
class QtPrompts final : public Prompts {
  public:
    MessageAnswer Message(const MessageRequest& request) override;
    bool RunOpenDialog(FileDialogSettings& dialog) override;
    bool RunSaveDialog(FileDialogSettings& dialog) override;
};

// "Desc (*.a)|*.a|All (*.*)|*.*" as Qt name filters; "*.*" becomes "*", which matches
// names without an extension too, as it does on Windows, and off Windows each pattern
// also matches its upper-case form.
QStringList QtNameFilters(const QString& filter);
