#include "uikit/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
    case MessageIcon::Application: // a picture of its own, set by the caller
        break;
    }
    return QMessageBox::NoIcon;
}

bool RunDialog(FileDialogSettings& settings, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), settings.Title, settings.InitialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    const QStringList filters = QtNameFilters(settings.Filter);
    dialog.setNameFilters(filters);
    const int index = std::max(settings.FilterIndex, 1) - 1;
    if (index < filters.size()) {
        dialog.selectNameFilter(filters[index]);
    }
    if (!settings.FileName.isEmpty()) {
        dialog.selectFile(settings.FileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    settings.FileName = dialog.selectedFiles().constFirst();
    settings.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}

} // namespace

QStringList QtNameFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype open = description.lastIndexOf(u'(');
        if (open > 0) {
            description = description.left(open).trimmed();
        }
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            if (pattern == QStringLiteral("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            patterns << pattern;
#ifndef _WIN32
            // The host's files come from a file system that ignores letter case.
            if (pattern.toUpper() != pattern) {
                patterns << pattern.toUpper();
            }
#endif
        }
        result << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    return result;
}

MessageAnswer QtPrompts::Message(const MessageRequest& request) {
    QMessageBox box(ToQt(request.Icon), request.Caption, request.Text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (request.Icon == MessageIcon::Application) {
        box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    }
    box.setInformativeText(request.Informative);
    // Answers with their own texts, each with the answer it gives.
    QList<std::pair<QPushButton*, MessageAnswer>> named;
    const auto add = [&](const char* text, QMessageBox::ButtonRole role, MessageAnswer answer) {
        QPushButton* button = box.addButton(QString::fromLatin1(text), role);
        named.append({button, answer});
        if (answer == request.DefaultButton) {
            box.setDefaultButton(button);
        }
        return button;
    };
    if (request.Buttons == MessageButtons::OverwriteSaveAsCancel) {
        add("Overwrite", QMessageBox::DestructiveRole, MessageAnswer::Overwrite);
        add("Save as...", QMessageBox::AcceptRole, MessageAnswer::SaveAs);
        box.setEscapeButton(add("Cancel", QMessageBox::RejectRole, MessageAnswer::Cancel));
    } else if (request.Buttons == MessageButtons::ReloadKeepMine) {
        add("Reload", QMessageBox::DestructiveRole, MessageAnswer::Reload);
        box.setEscapeButton(add("Keep mine", QMessageBox::RejectRole, MessageAnswer::KeepMine));
    } else if (request.Buttons == MessageButtons::CopyNameOnlyCancel) {
        add("Copy", QMessageBox::AcceptRole, MessageAnswer::Copy);
        add("Use the name only", QMessageBox::ActionRole, MessageAnswer::NameOnly);
        box.setEscapeButton(add("Cancel", QMessageBox::RejectRole, MessageAnswer::Cancel));
    }
    QPushButton* save = nullptr;
    if (request.Buttons == MessageButtons::YesNoSave) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else if (request.Buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.DefaultButton == MessageAnswer::Yes ? QMessageBox::Yes
                                                                         : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else if (named.isEmpty()) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (save && box.clickedButton() == save) {
        return MessageAnswer::Save;
    }
    for (const auto& [button, answer] : named) {
        if (box.clickedButton() == button) {
            return answer;
        }
    }
    if (!named.isEmpty()) {
        return MessageAnswer::Dismissed;
    }
    switch (result) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Dismissed;
    }
}

bool QtPrompts::RunOpenDialog(FileDialogSettings& dialog) {
    return RunDialog(dialog, QFileDialog::AcceptOpen);
}

bool QtPrompts::RunSaveDialog(FileDialogSettings& dialog) {
    return RunDialog(dialog, QFileDialog::AcceptSave);
}
