#include "operations/placed_files.h"

#include <unistd.h>

#include <atomic>
#include <memory>
#include <optional>

#include "platform/file_replacement.h"
#include "platform/whole_file.h"
#include "platform/writer_files.h"

namespace tk73ops {

namespace {

// An old file kept beside its target while the new ones go into place: "<target>.keep<pid>-<n>".
const char kKeptMark[] = ".keep";

std::string keptName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return tk73::writerFilePrefix(target + kKeptMark) + std::to_string(counter.fetch_add(1));
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// One target on its way: its new file written beside it, and its old file kept (empty when the
// target did not exist).
struct Step {
    std::string target;
    std::unique_ptr<tk73::FileReplacement> replacement;
    std::string kept;
    bool placed = false;
};

// Puts the old files back where new ones went in, and removes what was kept.
void undo(std::vector<Step>& steps) {
    for (Step& step : steps) {
        if (step.placed) {
            if (step.kept.empty()) {
                ::unlink(step.target.c_str());
            } else {
                ::rename(step.kept.c_str(), step.target.c_str());
            }
        }
        if (!step.kept.empty()) {
            ::unlink(step.kept.c_str());
        }
    }
}

}  // namespace

bool placeAllOrNothing(const std::vector<FilePlacement>& files) {
    std::vector<Step> steps;
    for (const FilePlacement& file : files) {
        const std::optional<std::string> bytes = tk73::readWholeFile(file.source);
        Step step{file.target, std::make_unique<tk73::FileReplacement>(file.target), {}, false};
        if (bytes) {
            step.replacement->append(*bytes);
            step.replacement->startWriteOut();
        }
        if (!bytes || !step.replacement->ok()) {
            undo(steps);
            return false;  // every new file written so far goes with its replacement
        }
        // A second name for the old file costs no room for its bytes.
        if (tk73::pathExists(file.target)) {
            step.kept = keptName(file.target);
            if (::link(file.target.c_str(), step.kept.c_str()) != 0) {
                step.kept.clear();
                undo(steps);
                return false;
            }
        }
        steps.push_back(std::move(step));
    }
    for (Step& step : steps) {
        step.placed = step.replacement->commit();
        if (!step.placed) {
            undo(steps);
            return false;
        }
    }
    for (Step& step : steps) {
        if (!step.kept.empty()) {
            ::unlink(step.kept.c_str());
        }
        // Old files kept by a placement that was killed on its way.
        tk73::removeFilesOfDeadWriters(folderOf(step.target), nameOf(step.target) + kKeptMark);
    }
    return true;
}

}  // namespace tk73ops
