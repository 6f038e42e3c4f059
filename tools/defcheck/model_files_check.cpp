#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "tools/defcheck/model_check.h"
#include "tools/defcheck/number_list.h"
#include "tools/defcheck/record_layout.h"

namespace tk73tools {

namespace {

std::string programFileName(int fileNo, char kind) {
    char name[24];
    std::snprintf(name, sizeof name, "FILE%03d%c.TXT", fileNo, kind);
    return name;
}

std::string fileKey(int fileNo) {
    char key[16];
    std::snprintf(key, sizeof key, "%03d", fileNo);
    return key;
}

}  // namespace

bool ModelUnderCheck::hasFile(int fileNo) const {
    return std::find(programFiles.begin(), programFiles.end(), fileNo) != programFiles.end();
}

bool openModel(ModelUnderCheck& model, MachineKind kind, int number, const std::string& indent,
               const std::string& root, Findings& findings) {
    namespace fs = std::filesystem;
    model.kind = kind;
    model.number = number;
    model.indent = indent;
    model.folderLabel = std::string(kind == MachineKind::Register ? "register/" : "vek/") + indent;
    model.folder = (fs::path(root) / model.folderLabel).generic_string();
    const std::string ini = model.folder + "/" + indent + ".INI";
    model.definition = std::make_unique<Profile>(ini, model.folderLabel + "/" + indent + ".INI");
    if (!fs::is_regular_file(ini)) {
        findings.add(model.definition->label(), "", "", "the model's definition file is missing");
        return false;
    }
    for (const char* folder : {"DEFAULT", "DEFAULTVEK"}) {
        if (fs::is_directory(model.folder + "/" + folder)) {
            model.defaultFolders.push_back(folder);
        }
    }
    return true;
}

void checkModelFiles(ModelUnderCheck& model, Findings& findings) {
    const Profile& def = *model.definition;
    for (const std::string& key : def.keys("PGMFILES")) {
        std::optional<int> fileNo = parseNumber(key);
        if (!fileNo || key.size() != 3 || *fileNo < 1) {
            findings.add(def.label(), "PGMFILES", key, "not a file number of three digits");
            continue;
        }
        if (def.text("PGMFILES", key).empty()) {
            findings.add(def.label(), "PGMFILES", key, "the file has no title");
        }
        model.programFiles.push_back(*fileNo);
    }
    if (model.programFiles.empty()) {
        findings.add(def.label(), "PGMFILES", "", "lists no program file");
    }
    if (std::find(model.defaultFolders.begin(), model.defaultFolders.end(), "DEFAULT") ==
        model.defaultFolders.end()) {
        findings.add(model.folderLabel + "/DEFAULT", "", "", "the default folder is missing");
    }
    if (model.kind == MachineKind::Controller &&
        std::find(model.defaultFolders.begin(), model.defaultFolders.end(), "DEFAULTVEK") !=
            model.defaultFolders.end()) {
        findings.add(model.folderLabel + "/DEFAULTVEK", "", "",
                     "a controller's defaults live in DEFAULT only");
    }
    for (int fileNo : model.programFiles) {
        RecordLayout layout;
        if (!readRecordLayout(def, fileNo, layout, findings)) {
            continue;
        }
        std::vector<char> kinds = {'P'};
        if (fileNo == model.itemFileNo()) {
            kinds.push_back('I');
        }
        for (const std::string& folder : model.defaultFolders) {
            for (char kind : kinds) {
                const std::string name = folder + "/" + programFileName(fileNo, kind);
                const std::string path = model.folder + "/" + name;
                if (!std::filesystem::is_regular_file(path)) {
                    findings.add(def.label(), "PGMFILES", fileKey(fileNo),
                                 "the default file " + name + " is missing");
                    continue;
                }
                CheckedFile checked;
                if (checkProgramFile(def, layout, path, model.folderLabel + "/" + name, checked,
                                     findings) &&
                    folder == "DEFAULT" && kind == 'P') {
                    model.defaults[fileNo] = std::move(checked);
                }
            }
        }
    }
}

void checkModelLists(const ModelUnderCheck& model, Findings& findings) {
    static const std::vector<std::pair<const char*, const char*>> lists = {
        {"FILE_INF", "DATAFILES"},
        {"FILE_INF", "PGMICONS"},
        {"FILE_INF", "SPECIALFILES"},
        {"FILE_INF", "BMP"},
        {"FILE_INF", "LOGO"},
        {"FILE_INF", "SOUND"},
        {"PGMFILES_EZ", "FILES"},
        {"CRP_FILES", "FILES"},
        {"CRP_FILES", "INDIVIDUAL"},
        {"FILE_CONVERT", "FILES"},
        {"FILE_CONVERT", "ITEMCONVFILES"},
        {"FILE_EXPORT", "FILES"},
        {"FILE_IMPORT", "FILES"},
        {"TK73DTL_POPUPMENU", "MENUOFFFILES"},
        {"TK73DTL_SRFILE", "SENDFILES"},
        {"TK73DTL_SRFILE", "RECVFILES"},
    };
    const Profile& def = *model.definition;
    for (const auto& [section, key] : lists) {
        std::optional<std::string> text = def.value(section, key);
        if (!text) {
            findings.add(def.label(), section, key, "missing");
            continue;
        }
        std::optional<std::vector<int>> numbers = parseNumberList(*text);
        if (!numbers) {
            findings.add(def.label(), section, key, "not a list of file numbers");
            continue;
        }
        for (int fileNo : *numbers) {
            // File 92 of the export list is the data integration format, not a program file.
            bool integration = fileNo == 92 && std::string(section) == "FILE_EXPORT";
            if (!integration && !model.hasFile(fileNo)) {
                findings.add(def.label(), section, key,
                             "names file " + std::to_string(fileNo) + ", which is not in PGMFILES");
            }
        }
    }
    std::optional<std::vector<int>> icons = parseNumberList(def.text("FILE_INF", "PGMICONS"));
    if (icons && !std::is_sorted(icons->begin(), icons->end())) {
        findings.add(def.label(), "FILE_INF", "PGMICONS", "not in ascending order");
    }
}

}  // namespace tk73tools
