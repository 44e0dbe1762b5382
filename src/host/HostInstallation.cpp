#include "host/HostInstallation.h"

#include "base/TextFile.h"
#include "host/Settings.h"

#include <array>
#include <system_error>

namespace {

constexpr std::array<const char*, 2> UninstallKeys = {
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvex Zephal",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvex Tarnis",
};
constexpr const char* UninstallValue = "UninstallString";
// Far more than any settings file holds.
constexpr std::size_t SettingsFileLimit = std::size_t{1} << 20;

} // namespace

std::string InvalidDataTypeMessage(const std::string& valueName) {
    return "Invalid data type for '" + valueName + "'";
}

std::u16string UninstallDirectory(std::u16string_view uninstallString) {
    std::u16string_view path = uninstallString;
    if (!path.empty() && path.front() == u'"') {
        // Options behind the closing quote never move the cut, even with a backslash.
        path.remove_prefix(1);
        path = path.substr(0, path.find(u'"'));
    } else if (!path.empty() && path.back() == u'"') {
        path.remove_suffix(1);
    }
    // A command line, not a native path: "\" and ":" delimit, so "/S" never counts.
    const std::size_t delimiter = path.find_last_of(u"\\:");
    return delimiter == std::u16string_view::npos ? std::u16string()
                                                  : std::u16string(path.substr(0, delimiter + 1));
}

std::filesystem::path FindHostInstallation(RegistryReader& registry, const ErrorReporter& report) {
    for (const char* key : UninstallKeys) {
        for (const RegistryView view : {RegistryView::Bits32, RegistryView::Bits64}) {
            std::optional<std::u16string> value;
            try {
                value = registry.ReadString(view, key, UninstallValue);
            } catch (const RegistryError& error) {
                report(error.what());
                continue;
            }
            if (!value || value->empty()) {
                continue;
            }
            const std::u16string directory = UninstallDirectory(*value);
            return directory.empty() ? std::filesystem::path()
                                     : WithTrailingSeparator(registry.NativeDirectory(directory));
        }
    }
    return {};
}

std::filesystem::path SettingsFileName(const std::filesystem::path& programPath) {
    // Native characters throughout, so that no name is re-encoded on the way.
    std::filesystem::path::string_type name = programPath.filename().native();
    const std::size_t stop = name.rfind('.');
    if (stop != name.npos) {
        name.erase(stop);
    }
    std::filesystem::path settings = programPath.parent_path() / name;
    settings += ".ini";
    return settings;
}

std::filesystem::path LoadSettings(const std::filesystem::path& programPath,
                                   RegistryReader& registry, const ErrorReporter& report) {
    const std::filesystem::path settingsFile = SettingsFileName(programPath);
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(settingsFile, ec))) {
        try {
            // Nothing in it is used; reading its start shows a damaged file early. It is
            // checked first like every file: a pipe or a device there would hang the
            // start or read without end.
            EnsureRegularFile(settingsFile);
            ReadFileBytesUpTo(settingsFile, SettingsFileLimit);
        } catch (const FileError& error) {
            report(error.what());
        }
    }
    return FindHostInstallation(registry, report);
}
