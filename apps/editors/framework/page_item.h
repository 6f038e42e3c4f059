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

    // The control, owned by the page's layout once it is placed there.
    virtual QWidget* Control() = 0;

    int MenuNo() const { return menuNo_; }
    int ItemNo() const { return itemNo_; }
    // The record the item shows; 0 for its first record until the item is resolved.
    int Record() const { return record_; }

    // Reads the value (PGM_ACCESS_READ from the maintenance files, PGM_ACCESS_READ_DEFAULT from
    // the default files) and shows it; the first call resolves the item. 1 on success. A failed
    // read from the maintenance files disables the item until a later one succeeds; a disabled
    // item shows no defaults (and answers 1).
    int Load(PgmMenuContext& context, int operation);
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
    int Save(CPgmHandle& handle);

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

    const tagPGMITEMDEF& Definition() const { return definition_; }

  private:
    int Resolve(PgmMenuContext& context);
    // Shows the value as the one the control started from.
    void Display(const tagPGMITEMDATA& value);
    bool SameValue(const tagPGMITEMDATA& a, const tagPGMITEMDATA& b) const;

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
};

}  // namespace tk73editor
