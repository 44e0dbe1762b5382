// Any bytes as the settings file beside the program: start-up reads it without a
// complaint and goes on to look for the host.
#include "ScratchFolder.h"
#include "host/HostInstallation.h"
#include "host/WineRegistryReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path program = Scratch() / "quillkit";
    WriteScratchFile(SettingsFileName(program), data, size);
    WineRegistryReader noRegistry{std::filesystem::path()};
    // A regular file of any content is fine to read, so nothing may be reported.
    static_cast<void>(
        LoadSettings(program, noRegistry, [](const std::string&) { __builtin_trap(); }));
    return 0;
}
