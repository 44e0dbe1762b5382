#include "cli/Arguments.h"

#ifdef _WIN32
#include "base/Utf.h"

#include <memory>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

std::vector<std::string> ProgramArguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    // argv holds code-page bytes, with '?' for every character the code page lacks.
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> wide(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) {
        const std::wstring_view arg(wide.get()[i]);
        args.push_back(Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
    }
    return args;
#else
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
#endif
}

std::filesystem::path ArgumentPath(const std::string& argument) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
#else
    return std::filesystem::path(argument);
#endif
}
