#include "cli/Commands.h"
#include "cli/LoadedDocument.h"
#include "host/Settings.h"

int CheckCommand(const Invocation& invocation, std::ostream&, std::ostream& err) {
    LoadedDocument loaded(invocation.File, Settings.InstallDir, err);
    const bool canSave = loaded.Document().CanSave(true, false);
    // Saving accepts them, but the host would play nothing for these.
    for (const std::string& missing : loaded.Document().MissingWaves()) {
        loaded.Report(missing);
    }
    return canSave && invocation.EarlierMessages + loaded.Messages() == 0 ? 0 : 1;
}
