#pragma once
// The range dialog of a program file import: all records, or only their base fields.

#include <QDialog>

#include "programfiles/pgm_import_range.h"

class QRadioButton;

class CImportRangeDlg : public QDialog {
    Q_OBJECT

  public:
    CImportRangeDlg(tk73pgm::ImportRangeRequest& request, QWidget* parent = nullptr);

    // "Read data.": the choice into the request.
    void accept() override;

  private:
    tk73pgm::ImportRangeRequest& request_;
    QRadioButton* basicOnly_;
};
