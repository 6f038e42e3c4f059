#pragma once
// Store 1 of a freshly staged installation, as the shell leaves it after New: the shipped
// installation laid into the test's private folder (the machine hive pointed at it), the store
// made with a register model and, when asked, a controller model, and the default program files
// copied into its maintenance folders. The editors find it as the active store.

#include <string>

#include "apps/editors/framework/pgm_menu_context.h"
#include "tests/support/temp_environment.h"

namespace tk73editortest {

// The setting targets of a store.
inline constexpr int kRegister = 0;
inline constexpr int kController = 1;

struct StorePaths {
    std::string definitionFile;
    std::string mainteFolder;
    std::string defaultFolder;
};

// Makes a store with the models in the database of the staged installation and copies the
// default program files into it, as the shell does after the store configuration; its number,
// 0 when it could not be made.
int createStoreWithDefaults(const std::string& name, int regModelNo, int vekModelNo = 0);

class StagedStore {
  public:
    // vekModelNo 0: the store has no controller.
    StagedStore(const tk73test::TempEnvironment& environment, int regModelNo, int vekModelNo = 0);

    // Whether staging and the store succeeded; the reason otherwise.
    bool ready() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    int storeNo() const { return storeNo_; }

    const StorePaths& paths(int target) const { return paths_[target]; }
    // Opens the editor context on the target's three paths; 1 on success.
    int open(tk73editor::PgmMenuContext& context, int target) const;

    std::string mainteFile(int target, int fileNo) const;
    std::string mainte(int target, int fileNo) const;
    void setMainte(int target, int fileNo, const std::string& bytes) const;

  private:
    bool stage(const tk73test::TempEnvironment& environment);
    bool createStore(int regModelNo, int vekModelNo);

    std::string error_;
    int storeNo_ = 0;
    StorePaths paths_[2];
};

}  // namespace tk73editortest
