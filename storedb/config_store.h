#pragma once
// Creating, changing and copying one store through the store configuration dialog
// ("ConfigStore", a named dialog of the user-interaction seam).

class CConfigStore {
  public:
    // Each answers 1 when the dialog ended with OK and the store was written, else 0.
    [[nodiscard]] int CreateStore();
    [[nodiscard]] int EditStore(int storeNo);
    [[nodiscard]] int CopyStore(int sourceStoreNo);
    // The store the last successful call wrote; 0 before one.
    int GetStoreNo() const { return storeNo_; }

  private:
    int storeNo_ = 0;
};
