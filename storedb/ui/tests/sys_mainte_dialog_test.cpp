// Backup, restore and initialisation driven through their dialogs; every case then looks at the
// database and backup folders on disk.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"
#include "storedb/store_life_cycle.h"
#include "storedb/sys_init.h"
#include "storedb/sys_mainte.h"
#include "storedb/ui/sys_mainte_dlg.h"
#include "storedb/ui/tests/store_dialog_test_support.h"

using storeuitest::child;
using storeuitest::pressOk;
using tk73::Button;
using tk73store::SysMainteKind;
using tk73test::whenModal;
using Strings = std::vector<std::string>;

namespace {

constexpr const char* kErrorEnd =
    "Error end.\nIn case of occur the error again. Please reboot Windows OS.";

std::string registryText(const char* name) {
    char text[4096] = {};
    AecrbsGetRegistryCurrentUserSystemString(nullptr, text, sizeof text, name);
    return text;
}

}  // namespace

class SysMainteDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        failures_ = storeuitest::scriptFailures();
        env_ = std::make_unique<storeuitest::StoreDialogEnvironment>();
        CTK73edbModel first;
        STORE_EDB store = storetest::storeRecord(0, "Shop", storetest::kKR301);
        QCOMPARE(tk73store::CreateStore(store), 1);
        backup_ = env_->temp().path("backup");
    }

    void cleanup() {
        env_.reset();
        QCOMPARE(storeuitest::scriptFailures(), failures_);
    }

    void aMissingBackupFolderAnsweredNoRunsNothing() {
        tk73store::SysMaintenance backup(SysMainteKind::SystemBackup);
        CTK73mntSysMainteDlg dialog(backup);
        dialog.show();
        auto* folder = child<QLineEdit>(&dialog, "folder");
        char fallback[TK73_MAX_PATH] = {};
        AecrbsGetTK73BackUpDefaultFolder(fallback);
        QCOMPARE(folder->text().toStdString(), std::string(fallback));

        folder->setText(QString::fromStdString(backup_));
        env_->ui().pressButton(Button::No);
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QVERIFY(!std::filesystem::exists(backup_));
        QCOMPARE(env_->questions(), Strings{"The folder doesn't exist. Do you want to create?"});
        QCOMPARE(env_->messages(), Strings{"Please change the folder to select."});
        QVERIFY(env_->ui().textsOf(tk73test::InteractionKind::Progress).empty());
    }

    void aBackupRestoresAndIsRemembered() {
        env_->showRealDialog("SysMainte");
        env_->ui().pressButton(Button::Yes);  // create the folder
        env_->ui().pressButton(Button::Ok);   // start
        whenModal<CTK73mntSysMainteDlg>([this](CTK73mntSysMainteDlg* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("System backup"));
            child<QLineEdit>(dialog, "folder")->setText(QString::fromStdString(backup_));
            pressOk(dialog);
            storeuitest::closeIfOpen(dialog);
        });
        QCOMPARE(CTK73mntSysMainte().ExecuteSystemBackup(), 1);
        QVERIFY(std::filesystem::exists(backup_ + "/ecrsbkup/S001/M001/KR301.INI"));
        QVERIFY(std::filesystem::exists(backup_ + "/ecrsbkup.ini"));
        QCOMPARE(registryText("BACKUPFOLDER"), backup_);
        QCOMPARE(env_->messages(), Strings{"Normal End."});
        const std::vector<std::string> backedUp = env_->dataBaseListing();
        const std::string stores = env_->table("STORE");

        STORE_EDB second = storetest::storeRecord(0, "Later", storetest::kKR420);
        QCOMPARE(tk73store::CreateStore(second), 1);
        QVERIFY(AecrbsSetRegistryCurrentUserSystemString(nullptr, "BACKUPFOLDER", "") != 0);

        env_->showRealDialog("SysMainte");
        env_->ui().pressButton(Button::Ok);
        whenModal<CTK73mntSysMainteDlg>([this](CTK73mntSysMainteDlg* dialog) {
            child<QLineEdit>(dialog, "folder")->setText(QString::fromStdString(backup_));
            pressOk(dialog);
            storeuitest::closeIfOpen(dialog);
        });
        QCOMPARE(CTK73mntSysMainte().ExecuteSystemRestore(), 1);
        QCOMPARE(env_->dataBaseListing(), backedUp);
        QCOMPARE(env_->table("STORE"), stores);
        QCOMPARE(registryText("BACKUPFOLDER"), backup_);
        QCOMPARE(env_->questions().back(), std::string("Are you sure to start restore?"));
        const tk73test::RecordedInteraction last = env_->ui().calls().end()[-2];
        QCOMPARE(last.text, std::string("Normal End."));
        QCOMPARE(last.caption, std::string("System restore"));
    }

    void aRestoreNeedsAnExistingFolder() {
        tk73store::SysMaintenance restore(SysMainteKind::ConnectRestore);
        CTK73mntSysMainteDlg dialog(restore);
        dialog.show();
        auto* folder = child<QLineEdit>(&dialog, "folder");
        folder->clear();
        pressOk(&dialog);
        folder->setText(QString::fromStdString(backup_));
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(env_->messages(),
                 (Strings{"Please select the folder.", "The folder doesn't exist."}));
        QVERIFY(env_->questions().empty());
    }

    void aFailedBackupKeepsTheDialogOpenAndTheDatabase() {
        // The description file cannot be written where a folder has its name.
        std::filesystem::create_directories(backup_ + "/ecrsbkup.ini");
        const std::vector<std::string> before = env_->dataBaseListing();
        const std::string stores = env_->table("STORE");
        tk73store::SysMaintenance backup(SysMainteKind::ConnectBackup);
        CTK73mntSysMainteDlg dialog(backup);
        dialog.show();
        child<QLineEdit>(&dialog, "folder")->setText(QString::fromStdString(backup_));
        env_->ui().pressButton(Button::Ok);
        pressOk(&dialog);

        QVERIFY(dialog.isVisible());
        QVERIFY(!backup.succeeded());
        QCOMPARE(env_->messages(), Strings{kErrorEnd});
        QCOMPARE(env_->ui().calls().back().icon, tk73::MessageIcon::Error);
        QCOMPARE(env_->dataBaseListing(), before);
        QCOMPARE(env_->table("STORE"), stores);
        QCOMPARE(registryText("BACKUPFOLDER"), std::string());
    }

    void initialisingClearsTheDatabaseAndTheCurrentStore() {
        QCOMPARE(AecrbsSetDesktopRegister("000", "001", "001"), 1);
        env_->showRealDialog("SysMainte");
        env_->ui().pressButton(Button::Ok);
        whenModal<CTK73mntSysMainteDlg>([](CTK73mntSysMainteDlg* dialog) {
            QVERIFY(child<QLineEdit>(dialog, "folder") == nullptr);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(CTK73mntSysMainte().ExecuteSystemInit(), 1);
        QCOMPARE(env_->dataBaseListing(),
                 (Strings{"BRANCH.edb", "REGISTER.edb", "STORE.edb", "VEK.edb"}));
        QCOMPARE(CTK73edbStore().GetStoreCnt(), 0);
        char branch[4096], store[4096], reg[4096];
        AecrbsGetDesktopRegister(branch, store, reg);
        QCOMPARE(std::string(branch) + store + reg, std::string("999999999"));
        QCOMPARE(env_->questions(), Strings{"Are you sure to start clear system?"});
        QCOMPARE(env_->ui().calls().end()[-2].caption, std::string("System all clear"));
    }

    void cancellingTheQuestionChangesNothing() {
        env_->showRealDialog("SysMainte");
        env_->ui().pressButton(Button::Cancel);
        whenModal<CTK73mntSysMainteDlg>([](CTK73mntSysMainteDlg* dialog) {
            pressOk(dialog);
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(CTK73mntSysMainte().ExecuteSystemInit(), 0);
        QCOMPARE(CTK73edbStore().GetStoreCnt(), 1);
    }

    void clearDataBaseRunsWithoutADialog() {
        QCOMPARE(CTK73mntSysInit().ClearDataBase(), 1);
        QCOMPARE(CTK73edbStore().GetStoreCnt(), 0);
        QVERIFY(!std::filesystem::exists(env_->storeFolder(1)));
        QVERIFY(env_->ui().calls().empty());
    }

  private:
    std::unique_ptr<storeuitest::StoreDialogEnvironment> env_;
    std::string backup_;
    int failures_ = 0;
};

QTEST_MAIN(SysMainteDialogTest)
#include "sys_mainte_dialog_test.moc"
