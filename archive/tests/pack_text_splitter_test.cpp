// Splitting pack texts of both header types into program text files.

#include "archive/pack_text_splitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/temp_environment.h"

namespace {

using tk73test::TempEnvironment;

constexpr const char* kOldHeader = "\"H\",\"KR3010\",\"20240401\"\r\n";
constexpr const char* kNewHeader = "\"h\",\"KR4200\",\"20240401\"\r\n";

class Splitter : public ::testing::Test {
  protected:
    Splitter() { std::filesystem::create_directories(env_.path("staging")); }

    bool split(const std::string& lines) {
        tk73pack::PackTextSplitter splitter(env_.path("staging"), nullptr, conversion_);
        const bool done = splitter.split(lines);
        made_ = splitter.madeFiles();
        return done;
    }
    std::string staged(const std::string& name) const {
        return TempEnvironment::readFile(env_.path("staging/" + name));
    }
    std::vector<std::string> listing() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(env_.path("staging"))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempEnvironment env_;
    CTextPgmConv conversion_;
    std::vector<std::string> made_;
};

// Records are any lines that start no file, a quoted one as well, and the last line of the pack
// may have no line end.
TEST_F(Splitter, OldTypeGivesEachFileItsTitleHeaderAndFileLine) {
    const std::string plu = "000001,\"A\"\r\n\"Q\",\"quoted\"\r\n000003,\"B\"\r\n";
    const std::string lines = std::string(kOldHeader) + "\"F\",\"FILE004\",\"PLU\"\r\n" + plu +
                              kOldHeader + "\"F\",\"FILE005\",\"Dept\"\r\n00001,\"C\"\r\n00002";
    ASSERT_TRUE(split(lines));
    EXPECT_EQ(made_, (std::vector<std::string>{"FILE004P.TXT", "FILE005P.TXT"}));
    EXPECT_EQ(staged("FILE004P.TXT"), std::string("\"C\",\"n:P0004:\"\r\n") + kOldHeader +
                                          "\"F\",\"FILE004\",\"PLU\"\r\n" + plu);
    EXPECT_EQ(staged("FILE005P.TXT"), std::string("\"C\",\"n:P0005:\"\r\n") + kOldHeader +
                                          "\"F\",\"FILE005\",\"Dept\"\r\n00001,\"C\"\r\n00002");
}

TEST_F(Splitter, NewTypeFileLinesReuseTheLastHeaderLine) {
    const std::string lines = std::string(kNewHeader) + "\"f\",\"FILE001\",\"One\"\r\n" +
                              "00001,\"A\"\r\n\"f\",\"FILE002\",\"Two\"\r\n00001,\"B\"\r\n";
    ASSERT_TRUE(split(lines));
    EXPECT_EQ(staged("FILE001P.TXT"), std::string("\"C\",\"n:P0001:\"\r\n") + kNewHeader +
                                          "\"f\",\"FILE001\",\"One\"\r\n00001,\"A\"\r\n");
    EXPECT_EQ(staged("FILE002P.TXT"), std::string("\"C\",\"n:P0002:\"\r\n") + kNewHeader +
                                          "\"f\",\"FILE002\",\"Two\"\r\n00001,\"B\"\r\n");
}

TEST_F(Splitter, RefusesPacksThatCannotBePlacedAndNamesOutsideTheProgramFiles) {
    const std::string records = "00001,\"A\"\r\n";
    const std::vector<std::string> refused = {
        std::string(kOldHeader),                                   // header at the very end
        std::string(kOldHeader) + "\"F\"",                         // a file line of three chars
        std::string(kNewHeader) + "\"f\"\r\n" + records,           // the same in the new type
        records,                                                   // a record before any file
        std::string(kOldHeader) + "\"F\",\"FILE04A\",\"x\"\r\n",   // not three digits
        std::string(kOldHeader) + "\"F\",\"../../x\",\"x\"\r\n",   // a path
        std::string(kOldHeader) + "\"F\",\"FILE0042\",\"x\"\r\n",  // a longer name
        std::string(kNewHeader) + "\"f\",\"/etc/pa\",\"x\"\r\n",
    };
    for (const std::string& lines : refused) {
        EXPECT_FALSE(split(lines)) << lines;
    }
    for (const std::string& name : listing()) {
        EXPECT_EQ(name.substr(0, 4), "FILE") << name;
    }
    EXPECT_FALSE(std::filesystem::exists(env_.path("x")));
}

}  // namespace
