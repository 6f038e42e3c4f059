// The converter guard: one conversion at a time, and the two messages.

#include <cstdio>
#include <filesystem>
#include <tuple>

#include "archive/pack_archive.h"
#include "archive/testing/archive_fixture.h"
#include "base/install_folders.h"

namespace archivetest {
namespace {

// Answers the converter's failure message by starting a second conversion, as a program whose
// message loop ran another packing job would.
class ReenteringInteraction : public tk73test::ScriptedUserInteraction {
  public:
    tk73::Button message(const std::string& text, const std::string& caption,
                         tk73::MessageIcon icon) override {
        const tk73::Button answer = ScriptedUserInteraction::message(text, caption, icon);
        if (archive != nullptr && text == "Failed to convert the program file.") {
            CTK73packArchive* second = archive;
            archive = nullptr;
            innerResult = second->CallConverterDLL(command.c_str());
        }
        return answer;
    }

    CTK73packArchive* archive = nullptr;
    std::string command;
    int innerResult = -1;
};

class ConverterCall : public ArchiveTest {};

TEST_F(ConverterCall, RunsInTheDatabaseFolderOneConversionAtATimeAndReportsFailures) {
    const Store store = makeStore(kKR301);
    const std::string text = store.mainte + "/FILE027P.TXT";
    const std::string bin = install_.path("file027.bin");
    const std::string command =
        "S \"" + text + "\" \"" + bin + "\" -lc -d\"" + store.definition + "\" -T";
    CTK73packArchive archive(store.definition.c_str(), store.mainte.c_str(), 0);
    const std::filesystem::path before = std::filesystem::current_path();
    ASSERT_EQ(archive.CallConverterDLL(command.c_str()), 1);
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_TRUE(std::filesystem::exists(bin));
    char dataBase[TK73_MAX_PATH] = {};
    ASSERT_EQ(AecrbsGetTK73DataBasePath(dataBase), 1);
    const std::string log = std::string(dataBase) + "ECR.LOG";
    EXPECT_FALSE(std::filesystem::exists(log)) << "a successful call leaves no log";

    ReenteringInteraction reentering;
    reentering.archive = &archive;
    reentering.command = command;
    const std::string failing = "R \"" + install_.path("out.txt") + "\" \"" + text + "\" -lc -d\"" +
                                store.definition + "\" -T";
    EXPECT_EQ(archive.CallConverterDLL(failing.c_str()), 0);
    EXPECT_EQ(reentering.innerResult, 0);
    EXPECT_EQ(reentering.textsOf(tk73test::InteractionKind::Message),
              (std::vector<std::string>{"Failed to convert the program file.",
                                        "Failed to load GLCONV.dll."}));
    for (const tk73test::RecordedInteraction& call : reentering.calls()) {
        EXPECT_EQ(call.icon, tk73::MessageIcon::Error);
        EXPECT_EQ(call.caption, "archive_tests");
    }
    EXPECT_NE(read(log).find("Illegal Format data"), std::string::npos) << "the failure's log";
    EXPECT_EQ(std::filesystem::current_path(), before);
    // Once the first call ended, the converter is free again.
    EXPECT_EQ(archive.CallConverterDLL(command.c_str()), 1);
}

TEST_F(ConverterCall, LogoFilesOfTheShippedModelBecomeHeaderAndDotRows) {
    const Store store = makeStore(kKR301);
    CTK73packArchive archive(store.definition.c_str(), store.mainte.c_str(), 0);
    // Width and height of "G_LOGO" of the model: 256 x 64 and 160 x 40 dots.
    for (const auto& [fileNo, rowBytes, rows] : {std::tuple{31, 32, 64}, std::tuple{32, 20, 40}}) {
        char name[32];
        std::snprintf(name, sizeof name, "/FILE%03dP", fileNo);
        const std::string text = store.mainte + name + ".TXT";
        const std::string dat = store.mainte + name + ".DAT";
        const std::string command =
            "S \"" + text + "\" \"" + dat + "\" -lc -d\"" + store.definition + "\" -T";
        ASSERT_EQ(archive.CallConverterDLL(command.c_str()), 1);
        const std::string logo = read(dat);
        ASSERT_EQ(logo.size(), 191u + static_cast<size_t>(rowBytes * rows)) << fileNo;
        // The first row of each shipped logo is a black line, the second has its end dots only.
        EXPECT_EQ(logo.substr(191, static_cast<size_t>(rowBytes)),
                  std::string(static_cast<size_t>(rowBytes), '\xFF'));
        std::string edges(static_cast<size_t>(rowBytes), '\0');
        edges.front() = '\x80';
        edges.back() = '\x01';
        EXPECT_EQ(logo.substr(191 + static_cast<size_t>(rowBytes), static_cast<size_t>(rowBytes)),
                  edges);
    }
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace archivetest
