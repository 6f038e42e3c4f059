#include "apps/shell/tests/hub_window_fixture.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

#include "apps/shell/pro_layout_extras.h"
#include "storedb/store_life_cycle.h"

namespace hubtest {

HubWindow::HubWindow(uint32_t userMode, const std::vector<std::string>& editors,
                     const std::vector<std::string>& arguments, const BeforeStart& beforeStart)
    : env_(userMode) {
    if (beforeStart) {
        beforeStart(env_);
    } else if (arguments.empty()) {
        env_.cancelSdCard();
    }
    app_ = std::make_unique<tk73hub::CHubApp>("TK73HUB", env_.programFolder(editors));
    if (app_->Start(arguments) != tk73hub::CHubApp::StartResult::Window) {
        ADD_FAILURE() << "the shell did not make its window";
        return;
    }
    tk73hub::CHubDlg& dlg = window();
    QObject::connect(&dlg, &QDialog::finished, [this](int code) { result_ = code; });
    EXPECT_TRUE(dlg.InitDialog());
    dlg.show();
    // The press of the first button that the window posts to itself.
    QApplication::processEvents();
}

HubWindow::~HubWindow() {
    if (app_->MainWindow() != nullptr) {
        app_->MainWindow()->CloseExtras();
    }
    app_.reset();
}

void HubWindow::runNew(int registerModelNo, int vekModelNo) {
    env_.answerSelectModel(registerModelNo, vekModelNo);
    window().OnFileNew();
}

int HubWindow::selectNewStore(const std::string& name, int registerModelNo, int vekModelNo) {
    auto* extras = dynamic_cast<tk73hub::ProLayoutExtras*>(window().Extras());
    STORE_EDB store;
    store.storeName = name;
    store.regModelNo = registerModelNo;
    store.vekModelNo = vekModelNo;
    store.vekLinkage = vekModelNo != 0 ? '0' : '1';
    if (extras == nullptr || tk73store::CreateStore(store) != 1) {
        ADD_FAILURE() << "no store " << name;
        return 0;
    }
    extras->StoreBar().ChangeSelectedStore(store.branchNo, store.storeNo, store.regModelNo);
    window().Document().SetState(tk73hub::CHubDocument::kLoaded);
    return store.storeNo;
}

void HubWindow::press(int controlId) {
    QAbstractButton* button = window().Button(controlId);
    ASSERT_NE(button, nullptr) << controlId;
    button->click();
}

}  // namespace hubtest
