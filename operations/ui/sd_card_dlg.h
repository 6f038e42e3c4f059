#pragma once
// The SD card dialog ("Open" or "Save"): the prompt, a drop-down of the card folders on offer
// with "Browse..." as its last entry, OK and Cancel. What it lists and preselects and what OK
// does come from tk73ops::SdCardChoice.

#include <QDialog>

#include "operations/sd_card.h"

class QComboBox;

class CSdCardDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CSdCardDlg(tk73ops::SdCardChoice& choice, QWidget* parent = nullptr);

  public slots:
    // OK: closes once the choice took a folder; without one it warns and stays open.
    void accept() override;

  private:
    // Refills the drop-down from the choice with the folder of that index current (-1: none).
    void ShowFolders(int current);
    // The user picked an entry: "Browse..." asks for a folder and shows it, or goes back to the
    // folder shown before when the user cancelled.
    void OnEntryChosen(int index);

    tk73ops::SdCardChoice& choice_;
    QComboBox* folders_;
    int shown_ = -1;
};
