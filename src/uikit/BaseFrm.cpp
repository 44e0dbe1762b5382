#include "uikit/BaseFrm.h"

#include "base/FileNames.h"
#include "uikit/ByteText.h"
#include "uikit/ErrorHandler.h"
#include "uikit/Prompts.h"

#include <QCloseEvent>

namespace {

const char* const CaptionFormat = "%1 (%2)";

QString ModifiedMark(bool modified) {
    return modified ? QStringLiteral("*") : QString();
}

} // namespace

TFrmBase::TFrmBase(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("FrmBase"));
}

void TFrmBase::FormCreate() {
    baseCaption_ = windowTitle();
    SetFileName({});
}

std::filesystem::path TFrmBase::GetFileName() const {
    return {};
}

void TFrmBase::SetFileName(const std::filesystem::path& fileName) {
    QString filePart = QStringLiteral("New");
    if (!fileName.empty()) {
        const std::string name = PathToUtf8(fileName);
        const std::string_view last = LastPathComponent(name);
        filePart = QString::fromUtf8(last.data(), static_cast<qsizetype>(last.size()));
    }
    setWindowTitle(QString::fromLatin1(CaptionFormat)
                       .arg(filePart + ModifiedMark(IsModified()), baseCaption_));
}

bool TFrmBase::CanSave(bool, bool) {
    return true;
}

bool TFrmBase::SaveToFile(const std::filesystem::path&) {
    return false;
}

bool TFrmBase::LoadFromFile(const std::filesystem::path&) {
    return false;
}

void TFrmBase::NewFile() {}

bool TFrmBase::ConfirmClose() {
    const std::filesystem::path fileName = GetFileName();
    const QString informative = fileName.empty()
                                    ? QStringLiteral("The document has never been saved.")
                                    : QStringLiteral("File: %1").arg(PathToText(fileName));
    const MessageAnswer answer = AppPrompts().Message(
        {QStringLiteral("You have modified the file. Close anyway?"), QStringLiteral("Close File"),
         MessageIcon::Question, save_ ? MessageButtons::YesNoSave : MessageButtons::YesNo,
         MessageAnswer::No, informative});
    if (answer == MessageAnswer::Save) {
        // A save that fails says why, and the window stays with its changes.
        bool saved = false;
        RunGuarded([&] { saved = save_ && save_(*this); });
        return saved;
    }
    return answer == MessageAnswer::Yes;
}

bool TFrmBase::IsModified() const {
    return false;
}

bool TFrmBase::ChangedOnDisk() const {
    return false;
}

void TFrmBase::CloseConfirmed() {
    closeConfirmed_ = true;
    if (QWidget* frame = parentWidget()) {
        frame->close();
    } else {
        close();
    }
}

void TFrmBase::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_ && IsModified() && !ConfirmClose()) {
        event->ignore();
        return;
    }
    event->accept();
}
