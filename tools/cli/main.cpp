// tk73 <command> [options]: every store operation of the suite from a script. Results go to
// standard output, messages to standard error; the exit code tells success from each kind of
// failure (exit_codes.h).

#include <cstdio>
#include <string>
#include <vector>

#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/terminal_text.h"

namespace {

using tk73cli::Command;

std::vector<Command> allCommands() {
    std::vector<Command> all;
    for (auto group : {tk73cli::ListCommands, tk73cli::StoreCommands, tk73cli::ItemCommands,
                       tk73cli::CsvCommands, tk73cli::ArchiveCommands, tk73cli::LanCommands,
                       tk73cli::DiffCommands, tk73cli::HistoryCommands, tk73cli::ChangesCommands,
                       tk73cli::CheckCommands}) {
        for (Command& command : group()) {
            all.push_back(std::move(command));
        }
    }
    return all;
}

void printOverview(std::FILE* to, const std::vector<Command>& commands) {
    std::fprintf(to, "usage: tk73 <command> [options]; tk73 <command> --help for its options\n");
    for (const Command& command : commands) {
        std::fprintf(to, "  %-16s %s\n", command.name.c_str(), command.summary.c_str());
    }
}

void printHelp(const Command& command) {
    std::printf("usage: tk73 %s %s\n%s\n", command.name.c_str(), command.arguments.c_str(),
                command.summary.c_str());
    for (const tk73cli::OptionSpec& option : command.options) {
        const std::string name = std::string("--") + option.name +
                                 (option.valueName ? std::string(" ") + option.valueName : "");
        std::printf("  %-18s %s\n", name.c_str(), option.help);
    }
    std::printf("  %-18s %s\n", "--help", "this text");
}

int usageError(const Command& command, const std::string& why) {
    std::fprintf(stderr, "tk73 %s: %s\nusage: tk73 %s %s\n", command.name.c_str(), why.c_str(),
                 command.name.c_str(), command.arguments.c_str());
    return tk73cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::vector<Command> commands = allCommands();
    if (args.empty() || args[0] == "--help") {
        printOverview(args.empty() ? stderr : stdout, commands);
        return args.empty() ? tk73cli::kExitUsage : tk73cli::kExitOk;
    }
    // "store" takes its action as a second word.
    const size_t words = args[0] == "store" && args.size() > 1 ? 2 : 1;
    std::string name = args[0];
    if (words == 2) {
        name += " " + args[1];
    }
    const Command* command = nullptr;
    for (const Command& candidate : commands) {
        if (candidate.name == name) {
            command = &candidate;
        }
    }
    if (command == nullptr) {
        std::fprintf(stderr, "tk73: unknown command \"%s\"\n", name.c_str());
        printOverview(stderr, commands);
        return tk73cli::kExitUsage;
    }
    const std::vector<std::string> rest(args.begin() + static_cast<long>(words), args.end());
    for (const std::string& arg : rest) {
        if (arg == "--help") {
            printHelp(*command);
            return tk73cli::kExitOk;
        }
    }
    try {
        const tk73cli::CommandLine line(rest, command->options, command->minPositional,
                                        command->maxPositional);
        tk73cli::CliUserInteraction ui(line.has("yes"));
        const int result = command->run(line, ui);
        // A flow that stopped at a question nobody answered says so in its exit code.
        return result != tk73cli::kExitOk && ui.Refused() ? tk73cli::kExitRefused : result;
    } catch (const tk73cli::UsageError& error) {
        return usageError(*command, error.what());
    } catch (const tk73cli::BadTextError& error) {
        std::fprintf(stderr, "tk73 %s: %s\n", command->name.c_str(), error.what());
        return tk73cli::kExitBadValue;
    }
}
