#include "apps/shell/tool_table.h"

namespace tk73hub {

namespace {

// Programs are named as they are built here, without an extension.
constexpr const char* kItemEditor = "TK73ITEM";
constexpr const char* kTouchKeyEditor = "TK73KEYS";
constexpr const char* kReceiptEditor = "TK73RCPT";
constexpr const char* kClerkEditor = "TK73CLRK";
constexpr const char* kGeneralEditor = "TK73GEN";
constexpr const char* kTaxEditor = "TK73TAX";
constexpr const char* kLogoEditor = "TK73LOGO";
constexpr const char* kDetailTool = "TK73DTL";

constexpr const char* kNotUse = "NOT USE";

// Usable in every state.
ToolPlace always(int x, int y) {
    return {x, y, {true, true, true, true}};
}
// Usable once setting data is loaded (states 2 and 3).
ToolPlace loaded(int x, int y) {
    return {x, y, {false, false, true, true}};
}
// Kept hidden by the layout.
constexpr ToolPlace kHidden{};

ToolRow fileRow(int id, const char* text, const char* caption, ToolCommand command,
                ToolPlace place) {
    return {id, text, "", "", ButtonStyle::File, caption, command, place};
}

ToolRow commandRow(int id, const char* text, const char* caption, ToolCommand command,
                   ToolPlace place) {
    return {id, text, "", "", ButtonStyle::Caption, caption, command, place};
}

ToolRow programRow(int id, const char* text, const char* program, const char* programSwitch,
                   const char* caption, ToolPlace place) {
    return {id,   text, program, programSwitch, ButtonStyle::Caption, caption, ToolCommand::Launch,
            place};
}

ToolRow helpRow(ToolPlace place) {
    return {1032, "BtnHelp", "", "", ButtonStyle::Help, "Help", ToolCommand::Help, place};
}

ToolRow exitRow(ToolPlace place) {
    return {1033, "BtnExit", "", "", ButtonStyle::Exit, "Exit", ToolCommand::Exit, place};
}

// The editor rows every layout shares, at the places of a layout whose programming area starts
// dy pixels lower than the default layout's, in columns x1, x2 and x3.
struct Columns {
    int x1;
    int x2;
    int x3;
    int dy;
};

std::vector<ToolRow> editorRows(Columns c) {
    const int y1 = 155 + c.dy;
    const int y2 = 207 + c.dy;
    const int y3 = 259 + c.dy;
    const int y4 = 310 + c.dy;
    return {
        commandRow(1056, "BtnFileCsvImp", "Import CSV", ToolCommand::ImportCsv, kHidden),
        commandRow(1057, "BtnFileCsvExp", "Export CSV", ToolCommand::ExportCsv, kHidden),
        programRow(1011, "BtnProductSection", kItemEditor, "/S", "Department", loaded(c.x1, y2)),
        programRow(1012, "BtnProductPLU", kItemEditor, "/P", "PLU", loaded(c.x1, y1)),
        programRow(1013, "BtnProductSPLU", kItemEditor, "/C", kNotUse, kHidden),
        programRow(1014, "BtnProductGroup", kItemEditor, "/G", "Group", loaded(c.x1, y3)),
        programRow(1015, "BtnTouchKeySheet", kTouchKeyEditor, "/T", kNotUse, kHidden),
        programRow(1016, "BtnPrintJournal", kReceiptEditor, "/RJ", "Receipt/Journal",
                   loaded(c.x2, y3)),
        programRow(1017, "BtnPrintMessage", kReceiptEditor, "/RM", "Receipt Message",
                   loaded(c.x2, y1)),
        programRow(1018, "BtnPrintReceipt", kReceiptEditor, "/RC", kNotUse, kHidden),
        programRow(1019, "BtnPrintReport", kReceiptEditor, "/RP", "X/Z Report", loaded(c.x2, y4)),
        programRow(1020, "BtnPersonCharge", kClerkEditor, "/PC", "Clerk", loaded(c.x3, y1)),
        programRow(1062, "BtnCustomersSetup", kClerkEditor, "/CS", kNotUse, kHidden),
        programRow(1021, "BtnBaseTotal", kGeneralEditor, "/AS", "General Feature",
                   loaded(c.x3, y2)),
        programRow(1022, "BtnBaseOnline", kGeneralEditor, "/NS", kNotUse, kHidden),
        programRow(1023, "BtnBaseDealingKey", kGeneralEditor, "/BS", kNotUse, kHidden),
        programRow(1024, "BtnTaxTable", kTaxEditor, "/T", "Tax Table", loaded(c.x3, y3)),
        programRow(1025, "BtnTaxTableReserve", kTaxEditor, "/R", kNotUse, kHidden),
        programRow(1065, "BtnBinFileEdit", kLogoEditor, "/GP", "Graphic Logo/POP",
                   loaded(c.x2, y2)),
    };
}

void append(std::vector<ToolRow>& rows, std::vector<ToolRow> more) {
    rows.insert(rows.end(), more.begin(), more.end());
}

std::vector<ToolRow> defaultTable() {
    std::vector<ToolRow> rows = {
        fileRow(1007, "BtnFileOpen", "Open", ToolCommand::Open, always(30, 37)),
        fileRow(1008, "BtnFileNew", "New", ToolCommand::New, kHidden),
        fileRow(1009, "BtnFileSaveAs", "Save As", ToolCommand::SaveAs, loaded(240, 37)),
        fileRow(1010, "BtnFileSave", "Save", ToolCommand::Save, loaded(135, 37)),
    };
    append(rows, editorRows({30, 255, 480, 0}));
    append(rows, {
                     programRow(1026, "BtnPopSet", kReceiptEditor, "/PP", "POP Printing",
                                loaded(255, 362)),
                     helpRow(always(30, 428)),
                     exitRow(always(553, 428)),
                 });
    return rows;
}

// The stand-alone register works on its own: New is on its face, it has a fourth column for
// the LAN transfers and the connection settings, and no POP printing.
std::vector<ToolRow> standAloneTable() {
    std::vector<ToolRow> rows = {
        fileRow(1007, "BtnFileOpen", "Open", ToolCommand::Open, always(30, 37)),
        fileRow(1008, "BtnFileNew", "New", ToolCommand::New, always(345, 37)),
        fileRow(1009, "BtnFileSaveAs", "Save As", ToolCommand::SaveAs, loaded(240, 37)),
        fileRow(1010, "BtnFileSave", "Save", ToolCommand::Save, loaded(135, 37)),
    };
    append(rows, editorRows({30, 213, 396, 0}));
    append(rows, {
                     commandRow(1026, "BtnRegRecv", "Send to LAN", ToolCommand::SendToLan,
                                loaded(579, 155)),
                     commandRow(1027, "BtnRegSend", "Recv. from LAN", ToolCommand::RecvFromLan,
                                loaded(579, 207)),
                     commandRow(1028, "BtnRegister", "Register", ToolCommand::RegisterMenu,
                                always(579, 259)),
                     helpRow(always(30, 404)),
                     exitRow(always(635, 404)),
                 });
    return rows;
}

// The pro layout keeps the stores in the database: the store bar takes the top 24 pixels, Open
// and Save work on the selected store, and the detail tool, the LAN transfers and the "System"
// menu sit beside them.
std::vector<ToolRow> proTable() {
    std::vector<ToolRow> rows = {
        fileRow(1035, "BtnFileOpen", "Open", ToolCommand::Open, always(30, 55)),
        fileRow(1036, "BtnFileSave", "Save", ToolCommand::Save, loaded(135, 55)),
    };
    append(rows, editorRows({30, 255, 480, 24}));
    append(
        rows,
        {
            {1029, "BtnDetail", kDetailTool, "", ButtonStyle::Caption, "Detail Settings",
             ToolCommand::Launch, loaded(255, 55)},
            commandRow(1026, "BtnRegRecv", "Send to LAN", ToolCommand::SendToLan, loaded(255, 103)),
            commandRow(1027, "BtnRegSend", "Recv. from LAN", ToolCommand::RecvFromLan,
                       loaded(480, 103)),
            commandRow(1030, "BtnSystem", "System", ToolCommand::SystemMenu, always(480, 55)),
            helpRow(always(30, 452)),
            exitRow(always(553, 452)),
        });
    return rows;
}

}  // namespace

bool ToolRow::hidden() const {
    return place.x == 0 && place.y == 0;
}

const std::vector<ToolRow>& toolTable(HubLayout layout) {
    static const std::vector<ToolRow> defaults = defaultTable();
    static const std::vector<ToolRow> standAlone = standAloneTable();
    static const std::vector<ToolRow> pro = proTable();
    switch (layout) {
        case HubLayout::StandAlone:
            return standAlone;
        case HubLayout::Pro:
            return pro;
        case HubLayout::Default:
            break;
    }
    return defaults;
}

HubLayout layoutForUserMode(uint32_t userMode) {
    switch (userMode) {
        case 1:
            return HubLayout::StandAlone;
        case 2:
            return HubLayout::Pro;
        default:
            return HubLayout::Default;
    }
}

WindowSize windowSize(HubLayout layout) {
    switch (layout) {
        case HubLayout::StandAlone:
            return {782, 481};
        case HubLayout::Pro:
            return {700, 529};
        case HubLayout::Default:
            break;
    }
    return {700, 505};
}

const char* bitmapBase(const ToolRow& row) {
    switch (row.style) {
        case ButtonStyle::File:
            return row.controlText;
        case ButtonStyle::Exit:
            return "BTNPINK";
        case ButtonStyle::Help:
            return "BTNPURPLE";
        case ButtonStyle::Caption:
            break;
    }
    return "BTNDARK";
}

const ToolRow* focusRowOnLoad(HubLayout layout) {
    for (const ToolRow& row : toolTable(layout)) {
        if (row.controlId == 1011) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace tk73hub
