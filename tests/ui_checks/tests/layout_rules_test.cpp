// Each rule of the rendering check catches a window laid out badly in its way, and a window laid
// out well passes them all, so that the rendering tests of the suite can trust an empty answer.

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

#include "tests/ui_checks/layout_problems.h"
#include "tests/ui_checks/rendered_window.h"

using tk73test::layoutProblems;

namespace {

// The problems of the window once it is shown as the user sees it.
QStringList problemsOf(QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return {QStringLiteral("the window is not shown")};
    }
    return layoutProblems(&window);
}

// Whether the window, once shown, has the problem; the problems it has instead are logged.
bool hasProblem(QWidget& window, const QString& problem) {
    const QStringList problems = problemsOf(window);
    if (!problems.contains(problem)) {
        qWarning("%s", qPrintable(problems.join('\n')));
        return false;
    }
    return true;
}

// A window without a layout, so that each control keeps the place the test gives it.
std::unique_ptr<QWidget> bareWindow() {
    auto window = std::make_unique<QWidget>();
    window->resize(400, 300);
    return window;
}

}  // namespace

class LayoutRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void aWindowLaidOutWellHasNoProblems() {
        QWidget window;
        auto* form = new QFormLayout;
        form->addRow(QStringLiteral("Store name"), new QLineEdit(QStringLiteral("Market")));
        auto* models = new QComboBox;
        models->addItems({QStringLiteral("KR301"), QStringLiteral("KR420")});
        form->addRow(QStringLiteral("Register model"), models);
        form->addRow(QStringLiteral("Opened on"), new QDateEdit(QDate(2024, 7, 1)));
        auto* group = new QGroupBox(QStringLiteral("Receipt"));
        group->setLayout(form);
        auto* list = new QTableWidget(3, 2);
        list->setHorizontalHeaderLabels({QStringLiteral("No."), QStringLiteral("Name")});
        for (int row = 0; row < 3; ++row) {
            list->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
            list->setItem(row, 1, new QTableWidgetItem(QStringLiteral("Clerk %1").arg(row + 1)));
        }
        list->resizeColumnsToContents();
        auto* tabs = new QTabWidget;
        tabs->addTab(group, QStringLiteral("Settings"));
        tabs->addTab(list, QStringLiteral("Clerks"));
        // A page taller than its scroll area scrolls; that is no problem.
        auto* page = new QWidget;
        auto* lines = new QVBoxLayout(page);
        for (int line = 1; line <= 30; ++line) {
            lines->addWidget(new QCheckBox(QStringLiteral("Option %1").arg(line)));
        }
        auto* scrolled = new QScrollArea;
        scrolled->setWidget(page);
        scrolled->setWidgetResizable(true);
        scrolled->setFixedHeight(120);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Settings of the store")));
        layout->addWidget(tabs);
        layout->addWidget(scrolled);
        layout->addWidget(new QPushButton(QStringLiteral("OK")));
        const QStringList problems = problemsOf(window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        tabs->setCurrentIndex(1);
        QVERIFY2(layoutProblems(&window).isEmpty(), qPrintable(layoutProblems(&window).join('\n')));
    }

