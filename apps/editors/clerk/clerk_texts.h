#pragma once
// The texts of the clerk and customer-type editor, by string id as in its string table; the
// language library answers them in its language when it holds them.

#include <string>

namespace tk73clerk {

enum class ClerkText : unsigned {
    ClerkTitle = 65001,  // "Clerk"
    ClerkRange,          // "Clerk %d-%d"
    Number,              // "No."
    Name,                // "Name"
    SecretCode,          // "Secret code"
    Drawer,              // "Drawer"
    Training,            // "Training"
    DrawerNumber,        // "Drawer %d"
    CustomerSetupTitle   // "Customer Setup"
};

std::string clerkText(ClerkText id);
// A text with the numbers filled into its "%d" places, in order.
std::string clerkText(ClerkText id, int first, int second = 0);

}  // namespace tk73clerk
