#pragma once
// The owner of a window's store bar, and the store dialog for callers that only need a choice.

#include <QPointer>

#include <string>

#include "storedb/edb_records.h"
#include "storedb/ui/select_store_bar.h"

class QWidget;

class CSelectStore {
  public:
    CSelectStore() = default;
    ~CSelectStore() { CloseSSBar(); }
    CSelectStore(const CSelectStore&) = delete;
    CSelectStore& operator=(const CSelectStore&) = delete;

    // Puts a bar across the top of parent: the controller bar when the process works on the
    // controller's settings and flag is 0, else the register bar, whose button flag 1 disables.
    // 0 when a bar exists already or there is no parent.
    [[nodiscard]] int CreateSSBar(QWidget* parent, int flag);
    int CloseSSBar();
    [[nodiscard]] int ShowSSBar(int show);
    [[nodiscard]] int Update();
    // The bar, for connecting its storeChanged signal; null without one.
    CSelectStoreBarBase* GetBar() const { return bar_; }

    // 999, 999, -1 and an empty name without a bar. Any output may be null.
    int GetSelectedStore(int* branchNo, int* storeNo, int* modelNo, std::string* name) const;
    // The same with the selected store's controller model (0 when it has none).
    int GetSelectedStoreWithVek(int* branchNo, int* storeNo, int* modelNo, int* vekModelNo,
                                std::string* name) const;
    // 1 when there is no bar or the bar shows a store.
    int IsSelected() const;
    // The register (controller 0) or controller (1) model of the selected store.
    [[nodiscard]] int GetModelForSelectedStore(MODEL_EDB* out, int controller) const;
    int ChangeSelectedStore(int branchNo, int storeNo, int modelNo);
    // The store list; only the controller bar offers it.
    [[nodiscard]] int ShowSettingStoreDialog();

    // The store dialog on its own: choose only (chooseOnly 1) or choose and make current.
    // onlyModelNo >= 0 lists only the stores of that register model; withVek answers the
    // store's controller model. 1 on OK with the three numbers filled in.
    static int SelectStore(int* branchNo, int* storeNo, int* modelNo, int chooseOnly,
                           int onlyModelNo, int withVek, QWidget* parent = nullptr);

  private:
    QPointer<CSelectStoreBarBase> bar_;
};
