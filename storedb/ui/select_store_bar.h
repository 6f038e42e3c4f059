#pragma once
// The store bar: a strip across the top of a window that names the selected branch, store and
// model and lets the user choose another store. It tells its window about a new choice with the
// storeChanged signal. It is 24 pixels high whatever the font: its button is a tool button, whose
// margins leave the text of a taller font (as Noto's) the room a push button's would take.

#include <QWidget>

#include <string>

#include "storedb/edb_records.h"

class QToolButton;
class StoreNamesView;

class CSelectStoreBarBase : public QWidget {
    Q_OBJECT

  public:
    // The bar's height, unless the font of the system makes its button taller.
    static constexpr int kHeight = 24;

    int branchNo() const { return branchNo_; }
    int storeNo() const { return storeNo_; }
    int modelNo() const { return modelNo_; }
    const std::string& modelName() const { return modelName_; }
    QToolButton* selectButton() const { return button_; }
    // The names as the bar shows them.
    QString shownNames() const;

    // Takes the values and the register model's display name, and shows them.
    void changeSelectedStore(int branchNo, int storeNo, int modelNo);
    // Reads the names anew (a store or branch may have been renamed).
    void refresh();

  signals:
    // The user chose a store other than the one shown.
    void storeChanged();

  protected:
    // disabled: the bar only shows the selection.
    CSelectStoreBarBase(QWidget* parent, bool disabled, bool vekBar);
    [[nodiscard]] bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseStore();
    void fitToParent();

    QToolButton* button_;
    StoreNamesView* names_;
    int branchNo_ = EDB_NO_STORE;
    int storeNo_ = EDB_NO_STORE;
    int modelNo_ = -1;
    std::string modelName_;
};

// The register tool's bar.
class CSelectStoreBar : public CSelectStoreBarBase {
    Q_OBJECT

  public:
    CSelectStoreBar(QWidget* parent, bool disabled)
        : CSelectStoreBarBase(parent, disabled, false) {}
};

// The controller tool's bar: it covers all stores, so its button is never offered.
class CVekSelectStoreBar : public CSelectStoreBarBase {
    Q_OBJECT

  public:
    CVekSelectStoreBar(QWidget* parent, bool disabled)
        : CSelectStoreBarBase(parent, disabled, true) {}
};
