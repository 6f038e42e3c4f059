#include "apps/shell/header_table.h"

#include "apps/shell/hub_texts.h"

namespace tk73hub {

namespace {

constexpr int kBand = 22;
constexpr int kColumn = 175;

}  // namespace

std::vector<HeaderPlace> headerPlaces(HubLayout layout) {
    switch (layout) {
        case HubLayout::StandAlone:
            return {{text::kHeaderFile, QRect(30, 12, 410, kBand)},
                    {text::kHeaderItem, QRect(30, 128, kColumn, kBand)},
                    {text::kHeaderImage, QRect(213, 311, kColumn, kBand)},
                    {text::kHeaderPrint, QRect(213, 128, kColumn, kBand)},
                    {text::kHeaderOther, QRect(579, 128, kColumn, kBand)},
                    {text::kHeaderGeneral, QRect(396, 128, kColumn, kBand)},
                    {text::kHeaderTax, QRect(396, 311, kColumn, kBand)}};
        case HubLayout::Pro:
            return {{text::kHeaderFile, QRect(30, 29, 200, kBand)},
                    {text::kHeaderItem, QRect(30, 152, kColumn, kBand)},
                    {text::kHeaderImage, QRect(255, 335, kColumn, kBand)},
                    {text::kHeaderPrint, QRect(255, 152, kColumn, kBand)},
                    {text::kHeaderOther, QRect(255, 29, 400, kBand)},
                    {text::kHeaderGeneral, QRect(480, 152, kColumn, kBand)},
                    {text::kHeaderTax, QRect(480, 335, kColumn, kBand)}};
        case HubLayout::Default:
            break;
    }
    return {{text::kHeaderFile, QRect(30, 12, 305, kBand)},
            {text::kHeaderItem, QRect(30, 128, kColumn, kBand)},
            {text::kHeaderImage, QRect()},
            {text::kHeaderPrint, QRect(255, 128, kColumn, kBand)},
            {text::kHeaderOther, QRect()},
            {text::kHeaderGeneral, QRect(480, 128, kColumn, kBand)},
            {text::kHeaderTax, QRect()}};
}

QRect bannerPlace(HubLayout layout) {
    switch (layout) {
        case HubLayout::StandAlone:
            return QRect(470, 12, 284, 105);
        case HubLayout::Pro:
            return QRect();
        case HubLayout::Default:
            break;
    }
    return QRect(365, 12, 305, 105);
}

}  // namespace tk73hub
