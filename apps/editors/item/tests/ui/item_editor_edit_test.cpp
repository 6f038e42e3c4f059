// The item editor started as TK73ITEM starts (the framework's start-up with the Qt user
// interaction) on store 1 of a staged installation, driven through its windows as a user would.

#include <QTest>

#include <ctime>

#include "apps/editors/framework/editor_application.h"
#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/item/testing/ui_driver.h"
#include "apps/editors/item/tests/support/item_test_store.h"
#include "apps/editors/item/ui/add_scanning_dialog.h"
#include "apps/editors/item/ui/item_editor.h"
#include "apps/editors/item/ui/item_list_window.h"
#include "base/registry_settings.h"
#include "base/ui/qt_user_interaction.h"

using tk73editor::PageSetDialog;
using tk73item::ItemListWindow;
using tk73itemtest::AnswerMessage;
using tk73itemtest::ButtonOf;
using tk73itemtest::DifferingOffsets;
using tk73itemtest::FormField;
using tk73itemtest::ItemTestStore;
using tk73itemtest::OnModal;
using tk73itemtest::RecordLine;
using tk73itemtest::SeenMessage;
using tk73itemtest::TypeInto;

namespace {

// Offsets in a PLU record line: 000012,"04012300000836","Name            ","002000000000",
// "00000349",...
constexpr int kPluName = 25;
constexpr int kPluPrice = 59;

QLineEdit* field(QWidget* window, const char* label) {
    return qobject_cast<QLineEdit*>(FormField(window, QString::fromLatin1(label)));
}

// The menu stamp of file 998 as the BCD digits of a local time, from the year down.
QString stampAt(std::time_t at) {
    std::tm local{};
    localtime_r(&at, &local);
    return QString::asprintf("%02d%02d%02d%02d%02d%02d", local.tm_year % 100, local.tm_mon + 1,
                             local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

QString stampOf(const std::string& file) {
    return QString::fromStdString(RecordLine(file, 1).substr(8, 12));
}

uint32_t currentWindow() {
    uint32_t value = 0;
    AecrbsGetRegistryCurrentUserSystemValueDW(nullptr, &value, "CURRENTHWND");
    return value;
}

}  // namespace

class ItemEditorEditTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        store_ = std::make_unique<ItemTestStore>();
        QVERIFY2(store_->Error().empty(), store_->Error().c_str());
        tk73::installUserInteraction(&qtUi_);
        seen_.clear();
    }
    void cleanup() {
        tk73::installUserInteraction(nullptr);
        store_.reset();
    }

