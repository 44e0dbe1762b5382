#pragma once

#include "uikit/Prompts.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <optional>

// Answers every prompt from a script and records what was asked, so that no test
// waits for a person. A prompt the script did not expect is recorded and cancelled.
class ScriptedPrompts : public Prompts {
  public:
    ScriptedPrompts() { SetAppPrompts(this); }
    ~ScriptedPrompts() override { SetAppPrompts(nullptr); }

    MessageAnswer Message(const MessageRequest& request) override {
        Messages << request;
        if (Answers.empty()) {
            return MessageAnswer::Dismissed;
        }
        const MessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    bool RunOpenDialog(FileDialogSettings& dialog) override {
        return RunDialog(dialog, OpenDialogs);
    }
    bool RunSaveDialog(FileDialogSettings& dialog) override {
        return RunDialog(dialog, SaveDialogs);
    }

    QStringList MessageTexts() const {
        QStringList texts;
        for (const MessageRequest& request : Messages) {
            texts << request.Text;
        }
        return texts;
    }

    std::deque<MessageAnswer> Answers;
    // A chosen file name, or nothing for Cancel.
    std::deque<std::optional<QString>> FileChoices;
    QList<MessageRequest> Messages;
    QList<FileDialogSettings> OpenDialogs;
    QList<FileDialogSettings> SaveDialogs;
    int UnexpectedDialogs = 0;

  private:
    bool RunDialog(FileDialogSettings& dialog, QList<FileDialogSettings>& seen) {
        seen << dialog;
        if (FileChoices.empty()) {
            ++UnexpectedDialogs;
            return false;
        }
        const std::optional<QString> choice = FileChoices.front();
        FileChoices.pop_front();
        if (!choice) {
            return false;
        }
        dialog.FileName = *choice;
        return true;
    }
};
