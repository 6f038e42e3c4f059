// The data editor's window and dialogs rendered for review (screenshots/ of the build folder) and
// checked by the suite's layout check: the grid at the default and at the zoomed size, with its
// header row and record numbers readable and lined up with the cells.

#include <QScrollBar>
#include <QTest>

#include "apps/dataeditor/tests/ui/editor_fixture.h"
#include "apps/dataeditor/ui/data_grid_view.h"
#include "apps/dataeditor/ui/entry_dialog.h"
#include "apps/dataeditor/ui/range_dialog.h"
#include "apps/dataeditor/ui/search_dialog.h"
#include "apps/editors/testing/script_failures.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

constexpr int kPlu = 4;

QString picture(const char* name) {
    return QStringLiteral(TK73_SCREENSHOT_DIR "/dataeditor-%1.png").arg(QLatin1String(name));
}

// What a user could not read in the grid beyond what the layout check looks at: record numbers
// or titles cut by their column, rows lower than their text, titles and record numbers out of
// line with the cells, a click on a row landing on another.
QStringList gridProblems(const tk73edit::DataGridView& grid, int records) {
    QStringList problems;
    const QFontMetrics text = grid.fontMetrics();
    const QString last = QStringLiteral("%1").arg(records, 5, 10, QLatin1Char('0'));
    if (text.horizontalAdvance(last) > grid.NumberRect(0).width()) {
        problems << QStringLiteral("record number %1 is cut").arg(last);
    }
    if (grid.CellRect(0, 0).height() < text.height()) {
        problems << QStringLiteral("rows are lower than their text");
    }
    for (int field = 0; field < grid.Metrics().ColumnCount(); ++field) {
        const QRect title = grid.TitleRect(field);
        const QRect cell = grid.CellRect(0, field);
        if (title.left() != cell.left() || title.width() != cell.width()) {
            problems << QStringLiteral("the title of column %1 is not over its cells").arg(field);
        }
        if (text.horizontalAdvance(grid.Metrics().Title(field)) > title.width()) {
            problems << QStringLiteral("the title of column %1 is cut").arg(field);
        }
    }
    for (int row = 0; row < 3; ++row) {
        const QRect number = grid.NumberRect(row);
        const QRect cell = grid.CellRect(row, 0);
        if (number.top() != cell.top() || number.height() != cell.height()) {
            problems << QStringLiteral("record number %1 is not beside its row").arg(row + 1);
        }
        if (grid.RowAt(cell.center().y()) != row) {
            problems << QStringLiteral("a click on row %1 lands elsewhere").arg(row + 1);
        }
    }
    return problems;
}

// The window wide enough for every column, as a user sizes it to see a whole record.
void showWholeRecords(tk73edit::DataEditorWindow& window) {
    window.resize(std::max(window.width(), 800), 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QScrollBar* sideways = window.Grid()->horizontalScrollBar();
    for (int tries = 0; tries < 10 && sideways->maximum() > 0; ++tries) {
        window.resize(window.width() + sideways->maximum() + 4, window.height());
        QCoreApplication::processEvents();
    }
}

}  // namespace

class DataEditorLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        const QStringList failures = tk73editortest::takeScriptFailures();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void theGridIsReadableAtTheDefaultAndTheZoomedSize() {
        tk73edittest::EditorFixture fixture;
        tk73edit::DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        for (const bool zoomed : {false, true}) {
            if (zoomed) {
                window->ToggleZoom();
            }
            QCOMPARE(window->Grid()->font().pointSize(), zoomed ? 24 : 12);
            showWholeRecords(*window);
            QStringList problems =
                tk73test::renderedProblems(*window, picture(zoomed ? "zoomed" : "default"));
            problems << gridProblems(*window->Grid(), window->Document().RecordCount());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        }
    }

    void theDialogsAreReadable() {
        tk73edittest::EditorFixture fixture;
        tk73edit::DataEditorWindow* window = fixture.show(kPlu);
        QVERIFY(window != nullptr);
        const tk73edit::ProgramDocument& document = window->Document();
        tk73edit::RangeDialog range(document.RecordCount(), 12);
        tk73edit::SearchDialog search(QStringLiteral("PLU name"), QStringLiteral("Bagel"));
        tk73edit::EntryDialog name(document.Field(1), 7, document.Shown(6, 1));
        tk73edit::EntryDialog price(document.Field(3), 0, document.Shown(6, 3));
        const std::pair<QWidget*, const char*> dialogs[] = {
            {&range, "range"}, {&search, "search"}, {&name, "entry"}, {&price, "entry-all"}};
        for (const auto& [dialog, file] : dialogs) {
            const QStringList problems = tk73test::renderedProblems(*dialog, picture(file));
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        }
    }
};

QTEST_MAIN(DataEditorLayoutTest)
#include "layout_test.moc"
