#include "cli/Commands.h"
#include "cli/LoadedDocument.h"
#include "host/Settings.h"

int FormatCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    LoadedDocument loaded(invocation.File, Settings.InstallDir, err);
    out << loaded.Document().BuildText();
    return invocation.EarlierMessages + loaded.Messages() == 0 ? 0 : 1;
}
