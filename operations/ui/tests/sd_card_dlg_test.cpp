// The SD card dialog as the user sees and uses it, offscreen: the folders on offer with the card
// used last preselected, "Browse..." adding a folder, OK without a folder warning and staying
// open, OK with one keeping it, and the rendering check. The picture lands in the build folder.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "base/registry_settings.h"
#include "base/testing/scripted_user_interaction.h"
#include "operations/ui/sd_card_dlg.h"
#include "tests/support/temp_environment.h"
#include "tests/ui_checks/rendered_window.h"

namespace {

std::string cardValue() {
    char value[4096] = {};
    AecrbsGetRegistryCurrentUserSystemString(nullptr, value, sizeof value, "SDCARD_DRV");
    return value;
}

QComboBox* foldersOf(const QDialog& dialog) {
    return dialog.findChild<QComboBox*>(QStringLiteral("cardFolders"));
}

void press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

// The user picks an entry of the drop-down.
void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

class SdCardDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env_ = std::make_unique<tk73test::TempEnvironment>();
        for (const char* card : {"media/CARD_B", "media/CARD_A"}) {
            std::filesystem::create_directories(env_->root() / card);
        }
        setenv("TK73_MEDIA_FOLDERS", env_->path("media").c_str(), 1);
    }

    void cleanup() {
        unsetenv("TK73_MEDIA_FOLDERS");
        env_.reset();
    }

    void showsTheCardsWithTheOneUsedLastAndKeepsABrowsedFolder() {
        QCOMPARE(AecrbsSetRegistryCurrentUserSystemString(nullptr, "SDCARD_DRV",
                                                          env_->path("media/CARD_B").c_str()),
                 1);
        tk73test::ScriptedUserInteraction ui;
        tk73ops::SdCardChoice choice(tk73ops::SdCardUse::Open);
        CSdCardDlg dialog(choice);
        QComboBox* folders = foldersOf(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Open"));
        QCOMPARE(folders->count(), 3);
        QCOMPARE(folders->itemText(2), QStringLiteral("Browse..."));
        QCOMPARE(folders->currentText().toStdString(), env_->path("media/CARD_B"));
        const QStringList faults = tk73test::renderedProblems(
            dialog, QStringLiteral(TK73_SCREENSHOT_DIR "/sd_card_dlg.png"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        // "Browse..." shows the folder picked; cancelling a second one keeps it shown.
        const std::string other = env_->path("elsewhere");
        ui.choosePath(other);
        ui.choosePath(std::nullopt);
        choose(folders, 2);
        QCOMPARE(folders->count(), 4);
        QCOMPARE(folders->currentText().toStdString(), other);
        QCOMPARE(folders->itemText(3), QStringLiteral("Browse..."));
        choose(folders, 3);
        QCOMPARE(folders->currentText().toStdString(), other);

        press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(choice.chosenFolder(), other);
        QCOMPARE(cardValue(), other);
        QCOMPARE(ui.calls().size(), size_t(2));
        QCOMPARE(ui.calls()[0].folder, env_->path("media/CARD_B"));
    }

    void okWithoutACardWarnsAndStaysOpen() {
        std::filesystem::remove_all(env_->root() / "media");
        tk73test::ScriptedUserInteraction ui;
        tk73ops::SdCardChoice choice(tk73ops::SdCardUse::Save);
        CSdCardDlg dialog(choice);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Save"));
        QCOMPARE(foldersOf(dialog)->currentIndex(), -1);

        press(dialog, QDialogButtonBox::Ok);
        QVERIFY(dialog.isVisible());
        QCOMPARE(ui.textsOf(tk73test::InteractionKind::Message),
                 std::vector<std::string>{"Select the drive letter."});
        QCOMPARE(ui.calls()[0].icon, tk73::MessageIcon::Exclamation);

        press(dialog, QDialogButtonBox::Cancel);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(cardValue(), std::string());
    }

  private:
    std::unique_ptr<tk73test::TempEnvironment> env_;
};

QTEST_MAIN(SdCardDialogTest)
#include "sd_card_dlg_test.moc"
