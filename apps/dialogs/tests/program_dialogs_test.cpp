// Every program of the suite, started as a user starts it (its real main, offscreen, on a staged
// store), has a dialog for every dialog name that the code it runs can ask for. The names are
// read from the sources of the libraries and of the program's own folders, not from the
// registration, so a dialog added to a library without its registration fails here.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "apps/editors/testing/editor_session.h"
#include "tests/programs/program_remote.h"
#include "tests/programs/suite_program.h"
#include "tk73_source_dir.h"

namespace {

namespace fs = std::filesystem;

// The folders whose code every program links.
const std::vector<std::string> kLibraryFolders = {"base",         "definitions", "storedb",
                                                  "programfiles", "csvexchange", "archive",
                                                  "network",      "landialogs",  "operations"};

struct Program {
    std::string name;
    std::string programSwitch;  // "@4": the path of the store's program file 4
    std::vector<std::string> ownFolders;
};

std::ostream& operator<<(std::ostream& out, const Program& program) {
    return out << program.name;
}

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The dialog names that the request classes in the folder's sources (tests left out) answer.
void collectDialogNames(const fs::path& folder, std::set<std::string>& names,
                        std::vector<std::string>& unresolved) {
    static const std::regex answer(
        R"(dialogName\(\)\s*const\s*override\s*\{\s*return\s+(\w+)\s*;)");
    for (auto entry = fs::recursive_directory_iterator(folder);
         entry != fs::recursive_directory_iterator(); ++entry) {
        const std::string leaf = entry->path().filename().string();
        if (entry->is_directory() && (leaf == "tests" || leaf == "testing")) {
            entry.disable_recursion_pending();
            continue;
        }
        const std::string extension = entry->path().extension().string();
        if (!entry->is_regular_file() || (extension != ".h" && extension != ".cpp")) {
            continue;
        }
        const std::string text = contentsOf(entry->path());
        for (auto found = std::sregex_iterator(text.begin(), text.end(), answer);
             found != std::sregex_iterator(); ++found) {
            const std::regex constant("\\b" + (*found)[1].str() + R"(\s*=\s*"([^"]+)\")");
            std::smatch value;
            if (std::regex_search(text, value, constant)) {
                names.insert(value[1].str());
            } else {
                unresolved.push_back(entry->path().string() + ": " + (*found)[1].str());
            }
        }
    }
}

class ProgramDialogsTest : public testing::TestWithParam<Program> {};

TEST_P(ProgramDialogsTest, hasADialogForEveryNameItsCodeCanAskFor) {
    const Program& program = GetParam();
    std::set<std::string> reachable;
    std::vector<std::string> unresolved;
    std::vector<std::string> folders = kLibraryFolders;
    folders.insert(folders.end(), program.ownFolders.begin(), program.ownFolders.end());
    for (const std::string& folder : folders) {
        collectDialogNames(fs::path(TK73_SOURCE_DIR) / folder, reachable, unresolved);
    }
    EXPECT_TRUE(unresolved.empty()) << "names not found: " << testing::PrintToString(unresolved);
    // The libraries' store, LAN, archive, CSV, import and merge dialogs at least.
    ASSERT_GE(reachable.size(), 13u);

    tk73editortest::EditorSession session(301);
    ASSERT_TRUE(session.ready()) << session.store.error();
    const tk73test::AgentEnvironment agents(session.environment.path("agents"));
    const std::string programSwitch = program.programSwitch == "@4"
                                          ? session.store.mainteFile(tk73editortest::kRegister, 4)
                                          : program.programSwitch;
    tk73test::SuiteProgram started(tk73test::builtProgram(program.name), programSwitch);
    tk73test::ProgramRemote remote(agents, started.pid());
    ASSERT_TRUE(remote.connected()) << remote.lastError();
    // Once its first window is up, the program's start-up is done.
    ASSERT_TRUE(remote.awaitWindow("@QWidget")) << remote.lastError();
    const auto registered = remote.request({"dialogs"});
    ASSERT_TRUE(registered.has_value()) << remote.lastError();
    const std::set<std::string> handled(registered->begin(), registered->end());
    std::vector<std::string> missing;
    for (const std::string& name : reachable) {
        if (handled.count(name) == 0) {
            missing.push_back(name);
        }
    }
    EXPECT_TRUE(missing.empty()) << program.name << " has no dialog for "
                                 << testing::PrintToString(missing);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProgramDialogsTest,
    testing::Values(Program{"TK73HUB", "", {"apps/shell"}},
                    Program{"TK73EDIT", "@4", {"apps/dataeditor"}},
                    Program{"TK73DTL", "", {"apps/detailtool", "apps/dataeditor"}},
                    Program{"TK73LOGO", "/GP", {"apps/editors/framework", "apps/logoeditor"}},
                    Program{"TK73ITEM", "/P", {"apps/editors/framework", "apps/editors/item"}},
                    Program{"TK73RCPT", "/RJ", {"apps/editors/framework", "apps/editors/receipt"}},
                    Program{"TK73CLRK", "/PC", {"apps/editors/framework", "apps/editors/clerk"}},
                    Program{"TK73GEN", "/AS", {"apps/editors/framework", "apps/editors/general"}},
                    Program{"TK73TAX", "/T", {"apps/editors/framework", "apps/editors/tax"}}),
    [](const testing::TestParamInfo<Program>& info) { return info.param.name; });

}  // namespace
