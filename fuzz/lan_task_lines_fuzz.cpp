// Arbitrary task lines into the LAN dialogs' parser. The tasks it reads, written again as lines
// with every field quoted as in the store tables (a quote doubled), and once more with the fields
// as they are where they hold no comma or quote, read back as the same tasks.

#include <cstdint>
#include <string>
#include <vector>

#include "landialogs/lan_task.h"

namespace {

std::string quoted(const std::string& field) {
    std::string out = "\"";
    for (char c : field) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::vector<std::string> fieldsOf(const tk73lan::LanTask& task) {
    return {task.branchNo,  task.branchName, task.storeNo,
            task.storeName, task.machineNo,  task.ipAddress};
}

// The tasks as lines separated by CR LF; bare fields are written as they are. Empty when a bare
// field could not be read back as written.
std::string linesOf(const std::vector<tk73lan::LanTask>& tasks, bool bare) {
    std::string text;
    for (const tk73lan::LanTask& task : tasks) {
        const char* separator = "";
        for (const std::string& field : fieldsOf(task)) {
            if (bare && field.find_first_of(",\"\r") != std::string::npos) {
                return {};
            }
            text += separator + (bare ? field : quoted(field));
            separator = ",";
        }
        text += "\r\n";
    }
    return text;
}

bool same(const std::vector<tk73lan::LanTask>& a, const std::vector<tk73lan::LanTask>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (fieldsOf(a[i]) != fieldsOf(b[i]) || b[i].status != 0 || !b[i].result.empty()) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<tk73lan::LanTask> tasks = tk73lan::parseTaskLines(text);
    for (const tk73lan::LanTask& task : tasks) {
        // A task comes from one line, and an empty branch name is always named.
        for (const std::string& field : fieldsOf(task)) {
            if (field.find('\n') != std::string::npos) {
                __builtin_trap();
            }
        }
        if (task.branchName.empty()) {
            __builtin_trap();
        }
    }
    if (!same(tasks, tk73lan::parseTaskLines(linesOf(tasks, false)))) {
        __builtin_trap();
    }
    const std::string bare = linesOf(tasks, true);
    if (!bare.empty() && !same(tasks, tk73lan::parseTaskLines(bare))) {
        __builtin_trap();
    }
    return 0;
}
