#pragma once

#include "host/RegistryReader.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// Tells the user about an error and lets the caller go on.
using ErrorReporter = std::function<void(const std::string& message)>;

// The directory part of an uninstall command line, delimiter kept: C:\Apps\Host\ for
// "C:\Apps\Host\uninstall.exe" /S. Empty when there is none.
std::u16string UninstallDirectory(std::u16string_view uninstallString);

// The host's installation directory (ending with a separator) from its uninstall
// entries: "Norvex Zephal" before "Norvex Tarnis", each in the 32-bit view before the
// 64-bit one; the first value that is not empty wins. A value of the wrong type is
// reported and the search goes on. Empty when nothing is found.
std::filesystem::path FindHostInstallation(RegistryReader& registry, const ErrorReporter& report);

// The settings file beside the program: its path with the extension replaced by ".ini".
std::filesystem::path SettingsFileName(const std::filesystem::path& programPath);

// Reads the settings file whole if it exists (it has no effect) and finds the host,
// as FindHostInstallation does. A settings file that cannot be read is reported, and
// the host is still looked for.
std::filesystem::path LoadSettings(const std::filesystem::path& programPath,
                                   RegistryReader& registry, const ErrorReporter& report);