    void editingAPluWritesOnlyItsCharactersCopiesItAndStampsTheMenu() {
        const std::string regBefore = store_->Mainte(0, 4);
        const std::string vekBefore = store_->Mainte(1, 4);
        bool edited = false;
        OnModal<ItemListWindow>([&](ItemListWindow* list) {
            QCOMPARE(currentWindow(), tk73::ownWindowHandle());
            list->SelectRecord(12);
            OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                QCOMPARE(QString::fromStdString(dialog->Title()), QStringLiteral("PLU"));
                TypeInto(field(dialog, "Name"), QStringLiteral("Seeded roll"));
                TypeInto(field(dialog, "Unit price"), QStringLiteral("3.49"));
                AnswerMessage(QMessageBox::Ok, &seen_);
                ButtonOf(dialog, QStringLiteral("OK"))->click();
                edited = true;
            });
            ButtonOf(list, QStringLiteral("Edit(E)"))->click();
            // The list shows what the file holds now.
            QCOMPARE(list->Model()->index(11, 2).data().toString(), QStringLiteral("Seeded roll"));
            QCOMPARE(list->Model()->index(11, 3).data().toString(), QStringLiteral("3.49"));
            ButtonOf(list, QStringLiteral("Close"))->click();
        });
        const std::time_t before = std::time(nullptr);
        QCOMPARE(tk73editor::runEditor({"/P"}, tk73item::itemEditor(), "TK73ITEM"),
                 tk73editor::EditorExit::Ran);
        const std::time_t after = std::time(nullptr);
        QVERIFY(edited);
        QCOMPARE(seen_.size(), 1);
        QCOMPARE(seen_[0].text, QStringLiteral("Do you want to save the changes?"));
        QCOMPARE(seen_[0].caption, QStringLiteral("PLU"));
        QCOMPARE(currentWindow(), 0u);

        // Register: record 12's name and price, nothing else.
        const std::string reg = store_->Mainte(0, 4);
        const std::string line = RecordLine(reg, 12);
        QCOMPARE(line.substr(kPluName, 16), std::string("Seeded roll     "));
        QCOMPARE(line.substr(kPluPrice, 8), std::string("00000349"));
        const size_t start = reg.find(line);
        for (const size_t offset : DifferingOffsets(regBefore, reg)) {
            const size_t inLine = offset - start;
            QVERIFY2((inLine >= kPluName && inLine < kPluName + 16) ||
                         (inLine >= kPluPrice && inLine < kPluPrice + 8),
                     qPrintable(QString::number(offset)));
        }
        QCOMPARE(reg.size(), regBefore.size());
        // Controller: its copy of record 12, and only that record.
        const std::string vek = store_->Mainte(1, 4);
        const std::string vekLine = RecordLine(vek, 12);
        QVERIFY(vekLine.find("\"Seeded roll     \"") != std::string::npos);
        QVERIFY(vekLine.find("\"00000349\"") != std::string::npos);
        const size_t vekStart = vek.find(vekLine);
        for (const size_t offset : DifferingOffsets(vekBefore, vek)) {
            QVERIFY(offset > vekStart && offset < vekStart + vekLine.size());
        }
        // Both machines carry the menu stamp of the save, taken while the editor ran (which may
        // span several seconds on a busy machine; the stamp's digits sort as times do).
        for (const int machine : {0, 1}) {
            const QString stamp = stampOf(store_->Mainte(machine, 998));
            QVERIFY2(stampAt(before) <= stamp && stamp <= stampAt(after), qPrintable(stamp));
        }
    }

    void aDuplicatePluCodeIsRefusedNamingTheRecordThatHoldsIt() {
        const std::string regBefore = store_->Mainte(0, 4);
        const QString first = QString::fromStdString(RecordLine(regBefore, 1).substr(8, 14));
        bool wentThere = false;
        OnModal<ItemListWindow>([&](ItemListWindow* list) {
            list->SelectRecord(12);
            OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                QLineEdit* code = field(dialog, "PLU code");
                QVERIFY(code != nullptr);
                // No: the dialog stays, the code selected for typing over.
                TypeInto(code, first);
                AnswerMessage(QMessageBox::No, &seen_);
                ButtonOf(dialog, QStringLiteral("OK"))->click();
                QVERIFY(dialog->isVisible());
                QCOMPARE(code->selectedText(), first);
                QVERIFY(store_->Mainte(0, 4) == regBefore);
                TypeInto(code, QStringLiteral("04012399999996"));
                AnswerMessage(QMessageBox::Ok, &seen_);
                ButtonOf(dialog, QStringLiteral("OK"))->click();
            });
            list->EditRecord(12);
            OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                TypeInto(field(dialog, "PLU code"), first);
                // Yes: the dialog ends unsaved and the record that holds the code opens.
                OnModal<PageSetDialog>([&](PageSetDialog* other) {
                    wentThere = other != dialog && field(other, "PLU code")->text() == first &&
                                field(other, "Name")->text() == QStringLiteral("Sourdough loaf");
                    other->reject();
                });
                AnswerMessage(QMessageBox::Yes, &seen_);
                ButtonOf(dialog, QStringLiteral("OK"))->click();
            });
            list->EditRecord(12);
            QCOMPARE(list->SelectedRecord(), 1);
            list->accept();
        });
        tk73editor::runEditor({"/P"}, tk73item::itemEditor(), "TK73ITEM");
        QVERIFY(wentThere);
        const QString duplicate = QStringLiteral(
                                      "PLU code \"%1\" is already held by record 1 \"Sourdough "
                                      "loaf\".\nDo you want to go to it?")
                                      .arg(first);
        QCOMPARE(seen_.size(), 3);
        QCOMPARE(seen_[0].text, duplicate);
        QCOMPARE(seen_[0].caption, QStringLiteral("PLU"));
        QCOMPARE(seen_[1].text, QStringLiteral("Do you want to save the changes?"));
        QCOMPARE(seen_[2].text, duplicate);
        // Only record 12's code changed.
        const std::string reg = store_->Mainte(0, 4);
        const std::string line = RecordLine(reg, 12);
        QCOMPARE(line.substr(8, 14), std::string("04012399999996"));
        const size_t start = reg.find(line);
        for (const size_t offset : DifferingOffsets(regBefore, reg)) {
            QVERIFY(offset >= start + 8 && offset < start + 22);
        }
    }

    void restoreDefaultsFollowedByCancelLeavesTheFilesUnchanged() {
        std::string file = store_->Mainte(0, 4);
        file.replace(file.find(RecordLine(file, 2)) + kPluName, 16, "Dark rye        ");
        store_->SetMainte(0, 4, file);
        const std::string reg = store_->Mainte(0, 4);
        const std::string vek = store_->Mainte(1, 4);
        const std::string stamp = store_->Mainte(0, 998);

        OnModal<ItemListWindow>([&](ItemListWindow* list) {
            list->SelectRecord(2);
            OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                QCOMPARE(field(dialog, "Name")->text(), QStringLiteral("Dark rye"));
                AnswerMessage(QMessageBox::Ok, &seen_);
                ButtonOf(dialog, QStringLiteral("Restore defaults"))->click();
                QCOMPARE(field(dialog, "Name")->text(), QStringLiteral("Rye bread"));
                AnswerMessage(QMessageBox::Cancel, &seen_);
                ButtonOf(dialog, QStringLiteral("OK"))->click();
                QVERIFY(dialog->isVisible());
                ButtonOf(dialog, QStringLiteral("Cancel"))->click();
            });
            list->EditRecord(2);
            QCOMPARE(list->Model()->index(1, 2).data().toString(), QStringLiteral("Dark rye"));
            list->accept();
        });
        tk73editor::runEditor({"/P"}, tk73item::itemEditor(), "TK73ITEM");
        QCOMPARE(seen_.size(), 2);
        QCOMPARE(seen_[0].text, QStringLiteral("Restore defaults?"));
        QCOMPARE(seen_[0].icon, QMessageBox::Warning);
        QCOMPARE(seen_[1].text, QStringLiteral("Do you want to save the changes?"));
        QVERIFY(store_->Mainte(0, 4) == reg);
        QVERIFY(store_->Mainte(1, 4) == vek);
        QVERIFY(store_->Mainte(0, 998) == stamp);
    }

    void aScanningCodeIsCheckedRegisteredAndEdited() {
        const std::string before = store_->Mainte(0, 2);
        OnModal<ItemListWindow>([&](ItemListWindow* list) {
            OnModal<tk73item::AddScanningDialog>([&](tk73item::AddScanningDialog* add) {
                QVERIFY(!add->OkButton()->isEnabled());
                // A wrong check digit keeps the dialog open.
                TypeInto(add->CodeField(), QStringLiteral("96385075"));
                AnswerMessage(QMessageBox::Ok, &seen_);
                add->OkButton()->click();
                QVERIFY(add->isVisible());
                // A registered code: Cancel stays, so the user can type another one.
                TypeInto(add->CodeField(), QStringLiteral("4098700000266"));
                AnswerMessage(QMessageBox::Cancel, &seen_);
                add->OkButton()->click();
                QVERIFY(add->isVisible());
                OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                    TypeInto(field(dialog, "Name"), QStringLiteral("Lunch bag"));
                    AnswerMessage(QMessageBox::Ok, &seen_);
                    ButtonOf(dialog, QStringLiteral("OK"))->click();
                });
                TypeInto(add->CodeField(), QStringLiteral("96385074"));
                add->OkButton()->click();
            });
            list->AddButton()->click();
            QCOMPARE(list->SelectedRecord(), 31);
            QCOMPARE(list->Model()->index(30, 1).data().toString(),
                     QStringLiteral("00000096385074"));
            list->accept();
        });
        tk73editor::runEditor({"/C"}, tk73item::itemEditor(), "TK73ITEM");
        QCOMPARE(seen_.size(), 3);
        QCOMPARE(seen_[0].text, QStringLiteral("There is an error in the scanning code."));
        QCOMPARE(seen_[0].icon, QMessageBox::Critical);
        QCOMPARE(seen_[0].caption, QStringLiteral("Scanning PLU"));
        QVERIFY(seen_[1].text.startsWith(QStringLiteral("This item has already been registered.")));
        QCOMPARE(seen_[2].text, QStringLiteral("Do you want to save the changes?"));
        // Records 1 to 30 are used, with ages 1 to 30.
        const std::string line = RecordLine(store_->Mainte(0, 2), 31);
        QCOMPARE(line, std::string("000031,\"00000096385074\",\"Lunch bag       \",\"00000000\","
                                   "\"0000\",\"000031\""));
        // The scanning PLU file is menu data: both machines are stamped.
        QVERIFY(stampOf(store_->Mainte(0, 998)) != QStringLiteral("000000010424"));
        QCOMPARE(stampOf(store_->Mainte(1, 998)), stampOf(store_->Mainte(0, 998)));
    }

  private:
    std::unique_ptr<ItemTestStore> store_;
    tk73::QtUserInteraction qtUi_;
    QList<SeenMessage> seen_;
};

QTEST_MAIN(ItemEditorEditTest)
#include "item_editor_edit_test.moc"
