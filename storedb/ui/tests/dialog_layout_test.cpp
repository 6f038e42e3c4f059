// Every store dialog rendered offscreen at its default size: no control may stick out of its
// parent, no two controls of one layout may overlap, and no label, button or list may be smaller
// than its text needs. The pictures land in the build folder ("store-dialog-screens") for review.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
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

namespace {

QString describe(const QWidget* widget) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
}

bool shown(const QWidget* widget) {
    return widget->isVisible() && !widget->isWindow();
}

// Every visible control lies inside its parent, and controls that show a text are at least as
// large as the text needs.
void checkInside(const QWidget* parent, QStringList& faults) {
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!shown(child)) {
            continue;
        }
        if (!parent->rect().contains(child->geometry())) {
            faults << QStringLiteral("%1 sticks out of %2").arg(describe(child), describe(parent));
        }
        const bool showsText = qobject_cast<const QLabel*>(child) != nullptr ||
                               qobject_cast<const QAbstractButton*>(child) != nullptr ||
                               qobject_cast<const QComboBox*>(child) != nullptr ||
                               qobject_cast<const QLineEdit*>(child) != nullptr;
        const QSize needed = child->minimumSizeHint();
        if (showsText && (child->width() < needed.width() || child->height() < needed.height())) {
            faults << QStringLiteral("%1 is clipped").arg(describe(child));
        }
        checkInside(child, faults);
    }
}

// The widgets and nested layouts of one layout do not overlap.
void checkLayout(const QLayout* layout, QStringList& faults) {
    std::vector<std::pair<QRect, QString>> parts;
    for (int index = 0; index < layout->count(); ++index) {
        QLayoutItem* item = layout->itemAt(index);
        if (item->widget() != nullptr) {
            if (shown(item->widget())) {
                parts.emplace_back(item->widget()->geometry(), describe(item->widget()));
            }
        } else if (item->layout() != nullptr) {
            checkLayout(item->layout(), faults);
            if (!item->layout()->geometry().isEmpty()) {
                parts.emplace_back(item->layout()->geometry(), QStringLiteral("nested layout"));
            }
        }
    }
    for (size_t a = 0; a < parts.size(); ++a) {
        for (size_t b = a + 1; b < parts.size(); ++b) {
            if (parts[a].first.intersects(parts[b].first)) {
                faults << QStringLiteral("%1 overlaps %2").arg(parts[a].second, parts[b].second);
            }
        }
    }
}

void checkLayouts(const QWidget* widget, QStringList& faults) {
    if (widget->layout() != nullptr) {
        checkLayout(widget->layout(), faults);
    }
    for (const QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (shown(child)) {
            checkLayouts(child, faults);
        }
    }
}

QString screenFolder() {
    const QString folder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../store-dialog-screens");
    QDir().mkpath(folder);
    return folder;
}

// Shows the window at its default size, saves its picture and answers the faults found.
QStringList render(QWidget* window, const QString& name) {
    window->show();
    QApplication::processEvents();
    window->grab().save(screenFolder() + QLatin1Char('/') + name + QStringLiteral(".png"));
    QStringList faults;
    checkInside(window, faults);
    checkLayouts(window, faults);
    return faults;
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
