// TK73ITEM started as the shell starts it: a separate process with the page-set flag, on store 1
// of a staged installation.

#include <QTest>

#include <filesystem>

#include "apps/editors/item/tests/support/item_test_store.h"
#include "tests/programs/suite_program.h"

using tk73itemtest::ItemTestStore;

namespace {

std::string itemProgram() {
    return tk73test::builtProgram("TK73ITEM");
}

}  // namespace

class ItemEditorProcessTest : public QObject {
    Q_OBJECT

  private slots:
    void startingTheSameEditorTwiceLeavesOneRunning() {
        ItemTestStore store;
        QVERIFY2(store.Error().empty(), store.Error().c_str());
        tk73test::SuiteProgram first(itemProgram(), "/P");
        QVERIFY(first.pid() != 0);
        QVERIFY(first.awaitWindow());

        // Any page set of the item editor is the same program: the second start only raises the
        // first and ends.
        QCOMPARE(tk73test::exitCodeOf(itemProgram(), "/P"), 1);
        QCOMPARE(tk73test::exitCodeOf(itemProgram(), "/C"), 1);
        QVERIFY(first.running());
        QCOMPARE(tk73test::currentWindow(), first.pid());
        QVERIFY(first.raise());
    }

    void withoutTheDefinitionFileOrAPageSetItEndsWithoutAWindow() {
        ItemTestStore store;
        QVERIFY2(store.Error().empty(), store.Error().c_str());
        QCOMPARE(tk73test::exitCodeOf(itemProgram(), ""), 2);
        QCOMPARE(tk73test::exitCodeOf(itemProgram(), "/D"), 2);
        std::filesystem::remove(store.DefinitionFile(0));
        QCOMPARE(tk73test::exitCodeOf(itemProgram(), "/P"), 3);
        QCOMPARE(tk73test::currentWindow(), 0u);
    }
};

QTEST_MAIN(ItemEditorProcessTest)
#include "item_editor_process_test.moc"
