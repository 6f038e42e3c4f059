#include "apps/editors/item/ui/item_list_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

#include "apps/editors/framework/editor_texts.h"
#include "apps/editors/item/nfp_marks.h"
#include "apps/editors/item/records_written.h"
#include "apps/editors/item/scanning_code.h"
#include "apps/editors/item/ui/add_scanning_dialog.h"
#include "apps/editors/item/ui/item_texts.h"
#include "apps/editors/item/ui/record_dialog.h"
#include "base/ui/ui_text.h"
#include "operations/active_store_info.h"

namespace tk73item {

namespace {

using tk73editor::EditorText;
using tk73editor::editorText;

// Rows the list shows when it opens.
constexpr int kShownRows = 18;
// The room a cell leaves around its text.
constexpr int kCellMargin = 16;
// Rows whose texts decide the columns' widths.
constexpr int kMeasuredRows = 500;

// The text with each "%s" replaced by the next value, in order; the text may come from the
// language library, so it is never used as a format.
std::string fillIn(std::string text, const std::vector<std::string>& values) {
    size_t at = 0;
    for (const std::string& value : values) {
        at = text.find("%s", at);
        if (at == std::string::npos) {
            break;
        }
        text.replace(at, 2, value);
        at += value.size();
    }
    return text;
}

// The width that every value of the item fits, as far as the item's kind and width tell.
int widestValue(const MenuItem& item, const QFontMetrics& metrics) {
    const tagPGMITEMDEF& def = item.def;
    switch (def.nDataType) {
        case PGM_DATA_CHAR:
            return metrics.averageCharWidth() * def.nWidth;
        case PGM_DATA_BIT:
            return 0;
        default:
            break;
    }
    int widest = metrics.horizontalAdvance(QString(def.nWidth + (def.nMean > 0 ? 1 : 0), '0'));
    if (item.meaning != nullptr) {
        for (const std::string& kind : item.meaning->kinds) {
            widest = std::max(widest, metrics.horizontalAdvance(tk73::toQString(kind)));
        }
    }
    return widest;
}

}  // namespace

ItemListWindow::ItemListWindow(tk73editor::PgmMenuContext& context, const ItemPageSet& set,
                               QWidget* parent)
    : PageSetWindow(context, set.title, Front::Take, parent),
      set_(set),
      storeNo_(CTK73opsActiveStoreInfo().GetStore().storeNo),
      list_(new QTableView),
      editButton_(new QPushButton(itemQText(ItemText::EditButton))),
      searchButton_(new QPushButton(itemQText(ItemText::SearchButton))) {
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(editButton_);
    buttons->addWidget(searchButton_);
    if (set_.IsScanning()) {
        addButton_ = new QPushButton(itemQText(ItemText::AddButton));
        buttons->addWidget(addButton_);
        connect(addButton_, &QPushButton::clicked, this, &ItemListWindow::AddScanningCode);
    }
    if (set_.nfpItem != kNoItem) {
        clearNfpButton_ = new QPushButton(itemQText(ItemText::ClearNfpButton));
        buttons->addWidget(clearNfpButton_);
        connect(clearNfpButton_, &QPushButton::clicked, this, &ItemListWindow::ClearNfp);
    }
    buttons->addStretch();
    auto* close = new QPushButton(itemQText(ItemText::CloseButton));
    buttons->addWidget(close);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(editButton_, &QPushButton::clicked, this, [this] { EditRecord(SelectedRecord()); });
    connect(searchButton_, &QPushButton::clicked, this, &ItemListWindow::ShowSearch);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { EditRecord(model_->RecordAt(index.row())); });
    UpdateButtons();
}

ItemListWindow::~ItemListWindow() {
    // The list asks its model for titles while the window is taken down, and the model reads the
    // items, which go before the window's widgets do.
    list_->setModel(nullptr);
}

