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
#include "spreadsheet/sheet_file_kind.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/sheet_exchange.h"
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
    if (line.has("xlsx") && line.has("integration")) {
        throw UsageError("--xlsx writes program files, not the data integration file");
    }
    const int kind = line.has("vek") ? 1 : 0;
    StoreScope scope;
    const int storeNo = StoreOf(line);
    if (line.has("xlsx")) {
        return scope.Select(storeNo) ? ExportWorkbook(line, storeNo, kind, out) : kExitNotFound;
    }
    const int fileNo = line.has("file") ? line.number("file", 1, 999) : tk73xch::kIntegrationFileNo;
    if (!scope.Select(storeNo)) {
        return kExitNotFound;
    }
    char source[TK73_MAX_PATH] = {};
    // The path whether or not the file exists: the integration file is made from the store.
    (void)tk73pgm::pgmFileOfKind(storeNo, kind)->CreateMainteFullPath(fileNo, source);
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
    // A spreadsheet's file, told apart from the program file's own CSV by what it holds.
    if (tk73sheet::sheetFileKind(in) != tk73sheet::SheetFileKind::ProgramCsv) {
        if (line.has("basic")) {
            throw UsageError("--basic takes the program file's own CSV, not a spreadsheet");
        }
        return ImportSpreadsheet(line, storeNo, kind, fileNo, in);
    }
    if (line.has("preview") || line.has("json") || line.has("valid-only")) {
        throw UsageError("--preview, --json and --valid-only take a spreadsheet file");
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
         "[--store N] [--vek] (--file F [--xlsx] | --integration) --out FILE [--yes]",
         "Writes a program file as CSV, program files as a spreadsheet workbook, or the data "
         "integration file.",
         {kStoreOption,
          kVekOption,
          {"file", "F", "the program file (with --xlsx a comma list: a sheet each)"},
          {"xlsx", nullptr, "a spreadsheet workbook (.xlsx) instead of CSV"},
          {"integration", nullptr, "the data integration file"},
          {"out", "FILE", "the file to write"},
          kYesOption},
         0,
         0,
         runExport},
        {"import",
         "[--store N] [--vek] --file F --in FILE [--basic] [--preview] [--valid-only] [--json] "
         "[--yes]",
         "Reads a CSV file, or a spreadsheet (.xlsx, .ods or a spreadsheet's CSV) through the "
         "preview of its changes, into a program file.",
         {kStoreOption,
          kVekOption,
          {"file", "F", "the program file"},
          {"in", "FILE", "the CSV or spreadsheet file to read"},
          {"basic", nullptr, "take only the base fields of the records (default: all data)"},
          {"preview", nullptr, "a spreadsheet: list the changes and refused rows, write nothing"},
          {"valid-only", nullptr, "a spreadsheet: write the rows that are not refused"},
          kJsonOption,
          kYesOption},
         0,
         0,
         runImport},
    };
}

}  // namespace tk73cli
