// The detail tool driven as a dealer would on store 1 of a staged installation: the display
// setting and the icon list, the field attribute setting with its stored mask, the pop-up menu
// by file kind and the file selection for the transfer.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>

#include "apps/detailtool/detail_start.h"
#include "apps/detailtool/field_attribute.h"
#include "apps/detailtool/ui/detail_window.h"
#include "apps/detailtool/ui/display_dialog.h"
#include "apps/detailtool/ui/field_dialog.h"
#include "apps/detailtool/ui/select_files_dialog.h"
#include "apps/editors/testing/editor_session.h"
#include "base/ui/ui_text.h"
#include "platform/ini_profile.h"

namespace {

std::string profileText(const std::string& file, const char* section, const char* key) {
    char text[512] = {};
    tk73_GetPrivateProfileStringA(section, key, "", text, sizeof text, file.c_str());
    return text;
}

void setProfileText(const std::string& file, const char* section, const char* key,
                    const char* value) {
    QVERIFY(tk73_WritePrivateProfileStringA(section, key, value, file.c_str()) != 0);
}

tk73dtl::DetailContext activeStore() {
    tk73dtl::DetailContext context;
    tk73dtl::prepareStart(context);
    return context;
}

// The texts of a menu's entries, a submenu's entries in brackets after its title and "-" for a
// separator.
QStringList entries(const QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            texts << "-";
        } else if (action->menu() != nullptr) {
            texts << action->text() + "[" + entries(*action->menu()).join(",") + "]";
        } else {
            texts << action->text();
        }
    }
    return texts;
}

QStringList menuOf(tk73dtl::DetailWindow& window, int fileNo) {
    std::unique_ptr<QMenu> menu(window.FileMenu(fileNo));
    return entries(*menu);
}

void click(QDialog& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            button->click();
            return;
        }
    }
    QFAIL("no such button");
}

// "Show Icon?" switched in the display setting of the file, as the user leaves it with OK.
void switchIcon(const tk73dtl::DetailContext& context, int fileNo, bool shown) {
    const CTK73defReg definition = context.Definition();
    for (const tk73dtl::FileRow& row : tk73dtl::readFileRows(definition)) {
        if (row.fileNo == fileNo) {
            tk73dtl::DisplayDialog dialog(definition, row, nullptr);
            dialog.ShowIcon()->setChecked(shown);
            dialog.Store();
            return;
        }
    }
    QFAIL("the file is not listed");
}

}  // namespace

class DetailSettingTest : public QObject {
    Q_OBJECT

  private slots:
    void showIconKeepsTheIconListAscendingAndTheTitlesStick() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        const tk73dtl::DetailContext context = activeStore();
        QCOMPARE(context.storeNo, 1);
        const std::string ini = session.store.paths(tk73editortest::kRegister).definitionFile;

        setProfileText(ini, "FILE_INF", "PGMICONS", "3,5,9");
        switchIcon(context, 7, true);
        QCOMPARE(profileText(ini, "FILE_INF", "PGMICONS"), std::string("3,5,7,9"));
        setProfileText(ini, "FILE_INF", "PGMICONS", "3,5,9");
        switchIcon(context, 12, true);
        QCOMPARE(profileText(ini, "FILE_INF", "PGMICONS"), std::string("3,5,9,12"));
        setProfileText(ini, "FILE_INF", "PGMICONS", "1,3,5,9");
        switchIcon(context, 1, true);
        switchIcon(context, 5, false);
        QCOMPARE(profileText(ini, "FILE_INF", "PGMICONS"), std::string("1,3,9"));

        const CTK73defReg definition = context.Definition();
        tk73dtl::FileRow plu = tk73dtl::readFileRows(definition)[3];
        QCOMPARE(plu.fileNo, 4);
        tk73dtl::DisplayDialog dialog(definition, plu, nullptr);
        dialog.FileTitle()->setText("Items");
        dialog.IconTitle()->setText("Item icon");
        dialog.Store();
        QCOMPARE(profileText(ini, "FILE_INF", "PGMICONS"), std::string("1,3,9"));

        // The main list shows the definition as stored, in its order.
        tk73dtl::DetailWindow window(context);
        QTreeWidgetItem* row = window.Files()->topLevelItem(3);
        QCOMPARE(row->text(0), QString("004"));
        QCOMPARE(row->text(1), QString("Items"));
        QCOMPARE(row->text(2), QString("Item icon"));
        QCOMPARE(row->text(3), QString("OFF"));
        QCOMPARE(window.Files()->topLevelItem(0)->text(3), QString("ON"));
        QCOMPARE(window.Files()->topLevelItem(window.Files()->topLevelItemCount() - 1)->text(0),
                 QString("998"));
        QVERIFY(session.script.calls().empty());

