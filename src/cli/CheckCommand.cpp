#include "cli/Commands.h"
#include "cli/LoadedDocument.h"
#include "host/Settings.h"

int CheckCommand(const Invocation& invocation, std::ostream&, std::ostream& err) {
    LoadedDocument loaded(invocation.File, Settings.InstallDir, err);
    const bool canSave = loaded.Document().CanSave(true, false);
    return canSave && invocation.EarlierMessages + loaded.Messages() == 0 ? 0 : 1;
}
