#include "cli/Commands.h"
#include "cli/MessageOnlyView.h"

#include "document/SarvikWaveset.h"

#include <exception>

int CheckCommand(const Invocation& invocation, std::ostream&, std::ostream& err) {
    MessageOnlyView view(err);
    TSarvikWaveset document(&view);
    try {
        document.LoadFromFile(invocation.File);
    } catch (const std::exception& error) {
        view.Report(error.what());
    }
    const bool canSave = document.CanSave(true, false);
    return canSave && invocation.EarlierMessages + view.Count() == 0 ? 0 : 1;
}
