#pragma once
// The merge dialog "Merge VEK/ECR setting": the records that differ between the register and
// the Vek controller, a page at a time, the choice of direction and the kinds of data to copy.
// Its texts, pages and the question of the run button come from CMergeSettingDataDlgModel.

#include <QDialog>

#include <array>
#include <vector>

#include "programfiles/merge_dialog_model.h"

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

namespace tk73 {
class QtUserInteraction;
}

class CMergeSettingDataDlg : public QDialog {
    Q_OBJECT

  public:
    CMergeSettingDataDlg(QWidget* parent, const std::vector<tagMISMATCHINFO>& mismatches,
                         const std::vector<int>& groups);

    // The choices, valid once the dialog has closed with OK.
    int GetCheck_RdoNoMerge() const;
    int GetCheck_RdoMergeFromVekToReg() const;
    int GetCheck_RdoMergeFromRegToVek() const;
    int GetCheck_ChkbtnPLU() const;
    int GetCheck_ChkbtnSection() const;
    int GetCheck_ChkbtnCasher() const;
    int GetCheck_ChkbtnTaxTable() const;
    int GetCheck_ChkbtnSetMenu() const;
    int GetCheck_ChkbtnPullDown() const;

    // The choices into the request the dialog was shown for.
    void StoreChoices(CMergeSettingDataRequest& request) const { model_.StoreChoices(request); }

    // Makes the Qt user interaction show this dialog for the merge's requests.
    static void Register(tk73::QtUserInteraction& ui);

  public slots:
    // The run button: closes with the choices unless the user answers No to its question.
    void accept() override;

  private:
    void ShowPage(int page);
    [[nodiscard]] int CheckOf(int fileNo) const;

    CMergeSettingDataRequest request_;
    CMergeSettingDataDlgModel model_;
    QTreeWidget* list_ = nullptr;
    QSpinBox* page_ = nullptr;
    QLabel* range_ = nullptr;
};
