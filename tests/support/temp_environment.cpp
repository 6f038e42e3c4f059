#include "tests/support/temp_environment.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tk73test {

TempEnvironment::TempEnvironment() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tk73test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary test folder");
    }
    root_ = pattern;
    for (const char* sub : {"common", "local", "documents", "temp", "run"}) {
        std::filesystem::create_directories(root_ / sub);
    }
    // A session's runtime folder is private to its user, as the session makes it.
    std::filesystem::permissions(root_ / "run", std::filesystem::perms::owner_all);
    setVariable("TK73_MACHINE_HIVE", path("machine.reg"));
    setVariable("TK73_USER_HIVE", path("user.reg"));
    setVariable("TK73_COMMON_APPDATA", path("common"));
    setVariable("TK73_LOCAL_APPDATA", path("local"));
    setVariable("TK73_DOCUMENTS", path("documents"));
    setVariable("TK73_TEMP", path("temp"));
    // No test sees the machine's real removable volumes: the folder is not there unless a
    // test makes it.
    setVariable("TK73_MEDIA_FOLDERS", path("media"));
    setVariable("XDG_RUNTIME_DIR", path("run"));
}

TempEnvironment::~TempEnvironment() {
    for (const auto& [name, value] : saved_) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
}

std::string TempEnvironment::path(const std::string& relative) const {
    return (root_ / relative).generic_string();
}

void TempEnvironment::setVariable(const char* name, const std::string& value) {
    if (!saved_.count(name)) {
        const char* old = std::getenv(name);
        saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    setenv(name, value.c_str(), 1);
}

void TempEnvironment::writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempEnvironment::readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace tk73test
