#pragma once
// One command of tk73: its name ("stores", "store create"), what it takes and the function that
// runs it once its arguments have been checked.

#include <string>
#include <vector>

#include "tools/cli/cli_user_interaction.h"
#include "tools/cli/command_line.h"

namespace tk73cli {

struct Command {
    std::string name;
    std::string arguments;  // the usage after the name
    std::string summary;
    std::vector<OptionSpec> options;
    int minPositional = 0;
    int maxPositional = 0;
    // Answers the exit code.
    int (*run)(const CommandLine& line, CliUserInteraction& ui) = nullptr;
};

// The options that several commands share.
inline constexpr OptionSpec kStoreOption{"store", "N", "the store (default: the current store)"};
inline constexpr OptionSpec kVekOption{"vek", nullptr, "the Vek controller's files"};
inline constexpr OptionSpec kJsonOption{"json", nullptr, "the result as JSON"};
inline constexpr OptionSpec kYesOption{"yes", nullptr, "answer Yes to the question asked"};

// The store the command names with --store, else the current store.
int StoreOf(const CommandLine& line);
// Whether the file may be written: it is not there, or the user agreed to replace it.
bool MayOverwrite(const std::string& path);

// The commands of each group, in the order --help lists them.
std::vector<Command> ListCommands();
std::vector<Command> StoreCommands();
std::vector<Command> ItemCommands();
std::vector<Command> CsvCommands();
std::vector<Command> ArchiveCommands();
std::vector<Command> LanCommands();
std::vector<Command> DiffCommands();
std::vector<Command> HistoryCommands();
std::vector<Command> ChangesCommands();
std::vector<Command> CheckCommands();

}  // namespace tk73cli
