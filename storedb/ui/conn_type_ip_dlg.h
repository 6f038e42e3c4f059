#pragma once
// "IP Address": one IPv4 address for the list of a connection page.

#include <QDialog>

#include <cstdint>
#include <optional>

class QLineEdit;

class CVekConfigConnTypeIpDlg : public QDialog {
    Q_OBJECT

  public:
    // The field starts with the preset address, or empty.
    explicit CVekConfigConnTypeIpDlg(std::optional<uint32_t> preset, QWidget* parent = nullptr);

    // The address of the accepted dialog.
    uint32_t address() const { return address_; }
    void accept() override;

  private:
    QLineEdit* field_;
    uint32_t address_ = 0;
};
