#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one quillkit-cli command. `args` excludes the program name. Writes the
// command's bytes to `out` and its messages to `err`; returns the exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
