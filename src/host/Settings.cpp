#include "host/Settings.h"

TSettings Settings;

std::filesystem::path WithTrailingSeparator(const std::filesystem::path& dir) {
    if (dir.empty() || !dir.has_filename()) {
        return dir;
    }
    std::filesystem::path result = dir;
    result += std::filesystem::path::preferred_separator;
    return result;
}
