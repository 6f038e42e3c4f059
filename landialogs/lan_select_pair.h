#pragma once
// The combined select dialog's work: the store's controllers and its registers in two lists, each
// searched and checked on its own. OK needs a machine checked in either list.

#include <string>
#include <string_view>

#include "landialogs/lan_select.h"

namespace tk73lan {

class LanSelectPairRequest : public tk73::DialogRequest {
  public:
    static constexpr std::string_view kName = "LanSelectPair";

    LanSelectPairRequest(int storeNo, std::string title, bool receive)
        : title_(std::move(title)),
          controllers_(storeNo, true, title_, "", receive),
          registers_(storeNo, false, title_, "", receive) {}
    std::string_view dialogName() const override { return kName; }

    const std::string& title() const { return title_; }
    LanSelectRequest& controllers() { return controllers_; }
    LanSelectRequest& registers() { return registers_; }
    bool anythingChosen() const {
        return !controllers_.chosen().empty() || !registers_.chosen().empty();
    }
    static constexpr const char* kNothingChosenPrompt =
        "Not selected ECR or VEK. Please select ECR or VEK.";

  private:
    std::string title_;
    LanSelectRequest controllers_;
    LanSelectRequest registers_;
};

}  // namespace tk73lan
