#include "outside/glconv/model_definition.h"

#include <cstdlib>

#include "platform/ini_profile.h"
#include "platform/whole_file.h"

namespace glconv {

namespace {

std::string readValue(const char* section, const char* key, const std::string& file) {
    char value[1024] = {};
    tk73_GetPrivateProfileStringA(section, key, "", value, sizeof value, file.c_str());
    return value;
}

std::vector<int> numberList(const std::string& text) {
    std::vector<int> numbers;
    const char* at = text.c_str();
    while (*at != '\0') {
        char* end = nullptr;
        const long number = std::strtol(at, &end, 10);
        if (end == at) {
            ++at;
            continue;
        }
        numbers.push_back(static_cast<int>(number));
        at = end;
    }
    return numbers;
}

}  // namespace

bool readModelDefinition(const std::string& file, ModelDefinition& out) {
    if (file.empty() || !tk73::pathExists(file)) {
        return false;
    }
    const std::string machineType = readValue("SYSTEM", "MACHINE_TYPE", file);
    if (machineType.empty()) {
        return false;
    }
    out.machineType = std::atoi(machineType.c_str()) & 0xFF;
    out.logoFiles = numberList(readValue("FILE_INF", "LOGO", file));
    out.binaryFolder = readValue("CF", "FOLDER_AUTOPGM", file);
    return true;
}

}  // namespace glconv
