#pragma once
// The store configuration dialog: name, models, connection, clerk, comment and branch of one
// store. Picking another model of an existing store asks at once; everything else waits for OK.

#include <QDialog>

#include "storedb/store_configuration.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class CVekConfigStoreDlg : public QDialog {
    Q_OBJECT

  public:
    CVekConfigStoreDlg(tk73store::StoreConfiguration& configuration, QWidget* parent = nullptr);

    void accept() override;

  private:
    // Watches a model drop-down: a pick the user does not confirm puts the previous one back.
    void watchModel(QComboBox* models, int kind);
    void openConnection();
    [[nodiscard]] static int modelOf(const QComboBox* models);

    tk73store::StoreConfiguration& configuration_;
    QLineEdit* name_;
    QComboBox* vekModels_;
    QComboBox* registerModels_;
    QPushButton* connection_;
    QLineEdit* clerk_;
    QLineEdit* comment_;
    QComboBox* branches_;
};
