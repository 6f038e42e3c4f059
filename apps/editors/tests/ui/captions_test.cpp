// Every page of every setting editor, and the record dialog of each of the item editor's lists,
// rendered on a store of each shipped model: no caption a shop owner reads is a key name of the
// definitions or carries a position code such as "(2.3)". Every item on a page has a plain title
// in the store's definition, the one messages name it by, and a record dialog shows each item
// under the title its menu gives it.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "apps/editors/clerk/clerk_editor.h"
#include "apps/editors/framework/definition/item_title.h"
#include "apps/editors/framework/editor_application.h"
#include "apps/editors/general/general_editor.h"
#include "apps/editors/item/ui/item_editor.h"
#include "apps/editors/item/ui/item_list_window.h"
#include "apps/editors/item/ui/record_dialog.h"
#include "apps/editors/receipt/receipt_editor.h"
#include "apps/editors/tax/tax_editor.h"
#include "apps/editors/testing/editor_session.h"
#include "apps/editors/testing/script_failures.h"
#include "base/registry_settings.h"
#include "base/ui/ui_text.h"

namespace {

constexpr int kKR150 = 150;
constexpr int kKR301 = 301;
constexpr int kKR420 = 420;
constexpr int kVK500 = 501;

struct Editor {
    const char* name;
    tk73editor::EditorDescription description;
};

const std::vector<Editor>& editors() {
    static const std::vector<Editor> all = {{"item", tk73item::itemEditor()},
                                            {"tax", tk73tax::taxEditor()},
                                            {"receipt", tk73receipt::receiptEditor()},
                                            {"general", tk73general::generalEditor()},
                                            {"clerk", tk73clerk::clerkEditor()}};
    return all;
}

const tk73editor::PageSetEntry* findPageSet(const QString& editor, const QString& flag) {
    for (const Editor& candidate : editors()) {
        for (const tk73editor::PageSetEntry& set : candidate.description.pageSets) {
            if (editor == QLatin1String(candidate.name) &&
                flag == QString::fromStdString(set.flag)) {
                return &set;
            }
        }
    }
    return nullptr;
}

// What a caption must not be: a text with a position code in parentheses ("(2.3)"; a number
// pattern such as "(0.00)" is none), or, unless it may be a name the files hold, a key of the
// definitions ("LABELON", "ITEM_003_TITLE").
QString captionProblem(const QString& caption, bool heldName = false) {
    static const QRegularExpression code(QStringLiteral("\\([1-9]\\d*(\\.\\d+)*\\)"));
    static const QRegularExpression keyName(QStringLiteral("^[A-Z][A-Z0-9_]{3,}$"));
    if (code.match(caption).hasMatch()) {
        return QStringLiteral("\"%1\" carries a code").arg(caption);
    }
    if (!heldName && keyName.match(caption).hasMatch()) {
        return QStringLiteral("\"%1\" is a key name").arg(caption);
    }
    return {};
}

// The entries of the window's lists. A list may offer names that the store's files hold (the
// reports' names, which registers print in capitals), so these are looked at for codes only.
QStringList listEntriesOf(const QWidget& window) {
    QStringList entries;
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        for (int entry = 0; entry < list->count(); ++entry) {
            entries << list->itemText(entry);
        }
    }
    return entries;
}

// Every other text of the window a user reads as a caption: its title, labels, buttons, group
// titles and tabs, those of pages not in front included.
QStringList captionsOf(const QWidget& window) {
    QStringList captions{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        captions << label->text();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        captions << button->text();
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        captions << group->title();
    }
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            captions << tabs->tabText(tab);
        }
    }
    return captions;
}

// An item that a record dialog shows under the title its menu gives it.
struct TitledItem {
    int menuNo;
    int itemNo;
};

// The items of a list's records that its record dialog shows: those of displayed fields, but the
// scanning code and age, which the editor keeps itself.
std::vector<TitledItem> recordDialogItems(const tk73item::ItemListWindow& list) {
    const tk73item::ItemPageSet& set = list.Set();
    std::vector<TitledItem> shown;
    for (const tk73item::MenuItem& item : list.Items().items) {
        if (item.displayed && item.itemNo != set.codeItem && item.itemNo != set.ageItem) {
            shown.push_back({set.menuNo, item.itemNo});
        }
    }
    return shown;
}

