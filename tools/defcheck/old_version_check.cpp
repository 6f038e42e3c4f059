#include <filesystem>

#include "tools/defcheck/model_check.h"
#include "tools/defcheck/record_layout.h"

namespace tk73tools {

namespace {

constexpr int kSetMenuFile = 28;
constexpr int kSetMenuMenu = 27;

const MenuItem* setField(const ModelUnderCheck& model) {
    auto menu = model.menus.find(kSetMenuMenu);
    if (menu == model.menus.end() || !menu->second.count(1)) {
        return nullptr;
    }
    return &menu->second.at(1);
}

}  // namespace

void checkOldVersion(const ModelUnderCheck& model, Findings& findings) {
    if (model.kind != MachineKind::Register || !model.hasFile(kSetMenuFile)) {
        return;
    }
    // The version-0 definition is checked as a model of its own whose only file is the
    // version-0 sample shipped beside it.
    ModelUnderCheck old;
    old.kind = model.kind;
    old.number = model.number;
    old.indent = model.indent;
    old.folder = model.folder + "/OLDVERSION";
    old.folderLabel = model.folderLabel + "/OLDVERSION";
    const std::string name = model.indent + "Ver00.INI";
    old.definition =
        std::make_unique<Profile>(old.folder + "/" + name, old.folderLabel + "/" + name);
    if (!std::filesystem::is_regular_file(old.definition->path())) {
        findings.add(old.definition->label(), "", "",
                     "missing; the set menu conversion from version 0 needs it");
        return;
    }
    old.programFiles = {kSetMenuFile};
    RecordLayout layout;
    CheckedFile sample;
    const std::string samplePath = old.folder + "/FILE028P.TXT";
    if (!readRecordLayout(*old.definition, kSetMenuFile, layout, findings) ||
        !checkProgramFile(*old.definition, layout, samplePath, old.folderLabel + "/FILE028P.TXT",
                          sample, findings)) {
        return;
    }
    if (sample.text.version() != "00") {
        findings.add(sample.label, "header", "", "the version-0 sample must carry version 00");
    }
    auto current = model.defaults.find(kSetMenuFile);
    if (current != model.defaults.end() && current->second.text.version() != "01") {
        findings.add(current->second.label, "header", "",
                     "the set menu file of a register ships at version 01");
    }
    old.defaults[kSetMenuFile] = std::move(sample);
    checkModelMenus(old, findings);
    const MenuItem* before = setField(old);
    const MenuItem* after = setField(model);
    if (!before || !after) {
        return;
    }
    const LayoutField* field = old.defaults[kSetMenuFile].layout.byNumber(before->field);
    if (before->type != ItemType::Char || (before->width != 60 && before->width != 90) || !field ||
        field->width != before->width) {
        findings.add(old.definition->label(), menuSectionName(kSetMenuMenu), itemKey(1, ""),
                     "the old set field is a text of 60 or 90 characters filling its field");
    } else if (int converted = before->width == 60 ? 90 : 120; after->width != converted) {
        // Groups of 4 (or 6) characters each gain the two flag digits.
        findings.add(model.definition->label(), menuSectionName(kSetMenuMenu), itemKey(1, ""),
                     "the conversion makes the set field " + std::to_string(converted) +
                         " characters wide, not " + std::to_string(after->width));
    }
}

}  // namespace tk73tools
