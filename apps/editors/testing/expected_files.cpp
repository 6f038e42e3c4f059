#include "apps/editors/testing/expected_files.h"

#include <filesystem>
#include <set>

#include "tests/support/temp_environment.h"

namespace tk73editortest {

namespace fs = std::filesystem;

ExpectedFiles::ExpectedFiles(const StagedStore& store, int target, const std::string& copyFolder)
    : mainteFolder_(store.paths(target).mainteFolder), copyFolder_(copyFolder) {
    fs::create_directories(copyFolder_);
    fs::copy(mainteFolder_, copyFolder_, fs::copy_options::recursive);
    opened_ = handle_.Open(store.paths(target).definitionFile.c_str(), copyFolder_.c_str(),
                           store.paths(target).defaultFolder.c_str()) != 0;
}

bool ExpectedFiles::WriteValue(int menuNo, int itemNo, int record, const void* value, int length) {
    tagPGMITEMDEF item;
    if (!opened_ || handle_.GetItemDef(&item, menuNo, itemNo, 0) != 1 ||
        (item.nMemoryType == PGM_MEMORY_FUNC && handle_.ResolveFuncItem(&item, nullptr) != 1)) {
        return false;
    }
    return handle_.WriteItem(&item, record == 0 ? item.nFirstRecord : record, value, length) == 1;
}

bool ExpectedFiles::Write(int menuNo, int itemNo, int record, uint64_t value) {
    return WriteValue(menuNo, itemNo, record, &value, sizeof(value));
}

bool ExpectedFiles::Write(int menuNo, int itemNo, int record, const std::string& text) {
    return WriteValue(menuNo, itemNo, record, text.c_str(), static_cast<int>(text.size()));
}

std::vector<std::string> ExpectedFiles::Differences() const {
    std::set<std::string> names;
    for (const std::string& folder : {mainteFolder_, copyFolder_}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
    }
    std::vector<std::string> differences;
    for (const std::string& name : names) {
        const fs::path actual = fs::path(mainteFolder_) / name;
        const fs::path expected = fs::path(copyFolder_) / name;
        if (!fs::exists(actual) || !fs::exists(expected) ||
            tk73test::TempEnvironment::readFile(actual) !=
                tk73test::TempEnvironment::readFile(expected)) {
            differences.push_back(name);
        }
    }
    return differences;
}

}  // namespace tk73editortest
