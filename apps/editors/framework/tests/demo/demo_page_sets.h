#pragma once
// Two small page sets over settings of the shipped register models, for the framework's tests
// and the demo editor program:
//
//   "D"  one page, "Department 2": menu 1 on record 2 (code, name, limit with the item's decimal
//        places, status drop-down, negative check box)
//   "E"  two pages: "Department 1" (the same items on record 1) and "Print" (menu 5: receipt
//        print as options, journal print as a check box)

#include "apps/editors/framework/check_item.h"
#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/editor_application.h"
#include "apps/editors/framework/number_item.h"
#include "apps/editors/framework/text_item.h"

namespace tk73editordemo {

// The department items of one record on a page.
struct DepartmentControls {
    tk73editor::NumberItem* code;
    tk73editor::TextItem* name;
    tk73editor::NumberItem* limit;
    tk73editor::ChoiceItem* status;
    tk73editor::CheckItem* negative;
};

DepartmentControls addDepartmentItems(tk73editor::SettingPage& page, int record);

tk73editor::EditorDescription demoEditor();

}  // namespace tk73editordemo
