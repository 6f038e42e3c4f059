#include "apps/editors/framework/tests/demo/demo_page_sets.h"

namespace tk73editordemo {

using namespace tk73editor;

namespace {

constexpr int kDepartmentMenu = 1;
constexpr int kPrintMenu = 5;

}  // namespace

DepartmentControls addDepartmentItems(SettingPage& page, int record) {
    DepartmentControls controls{};
    controls.code = &page.Add<NumberItem>("Code", kDepartmentMenu, 0, record);
    controls.name = &page.Add<TextItem>("Name", kDepartmentMenu, 1, record);
    controls.limit = &page.Add<NumberItem>("Limit", kDepartmentMenu, 11, record,
                                           NumberItem::Places::FromMeaning);
    // The built-in list knows two kinds; the definition's list names all three.
    controls.status =
        &page.Add<ChoiceItem>("Status", ChoiceItem::Style::DropDown,
                              std::vector<std::string>{"Normal", "Open price", "Preset price"},
                              std::vector<int>{0, 1}, kDepartmentMenu, 5, record);
    controls.negative = &page.Add<CheckItem>("", "Negative", kDepartmentMenu, 4, record);
    return controls;
}

EditorDescription demoEditor() {
    EditorDescription description;
    description.pageSets.push_back({"D", [](PgmMenuContext& context) {
                                        auto set =
                                            std::make_unique<PageSetDialog>(context, "Department");
                                        addDepartmentItems(set->AddPage("Department 2"), 2);
                                        return set;
                                    }});
    description.pageSets.push_back(
        {"E", [](PgmMenuContext& context) {
             auto set = std::make_unique<PageSetDialog>(context, "Department and print");
             addDepartmentItems(set->AddPage("Department 1"), 1);
             SettingPage& print = set->AddPage("Print");
             print.Add<ChoiceItem>("Receipt", ChoiceItem::Style::Options,
                                   std::vector<std::string>{"Print", "No print"},
                                   std::vector<int>{1, 0}, kPrintMenu, 1);
             print.Add<CheckItem>("", "Journal", kPrintMenu, 2);
             return set;
         }});
    return description;
}

}  // namespace tk73editordemo
