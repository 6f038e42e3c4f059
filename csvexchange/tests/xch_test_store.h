#pragma once
// What the CSV exchange tests share: the staged shipped installation in the default layout with
// its working store 1 of register model 301 (the store the export and import work on there), the
// scripted user, and the answers to the exchange's dialogs.

#include <memory>
#include <string>
#include <vector>

#include "archive/testing/staged_store.h"
#include "base/testing/scripted_user_interaction.h"
#include "programfiles/pgm_import_range.h"

namespace xchtest {

class XchStore {
  public:
    XchStore();

    tk73test::ScriptedUserInteraction& ui() { return ui_; }
    int storeNo() const { return storeNo_; }
    // Another store of the same register model; its number.
    int createOtherStore() const { return install_.createStore(archivetest::kKR301); }
    // A program file of a store's register (the working store's when none is named).
    std::string mainteFile(int fileNo) const { return mainteFile(storeNo_, fileNo); }
    static std::string mainteFile(int storeNo, int fileNo);
    std::string read(int fileNo) const;
    // A path below the test's own folder.
    std::string path(const std::string& relative) const { return install_.path(relative); }
    std::string definitionFile() const;

    // The file selection dialog picks the file; the picker answers the path (nullopt: Cancel).
    void chooseFile(int fileNo);
    // The range dialog answers the button with the range.
    void answerRange(tk73::Button button,
                     tk73pgm::ImportRange range = tk73pgm::ImportRange::AllData);
    // The recorded messages as "caption: text".
    std::vector<std::string> messages() const;

  private:
    archivetest::StagedInstallation install_;
    tk73test::ScriptedUserInteraction ui_;
    int storeNo_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace xchtest