        // A definition copy that takes no write: the dealer is told the setting did not stick.
        std::filesystem::remove(ini);
        std::filesystem::create_directory(ini);
        tk73dtl::DisplayDialog refused(definition, plu, nullptr);
        refused.FileTitle()->setText("Lost");
        refused.Store();
        QCOMPARE(session.script.textsOf(tk73test::InteractionKind::Message),
                 std::vector<std::string>({"The setting could not be stored."}));
    }

    void aFieldsMaskIsStoredNormalisedAndShownBack() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        const tk73dtl::DetailContext context = activeStore();
        const CTK73defReg definition = context.Definition();
        const std::string ini = session.store.paths(tk73editortest::kRegister).definitionFile;
        const std::vector<FIELD_INFO> fields = tk73dtl::readFileFields(definition, 4);
        QCOMPARE(fields.size(), size_t{12});
        // Field 30 is the first of the PLU file: seven bytes, fourteen digits.
        QCOMPARE(fields[0].fieldNo, 30);
        QCOMPARE(fields[0].displayLength, 14);

        tk73dtl::FieldDialog dialog(definition, 4, fields[0], nullptr);
        dialog.Title()->setText("Item code");
        dialog.Display()->setCurrentIndex(1);
        dialog.Editable()->setCurrentIndex(1);
        dialog.Mask()->setText("0F");
        dialog.Store();
        QCOMPARE(dialog.Mask()->text(), QString("FFFFFFFFFFFF0F"));
        QCOMPARE(profileText(ini, "FILE0004", "F01M"), std::string("FFFFFFFFFFFF0F"));
        QCOMPARE(profileText(ini, "FILE0004", "F01D"), std::string("OFF"));
        QCOMPARE(profileText(ini, "FILE0004", "F01E"), std::string("OFF"));
        QCOMPARE(profileText(ini, "FIELD_TITLES", "030"), std::string("Item code"));

        // Opened again, the field shows what was stored; its neighbour is untouched.
        const std::vector<FIELD_INFO> again = tk73dtl::readFileFields(definition, 4);
        tk73dtl::FieldDialog reopened(definition, 4, again[0], nullptr);
        QCOMPARE(reopened.Mask()->text(), QString("FFFFFFFFFFFF0F"));
        QCOMPARE(reopened.Display()->currentText(), QString("NO"));
        QCOMPARE(reopened.Editable()->currentText(), QString("NO"));
        QCOMPARE(reopened.Title()->text(), QString("Item code"));
        QCOMPARE(again[1].mask, fields[1].mask);
        QCOMPARE(again[1].edit, fields[1].edit);
    }

    void thePopupMenuFollowsTheFileKind() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        tk73dtl::DetailWindow window(activeStore());
        const std::string ini = session.store.paths(tk73editortest::kRegister).definitionFile;
        // "MENUOFFFILES" names the data file 90 and the menu update file 998.
        QCOMPARE(menuOf(window, 90), QStringList({"Target"}));
        QCOMPARE(menuOf(window, 998), QStringList({"Target"}));
        QCOMPARE(menuOf(window, 4),
                 QStringList({"OPEN", "Write data", "Read file[From database,From CSV file]", "-",
                              "Target"}));
        QCOMPARE(menuOf(window, 25), QStringList({"OPEN", "Write data", "-", "Target"}));
        QCOMPARE(menuOf(window, 1), QStringList({"OPEN", "-", "Target"}));
        setProfileText(ini, "TK73DTL_POPUPMENU", "MENUOFFFILES", "998");
        QCOMPARE(menuOf(window, 90),
                 QStringList({"CREATE", "Read file[From database,From DAT file]", "-", "Target"}));
    }

    void theFileSelectionPresetsAndEnablesOk() {
        tk73editortest::EditorSession session(301);
        QVERIFY(session.ready());
        const tk73dtl::DetailContext context = activeStore();
        for (const bool receive : {false, true}) {
            tk73dtl::SelectFilesDialog dialog(context, receive, nullptr);
            QCOMPARE(dialog.windowTitle(), QString("Select file"));
            QVERIFY(!dialog.Ok()->isEnabled());
            click(dialog, "Preset");
            const std::vector<uint32_t> named =
                receive ? std::vector<uint32_t>{4, 5, 7, 90, 998}
                        : std::vector<uint32_t>{4, 5, 6, 7, 25, 28, 998};
            QCOMPARE(dialog.CheckedFiles(), named);
            QVERIFY(dialog.Ok()->isEnabled());
            click(dialog, "Deselect all");
            QVERIFY(dialog.CheckedFiles().empty());
            QVERIFY(!dialog.Ok()->isEnabled());
            dialog.Files()->item(2)->setCheckState(Qt::Checked);
            QVERIFY(dialog.Ok()->isEnabled());
            click(dialog, "Select all");
            QCOMPARE(dialog.CheckedFiles().size(), static_cast<size_t>(dialog.Files()->count()));
        }
    }
};

QTEST_MAIN(DetailSettingTest)
#include "setting_test.moc"
