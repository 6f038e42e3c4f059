// The model dialog, the store bar and the store dialog driven as a user drives them.

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "base/registry_settings.h"
#include "storedb/edb_branch.h"
#include "storedb/edb_model.h"
#include "storedb/select_model.h"
#include "storedb/store_life_cycle.h"
#include "storedb/ui/select_model_dlg.h"
#include "storedb/ui/select_store.h"
#include "storedb/ui/select_store_dlg.h"
#include "storedb/ui/tests/store_dialog_test_support.h"

using storetest::kKR301;
using storetest::kKR420;
using storetest::kVK500;
using storeuitest::child;
using storeuitest::kKR150;
using storeuitest::pick;
using storeuitest::pressOk;
using tk73test::whenModal;
using Strings = std::vector<std::string>;

namespace {

std::string desktopStore() {
    char branch[4096], store[4096], reg[4096];
    AecrbsGetDesktopRegister(branch, store, reg);
    return std::string(branch) + "/" + store + "/" + reg;
}

// Picks the branch and then the store in the store dialog that the next click opens, and
// confirms.
void chooseOnOpen(const QString& branchName, const QString& storeName) {
    whenModal<CSelectStoreDlg>([branchName, storeName](CSelectStoreDlg* dialog) {
        auto* branches = child<QListWidget>(dialog, "branches");
        auto* stores = child<QListWidget>(dialog, "stores");
        branches->setCurrentItem(branches->findItems(branchName, Qt::MatchExactly).value(0));
        stores->setCurrentItem(stores->findItems(storeName, Qt::MatchExactly).value(0));
        pressOk(dialog);
        storeuitest::closeIfOpen(dialog);
    });
}

// KR150 cannot take a controller; KR420 can, and gets VK500.
void chooseRegisterWithController(CSelectModelDlg* dialog) {
    auto* registers = child<QComboBox>(dialog, "registerModels");
    auto* useVek = child<QCheckBox>(dialog, "useVek");
    auto* veks = child<QComboBox>(dialog, "vekModels");
    QCOMPARE(dialog->windowTitle(), QStringLiteral("New"));
    QCOMPARE(registers->count(), 3);
    QCOMPARE(registers->currentData().toInt(), kKR301);
    QVERIFY(useVek->isEnabled() && !veks->isEnabled());
    pick(registers, kKR150);
    QVERIFY(!useVek->isEnabled());
    pick(registers, kKR420);
    storeuitest::clickIndicator(useVek);
    QVERIFY(veks->isEnabled());
    pick(veks, kVK500);
    pressOk(dialog);
}

}  // namespace

class SelectDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        failures_ = storeuitest::scriptFailures();
        env_ = std::make_unique<storeuitest::StoreDialogEnvironment>();
        CTK73edbModel first;
    }

    void cleanup() {
        env_.reset();
        AecrbsSetCurrentVekSetting(0, 0);
        AecrbsSetLaunchVekTool(0);
        QCOMPARE(storeuitest::scriptFailures(), failures_);
    }

    void theModelDialogOffersAControllerOnlyWhereTheRegisterAllowsIt() {
        QWidget mainWindow;
        mainWindow.setWindowTitle(QStringLiteral("ECR Setting Tool"));
        env_->ui().handleDialog("SelectModel", [&mainWindow](tk73::DialogRequest& request) {
            auto& choice = static_cast<tk73store::SelectModelRequest&>(request).choice;
            CSelectModelDlg dialog(choice, &mainWindow);
            dialog.show();
            chooseRegisterWithController(&dialog);
            return dialog.result() == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
        });
        int registerModel = 0;
        int vekModel = 0;
        QCOMPARE(CSelectModel().Select(tk73store::kSelectModelNew, &registerModel, &vekModel), 1);
        QCOMPARE(registerModel, kKR420);
        QCOMPARE(vekModel, kVK500);
        const tk73test::RecordedInteraction notice = env_->ui().calls().front();
        QCOMPARE(notice.caption, std::string("ECR Setting Tool"));
        QCOMPARE(notice.icon, tk73::MessageIcon::Exclamation);
        QVERIFY(notice.text.rfind("To use VEK and ECR together,\n", 0) == 0);
    }

    void aRegisterWithoutControllerSupportGetsNoController() {
        tk73store::ModelChoice choice(tk73store::kSelectModelNewStore);
        CSelectModelDlg dialog(choice);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Create new store"));
        auto* useVek = child<QCheckBox>(&dialog, "useVek");
        storeuitest::clickIndicator(useVek);
        pick(child<QComboBox>(&dialog, "registerModels"), kKR150);
        pressOk(&dialog);
        QCOMPARE(choice.chosenRegisterModel(), kKR150);
        QCOMPARE(choice.chosenVekModel(), 0);
        QVERIFY(env_->messages().empty());
    }

    void theSimpleModeAndFileConversionHideTheController() {
        env_->setUserMode(1);
        tk73store::ModelChoice simple(tk73store::kSelectModelNew);
        CSelectModelDlg simpleDialog(simple);
        simpleDialog.show();
        QVERIFY(!child<QCheckBox>(&simpleDialog, "useVek")->isVisible());
        QVERIFY(!child<QComboBox>(&simpleDialog, "vekModels")->isVisible());

        env_->setUserMode(2);
        tk73store::ModelChoice convert(tk73store::kSelectModelFileConvert, kKR301);
        CSelectModelDlg convertDialog(convert);
        convertDialog.show();
        QCOMPARE(convertDialog.windowTitle(), QStringLiteral("File convert"));
        QVERIFY(!child<QCheckBox>(&convertDialog, "useVek")->isVisible());
        // The source model and a model without file conversion are not offered.
        auto* registers = child<QComboBox>(&convertDialog, "registerModels");
        QCOMPARE(registers->count(), 1);
        QCOMPARE(registers->currentData().toInt(), kKR420);
    }

    void theStoreBarNotifiesOnlyAChangedChoice() {
        BRANCH_EDB branch;
        branch.branchNo = 1;
        branch.branchName = "North";
        QCOMPARE(CTK73edbBranch().AddBranch(branch), 1);
        STORE_EDB first = storetest::storeRecord(0, "Harbour", kKR301, 0, 1);
        STORE_EDB second = storetest::storeRecord(0, "Market", kKR420, 0, 1);
        QCOMPARE(tk73store::CreateStore(first), 1);
        QCOMPARE(tk73store::CreateStore(second), 1);

        CSelectStore select;
        int branchNo = 0, storeNo = 0, modelNo = 0;
        select.GetSelectedStore(&branchNo, &storeNo, &modelNo, nullptr);
        QCOMPARE(storeNo, EDB_NO_STORE);
        QCOMPARE(modelNo, -1);
        QCOMPARE(select.IsSelected(), 1);

        QWidget window;
        window.resize(640, 200);
        QCOMPARE(select.CreateSSBar(&window, 0), 1);
        QCOMPARE(select.CreateSSBar(&window, 0), 0);
        window.show();
        CSelectStoreBarBase* bar = select.GetBar();
        QCOMPARE(bar->geometry(), QRect(0, 0, 640, bar->height()));
        QVERIFY(bar->height() >= CSelectStoreBarBase::kHeight);
        QCOMPARE(select.IsSelected(), 0);
        QSignalSpy changed(bar, &CSelectStoreBarBase::storeChanged);

        chooseOnOpen(QStringLiteral("North"), QStringLiteral("Market"));
        QTest::mouseClick(bar->selectButton(), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);
        std::string name;
        select.GetSelectedStore(&branchNo, &storeNo, &modelNo, &name);
        QCOMPARE(branchNo, 1);
        QCOMPARE(storeNo, 2);
        QCOMPARE(modelNo, kKR420);
        QCOMPARE(name, std::string("KR-420 Shop Register"));
        QCOMPARE(desktopStore(), std::string("001/002/999"));
        QVERIFY(bar->shownNames().contains(QStringLiteral("Market")));

        chooseOnOpen(QStringLiteral("North"), QStringLiteral("Market"));
        QTest::mouseClick(bar->selectButton(), Qt::LeftButton);
        QCOMPARE(changed.count(), 1);

        window.resize(800, 200);
        QCOMPARE(bar->width(), 800);
        QCOMPARE(select.ChangeSelectedStore(1, 1, kKR301), 1);
        MODEL_EDB model;
        QCOMPARE(select.GetModelForSelectedStore(&model, 0), 1);
        QCOMPARE(model.indentName, std::string("KR301"));
        QCOMPARE(select.CloseSSBar(), 1);
        QCOMPARE(select.IsSelected(), 1);
    }

    void choosingOnlyLeavesTheCurrentStoreAlone() {
        STORE_EDB store = storetest::storeRecord(0, "Harbour", kKR301, kVK500);
        QCOMPARE(tk73store::CreateStore(store), 1);
        QCOMPARE(AecrbsSetDesktopRegister("999", "999", "999"), 1);
        int branchNo = 0, storeNo = EDB_NO_STORE, modelNo = 0;
        chooseOnOpen(QStringLiteral("NO USE"), QStringLiteral("Harbour"));
        QCOMPARE(CSelectStore::SelectStore(&branchNo, &storeNo, &modelNo, 1, -1, 1), 1);
        QCOMPARE(storeNo, 1);
        QCOMPARE(modelNo, kVK500);
        QCOMPARE(desktopStore(), std::string("999/999/999"));

        chooseOnOpen(QStringLiteral("NO USE"), QStringLiteral("Harbour"));
        QCOMPARE(CSelectStore::SelectStore(&branchNo, &storeNo, &modelNo, 0, -1, 0), 1);
        QCOMPARE(modelNo, kKR301);
        QCOMPARE(desktopStore(), std::string("000/001/999"));
    }

    void theControllerBarOffersNoChoice() {
        AecrbsSetCurrentVekSetting(1, 0);
        QWidget window;
        CSelectStore select;
        QCOMPARE(select.CreateSSBar(&window, 0), 1);
        QVERIFY(qobject_cast<CVekSelectStoreBar*>(select.GetBar()) != nullptr);
        QVERIFY(!select.GetBar()->selectButton()->isEnabled());
        QCOMPARE(select.GetBar()->selectButton()->text(), QStringLiteral("Select ALL"));

        CSelectStore registerBar;
        QCOMPARE(registerBar.CreateSSBar(&window, 1), 1);
        QVERIFY(qobject_cast<CSelectStoreBar*>(registerBar.GetBar()) != nullptr);
        QVERIFY(!registerBar.GetBar()->selectButton()->isEnabled());
        QCOMPARE(registerBar.ShowSettingStoreDialog(), 0);
    }

    void theControllerToolListsOnlyRegistersThatTakeAController() {
        AecrbsSetLaunchVekTool(1);
        CTK73edbModel first;
        // KR150 never takes a controller; in the simple mode of the controller tool KR420
        // neither.
        const std::pair<uint32_t, std::vector<int>> cases[] = {{4, {kKR301, kKR420}},
                                                               {3, {kKR301}}};
        for (const auto& [mode, listed] : cases) {
            env_->setUserMode(mode);
            tk73store::ModelChoice choice(tk73store::kSelectModelNewStore);
            CSelectModelDlg dialog(choice);
            dialog.show();
            auto* registers = child<QComboBox>(&dialog, "registerModels");
            auto* useVek = child<QCheckBox>(&dialog, "useVek");
            std::vector<int> shown;
            for (int index = 0; index < registers->count(); ++index) {
                registers->setCurrentIndex(index);
                shown.push_back(registers->currentData().toInt());
                QVERIFY(useVek->isVisible() && useVek->isEnabled());
            }
            QCOMPARE(shown, listed);
        }
    }

  private:
    std::unique_ptr<storeuitest::StoreDialogEnvironment> env_;
    int failures_ = 0;
};

QTEST_MAIN(SelectDialogsTest)
#include "select_dialogs_test.moc"
