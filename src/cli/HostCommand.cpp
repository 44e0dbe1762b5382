#include "cli/Commands.h"

#include "host/HostInstallation.h"
#include "host/Settings.h"

int HostCommand(const Invocation&, std::ostream& out, std::ostream& err) {
    int messages = 0;
    Settings.InstallDir.clear();
    FindHostInstallation(*MakeSystemRegistryReader(), [&](const std::string& message) {
        err << message << '\n';
        ++messages;
    });
    out << Settings.InstallDir.string() << '\n';
    return messages == 0 ? 0 : 1;
}
