#include "apps/editors/general/general_editor.h"

#include "apps/editors/general/general_features.h"

namespace tk73general {

namespace {

using F = Feature;

std::unique_ptr<tk73editor::PageSetDialog> generalFeatures(tk73editor::PgmMenuContext& context) {
    auto set = std::make_unique<tk73editor::PageSetDialog>(
        context, generalText(GeneralText::GeneralFeatureTitle));
    addFeaturePage(*set, GeneralText::SystemPage,
                   {F::RoundingSystem, F::DecimalPoint, F::DateFormat, F::TimeFormat});
    addFeaturePage(*set, GeneralText::OperationPage,
                   {F::ClerkSignOn, F::VoidLimit, F::KeyBeep, F::DrawerAlarm, F::PowerSave});
    addFeaturePage(*set, GeneralText::DevicesPage,
                   {F::ScannerConnected, F::PrintLogo, F::JournalToMemory});
    return set;
}

std::unique_ptr<tk73editor::PageSetDialog> onlineSetting(tk73editor::PgmMenuContext& context) {
    auto set =
        std::make_unique<tk73editor::PageSetDialog>(context, generalText(GeneralText::OnlineTitle));
    addFeaturePage(*set, GeneralText::PeripheralsPage, {F::ScannerConnected, F::KeyBeep});
    addFeaturePage(*set, GeneralText::JournalPage, {F::JournalToMemory, F::PrintLogo});
    return set;
}

std::unique_ptr<tk73editor::PageSetDialog> keyOperation(tk73editor::PgmMenuContext& context) {
    auto set = std::make_unique<tk73editor::PageSetDialog>(
        context, generalText(GeneralText::KeyOperationTitle));
    addFeaturePage(*set, GeneralText::ClerkPage, {F::ClerkSignOn, F::VoidLimit});
    addFeaturePage(*set, GeneralText::DrawerPage, {F::DrawerAlarm, F::PowerSave});
    return set;
}

}  // namespace

tk73editor::EditorDescription generalEditor() {
    tk73editor::EditorDescription description;
    description.vekFlags = tk73editor::VekFlags::SecondFlag;
    description.pageSets = {{"AS", generalFeatures}, {"NS", onlineSetting}, {"BS", keyOperation}};
    return description;
}

}  // namespace tk73general
