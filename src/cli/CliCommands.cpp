#include "cli/CliCommands.h"

#include "base/TextFile.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "host/HostInstallation.h"
#include "host/Settings.h"

#include <optional>
#include <string_view>

namespace {

struct OptionRule {
    std::string_view Name;
    bool TakesValue;
};

struct CommandEntry {
    std::string_view Name;
    std::vector<OptionRule> Options;
    bool TakesFile;
    // Needs the host's installation, found in the registry unless --install-dir gives it.
    bool UsesHost;
    int (*Run)(const Invocation&, std::ostream&, std::ostream&);
};

const std::vector<CommandEntry>& Commands() {
    static const std::vector<CommandEntry> commands = {
        {"format", {{"--install-dir", true}}, true, true, FormatCommand},
        {"check", {{"--install-dir", true}}, true, true, CheckCommand},
        {"samples", {{"--menu", false}}, true, false, SamplesCommand},
        {"detect", {}, true, false, DetectCommand},
        {"host", {}, false, false, HostCommand},
    };
    return commands;
}

std::string Usage() {
    std::string usage;
    for (const CommandEntry& command : Commands()) {
        usage += usage.empty() ? "usage: " : "       ";
        usage += "quillkit-cli ";
        usage += command.Name;
        for (const OptionRule& option : command.Options) {
            usage += " [";
            usage += option.Name;
            usage += option.TakesValue ? " DIR]" : "]";
        }
        usage += command.TakesFile ? " FILE\n" : "\n";
    }
    return usage;
}

// Options come before FILE; anything else is a usage error.
std::optional<Invocation> Parse(const CommandEntry& command, const std::vector<std::string>& args) {
    Invocation invocation;
    std::size_t i = 1;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        const OptionRule* known = nullptr;
        for (const OptionRule& option : command.Options) {
            if (args[i] == option.Name) {
                known = &option;
            }
        }
        if (!known || (known->TakesValue && i + 1 >= args.size())) {
            return std::nullopt;
        }
        const std::string& name = args[i];
        invocation.Options[name] = known->TakesValue ? args[i + 1] : std::string();
        i += known->TakesValue ? 1U : 0U;
    }
    const std::size_t files = args.size() - i;
    if (files != (command.TakesFile ? 1U : 0U)) {
        return std::nullopt;
    }
    if (command.TakesFile) {
        invocation.File = ArgumentPath(args[i]);
    }
    return invocation;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CommandEntry* command = nullptr;
    for (const CommandEntry& candidate : Commands()) {
        if (!args.empty() && args[0] == candidate.Name) {
            command = &candidate;
        }
    }
    std::optional<Invocation> invocation =
        command ? Parse(*command, args) : std::optional<Invocation>();
    if (!invocation) {
        err << Usage();
        return 2;
    }
    if (command->TakesFile) {
        try {
            EnsureReadableFile(invocation->File);
        } catch (const FileError& error) {
            err << error.what() << '\n';
            return 2;
        }
    }
    if (const auto dir = invocation->Options.find("--install-dir");
        dir != invocation->Options.end()) {
        Settings.InstallDir = WithTrailingSeparator(ArgumentPath(dir->second));
    } else if (command->UsesHost) {
        Settings.InstallDir =
            FindHostInstallation(*MakeSystemRegistryReader(), [&](const std::string& message) {
                err << message << '\n';
                ++invocation->EarlierMessages;
            });
    }
    return command->Run(*invocation, out, err);
}
