#pragma once

#ifdef _WIN32

#include "host/RegistryReader.h"

// The Win32 registry, opened for reading only: an open that asks for more fails for
// every user without administrator rights.
class WindowsRegistryReader final : public RegistryReader {
  public:
    std::optional<std::u16string> ReadString(RegistryView view, const std::string& keyPath,
                                             const std::string& valueName) override;
    std::filesystem::path NativeDirectory(const std::u16string& windowsDirectory) override;
};

#endif
