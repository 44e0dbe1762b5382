#include "cli/Commands.h"

#include "document/FileTypeDetection.h"

int DetectCommand(const Invocation& invocation, std::ostream& out, std::ostream&) {
    out << static_cast<int>(DetectFileType(invocation.File)) << '\n';
    return 0;
}
