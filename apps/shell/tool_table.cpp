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

// Where a layout puts the editor rows that every layout shares.
struct EditorPlaces {
    ToolPlace plu, department, group;    // item programming
    ToolPlace message, journal, report;  // print programming
    ToolPlace logo;                      // image programming
    ToolPlace clerk, general;            // general programming
    ToolPlace tax;                       // tax programming
};

std::vector<ToolRow> editorRows(const EditorPlaces& at) {
    return {
        commandRow(1056, "BtnFileCsvImp", "Import CSV", ToolCommand::ImportCsv, kHidden),
        commandRow(1057, "BtnFileCsvExp", "Export CSV", ToolCommand::ExportCsv, kHidden),
        programRow(1011, "BtnProductSection", kItemEditor, "/S", "Department", at.department),
        programRow(1012, "BtnProductPLU", kItemEditor, "/P", "PLU", at.plu),
        programRow(1013, "BtnProductSPLU", kItemEditor, "/C", kNotUse, kHidden),
        programRow(1014, "BtnProductGroup", kItemEditor, "/G", "Group", at.group),
        programRow(1015, "BtnTouchKeySheet", kTouchKeyEditor, "/T", kNotUse, kHidden),
        programRow(1016, "BtnPrintJournal", kReceiptEditor, "/RJ", "Receipt/Journal", at.journal),
        programRow(1017, "BtnPrintMessage", kReceiptEditor, "/RM", "Receipt Message", at.message),
        programRow(1018, "BtnPrintReceipt", kReceiptEditor, "/RC", kNotUse, kHidden),
        programRow(1019, "BtnPrintReport", kReceiptEditor, "/RP", "X/Z Report", at.report),
        programRow(1020, "BtnPersonCharge", kClerkEditor, "/PC", "Clerk", at.clerk),
        programRow(1062, "BtnCustomersSetup", kClerkEditor, "/CS", kNotUse, kHidden),
        programRow(1021, "BtnBaseTotal", kGeneralEditor, "/AS", "General Feature", at.general),
        programRow(1022, "BtnBaseOnline", kGeneralEditor, "/NS", kNotUse, kHidden),
        programRow(1023, "BtnBaseDealingKey", kGeneralEditor, "/BS", kNotUse, kHidden),
        programRow(1024, "BtnTaxTable", kTaxEditor, "/T", "Tax Table", at.tax),
        programRow(1025, "BtnTaxTableReserve", kTaxEditor, "/R", kNotUse, kHidden),
        programRow(1065, "BtnBinFileEdit", kLogoEditor, "/GP", "Graphic Logo/POP", at.logo),
    };
}

// The layouts the mode chooses freely group the editors under all seven headers: item, print,
// general and other programming side by side, image and tax programming below them.
EditorPlaces groupedPlaces(int x1, int x2, int x3, int top) {
    const int step = 52;
    const int lower = top + 3 * step + 27;  // below the third row and the lower headers
    return {loaded(x1, top),   loaded(x1, top + step), loaded(x1, top + 2 * step),
            loaded(x2, top),   loaded(x2, top + step), loaded(x2, top + 2 * step),
            loaded(x2, lower), loaded(x3, top + step), loaded(x3, top),
            loaded(x3, lower)};
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
    // The default layout keeps the places its users know.
    append(rows, editorRows({loaded(30, 155), loaded(30, 207), loaded(30, 259), loaded(255, 155),
                             loaded(255, 259), loaded(255, 310), loaded(255, 207), loaded(480, 155),
                             loaded(480, 207), loaded(480, 259)}));
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
    append(rows, editorRows(groupedPlaces(30, 213, 396, 155)));
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
// menu sit beside them. The detail tool also sets the selected store's controller (the VEK
// setting, under the item rows, whose files the controller shares); the window enables it only
// for a store with a controller.
std::vector<ToolRow> proTable() {
    std::vector<ToolRow> rows = {
        fileRow(1035, "BtnFileOpen", "Open", ToolCommand::Open, always(30, 55)),
        fileRow(1036, "BtnFileSave", "Save", ToolCommand::Save, loaded(135, 55)),
    };
    append(rows, editorRows(groupedPlaces(30, 255, 480, 179)));
    append(
        rows,
        {
            {1029, "BtnDetail", kDetailTool, "", ButtonStyle::Caption, "Detail Settings",
             ToolCommand::Launch, loaded(255, 55)},
            programRow(kVekSettingControl, "BtnVekSetting", kDetailTool, "/CURVEKSET",
                       "VEK Setting", loaded(30, 362)),
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
