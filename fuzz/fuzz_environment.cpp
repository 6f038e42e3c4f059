#include "fuzz/fuzz_environment.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

namespace tk73fuzz {

namespace {

constexpr char kMemoryFolder[] = "/dev/shm";

// The folders made for this run, removed when the run ends; a run that stops at a finding ends
// without this, and its files stay for a look.
std::vector<std::string>& privateFolders() {
    static std::vector<std::string> folders;
    return folders;
}

void removePrivateFolders() {
    for (const std::string& folder : privateFolders()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}

// The memory file system where the machine has one: the targets write files for every input,
// and the suite flushes each file it replaces, which on a disk costs more than the parsing.
// Else TMPDIR, else /tmp.
std::string baseFolder() {
    if (access(kMemoryFolder, W_OK | X_OK) == 0) {
        return kMemoryFolder;
    }
    const char* base = getenv("TMPDIR");
    return base != nullptr && base[0] != '\0' ? base : "/tmp";
}

}  // namespace

std::string usePrivateEnvironment() {
    std::string folder = baseFolder() + "/tk73fuzz.XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        abort();
    }
    const std::string root = folder;
    if (privateFolders().empty()) {
        atexit(removePrivateFolders);
    }
    privateFolders().push_back(root);
    for (const char* name : {"TK73_COMMON_APPDATA", "TK73_LOCAL_APPDATA", "TK73_DOCUMENTS",
                             "TK73_TEMP", "HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
        setenv(name, root.c_str(), 1);
    }
    setenv("TK73_MACHINE_HIVE", (root + "/machine.reg").c_str(), 1);
    setenv("TK73_USER_HIVE", (root + "/user.reg").c_str(), 1);
    return root;
}

}  // namespace tk73fuzz
