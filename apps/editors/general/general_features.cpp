#include "apps/editors/general/general_features.h"

#include <QLabel>
#include <QWidget>

#include <vector>

#include "apps/editors/framework/check_item.h"
#include "apps/editors/framework/choice_item.h"
#include "apps/editors/framework/number_item.h"
#include "base/ui/ui_text.h"

namespace tk73general {

namespace {

using tk73editor::ChoiceItem;

enum class Shown { DropDown, Options, Check, Number };

struct FeatureView {
    Feature feature;
    GeneralText label;
    Shown shown;
    std::vector<GeneralText> entries;
    std::vector<int> values;  // built in, for a definition without "ITEM_%03d_VALUE"
};

const std::vector<FeatureView>& featureViews() {
    static const std::vector<FeatureView> views = {
        {Feature::RoundingSystem,
         GeneralText::RoundingSystem,
         Shown::DropDown,
         {GeneralText::NoRounding, GeneralText::RoundTo5, GeneralText::RoundTo10},
         {0, 1, 2}},
        {Feature::DecimalPoint,
         GeneralText::DecimalPoint,
         Shown::DropDown,
         {GeneralText::NoDecimals, GeneralText::TwoDecimals, GeneralText::ThreeDecimals},
         {0, 2, 3}},
        {Feature::DateFormat,
         GeneralText::DateFormat,
         Shown::DropDown,
         {GeneralText::MonthDayYear, GeneralText::DayMonthYear, GeneralText::YearMonthDay},
         {0, 1, 2}},
        {Feature::TimeFormat,
         GeneralText::TimeFormat,
         Shown::Options,
         {GeneralText::Hour24, GeneralText::Hour12},
         {0, 1}},
        {Feature::DrawerAlarm, GeneralText::DrawerAlarm, Shown::Number, {}, {}},
        {Feature::KeyBeep, GeneralText::KeyBeep, Shown::Check, {}, {}},
        {Feature::ClerkSignOn, GeneralText::ClerkSignOn, Shown::Check, {}, {}},
        {Feature::PowerSave, GeneralText::PowerSave, Shown::Number, {}, {}},
        {Feature::ScannerConnected, GeneralText::ScannerConnected, Shown::Check, {}, {}},
        {Feature::VoidLimit, GeneralText::VoidLimit, Shown::Number, {}, {}},
        {Feature::PrintLogo, GeneralText::PrintLogo, Shown::Check, {}, {}},
        {Feature::JournalToMemory, GeneralText::JournalToMemory, Shown::Check, {}, {}}};
    return views;
}

void addFeature(tk73editor::SettingPage& page, const FeatureView& view) {
    const int item = static_cast<int>(view.feature);
    switch (view.shown) {
        case Shown::DropDown:
        case Shown::Options: {
            std::vector<std::string> entries;
            for (const GeneralText entry : view.entries) {
                entries.push_back(generalText(entry));
            }
            auto& choice =
                page.Add<ChoiceItem>(generalText(view.label),
                                     view.shown == Shown::DropDown ? ChoiceItem::Style::DropDown
                                                                   : ChoiceItem::Style::Options,
                                     entries, view.values, kGeneralFeatureMenu, item);
            choice.SetFrameless();
            break;
        }
        case Shown::Check:
            page.Add<tk73editor::CheckItem>("", generalText(view.label), kGeneralFeatureMenu, item);
            break;
        case Shown::Number: {
            QWidget* field =
                page.Add<tk73editor::NumberItem>(generalText(view.label), kGeneralFeatureMenu, item)
                    .Control();
            field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
            break;
        }
    }
}

}  // namespace

void addFeaturePage(tk73editor::PageSetDialog& set, GeneralText title,
                    std::initializer_list<Feature> features) {
    tk73editor::SettingPage& page = set.AddPage(generalText(title));
    for (const Feature feature : features) {
        for (const FeatureView& view : featureViews()) {
            if (view.feature == feature) {
                addFeature(page, view);
            }
        }
        if (feature == Feature::TimeFormat) {
            // Two settings govern a 12/24-hour clock; the page says which one this is.
            auto* note = new QLabel(tk73::toQString(generalText(GeneralText::TimeFormatNote)));
            note->setWordWrap(true);
            page.AddRow(note);
        }
    }
}

}  // namespace tk73general
