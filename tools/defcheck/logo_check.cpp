#include <cstdio>
#include <filesystem>

#include "tools/defcheck/model_check.h"
#include "tools/defcheck/number_list.h"

namespace tk73tools {

namespace {

struct LogoDefinition {
    int width = 0;
    int height = 0;
    int count = 0;
};

// "width,height,x,count,name..." with at least five fields, the width a multiple of 8.
bool parseLogo(const std::string& text, LogoDefinition& logo) {
    std::vector<std::string> parts = splitCommas(text);
    if (parts.size() < 5) {
        return false;
    }
    std::optional<int> width = parseNumber(parts[0]);
    std::optional<int> height = parseNumber(parts[1]);
    std::optional<int> count = parseNumber(parts[3]);
    if (!width || !height || !count || *width < 8 || *width % 8 != 0 || *height < 1 || *count < 1) {
        return false;
    }
    logo = {*width, *height, *count};
    return true;
}

}  // namespace

void checkModelLogos(const ModelUnderCheck& model, Findings& findings) {
    const Profile& def = *model.definition;
    std::optional<std::vector<int>> logos = parseNumberList(def.text("FILE_INF", "LOGO"));
    if (!logos) {
        return;  // reported with the other lists
    }
    for (int fileNo : *logos) {
        const std::string key = fileSectionName(fileNo);
        LogoDefinition logo;
        if (!parseLogo(def.text("G_LOGO", key), logo)) {
            findings.add(def.label(), "G_LOGO", key,
                         "not \"width,height,x,count,name\" with a width that is a multiple "
                         "of 8");
            continue;
        }
        auto file = model.defaults.find(fileNo);
        if (file != model.defaults.end()) {
            size_t rowCharacters = 0;
            for (const LayoutField& field : file->second.layout.fields) {
                rowCharacters += static_cast<size_t>(field.width);
            }
            const size_t rows = file->second.text.records.size();
            if (rowCharacters != static_cast<size_t>(logo.width / 4) ||
                rows != static_cast<size_t>(logo.height * logo.count)) {
                findings.add(def.label(), "G_LOGO", key,
                             std::to_string(logo.count) + " logo(s) of " +
                                 std::to_string(logo.width) + " x " + std::to_string(logo.height) +
                                 " dots do not match the " + std::to_string(rows) + " rows of " +
                                 std::to_string(rowCharacters) + " digits of " +
                                 file->second.label);
            }
        }
        char had[64];
        std::snprintf(had, sizeof had, "_%d.HAD", fileNo);
        const std::string name = model.indent + had;
        if (!std::filesystem::is_regular_file(model.folder + "/" + name)) {
            findings.add(
                def.label(), "G_LOGO", key,
                "the logo editor's file " + model.folderLabel + "/" + name + " is missing");
        }
    }
}

}  // namespace tk73tools
