// The lists of the item editor on store 1 of a staged installation: their columns, the search
// dialog, the scanning code jump and the clearing of the NFP marks.

#include <QTest>

#include "apps/editors/framework/pgm_menu_context.h"
#include "apps/editors/item/item_page_set.h"
#include "apps/editors/item/testing/ui_driver.h"
#include "apps/editors/item/tests/support/item_test_store.h"
#include "apps/editors/item/ui/item_list_window.h"
#include "base/ui/qt_user_interaction.h"

using tk73item::ItemListWindow;
using tk73itemtest::AnswerMessage;
using tk73itemtest::DifferingOffsets;
using tk73itemtest::ItemTestStore;
using tk73itemtest::RecordLine;
using tk73itemtest::SeenMessage;
using tk73itemtest::TypeInto;

namespace {

// Offsets in a PLU record line: the name, and the second digit of the status field, whose
// bit 4 is the NFP mark.
constexpr size_t kName = 25;
constexpr size_t kStatusDigit2 = 45;

QStringList headersOf(const ItemListWindow& list) {
    QStringList headers;
    for (int column = 0; column < list.Model()->columnCount(); ++column) {
        headers << list.Model()->headerData(column, Qt::Horizontal).toString();
    }
    return headers;
}

}  // namespace

class ItemListTest : public QObject {
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

    void eachListShowsTheColumnsItsModelDefines() {
        Open("S");
        QCOMPARE(headersOf(*list_),
                 (QStringList{"Mem No.", "Name", "High Amount Limit", "Tax calculation",
                              "Single item", "Negative price", "Group link"}));
        QCOMPARE(list_->Model()->rowCount(), 20);
        QCOMPARE(list_->Model()->index(0, 1).data().toString(), QStringLiteral("Bakery"));
        QVERIFY(list_->AddButton() == nullptr);
        QVERIFY(list_->ClearNfpButton() == nullptr);
        Open("P");
        QCOMPARE(headersOf(*list_), (QStringList{"Mem No.", "PLU code", "Name", "Unit price",
                                                 "Tax calculation", "Single item", "Negative price",
                                                 "Group link", "Open PLU", "Dept link"}));
        QCOMPARE(list_->Model()->rowCount(), 300);
        QCOMPARE(list_->Model()->index(0, 3).data().toString(), QStringLiteral("4.29"));
        QCOMPARE(list_->Model()->index(0, 8).data().toString(), QStringLiteral("Preset"));
        QCOMPARE(list_->SelectedRecord(), 1);
        Open("C");
        QCOMPARE(headersOf(*list_),
                 (QStringList{"Mem No.", "Scanning code", "Name", "Unit price", "Dept link"}));
        // A free record shows no code.
        QCOMPARE(list_->Model()->index(49, 1).data().toString(), QString());
        Open("G");
        QCOMPARE(headersOf(*list_), (QStringList{"Mem No.", "Name"}));
    }

    void theSearchDialogJumpsAndFindsNamesInEitherDirection() {
        Open("P");
        list_->ShowSearch();
        tk73item::SearchDialog* search = list_->Search();
        QVERIFY(search != nullptr && search->isVisible());
        QCOMPARE(search->windowTitle(), QStringLiteral("Search"));
        QVERIFY(!search->FindNextButton()->isEnabled());

        TypeInto(search->JumpField(), QStringLiteral("250"));
        search->FindNextButton()->click();
        QCOMPARE(list_->SelectedRecord(), 250);
        TypeInto(search->JumpField(), QStringLiteral("301"));
        AnswerMessage(QMessageBox::Ok, &seen_);
        search->FindNextButton()->click();
        QCOMPARE(seen_.size(), 1);
        QCOMPARE(seen_[0].text, QStringLiteral("Invalid values.\nPlease set the correct value."));
        QCOMPARE(seen_[0].caption, QStringLiteral("PLU"));
        QCOMPARE(list_->SelectedRecord(), 250);

        // "chocolate" is in the names of PLUs 60, 66 and 67; after the last the selection stays.
        search->NameOption()->click();
        QVERIFY(!search->JumpField()->isEnabled());
        TypeInto(search->NameField(), QStringLiteral("chocolate"));
        list_->SelectRecord(1);
        for (const int expected : {60, 66, 67, 67}) {
            search->FindNextButton()->click();
            QCOMPARE(list_->SelectedRecord(), expected);
        }
        search->BackwardOption()->click();
        search->FindNextButton()->click();
        QCOMPARE(list_->SelectedRecord(), 66);
        search->CaseBox()->click();
        TypeInto(search->NameField(), QStringLiteral("Chocolate"));
        search->FindNextButton()->click();
        QCOMPARE(list_->SelectedRecord(), 66);
        QCOMPARE(seen_.size(), 1);
    }

