#include "tools/defcheck/finding.h"

namespace tk73tools {

std::string describe(const Finding& finding) {
    std::string text = finding.file;
    if (!finding.section.empty()) {
        text += ": [" + finding.section + "]";
    }
    if (!finding.key.empty()) {
        text += (finding.section.empty() ? ": " : " ") + finding.key;
    }
    return text + ": " + finding.problem;
}

void Findings::add(std::string file, std::string section, std::string key, std::string problem) {
    list_.push_back({std::move(file), std::move(section), std::move(key), std::move(problem)});
}

}  // namespace tk73tools
