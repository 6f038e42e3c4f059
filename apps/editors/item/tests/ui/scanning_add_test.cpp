// Adding a scanning code through the list's Add dialog on store 1 of a staged installation:
// nothing reaches the files before the record dialog's OK, whether the code takes a free record
// or reuses the oldest one, and that OK writes the code, its age and the record's values.

#include <QLabel>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <map>

#include "apps/editors/framework/page_set_dialog.h"
#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/testing/ui_driver.h"
#include "apps/editors/item/tests/support/item_test_store.h"
#include "apps/editors/item/ui/add_scanning_dialog.h"
#include "apps/editors/item/ui/item_list_window.h"
#include "base/ui/qt_user_interaction.h"

using tk73editor::PageSetDialog;
using tk73item::AddScanningDialog;
using tk73item::ItemListWindow;
using tk73itemtest::AnswerMessage;
using tk73itemtest::ButtonOf;
using tk73itemtest::FormField;
using tk73itemtest::ItemTestStore;
using tk73itemtest::OnModal;
using tk73itemtest::RecordLine;
using tk73itemtest::SeenMessage;
using tk73itemtest::TypeInto;

namespace {

using Files = std::map<std::string, std::string>;

// "96385074" as the file holds it.
constexpr const char* kNewCode = "00000096385074";

// Every file of both machines' maintenance folders, byte for byte.
Files filesOf(const ItemTestStore& store) {
    Files files;
    for (const int vek : {0, 1}) {
        for (const auto& entry : std::filesystem::directory_iterator(store.MainteFolder(vek))) {
            files[entry.path().string()] =
                tk73test::TempEnvironment::readFile(entry.path().string());
        }
    }
    return files;
}

// Fills every record of the scanning PLU file; record 17 is the oldest.
void fillScanningFile(const ItemTestStore& store) {
    std::string file = store.Mainte(0, 2);
    for (int record = 1; record <= 50; ++record) {
        char line[96];
        std::snprintf(line, sizeof(line),
                      "%06d,\"040987%08d\",\"Article %-8d\",\"00000100\",\"0008\",\"%06d\"", record,
                      record, record, record == 17 ? 3 : 100 + record);
        const std::string old = RecordLine(file, record);
        file.replace(file.find(old), old.size(), line);
    }
    store.SetMainte(0, 2, file);
}

QLineEdit* nameField(QWidget* dialog) {
    return qobject_cast<QLineEdit*>(FormField(dialog, QStringLiteral("Name")));
}

QString shownCode(QWidget* dialog) {
    const auto* label = qobject_cast<QLabel*>(FormField(dialog, QStringLiteral("Scanning code:")));
    return label != nullptr ? label->text() : QString();
}

}  // namespace

class ScanningAddTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        store_ = std::make_unique<ItemTestStore>();
        QVERIFY2(store_->Error().empty(), store_->Error().c_str());
        tk73::installUserInteraction(&qtUi_);
        seen_.clear();
    }
    void cleanup() {
        list_.reset();
        context_.reset();
        tk73::installUserInteraction(nullptr);
        store_.reset();
    }

    void cancellingTheRecordDialogLeavesEveryFileAsItWas() {
        // A free record: the dialog shows the code it would take.
        const Files before = filesOf(*store_);
        Open();
        const QString freeRecord = list_->Model()->index(30, 1).data().toString();
        bool shown = false;
        OnModal<AddScanningDialog>([&](AddScanningDialog* add) {
            TypeInto(add->CodeField(), QStringLiteral("96385074"));
            OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                QCOMPARE(shownCode(dialog), QString::fromLatin1(kNewCode));
                TypeInto(nameField(dialog), QStringLiteral("Lunch bag"));
                ButtonOf(dialog, QStringLiteral("Cancel"))->click();
                shown = true;
            });
            add->OkButton()->click();
        });
        list_->AddButton()->click();
        QVERIFY(shown);
        QVERIFY(filesOf(*store_) == before);
        QCOMPARE(list_->Model()->index(30, 1).data().toString(), freeRecord);

        // The oldest record of a full file: it shows blank values, and Cancel keeps its article.
        fillScanningFile(*store_);
        const Files full = filesOf(*store_);
        Open();
        shown = false;
        OnModal<AddScanningDialog>([&](AddScanningDialog* add) {
            TypeInto(add->CodeField(), QStringLiteral("96385074"));
            AnswerMessage(QMessageBox::Ok, &seen_);
            OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                QCOMPARE(shownCode(dialog), QString::fromLatin1(kNewCode));
                QCOMPARE(nameField(dialog)->text(), QString());
                ButtonOf(dialog, QStringLiteral("Cancel"))->click();
                shown = true;
            });
            add->OkButton()->click();
        });
        list_->AddButton()->click();
        QVERIFY(shown);
        QCOMPARE(seen_.size(), 1);
        QVERIFY(seen_[0].text.endsWith(QStringLiteral("(code:04098700000017 Name:Article 17)")));
        QCOMPARE(seen_[0].preset, QMessageBox::Cancel);
        QVERIFY(filesOf(*store_) == full);
        QCOMPARE(list_->Model()->index(16, 2).data().toString(), QStringLiteral("Article 17"));
    }

    void theRecordDialogsOkRegistersTheCodeWithTheRecordsValues() {
        fillScanningFile(*store_);
        const std::string stamp = store_->Mainte(0, 998);
        Open();
        OnModal<AddScanningDialog>([&](AddScanningDialog* add) {
            TypeInto(add->CodeField(), QStringLiteral("96385074"));
            AnswerMessage(QMessageBox::Ok, &seen_);
            OnModal<PageSetDialog>([&](PageSetDialog* dialog) {
                TypeInto(nameField(dialog), QStringLiteral("Lunch bag"));
                AnswerMessage(QMessageBox::Ok, &seen_);
                ButtonOf(dialog, QStringLiteral("OK"))->click();
            });
            add->OkButton()->click();
        });
        list_->AddButton()->click();
        QCOMPARE(seen_.size(), 2);
        QCOMPARE(seen_[1].text, QStringLiteral("Do you want to save the changes?"));
        // The former article is gone; the record has the new code, the next age and the name.
        const std::string file = store_->Mainte(0, 2);
        QCOMPARE(RecordLine(file, 17), std::string("000017,\"00000096385074\",\"Lunch bag       \","
                                                   "\"00000000\",\"0000\",\"000151\""));
        QCOMPARE(RecordLine(file, 18).substr(8, 14), std::string("04098700000018"));
        QCOMPARE(list_->Model()->index(16, 1).data().toString(), QString::fromLatin1(kNewCode));
        QVERIFY(store_->Mainte(0, 998) != stamp);
    }

  private:
    void Open() {
        list_.reset();
        context_ = std::make_unique<tk73editor::PgmMenuContext>();
        QCOMPARE(context_->OpenActiveStore(), 1);
        list_ = std::make_unique<ItemListWindow>(*context_, *tk73item::findItemPageSet("C"));
        QCOMPARE(list_->Open(), 1);
        list_->show();
    }

    std::unique_ptr<ItemTestStore> store_;
    tk73::QtUserInteraction qtUi_;
    QList<SeenMessage> seen_;
    std::unique_ptr<tk73editor::PgmMenuContext> context_;
    std::unique_ptr<ItemListWindow> list_;
};

QTEST_MAIN(ScanningAddTest)
#include "scanning_add_test.moc"
