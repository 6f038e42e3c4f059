// Every window of the item editor rendered on store 1 of a staged installation: the list of each
// page set, its record dialog, the search dialogs and the Add dialog. Each picture is saved into
// the build folder's screenshots/ for review, and no control may be cut or lie on another. (The
// captions of the record dialogs are checked with every other editor's pages, in
// apps/editors/tests/ui/captions_test.cpp.)

#include <QTest>

#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/tests/support/item_test_store.h"
#include "apps/editors/item/ui/add_scanning_dialog.h"
#include "apps/editors/item/ui/item_list_window.h"
#include "apps/editors/item/ui/record_dialog.h"
#include "tests/ui_checks/rendered_window.h"

using tk73item::ItemListWindow;
using tk73itemtest::ItemTestStore;

namespace {

// Shows the window at the size it asks for, saves its picture under the name and checks it.
void render(QWidget& window, const QString& name) {
    window.show();
    window.adjustSize();
    const QStringList problems =
        tk73test::renderedProblems(window, QStringLiteral(ITEM_SCREENSHOTS "/%1.png").arg(name));
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

  private:
    std::unique_ptr<ItemTestStore> store_;
    tk73editor::PgmMenuContext context_;
};

QTEST_MAIN(ItemEditorLayoutTest)
#include "item_editor_layout_test.moc"
