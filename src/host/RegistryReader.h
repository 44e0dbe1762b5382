#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

// A registry value that is there but holds no text.
class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The two views of HKEY_LOCAL_MACHINE\SOFTWARE that a 64-bit Windows keeps apart.
enum class RegistryView { Bits32, Bits64 };

// Reads text values under HKEY_LOCAL_MACHINE, for reading only.
class RegistryReader {
  public:
    virtual ~RegistryReader() = default;

    // The text of `valueName` under `keyPath` (relative to HKEY_LOCAL_MACHINE,
    // components separated by "\") in `view`; nothing when the key or the value is
    // absent or cannot be opened. Expandable text is returned as stored. Throws
    // RegistryError "Invalid data type for '<valueName>'" for a value of another type.
    virtual std::optional<std::u16string> ReadString(RegistryView view, const std::string& keyPath,
                                                     const std::string& valueName) = 0;

    // A Windows directory from the registry (such as C:\Apps\Host\) as a native path.
    // Empty when it cannot be mapped.
    virtual std::filesystem::path NativeDirectory(const std::u16string& windowsDirectory) = 0;
};

std::string InvalidDataTypeMessage(const std::string& valueName);

// The registry of this system: the Win32 registry on Windows, the registry file of
// the Wine prefix in which the host runs elsewhere.
std::unique_ptr<RegistryReader> MakeSystemRegistryReader();
