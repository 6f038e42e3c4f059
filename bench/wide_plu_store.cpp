#include "bench/wide_plu_store.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/ini_profile.h"
#include "tk73_source_dir.h"
#include "tools/progen/program_generator.h"

namespace tk73bench {

namespace {

// The most items a menu of the shipped definitions has.
constexpr int kMenuItems = 100;

// Sets every present item of the menu to cover records records.
bool widenMenu(const std::string& definitionFile, int menu, int records) {
    char section[32];
    std::snprintf(section, sizeof(section), "PGM_MENU_%03d", menu);
    char memory[32];
    std::snprintf(memory, sizeof(memory), "INDEX,1,%d", records);
    for (int item = 0; item < kMenuItems; ++item) {
        char key[32];
        std::snprintf(key, sizeof(key), "ITEM_%03d_MEMORY", item);
        char present[64] = {};
        tk73_GetPrivateProfileStringA(section, key, "", present, sizeof(present),
                                      definitionFile.c_str());
        if (present[0] != '\0' &&
            !tk73_WritePrivateProfileStringA(section, key, memory, definitionFile.c_str())) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool makeWidePluStore(const std::string& folder, const char* model, int pluMenu, int records,
                      WidePluStore& store, std::string& reason) {
    store.modelFolder = std::string(TK73_SOURCE_DIR) + "/install/register/" + model;
    store.definitionFile = folder + "/" + model + ".INI";
    store.mainteFolder = folder + "/MAINTE";
    store.pluFile = store.mainteFolder + "/FILE004P.TXT";
    std::error_code error;
    std::filesystem::create_directories(store.mainteFolder, error);
    if (!error) {
        std::filesystem::copy_file(store.modelFolder + "/" + model + ".INI", store.definitionFile,
                                   error);
    }
    if (error) {
        reason = "cannot copy the model's definition: " + error.message();
        return false;
    }
    if (!widenMenu(store.definitionFile, pluMenu, records)) {
        reason = "cannot widen the PLU menu";
        return false;
    }
    tk73tools::GenerateRequest request;
    request.modelFolder = store.modelFolder;
    request.fileNo = 4;
    request.records = records;
    request.output = store.pluFile;
    return tk73tools::generateProgramFile(request, reason);
}

}  // namespace tk73bench
