#pragma once
// The choice of a register model and, where the mode and the model allow it, a controller model:
// for a new setting, for a new store, or as the target of a file conversion.
//
// The dialog is a named dialog of the user-interaction seam ("SelectModel"); the programs show
// it with the widget of storedb/ui, tests answer it from a script. What the dialog lists, hides
// and greys out, and what its OK does, is decided here.

#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"

namespace tk73store {

inline constexpr int kSelectModelNew = 0;
inline constexpr int kSelectModelNewStore = 1;
inline constexpr int kSelectModelFileConvert = 2;

struct ModelChoiceEntry {
    int modelNo = 0;
    std::string name;          // the display name
    bool supportsVek = false;  // a controller may be used with this register model
};

class ModelChoice {
  public:
    // sourceModelNo is the register model a file conversion starts from (mode 2 only).
    explicit ModelChoice(int mode, int sourceModelNo = 0);

    int mode() const { return mode_; }
    const std::string& title() const { return title_; }
    const std::string& prompt() const { return prompt_; }
    static const char* note();

    // The register models in list order; the first is preselected. The controller tool lists
    // only the models that can be combined with a controller.
    const std::vector<ModelChoiceEntry>& registerModels() const { return registers_; }
    const std::vector<ModelChoiceEntry>& vekModels() const { return veks_; }
    // The controller controls are hidden for a file conversion and in the simple mode.
    bool showsVekControls() const { return showsVek_; }
    // "Use VEK" can be ticked for this register model.
    [[nodiscard]] bool canUseVek(int registerModelNo) const;

    // OK: the chosen register model and, when "Use VEK" was ticked and may be, the controller
    // model (else 0). With both, shows the notice about the files the two tools share under the
    // main window's caption. False when no register model is chosen.
    [[nodiscard]] bool accept(int registerModelNo, bool useVek, int vekModelNo,
                              const std::string& caption);
    int chosenRegisterModel() const { return chosenRegister_; }
    int chosenVekModel() const { return chosenVek_; }

  private:
    int mode_;
    std::string title_;
    std::string prompt_;
    std::vector<ModelChoiceEntry> registers_;
    std::vector<ModelChoiceEntry> veks_;
    bool showsVek_ = true;
    int chosenRegister_ = 0;
    int chosenVek_ = 0;
};

struct SelectModelRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "SelectModel";
    explicit SelectModelRequest(ModelChoice& c) : choice(c) {}
    std::string_view dialogName() const override { return kName; }
    ModelChoice& choice;
};

}  // namespace tk73store

class CSelectModel {
  public:
    // 1 on OK with the numbers filled in, else 0 and the numbers untouched. In mode 2 the
    // register model passed in is the model the file is converted from.
    [[nodiscard]] int Select(int mode, int* registerModelNo);
    [[nodiscard]] int Select(int mode, int* registerModelNo, int* vekModelNo);
};
