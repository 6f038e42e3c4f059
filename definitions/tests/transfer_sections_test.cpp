#include <gtest/gtest.h>

#include <string>

#include "definitions/ctrl_cmn.h"
#include "definitions/def_cf.h"
#include "definitions/def_crp_files.h"
#include "definitions/def_dtl_popup_menu.h"
#include "definitions/def_dtl_sr_files.h"
#include "definitions/def_file_convert.h"
#include "definitions/def_file_export.h"
#include "definitions/def_file_import.h"
#include "definitions/def_model_function.h"
#include "definitions/def_tcpip.h"
#include "definitions/tests/definition_environment.h"
#include "platform/api.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

namespace {

const std::string kTransfers = crlf(
    "[CF]\nFOLDER_X=/card/x\nBTNSTATE=off\nALLDATA=maybe\n"
    "[CRP_FILES]\nFILES=1,2,3\nINDIVIDUAL=\"4\",5\nBTNSTATE=On\n"
    "[FILE_CONVERT]\nFILES=1,4\nITEMCONVFILES=4\n"
    "[FILE_EXPORT]\nFILES=1,2\n"
    "[FILE_IMPORT]\nFILES=2\nBASEFIELDS=1,3\nINIPATH=/home/u/in\n"
    "[MODELFUNCTION]\nTOUCHKEY=on\nCRZFILE=OFF\nREGCONNECT=GRAYOUT\nBINEDIT=ON\n"
    "[TCP/IP]\nECR01=10.0.0.1\n"
    "[TK73DTL_POPUPMENU]\nMENUOFFFILES=98,99\n"
    "[TK73DTL_SRFILE]\nSENDFILES=1,2\nRECVFILES=3\n");

class TransferSections : public ::testing::Test {
  protected:
    void SetUp() override { file_ = env_.writeFile("MODEL.INI", kTransfers); }

    std::string value(const char* section, const char* key) const {
        std::string out;
        // A key that is missing reads as empty, which the tests compare.
        (void)CCtrlCmn::GetIniFileString(file_.c_str(), section, key, out);
        return out;
    }

    DefinitionEnvironment env_;
    std::string file_;
};

}  // namespace

TEST_F(TransferSections, CardFoldersAndSwitches) {
    const CTK73defCF card(file_.c_str());
    char folder[CTK73defCF::kMaxFolder + 1];
    EXPECT_EQ(card.GetPath_FOLDER_X(folder), 1);
    EXPECT_STREQ(folder, "/card/x");
    EXPECT_EQ(card.GetPath_FOLDER_Y(folder), 0);
    EXPECT_STREQ(folder, "");
    EXPECT_EQ(card.GetButtonState(), 0);
    EXPECT_EQ(card.GetStateAllData(), 1);

    EXPECT_EQ(card.SetPath_FOLDER_AUTOPGM("/card/auto"), 1);
    EXPECT_EQ(card.SetButtonState(5), 1);
    EXPECT_EQ(card.SetStateAllData(0), 1);
    EXPECT_EQ(card.GetPath_FOLDER_AUTOPGM(folder), 1);
    EXPECT_STREQ(folder, "/card/auto");
    EXPECT_EQ(card.GetButtonState(), 1);
    EXPECT_EQ(value("CF", "ALLDATA"), "OFF");

    // A section that is missing reads as its defaults.
    const std::string empty = env_.writeFile("EMPTY.INI", "");
    const CTK73defVekCF none(empty.c_str());
    EXPECT_EQ(none.GetButtonState(), 1);
    EXPECT_EQ(none.GetStateAllData(), 1);
}

TEST_F(TransferSections, ArchiveFiles) {
    const CTK73defCRPFILES crp(file_.c_str());
    EXPECT_EQ(crp.GetValueCount(), 3);
    EXPECT_EQ(crp.GetIndividualValueCount(), 2);
    int fileNo = 0;
    EXPECT_EQ(crp.GetIndividualValueFromIndex(0, &fileNo), 1);
    EXPECT_EQ(fileNo, 4);
    EXPECT_EQ(crp.GetValueFromIndex(3, &fileNo), 0);
    EXPECT_EQ(fileNo, 4);
    EXPECT_EQ(crp.GetCrpButtonState(), 1);
    char folder[CTK73defCRPFILES::kMaxFolder + 1];
    EXPECT_EQ(crp.GetCrpIniPath(folder), 0);
    EXPECT_EQ(crp.SetCrpIniPath("/crp"), 1);
    EXPECT_EQ(crp.GetCrpIniPath(folder), 1);
    EXPECT_STREQ(folder, "/crp");
    EXPECT_EQ(crp.SetCrpButtonState(0), 1);
    EXPECT_EQ(crp.GetCrpButtonState(), 0);
}

