#include "definitions/model_info.h"

#include <gtest/gtest.h>

#include <string>

#include "definitions/tests/definition_environment.h"

using deftest::crlf;
using deftest::DefinitionEnvironment;

namespace {

const std::string kSettings = crlf(
    "[ECR_LIST]\nTOTALCOUNT=5\n"
    "01=101,ER900,Register 900,2,text,ER9A,7,321\n"
    "02=102,ER100,Register 100,1,,er1b,3,66\n"
    "03=103,SHORT,Short line\n"
    "[VEK_LIST]\nTOTALCOUNT=1\n01=201,VK10,Controller,0,,VK1,0,65,extra,columns\n"
    "[VEKNOTSUPPORTECR]\nPROMODE=102,103\nNETREGMODE=101\n"
    "[FILECOMMCONV]\nCONVARABIC=On\n"
    "[DEFAULTACTION]\nECRID=102\n");

}  // namespace

TEST(ModelInfo, ListsStopAtTheFirstMissingKey) {
    DefinitionEnvironment env(2);
    env.writeSettings(kSettings);
    CMdlInfo info;
    EXPECT_EQ(info.GetSettingsFile(), env.temp().path("install/TK73TOOL.ini"));
    EXPECT_EQ(info.InitECRInfo(), 3);
    EXPECT_EQ(info.InitVEKInfo(), 1);

    Machine_Information model;
    ASSERT_EQ(info.GetECRInfo(0, &model), 1);
    EXPECT_EQ(model.modelNo, 101);
    EXPECT_EQ(model.indentName, "ER900");
    EXPECT_EQ(model.modelName, "Register 900");
    EXPECT_EQ(model.modelAttribute, 2);
    EXPECT_EQ(model.modelText, "text");
    EXPECT_EQ(model.rmCode, "ER9A");
    EXPECT_EQ(model.archiveValue, 7);
    EXPECT_EQ(model.idCode, 321);

    // Missing trailing columns stay cleared; columns beyond the eighth are ignored.
    ASSERT_EQ(info.GetMcnInfo(1, 2, &model), 1);
    EXPECT_EQ(model.modelName, "Short line");
    EXPECT_EQ(model.modelAttribute, 0);
    EXPECT_EQ(model.rmCode, "");
    EXPECT_EQ(model.idCode, 0);
    ASSERT_EQ(info.GetVEKInfo(0, &model), 1);
    EXPECT_EQ(model.idCode, 65);
}

TEST(ModelInfo, IndexOutsideTheListIsRefused) {
    DefinitionEnvironment env;
    env.writeSettings(kSettings);
    CMdlInfo info;
    Machine_Information model;
    model.modelNo = 9;
    EXPECT_EQ(info.GetECRInfo(0, &model), 0);  // nothing loaded yet
    // Its count of models read is not the point: the look-ups below are.
    (void)info.InitECRInfo();
    EXPECT_EQ(info.GetECRInfo(3, &model), 0);
    EXPECT_EQ(info.GetECRInfo(-1, &model), 0);
    EXPECT_EQ(info.GetVEKInfo(0, &model), 0);
    EXPECT_EQ(model.modelNo, 9);
    EXPECT_EQ(info.GetECRInfo(0, nullptr), 0);
}

TEST(ModelInfo, LookupsIgnoreCaseAndMatchTheLowByteOfTheIdCode) {
    DefinitionEnvironment env;
    env.writeSettings(kSettings);
    CMdlInfo info;
    Machine_Information model;
    EXPECT_EQ(info.GetMcnInfoForIDCode(1, 0x41, &model), 1);
    EXPECT_EQ(model.modelNo, 101);
    EXPECT_EQ(info.GetMcnInfoForRmCode(1, "er9a", &model), 1);
    EXPECT_EQ(model.modelNo, 101);
    EXPECT_EQ(info.GetMcnInfoForRmCode(1, "ER1B", &model), 1);
    EXPECT_EQ(model.modelNo, 102);
    EXPECT_EQ(info.GetMcnInfoForIndentName(0, "vk10", &model), 1);
    EXPECT_EQ(model.modelNo, 201);
    EXPECT_EQ(info.GetMcnInfoForModelNo(1, 103, &model), 1);
    EXPECT_EQ(model.indentName, "SHORT");

    // The lists are separate, and a miss leaves the record as it was.
    EXPECT_EQ(info.GetMcnInfoForIndentName(1, "VK10", &model), 0);
    EXPECT_EQ(info.GetMcnInfoForModelNo(0, 101, &model), 0);
    EXPECT_EQ(info.GetMcnInfoForRmCode(1, nullptr, &model), 0);
    EXPECT_EQ(model.indentName, "SHORT");
    // A lookup reloads: a model added to the file is found at once.
    env.writeSettings(crlf("[ECR_LIST]\nTOTALCOUNT=1\n01=104,LATE\n"));
    EXPECT_EQ(info.GetMcnInfoForModelNo(1, 104, &model), 1);
    EXPECT_EQ(model.indentName, "LATE");
    EXPECT_EQ(info.GetECRInfo(1, &model), 0);
}

TEST(ModelInfo, VekCompatibilityFollowsTheExecutionMode) {
    DefinitionEnvironment env(2);
    env.writeSettings(kSettings);
    const CMdlInfo pro;
    EXPECT_EQ(pro.GetCurrExecMode(), 2u);
    EXPECT_EQ(pro.IsVEKSupportECR(101), 1);
    EXPECT_EQ(pro.IsVEKSupportECR(102), 0);
    EXPECT_EQ(pro.IsVEKSupportECR(103), 0);

    env.setUserMode(9);
    const CMdlInfo other;
    EXPECT_EQ(other.IsVEKSupportECR(101), 0);  // "NETREGMODE"
    EXPECT_EQ(other.IsVEKSupportECR(102), 1);

    env.setUserMode(1);
    EXPECT_EQ(CMdlInfo().IsVEKSupportECR(102), 1);  // no key for the mode
}

TEST(ModelInfo, SwitchesAndDefaults) {
    DefinitionEnvironment env;
    env.writeSettings(kSettings);
    const CMdlInfo info;
    EXPECT_EQ(info.GetFileCommConv(), 1);
    EXPECT_EQ(info.GetDefaultActionECRId(), 102);
}

TEST(ModelInfo, MissingSettingsFileReadsAsEmpty) {
    DefinitionEnvironment env(2);
    CMdlInfo info;
    EXPECT_EQ(info.InitECRInfo(), 0);
    Machine_Information model;
    EXPECT_EQ(info.GetMcnInfoForModelNo(1, 101, &model), 0);
    EXPECT_EQ(info.IsVEKSupportECR(102), 1);
    EXPECT_EQ(info.GetFileCommConv(), 0);
    EXPECT_EQ(info.GetDefaultActionECRId(), 0);
}
