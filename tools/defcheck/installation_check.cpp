#include "tools/defcheck/installation_check.h"

#include <algorithm>
#include <filesystem>
#include <list>

#include "tools/defcheck/model_check.h"
#include "tools/defcheck/number_list.h"
#include "tools/defcheck/system_check.h"

namespace tk73tools {

namespace {

void checkMachineType(const ModelUnderCheck& model, const ModelRow& row, Findings& findings) {
    std::optional<int> type = parseNumber(model.definition->text("SYSTEM", "MACHINE_TYPE"));
    if (!type || *type != (row.idCode & 0xFF)) {
        findings.add(
            model.definition->label(), "SYSTEM", "MACHINE_TYPE",
            "must be the low byte of the model's ID code, " + std::to_string(row.idCode & 0xFF));
    }
    if (!parseNumber(model.definition->text("SYSTEM", "INIFILEVER"))) {
        findings.add(model.definition->label(), "SYSTEM", "INIFILEVER", "missing or not a number");
    }
}

bool shipsControllerDefaults(const ModelUnderCheck& model) {
    return std::find(model.defaultFolders.begin(), model.defaultFolders.end(), "DEFAULTVEK") !=
           model.defaultFolders.end();
}

}  // namespace

Findings checkInstallation(const std::string& root) {
    Findings findings;
    const std::string settingsPath = root + "/TK73TOOL.ini";
    if (!std::filesystem::is_regular_file(settingsPath)) {
        findings.add("TK73TOOL.ini", "", "", "missing");
        return findings;
    }
    Profile settings(settingsPath, "TK73TOOL.ini");
    const std::vector<ModelRow> registers = readModelList(settings, "ECR_LIST", findings);
    const std::vector<ModelRow> controllers = readModelList(settings, "VEK_LIST", findings);
    checkSettings(settings, registers, findings);
    checkModelTable(root, "REGMODEL.edb", registers, findings);
    checkModelTable(root, "VEKMODEL.edb", controllers, findings);
    checkTemplate(root, findings);
    checkDocuments(root, findings);

    std::list<ModelUnderCheck> regs, veks;
    for (const auto& [rows, kind, models] :
         {std::tuple(&registers, MachineKind::Register, &regs),
          std::tuple(&controllers, MachineKind::Controller, &veks)}) {
        for (const ModelRow& row : *rows) {
            ModelUnderCheck& model = models->emplace_back();
            if (!openModel(model, kind, row.number, row.indent, root, findings)) {
                models->pop_back();
                continue;
            }
            checkMachineType(model, row, findings);
            checkModelFiles(model, findings);
            checkModelLists(model, findings);
            checkModelMenus(model, findings);
            checkModelHandle(model, findings);
            checkModelLogos(model, findings);
            checkOldVersion(model, findings);
        }
    }
    for (const ModelUnderCheck& reg : regs) {
        bool pairs = !refusedInEveryMode(settings, reg.number);
        if (pairs != shipsControllerDefaults(reg)) {
            findings.add(reg.folderLabel + "/DEFAULTVEK", "", "",
                         pairs ? "missing, though some mode lets the model pair with a controller"
                               : "shipped, though every mode refuses the model a controller");
        }
        if (pairs) {
            for (const ModelUnderCheck& vek : veks) {
                checkMergePairing(reg, vek, findings);
            }
        }
    }
    return findings;
}

}  // namespace tk73tools
