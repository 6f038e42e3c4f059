#include "apps/shell/tool_table.h"

#include <gtest/gtest.h>

#include <set>

#include "apps/shell/hub_command_line.h"

namespace tk73hub {
namespace {

constexpr HubLayout kLayouts[] = {HubLayout::Default, HubLayout::StandAlone, HubLayout::Pro};

const ToolRow* rowOf(HubLayout layout, int controlId) {
    for (const ToolRow& row : toolTable(layout)) {
        if (row.controlId == controlId) {
            return &row;
        }
    }
    return nullptr;
}

TEST(ToolTable, EveryLayoutStartsWithOpenAndKeepsItsControlsApart) {
    for (HubLayout layout : kLayouts) {
        const std::vector<ToolRow>& rows = toolTable(layout);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front().command, ToolCommand::Open);
        std::set<int> ids;
        for (const ToolRow& row : rows) {
            EXPECT_TRUE(ids.insert(row.controlId).second) << row.controlId;
            EXPECT_EQ(row.command == ToolCommand::Launch, row.program[0] != '\0')
                << row.controlText;
        }
    }
}

TEST(ToolTable, StatesEnableWhatTheDataAllows) {
    for (HubLayout layout : kLayouts) {
        for (const ToolRow& row : toolTable(layout)) {
            const auto& on = row.place.enabled;
            if (row.hidden()) {
                EXPECT_FALSE(on[1] || on[3]) << row.controlText;
                continue;
            }
            switch (row.command) {
                case ToolCommand::Open:
                case ToolCommand::Help:
                case ToolCommand::Exit:
                case ToolCommand::SystemMenu:
                    EXPECT_TRUE(on[1] && on[3]) << row.controlText;
                    break;
                case ToolCommand::New:
                case ToolCommand::RegisterMenu:
                    EXPECT_TRUE(on[1]) << row.controlText;
                    break;
                default:
                    // Editors, tools and saving need data.
                    EXPECT_FALSE(on[1]) << row.controlText;
                    EXPECT_TRUE(on[3]) << row.controlText;
            }
        }
    }
}

TEST(ToolTable, LayoutsDifferWhereTheModesDo) {
    // The default layout keeps New, the CSV rows and the unused editors hidden.
    for (int id : {1008, 1056, 1057, 1013, 1015, 1018, 1062, 1022, 1023, 1025}) {
        ASSERT_NE(rowOf(HubLayout::Default, id), nullptr) << id;
        EXPECT_TRUE(rowOf(HubLayout::Default, id)->hidden()) << id;
    }
    EXPECT_EQ(rowOf(HubLayout::Default, 1026)->program, std::string("TK73RCPT"));
    EXPECT_EQ(rowOf(HubLayout::Default, 1026)->programSwitch, std::string("/PP"));
    // The stand-alone register creates its data itself, and has no POP printing.
    EXPECT_FALSE(rowOf(HubLayout::StandAlone, 1008)->hidden());
    EXPECT_EQ(rowOf(HubLayout::StandAlone, 1026)->command, ToolCommand::SendToLan);
    // The pro layout opens and saves with its own controls, has no New or Save As.
    EXPECT_EQ(rowOf(HubLayout::Pro, 1007), nullptr);
    EXPECT_EQ(rowOf(HubLayout::Pro, 1008), nullptr);
    EXPECT_EQ(rowOf(HubLayout::Pro, 1009), nullptr);
    EXPECT_EQ(rowOf(HubLayout::Pro, 1035)->command, ToolCommand::Open);
    EXPECT_EQ(rowOf(HubLayout::Pro, 1029)->program, std::string("TK73DTL"));
    EXPECT_EQ(rowOf(HubLayout::Pro, 1030)->command, ToolCommand::SystemMenu);
}

TEST(ToolTable, UserModesChooseTheLayout) {
    struct Case {
        uint32_t stored;
        bool launchVek;
        uint32_t runs;
        HubLayout layout;
    };
    const Case cases[] = {
        {0, false, 0, HubLayout::Default}, {1, false, 1, HubLayout::StandAlone},
        {2, false, 2, HubLayout::Pro},     {3, false, 0, HubLayout::Default},
        {7, false, 0, HubLayout::Default}, {0, true, 3, HubLayout::Default},
        {2, true, 3, HubLayout::Default},  {4, true, 4, HubLayout::Default},
        {7, true, 3, HubLayout::Default},
    };
    for (const Case& c : cases) {
        const uint32_t runs = AdjustUserMode(c.stored, c.launchVek);
        EXPECT_EQ(runs, c.runs) << c.stored << " " << c.launchVek;
        EXPECT_EQ(layoutForUserMode(runs), c.layout) << c.stored << " " << c.launchVek;
    }
}

TEST(HubCommandLine, OnlyTheFirstFlagSwitchesToTheController) {
    EXPECT_TRUE(HubCommandLine::Parse({"/LAUNCHVEK"}).launchVek);
    EXPECT_TRUE(HubCommandLine::Parse({"-LAUNCHVEK"}).launchVek);
    EXPECT_FALSE(HubCommandLine::Parse({"/launchvek"}).launchVek);
    EXPECT_FALSE(HubCommandLine::Parse({"/X", "/LAUNCHVEK"}).launchVek);
    EXPECT_FALSE(HubCommandLine::Parse({"/LAUNCHVEKX"}).launchVek);
    EXPECT_FALSE(HubCommandLine::Parse({}).launchVek);
}

TEST(HubCommandLine, TheFirstPlainArgumentIsTheArchive) {
    const HubCommandLine parsed =
        HubCommandLine::Parse({"/LAUNCHVEK", "/mnt/sd card/AUTO.092", "other.092"});
    EXPECT_TRUE(parsed.launchVek);
    EXPECT_EQ(parsed.archiveFile, "/mnt/sd card/AUTO.092");
    EXPECT_EQ(HubCommandLine::Parse({"/X"}).archiveFile, "");
}

TEST(HubCommandLine, MutexNamesSeparateTheModes) {
    EXPECT_EQ(HubMutexName(false, "TK73HUB"), "TK73HUB_LAUNCHREGTK73HUB");
    EXPECT_EQ(HubMutexName(true, "TK73HUB"), "TK73HUB_LAUNCHVEKTK73HUB");
}

}  // namespace
}  // namespace tk73hub
