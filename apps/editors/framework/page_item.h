#pragma once
// One setting item of one record shown by one control of a page. The item is named by its menu
// and item number in the definition file and resolved through the program file handle.
//
// An item remembers the value stored in the maintenance files (read when the page opens, written
// on save) and the value it shows. A save writes only an item whose control holds another value
// than the stored one, so restoring the defaults and then not saving changes nothing, and a value
// the control cannot show (a code outside its list) is kept as long as the user does not touch
// the control. An item whose stored value cannot be read is disabled and never written: writing
// it would put whatever the control happened to hold into the file.

#include <QWidget>

#include <functional>
#include <string>

#include "apps/editors/framework/pgm_menu_context.h"
#include "programfiles/pgm_item_def.h"

namespace tk73editor {

class PageItem {
  public:
    // record 0 is the item's first record (for a function item, the record of its function).
    PageItem(int menuNo, int itemNo, int record = 0);
    virtual ~PageItem() = default;
    PageItem(const PageItem&) = delete;
    PageItem& operator=(const PageItem&) = delete;

    // The control, made on the page the item belongs to (a child of the page until a layout
    // places it elsewhere).
    virtual QWidget* Control() = 0;
    // A widget that belongs beside the control (a note on what it takes), or null.
    virtual QWidget* Beside() { return nullptr; }

    int MenuNo() const { return menuNo_; }
    int ItemNo() const { return itemNo_; }
    // The record the item shows; 0 for its first record until the item is resolved.
    int Record() const { return record_; }
    // The item's title from the definition (empty until the item is resolved); messages name
    // the item by it.
    const std::string& Title() const { return title_; }
    // The item that names a record when this item's value must differ from record to record
    // (PgmMenuContext::GetUniqueNameItem); 0 when values may repeat.
    int UniqueNameItem() const { return uniqueNameItem_; }
    const tagPGMITEMDEF& Definition() const { return definition_; }

    // Reads the value (PGM_ACCESS_READ from the maintenance files, PGM_ACCESS_READ_DEFAULT from
    // the default files) and shows it; the first call resolves the item. 1 on success. A failed
    // read from the maintenance files disables the item until a later one succeeds; a disabled
    // item shows no defaults (and answers 1).
    [[nodiscard]] int Load(PgmMenuContext& context, int operation);
    // Shows the value of a cleared record (an empty text, 0) in place of the one read, which
    // stays the stored value: a save then writes the blank unless the file holds it already.
    // A disabled item stays as it is.
    void ShowBlank();

    // Whether the item takes part in saving: its stored value was read.
    bool Usable() const { return usable_; }
    // Whether the control holds a value that can be written; a page refuses to save otherwise.
    virtual bool IsValid() const { return true; }
    // The value a save writes: the control's when the user changed it since the last value
    // shown, else the value shown.
    tagPGMITEMDATA Value() const;
    bool IsChanged() const;
    // Writes the value when the item is usable and changed. 1 on success or nothing to write.
    [[nodiscard]] int Save(CPgmHandle& handle);
    // Whether two values of this item are the same setting (texts without trailing blanks).
    [[nodiscard]] bool SameValue(const tagPGMITEMDATA& a, const tagPGMITEMDATA& b) const;

    // Puts the cursor into the control and selects what it holds, for a message about it.
    virtual void Highlight();

    // Told after each change the user makes, with the value the control held before it; the
    // page set keeps the history that undo and redo walk.
    using EditListener = std::function<void(PageItem& item, const tagPGMITEMDATA& before)>;
    void SetEditListener(EditListener listener) { listener_ = std::move(listener); }
    // Shows a value as if the user had set it (undo and redo); it counts as a change unless it
    // is the value the control started from.
    void Put(const tagPGMITEMDATA& value);

  protected:
    // Called once the item is resolved, before its first value is shown (value lists, widths).
    virtual void Prepare(PgmMenuContext& context, const tagPGMITEMDEF& definition) {}
    virtual void Show(const tagPGMITEMDATA& value) = 0;
    // The control's value; called only after the user changed it.
    virtual tagPGMITEMDATA Collect() const = 0;
    // Controls call this from their change signals; changes made while showing do not count.
    void MarkEdited();
    // Whether the user changed the control since the last value shown.
    bool Edited() const { return edited_; }

  private:
    [[nodiscard]] int Resolve(PgmMenuContext& context);
    // Shows the value as the one the control started from.
    void Display(const tagPGMITEMDATA& value);

    int menuNo_;
    int itemNo_;
    int record_;
    bool resolved_ = false;
    bool usable_ = false;
    bool showing_ = false;
    bool edited_ = false;
    tagPGMITEMDEF definition_;
    tagPGMITEMDATA stored_;
    tagPGMITEMDATA shown_;
    // What the control held after the last change, the "before" of the next one.
    tagPGMITEMDATA current_;
    std::string title_;
    int uniqueNameItem_ = 0;
    EditListener listener_;
};

}  // namespace tk73editor
