#include "cli/Arguments.h"
#include "cli/CliCommands.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The document's bytes go out exactly as built, and every message line ends with a
    // lone LF: no CR LF translation on either stream.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    int code = 2;
    try {
        code = RunCli(args, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        code = 2;
    }
    std::cout.flush();
    std::cerr.flush();
    return std::cout.fail() ? 2 : code;
}
