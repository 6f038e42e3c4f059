#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "apps/editors/clerk/clerk_editor.h"
#include "apps/editors/clerk/clerk_page_set.h"
#include "apps/editors/general/general_features.h"
#include "apps/editors/testing/form_editor_test.h"
#include "apps/editors/testing/widget_lookup.h"

using tk73editortest::ExpectedFiles;
using tk73editortest::fieldOf;
using tk73editortest::kController;
using tk73editortest::kRegister;
using tk73editortest::retype;
using namespace tk73clerk;

namespace {

QWidget* clerkControl(const tk73editor::PageSetDialog& set, int itemNo, int clerk) {
    tk73editor::PageItem* item = tk73editortest::itemOf(set, kClerkMenu, itemNo, clerk);
    return item != nullptr ? item->Control() : nullptr;
}

}  // namespace

class ClerkEditorTest : public tk73editortest::FormEditorTest {
    Q_OBJECT

  public:
    ClerkEditorTest() : FormEditorTest(clerkEditor(), EDITOR_PROGRAM) {}

  private slots:
    void theEditorHasTheClerksAndTheCustomerSetup() {
        QVERIFY(start(kKR301));
        const auto description = clerkEditor();
        QCOMPARE(description.vekFlags, tk73editor::VekFlags::FirstTwoFlags);
        QCOMPARE(description.pageSets.size(), size_t{2});
        QCOMPARE(description.pageSets[0].flag, std::string("PC"));
        QCOMPARE(description.pageSets[1].flag, std::string("CS"));
        auto clerks = create("PC");
        QCOMPARE(clerks->Title(), std::string("Clerk"));
        auto customers = create("CS");
        QCOMPARE(customers->Title(), std::string("Customer Setup"));
        QCOMPARE(customers->Open(), 1);
        QCOMPARE(customers->Pages().size(), size_t{2});
        QCOMPARE(customers->Pages()[0]->Title(), std::string("Payment"));
        QCOMPARE(customers->Pages()[1]->Title(), std::string("Receipt"));
    }

    void theClerksShowTheirRecords() {
        QVERIFY(start(kKR301));
        auto set = create("PC");
        QCOMPARE(set->Open(), 1);
        QCOMPARE(set->findChild<QTabWidget*>()->tabText(0), QStringLiteral("Clerk 1-10"));
        QCOMPARE(fieldOf(clerkControl(*set, kNameItem, 1))->text(), QStringLiteral("Manager"));
        // The name is Windows-1252 in the file.
        QCOMPARE(fieldOf(clerkControl(*set, kNameItem, 4))->text(), QString::fromUtf8("Chloé"));
        QCOMPARE(fieldOf(clerkControl(*set, kSecretCodeItem, 4))->text(), QStringLiteral("1203"));
        QCOMPARE(qobject_cast<QComboBox*>(clerkControl(*set, kDrawerItem, 1))->currentText(),
                 QStringLiteral("Drawer 2"));
        QCOMPARE(qobject_cast<QComboBox*>(clerkControl(*set, kDrawerItem, 2))->currentText(),
                 QStringLiteral("Drawer 1"));
        QVERIFY(qobject_cast<QCheckBox*>(clerkControl(*set, kTrainingItem, 9))->isChecked());
        QVERIFY(!qobject_cast<QCheckBox*>(clerkControl(*set, kTrainingItem, 1))->isChecked());
        QCOMPARE(fieldOf(clerkControl(*set, kNameItem, 10))->text(), QString());
    }

