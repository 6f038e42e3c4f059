// What the pro and stand-alone layouts add to the buttons: the store the pro layout works on after
// the store setting, its VEK setting, and the stand-alone layout's "Register" menu, driven with
// the installation staged and the user scripted.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "apps/shell/hub_texts.h"
#include "apps/shell/pro_layout_extras.h"
#include "apps/shell/tests/hub_window_fixture.h"
#include "base/install_folders.h"
#include "storedb/connection_setting.h"
#include "storedb/edb_store.h"
#include "storedb/store_configuration.h"
#include "storedb/store_list_setting.h"

namespace tk73hub {
namespace {

using tk73::Button;
using Strings = std::vector<std::string>;

ProLayoutExtras& proExtras(hubtest::HubWindow& hub) {
    return dynamic_cast<ProLayoutExtras&>(*hub.window().Extras());
}

STORE_EDB storeOf(int storeNo) {
    STORE_EDB store;
    CTK73edbStore().GetStoreFromStoreNo(storeNo, &store);
    return store;
}

// The store list of "Branch/Store setting..." runs one change; a change that goes through the
// store configuration fills in the name and models and confirms.
void scriptStoreList(tk73test::ScriptedUserInteraction& ui,
                     std::function<int(tk73store::StoreListSetting&)> change) {
    ui.handleDialog("StoreList", [change](tk73::DialogRequest& request) {
        change(static_cast<tk73store::StoreListRequest&>(request).setting);
        return Button::Cancel;
    });
}
void scriptConfiguration(tk73test::ScriptedUserInteraction& ui, const std::string& name,
                         int registerModelNo, int vekModelNo) {
    ui.handleDialog("ConfigStore", [=](tk73::DialogRequest& request) {
        auto& configuration = static_cast<tk73store::ConfigStoreRequest&>(request).configuration;
        tk73store::StoreFields fields;
        fields.name = name;
        fields.regModelNo = registerModelNo;
        fields.vekModelNo = vekModelNo;
        return configuration.accept(fields) ? Button::Ok : Button::Cancel;
    });
    ui.pressButton(Button::Ok);  // "Are you sure to save setting?"
}

std::string tables() {
    char folder[TK73_MAX_PATH] = {};
    AecrbsGetTK73DataBasePath(folder);
    std::string all;
    for (const char* table : {"STORE.edb", "REGISTER.edb", "VEK.edb"}) {
        all += hubtest::fileText(std::string(folder) + "/" + table) + "|";
    }
    return all;
}

// Acts on the next drop-down menu once it runs; the menu is closed afterwards when the action
// left it open.
void onMenu(std::function<void(QMenu*)> action) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const bool ready = menu != nullptr && menu->isVisible();
        if (!ready && ++*tries < 1000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (ready) {
            action(menu);
            if (menu->isVisible()) {
                menu->close();
            }
        }
    });
    timer->start();
}

QAction* entry(QMenu* menu, const char* text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == QString::fromLatin1(text)) {
            return action;
        }
    }
    return nullptr;
}

// Chooses the entry of the next menu as the user does, with the keyboard.
void chooseOnMenu(const char* text) {
    onMenu([text](QMenu* menu) {
        QAction* action = entry(menu, text);
        ASSERT_NE(action, nullptr) << text;
        menu->setActiveAction(action);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
    });
}

TEST(HubPro, TheStoreSettingSelectsTheStoreItReturns) {
    hubtest::HubWindow hub(2);
    CHubDlg& window = hub.window();
    auto& ui = hub.env().ui();
    ASSERT_EQ(window.CurrentStore(), 999);

    // A store made in the store list is selected afterwards, each time.
    struct Made {
        const char* name;
        int vekModelNo;
        int storeNo;
        const char* desktopStore;
    };
    for (const Made& made : {Made{"Harbour", 0, 1, "001"}, Made{"Market", 501, 2, "002"}}) {
        // The archive of the store selected before is not the new store's: a later save asks
        // for a name instead of writing the new store's settings over it.
        window.Document().SetFilePath("/card/before.092");
        scriptStoreList(ui,
                        [](tk73store::StoreListSetting& setting) { return setting.newStore(); });
        scriptConfiguration(ui, made.name, 301, made.vekModelNo);
        proExtras(hub).OnStoreSetting();
        EXPECT_EQ(window.Document().GetFilePath(), "");
        EXPECT_EQ(window.CurrentStore(), made.storeNo);
        EXPECT_EQ(storeOf(made.storeNo).storeName, made.name);
        EXPECT_EQ(hub.env().desktop(), (Strings{"000", made.desktopStore, "999"}));
        EXPECT_EQ(window.Document().GetState(), 3);
    }

    // A changed store is selected too.
    scriptStoreList(ui,
                    [](tk73store::StoreListSetting& setting) { return setting.modifyStore(1); });
    scriptConfiguration(ui, "Harbour", 420, 0);
    proExtras(hub).OnStoreSetting();
    EXPECT_EQ(window.CurrentStore(), 1);
    int modelNo = 0;
    proExtras(hub).StoreBar().GetSelectedStore(nullptr, nullptr, &modelNo, nullptr);
    EXPECT_EQ(modelNo, 420);

    // Without a change the selection stays, and the archive with it; once its store is removed,
    // nothing is selected.
    window.Document().SetFilePath("/card/harbour.092");
    scriptStoreList(ui, [](tk73store::StoreListSetting&) { return 0; });
    proExtras(hub).OnStoreSetting();
    EXPECT_EQ(window.CurrentStore(), 1);
    EXPECT_EQ(window.Document().GetFilePath(), "/card/harbour.092");
    scriptStoreList(ui,
                    [](tk73store::StoreListSetting& setting) { return setting.removeStore(1); });
    ui.pressButton(Button::Yes);  // "Are you sure to delete all?"
    proExtras(hub).OnStoreSetting();
    EXPECT_EQ(window.CurrentStore(), 999);
    EXPECT_EQ(window.Document().GetState(), 1);
}

