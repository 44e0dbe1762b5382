#pragma once

#include "support/TempDir.h"

#include <QSettings>
#include <QString>

#include <cstdlib>

// Points the per-user settings at a fresh folder for the guard's lifetime, so that no
// test reads what another wrote and none touches the user's own. Afterwards they
// point at the folder the test run gives (XDG_CONFIG_HOME), or the temporary folder.
class ScopedUserSettings {
  public:
    ScopedUserSettings() { Point(QString::fromStdString(dir_.Path().string())); }
    ScopedUserSettings(const ScopedUserSettings&) = delete;
    ScopedUserSettings& operator=(const ScopedUserSettings&) = delete;
    ~ScopedUserSettings() {
        const char* given = std::getenv("XDG_CONFIG_HOME");
        Point(given ? QString::fromLocal8Bit(given)
                    : QString::fromStdString(std::filesystem::temp_directory_path().string()));
    }

    const TempDir& Dir() const { return dir_; }

  private:
    static void Point(const QString& folder) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }

    TempDir dir_;
};
