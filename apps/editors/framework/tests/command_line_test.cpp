#include <gtest/gtest.h>

#include "apps/editors/framework/editor_command_line.h"
#include "base/registry_settings.h"

using tk73editor::EditorCommandLine;
using tk73editor::VekFlags;

namespace {

// The process switches are process-wide: every test leaves them as it found them.
struct SwitchesReset {
    ~SwitchesReset() {
        AecrbsSetLaunchVekTool(0);
        AecrbsSetCurrentVekSetting(0, 0);
    }
};

}  // namespace

TEST(EditorCommandLine, FlagsInOrderWithoutTheirMark) {
    const auto line = EditorCommandLine::parse({"/P", "file.txt", "-LAUNCHVEK", "", "/"});
    EXPECT_EQ(line.flags, (std::vector<std::string>{"P", "LAUNCHVEK", ""}));
    EXPECT_EQ(line.pageSetFlag(), "P");
    EXPECT_EQ(EditorCommandLine::parse({"file.txt"}).pageSetFlag(), "");
    EXPECT_EQ(EditorCommandLine::parse({}).pageSetFlag(), "");
}

TEST(EditorCommandLine, WhereEachEditorLooksForTheControllerFlags) {
    const auto second = EditorCommandLine::parse({"/P", "/LAUNCHVEK"});
    EXPECT_TRUE(second.launchVek(VekFlags::SecondFlag));
    EXPECT_FALSE(second.currentVekSetting(VekFlags::SecondFlag));

    const auto first = EditorCommandLine::parse({"/LAUNCHVEK", "/CURVEKSET"});
    EXPECT_FALSE(first.launchVek(VekFlags::SecondFlag));
    EXPECT_TRUE(first.launchVek(VekFlags::FirstTwoFlags));
    EXPECT_FALSE(first.currentVekSetting(VekFlags::SecondFlag));
    EXPECT_TRUE(first.currentVekSetting(VekFlags::FirstTwoFlags));

    const auto tax = EditorCommandLine::parse({"/T", "/CURVEKSET", "/LAUNCHVEK"});
    EXPECT_TRUE(tax.currentVekSetting(VekFlags::FirstTwoFlags));
    EXPECT_FALSE(tax.launchVek(VekFlags::FirstTwoFlags));
    // Flags compare with letter case.
    EXPECT_FALSE(EditorCommandLine::parse({"/P", "/launchvek"}).launchVek(VekFlags::SecondFlag));
}

TEST(EditorCommandLine, TheSwitchesChooseTheMutexName) {
    SwitchesReset reset;
    struct Case {
        std::vector<std::string> arguments;
        VekFlags where;
        const char* name;
    };
    const Case cases[] = {
        {{"/P"}, VekFlags::SecondFlag, "TK73HUB_LAUNCHREGTK73ITEM"},
        {{"/P", "/LAUNCHVEK"}, VekFlags::SecondFlag, "TK73HUB_LAUNCHVEKTK73ITEM"},
        {{"/T"}, VekFlags::FirstTwoFlags, "TK73HUB_LAUNCHREGTK73ITEM"},
        {{"/T", "/LAUNCHVEK"}, VekFlags::FirstTwoFlags, "TK73HUB_LAUNCHVEKTK73ITEM"},
        {{"/T", "/CURVEKSET"}, VekFlags::FirstTwoFlags, "TK73HUB_CURRENTVEKTK73ITEM"},
    };
    for (const Case& c : cases) {
        AecrbsSetCurrentVekSetting(0, 0);
        tk73editor::applyProcessSwitches(EditorCommandLine::parse(c.arguments), c.where);
        EXPECT_EQ(tk73editor::editorMutexName(c.where, "TK73ITEM"), c.name);
    }

    // The current controller setting counts in register mode only for the clerk and tax editors.
    AecrbsSetLaunchVekTool(0);
    AecrbsSetCurrentVekSetting(1, 0);
    EXPECT_EQ(tk73editor::editorMutexName(VekFlags::SecondFlag, "TK73RCPT"),
              "TK73HUB_LAUNCHREGTK73RCPT");
    EXPECT_EQ(tk73editor::editorMutexName(VekFlags::FirstTwoFlags, "TK73TAX"),
              "TK73HUB_CURRENTVEKTK73TAX");
    AecrbsSetLaunchVekTool(1);
    EXPECT_EQ(tk73editor::editorMutexName(VekFlags::SecondFlag, "TK73RCPT"),
              "TK73HUB_CURRENTVEKTK73RCPT");
}
