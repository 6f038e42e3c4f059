#pragma once
// The program file handles of one store's register and Vek controller, whichever the store has.
// The merge of their settings and the menu update stamp work through it.

#include "programfiles/cmn_mainte_pgm_handle.h"
#include "storedb/edb_records.h"

class CCmnMainteBase {
  public:
    // Empty handles, no store.
    CCmnMainteBase() = default;
    virtual ~CCmnMainteBase() = default;
    // A copy holds the same records and its own handles on the same files.
    CCmnMainteBase(const CCmnMainteBase&) = default;
    CCmnMainteBase& operator=(const CCmnMainteBase&) = default;

    // Loads the store's record and models and opens a handle for each machine the store has. A
    // machine whose definition copy or maintenance folder cannot be had keeps a closed handle.
    // 1 when the store was found.
    [[nodiscard]] virtual int Initialize(int storeNo);

    int HasRegister() const { return m_bHasRegister; }
    int HasVek() const { return m_bHasVek; }
    CCmnMaintePgmHandle& GetRegPgmHandle() { return m_regHandle; }
    CCmnMaintePgmHandle& GetVekPgmHandle() { return m_vekHandle; }
    const STORE_EDB& GetStore() const { return m_store; }
    const MODEL_EDB& GetVekModel() const { return m_vekModel; }
    const MODEL_EDB& GetRegModel() const { return m_regModel; }

  private:
    void OpenHandle(int kind);

    int m_bHasRegister = 0;
    int m_bHasVek = 0;
    STORE_EDB m_store;
    MODEL_EDB m_vekModel;
    MODEL_EDB m_regModel;
    CCmnMaintePgmHandle m_vekHandle;
    CCmnMaintePgmHandle m_regHandle;
};
