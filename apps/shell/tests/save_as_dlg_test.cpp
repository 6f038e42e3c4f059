// The "Save As" dialog as the user works it: the type list, the "Partial PLU setting" panel that
// only the partial PLU type can use, and its two code fields that keep from <= to within 1 to
// 50000 and take at most five digits. Its picture is kept for review.

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "apps/shell/save_as_dlg.h"
#include "apps/shell/tests/shell_environment.h"
#include "base/registry_settings.h"
#include "platform/known_folders.h"
#include "tests/ui_checks/layout_problems.h"

namespace tk73hub {
namespace {

// Replaces the field's text as the user types it, then leaves the field with Enter.
void typeCode(QSpinBox* field, const char* digits) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(digits));
    QTest::keyClick(field, Qt::Key_Enter);
}

TEST(HubSaveAsDialog, ThePanelServesThePartialTypeAndKeepsTheRange) {
    hubtest::ShellEnvironment env(0);
    SaveAsChoice choice(env.temp().path("KR301.092"), true);
    CSaveAsDlg dialog(choice);
    dialog.show();
    QSpinBox* from = dialog.fromField();
    QSpinBox* to = dialog.toField();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save As"));
    EXPECT_EQ(dialog.nameFilters(), (QStringList{QStringLiteral("ECR Auto PGM file (*.092)"),
                                                 QStringLiteral("Part PLU file (*.crz)")}));
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("crp"));
    EXPECT_EQ(from->value(), 1);
    EXPECT_EQ(to->value(), 50000);
    EXPECT_FALSE(from->isEnabled());
    EXPECT_FALSE(to->isEnabled());

    // The user picks the partial PLU type in the type list, and back.
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(dialog.typeIndex(), 1);
    EXPECT_TRUE(from->isEnabled());
    EXPECT_TRUE(to->isEnabled());

    typeCode(to, "100");
    typeCode(from, "250");  // above "to": "to" follows
    EXPECT_EQ(choice.range().from(), 250);
    EXPECT_EQ(to->value(), 250);
    to->stepBy(-1);  // a step below "from": "from" follows at once
    EXPECT_EQ(from->value(), 249);
    EXPECT_EQ(choice.range().to(), 249);
    typeCode(from, "123456");  // five digits at most
    EXPECT_EQ(from->value(), 12345);
    EXPECT_EQ(choice.range().to(), 12345);
    to->stepBy(50000);
    EXPECT_EQ(to->value(), 50000);
    from->stepBy(-50000);
    EXPECT_EQ(from->value(), 1);

    const QString folder = QStringLiteral(TK73_SHELL_SCREENSHOTS);
    QDir().mkpath(folder);
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("/save_as.png")));
    EXPECT_EQ(tk73test::layoutProblems(&dialog), QStringList());

    QTest::keyClick(types, Qt::Key_Up);
    EXPECT_FALSE(from->isEnabled());
    EXPECT_FALSE(to->isEnabled());
}

TEST(HubSaveAsDialog, WithoutAFileItStartsInTheCardFolderUsedLastElseInTheDocuments) {
    hubtest::ShellEnvironment env(2);
    const std::string documents = tk73::knownFolderPath(tk73::KnownFolder::Documents);
    std::filesystem::create_directories(documents);
    SaveAsChoice unnamed("", false);
    EXPECT_EQ(CSaveAsDlg(unnamed).directory(), QDir(QString::fromStdString(documents)));
    // The card folder used last, while the card is in.
    const std::string card = env.temp().path("media/OTHER");
    ASSERT_EQ(AecrbsSetRegistryCurrentUserSystemString(nullptr, "SDCARD_DRV", card.c_str()), 1);
    EXPECT_EQ(SaveAsChoice("", false).startFolder(), documents);
    std::filesystem::create_directories(card);
    EXPECT_EQ(SaveAsChoice("", false).startFolder(), card);
    // A file of its own: the file's folder.
    EXPECT_EQ(SaveAsChoice(env.temp().path("shop/KR301.092"), false).startFolder(),
              env.temp().path("shop"));
}

TEST(HubSaveAsDialog, WithoutThePartialTypeOnlyWholeArchivesAreOffered) {
    SaveAsChoice choice("", false);
    CSaveAsDlg dialog(choice);
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("ECR Auto PGM file (*.092)")});
    EXPECT_FALSE(dialog.fromField()->isEnabled());
    choice.accept("/card/x.crz", 1);
    EXPECT_EQ(choice.chosenType(), SaveAsChoice::Type::Archive);
}

}  // namespace
}  // namespace tk73hub
