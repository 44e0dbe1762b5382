#include "base/SameFile.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

fs::path Normalised(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) {
        return path.lexically_normal();
    }
    fs::path canonical = fs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : canonical;
}

} // namespace

bool IsSameFile(const fs::path& a, const fs::path& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
#ifdef _WIN32
    // Letter case as the file system ignores it, beyond ASCII too (towlower would
    // fold A-Z only).
    const std::wstring x = Normalised(a).native();
    const std::wstring y = Normalised(b).native();
    return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                                static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
#else
    return Normalised(a) == Normalised(b);
#endif
}
