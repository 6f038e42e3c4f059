#include "tools/cli/sheet_exchange.h"

#include <cstdio>
#include <set>
#include <vector>

#include "base/user_interaction.h"
#include "operations/field_titles.h"
#include "platform/api.h"
#include "platform/whole_file.h"
#include "programfiles/cmn_update_info.h"
#include "programfiles/pgm_file_of_kind.h"
#include "spreadsheet/import_preview.h"
#include "spreadsheet/sheet_export.h"
#include "storedb/edb_model.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/json_text.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

using tk73ops::StoreDefinitionFile;

namespace {

// The store's model of the kind with its definition file; false (said on standard error) when
// the store has none.
bool storeModel(int storeNo, int kind, std::string& model, std::string& definition) {
    STORE_EDB store;
    MODEL_EDB record;
    const bool vek = kind == 1;
    if (!FindStore(storeNo, store)) {
        return false;
    }
    const int number = vek ? store.vekModelNo : store.regModelNo;
    const int found = vek ? CTK73edbVekModel().GetModelFromModelNo(number, &record)
                          : CTK73edbModel().GetModelFromModelNo(number, &record);
    definition = StoreDefinitionFile(store, vek);
    if (number == 0 || found == 0 || definition.empty()) {
        std::fprintf(stderr, "tk73: store %d has no %s\n", storeNo,
                     vek ? "controller" : "register");
        return false;
    }
    model = record.indentName;
    return true;
}

std::string mainteFile(int storeNo, int kind, int fileNo) {
    char path[TK73_MAX_PATH] = {};
    // The path whether or not the file exists yet; empty for a store without a maintenance folder.
    (void)tk73pgm::pgmFileOfKind(storeNo, kind)->CreateMainteFullPath(fileNo, path);
    return path;
}

// The program files of a comma list ("4,5,7"), each once.
std::vector<int> fileList(const std::string& text) {
    std::vector<int> files;
    std::set<int> seen;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const int fileNo = parseNumber(text.substr(start, comma - start), "--file", 1, 999);
        if (!seen.insert(fileNo).second) {
            throw UsageError("--file names file " + std::to_string(fileNo) + " twice");
        }
        files.push_back(fileNo);
        if (comma == std::string::npos) {
            return files;
        }
        start = comma + 1;
    }
}

void printText(const tk73sheet::ImportPreview& preview) {
    for (const tk73sheet::FieldChange& change : preview.changes) {
        std::printf("change\t%d\t%d\t%s\t%s\t%s\n", change.record, change.row,
                    TerminalText(preview.columns[change.column].title).c_str(),
                    TerminalText(change.oldValue).c_str(), TerminalText(change.newValue).c_str());
    }
    for (const tk73sheet::Refusal& refusal : preview.refusals) {
        std::printf("refused\t%d\t%s\t%s\n", refusal.row, TerminalText(refusal.column).c_str(),
                    TerminalText(refusal.reason).c_str());
    }
    std::printf("unchanged\t%d\n", preview.unchangedRecords);
}

void printJson(const tk73sheet::ProgramSheet& target, const tk73sheet::ImportPreview& preview,
               bool applied) {
    std::vector<std::string> changes, refusals, notes;
    for (const tk73sheet::FieldChange& change : preview.changes) {
        changes.push_back(JsonObject()
                              .Number("record", change.record)
                              .Number("row", change.row)
                              .Text("field", preview.columns[change.column].title)
                              .Text("old", change.oldValue)
                              .Text("new", change.newValue)
                              .Str());
    }
    for (const tk73sheet::Refusal& refusal : preview.refusals) {
        refusals.push_back(JsonObject()
                               .Number("row", refusal.row)
                               .Text("column", refusal.column)
                               .Text("reason", refusal.reason)
                               .Str());
    }
    for (const std::string& note : preview.notes) {
        notes.push_back(JsonString(note));
    }
    std::printf("%s\n", JsonObject()
                            .Number("file", target.fileNo)
                            .Text("model", target.model)
                            .Text("sheet", preview.sheetName)
                            .Raw("changes", JsonArray(changes))
                            .Raw("refused", JsonArray(refusals))
                            .Number("changedRecords", preview.changedRecords)
                            .Number("unchangedRecords", preview.unchangedRecords)
                            .Raw("notes", JsonArray(notes))
                            .Raw("written", applied ? "true" : "false")
                            .Str()
                            .c_str());
}

}  // namespace

