#include "landialogs/lan_task.h"

namespace tk73lan {

namespace {

// The fields of one line. A field starting with a quote runs to its closing quote, a doubled
// quote inside standing for one. The trail bytes of double-byte characters never take the values
// of a comma or a quote, so stepping byte by byte is safe.
std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (at + 1 < line.size() && line[at + 1] == '"') {
                fields.back() += '"';
                ++at;
            } else {
                quoted = false;
            }
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace

std::vector<LanTask> parseTaskLines(const std::string& text) {
    std::vector<LanTask> tasks;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(from, end - from);
        from = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::vector<std::string> fields = splitFields(line);
        if (fields.size() != 6) {
            continue;
        }
        LanTask task{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], 0, {}};
        if (task.branchName.empty()) {
            task.branchName = "Independents";
        }
        tasks.push_back(std::move(task));
    }
    return tasks;
}

}  // namespace tk73lan
