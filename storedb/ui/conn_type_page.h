#pragma once
// One page of the connection dialog: how the PC finds the registers or the controllers of the
// store, automatically or from a list of up to 32 IP addresses.

#include <QWidget>

#include <string>

#include "storedb/connection_type.h"

class QListWidget;
class QPushButton;
class QRadioButton;

class CVekConfigConnTypeDlg : public QWidget {
    Q_OBJECT

  public:
    // caption: the caption of the messages the page shows.
    CVekConfigConnTypeDlg(const tk73store::ConnectionType& connection, std::string caption,
                          QWidget* parent = nullptr);

    // The page as the user left it; automatic mode has no addresses.
    tk73store::ConnectionType connection() const;

  private:
    void addAddress();
    void removeAddress();
    void refill(int selectRow);
    void updateControls();

    std::string caption_;
    tk73store::IpAddressList addresses_;
    QRadioButton* auto_;
    QRadioButton* manual_;
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
};
