#include "apps/editors/framework/page_item.h"

#include <string_view>

#include "programfiles/pgm_handle.h"

namespace tk73editor {

namespace {

// Texts are padded with blanks to the item's width in the file; a control may show them
// without, so blanks at the end never make a difference.
std::string_view withoutTrailingBlanks(const std::string& text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string_view()
                                    : std::string_view(text).substr(0, end + 1);
}

}  // namespace

PageItem::PageItem(int menuNo, int itemNo, int record)
    : menuNo_(menuNo), itemNo_(itemNo), record_(record) {}

int PageItem::Resolve(PgmMenuContext& context) {
    CPgmHandle& handle = context.Handle();
    if (!handle.GetItemDef(&definition_, menuNo_, itemNo_, 1)) {
        return 0;
    }
    if (definition_.nMemoryType == PGM_MEMORY_FUNC &&
        !handle.ResolveFuncItem(&definition_, nullptr)) {
        return 0;
    }
    if (record_ == 0) {
        record_ = definition_.nFirstRecord;
    }
    title_ = context.GetItemTitle(menuNo_, itemNo_);
    uniqueNameItem_ = context.GetUniqueNameItem(menuNo_, itemNo_);
    Prepare(context, definition_);
    resolved_ = true;
    return 1;
}

int PageItem::Load(PgmMenuContext& context, int operation) {
    const bool fromMainte = operation == PGM_ACCESS_READ;
    if (!fromMainte && !usable_) {
        // An item whose stored value was never read stays as it is, disabled.
        return 1;
    }
    PGMITEMDATAARRAY values(1);
    const bool read =
        (resolved_ || Resolve(context)) &&
        context.Handle().AccessItems(operation, &definition_, 1, record_, 1, &values, 0) == 0;
    if (!read) {
        if (fromMainte) {
            usable_ = false;
            Control()->setEnabled(false);
        }
        return 0;
    }
    if (fromMainte) {
        stored_ = values[0];
        usable_ = true;
        Control()->setEnabled(true);
    }
    Display(values[0]);
    return 1;
}

void PageItem::ShowBlank() {
    if (!usable_) {
        return;
    }
    Display(tagPGMITEMDATA());
}

void PageItem::Display(const tagPGMITEMDATA& value) {
    shown_ = value;
    current_ = value;
    showing_ = true;
    Show(shown_);
    showing_ = false;
    edited_ = false;
}

void PageItem::Put(const tagPGMITEMDATA& value) {
    showing_ = true;
    Show(value);
    showing_ = false;
    current_ = value;
    edited_ = !SameValue(value, shown_);
}

void PageItem::MarkEdited() {
    if (showing_) {
        return;
    }
    edited_ = true;
    const tagPGMITEMDATA before = current_;
    current_ = Collect();
    if (listener_) {
        listener_(*this, before);
    }
}

void PageItem::Highlight() {
    Control()->setFocus();
}

tagPGMITEMDATA PageItem::Value() const {
    return edited_ ? Collect() : shown_;
}

bool PageItem::SameValue(const tagPGMITEMDATA& a, const tagPGMITEMDATA& b) const {
    if (definition_.nDataType == PGM_DATA_CHAR) {
        return withoutTrailingBlanks(a.text) == withoutTrailingBlanks(b.text);
    }
    return a.value == b.value;
}

bool PageItem::IsChanged() const {
    return usable_ && !SameValue(Value(), stored_);
}

int PageItem::Save(CPgmHandle& handle) {
    if (!IsChanged()) {
        return 1;
    }
    PGMITEMDATAARRAY values(1, Value());
    if (handle.AccessItems(PGM_ACCESS_WRITE, &definition_, 1, record_, 1, &values, 0) != 0) {
        return 0;
    }
    stored_ = values[0];
    return 1;
}

}  // namespace tk73editor
