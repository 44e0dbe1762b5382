#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the program remembers between runs, for each user: an INI file in the
// platform's per-user configuration folder. (The settings file beside the program is
// another one, only ever read.) Every call reads or writes the file at once, so two
// main windows, or a test that points the folder elsewhere, always agree.
namespace UserSettings {

inline constexpr int MaxRecentFiles = 10;

QByteArray MainWindowGeometry();
void SetMainWindowGeometry(const QByteArray& geometry);

// The folder a file dialog ("Open", "Save") last chose a file in; empty before that.
QString DialogFolder(const QString& dialog);
void SetDialogFolder(const QString& dialog, const QString& folder);

// Newest first, at most MaxRecentFiles.
QStringList RecentFiles();
// Puts `path` first, once.
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);
void ClearRecentFiles();

} // namespace UserSettings
