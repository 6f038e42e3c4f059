// Arbitrary pack text files into the splitter, as unpacking feeds it (the lines after the title
// line). Whatever the pack holds, only program text files named "FILEnnnP.TXT" are made, and only
// in the staging folder. The files of a pack that splits, packed again one after the other as
// the packer does, split into the same files.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/archive_files.h"
#include "archive/pack_text_splitter.h"
#include "archive/text_pgm_conv.h"
#include "fuzz/fuzz_environment.h"
#include "platform/whole_file.h"

namespace {

namespace fs = std::filesystem;
// The made files, name and text, in the order in which they were last written.
using Made = std::vector<std::pair<std::string, std::string>>;

constexpr int kManyFiles = 92;

std::string g_root;

// "FILEnnnP.TXT".
bool programTextName(std::string_view name) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return name.size() == 12 && name.substr(0, 4) == "FILE" && digit(name[4]) && digit(name[5]) &&
           digit(name[6]) && name.substr(7) == "P.TXT";
}

// The made files; null when the split failed. Traps on any file the split leaves elsewhere than
// in the staging folder, under another name or not among the made files. The staging folder is
// empty again afterwards.
std::optional<Made> split(const std::string& pack) {
    // Nothing else is ever written in the run's folder, so whatever appears there besides the
    // staging folder's files was written by the split.
    const fs::path staging = fs::path(g_root) / "staging";
    const size_t titleEnd = pack.find('\n');
    const std::string_view lines = titleEnd == std::string::npos
                                       ? std::string_view()
                                       : std::string_view(pack).substr(titleEnd + 1);
    // The code-page conversion is off: no file layouts.
    CTextPgmConv conversion;
    tk73pack::PackTextSplitter splitter(staging.string(), nullptr, conversion);
    const bool done = splitter.split(lines);

    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(g_root)) {
        const std::string name = entry.path().filename().string();
        if (entry.path() == staging) {
            continue;
        }
        if (entry.path().parent_path() != staging || !entry.is_regular_file() ||
            !programTextName(name)) {
            __builtin_trap();
        }
        files[name] = tk73::readWholeFile(entry.path().string()).value_or("");
    }
    for (const auto& file : files) {
        fs::remove(staging / file.first);
    }
    if (!done) {
        return std::nullopt;
    }
    const std::vector<std::string>& names = splitter.madeFiles();
    Made made;
    std::set<std::string> taken;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (!taken.insert(*name).second) {
            continue;
        }
        const auto file = files.find(*name);
        if (file == files.end()) {
            __builtin_trap();
        }
        made.insert(made.begin(), *file);
    }
    if (taken.size() != files.size()) {
        __builtin_trap();
    }
    return made;
}

// The packer's pack text of the files: one title line, then each file without its own.
std::string packOf(const Made& made) {
    std::string pack = tk73pack::titleLine(kManyFiles);
    for (const auto& [name, text] : made) {
        const size_t titleEnd = text.find('\n');
        pack.append(text, titleEnd == std::string::npos ? text.size() : titleEnd + 1);
    }
    return pack;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_root = tk73fuzz::usePrivateEnvironment();
    fs::create_directories(fs::path(g_root) / "staging");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string pack(reinterpret_cast<const char*>(data), size);
    const std::optional<Made> made = split(pack);
    if (made && split(packOf(*made)) != made) {
        __builtin_trap();
    }
    return 0;
}
