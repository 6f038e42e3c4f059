// The store configuration, the store list and the connection pages driven as a user drives them;
// every case then looks at the tables and folders on disk.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

#include "base/registry_settings.h"
#include "storedb/config_store.h"
#include "storedb/connection_setting.h"
#include "storedb/edb_model.h"
#include "storedb/edb_reg_vek.h"
#include "storedb/edb_store.h"
#include "storedb/store_life_cycle.h"
#include "storedb/ui/config_connect_dlg.h"
#include "storedb/ui/config_store_dlg.h"
#include "storedb/ui/conn_type_ip_dlg.h"
#include "storedb/ui/conn_type_page.h"
#include "storedb/ui/setting_store_dlg.h"
#include "storedb/ui/tests/store_dialog_test_support.h"

using storetest::kKR301;
using storetest::kKR420;
using storetest::kVK500;
using storeuitest::child;
using storeuitest::pick;
using storeuitest::pressOk;
using tk73::Button;
using tk73test::whenModal;
using Strings = std::vector<std::string>;

namespace {

constexpr const char* kSaveQuestion = "Are you sure to save setting?";
constexpr const char* kRegisterChangeQuestion =
    "Changing type of machine, it'll delete programs \nin current ECR. Do you want to modify?";

STORE_EDB storeNo(int number) {
    STORE_EDB store;
    CTK73edbStore().GetStoreFromStoreNo(number, &store);
    return store;
}

STORE_MANAGE machines(int store, int kind) {
    STORE_MANAGE block;
    // A store without machines has an empty block, which the tests compare.
    if (kind == 1) {
        (void)CTK73edbVek(store).GetRegister(&block);
    } else {
        (void)CTK73edbRegister(store).GetRegister(&block);
    }
    return block;
}

// Types an address into the IP dialog that the next Add opens and confirms it with Enter.
void enterAddressOnAdd(const QString& address) {
    whenModal<CVekConfigConnTypeIpDlg>([address](CVekConfigConnTypeIpDlg* dialog) {
        QTest::keyClicks(child<QLineEdit>(dialog, "ipAddress"), address);
        QTest::keyClick(child<QLineEdit>(dialog, "ipAddress"), Qt::Key_Return);
        storeuitest::closeIfOpen(dialog);
    });
}

}  // namespace

class ConfigStoreDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        failures_ = storeuitest::scriptFailures();
        env_ = std::make_unique<storeuitest::StoreDialogEnvironment>();
        CTK73edbModel first;  // makes the database folder
    }

    void cleanup() {
        env_.reset();
        AecrbsSetLaunchVekTool(0);
        QCOMPARE(storeuitest::scriptFailures(), failures_);
    }

    void createsAStoreWithARegisterAndAController() {
        env_->showRealDialog("ConfigStore");
        env_->ui().pressButton(Button::Ok);
        whenModal<CVekConfigStoreDlg>([](CVekConfigStoreDlg* dialog) {
            QTest::keyClicks(child<QLineEdit>(dialog, "storeName"), "Main street");
            pick(child<QComboBox>(dialog, "vekModels"), kVK500);
            pick(child<QComboBox>(dialog, "registerModels"), kKR301);
            QTest::keyClicks(child<QLineEdit>(dialog, "clerk"), "Ann");
            pressOk(dialog);
            storeuitest::closeIfOpen(dialog);
        });
        CConfigStore config;
        QCOMPARE(config.CreateStore(), 1);
        QCOMPARE(config.GetStoreNo(), 1);

        const STORE_EDB store = storeNo(1);
        QCOMPARE(store.storeName, std::string("Main street"));
        QCOMPARE(store.clerk, std::string("Ann"));
        QCOMPARE(store.regModelNo, kKR301);
        QCOMPARE(store.vekModelNo, kVK500);
        QCOMPARE(store.vekLinkage, '0');
        QCOMPARE(store.regSelType, '0');
        QCOMPARE(env_->listing(env_->storeFolder(1)),
                 (Strings{"M001", "M001/KR301.INI", "O001", "O001/VK500.INI"}));
        QCOMPARE(env_->notices(), (std::vector<std::pair<int, int>>{{1, 0}}));
        QCOMPARE(env_->questions(), Strings{kSaveQuestion});
        QCOMPARE(machines(1, 0).entries[31].machineNo, 32);
        QCOMPARE(machines(1, 1).entries[0].operateStatus, '0');
    }

    void checksTheFieldsInOrderAndKeepsTheDialogOpen() {
        STORE_EDB existing = storetest::storeRecord(0, "Shop", kKR301);
        QCOMPARE(tk73store::CreateStore(existing), 1);
        auto configuration = tk73store::StoreConfiguration::ForNew();
        CVekConfigStoreDlg dialog(*configuration);
        dialog.show();
        auto* name = child<QLineEdit>(&dialog, "storeName");

        pressOk(&dialog);
        name->setText(QStringLiteral("Shop"));
        pressOk(&dialog);
        name->setText(QStringLiteral("Second"));
        pressOk(&dialog);
        pick(child<QComboBox>(&dialog, "registerModels"), kKR420);
        env_->ui().pressButton(Button::Cancel);
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(CTK73edbStore().GetStoreCnt(), 1);

        env_->ui().pressButton(Button::Ok);
        pressOk(&dialog);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(env_->messages(),
                 (Strings{"Enter store descriptor.", "The store name has already exist.",
                          "Select ECR model."}));
        for (const tk73test::RecordedInteraction& call : env_->ui().calls()) {
            QCOMPARE(call.caption, std::string("Store setting"));
        }
        QCOMPARE(storeNo(2).regModelNo, kKR420);
    }

    void namesRefuseCharactersTheRegisterCannotPrint() {
        auto configuration = tk73store::StoreConfiguration::ForNew();
        CVekConfigStoreDlg dialog(*configuration);
        dialog.show();
        for (const char* name : {"storeName", "clerk"}) {
            auto* field = child<QLineEdit>(&dialog, name);
            // "Łódź" pasted: "Ł" and "ź" are no characters of Windows-1252 and would be "?".
            field->insert(
                QString::fromUtf8("\xC5\x81\xC3\xB3"
                                  "d\xC5\xBA"));
            QCOMPARE(field->text(), QString::fromUtf8("\xC3\xB3"
                                                      "d"));
            QVERIFY(QToolTip::text().contains(QString::fromUtf8("[\xC5\x81\xC5\xBA]")));
        }
        QVERIFY(env_->ui().calls().empty());
    }

    void theControllerToolNeedsAControllerModel() {
        AecrbsSetLaunchVekTool(1);
        CTK73edbModel first;
        auto configuration = tk73store::StoreConfiguration::ForNew();
        CVekConfigStoreDlg dialog(*configuration);
        dialog.show();
        child<QLineEdit>(&dialog, "storeName")->setText(QStringLiteral("Kitchen"));
        pick(child<QComboBox>(&dialog, "registerModels"), kKR301);
        pressOk(&dialog);
        QCOMPARE(env_->messages(), Strings{"Please select the VEK type."});
        QVERIFY(dialog.isVisible());
    }

    void changingTheRegisterModelAsksAndClearsTheRegisterPart() {
        STORE_EDB store = storetest::storeRecord(0, "Shop", kKR301, kVK500);
        QCOMPARE(tk73store::CreateStore(store), 1);
        const std::string folder = env_->storeFolder(1);
        tk73test::TempEnvironment::writeFile(folder + "/M001/FILE001P.TXT", "register\r\n");
        tk73test::TempEnvironment::writeFile(folder + "/O001/FILE401P.TXT", "controller\r\n");

        env_->showRealDialog("ConfigStore");
        env_->ui().pressButton(Button::Ok);  // the model change
        env_->ui().pressButton(Button::Ok);  // the whole setting
        whenModal<CVekConfigStoreDlg>([](CVekConfigStoreDlg* dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "storeName")->text(), QStringLiteral("Shop"));
            pick(child<QComboBox>(dialog, "registerModels"), kKR420);
            pressOk(dialog);
            storeuitest::closeIfOpen(dialog);
        });
        QCOMPARE(CConfigStore().EditStore(1), 1);

        QCOMPARE(env_->questions(), (Strings{kRegisterChangeQuestion, kSaveQuestion}));
        QCOMPARE(storeNo(1).regModelNo, kKR420);
        QCOMPARE(env_->listing(folder), (Strings{"M001", "M001/KR420.INI", "O001",
                                                 "O001/FILE401P.TXT", "O001/VK500.INI"}));
        QCOMPARE(env_->notices(), (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}}));
    }

    void aModelChangeTheUserDeclinesPutsThePreviousModelBack() {
        STORE_EDB store = storetest::storeRecord(0, "Shop", kKR301, kVK500);
        QCOMPARE(tk73store::CreateStore(store), 1);
        const std::string before = env_->table("STORE");
        auto configuration = tk73store::StoreConfiguration::ForModify(1);
        CVekConfigStoreDlg dialog(*configuration);
        dialog.show();
        auto* registers = child<QComboBox>(&dialog, "registerModels");
        auto* veks = child<QComboBox>(&dialog, "vekModels");

        env_->ui().pressButton(Button::Cancel);
        pick(registers, kKR420);
        env_->ui().pressButton(Button::Cancel);
        pick(veks, 0);
        QCOMPARE(registers->currentData().toInt(), kKR301);
        QCOMPARE(veks->currentData().toInt(), kVK500);
        QCOMPARE(env_->questions().back(),
                 std::string("If change VEK model,\nall of VEK setting data will be "
                             "cleared.\n\nAre you sure?"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(env_->table("STORE"), before);
    }

    void theStoreListCopiesTwiceAndRemoves() {
        STORE_EDB store = storetest::storeRecord(0, "Shop", kKR301);
        QCOMPARE(tk73store::CreateStore(store), 1);
        tk73test::TempEnvironment::writeFile(env_->storeFolder(1) + "/M001/FILE001P.TXT", "x\r\n");
        tk73store::StoreListSetting setting;
        CVekSettingStoreDlg dialog(setting);
        dialog.show();
        auto* stores = child<QTreeWidget>(&dialog, "stores");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Branch list setting"));

        for (const char* copyName : {"Copy_Shop", "Copy_Copy_Shop"}) {
            stores->setCurrentItem(stores->topLevelItem(0));
            env_->showRealDialog("ConfigStore");
            env_->ui().pressButton(Button::Ok);
            whenModal<CVekConfigStoreDlg>([copyName](CVekConfigStoreDlg* config) {
                QCOMPARE(child<QLineEdit>(config, "storeName")->text(),
                         QString::fromLatin1(copyName));
                QVERIFY(!child<QComboBox>(config, "registerModels")->isEnabled());
                pressOk(config);
                storeuitest::closeIfOpen(config);
            });
            QTest::mouseClick(child<QPushButton>(&dialog, "copy"), Qt::LeftButton);
            QCOMPARE(stores->currentItem()->text(1), QString::fromLatin1(copyName));
        }
        QCOMPARE(stores->topLevelItemCount(), 3);
        QCOMPARE(storeNo(3).storeName, std::string("Copy_Copy_Shop"));
        QCOMPARE(env_->listing(env_->storeFolder(3)),
                 (Strings{"M001", "M001/FILE001P.TXT", "M001/KR301.INI"}));

        stores->setCurrentItem(stores->topLevelItem(0));
        env_->ui().pressButton(Button::Yes);
        QTest::mouseClick(child<QPushButton>(&dialog, "remove"), Qt::LeftButton);
        QCOMPARE(env_->questions().back(), std::string("\"Shop\"  \nAre you sure to delete all?"));
        QVERIFY(!std::filesystem::exists(env_->storeFolder(1)));
        QCOMPARE(CTK73edbStore().GetStoreCnt(), 2);
        QCOMPARE(stores->topLevelItemCount(), 2);
        QCOMPARE(stores->currentItem()->text(1), QStringLiteral("Copy_Shop"));
    }

    void theConnectionPageTakes32AddressesAndRefusesDuplicates() {
        auto configuration = tk73store::StoreConfiguration::ForNew();
        CVekConfigConnectDlg dialog(*configuration);
        dialog.show();
        CVekConfigConnTypeDlg* page = dialog.tabs()->page(0);
        auto* add = child<QPushButton>(page, "add");
        auto* remove = child<QPushButton>(page, "remove");
        auto* list = child<QListWidget>(page, "addresses");
        QVERIFY(!list->isEnabled() && !add->isEnabled() && !remove->isEnabled());

        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // A mnemonic clicks its button after the short press the button shows.
        QTest::keyClick(&dialog, Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(child<QRadioButton>(page, "manual")->isChecked());
        QVERIFY(add->isEnabled() && !remove->isEnabled());
        for (int machine = 1; machine <= 32; ++machine) {
            enterAddressOnAdd(QStringLiteral("192.168.0.%1").arg(machine));
            QTest::mouseClick(add, Qt::LeftButton);
        }
        QCOMPARE(list->count(), 32);
        QVERIFY(!add->isEnabled());
        QTest::mouseClick(add, Qt::LeftButton);  // the 33rd: nothing opens
        QCOMPARE(list->count(), 32);

        list->setCurrentRow(31);
        QTest::mouseClick(remove, Qt::LeftButton);
        QVERIFY(add->isEnabled());
        enterAddressOnAdd(QStringLiteral("192.168.0.1"));
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(list->count(), 31);
        QCOMPARE(env_->messages(), Strings{"Same IP address has already exist."});

        // OK on an empty address, or on one that is none, keeps the small dialog open; the
        // message names what was typed.
        whenModal<CVekConfigConnTypeIpDlg>([this](CVekConfigConnTypeIpDlg* ip) {
            auto* field = child<QLineEdit>(ip, "ipAddress");
            field->clear();
            pressOk(ip);
            QVERIFY(ip->isVisible());
            QCOMPARE(env_->messages().back(), std::string("Enter IP address."));
            QTest::keyClicks(field, "10.1.2.300");
            pressOk(ip);
            QVERIFY(ip->isVisible());
            QCOMPARE(env_->messages().back(), std::string("Enter IP address.\n10.1.2.300"));
            field->clear();
            QTest::keyClicks(field, "10.1.2.3");
            pressOk(ip);
            storeuitest::closeIfOpen(ip);
        });
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("10.1.2.3"));

        pressOk(&dialog);
        const tk73store::ConnectionType connection = configuration->connection(0);
        QCOMPARE(connection.mode, tk73store::kConnectManual);
        QCOMPARE(connection.addresses.size(), size_t(32));
        QCOMPARE(connection.addresses.back(), uint32_t(0x0A010203));
        QCOMPARE(configuration->connection(1).mode, tk73store::kConnectAuto);
    }

    void theAddressesReachTheTablesOnlyWithTheStore() {
        STORE_EDB store = storetest::storeRecord(0, "Shop", kKR301, kVK500);
        QCOMPARE(tk73store::CreateStore(store), 1);
        const std::string registersBefore = env_->table("REGISTER");
        auto configuration = tk73store::StoreConfiguration::ForModify(1);
        CVekConfigStoreDlg dialog(*configuration);
        dialog.show();

        bool connectionSet = false;
        whenModal<CVekConfigConnectDlg>([&connectionSet](CVekConfigConnectDlg* connect) {
            CVekConfigConnTypeDlg* page = connect->tabs()->page(1);
            connect->tabs()->setCurrentIndex(1);
            storeuitest::clickIndicator(child<QRadioButton>(page, "manual"));
            enterAddressOnAdd(QStringLiteral("10.0.0.7"));
            QTest::mouseClick(child<QPushButton>(page, "add"), Qt::LeftButton);
            pressOk(connect);
            storeuitest::closeIfOpen(connect);
            connectionSet = true;
        });
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(connectionSet);
        QCOMPARE(env_->table("REGISTER"), registersBefore);
        QCOMPARE(machines(1, 1).entries[0].operateStatus, '0');

        env_->ui().pressButton(Button::Ok);
        pressOk(&dialog);
        QCOMPARE(storeNo(1).vekSelType, '1');
        QCOMPARE(storeNo(1).regSelType, '0');
        const STORE_MANAGE veks = machines(1, 1);
        QCOMPARE(veks.entries[0].ipAddr, std::string("10.0.0.7"));
        QCOMPARE(veks.entries[0].operateStatus, '1');
        QCOMPARE(veks.entries[1].operateStatus, '0');
    }

    void theConnectionSettingOfAStoreWritesOnlyOnOk() {
        STORE_EDB store = storetest::storeRecord(0, "Shop", kKR301, kVK500);
        QCOMPARE(tk73store::CreateStore(store), 1);
        const Strings tables = {env_->table("STORE"), env_->table("REGISTER"), env_->table("VEK")};
        // The registers by hand at one address; Cancel, then OK.
        for (const bool confirm : {false, true}) {
            env_->showRealDialog("ConfigConnect");
            whenModal<CVekConfigConnectDlg>([confirm](CVekConfigConnectDlg* connect) {
                CVekConfigConnTypeDlg* page = connect->tabs()->page(0);
                storeuitest::clickIndicator(child<QRadioButton>(page, "manual"));
                enterAddressOnAdd(QStringLiteral("10.0.0.9"));
                QTest::mouseClick(child<QPushButton>(page, "add"), Qt::LeftButton);
                if (confirm) {
                    pressOk(connect);
                    storeuitest::closeIfOpen(connect);
                } else {
                    connect->reject();
                }
            });
            QCOMPARE(tk73store::EditStoreConnection(1), confirm ? 1 : 0);
            if (!confirm) {
                QCOMPARE(
                    (Strings{env_->table("STORE"), env_->table("REGISTER"), env_->table("VEK")}),
                    tables);
            }
        }
        QCOMPARE(storeNo(1).regSelType, '1');
        QCOMPARE(storeNo(1).vekSelType, '0');
        QCOMPARE(storeNo(1).storeName, std::string("Shop"));
        const STORE_MANAGE registers = machines(1, 0);
        QCOMPARE(registers.entries[0].ipAddr, std::string("10.0.0.9"));
        QCOMPARE(registers.entries[0].operateStatus, '1');
        QCOMPARE(registers.entries[1].operateStatus, '0');

        // The dialog opens on what the store holds now.
        env_->showRealDialog("ConfigConnect");
        whenModal<CVekConfigConnectDlg>([](CVekConfigConnectDlg* connect) {
            CVekConfigConnTypeDlg* page = connect->tabs()->page(0);
            QVERIFY(child<QRadioButton>(page, "manual")->isChecked());
            QCOMPARE(child<QListWidget>(page, "addresses")->item(0)->text(),
                     QStringLiteral("10.0.0.9"));
            QVERIFY(child<QRadioButton>(connect->tabs()->page(1), "auto")->isChecked());
            connect->reject();
        });
        QCOMPARE(tk73store::EditStoreConnection(1), 0);
        // A store that is not there opens nothing.
        const size_t calls = env_->ui().calls().size();
        QCOMPARE(tk73store::EditStoreConnection(7), 0);
        QCOMPARE(env_->ui().calls().size(), calls);
    }

  private:
    std::unique_ptr<storeuitest::StoreDialogEnvironment> env_;
    int failures_ = 0;
};

QTEST_MAIN(ConfigStoreDialogTest)
#include "config_store_dialog_test.moc"
