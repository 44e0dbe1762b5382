#include "host/HostPaths.h"

#include "base/FolderCopy.h"

#include "base/Windows1252.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include "base/CodePage.h"
#endif

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

} // namespace

fs::path AppendMatchingComponents(fs::path base, std::string_view relativeUtf8) {
    std::size_t start = 0;
    while (start <= relativeUtf8.size()) {
        std::size_t end = relativeUtf8.find_first_of("\\/", start);
        if (end == std::string_view::npos) {
            end = relativeUtf8.size();
        }
        const std::string component(relativeUtf8.substr(start, end - start));
        if (!component.empty()) {
            fs::path next = base / component;
            if (!Exists(next) && component != "." && component != "..") {
                if (const std::optional<std::string> match = CaselessEntry(base, component)) {
                    next = base / *match;
                }
            }
            base = std::move(next);
        }
        start = end + 1;
    }
    return base;
}

fs::path HostPath(const fs::path& installDir, std::string_view relative) {
#ifdef _WIN32
    // The file system ignores letter case; the bytes are in the system code page.
    fs::path path = installDir;
    path += CodePageToWide(relative);
    return path;
#else
    return AppendMatchingComponents(installDir, Windows1252ToUtf8(relative));
#endif
}

std::optional<fs::path> FindHostFile(const fs::path& installDir, std::string_view relative) {
    fs::path path = HostPath(installDir, relative);
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) {
        return path;
    }
    return std::nullopt;
}
