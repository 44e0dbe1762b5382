#include "cli/Commands.h"

#include "base/TextFile.h"
#include "host/HostInstallation.h"

int HostCommand(const Invocation&, std::ostream& out, std::ostream& err) {
    int messages = 0;
    const std::filesystem::path installDir =
        FindHostInstallation(*MakeSystemRegistryReader(), [&](const std::string& message) {
            err << message << '\n';
            ++messages;
        });
    out << PathText(installDir) << '\n';
    return messages == 0 ? 0 : 1;
}
