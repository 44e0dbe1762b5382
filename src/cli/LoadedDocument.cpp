#include "cli/LoadedDocument.h"

#include <exception>

LoadedDocument::LoadedDocument(const std::filesystem::path& file, std::ostream& err)
    : view_(err), document_(&view_) {
    try {
        document_.LoadFromFile(file);
    } catch (const std::exception& error) {
        view_.Report(error.what());
    }
}
