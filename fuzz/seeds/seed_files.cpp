#include "fuzz/seeds/seed_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/whole_file.h"

namespace tk73seeds {

void writeSeed(const std::string& corpus, const std::string& target, const std::string& name,
               const std::string& bytes) {
    const std::string folder = corpus + "/" + target;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !tk73::replaceWholeFile(folder + "/" + name, bytes)) {
        std::fprintf(stderr, "cannot write the seed %s/%s\n", folder.c_str(), name.c_str());
        std::exit(1);
    }
}

std::string readRequired(const std::string& path) {
    const std::optional<std::string> bytes = tk73::readWholeFile(path);
    if (!bytes) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return *bytes;
}

}  // namespace tk73seeds
