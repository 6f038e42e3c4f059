#include "storedb/ui/tests/store_dialog_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "storedb/ui/store_dialogs.h"
#include "tools/stager/stage_installation.h"

namespace storeuitest {

int scriptFailures() {
    const testing::TestResult& result = testing::UnitTest::GetInstance()->ad_hoc_test_result();
    int failures = 0;
    for (int part = 0; part < result.total_part_count(); ++part) {
        failures += result.GetTestPartResult(part).failed() ? 1 : 0;
    }
    return failures;
}

StoreDialogEnvironment::StoreDialogEnvironment() {
    // The staged machine hive takes the place of the store tests' own, so every folder of the
    // installation is the shipped one's.
    const tk73tools::StageRequest request{tk73tools::shippedInstallation(), temp().path("staged"),
                                          2, true};
    std::vector<std::string> log;
    std::string error;
    if (!tk73tools::stageInstallation(request, log, error)) {
        qFatal("cannot stage the installation: %s", error.c_str());
    }
    std::filesystem::copy_file(tk73tools::stagedHive(request.target), temp().path("machine.reg"),
                               std::filesystem::copy_options::overwrite_existing);
    previousHandler_ = tk73store::SetCopyPgmFilesHandler(
        [this](int storeNo, int kinds) { notices_.emplace_back(storeNo, kinds); });
}

StoreDialogEnvironment::~StoreDialogEnvironment() {
    tk73store::SetCopyPgmFilesHandler(previousHandler_);
}

void StoreDialogEnvironment::showRealDialog(const std::string& name) {
    ui_.handleDialog(name, [](tk73::DialogRequest& request) {
        return tk73storeui::showStoreDialog(request, nullptr);
    });
}

std::vector<std::string> StoreDialogEnvironment::messages() const {
    return ui_.textsOf(tk73test::InteractionKind::Message);
}

std::vector<std::string> StoreDialogEnvironment::questions() const {
    return ui_.textsOf(tk73test::InteractionKind::Question);
}

void pick(QComboBox* combo, int data) {
    combo->setFocus();
    combo->setCurrentIndex(combo->findData(data));
}

void clickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::KeyboardModifiers(),
                      QPoint(6, button->height() / 2));
}

void pressOk(QDialog* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void closeIfOpen(QDialog* dialog) {
    if (dialog->isVisible()) {
        dialog->reject();
        QFAIL("the dialog stayed open");
    }
}

}  // namespace storeuitest
