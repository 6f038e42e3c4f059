#include "apps/editors/framework/tests/fixture_store.h"

#include <cstdio>
#include <filesystem>

namespace tk73test {

namespace {

const std::string kModel = std::string(TK73_SOURCE_DIR) + "/install/register/KR301";

std::string fileName(int fileNo) {
    char name[16];
    std::snprintf(name, sizeof(name), "FILE%03dP.TXT", fileNo);
    return name;
}

}  // namespace

FixtureStore::FixtureStore(const TempEnvironment& environment)
    : definitionFile_(environment.path("store/KR301.INI")),
      mainteFolder_(environment.path("store/M001")),
      defaultFolder_(environment.path("store/DEFAULT")) {
    namespace fs = std::filesystem;
    fs::create_directories(environment.path("store"));
    fs::copy_file(kModel + "/KR301.INI", definitionFile_);
    fs::copy(kModel + "/DEFAULT", mainteFolder_);
    fs::copy(kModel + "/DEFAULT", defaultFolder_);
}

std::string FixtureStore::mainteFile(int fileNo) const {
    return mainteFolder_ + "/" + fileName(fileNo);
}

std::string FixtureStore::defaultFile(int fileNo) const {
    return defaultFolder_ + "/" + fileName(fileNo);
}

std::string FixtureStore::mainte(int fileNo) const {
    return TempEnvironment::readFile(mainteFile(fileNo));
}

void FixtureStore::setMainte(int fileNo, const std::string& bytes) const {
    TempEnvironment::writeFile(mainteFile(fileNo), bytes);
}

std::string recordLine(const std::string& file, const std::string& prefix) {
    const size_t start = file.find("\n" + prefix);
    if (start == std::string::npos) {
        return {};
    }
    const size_t end = file.find('\n', start + 1);
    return file.substr(start + 1, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace tk73test
