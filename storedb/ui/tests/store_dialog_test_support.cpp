#include "storedb/ui/tests/store_dialog_test_support.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "storedb/ui/store_dialogs.h"

namespace storeuitest {

namespace {

const char* const kModelList =
    "[ECR_LIST]\r\n"
    "TOTALCOUNT=3\r\n"
    "01=301,KR301,KR-301 Compact Register,1,COMPACT,KR3010,1,49\r\n"
    "02=420,KR420,KR-420 Shop Register,2,STANDARD,KR4200,2,321\r\n"
    "03=150,KR150,KR-150 Kiosk Register,0,KIOSK,KR1500,1,21\r\n"
    "[VEK_LIST]\r\n"
    "TOTALCOUNT=1\r\n"
    "01=501,VK500,VK-500 Order Controller,1,ORDER,VK5000,1,80\r\n"
    "[VEKNOTSUPPORTECR]\r\n"
    "SIMPLEMODE=150\r\nPROMODE=150\r\nVEKSPLMODE=150\r\nVEKPROMODE=150\r\nNETREGMODE=150\r\n";

}  // namespace

int scriptFailures() {
    const testing::TestResult& result = testing::UnitTest::GetInstance()->ad_hoc_test_result();
    int failures = 0;
    for (int part = 0; part < result.total_part_count(); ++part) {
        failures += result.GetTestPartResult(part).failed() ? 1 : 0;
    }
    return failures;
}

StoreDialogEnvironment::StoreDialogEnvironment() {
    tk73test::TempEnvironment::writeFile(temp().path("install/TK73TOOL.ini"), kModelList);
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
