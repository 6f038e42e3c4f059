#pragma once
// What the converter reads from the store's definition file of the model (-d).

#include <string>
#include <vector>

namespace glconv {

struct ModelDefinition {
    int machineType = -1;        // "MACHINE_TYPE" of "SYSTEM"; -1 when missing
    std::vector<int> logoFiles;  // "LOGO" of "FILE_INF"
    std::string binaryFolder;    // "FOLDER_AUTOPGM" of "CF": where a bare binary name lies
};

// False when the file cannot be read or names no machine type.
[[nodiscard]] bool readModelDefinition(const std::string& file, ModelDefinition& out);

}  // namespace glconv