    void theScanningListJumpsToARegisteredCodeOnly() {
        Open("C");
        list_->ShowSearch();
        tk73item::SearchDialog* search = list_->Search();
        QCOMPARE(search->JumpField()->maxLength(), 13);
        TypeInto(search->JumpField(), QStringLiteral("4098700000266"));
        search->FindNextButton()->click();
        QCOMPARE(list_->SelectedRecord(), 2);
        TypeInto(search->JumpField(), QStringLiteral("96385074"));
        AnswerMessage(QMessageBox::Ok, &seen_);
        search->FindNextButton()->click();
        TypeInto(search->JumpField(), QStringLiteral("4098700000267"));
        AnswerMessage(QMessageBox::Ok, &seen_);
        search->FindNextButton()->click();
        QCOMPARE(seen_.size(), 2);
        QCOMPARE(seen_[0].text,
                 QStringLiteral("Scanning Code that has been specified is not registered."));
        QCOMPARE(seen_[0].icon, QMessageBox::Warning);
        QCOMPARE(seen_[0].caption, QStringLiteral("Scanning PLU"));
        QCOMPARE(seen_[1].text, QStringLiteral("There is an error in the scanning code."));
        QCOMPARE(list_->SelectedRecord(), 2);
    }

    void clearingTheNfpMarksAsksFirstAndCopiesTheClearedRecords() {
        std::string file = store_->Mainte(0, 4);
        for (const int record : {7, 250}) {
            file[file.find(RecordLine(file, record)) + kStatusDigit2] = '8';
        }
        store_->SetMainte(0, 4, file);
        // The controller's PLU 7 has another name by now.
        std::string vek = store_->Mainte(1, 4);
        vek.replace(vek.find(RecordLine(vek, 7)) + kName, 16, "Bagel (old)     ");
        store_->SetMainte(1, 4, vek);
        Open("P");
        // The tax calculation column names the tax.
        QCOMPARE(list_->Model()->index(6, 4).data().toString(), QStringLiteral("Tax 2"));

        AnswerMessage(QMessageBox::Cancel, &seen_);
        list_->ClearNfpButton()->click();
        QVERIFY(store_->Mainte(0, 4) == file);
        AnswerMessage(QMessageBox::Ok, &seen_);
        list_->ClearNfpButton()->click();
        QCOMPARE(seen_.size(), 2);
        QCOMPARE(seen_[1].text, QStringLiteral("Cleared all the NFP. Would you like?"));
        QCOMPARE(seen_[1].preset, QMessageBox::Cancel);
        const std::string after = store_->Mainte(0, 4);
        QCOMPARE(DifferingOffsets(file, after).size(), size_t{2});
        QCOMPARE(RecordLine(after, 7)[kStatusDigit2], '0');
        // The cleared records went to the controller as a whole, as an edit sends them.
        QCOMPARE(RecordLine(store_->Mainte(1, 4), 7).substr(kName, 16),
                 RecordLine(after, 7).substr(kName, 16));
    }

  private:
    void Open(const char* flag) {
        list_.reset();
        context_ = std::make_unique<tk73editor::PgmMenuContext>();
        QCOMPARE(context_->OpenActiveStore(), 1);
        list_ = std::make_unique<ItemListWindow>(*context_, *tk73item::findItemPageSet(flag));
        QCOMPARE(list_->Open(), 1);
        list_->show();
    }

    std::unique_ptr<ItemTestStore> store_;
    tk73::QtUserInteraction qtUi_;
    QList<SeenMessage> seen_;
    std::unique_ptr<tk73editor::PgmMenuContext> context_;
    std::unique_ptr<ItemListWindow> list_;
};

QTEST_MAIN(ItemListTest)
#include "item_list_test.moc"
