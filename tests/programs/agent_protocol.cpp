#include "tests/programs/agent_protocol.h"

namespace tk73test {

std::string encodeFields(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += '\t';
        }
        for (const char c : fields[i]) {
            switch (c) {
                case '\\':
                    line += "\\\\";
                    break;
                case '\t':
                    line += "\\t";
                    break;
                case '\n':
                    line += "\\n";
                    break;
                default:
                    line += c;
            }
        }
    }
    return line;
}

std::vector<std::string> decodeFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            fields.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string agentSocket(const std::string& folder, unsigned long pid) {
    return folder + "/" + std::to_string(pid);
}

}  // namespace tk73test
