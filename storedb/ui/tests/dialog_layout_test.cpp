// Every store dialog rendered offscreen at its default size and put through the rendering check
// of the suite: nothing cut, out of reach or on top of another. The pictures land in the build
// folder ("store-dialog-screens") for review.

#include <QCoreApplication>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "storedb/edb_branch.h"
#include "storedb/edb_model.h"
#include "storedb/store_life_cycle.h"
#include "storedb/ui/config_connect_dlg.h"
#include "storedb/ui/config_store_dlg.h"
#include "storedb/ui/conn_type_ip_dlg.h"
#include "storedb/ui/select_model_dlg.h"
#include "storedb/ui/select_store.h"
#include "storedb/ui/select_store_dlg.h"
#include "storedb/ui/setting_store_dlg.h"
#include "storedb/ui/sys_mainte_dlg.h"
#include "storedb/ui/tests/store_dialog_test_support.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

// Shows the window at its default size, saves its picture and answers the faults found.
QStringList render(QWidget* window, const QString& name) {
    return tk73test::renderedProblems(*window, QCoreApplication::applicationDirPath() +
                                                   QStringLiteral("/../store-dialog-screens/") +
                                                   name + QStringLiteral(".png"));
}

}  // namespace

class DialogLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        env_ = std::make_unique<storeuitest::StoreDialogEnvironment>();
        CTK73edbModel first;
        BRANCH_EDB branch;
        branch.branchNo = 1;
        branch.branchName = "Northern district branch";
        QCOMPARE(CTK73edbBranch().AddBranch(branch), 1);
        // Names as long as the fields take, so that the widest texts are the ones laid out.
        STORE_EDB store = storetest::storeRecord(0, std::string(40, 'W'), storetest::kKR301,
                                                 storetest::kVK500, 1);
        store.clerk = "Clerk of the store";
        store.comment = "Opened in spring; the controller serves the terrace.";
        QCOMPARE(tk73store::CreateStore(store), 1);
        STORE_EDB second = storetest::storeRecord(0, "Market", storetest::kKR420);
        QCOMPARE(tk73store::CreateStore(second), 1);
    }

    void cleanupTestCase() { env_.reset(); }

    void theStoreConfiguration() {
        auto configuration = tk73store::StoreConfiguration::ForModify(1);
        CVekConfigStoreDlg dialog(*configuration);
        const QStringList faults = render(&dialog, QStringLiteral("config_store"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void theConnectionPages() {
        auto configuration = tk73store::StoreConfiguration::ForModify(1);
        configuration->setConnection(0, {tk73store::kConnectManual, {0xC0A80001, 0xC0A800FE}});
        CVekConfigConnectDlg dialog(*configuration);
        for (const int kind : {0, 1}) {
            dialog.tabs()->setCurrentIndex(kind);
            const QStringList faults =
                render(&dialog, QStringLiteral("connection_page_%1").arg(kind));
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
        CVekConfigConnTypeIpDlg address(0xC0A80001);
        const QStringList faults = render(&address, QStringLiteral("ip_address"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void theModelDialog() {
        tk73store::ModelChoice choice(tk73store::kSelectModelNewStore);
        CSelectModelDlg dialog(choice);
        const QStringList faults = render(&dialog, QStringLiteral("select_model"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void theMaintenanceDialogs() {
        for (const auto kind :
             {tk73store::SysMainteKind::SystemBackup, tk73store::SysMainteKind::SystemRestore,
              tk73store::SysMainteKind::SystemInit}) {
            tk73store::SysMaintenance maintenance(kind);
            CTK73mntSysMainteDlg dialog(maintenance);
            const QStringList faults =
                render(&dialog, QStringLiteral("sys_mainte_%1").arg(static_cast<int>(kind)));
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
    }

    void theStoreListAndTheStoreChoice() {
        tk73store::StoreListSetting setting;
        CVekSettingStoreDlg list(setting);
        QStringList faults = render(&list, QStringLiteral("store_list"));
        tk73store::StoreSelection selection(tk73store::kSelectStoreChooseOnly, 1, 1, -1, false);
        CSelectStoreDlg choice(selection);
        faults << render(&choice, QStringLiteral("select_store"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void theStoreBar() {
        QWidget window;
        window.resize(560, 120);
        CSelectStore select;
        QCOMPARE(select.CreateSSBar(&window, 0), 1);
        select.ChangeSelectedStore(1, 1, storetest::kKR301);
        const QStringList faults = render(&window, QStringLiteral("store_bar"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

  private:
    std::unique_ptr<storeuitest::StoreDialogEnvironment> env_;
};

QTEST_MAIN(DialogLayoutTest)
#include "dialog_layout_test.moc"
