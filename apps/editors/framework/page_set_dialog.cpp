#include "apps/editors/framework/page_set_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "apps/editors/framework/editor_texts.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "storedb/ui/manual_window.h"

namespace tk73editor {

namespace {

// A value that says "none" (a free record's code, a clerk without a secret code) may repeat.
bool isUnset(const PageItem& item, const tagPGMITEMDATA& value) {
    if (item.Definition().nDataType == PGM_DATA_CHAR) {
        return value.text.find_first_not_of(" 0") == std::string::npos;
    }
    return value.value == 0;
}

// A value of an item of the definition as a message shows it.
std::string shownValue(const tagPGMITEMDEF& definition, const tagPGMITEMDATA& value) {
    if (definition.nDataType == PGM_DATA_CHAR) {
        const size_t end = value.text.find_last_not_of(' ');
        return end == std::string::npos ? std::string() : value.text.substr(0, end + 1);
    }
    return std::to_string(value.value);
}

// How messages name an item: its title, and its record when the item has several.
std::string itemName(const PageItem& item) {
    if (item.Title().empty() || item.Definition().nRecordCount <= 1) {
        return item.Title();
    }
    return fillTexts(editorText(EditorText::FieldOfRecord),
                     {item.Title(), std::to_string(item.Record())});
}

}  // namespace

PageSetDialog::PageSetDialog(PgmMenuContext& context, const std::string& title, QWidget* parent,
                             Front front)
    : PageSetWindow(context, title, front, parent),
      tabs_(new QTabWidget),
      layout_(new QVBoxLayout(this)),
      buttons_(new QDialogButtonBox),
      restoreButton_(
          new QPushButton(tk73::toQString(editorText(EditorText::RestoreDefaultsButton)))) {
    tabs_->setTabBarAutoHide(true);
    tk73storeui::addHelpKey(this, tk73storeui::kGuidePrograms);
    buttons_->addButton(restoreButton_, QDialogButtonBox::ResetRole);
    buttons_->addButton(tk73::toQString(editorText(EditorText::OkButton)),
                        QDialogButtonBox::AcceptRole);
    buttons_->addButton(tk73::toQString(editorText(EditorText::CancelButton)),
                        QDialogButtonBox::RejectRole);
    connect(buttons_, &QDialogButtonBox::accepted, this, &PageSetDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PageSetDialog::reject);
    connect(restoreButton_, &QPushButton::clicked, this, &PageSetDialog::RestoreDefaults);
    layout_->addWidget(tabs_);
    layout_->addWidget(buttons_);
}

void PageSetDialog::HideRestoreDefaults() {
    restoreButton_->hide();
}

void PageSetDialog::AddHelpButton() {
    QPushButton* help = buttons_->addButton(tk73::toQString(editorText(EditorText::HelpButton)),
                                            QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this,
            [this] { tk73storeui::showToolManual(this, tk73storeui::kGuidePrograms); });
}

void PageSetDialog::AddFooter(QWidget* widget) {
    // Above the buttons, which are always last.
    layout_->insertWidget(layout_->count() - 1, widget);
}

SettingPage& PageSetDialog::AddPage(const std::string& title) {
    auto* page = new SettingPage(title);
    tabs_->addTab(page, tk73::toQString(title));
    pages_.push_back(page);
    return *page;
}

SettingPage* PageSetDialog::CurrentPage() const {
    return static_cast<SettingPage*>(tabs_->currentWidget());
}

void PageSetDialog::Tell(EditorText text, tk73::MessageIcon icon) {
    PageSetWindow::Tell(editorText(text), icon);
}

int PageSetDialog::Open() {
    int all = 1;
    for (SettingPage* page : pages_) {
        if (!page->Load(Context(), PGM_ACCESS_READ)) {
            all = 0;
        }
    }
    ListenToEdits();
    if (!all) {
        Tell(EditorText::ReadFailed, tk73::MessageIcon::Error);
    }
    return all;
}

void PageSetDialog::RestoreDefaults() {
    SettingPage* page = CurrentPage();
    if (page == nullptr ||
        tk73::ui().question(editorText(EditorText::ConfirmDefaults), Title(),
                            tk73::Buttons::OkCancel, tk73::Button::Cancel,
                            tk73::MessageIcon::Exclamation) != tk73::Button::Ok) {
        return;
    }
    if (!page->Load(Context(), PGM_ACCESS_READ_DEFAULT)) {
        Tell(EditorText::ReadFailed, tk73::MessageIcon::Error);
    }
    // The defaults replace what the history would walk back through.
    history_.clear();
    done_ = 0;
}

void PageSetDialog::ShowItem(PageItem& item) {
    // Every tab the item lies in comes to the front, a page set's own tabs inside a page too.
    for (QWidget* widget = item.Control(); widget != nullptr; widget = widget->parentWidget()) {
        QWidget* stack = widget->parentWidget();
        if (auto* tabs =
                stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) {
            tabs->setCurrentWidget(widget);
        }
    }
    item.Highlight();
}

void PageSetDialog::TellInvalid(PageItem& item, tk73::MessageIcon icon) {
    ShowItem(item);
    std::string text = editorText(EditorText::InvalidValues);
    const std::string name = itemName(item);
    if (!name.empty()) {
        text += "\n\n" + name;
    }
    PageSetWindow::Tell(text, icon);
}

PageItem* PageSetDialog::FindItem(int menuNo, int itemNo, int record) const {
    for (SettingPage* page : pages_) {
        for (const auto& item : page->Items()) {
            if (item->Usable() && item->MenuNo() == menuNo && item->ItemNo() == itemNo &&
                item->Record() == record) {
                return item.get();
            }
        }
    }
    return nullptr;
}

std::string PageSetDialog::RecordName(int menuNo, int itemNo, int record) {
    if (const PageItem* shown = FindItem(menuNo, itemNo, record)) {
        return shownValue(shown->Definition(), shown->Value());
    }
    tagPGMITEMDEF definition;
    PGMITEMDATAARRAY values(1);
    if (!Context().Handle().GetItemDef(&definition, menuNo, itemNo, 1) ||
        Context().Handle().AccessItems(PGM_ACCESS_READ, &definition, 1, record, 1, &values, 0) !=
            0) {
        return std::string();
    }
    return shownValue(definition, values[0]);
}

int PageSetDialog::RecordHolding(const PageItem& item, const tagPGMITEMDATA& value) {
    // One read of the whole range: a PLU file may hold tens of thousands of records.
    tagPGMITEMDEF definition = item.Definition();
    PGMITEMDATAARRAY stored(definition.nRecordCount);
    if (Context().Handle().AccessItems(PGM_ACCESS_READ, &definition, 1, definition.nFirstRecord,
                                       definition.nRecordCount, &stored, 0) != 0) {
        return -1;
    }
    for (int index = 0; index < definition.nRecordCount; ++index) {
        const int record = definition.nFirstRecord + index;
        if (record == item.Record()) {
            continue;
        }
        const PageItem* shown = FindItem(item.MenuNo(), item.ItemNo(), record);
        if (item.SameValue(value, shown != nullptr ? shown->Value() : stored[index])) {
            return record;
        }
    }
    return -1;
}

bool PageSetDialog::CheckUnique() {
    for (SettingPage* page : pages_) {
        for (const auto& item : page->Items()) {
            if (!item->IsChanged() || item->UniqueNameItem() == 0) {
                continue;
            }
            const tagPGMITEMDATA value = item->Value();
            if (isUnset(*item, value)) {
                continue;
            }
            const int other = RecordHolding(*item, value);
            if (other < 0) {
                continue;
            }
            const std::string name = RecordName(item->MenuNo(), item->UniqueNameItem(), other);
            const std::string question = fillTexts(
                editorText(EditorText::DuplicateValue),
                {item->Title(), shownValue(item->Definition(), value), std::to_string(other),
                 name.empty() ? std::string() : " \"" + name + "\""});
            if (tk73::ui().question(question, Title(), tk73::Buttons::YesNo, tk73::Button::Yes,
                                    tk73::MessageIcon::Exclamation) != tk73::Button::Yes) {
                ShowItem(*item);
            } else if (PageItem* shown = FindItem(item->MenuNo(), item->ItemNo(), other)) {
                ShowItem(*shown);
            } else {
                GoToRecord(other);
            }
            return false;
        }
    }
    return true;
}

void PageSetDialog::ListenToEdits() {
    history_.clear();
    done_ = 0;
    for (SettingPage* page : pages_) {
        for (const auto& item : page->Items()) {
            item->SetEditListener(
                [this](PageItem& edited, const tagPGMITEMDATA& before) { Edited(edited, before); });
        }
    }
    // An edit field keeps Ctrl+Z for itself; the set's history must answer it instead.
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->installEventFilter(this);
    }
}