    void aWindowSmallerThanItNeeds() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        layout->addWidget(new QPlainTextEdit);
        window.resize(10, 10);
        const QStringList problems = problemsOf(window);
        QVERIFY2(
            problems.filter(QRegularExpression(
                                "^the window is smaller than it needs \\(10x10 of \\d+x\\d+\\)$"))
                    .size() == 1,
            qPrintable(problems.join('\n')));
    }

    void aControlSmallerThanItNeeds() {
        auto window = bareWindow();
        auto* list = new QComboBox(window.get());
        list->addItem(QStringLiteral("KR301"));
        list->setGeometry(10, 10, 150, 8);
        QVERIFY(hasProblem(
            *window, QStringLiteral("QComboBox \"KR301\" is smaller than it needs (150x8 of %1x%2)")
                         .arg(list->minimumSizeHint().width())
                         .arg(list->minimumSizeHint().height())));
    }

    void aControlThatCutsItsText_data() {
        QTest::addColumn<QString>("problem");
        const char* const rows[][2] = {
            {"label", "QLabel \"Name of the department\" cuts its text"},
            {"wrapped label", "QLabel \"Printed as it is typed here\" cuts its text"},
            {"button", "QPushButton \"Restore defaults\" cuts its text"},
            {"edit field", "QLineEdit \"Northern district branch\" cuts its text"},
            {"group title", "QGroupBox \"Printing of the receipt\" cuts its text"},
            {"tab bar", "QTabBar (qt_tabwidget_tabbar) \"\" cuts its text"}};
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]);
        }
    }
    void aControlThatCutsItsText() {
        QFETCH(QString, problem);
        const QString kind = QString::fromLatin1(QTest::currentDataTag());
        auto window = bareWindow();
        QWidget* control = nullptr;
        if (kind == "label") {
            control = new QLabel(QStringLiteral("Name of the department"), window.get());
        } else if (kind == "wrapped label") {
            auto* label = new QLabel(QStringLiteral("Printed as it is typed here"), window.get());
            label->setWordWrap(true);
            control = label;
        } else if (kind == "button") {
            control = new QPushButton(QStringLiteral("Restore defaults"), window.get());
        } else if (kind == "edit field") {
            control = new QLineEdit(QStringLiteral("Northern district branch"), window.get());
        } else if (kind == "group title") {
            control = new QGroupBox(QStringLiteral("Printing of the receipt"), window.get());
        } else {
            auto* tabs = new QTabWidget(window.get());
            for (const char* title : {"Tax Table1-4", "Tax Table5-8", "Tax Table9-10"}) {
                tabs->addTab(new QWidget, QString::fromLatin1(title));
            }
            tabs->setGeometry(10, 10, 120, 200);
        }
        if (control != nullptr) {
            control->setGeometry(10, 10, 60, 30);
        }
        QVERIFY(hasProblem(*window, problem));
    }

    void aListThatMustScrollSideways() {
        auto window = bareWindow();
        auto* text = new QPlainTextEdit(window.get());
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        text->setPlainText(QStringLiteral("THANK YOU FOR SHOPPING WITH US, SEE YOU SOON AGAIN"));
        text->setGeometry(10, 10, 120, 100);
        QVERIFY(hasProblem(*window, QStringLiteral("QPlainTextEdit \"\" must scroll sideways")));
    }

    void aListCellOrColumnTitleThatIsCut_data() {
        QTest::addColumn<bool>("tree");
        QTest::addColumn<QString>("problem");
        QTest::newRow("table cell")
            << false << "QTableWidget \"\": cell \"Coffee and cake\" is cut";
        QTest::newRow("tree cell") << true << "QTreeWidget \"\": cell \"Coffee and cake\" is cut";
        QTest::newRow("table title")
            << false << "QTableWidget \"\": column title \"Description\" is cut";
        QTest::newRow("tree title")
            << true << "QTreeWidget \"\": column title \"Description\" is cut";
    }
    void aListCellOrColumnTitleThatIsCut() {
        QFETCH(bool, tree);
        QFETCH(QString, problem);
        auto window = bareWindow();
        const QStringList titles = {QStringLiteral("Description"), QStringLiteral("Price")};
        QAbstractItemView* list = nullptr;
        QHeaderView* header = nullptr;
        if (tree) {
            auto* widget = new QTreeWidget(window.get());
            widget->setRootIsDecorated(false);
            widget->setHeaderLabels(titles);
            new QTreeWidgetItem(widget,
                                {QStringLiteral("Coffee and cake"), QStringLiteral("4.30")});
            header = widget->header();
            list = widget;
        } else {
            auto* widget = new QTableWidget(1, 2, window.get());
            widget->setHorizontalHeaderLabels(titles);
            widget->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Coffee and cake")));
            widget->setItem(0, 1, new QTableWidgetItem(QStringLiteral("4.30")));
            header = widget->horizontalHeader();
            list = widget;
        }
        header->setStretchLastSection(false);
        header->setMinimumSectionSize(10);
        header->resizeSection(0, 40);
        header->resizeSection(1, 60);
        list->setGeometry(10, 10, 300, 150);
        QVERIFY(hasProblem(*window, problem));
    }

    void aWidgetThatSticksOutOfItsHolder() {
        auto window = bareWindow();
        auto* frame = new QFrame(window.get());
        frame->setObjectName(QStringLiteral("panel"));
        frame->setGeometry(10, 10, 200, 100);
        auto* inner = new QWidget(frame);
        inner->setObjectName(QStringLiteral("inner"));
        inner->setGeometry(150, 10, 100, 40);
        auto* label = new QLabel(QStringLiteral("Total"), frame);
        label->setGeometry(10, 80, 60, 40);
        QVERIFY(hasProblem(*window, QStringLiteral("QWidget (inner) \"\" is cut off by QFrame "
                                                   "(panel) \"\"")));
        QVERIFY(hasProblem(*window, QStringLiteral("QLabel \"Total\" is cut off by QFrame (panel) "
                                                   "\"\"")));
    }

    void controlsOnTopOfEachOtherAnywhereInTheWindow() {
        auto window = bareWindow();
        auto* left = new QWidget(window.get());
        left->setGeometry(0, 0, 200, 100);
        auto* right = new QWidget(window.get());
        right->setGeometry(150, 0, 200, 100);
        // Each lies inside its own holder; in the window the check box covers the button.
        auto* button = new QPushButton(QStringLiteral("Search"), left);
        button->setGeometry(100, 10, 99, 30);
        auto* check = new QCheckBox(QStringLiteral("Zero"), right);
        check->setGeometry(0, 20, 80, 30);
        QVERIFY(hasProblem(*window,
                           QStringLiteral("QPushButton \"Search\" overlaps QCheckBox \"Zero\"")));
    }

    void widgetsOfOneLayoutOnTopOfEachOther() {
        QWidget window;
        auto* grid = new QGridLayout(&window);
        for (const char* name : {"first", "second"}) {
            auto* part = new QWidget;
            part->setObjectName(QString::fromLatin1(name));
            part->setMinimumSize(40, 20);
            grid->addWidget(part, 0, 0);
        }
        QVERIFY(hasProblem(window, QStringLiteral("QWidget (first) \"\" overlaps QWidget (second) "
                                                  "\"\" in their layout")));
    }

    void aRenderedWindowIsSavedAndChecked() {
        QTemporaryDir folder;
        auto window = bareWindow();
        auto* label = new QLabel(QStringLiteral("Name of the department"), window.get());
        label->setGeometry(10, 10, 60, 30);
        const QString picture = folder.filePath(QStringLiteral("review/window.png"));
        const QStringList problems = tk73test::renderedProblems(*window, picture);
        QCOMPARE(problems.size(), 2);
        QVERIFY(problems[0].startsWith(
            QStringLiteral("QLabel \"Name of the department\" is smaller than it needs")));
        QCOMPARE(problems[1], QStringLiteral("QLabel \"Name of the department\" cuts its text"));
        QVERIFY(!QImage(picture).isNull());
        const QString nowhere = folder.filePath(QStringLiteral("picture.png/in/a/file"));
        QVERIFY(QFile::copy(picture, folder.filePath(QStringLiteral("picture.png"))));
        QVERIFY(tk73test::renderedProblems(*window, nowhere)
                    .contains(QStringLiteral("cannot save ") + nowhere));
    }

    void aControlShownWithoutAWindow() {
        QLabel stray(QStringLiteral("0 to 3"));
        QVERIFY(tk73test::strayWindows().isEmpty());
        stray.show();
        QCOMPARE(tk73test::strayWindows(),
                 QStringList{QStringLiteral("QLabel \"0 to 3\" is shown as a window of its own")});
        QTemporaryDir folder;
        auto window = bareWindow();
        QVERIFY(tk73test::renderedProblems(*window, folder.filePath(QStringLiteral("w.png")))
                    .contains(QStringLiteral("QLabel \"0 to 3\" is shown as a window of its own")));
    }
};

QTEST_MAIN(LayoutRulesTest)
#include "layout_rules_test.moc"