int ItemListWindow::Open() {
    CPgmHandle& handle = Context().Handle();
    const bool resolved =
        ReadMenuItems(handle, Context().DefinitionFile(), set_.menuNo, set_.nameItem, items_);
    if (resolved) {
        searcher_ = std::make_unique<RecordSearch>(handle, items_.Find(set_.nameItem)->def);
        if (set_.IsScanning()) {
            registration_ = std::make_unique<ScanningRegistration>(handle, items_, set_.codeItem,
                                                                   set_.nameItem, set_.ageItem);
        }
        SetUpList();
    }
    const bool read = resolved && model_->Load();
    if (read) {
        SizeColumns();
        if (model_->rowCount() > 0) {
            SelectRecord(items_.firstRecord);
        }
    }
    UpdateButtons();
    if (!read) {
        Tell(editorText(EditorText::ReadFailed), tk73::MessageIcon::Error);
        return 0;
    }
    return 1;
}

void ItemListWindow::SetUpList() {
    model_ = new RecordListModel(Context(), set_, items_, this);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });
}

void ItemListWindow::SizeColumns() {
    // Measured on the first rows and on the items' widths rather than on every cell: measuring
    // a file of tens of thousands of records would keep the user waiting.
    const QFontMetrics metrics = list_->fontMetrics();
    const int rows = std::min(model_->rowCount(), kMeasuredRows);
    int total = 0;
    for (int column = 0; column < model_->columnCount(); ++column) {
        int content = 0;
        if (const MenuItem* item = model_->ColumnItem(column)) {
            content = widestValue(*item, metrics);
        }
        for (int row = 0; row < rows; ++row) {
            content = std::max(
                content, metrics.horizontalAdvance(model_->index(row, column).data().toString()));
        }
        // The title as the header draws it, which may be in another font than the cells.
        const int width =
            std::max(list_->horizontalHeader()->sectionSizeHint(column), content) + kCellMargin;
        list_->setColumnWidth(column, width);
        total += width;
    }
    list_->setMinimumWidth(total + list_->verticalScrollBar()->sizeHint().width() +
                           2 * list_->frameWidth());
    list_->setMinimumHeight(list_->verticalHeader()->defaultSectionSize() * kShownRows +
                            list_->horizontalHeader()->sizeHint().height());
}

void ItemListWindow::UpdateButtons() {
    const bool open = model_ != nullptr && model_->rowCount() > 0;
    editButton_->setEnabled(open && SelectedRecord() != 0);
    searchButton_->setEnabled(open);
    if (addButton_ != nullptr) {
        addButton_->setEnabled(open && registration_ != nullptr);
    }
    if (clearNfpButton_ != nullptr) {
        clearNfpButton_->setEnabled(open && items_.Find(set_.nfpItem) != nullptr);
    }
}

int ItemListWindow::SelectedRecord() const {
    if (model_ == nullptr) {
        return 0;
    }
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : model_->RecordAt(rows.front().row());
}

void ItemListWindow::SelectRecord(int record) {
    const int row = model_->RowOf(record);
    list_->selectRow(row);
    list_->scrollTo(model_->index(row, 0));
}

bool ItemListWindow::Confirm(const std::string& question, tk73::Button preset) const {
    return tk73::ui().question(question, Title(), tk73::Buttons::OkCancel, preset,
                               tk73::MessageIcon::Exclamation) == tk73::Button::Ok;
}

void ItemListWindow::RecordsWritten(const std::vector<int>& records) {
    for (const int record : records) {
        model_->ReloadRecord(record);
    }
    if (!AfterRecordsWritten(storeNo_, set_, items_.Find(set_.nameItem)->def.nFileNo, records)) {
        Tell(editorText(EditorText::WriteFailed), tk73::MessageIcon::Error);
    }
}

void ItemListWindow::EditRecord(int record, const CodeToRegister* newCode) {
    if (model_ == nullptr || record < items_.firstRecord ||
        model_->RowOf(record) >= model_->rowCount()) {
        return;
    }
    const std::unique_ptr<RecordDialog> dialog =
        MakeRecordDialog(Context(), set_, items_, record, this, newCode);
    // A read that failed is told by Open; the dialog still shows what was read.
    (void)dialog->Open();
    if (dialog->exec() == QDialog::Accepted) {
        RecordsWritten({record});
        return;
    }
    // What a record dialog shows may differ from the file by now; the list shows the file.
    model_->ReloadRecord(record);
    if (const int other = dialog->RecordToGoTo()) {
        SelectRecord(other);
        EditRecord(other);
    }
}

