#include "cli/Commands.h"
#include "cli/MessageOnlyView.h"

#include "document/SarvikWaveset.h"

#include <exception>

int FormatCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
    MessageOnlyView view(err);
    TSarvikWaveset document(&view);
    try {
        document.LoadFromFile(invocation.File);
    } catch (const std::exception& error) {
        view.Report(error.what());
    }
    out << document.BuildText();
    return invocation.EarlierMessages + view.Count() == 0 ? 0 : 1;
}
