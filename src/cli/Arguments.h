#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Command-line arguments as RunCli takes them: UTF-8 on Windows, taken from the wide
// command line so that no name outside the code page is lost; the bytes as given
// elsewhere. The program name is left out.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// A FILE or DIR argument in that form as a path.
std::filesystem::path ArgumentPath(const std::string& argument);
