#pragma once
// "Select file": the files of the main list with check boxes, for sending or receiving. The
// preset button checks exactly the files the definition names for the direction; OK is enabled
// while a box is checked and runs the transfer of the checked files.

#include <QDialog>

#include <cstdint>
#include <vector>

#include "apps/detailtool/detail_start.h"

class QListWidget;
class QPushButton;

namespace tk73dtl {

class SelectFilesDialog : public QDialog {
  public:
    SelectFilesDialog(const DetailContext& context, bool receive, QWidget* parent);

    QListWidget* Files() const { return files_; }
    QPushButton* Ok() const { return ok_; }
    // The checked files, in list order.
    std::vector<uint32_t> CheckedFiles() const;

  private:
    void CheckAll(bool checked);
    void Preset();

    const DetailContext& context_;
    bool receive_;
    std::vector<int> fileNos_;
    QListWidget* files_;
    QPushButton* ok_;
};

}  // namespace tk73dtl