int ExportWorkbook(const CommandLine& line, int storeNo, int kind, const std::string& out) {
    const std::vector<int> files = fileList(line.value("file"));
    std::string model, definition;
    if (!storeModel(storeNo, kind, model, definition)) {
        return kExitNotFound;
    }
    std::vector<tk73sheet::ProgramSheet> sheets;
    for (const int fileNo : files) {
        sheets.push_back(tk73sheet::programSheet(definition, kind, model, fileNo,
                                                 mainteFile(storeNo, kind, fileNo)));
        if (!tk73::pathExists(sheets.back().path)) {
            std::fprintf(stderr, "tk73: store %d has no program file %d\n", storeNo, fileNo);
            return kExitNotFound;
        }
    }
    if (!MayOverwrite(out)) {
        return kExitRefused;
    }
    std::string error;
    if (!tk73sheet::exportWorkbook(sheets, out, error)) {
        std::fprintf(stderr, "tk73: %s\n", TerminalText(error).c_str());
        return kExitFailed;
    }
    return kExitOk;
}

int ImportSpreadsheet(const CommandLine& line, int storeNo, int kind, int fileNo,
                      const std::string& in) {
    std::string model, definition;
    if (!storeModel(storeNo, kind, model, definition)) {
        return kExitNotFound;
    }
    const tk73sheet::ProgramSheet target =
        tk73sheet::programSheet(definition, kind, model, fileNo, mainteFile(storeNo, kind, fileNo));
    if (!tk73::pathExists(target.path)) {
        std::fprintf(stderr, "tk73: store %d has no program file %d\n", storeNo, fileNo);
        return kExitNotFound;
    }
    tk73sheet::ImportPreview preview;
    std::string error;
    if (!tk73sheet::previewImport(target, in, preview, error)) {
        std::fprintf(stderr, "tk73: %s\n", TerminalText(error).c_str());
        return kExitBadValue;
    }
    const bool json = line.has("json");
    for (const std::string& note : preview.notes) {
        std::fprintf(stderr, "tk73: %s\n", TerminalText(note).c_str());
    }
    const auto finish = [&](bool written, int exitCode) {
        if (json) {
            printJson(target, preview, written);
        } else {
            printText(preview);
        }
        return exitCode;
    };
    const int checked = preview.refusals.empty() ? kExitOk : kExitBadValue;
    if (line.has("preview") || preview.changes.empty()) {
        return finish(false, checked);
    }
    const tk73sheet::ApplyChoice choice = line.has("valid-only")
                                              ? tk73sheet::ApplyChoice::ValidRowsOnly
                                              : tk73sheet::ApplyChoice::AllOrNothing;
    if (choice == tk73sheet::ApplyChoice::AllOrNothing && !preview.refusals.empty()) {
        std::fprintf(
            stderr,
            "tk73: rows are refused, so nothing was written (--valid-only takes the others)\n");
        return finish(false, kExitBadValue);
    }
    const std::string question = "Write " + std::to_string(preview.changes.size()) +
                                 " changed fields into the " + target.title + " file of store " +
                                 std::to_string(storeNo) + "?";
    if (tk73::ui().question(question, "tk73", tk73::Buttons::YesNo, tk73::Button::No,
                            tk73::MessageIcon::Question) != tk73::Button::Yes) {
        return finish(false, kExitRefused);
    }
    if (!tk73sheet::applyImport(target, preview, choice, error)) {
        std::fprintf(stderr, "tk73: %s\n", TerminalText(error).c_str());
        return finish(false, kExitFailed);
    }
    // The editors stamp the menu data when they write a file the machines must learn of anew.
    if (CCmnUpdateInfo::UpdateMenuDateTimeAfterWrite(storeNo, fileNo) != 1) {
        std::fprintf(stderr, "tk73: the menu update stamp cannot be written\n");
    }
    return finish(true, kExitOk);
}

}  // namespace tk73cli
