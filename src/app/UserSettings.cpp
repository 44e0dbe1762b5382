#include "app/UserSettings.h"

#include <QSettings>

namespace {

QSettings Store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Norvex"),
                     QStringLiteral("Quillkit"));
}

const QString RecentFilesKey = QStringLiteral("RecentFiles");

void StoreRecentFiles(QStringList files) {
    while (files.size() > UserSettings::MaxRecentFiles) {
        files.removeLast();
    }
    Store().setValue(RecentFilesKey, files);
}

} // namespace

namespace UserSettings {

QByteArray MainWindowGeometry() {
    return Store().value(QStringLiteral("MainWindow/Geometry")).toByteArray();
}

void SetMainWindowGeometry(const QByteArray& geometry) {
    Store().setValue(QStringLiteral("MainWindow/Geometry"), geometry);
}

QString DialogFolder(const QString& dialog) {
    return Store().value(QStringLiteral("Dialogs/%1Folder").arg(dialog)).toString();
}

void SetDialogFolder(const QString& dialog, const QString& folder) {
    Store().setValue(QStringLiteral("Dialogs/%1Folder").arg(dialog), folder);
}

QStringList RecentFiles() {
    QStringList files = Store().value(RecentFilesKey).toStringList();
    files.removeAll(QString());
    while (files.size() > MaxRecentFiles) {
        files.removeLast();
    }
    return files;
}

void AddRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    StoreRecentFiles(files);
}

void RemoveRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    StoreRecentFiles(files);
}

void ClearRecentFiles() {
    StoreRecentFiles({});
}

} // namespace UserSettings
