#pragma once

#include "host/RegistryReader.h"

// A registry with at most one host entry, whose directory is a folder of the test.
class FakeRegistry : public RegistryReader {
  public:
    FakeRegistry() = default;
    explicit FakeRegistry(std::filesystem::path installDir) : installDir_(std::move(installDir)) {}

    std::optional<std::u16string> ReadString(RegistryView, const std::string& keyPath,
                                             const std::string&) override {
        if (installDir_.empty() || !keyPath.ends_with("Norvex Zephal")) {
            return std::nullopt;
        }
        return u"\"C:\\Norvex\\uninstall.exe\" /S";
    }
    std::filesystem::path NativeDirectory(const std::u16string&) override { return installDir_; }

  private:
    std::filesystem::path installDir_;
};
