#pragma once
// Where the tax editor's settings are in a model's definition file.

namespace tk73tax {

// The tax tables: one record per table.
inline constexpr int kTaxMenu = 12;
inline constexpr int kTypeItem = 1;
inline constexpr int kRateItem = 2;
inline constexpr int kRoundingItem = 3;
inline constexpr int kTaDescriptorItem = 4;
inline constexpr int kTaxDescriptorItem = 5;
inline constexpr int kNonTaxTotalItem = 6;
inline constexpr int kTaxableAmountItem = 7;
// The further values of an "Other" table.
inline constexpr int kOtherValueItems[] = {8, 9, 10, 11};

// The reservation of a tax table change: types 1, 3, 5, 7 and rates 2, 4, 6, 8 of the first
// four tables, the date and the two switches that say whether a reservation is programmed.
inline constexpr int kReservationMenu = 13;
inline constexpr int kReservedTables = 4;
inline constexpr int kReservationDateItem = 9;
inline constexpr int kReservationSetItem = 10;
inline constexpr int kReservationDoneItem = 11;

// The program file of the tax tables, whose first four records the controller shares with the
// register.
inline constexpr int kTaxFile = 25;
inline constexpr int kSharedTables = 4;

}  // namespace tk73tax
