// diff: the records and fields that differ between two program files of the same layout, or
// between the program files of two stores, named by the field titles of the definition.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "operations/field_titles.h"
#include "platform/api.h"
#include "programfiles/pgm_file_of_kind.h"
#include "programfiles/program_diff.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/json_text.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

using tk73ops::FieldTitles;
using tk73ops::StoreDefinitionFile;

namespace {

namespace fs = std::filesystem;

struct FilePair {
    std::string name;  // "FILE004P.TXT"
    std::string left;
    std::string right;
};

class DiffReport {
  public:
    DiffReport(std::string definition, bool vek, bool json)
        : titles_(std::move(definition), vek), json_(json) {}

    // false with the reason on standard error when the pair cannot be compared.
    bool Compare(const FilePair& pair) {
        std::vector<tk73pgm::FieldDifference> differences;
        std::string error;
        if (!tk73pgm::DiffProgramFiles(pair.left, pair.right, differences, error)) {
            std::fprintf(stderr, "tk73: %s: %s\n", pair.name.c_str(), error.c_str());
            return false;
        }
        const int fileNo = CTK73pgmRegVekPgmFile::GetFileNoFromFileName(pair.name.c_str());
        const std::vector<FIELD_INFO> fields = titles_.Fields(fileNo);
        for (const tk73pgm::FieldDifference& difference : differences) {
            const int fieldNo = FieldTitles::FieldNoAt(fields, difference.fieldIndex);
            Add(pair.name, difference, fieldNo, fieldNo != 0 ? titles_.TitleOf(fieldNo) : "");
        }
        return true;
    }

    // The exit code: 1 when a difference was found.
    int Finish() const {
        if (json_) {
            std::printf("%s\n", JsonArray(items_).c_str());
        }
        return count_ == 0 ? kExitOk : kExitDifferent;
    }

  private:
    void Add(const std::string& file, const tk73pgm::FieldDifference& difference, int fieldNo,
             const std::string& title) {
        ++count_;
        if (json_) {
            items_.push_back(JsonObject()
                                 .Text("file", file)
                                 .Number("record", difference.record)
                                 .Number("field", fieldNo)
                                 .Text("title", title)
                                 .Text("left", difference.left)
                                 .Text("right", difference.right)
                                 .Str());
            return;
        }
        std::printf("%s\t%d\t%d\t%s\t%s\t%s\n", file.c_str(), difference.record, fieldNo,
                    TerminalText(title).c_str(), TerminalText(difference.left).c_str(),
                    TerminalText(difference.right).c_str());
    }

    FieldTitles titles_;
    bool json_;
    std::vector<std::string> items_;
    int count_ = 0;
};

std::string mainteFolder(int storeNo, int kind) {
    char folder[TK73_MAX_PATH] = {};
    // Empty for a store without a maintenance folder: no file is found in it.
    (void)tk73pgm::pgmFileOfKind(storeNo, kind)->GetMaintePath(folder, 0);
    return folder;
}

// "FILE%03dP.TXT" files of the folder, by name.
std::vector<std::string> programFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == 12 && name.compare(0, 4, "FILE") == 0 &&
            name.compare(7, 5, "P.TXT") == 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

int diffStores(const CommandLine& line) {
    const bool vek = line.has("vek");
    const int kind = vek ? 1 : 0;
    STORE_EDB left;
    STORE_EDB right;
    if (!FindStore(StoreOf(line), left) ||
        !FindStore(line.number("with", 1, EDB_MAX_STORE), right)) {
        return kExitNotFound;
    }
    const int leftModel = vek ? left.vekModelNo : left.regModelNo;
    if (leftModel == 0 || leftModel != (vek ? right.vekModelNo : right.regModelNo)) {
        std::fprintf(stderr, "tk73: stores %d and %d have no %s model in common\n", left.storeNo,
                     right.storeNo, vek ? "controller" : "register");
        return kExitBadValue;
    }
    const std::string leftFolder = mainteFolder(left.storeNo, kind);
    const std::string rightFolder = mainteFolder(right.storeNo, kind);
    std::vector<std::string> names = programFilesIn(leftFolder);
    if (line.has("file")) {
        char name[TK73_MAX_PATH] = {};
        tk73pgm::pgmFileOfKind(left.storeNo, kind)
            ->CreatePgmFileName(line.number("file", 1, 999), name, 1);
        names.assign(1, name);
    }
    DiffReport report(StoreDefinitionFile(left, vek), vek, line.has("json"));
    for (const std::string& name : names) {
        if (!report.Compare({name, leftFolder + "/" + name, rightFolder + "/" + name})) {
            return kExitBadValue;
        }
    }
    return report.Finish();
}

int diffFiles(const CommandLine& line) {
    const bool vek = line.has("vek");
    STORE_EDB store;
    std::string definition;
    if (line.has("store")) {
        if (!FindStore(StoreOf(line), store)) {
            return kExitNotFound;
        }
        definition = StoreDefinitionFile(store, vek);
    }
    const std::string& left = line.positional()[0];
    const std::string& right = line.positional()[1];
    DiffReport report(definition, vek, line.has("json"));
    if (!report.Compare({fs::path(left).filename().string(), left, right})) {
        return kExitBadValue;
    }
    return report.Finish();
}

int runDiff(const CommandLine& line, CliUserInteraction&) {
    const size_t files = line.positional().size();
    if (files == 1 || (files == 2) == line.has("with")) {
        throw UsageError("give two program files, or --with another store");
    }
    if (files == 2 && line.has("file")) {
        throw UsageError("--file compares stores; give it with --with");
    }
    return files == 2 ? diffFiles(line) : diffStores(line);
}

}  // namespace

std::vector<Command> DiffCommands() {
    return {
        {"diff",
         "LEFT RIGHT [--store N] [--vek] [--json] | [--store N] --with M [--vek] [--file F] "
         "[--json]",
         "Lists the fields that differ, one a line: file, record, field number, title, left "
         "and right value. Exit code 1 when there is a difference.",
         {{"store", "N",
           "the store whose definition titles the fields (with --with: the left "
           "store, default the current store)"},
          {"with", "M", "the store to compare with"},
          kVekOption,
          {"file", "F", "only this program file of the stores"},
          kJsonOption},
         0,
         2,
         runDiff},
    };
}

}  // namespace tk73cli
