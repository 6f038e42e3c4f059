#pragma once
// The clerk and customer-type editor: "PC" the clerks (clerk_page_set.h) and "CS" the customer
// setup. The register models ship no customer-type records, so the customer setup shows what
// the register does for the customer at the till: the rounding of the amount to pay and its
// decimals ("Payment"), and the date, time and logo printed on the customer's receipt
// ("Receipt"), all general features of menu 18.
//
// The flags "/LAUNCHVEK" and "/CURVEKSET" count among the first two; with the controller's
// setting current the clerks are the controller's servers.

#include "apps/editors/framework/editor_application.h"

namespace tk73clerk {

tk73editor::EditorDescription clerkEditor();

}  // namespace tk73clerk