// The problems of one page set as it is rendered: its captions, the definition titles of the
// items on its pages, and the items it must show under their titles.
QStringList pageSetProblems(tk73editor::PageSetDialog& set, const std::string& definitionFile,
                            const std::vector<TitledItem>& shownUnderTitles) {
    set.show();
    if (!QTest::qWaitForWindowExposed(&set)) {
        return {QStringLiteral("the page set is not shown")};
    }
    const QStringList captions = captionsOf(set);
    QStringList problems;
    for (const QString& caption : captions) {
        problems << captionProblem(caption);
    }
    for (const QString& entry : listEntriesOf(set)) {
        problems << captionProblem(entry, true);
    }
    int items = 0;
    for (const tk73editor::SettingPage* page : set.Pages()) {
        for (const auto& item : page->Items()) {
            ++items;
            const QString where =
                QStringLiteral("menu %1 item %2").arg(item->MenuNo()).arg(item->ItemNo());
            const QString title = tk73::toQString(
                tk73editor::itemTitle(definitionFile, item->MenuNo(), item->ItemNo()));
            const QString problem = captionProblem(title);
            if (title.isEmpty() || !problem.isEmpty()) {
                problems << where + QStringLiteral(": title ") +
                                (title.isEmpty() ? QStringLiteral("missing") : problem);
            }
        }
    }
    for (const TitledItem& item : shownUnderTitles) {
        const QString title =
            tk73::toQString(tk73editor::definedItemTitle(definitionFile, item.menuNo, item.itemNo));
        if (title.isEmpty() || !captions.contains(title)) {
            problems << QStringLiteral("menu %1 item %2: not shown under its title \"%3\"")
                            .arg(item.menuNo)
                            .arg(item.itemNo)
                            .arg(title);
        }
    }
    if (items == 0) {
        problems << QStringLiteral("no item on any page");
    }
    problems.removeAll(QString());
    return problems;
}

}  // namespace

class EditorCaptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        session_.reset();
        const QStringList failures = tk73editortest::takeScriptFailures();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void everyPageShowsPlainCaptionsAndTitles_data() {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("controller");
        for (const Editor& editor : editors()) {
            for (const tk73editor::PageSetEntry& set : editor.description.pageSets) {
                for (const int model : {kKR150, kKR301, kKR420}) {
                    const std::string row =
                        std::string(editor.name) + " " + set.flag + " KR" + std::to_string(model);
                    QTest::newRow(row.c_str())
                        << editor.name << QString::fromStdString(set.flag) << model << 0;
                }
            }
        }
        // The editors that edit the controller's setting when it is the current one.
        QTest::newRow("clerk PC VK500") << "clerk"
                                        << "PC" << kKR301 << kVK500;
        QTest::newRow("tax T VK500") << "tax"
                                     << "T" << kKR301 << kVK500;
    }
    void everyPageShowsPlainCaptionsAndTitles() {
        QFETCH(QString, editor);
        QFETCH(QString, flag);
        QFETCH(int, model);
        QFETCH(int, controller);
        const int target =
            controller != 0 ? tk73editortest::kController : tk73editortest::kRegister;
        session_ = std::make_unique<tk73editortest::EditorSession>(model, controller, target);
        QVERIFY2(session_->ready(), session_->store.error().c_str());
        if (controller != 0) {
            AecrbsSetCurrentVekSetting(1, 0);
        }
        const tk73editor::PageSetEntry* entry = findPageSet(editor, flag);
        QVERIFY(entry != nullptr);
        const auto window = entry->create(session_->context);
        QCOMPARE(window->Open(), 1);
        const std::string& definitionFile = session_->context.DefinitionFile();

        QStringList problems;
        if (auto* list = dynamic_cast<tk73item::ItemListWindow*>(window.get())) {
            const auto dialog =
                tk73item::MakeRecordDialog(session_->context, list->Set(), list->Items(), 1, list);
            QCOMPARE(dialog->Open(), 1);
            problems = pageSetProblems(*dialog, definitionFile, recordDialogItems(*list));
            dialog->reject();
        } else {
            auto* set = dynamic_cast<tk73editor::PageSetDialog*>(window.get());
            QVERIFY(set != nullptr);
            problems = pageSetProblems(*set, definitionFile, {});
            set->reject();
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

  private:
    std::unique_ptr<tk73editortest::EditorSession> session_;
};

QTEST_MAIN(EditorCaptionsTest)
#include "captions_test.moc"
