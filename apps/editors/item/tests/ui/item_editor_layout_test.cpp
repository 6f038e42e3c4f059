// Every window of the item editor rendered on store 1 of a staged installation: the list of each
// page set, its record dialog, the search dialogs and the Add dialog. Each picture is saved into
// the build folder's screenshots/ for review, and no control may be cut or lie on another.

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/tests/support/item_test_store.h"
#include "apps/editors/item/tests/ui/layout_problems.h"
#include "apps/editors/item/ui/add_scanning_dialog.h"
#include "apps/editors/item/ui/item_list_window.h"
#include "apps/editors/item/ui/record_dialog.h"

using tk73item::ItemListWindow;
using tk73itemtest::ItemTestStore;
using tk73itemtest::LayoutProblems;

namespace {

// Shows the window at the size it asks for, saves its picture under the name and checks it.
void render(QWidget& window, const QString& name) {
    window.show();
    window.adjustSize();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QDir().mkpath(QStringLiteral(ITEM_SCREENSHOTS));
    QVERIFY(window.grab().save(QStringLiteral(ITEM_SCREENSHOTS "/%1.png").arg(name)));
    const QStringList problems = LayoutProblems(&window);
    QVERIFY2(problems.isEmpty(), qPrintable(name + ": " + problems.join(QStringLiteral("; "))));
}

}  // namespace

class ItemEditorLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        store_ = std::make_unique<ItemTestStore>();
        QVERIFY2(store_->Error().empty(), store_->Error().c_str());
        QCOMPARE(context_.OpenActiveStore(), 1);
    }
    void cleanupTestCase() { store_.reset(); }

    void everyPageSetAndItsDialogs_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("record");
        QTest::newRow("department") << QStringLiteral("S") << 5;
        QTest::newRow("PLU") << QStringLiteral("P") << 12;
        QTest::newRow("scanning PLU") << QStringLiteral("C") << 2;
        QTest::newRow("group") << QStringLiteral("G") << 1;
    }
    void everyPageSetAndItsDialogs() {
        QFETCH(QString, flag);
        QFETCH(int, record);
        const tk73item::ItemPageSet& set = *tk73item::findItemPageSet(flag.toStdString());
        ItemListWindow list(context_, set);
        QCOMPARE(list.Open(), 1);
        render(list, QStringLiteral("list_") + flag);

        const auto dialog = tk73item::MakeRecordDialog(context_, set, list.Items(), record, &list);
        QCOMPARE(dialog->Open(), 1);
        render(*dialog, QStringLiteral("record_") + flag);
        dialog->reject();

        list.ShowSearch();
        render(*list.Search(), QStringLiteral("search_") + flag);
        if (set.IsScanning()) {
            tk73item::AddScanningDialog add([](const std::string&) { return false; }, &list);
            render(add, QStringLiteral("add_") + flag);
        }
    }

    void theCheckFindsCutAndOverlappingControls() {
        QWidget window;
        auto* label = new QLabel(QStringLiteral("A label much longer than its room"), &window);
        label->setGeometry(10, 10, 40, 20);
        auto* first = new QPushButton(QStringLiteral("First"), &window);
        auto* second = new QCheckBox(QStringLiteral("Second"), &window);
        first->setGeometry(10, 40, 120, 30);
        second->setGeometry(60, 50, 120, 30);
        window.resize(200, 100);
        window.show();
        const QString problems = LayoutProblems(&window).join('\n');
        QVERIFY(problems.contains(QStringLiteral("cuts its text")));
        QVERIFY(problems.contains(QStringLiteral("overlaps")));
    }

  private:
    std::unique_ptr<ItemTestStore> store_;
    tk73editor::PgmMenuContext context_;
};

QTEST_MAIN(ItemEditorLayoutTest)
#include "item_editor_layout_test.moc"
