#pragma once
// "Changes": what a send would change on one register, field by field, with the titles of the
// register's definition; the files it has no copy of are named as not known.

#include <QDialog>

#include <string>

#include "landialogs/send_preview.h"

class CLanChangesDlg : public QDialog {
    Q_OBJECT

  public:
    CLanChangesDlg(const std::string& address, const tk73lan::RegisterChanges& changes,
                   QWidget* parent = nullptr);
};
