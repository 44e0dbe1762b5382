#pragma once

#include "host/RegistryReader.h"

#include <filesystem>
#include <optional>
#include <string>

// The machine registry of a Wine prefix, read from its "system.reg" file, for a host
// that runs under Wine. Key and value names match without regard to letter case.
class WineRegistryReader final : public RegistryReader {
  public:
    // An empty prefix has no registry.
    explicit WineRegistryReader(std::filesystem::path prefix);
    // A prefix whose registry text is already at hand, as read from its file.
    WineRegistryReader(std::filesystem::path prefix, std::string registryText);

    // $WINEPREFIX, else ~/.wine; empty when neither can be named.
    static std::filesystem::path DefaultPrefix();

    std::optional<std::u16string> ReadString(RegistryView view, const std::string& keyPath,
                                             const std::string& valueName) override;
    // Maps a drive path through the prefix's drive links (dosdevices/c: and so on).
    std::filesystem::path NativeDirectory(const std::u16string& windowsDirectory) override;

  private:
    const std::string& RegistryText();

    std::filesystem::path prefix_;
    std::optional<std::string> text_;
};
