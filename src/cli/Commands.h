#pragma once

#include <filesystem>
#include <map>
#include <ostream>
#include <string>

// One parsed command line: the options given (a flag maps to the empty text) and FILE.
struct Invocation {
    std::map<std::string, std::string> Options;
    std::filesystem::path File;
    // Messages already written to stderr while finding the host.
    int EarlierMessages = 0;

    bool Has(const std::string& option) const { return Options.count(option) != 0; }
};

// Each command writes its bytes to `out`, its messages to `err`, and returns the
// exit code. FILE has been checked to be a readable regular file.
int FormatCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);
int CheckCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);
int DetectCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);
int HostCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);
// Lists FILE's waveset entries, one a line, or with --menu the sample chooser's captions.
int SamplesCommand(const Invocation& invocation, std::ostream& out, std::ostream& err);
