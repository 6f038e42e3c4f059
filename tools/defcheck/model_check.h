#pragma once
// The checks of one model of an installation: its definition file, its default program files
// and everything the definition names.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/defcheck/file_layout_check.h"
#include "tools/defcheck/finding.h"
#include "tools/defcheck/menu_item.h"
#include "tools/defcheck/profile.h"

namespace tk73tools {

enum class MachineKind { Register, Controller };

struct ModelUnderCheck {
    MachineKind kind = MachineKind::Register;
    int number = 0;
    std::string indent;
    std::string folder;       // absolute model folder
    std::string folderLabel;  // "register/KR301"
    std::unique_ptr<Profile> definition;
    std::vector<int> programFiles;                 // "PGMFILES" keys
    std::vector<std::string> defaultFolders;       // "DEFAULT", and "DEFAULTVEK" when shipped
    std::map<int, CheckedFile> defaults;           // the files of "DEFAULT" that fit their layout
    std::map<int, std::map<int, MenuItem>> menus;  // items that resolve, by menu and number

    bool hasFile(int fileNo) const;
    // The item file of the defaults: 2 for a register, 422 for a controller.
    int itemFileNo() const { return kind == MachineKind::Register ? 2 : 422; }
};

// Prepares the model from its folder; false (with a finding) when its definition is missing.
bool openModel(ModelUnderCheck& model, MachineKind kind, int number, const std::string& indent,
               const std::string& root, Findings& findings);

// "PGMFILES", the default folders and every default file against its layout.
void checkModelFiles(ModelUnderCheck& model, Findings& findings);
// Every file list of the definition names files of "PGMFILES".
void checkModelLists(const ModelUnderCheck& model, Findings& findings);
// Every item of every menu resolves within its file, field and records and reads a value.
void checkModelMenus(ModelUnderCheck& model, Findings& findings);
// The items that checkModelMenus kept resolve alike through the program file handle on every
// default folder, and the handle reads each from the default file over its whole range.
void checkModelHandle(const ModelUnderCheck& model, Findings& findings);
// "LOGO", "G_LOGO", the logo files and the logo editor's ".HAD" files agree.
void checkModelLogos(const ModelUnderCheck& model, Findings& findings);
// Menu 28 of a register and of a controller pair up item by item.
void checkMergePairing(const ModelUnderCheck& reg, const ModelUnderCheck& vek, Findings& findings);
// The version-0 definition of the set menu file and its sample agree with the current one.
void checkOldVersion(const ModelUnderCheck& model, Findings& findings);

}  // namespace tk73tools
