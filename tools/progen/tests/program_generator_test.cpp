#include "tools/progen/program_generator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tests/support/temp_environment.h"
#include "tools/defcheck/file_layout_check.h"
#include "tools/stager/stage_installation.h"

using tk73tools::GenerateRequest;

namespace {

class ProgramGenerator : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::string> log;
        std::string error;
        ASSERT_TRUE(tk73tools::stageInstallation(
            {tk73tools::shippedInstallation(), env_.path("stage"), 0, false}, log, error))
            << error;
    }

    std::string model(const char* name) const {
        return env_.path(std::string("stage/install/register/") + name);
    }

    // The generated file checked against the model's layout, as the definition checker does.
    void check(const GenerateRequest& request, tk73tools::CheckedFile& checked) const {
        const std::string indent = request.modelFolder.substr(request.modelFolder.rfind('/') + 1);
        tk73tools::Profile definition(request.modelFolder + "/" + indent + ".INI", indent);
        tk73tools::Findings findings;
        tk73tools::RecordLayout layout;
        ASSERT_TRUE(tk73tools::readRecordLayout(definition, request.fileNo, layout, findings));
        ASSERT_TRUE(tk73tools::checkProgramFile(definition, layout, request.output, "generated",
                                                checked, findings));
        ASSERT_TRUE(findings.empty()) << tk73tools::describe(findings.all().front());
    }

    tk73test::TempEnvironment env_;
};

}  // namespace

TEST_F(ProgramGenerator, WritesTheLargestPluFileInTheModelsLayout) {
    GenerateRequest request{model("KR301"), 4, tk73tools::kMaxGeneratedRecords, 100,
                            env_.path("FILE004P.TXT")};
    std::string error;
    ASSERT_TRUE(tk73tools::generateProgramFile(request, error)) << error;
    tk73tools::CheckedFile checked;
    check(request, checked);
    ASSERT_EQ(checked.text.records.size(), 99999u);
    EXPECT_EQ(checked.text.headerLines[2].substr(0, 14), "\"F\",\"FILE004\",");

    std::set<std::string_view> codes;
    for (int r = 1; r <= 99899; ++r) {
        codes.insert(tk73tools::fieldText(checked, r, 1));
    }
    EXPECT_EQ(codes.size(), 99899u) << "every used record has its own item code";
    EXPECT_EQ(tk73tools::fieldText(checked, 99900, 1), "00000000000000");
    EXPECT_EQ(tk73tools::fieldText(checked, 99999, 2), std::string(16, ' '));
    EXPECT_EQ(tk73tools::fieldText(checked, 12, 2), "ITEM 00012      ");
}

TEST_F(ProgramGenerator, WritesAScanningPluFileWithFreeRecords) {
    GenerateRequest request{model("KR420"), 2, 5000, 1000, env_.path("FILE002P.TXT")};
    std::string error;
    ASSERT_TRUE(tk73tools::generateProgramFile(request, error)) << error;
    tk73tools::CheckedFile checked;
    check(request, checked);
    ASSERT_EQ(checked.text.records.size(), 5000u);
    EXPECT_EQ(checked.text.headerLines[1].substr(0, 4), "\"h\",") << "KR420's new-type header";
    EXPECT_NE(tk73tools::fieldText(checked, 4000, 1), "00000000000000");
    EXPECT_EQ(tk73tools::fieldText(checked, 4001, 1), "00000000000000");
}

TEST_F(ProgramGenerator, GivesTheSameBytesEveryTime) {
    GenerateRequest first{model("KR150"), 4, 2500, 10, env_.path("a.TXT")};
    GenerateRequest second = first;
    second.output = env_.path("b.TXT");
    std::string error;
    ASSERT_TRUE(tk73tools::generateProgramFile(first, error)) << error;
    ASSERT_TRUE(tk73tools::generateProgramFile(second, error)) << error;
    EXPECT_EQ(tk73test::TempEnvironment::readFile(env_.root() / "a.TXT"),
              tk73test::TempEnvironment::readFile(env_.root() / "b.TXT"));
}

TEST_F(ProgramGenerator, RefusesCountsOutsideTheRecordNumbersRange) {
    std::string error;
    EXPECT_FALSE(
        tk73tools::generateProgramFile({model("KR301"), 4, 100000, 0, env_.path("x.TXT")}, error));
    EXPECT_NE(error.find("1 to 99999"), std::string::npos) << error;
    EXPECT_FALSE(
        tk73tools::generateProgramFile({model("KR301"), 3, 10000, 0, env_.path("x.TXT")}, error));
    EXPECT_NE(error.find("1 to 9999"), std::string::npos) << "four-digit record numbers";
    EXPECT_FALSE(
        tk73tools::generateProgramFile({model("KR301"), 4, 10, 11, env_.path("x.TXT")}, error));
    EXPECT_FALSE(
        tk73tools::generateProgramFile({model("KR301"), 77, 10, 0, env_.path("x.TXT")}, error));
    EXPECT_NE(error.find("FILE0077"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(env_.root() / "x.TXT"));
}

TEST_F(ProgramGenerator, RunsFromTheCommandLine) {
    const std::string command = std::string(TK73PROGEN_PROGRAM) + " " + model("KR301") + " 4 300 " +
                                env_.path("c.TXT") + " --free 40";
    EXPECT_EQ(std::system((command + " > /dev/null").c_str()), 0);
    tk73tools::CheckedFile checked;
    check({model("KR301"), 4, 300, 40, env_.path("c.TXT")}, checked);
    EXPECT_EQ(checked.text.records.size(), 300u);
    EXPECT_NE(std::system((std::string(TK73PROGEN_PROGRAM) + " too few > /dev/null 2>&1").c_str()),
              0);
}
