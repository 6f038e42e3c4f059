// export and import: a program file as CSV, and a CSV file into a program file, with the backup
// and the check by the archive packer of the interactive flow.

#include <cstdio>
#include <filesystem>
#include <string>

#include "csvexchange/xch_export.h"
#include "csvexchange/xch_file_select.h"
#include "operations/ops_csv.h"
#include "platform/api.h"
#include "programfiles/pgm_file_of_kind.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/store_scope.h"

namespace tk73cli {

namespace {

bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

int runExport(const CommandLine& line, CliUserInteraction& ui) {
    const std::string out = line.value("out");
    if (line.has("file") == line.has("integration")) {
        throw UsageError("give --file or --integration");
    }
    const int fileNo = line.has("file") ? line.number("file", 1, 999) : tk73xch::kIntegrationFileNo;
    const int kind = line.has("vek") ? 1 : 0;
    StoreScope scope;
    const int storeNo = StoreOf(line);
    if (!scope.Select(storeNo)) {
        return kExitNotFound;
    }
    char source[TK73_MAX_PATH] = {};
    tk73pgm::pgmFileOfKind(storeNo, kind)->CreateMainteFullPath(fileNo, source);
    if (fileNo != tk73xch::kIntegrationFileNo && !isFile(source)) {
        std::fprintf(stderr, "tk73: store %d has no program file %d\n", storeNo, fileNo);
        return kExitNotFound;
    }
    if (!MayOverwrite(out)) {
        return kExitRefused;
    }
    ui.SetChosenFile(out);
    if (CTK73xchExport(fileNo, source, kind).ExportExecute() != 1 || !isFile(out)) {
        std::fprintf(stderr, "tk73: %s was not written\n", out.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int runImport(const CommandLine& line, CliUserInteraction& ui) {
    const std::string in = line.value("in");
    const int fileNo = line.number("file", 1, 999);
    const int kind = line.has("vek") ? 1 : 0;
    StoreScope scope;
    const int storeNo = StoreOf(line);
    if (!scope.Select(storeNo)) {
        return kExitNotFound;
    }
    if (!isFile(in)) {
        std::fprintf(stderr, "tk73: there is no file %s\n", in.c_str());
        return kExitNotFound;
    }
    ui.SetChosenFile(in);
    ui.SetBasicOnly(line.has("basic"));
    if (CTK73opsCsv(fileNo, kind).ImportExecute() != 1) {
        std::fprintf(stderr, "tk73: %s was not imported\n", in.c_str());
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> CsvCommands() {
    return {
        {"export",
         "[--store N] [--vek] (--file F | --integration) --out CSV [--yes]",
         "Writes a program file as CSV, or the data integration file.",
         {kStoreOption,
          kVekOption,
          {"file", "F", "the program file"},
          {"integration", nullptr, "the data integration file"},
          {"out", "CSV", "the CSV file to write"},
          kYesOption},
         0,
         0,
         runExport},
        {"import",
         "[--store N] [--vek] --file F --in CSV [--basic] [--yes]",
         "Reads a CSV file into a program file; a file that fails is taken back from its backup.",
         {kStoreOption,
          kVekOption,
          {"file", "F", "the program file"},
          {"in", "CSV", "the CSV file to read"},
          {"basic", nullptr, "take only the base fields of the records (default: all data)"},
          kYesOption},
         0,
         0,
         runImport},
    };
}

}  // namespace tk73cli
