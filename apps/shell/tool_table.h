#pragma once
// The buttons of the main window, one table per layout. Each row names the control, what it
// starts (a program of the suite with its switch, or one of the shell's own commands), how it is
// drawn, its caption, where it sits and in which document states it can be used.
//
// A row at (0, 0) that is off in every state is a control the layout keeps hidden: the default
// layout has no New, no CSV rows and none of the "NOT USE" rows on its face, yet the rows exist
// so that every layout knows the same controls.

#include <array>
#include <cstdint>
#include <vector>

namespace tk73hub {

enum class HubLayout {
    Default,     // networked register mode, and the controller tool
    StandAlone,  // stand-alone register mode
    Pro          // professional mode, with the store bar and the "System" menu
};

enum class ButtonStyle {
    File = 0,     // its own four bitmaps, the base name is the control's text
    Caption = 1,  // "BTNDARK" with the caption drawn over it
    Exit = 2,     // "BTNPINK"
    Help = 3      // "BTNPURPLE"
};

// What a row does when pressed; Launch starts its program.
enum class ToolCommand {
    Launch,
    Open,
    New,
    SaveAs,
    Save,
    ImportCsv,
    ExportCsv,
    SendToLan,
    RecvFromLan,
    SystemMenu,
    RegisterMenu,
    Help,
    Exit
};

// The document states 0 to 3 (only 1 and 3 are ever set).
inline constexpr int kDocumentStates = 4;

// The pro layout's VEK setting: usable in the states its row allows, and only while the selected
// store has a controller.
inline constexpr int kVekSettingControl = 1055;

struct ToolPlace {
    int x = 0;
    int y = 0;
    std::array<bool, kDocumentStates> enabled{};
};

struct ToolRow {
    int controlId = 0;
    const char* controlText = "";  // the bitmap base of a file button
    const char* program = "";      // "TK73ITEM.exe"; empty when the row starts no program
    const char* programSwitch = "";
    ButtonStyle style = ButtonStyle::Caption;
    const char* caption = "";
    ToolCommand command = ToolCommand::Launch;
    ToolPlace place;

    bool hidden() const;
};

// The rows of a layout in table order; the first is the row the window presses at start-up.
const std::vector<ToolRow>& toolTable(HubLayout layout);

// The layout of a user mode as the start-up adjusted it: 1 stand-alone, 2 pro, else default.
HubLayout layoutForUserMode(uint32_t userMode);

struct WindowSize {
    int width = 0;
    int height = 0;
};
WindowSize windowSize(HubLayout layout);

// The bitmap base of a row's button: the control text for file buttons, else the style's.
const char* bitmapBase(const ToolRow& row);

// The row that takes the keyboard focus when data is loaded ("Department"); null when the
// layout has none.
const ToolRow* focusRowOnLoad(HubLayout layout);

}  // namespace tk73hub
