#pragma once
// The texts of the clerk and customer-type editor, by string id as in its string table; the
// language library answers them in its language when it holds them.

#include <string>

#include "apps/editors/framework/string_ids.h"

namespace tk73clerk {

enum class ClerkText : unsigned {
    ClerkTitle = tk73editor::kClerkFirstText,  // "Clerk"
    ClerkRange,                                // "Clerk %d-%d"
    Number,                                    // "No."
    Name,                                      // "Name"
    SecretCode,                                // "Secret code"
    Drawer,                                    // "Drawer"
    Training,                                  // "Training"
    DrawerNumber,                              // "Drawer %d"
    CustomerSetupTitle                         // "Customer Setup"
};

std::string clerkText(ClerkText id);
// A text with the numbers filled into its "%d" places, in order.
std::string clerkText(ClerkText id, int first, int second = 0);

}  // namespace tk73clerk
