#pragma once
// The select dialog's work, apart from its window: the machines listed (the store's own, then
// those that answer a search), their check boxes, and the addresses chosen.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"
#include "landialogs/lan_discovery.h"
#include "landialogs/send_preview.h"

namespace tk73lan {

struct LanMachine {
    std::string address;
    // Of a controller that answered a search; empty for one known from the store's table only.
    std::string machineNo;
    bool checked = false;
};

class LanSelectRequest : public tk73::DialogRequest {
  public:
    static constexpr std::string_view kName = "LanSelect";

    // The machines in use in the store's table; for controllers, the model code a search
    // answer must carry ("000000": no search at all). receive: the chosen machines are received
    // from rather than sent to.
    LanSelectRequest(int storeNo, bool controller, std::string title, std::string modelCode,
                     bool receive);
    std::string_view dialogName() const override { return kName; }

    const std::string& title() const { return title_; }
    bool controller() const { return controller_; }
    // The work the choice is for, above the lists, and the caption of the lists.
    std::string workTitle() const { return receive_ ? "Data receive" : "Data send"; }
    std::string listCaption() const { return receive_ ? "Receive from" : "Send to"; }
    // Controllers are searched for by the controller tool only, and only for a known register
    // model.
    bool searchAllowed() const;
    const std::vector<LanMachine>& machines() const { return machines_; }

    // The first search goes to the broadcast setting; a search again to each listed machine.
    // The first machine a first search adds is checked.
    void search(bool again);
    // The same in two halves, so that a window can wait for the answers off its own thread: the
    // addresses a search goes to (none when searching is not allowed), and the listing of what
    // the search of them answered.
    std::vector<std::string> searchTargets(bool again) const;
    void takeAnswers(const std::vector<SearchAnswer>& answers, bool again);
    void check(size_t index, bool on);
    void checkAll(bool on);
    // The checked addresses in list order.
    std::vector<std::string> chosen() const;
    // The prompt when OK is pressed with nothing checked.
    std::string nothingChosenPrompt() const;

    // A send of registers that the caller can preview: the dialog shows the changes of each
    // listed register and offers to send only the files that changed.
    void setPreview(SendPreview preview);
    bool previewing() const { return static_cast<bool>(preview_); }
    // The changes of the listed machine at index, asked once per address.
    const RegisterChanges& changesOf(size_t index);
    // "Send only the files that changed": on by default when every checked register's changes
    // are known, until the user chooses.
    bool changedOnlyDefault();
    void chooseChangedOnly(bool on) { changedOnlyChoice_ = on; }
    bool sendChangedOnly();

  private:
    std::string title_;
    bool controller_;
    std::string modelCode_;
    bool receive_;
    std::vector<LanMachine> machines_;
    SendPreview preview_;
    std::map<std::string, RegisterChanges> changes_;
    std::optional<bool> changedOnlyChoice_;
};

}  // namespace tk73lan