void ItemListWindow::ShowSearch() {
    if (search_ == nullptr) {
        search_ = new SearchDialog(
            set_.IsScanning() ? SearchDialog::Jump::ScanningCode : SearchDialog::Jump::MemoryNumber,
            [this](const SearchRequest& request) { FindNext(request); }, this);
    }
    search_->show();
    search_->raise();
    search_->activateWindow();
}

void ItemListWindow::JumpToCode(const std::string& typed) {
    const std::optional<std::string> code = normaliseScanningCode(typed);
    if (!code) {
        Tell(itemText(ItemText::ScanningCodeError), tk73::MessageIcon::Error);
        return;
    }
    const int record = registration_ != nullptr ? registration_->Find(*code) : -1;
    if (record < 0) {
        Tell(itemText(ItemText::CodeNotRegistered), tk73::MessageIcon::Exclamation);
        return;
    }
    SelectRecord(record);
}

void ItemListWindow::FindNext(const SearchRequest& request) {
    if (searcher_ == nullptr) {
        return;
    }
    if (request.jump && set_.IsScanning()) {
        JumpToCode(request.jumpText);
        return;
    }
    if (request.jump) {
        const int record = searcher_->MemoryJump(std::atoi(request.jumpText.c_str()));
        if (record < 0) {
            Tell(editorText(EditorText::InvalidValues), tk73::MessageIcon::None);
            return;
        }
        SelectRecord(record);
        return;
    }
    const int record = searcher_->FindNext(SelectedRecord(), request.name);
    if (record < 0) {
        QApplication::beep();
        return;
    }
    SelectRecord(record);
}

bool ItemListWindow::PlaceScanningCode(const std::string& typed) {
    const std::optional<std::string> code = normaliseScanningCode(typed);
    if (!code) {
        Tell(itemText(ItemText::ScanningCodeError), tk73::MessageIcon::Error);
        return false;
    }
    const ScanningPlace place = registration_->Place(*code);
    switch (place.kind) {
        case ScanningPlace::Kind::Registered:
            if (!Confirm(itemText(ItemText::AlreadyRegistered), tk73::Button::Ok)) {
                return false;
            }
            added_ = place.record;
            newCode_.reset();
            return true;
        case ScanningPlace::Kind::Full:
            Tell(itemText(ItemText::ScanningFileFull), tk73::MessageIcon::Error);
            return false;
        case ScanningPlace::Kind::Oldest:
            if (!Confirm(fillIn(itemText(ItemText::ReuseOldest), {place.code, place.name}),
                         tk73::Button::Cancel)) {
                return false;
            }
            break;
        case ScanningPlace::Kind::Free:
            break;
    }
    // Registered by the record dialog's OK, together with the record's values.
    added_ = place.record;
    newCode_ =
        CodeToRegister{*code, place.kind == ScanningPlace::Kind::Oldest, registration_.get()};
    return true;
}

void ItemListWindow::AddScanningCode() {
    if (registration_ == nullptr) {
        return;
    }
    added_.reset();
    newCode_.reset();
    AddScanningDialog dialog([this](const std::string& typed) { return PlaceScanningCode(typed); },
                             this);
    if (dialog.exec() != QDialog::Accepted || !added_) {
        return;
    }
    SelectRecord(*added_);
    EditRecord(*added_, newCode_ ? &*newCode_ : nullptr);
}

void ItemListWindow::ClearNfp() {
    if (!Confirm(itemText(ItemText::ClearNfp), tk73::Button::Cancel)) {
        return;
    }
    std::vector<int> cleared;
    if (!ClearNfpMarks(Context().Handle(), items_, set_.nfpItem, cleared)) {
        Tell(editorText(EditorText::WriteFailed), tk73::MessageIcon::Error);
        // The list shows what the file holds now, as far as it can be read; the failure is told.
        (void)model_->Load();
        return;
    }
    RecordsWritten(cleared);
}

}  // namespace tk73item
