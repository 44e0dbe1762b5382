#include "cli/LoadedDocument.h"

#include <exception>

LoadedDocument::LoadedDocument(const std::filesystem::path& file,
                               const std::filesystem::path& installDir, std::ostream& err)
    : view_(err), document_(&view_, installDir) {
    try {
        document_.LoadFromFile(file);
    } catch (const std::exception& error) {
        view_.Report(error.what());
    }
}
