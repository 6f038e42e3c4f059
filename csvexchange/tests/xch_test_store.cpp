#include "csvexchange/tests/xch_test_store.h"

#include <gtest/gtest.h>

#include "csvexchange/xch_file_select.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"
#include "tests/support/temp_environment.h"

namespace xchtest {

XchStore::XchStore() : install_(0), storeNo_(install_.createStore(archivetest::kKR301)) {
    EXPECT_EQ(storeNo_, 1) << "the working store of the default layout";
}

std::string XchStore::mainteFile(int storeNo, int fileNo) {
    char path[TK73_MAX_PATH] = {};
    EXPECT_EQ(CTK73pgmPgmFile(storeNo).CreateMainteFullPath(fileNo, path), 1);
    return path;
}

std::string XchStore::read(int fileNo) const {
    return readFile(mainteFile(fileNo));
}

std::string XchStore::definitionFile() const {
    return archivetest::StagedInstallation::definitionFile(storeNo_, "KR301", 0);
}

void XchStore::chooseFile(int fileNo) {
    ui_.handleDialog(std::string(tk73xch::FileSelectRequest::kName),
                     [fileNo](tk73::DialogRequest& request) {
                         auto& select = dynamic_cast<tk73xch::FileSelectRequest&>(request);
                         for (const tk73xch::FileSelectRow& row : select.rows) {
                             if (row.fileNo == fileNo) {
                                 select.fileNo = fileNo;
                                 return tk73::Button::Ok;
                             }
                         }
                         ADD_FAILURE() << "file " << fileNo << " is not offered";
                         return tk73::Button::Cancel;
                     });
}

void XchStore::answerRange(tk73::Button button, tk73pgm::ImportRange range) {
    ui_.handleDialog(std::string(tk73pgm::ImportRangeRequest::kName),
                     [button, range](tk73::DialogRequest& request) {
                         dynamic_cast<tk73pgm::ImportRangeRequest&>(request).range = range;
                         return button;
                     });
}

std::vector<std::string> XchStore::messages() const {
    std::vector<std::string> shown;
    for (const tk73test::RecordedInteraction& call : ui_.calls()) {
        if (call.kind == tk73test::InteractionKind::Message) {
            shown.push_back(call.caption + ": " + call.text);
        }
    }
    return shown;
}

std::string readFile(const std::string& path) {
    return tk73test::TempEnvironment::readFile(path);
}

void writeFile(const std::string& path, const std::string& bytes) {
    tk73test::TempEnvironment::writeFile(path, bytes);
}

}  // namespace xchtest
