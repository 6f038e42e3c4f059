#include "tools/stager/stage_installation.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/registry_hive.h"
#include "tk73_source_dir.h"

namespace tk73tools {

namespace fs = std::filesystem;

namespace {

const char* const kRoots[] = {"SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM",
                              "SOFTWARE\\KELVO\\VEKSTTL\\SYSTEM"};
const char* const kHandWritten = "README.md";

// Points the platform's machine hive at a file while it lives, and back afterwards.
class MachineHiveOverride {
  public:
    explicit MachineHiveOverride(const std::string& file) {
        if (const char* old = std::getenv("TK73_MACHINE_HIVE")) {
            saved_ = old;
        }
        setenv("TK73_MACHINE_HIVE", file.c_str(), 1);
    }
    ~MachineHiveOverride() {
        if (saved_) {
            setenv("TK73_MACHINE_HIVE", saved_->c_str(), 1);
        } else {
            unsetenv("TK73_MACHINE_HIVE");
        }
    }
    MachineHiveOverride(const MachineHiveOverride&) = delete;
    MachineHiveOverride& operator=(const MachineHiveOverride&) = delete;

  private:
    std::optional<std::string> saved_;
};

// The register tool runs modes 0 to 2; the controller tool reads its own root, where any mode
// but 4 means its simple mode 3.
uint32_t registerToolMode(uint32_t mode) {
    return mode <= 2 ? mode : 0;
}

uint32_t controllerToolMode(uint32_t mode) {
    return mode == 4 ? 4 : 3;
}

bool copyInstallation(const fs::path& source, const fs::path& install, std::string& error) {
    std::error_code failed;
    fs::create_directories(install, failed);
    for (const fs::directory_entry& entry : fs::directory_iterator(source, failed)) {
        if (entry.path().filename() == kHandWritten) {
            continue;
        }
        fs::copy(entry.path(), install / entry.path().filename(), fs::copy_options::recursive,
                 failed);
        if (failed) {
            break;
        }
    }
    // The copies keep the shipped files' times: a file is as old as its release, and readers
    // that cache by modification time treat the fresh copy as settled.
    for (auto entry = fs::recursive_directory_iterator(install, failed);
         !failed && entry != fs::recursive_directory_iterator(); entry.increment(failed)) {
        if (entry->is_regular_file()) {
            fs::path shipped = source / fs::relative(entry->path(), install);
            fs::last_write_time(entry->path(), fs::last_write_time(shipped, failed), failed);
        }
    }
    if (failed) {
        error = "cannot copy " + source.generic_string() + " to " + install.generic_string() +
                ": " + failed.message();
        return false;
    }
    return true;
}

bool writeHive(const HiveRequest& request, std::vector<std::string>& log, std::string& error) {
    const fs::path install = request.installation;
    const std::string data = request.dataFolder.empty() ? "" : request.dataFolder + "/";
    const std::pair<const char*, std::string> folders[] = {
        {"InstallPath", install.generic_string()},
        {"RegisterPath", (install / "register").generic_string()},
        {"VekPath", (install / "vek").generic_string()},
        {"SystemPath", (install / "system").generic_string()},
        {"TemplatePath", (install / "template").generic_string()},
        {"DataBasePath", data + "TK73DB"},
        {"TempPath", data + "TK73TEMP"},
        {"CodePage", "WINDOWS-1252"},
    };
    MachineHiveOverride hive(request.hive);
    for (const char* root : kRoots) {
        for (const auto& [name, value] : folders) {
            if (!tk73::registryWriteString(tk73::Hive::Machine, root, name, value)) {
                error = "cannot write " + std::string(name) + " to " + request.hive;
                return false;
            }
        }
        bool controllerRoot = root == kRoots[1];
        uint32_t value =
            controllerRoot ? controllerToolMode(request.mode) : registerToolMode(request.mode);
        if (!tk73::registryWriteDword(tk73::Hive::Machine, root, "UserMode", value)) {
            error = "cannot write UserMode to " + request.hive;
            return false;
        }
        log.push_back("wrote the machine values under " + std::string(root) + " (UserMode " +
                      std::to_string(value) + ")");
    }
    return true;
}

bool isKnownMode(uint32_t mode, std::string& error) {
    if (mode > 4) {
        error = "user mode " + std::to_string(mode) + " is not one of 0 to 4";
        return false;
    }
    return true;
}

bool holdsInstallation(const fs::path& folder, std::string& error) {
    if (!fs::is_regular_file(folder / "TK73TOOL.ini")) {
        error = folder.generic_string() + " holds no installation (no TK73TOOL.ini)";
        return false;
    }
    return true;
}

// The user guide as the build made it: its editions (HTML and PDF) and their pictures, into the
// installation's manual folder. Files are linked where the file system allows it, as the guide
// is large and never written to. A build that has not made the guide yet stages without it.
bool addGuide(const fs::path& documents, std::string& error) {
    const fs::path guide = TK73_GUIDE_DIR;
    std::error_code failed;
    if (!fs::is_regular_file(guide / "TK73TOOL.htm", failed)) {
        return true;
    }
    for (const fs::path& folder : {fs::path(), fs::path("pictures")}) {
        fs::create_directories(documents / folder, failed);
        for (const fs::directory_entry& entry : fs::directory_iterator(guide / folder, failed)) {
            const std::string extension = entry.path().extension().string();
            if (!entry.is_regular_file() ||
                (extension != ".htm" && extension != ".pdf" && extension != ".png")) {
                continue;
            }
            const fs::path target = documents / folder / entry.path().filename();
            fs::create_hard_link(entry.path(), target, failed);
            if (failed) {
                failed.clear();
                fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing, failed);
            }
            if (failed) {
                error = "cannot copy the user guide to " + documents.generic_string() + ": " +
                        failed.message();
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::string shippedInstallation() {
    return std::string(TK73_SOURCE_DIR) + "/install";
}

std::string stagedHive(const std::string& target) {
    return (fs::path(target) / "machine.reg").generic_string();
}

bool stageInstallation(const StageRequest& request, std::vector<std::string>& log,
                       std::string& error) {
    const fs::path source = fs::absolute(request.source).lexically_normal();
    const fs::path target = fs::absolute(request.target).lexically_normal();
    if (!isKnownMode(request.mode, error) || !holdsInstallation(source, error)) {
        return false;
    }
    const fs::path install = target / "install";
    const fs::path hive = stagedHive(target.generic_string());
    if (fs::exists(install) || fs::exists(hive)) {
        if (!request.replace) {
            error = target.generic_string() +
                    " already holds an installation; stage into an empty folder or replace it";
            return false;
        }
        std::error_code failed;
        fs::remove_all(install, failed);
        fs::remove(hive, failed);
        if (failed) {
            error = "cannot remove the installation in " + target.generic_string() + ": " +
                    failed.message();
            return false;
        }
        log.push_back("removed the installation that " + target.generic_string() + " held");
    }
    if (!copyInstallation(source, install, error)) {
        return false;
    }
    log.push_back("copied " + source.generic_string() + " to " + install.generic_string());
    if (source == fs::path(shippedInstallation()).lexically_normal() &&
        !addGuide(install / "DOCUMENT", error)) {
        return false;
    }
    if (!writeHive({install.generic_string(), hive.generic_string(), request.mode, "", true}, log,
                   error)) {
        return false;
    }
    log.push_back("machine hive: " + hive.generic_string());
    return true;
}

bool writeMachineHive(const HiveRequest& request, std::vector<std::string>& log,
                      std::string& error) {
    HiveRequest absolute = request;
    absolute.installation = fs::absolute(request.installation).lexically_normal().generic_string();
    absolute.hive = fs::absolute(request.hive).lexically_normal().generic_string();
    if (!isKnownMode(request.mode, error) || !holdsInstallation(absolute.installation, error)) {
        return false;
    }
    if (fs::exists(absolute.hive) && !request.replace) {
        error = absolute.hive + " is there already; keep it or replace it";
        return false;
    }
    std::error_code failed;
    fs::remove(absolute.hive, failed);
    if (failed) {
        error = "cannot remove " + absolute.hive + ": " + failed.message();
        return false;
    }
    if (!writeHive(absolute, log, error)) {
        return false;
    }
    log.push_back("machine hive: " + absolute.hive);
    return true;
}

}  // namespace tk73tools
