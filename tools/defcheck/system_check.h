#pragma once
// The system-wide files of an installation: "TK73TOOL.ini" with its model lists, the model
// tables of the system folder, the empty store tables of the template folder and the manuals.

#include <string>
#include <vector>

#include "tools/defcheck/finding.h"
#include "tools/defcheck/profile.h"

namespace tk73tools {

struct ModelRow {
    std::string key;  // "01", "02", ...
    int number = 0;
    std::string indent;
    std::string name;
    std::string rmCode;
    int idCode = 0;
};

// The rows of "ECR_LIST" or "VEK_LIST" that have all eight columns.
std::vector<ModelRow> readModelList(const Profile& settings, const char* section,
                                    Findings& findings);

// Mode keys of "VEKNOTSUPPORTECR", the switches and the default register model.
void checkSettings(const Profile& settings, const std::vector<ModelRow>& registers,
                   Findings& findings);

// Whether a register model number is refused a controller in every mode.
bool refusedInEveryMode(const Profile& settings, int modelNo);

// "REGMODEL.edb" or "VEKMODEL.edb" mirrors the list's rows.
void checkModelTable(const std::string& root, const std::string& name,
                     const std::vector<ModelRow>& rows, Findings& findings);
void checkTemplate(const std::string& root, Findings& findings);
void checkDocuments(const std::string& root, Findings& findings);

}  // namespace tk73tools
