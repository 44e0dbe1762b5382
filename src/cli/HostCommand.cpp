#include "cli/Commands.h"

#include "document/TextFile.h"
#include "host/HostInstallation.h"
#include "host/Settings.h"

int HostCommand(const Invocation&, std::ostream& out, std::ostream& err) {
    int messages = 0;
    Settings.InstallDir.clear();
    FindHostInstallation(*MakeSystemRegistryReader(), [&](const std::string& message) {
        err << message << '\n';
        ++messages;
    });
    out << PathText(Settings.InstallDir) << '\n';
    return messages == 0 ? 0 : 1;
}
