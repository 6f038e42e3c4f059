#include "apps/shell/hub_document.h"

namespace tk73hub {

CHubDocument::CHubDocument(HubDocumentView& view) : view_(view) {
    TouchLastTime();
}

std::string CHubDocument::ComposeTitle(const std::string& baseTitle, const char* fileName) {
    if (fileName == nullptr || fileName[0] == '\0') {
        return baseTitle;
    }
    return std::string(fileName) + " - " + baseTitle;
}

void CHubDocument::SetTitle(const char* fileName) {
    view_.ShowTitle(ComposeTitle(baseTitle_, fileName));
}

void CHubDocument::SetState(int state) {
    state_ = state;
    view_.EnableForState(state);
}

void CHubDocument::TouchLastTime() {
    lastTime_ = std::chrono::system_clock::now();
}

}  // namespace tk73hub