TEST(HubPro, TheVekSettingSetsTheControllerOfTheSelectedStore) {
    hubtest::HubWindow hub(2, {"TK73DTL"});
    CHubDlg& window = hub.window();
    QAbstractButton* vekSetting = window.Button(kVekSettingControl);
    ASSERT_NE(vekSetting, nullptr);
    EXPECT_FALSE(vekSetting->isEnabled());

    // A store without a controller: the other tools can be used, the VEK setting cannot.
    const int harbour = hub.selectNewStore("Harbour", 301, 0);
    EXPECT_TRUE(window.Button(1029)->isEnabled());
    EXPECT_FALSE(vekSetting->isEnabled());
    // The store gets a controller in the store setting.
    auto& ui = hub.env().ui();
    scriptStoreList(ui, [harbour](tk73store::StoreListSetting& setting) {
        return setting.modifyStore(harbour);
    });
    scriptConfiguration(ui, "Harbour", 301, 501);
    proExtras(hub).OnStoreSetting();
    EXPECT_TRUE(vekSetting->isEnabled());

    // The detail tool starts with the controller's setting current.
    const std::string reports = hub.env().doubleFolder();
    hub.press(kVekSettingControl);
    ASSERT_TRUE(hubtest::waitFor([&] { return std::filesystem::exists(reports + "/started"); }));
    std::istringstream started(hubtest::fileText(reports + "/started"));
    std::string name;
    std::string programSwitch;
    std::getline(started, name);
    std::getline(started, programSwitch);
    EXPECT_EQ(name, "TK73DTL");
    EXPECT_EQ(programSwitch, "/CURVEKSET");
    std::ofstream(reports + "/close.part") << "close";
    std::filesystem::rename(reports + "/close.part", reports + "/close");
    ASSERT_TRUE(hubtest::waitFor([&] { return !window.IsLaunching(); }));

    // Another store without a controller turns it off again; so does state 1.
    hub.selectNewStore("Market", 420, 0);
    EXPECT_FALSE(vekSetting->isEnabled());
    proExtras(hub).StoreBar().ChangeSelectedStore(0, harbour, 301);
    window.Document().SetState(3);
    EXPECT_TRUE(vekSetting->isEnabled());
    window.Document().SetState(1);
    EXPECT_FALSE(vekSetting->isEnabled());
}

TEST(HubStandAlone, TheRegisterMenuSetsHowTheWorkingStoreIsReached) {
    hubtest::HubWindow hub(1);
    auto& ui = hub.env().ui();
    // Before New there is no working store to set.
    QStringList entries;
    bool usable = true;
    onMenu([&](QMenu* menu) {
        for (const QAction* action : menu->actions()) {
            entries << action->text();
        }
        const QAction* connection = entry(menu, text::kConnectionSetting);
        const QAction* history = entry(menu, text::kTransferHistory);
        usable = connection == nullptr || connection->isEnabled() || history == nullptr ||
                 history->isEnabled();
    });
    hub.press(1028);
    EXPECT_EQ(entries, (QStringList{"Connection setting...", "Backup connection method...",
                                    "Restore connection method...", "", "Transfer history..."}));
    EXPECT_FALSE(usable);

    hub.runNew(301, 0);
    // The menu as the user sees it, kept for review.
    onMenu([](QMenu* menu) {
        QDir().mkpath(QStringLiteral(TK73_SHELL_SCREENSHOTS));
        EXPECT_TRUE(menu->grab().save(QStringLiteral(TK73_SHELL_SCREENSHOTS "/register-menu.png")));
        const QAction* connection = entry(menu, text::kConnectionSetting);
        ASSERT_NE(connection, nullptr);
        EXPECT_TRUE(connection->isEnabled());
    });
    hub.press(1028);

    // The registers by hand at two addresses: Cancel writes nothing, OK writes them.
    const std::string before = tables();
    for (const Button answer : {Button::Cancel, Button::Ok}) {
        ui.handleDialog("ConfigConnect", [answer](tk73::DialogRequest& request) {
            auto& connections = static_cast<tk73store::ConfigConnectRequest&>(request).connections;
            EXPECT_EQ(connections.connection(0).mode, tk73store::kConnectAuto);
            connections.setConnection(0, {tk73store::kConnectManual, {0xC0A80005, 0xC0A80006}});
            return answer;
        });
        chooseOnMenu(text::kConnectionSetting);
        hub.press(1028);
        if (answer == Button::Cancel) {
            EXPECT_EQ(tables(), before);
        }
    }
    const STORE_EDB store = storeOf(1);
    EXPECT_EQ(store.regSelType, '1');
    EXPECT_EQ(store.vekSelType, '0');
    EXPECT_EQ(tk73store::readConnectionType(store, 0).addresses,
              (std::vector<uint32_t>{0xC0A80005, 0xC0A80006}));
}

}  // namespace
}  // namespace tk73hub
