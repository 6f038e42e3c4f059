#include "apps/editors/clerk/clerk_texts.h"

#include "apps/editors/framework/editor_texts.h"

namespace tk73clerk {

namespace {

const char* builtInText(ClerkText id) {
    switch (id) {
        case ClerkText::ClerkTitle:
            return "Clerk";
        case ClerkText::ClerkRange:
            return "Clerk %d-%d";
        case ClerkText::Number:
            return "No.";
        case ClerkText::Name:
            return "Name";
        case ClerkText::SecretCode:
            return "Secret code";
        case ClerkText::Drawer:
            return "Drawer";
        case ClerkText::Training:
            return "Training";
        case ClerkText::DrawerNumber:
            return "Drawer %d";
        case ClerkText::CustomerSetupTitle:
            return "Customer Setup";
    }
    return "";
}

}  // namespace

std::string clerkText(ClerkText id) {
    return tk73editor::resourceText(static_cast<unsigned>(id), builtInText(id));
}

std::string clerkText(ClerkText id, int first, int second) {
    return tk73editor::fillNumbers(clerkText(id), first, second);
}

}  // namespace tk73clerk
