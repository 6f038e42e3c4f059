#include "storedb/store_configuration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/testing/scripted_user_interaction.h"
#include "storedb/edb_model.h"
#include "storedb/store_life_cycle.h"
#include "storedb/testing/store_test_environment.h"

namespace {

using storetest::kKR301;
using storetest::kKR420;
using storetest::kVK500;
using tk73::Button;

class StoreConfigurationQuestions : public ::testing::Test {
  protected:
    void SetUp() override { CTK73edbModel first; }

    storetest::StoreTestEnvironment environment;
    tk73test::ScriptedUserInteraction ui;
};

// Each question of the store setting leads to stored data being overwritten or deleted; Enter
// must not be enough for that.
TEST_F(StoreConfigurationQuestions, EveryQuestionDefaultsToCancelAndCancelChangesNothing) {
    STORE_EDB shop = storetest::storeRecord(0, "Shop", kKR301, kVK500);
    ASSERT_EQ(tk73store::CreateStore(shop), 1);
    const std::string stores = environment.table("STORE");
    const std::vector<std::string> folders = environment.dataBaseListing();

    const auto configuration = tk73store::StoreConfiguration::ForModify(shop.storeNo);
    ASSERT_NE(configuration, nullptr);
    ui.pressButton(Button::Cancel);
    EXPECT_FALSE(configuration->confirmModelChange(0, kKR301, kKR420));
    ui.pressButton(Button::Cancel);
    EXPECT_FALSE(configuration->confirmModelChange(1, kVK500, 0));
    tk73store::StoreFields fields{"Shop renamed", "", "", 0, kKR420, 0};
    ui.pressButton(Button::Cancel);
    EXPECT_FALSE(configuration->accept(fields));

    const std::vector<tk73test::RecordedInteraction> calls = ui.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text,
              "Changing type of machine, it'll delete programs \nin current ECR. Do you want to "
              "modify?");
    EXPECT_EQ(calls[1].text,
              "If change VEK model,\nall of VEK setting data will be cleared.\n\nAre "
              "you sure?");
    EXPECT_EQ(calls[2].text, "Are you sure to save setting?");
    for (const tk73test::RecordedInteraction& call : calls) {
        EXPECT_EQ(call.kind, tk73test::InteractionKind::Question);
        EXPECT_EQ(call.buttons, tk73::Buttons::OkCancel);
        EXPECT_EQ(call.defaultButton, Button::Cancel) << call.text;
    }
    EXPECT_EQ(environment.table("STORE"), stores);
    EXPECT_EQ(environment.dataBaseListing(), folders);
}

}  // namespace
