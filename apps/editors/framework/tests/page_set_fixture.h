#pragma once
// A page set of the demo over a fixture store, with the scripted user interaction answering.

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/framework/tests/demo/demo_page_sets.h"
#include "apps/editors/framework/tests/fixture_store.h"
#include "apps/editors/framework/tests/qt_application.h"
#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "tests/support/temp_environment.h"

namespace tk73test {

class PageSetFixture : public ::testing::Test {
  protected:
    PageSetFixture() : store_(environment_) {
        ensureApplication();
        opened_ =
            context_.Open(store_.definitionFile(), store_.mainteFolder(), store_.defaultFolder());
    }

    // The department page of record 2 ("Department" set) and its controls.
    void makeDepartmentSet() {
        dialog_ = std::make_unique<tk73editor::PageSetDialog>(context_, "Department");
        department_ = tk73editordemo::addDepartmentItems(dialog_->AddPage("Department 2"), 2);
    }

    static uint32_t windowValue(const char* name) {
        uint32_t value = 0;
        AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &value, name);
        return value;
    }
    static void setWindowValue(const char* name, uint32_t value) {
        AecrbsSetRegistryCurrentUserSystemValueDW(nullptr, name, &value);
    }

    TempEnvironment environment_;
    FixtureStore store_;
    tk73editor::PgmMenuContext context_;
    int opened_ = 0;
    ScriptedUserInteraction script_;
    std::unique_ptr<tk73editor::PageSetDialog> dialog_;
    tk73editordemo::DepartmentControls department_{};
};

// Replaces the characters at offset of record 2's line of the department file.
inline std::string withDepartment2(std::string file, size_t offset, const std::string& text) {
    const size_t line = file.find("\n00002,") + 1;
    return file.replace(line + offset, text.size(), text);
}

// Offsets in a department record line: 00001,"0001","Bakery      ","20000000","050000",...
inline constexpr size_t kNameOffset = 14;
inline constexpr size_t kStatusOffset = 29;
inline constexpr size_t kLimitOffset = 61;

}  // namespace tk73test
