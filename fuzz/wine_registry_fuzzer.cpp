// Any bytes as the system.reg of a Wine prefix: the uninstall values are read from
// both views, as the host's discovery reads them, and decoded from their escapes.
#include "host/HostInstallation.h"
#include "host/WineRegistryReader.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A prefix of this process's own, removed when it ends.
struct ScratchPrefix {
    ScratchPrefix() { std::filesystem::create_directories(Path); }
    ~ScratchPrefix() {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    const std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("quillkit-fuzz-" + std::to_string(getpid()));
};

const std::filesystem::path& Prefix() {
    static const ScratchPrefix prefix;
    return prefix.Path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(Prefix() / "system.reg", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    WineRegistryReader registry(Prefix());
    // Every reported error is an answer too; discovery goes on after each.
    static_cast<void>(FindHostInstallation(registry, [](const std::string&) {}));
    return 0;
}
