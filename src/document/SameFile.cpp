#include "document/SameFile.h"

#include <algorithm>
#include <cwctype>
#include <system_error>

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
    std::wstring x = Normalised(a).wstring();
    std::wstring y = Normalised(b).wstring();
    const auto lower = [](std::wstring& text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    };
    lower(x);
    lower(y);
    return x == y;
#else
    return Normalised(a) == Normalised(b);
#endif
}
