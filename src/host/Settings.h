#pragma once

#include <filesystem>

// The program's settings: where the host is installed.
struct TSettings {
    // The host's installation directory, ending with a separator; empty when the
    // host was not found.
    std::filesystem::path InstallDir;
};

extern TSettings Settings;

// Makes `dir` a directory path that ends with a separator; empty stays empty.
std::filesystem::path WithTrailingSeparator(const std::filesystem::path& dir);
