#include "base/user_interaction.h"

#include <algorithm>
#include <atomic>

#include "base/console_user_interaction.h"

namespace tk73 {

namespace {

std::atomic<UserInteraction*> installed{nullptr};

UserInteraction& console() {
    static ConsoleUserInteraction fallback;
    return fallback;
}

}  // namespace

std::vector<Button> buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return {Button::Ok};
        case Buttons::OkCancel:
            return {Button::Ok, Button::Cancel};
        case Buttons::AbortRetryIgnore:
            return {Button::Abort, Button::Retry, Button::Ignore};
        case Buttons::YesNoCancel:
            return {Button::Yes, Button::No, Button::Cancel};
        case Buttons::YesNo:
            return {Button::Yes, Button::No};
        case Buttons::RetryCancel:
            return {Button::Retry, Button::Cancel};
    }
    return {Button::Ok};
}

Button dismissButtonOf(Buttons buttons) {
    const std::vector<Button> set = buttonsOf(buttons);
    for (Button preferred : {Button::Cancel, Button::No}) {
        if (std::find(set.begin(), set.end(), preferred) != set.end()) {
            return preferred;
        }
    }
    return set.front();
}

Button effectiveDefault(Buttons buttons, Button requested) {
    const std::vector<Button> set = buttonsOf(buttons);
    return std::find(set.begin(), set.end(), requested) != set.end() ? requested : set.front();
}

UserInteraction& ui() {
    UserInteraction* current = installed.load();
    return current ? *current : console();
}

UserInteraction* installUserInteraction(UserInteraction* implementation) {
    return installed.exchange(implementation);
}

}  // namespace tk73
