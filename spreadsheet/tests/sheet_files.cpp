#include "spreadsheet/tests/sheet_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "tk73_source_dir.h"

namespace tk73sheettest {

tk73sheet::ProgramSheet shippedFile(const tk73test::TempEnvironment& env, const std::string& model,
                                    int fileNo, const std::string& title) {
    const std::string folder = std::string(TK73_SOURCE_DIR) + "/install/register/" + model;
    char name[32];
    std::snprintf(name, sizeof name, "FILE%03dP.TXT", fileNo);
    const std::string copy = env.path(model + "/" + name);
    std::filesystem::create_directories(env.path(model));
    std::filesystem::copy_file(folder + "/DEFAULT/" + name, copy,
                               std::filesystem::copy_options::overwrite_existing);
    return {folder + "/" + model + ".INI", 0, model, fileNo, title, copy};
}

std::string replaced(std::string text, const std::string& what, const std::string& with) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

}  // namespace tk73sheettest
