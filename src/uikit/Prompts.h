#pragma once

#include <QString>

enum class MessageIcon { None, Information, Warning, Stop, Question, Application };
// YesNoSave: Yes, No and a third answer, Save. OverwriteSaveAsCancel: "Overwrite",
// "Save as..." and "Cancel". ReloadKeepMine: "Reload" and "Keep mine".
// CopyNameOnlyCancel: "Copy", "Use the name only" and "Cancel".
enum class MessageButtons {
    Ok,
    YesNo,
    YesNoSave,
    OverwriteSaveAsCancel,
    ReloadKeepMine,
    CopyNameOnlyCancel
};
enum class MessageAnswer {
    Ok,
    Yes,
    No,
    Dismissed,
    Save,
    Overwrite,
    SaveAs,
    Cancel,
    Reload,
    KeepMine,
    Copy,
    NameOnly
};

// A modal message box.
struct MessageRequest {
    QString Text;
    QString Caption;
    MessageIcon Icon = MessageIcon::None;
    MessageButtons Buttons = MessageButtons::Ok;
    MessageAnswer DefaultButton = MessageAnswer::Ok;
    // Shown below the text, smaller: what the question is about.
    QString Informative = {};
};

// A common open or save dialog and what it keeps between uses. The filter is written
// as pairs of description and patterns: "Sarvik Files (*.txt)|*.txt|All Files (*.*)|*.*".
struct FileDialogSettings {
    QString Title;
    QString Filter;
    int FilterIndex = 0; // 0 and 1 both select the first filter
    QString InitialDir;
    QString FileName;
};

// After a dialog was accepted: it starts in the chosen file's folder next time.
void RememberChosenFolder(FileDialogSettings& dialog);

// Every question the program asks a person goes through here, so that tests can
// answer them.
class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual MessageAnswer Message(const MessageRequest& request) = 0;
    // Runs the dialog; on acceptance stores the chosen path in `dialog.FileName`.
    virtual bool RunOpenDialog(FileDialogSettings& dialog) = 0;
    // The save dialog asks before overwriting a file the user picked.
    virtual bool RunSaveDialog(FileDialogSettings& dialog) = 0;
};

// The prompts the program uses; the real ones unless a test installs others.
Prompts& AppPrompts();
void SetAppPrompts(Prompts* prompts);
