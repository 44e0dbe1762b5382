#pragma once

#include <filesystem>

// Whether two names denote the same file, as the file system sees it: both made
// absolute and, where the file exists, followed through links; letter case is
// ignored on Windows only.
bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);