void PageSetDialog::Edited(PageItem& item, const tagPGMITEMDATA& before) {
    if (replaying_) {
        return;
    }
    history_.resize(done_);
    if (!history_.empty() && history_.back().item == &item) {
        // Keystrokes in one field make one step.
        history_.back().after = item.Value();
    } else {
        history_.push_back({&item, before, item.Value()});
    }
    done_ = history_.size();
}

bool PageSetDialog::Undo() {
    if (done_ == 0) {
        return false;
    }
    const Change& change = history_[--done_];
    replaying_ = true;
    change.item->Put(change.before);
    replaying_ = false;
    ShowItem(*change.item);
    return true;
}

bool PageSetDialog::Redo() {
    if (done_ == history_.size()) {
        return false;
    }
    const Change& change = history_[done_++];
    replaying_ = true;
    change.item->Put(change.after);
    replaying_ = false;
    ShowItem(*change.item);
    return true;
}

bool PageSetDialog::HandleUndoKeys(QKeyEvent* event) {
    // With nothing to undo or redo the key does nothing; it is taken either way.
    if (event->matches(QKeySequence::Undo)) {
        (void)Undo();
        return true;
    }
    if (event->matches(QKeySequence::Redo) ||
        (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
        (void)Redo();
        return true;
    }
    return false;
}

bool PageSetDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                             (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
        if (undoKey) {
            if (event->type() == QEvent::KeyPress) {
                HandleUndoKeys(key);
            }
            return true;
        }
    }
    return PageSetWindow::eventFilter(watched, event);
}

void PageSetDialog::keyPressEvent(QKeyEvent* event) {
    if (!HandleUndoKeys(event)) {
        PageSetWindow::keyPressEvent(event);
    }
}

void PageSetDialog::accept() {
    for (SettingPage* page : pages_) {
        if (PageItem* invalid = page->FirstInvalid()) {
            TellInvalid(*invalid);
            return;
        }
    }
    if (!CheckUnique()) {
        return;
    }
    if (tk73::ui().question(editorText(EditorText::ConfirmSave), Title(), tk73::Buttons::OkCancel,
                            tk73::Button::Ok, tk73::MessageIcon::Exclamation) != tk73::Button::Ok) {
        return;
    }
    if (!Saving()) {
        Tell(EditorText::WriteFailed, tk73::MessageIcon::Error);
        return;
    }
    for (SettingPage* page : pages_) {
        if (!page->Save(Context().Handle())) {
            Tell(EditorText::WriteFailed, tk73::MessageIcon::Error);
            return;
        }
    }
    Saved();
    QDialog::accept();
}

}  // namespace tk73editor
