#include "apps/dataeditor/ui/spreadsheet_exchange.h"

#include "apps/dataeditor/dataeditor_texts.h"
#include "base/user_interaction.h"
#include "spreadsheet/import_preview.h"
#include "spreadsheet/sheet_export.h"
#include "spreadsheet/ui/sheet_preview_dialog.h"

namespace tk73edit {

namespace {

tk73sheet::ProgramSheet programSheetOf(const StartContext& context, const std::string& copy) {
    return tk73sheet::programSheet(context.definitionFile, context.kind, context.model.indentName,
                                   context.fileNo, copy);
}

}  // namespace

void writeSpreadsheet(const StartContext& context, const std::string& copy) {
    const tk73sheet::ProgramSheet sheet = programSheetOf(context, copy);
    tk73::FileRequest request;
    request.title = kToSpreadsheet;
    request.types = {{"Spreadsheet", "*.xlsx"}};
    request.fileName = sheet.title + ".xlsx";
    request.defaultExtension = "xlsx";
    const std::optional<std::string> out = tk73::ui().saveFile(request);
    std::string error;
    if (out && !tk73sheet::exportWorkbook({sheet}, *out, error)) {
        tk73::ui().message(error, kAppTitle, tk73::MessageIcon::Error);
    }
}

bool readSpreadsheet(const StartContext& context, const std::string& copy, QWidget* parent) {
    tk73::FileRequest request;
    request.title = kFromSpreadsheet;
    request.types = {{"Spreadsheet", "*.xlsx;*.ods;*.csv"}};
    const std::optional<std::string> in = tk73::ui().openFile(request);
    if (!in) {
        return false;
    }
    const tk73sheet::ProgramSheet target = programSheetOf(context, copy);
    tk73sheet::ImportPreview preview;
    std::string error;
    if (!tk73sheet::previewImport(target, *in, preview, error)) {
        tk73::ui().message(error, kAppTitle, tk73::MessageIcon::Error);
        return false;
    }
    tk73sheetui::SheetPreviewDialog dialog(preview, target.title, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (!tk73sheet::applyImport(target, preview, dialog.Choice(), error)) {
        tk73::ui().message(error, kAppTitle, tk73::MessageIcon::Error);
        return false;
    }
    return true;
}

}  // namespace tk73edit
