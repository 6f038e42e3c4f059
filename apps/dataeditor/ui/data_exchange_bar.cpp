#include "apps/dataeditor/ui/data_exchange_bar.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

#include "apps/dataeditor/dataeditor_texts.h"
#include "apps/dataeditor/ui/spreadsheet_exchange.h"
#include "base/install_folders.h"
#include "base/user_interaction.h"
#include "csvexchange/xch_export.h"
#include "csvexchange/xch_import.h"
#include "definitions/def_file_export.h"
#include "definitions/def_file_import.h"
#include "definitions/kind_forms.h"
#include "platform/api.h"
#include "programfiles/pgm_db_import.h"

namespace tk73edit {

namespace {

// Each button is 13 average characters wide and one and a half lines plus 7 pixels high, as far
// as its text fits.
constexpr int kButtonChars = 13;
constexpr int kButtonExtraHeight = 7;

// The button with its menu, if any (its arrow takes room too).
QPushButton* button(const char* text, QMenu* menu, QWidget* parent) {
    auto* made = new QPushButton(QString::fromLatin1(text), parent);
    made->setObjectName(QString::fromLatin1(text));
    if (menu != nullptr) {
        made->setMenu(menu);
    }
    const QFontMetrics metrics(made->font());
    // Never narrower than the style needs for the text and its frame.
    made->setFixedSize(
        std::max(kButtonChars * metrics.averageCharWidth(), made->sizeHint().width()),
        std::max(metrics.height() * 3 / 2 + kButtonExtraHeight, made->sizeHint().height()));
    return made;
}

}  // namespace

DataExchangeBar* DataExchangeBar::Create(const StartContext& context, ProgramDocument& document,
                                         Hooks hooks, QWidget* parent) {
    const CTK73defReg definition(context.model.indentName.c_str(), context.storeNo, context.kind);
    const bool exportFile = tk73def::NeighbourSection<CTK73defRegVekFILE_EXPORT>(definition)
                                .IsExportFile(context.fileNo) != 0;
    const bool importFile = tk73def::NeighbourSection<CTK73defRegVekFILE_IMPORT>(definition)
                                .IsImportFile(context.fileNo) != 0;
    if (!exportFile && !importFile) {
        return nullptr;
    }
    return new DataExchangeBar(context, document, std::move(hooks), exportFile, importFile, parent);
}

DataExchangeBar::DataExchangeBar(const StartContext& context, ProgramDocument& document,
                                 Hooks hooks, bool exportFile, bool importFile, QWidget* parent)
    : QWidget(parent), context_(context), document_(document), hooks_(std::move(hooks)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    if (exportFile) {
        auto* menu = new QMenu(this);
        menu->addAction(QString::fromLatin1(kToCsvFile), this, [this] { WriteData(); });
        menu->addAction(QString::fromLatin1(kToSpreadsheet), this, [this] { WriteSpreadsheet(); });
        row->addWidget(button(kWriteData, menu, this));
    }
    if (importFile) {
        auto* menu = new QMenu(this);
        menu->addAction(QString::fromLatin1(kFromDatabase), this, [this] { ReadFromDatabase(); });
        menu->addAction(QString::fromLatin1(kFromCsvFile), this, [this] { ReadFromCsvFile(); });
        menu->addAction(QString::fromLatin1(kFromSpreadsheet), this,
                        [this] { ReadFromSpreadsheet(); });
        row->addWidget(button(kReadData, menu, this));
    }
    row->addStretch();
}

std::string DataExchangeBar::WriteCopy() {
    hooks_.commitEdit();
    char folder[TK73_MAX_PATH] = {};
    AecrbsGetTempPath(folder);
    const size_t slash = context_.path.find_last_of("\\/");
    const std::string copy =
        std::string(folder) + "/" +
        (slash == std::string::npos ? context_.path : context_.path.substr(slash + 1));
    if (folder[0] == '\0' || !document_.SaveCopy(copy)) {
        std::remove(copy.c_str());
        tk73::ui().message(kExchangeCopyFailed, kAppTitle, tk73::MessageIcon::Error);
        return "";
    }
    return copy;
}

void DataExchangeBar::WriteData() {
    const std::string copy = WriteCopy();
    if (copy.empty()) {
        return;
    }
    CTK73xchExport(context_.fileNo, copy.c_str(), context_.kind).ExportExecute();
    std::remove(copy.c_str());
}

void DataExchangeBar::WriteSpreadsheet() {
    const std::string copy = WriteCopy();
    if (copy.empty()) {
        return;
    }
    writeSpreadsheet(context_, copy);
    std::remove(copy.c_str());
}

void DataExchangeBar::ReadFromDatabase() {
    const std::string copy = WriteCopy();
    if (copy.empty()) {
        return;
    }
    TakeImport(CTK73pgmDbImport(context_.fileNo, context_.storeNo, copy.c_str(), context_.kind)
                       .ImportExecute() != 0,
               copy);
}

void DataExchangeBar::ReadFromCsvFile() {
    const std::string copy = WriteCopy();
    if (copy.empty()) {
        return;
    }
    tk73::ui().message(kCsvReadNotStrict, kAppTitle, tk73::MessageIcon::Information);
    TakeImport(CTK73xchImport(context_.fileNo, context_.storeNo, copy.c_str(), context_.kind)
                       .ImportExecute() != 0,
               copy);
}

void DataExchangeBar::ReadFromSpreadsheet() {
    const std::string copy = WriteCopy();
    if (copy.empty()) {
        return;
    }
    TakeImport(readSpreadsheet(context_, copy, this), copy);
}

void DataExchangeBar::TakeImport(bool imported, const std::string& copy) {
    if (imported && document_.TakeImage(copy, context_.title)) {
        hooks_.imageReplaced();
    }
    std::remove(copy.c_str());
}

}  // namespace tk73edit