TEST_F(TransferSections, ConversionExportAndImportFiles) {
    const CTK73defFILE_CONVERT convert(file_.c_str());
    EXPECT_EQ(convert.GetFileValueCount(), 2);
    EXPECT_EQ(convert.IsConvertFile(4), 1);
    EXPECT_EQ(convert.IsItemConvertFile(1), 0);
    EXPECT_EQ(convert.IsItemConvertFile(4), 1);

    const CTK73defFILE_EXPORT exports(file_.c_str());
    EXPECT_EQ(exports.IsExportFile(2), 1);
    EXPECT_EQ(exports.IsExportFile(3), 0);
    char folder[TK73_MAX_PATH];
    EXPECT_EQ(exports.GetExportPath(folder), 0);
    EXPECT_EQ(exports.SetExportPath("/home/u/out"), 1);
    EXPECT_EQ(exports.GetExportPath(folder), 1);
    EXPECT_STREQ(folder, "/home/u/out");

    const CTK73defVekFILE_IMPORT imports(file_.c_str());
    EXPECT_EQ(imports.GetFileValueCount(), 1);
    EXPECT_EQ(imports.IsImportFile(2), 1);
    EXPECT_EQ(imports.IsBaseField(3), 1);
    int fieldNo = 0;
    EXPECT_EQ(imports.GetBaseFieldValueFromIndex(1, &fieldNo), 1);
    EXPECT_EQ(fieldNo, 3);
    EXPECT_EQ(imports.GetImportPath(folder), 1);
    EXPECT_STREQ(folder, "/home/u/in");
    // A folder beyond the path limit is handed out cut to fit the path buffer.
    EXPECT_EQ(imports.SetImportPath(std::string(400, 'd').c_str()), 1);
    EXPECT_EQ(imports.GetImportPath(folder), 1);
    EXPECT_EQ(std::string(folder).size(), static_cast<size_t>(TK73_MAX_PATH - 1));
}

TEST_F(TransferSections, ModelFunctionsAreOnOnlyWhenSaidSo) {
    const CTK73defMODELFUNCTION functions(file_.c_str());
    EXPECT_EQ(functions.IsTouchKeyModel(), 1);
    EXPECT_EQ(functions.IsCrzFileModel(), 0);
    EXPECT_EQ(functions.IsCustomersSetupModel(), 0);
    EXPECT_EQ(functions.IsRegConnectModel(), 0);
    EXPECT_EQ(functions.IsDetailSetupModel(), 0);
    EXPECT_EQ(functions.IsBinEditModel(), 1);
}

TEST_F(TransferSections, NetworkedRegisterAddresses) {
    const CTK73defTCPIP tcpip(file_.c_str());
    EXPECT_EQ(tcpip.SetValue(5, "192.168.0.5"), 1);
    EXPECT_EQ(tcpip.SetValue(1, "10.0.0.9"), 1);
    EXPECT_EQ(value("TCP/IP", "ECR05"), "192.168.0.5");
    EXPECT_EQ(value("TCP/IP", "ECR01"), "10.0.0.9");
}

TEST_F(TransferSections, DetailToolFiles) {
    const CTK73defTK73DTL_POPUPMENU popup(file_.c_str());
    EXPECT_EQ(popup.GetValueCount(), 2);
    EXPECT_EQ(popup.IsPopupMenu(99), 1);
    EXPECT_EQ(popup.IsPopupMenu(1), 0);
    const CTK73defVekTK73DTL_SRFILES transfers(file_.c_str());
    EXPECT_EQ(transfers.GetSendFilesValueCount(), 2);
    EXPECT_EQ(transfers.IsSendFile(2), 1);
    EXPECT_EQ(transfers.IsRecvFile(2), 0);
    int fileNo = 0;
    EXPECT_EQ(transfers.GetRecvFilesValueFromIndex(0, &fileNo), 1);
    EXPECT_EQ(fileNo, 3);
    EXPECT_EQ(transfers.GetRecvFilesValueFromIndex(1, &fileNo), 0);
}