    void aSaveWritesOnlyTheEditedClerkItems() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        auto set = create("PC");
        QCOMPARE(set->Open(), 1);
        retype(fieldOf(clerkControl(*set, kNameItem, 10)), QString::fromUtf8("Renée"));
        retype(fieldOf(clerkControl(*set, kSecretCodeItem, 10)), "1210");
        auto* drawer = qobject_cast<QComboBox*>(clerkControl(*set, kDrawerItem, 10));
        drawer->setCurrentIndex(1);
        emit drawer->activated(1);
        qobject_cast<QCheckBox*>(clerkControl(*set, kTrainingItem, 10))->click();
        retype(fieldOf(clerkControl(*set, kNameItem, 4)), "Chloe");
        QVERIFY(save(*set));
        QVERIFY(expected.Write(kClerkMenu, kNameItem, 10,
                               std::string("Ren\xE9"
                                           "e")));
        QVERIFY(expected.Write(kClerkMenu, kSecretCodeItem, 10, uint64_t{1210}));
        QVERIFY(expected.Write(kClerkMenu, kDrawerItem, 10, uint64_t{2}));
        QVERIFY(expected.Write(kClerkMenu, kTrainingItem, 10, uint64_t{1}));
        QVERIFY(expected.Write(kClerkMenu, kNameItem, 4, std::string("Chloe")));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void aSecretCodeAnotherClerkHoldsIsRefusedUntilOneOfThemChanges() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        auto set = create("PC");
        QCOMPARE(set->Open(), 1);
        set->show();
        retype(fieldOf(clerkControl(*set, kSecretCodeItem, 10)), "1203");
        // Going to the clerk that holds the code selects it there, ready to be changed.
        session_->script.pressButton(tk73::Button::Yes);
        set->accept();
        QVERIFY(set->isVisible());
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
        const auto calls = session_->script.calls();
        QCOMPARE(calls.size(), size_t{1});
        QCOMPARE(QString::fromLatin1(calls[0].text.c_str()),
                 QString::fromLatin1("Secret code \"1203\" is already held by record 4 "
                                     "\"Chlo\xE9\".\nDo you want to go to it?"));
        QCOMPARE(calls[0].caption, std::string("Clerk"));
        QLineEdit* taken = fieldOf(clerkControl(*set, kSecretCodeItem, 4));
        QCOMPARE(taken->selectedText(), QStringLiteral("1203"));
        // The other clerk takes another code; the dialog holds it, the file not yet.
        retype(taken, "1208");
        QVERIFY(save(*set));
        QVERIFY(expected.Write(kClerkMenu, kSecretCodeItem, 10, uint64_t{1203}));
        QVERIFY(expected.Write(kClerkMenu, kSecretCodeItem, 4, uint64_t{1208}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void theControllersServersHaveANameAndASecretCode() {
        QVERIFY(start(kKR301, kVK500, kController));
        ExpectedFiles controller = session_->expect(kController);
        ExpectedFiles registerFiles = session_->expect(kRegister);
        auto set = create("PC");
        QCOMPARE(set->Open(), 1);
        QVERIFY(clerkControl(*set, kSecretCodeItem, 1) != nullptr);
        QVERIFY(clerkControl(*set, kDrawerItem, 1) == nullptr);
        QVERIFY(clerkControl(*set, kTrainingItem, 1) == nullptr);
        retype(fieldOf(clerkControl(*set, kNameItem, 3)), "Bea");
        QVERIFY(save(*set));
        QVERIFY(controller.Write(kClerkMenu, kNameItem, 3, std::string("Bea")));
        QCOMPARE(controller.Differences(), std::vector<std::string>{});
        QCOMPARE(registerFiles.Differences(), std::vector<std::string>{});
    }

    void theCustomerSetupSavesItsFeatures() {
        QVERIFY(start(kKR301));
        ExpectedFiles expected = session_->expect();
        auto set = create("CS");
        QCOMPARE(set->Open(), 1);
        auto* date = qobject_cast<QComboBox*>(
            tk73editortest::itemOf(*set, tk73general::kGeneralFeatureMenu,
                                   static_cast<int>(tk73general::Feature::DateFormat))
                ->Control());
        QCOMPARE(date->currentText(), QStringLiteral("DD/MM/YYYY"));
        date->setCurrentIndex(2);
        emit date->activated(2);
        QVERIFY(save(*set));
        QVERIFY(expected.Write(tk73general::kGeneralFeatureMenu,
                               static_cast<int>(tk73general::Feature::DateFormat), 0, uint64_t{2}));
        QCOMPARE(expected.Differences(), std::vector<std::string>{});
    }

    void everyPageSetShowsItsControlsWhole_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("controller");
        QTest::newRow("PC") << "PC" << false;
        QTest::newRow("CS") << "CS" << false;
        QTest::newRow("PC controller") << "PC" << true;
    }
    void everyPageSetShowsItsControlsWhole() {
        QFETCH(QString, flag);
        QFETCH(bool, controller);
        QVERIFY(start(kKR301, controller ? kVK500 : 0, controller ? kController : kRegister));
        const QStringList problems = renderedPages(
            flag.toStdString(), "clerk-" + flag.toStdString() + (controller ? "-controller" : ""));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

QTEST_MAIN(ClerkEditorTest)
#include "clerk_editor_test.moc"
