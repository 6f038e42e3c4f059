// TK73ITEM started as the shell starts it: a separate process with the page-set flag, on store 1
// of a staged installation.

#include <QTest>

#include <filesystem>

#include "apps/editors/item/tests/support/item_test_store.h"
#include "tests/programs/suite_program.h"

using tk73itemtest::ItemTestStore;
using tk73test::currentWindow;
using tk73test::exitCodeOf;
using tk73test::SuiteProgram;

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
        SuiteProgram first(itemProgram(), "/P");
        QVERIFY(first.pid() != 0);
        QVERIFY(first.awaitWindow());

        // Any page set of the item editor is the same program: the second start only raises the
        // first and ends.
        QCOMPARE(exitCodeOf(itemProgram(), "/P"), 1);
        QCOMPARE(exitCodeOf(itemProgram(), "/C"), 1);
        QVERIFY(first.running());
        QCOMPARE(currentWindow(), first.pid());
        QVERIFY(first.raise());
    }

    void withoutTheDefinitionFileOrAPageSetItEndsWithoutAWindow() {
        ItemTestStore store;
        QVERIFY2(store.Error().empty(), store.Error().c_str());
        QCOMPARE(exitCodeOf(itemProgram(), ""), 2);
        QCOMPARE(exitCodeOf(itemProgram(), "/D"), 2);
        std::filesystem::remove(store.DefinitionFile(0));
        QCOMPARE(exitCodeOf(itemProgram(), "/P"), 3);
        QCOMPARE(currentWindow(), 0u);
    }
};

QTEST_MAIN(ItemEditorProcessTest)
#include "item_editor_process_test.moc"
