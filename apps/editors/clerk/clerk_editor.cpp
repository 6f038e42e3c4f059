#include "apps/editors/clerk/clerk_editor.h"

#include "apps/editors/clerk/clerk_page_set.h"
#include "apps/editors/clerk/clerk_texts.h"
#include "apps/editors/general/general_features.h"

namespace tk73clerk {

namespace {

using tk73general::Feature;
using tk73general::GeneralText;

std::unique_ptr<tk73editor::PageSetDialog> customerSetup(tk73editor::PgmMenuContext& context) {
    auto set = std::make_unique<tk73editor::PageSetDialog>(
        context, clerkText(ClerkText::CustomerSetupTitle));
    tk73general::addFeaturePage(*set, GeneralText::PaymentPage,
                                {Feature::RoundingSystem, Feature::DecimalPoint});
    tk73general::addFeaturePage(*set, GeneralText::ReceiptPage,
                                {Feature::DateFormat, Feature::TimeFormat, Feature::PrintLogo});
    return set;
}

}  // namespace

tk73editor::EditorDescription clerkEditor() {
    tk73editor::EditorDescription description;
    description.vekFlags = tk73editor::VekFlags::FirstTwoFlags;
    description.pageSets = {{"PC", clerkPageSet}, {"CS", customerSetup}};
    return description;
}

}  // namespace tk73clerk
