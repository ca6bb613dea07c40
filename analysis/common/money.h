// Money rules of the default-schedule results windows: construction cost, treatment rows,
// growth and discount factors, captions and the read-back of shown whole-dollar amounts.
// Every amount is a double; only the demolition and salvage rows narrow their factors to
// single precision.
#pragma once

#include <QString>
#include <cstdint>
#include <span>

namespace orv {

// Column patterns of the results windows.
inline constexpr char kMoneyPattern[] = "$ #,###";        // rows 0 to 8 (row 0 today: below)
inline constexpr char kFogSealTodayPattern[] = " #,###";  // the fog seal's cost in today's dollars
inline constexpr char kMoneyZeroPattern[] = "$ #,##0";    // construction, salvage, blade sums
inline constexpr char kTotalPattern[] = "$#,##0";         // totals (not the aggregate option's)
inline constexpr char kYearReadPattern[] = "#0";          // reading a row year from its cell
inline constexpr char kShownReadPattern[] = "##0";        // reading a shown amount
inline constexpr char kSalvageBaseReadPattern[] = "###";  // the salvage row's construction cost

// The six layer quantities of one pavement design, in the order they are added.
struct DesignQuantities {
    double surfaceDepth = 0;    // inches
    double baseCourse = 0;      // inches
    double subgrade = 0;        // inches
    double subgradePrep = 0;    // 0 or 1
    double pavementFabric = 0;  // 0 or 1
    double constOption = 0;     // inches of the user-named construction item
};

// Unit costs of the six layers, dollars per square yard (and inch of depth where it applies).
struct LayerUnitCosts {
    double surface = 0;
    double baseCourse = 0;
    double subgrade = 0;
    double subgradePrep = 0;
    double pavementFabric = 0;
    double constOption = 0;
};

// Percent a year.
struct Rates {
    double inflation = 0;
    double interest = 0;
};

// Today's cost, future cost and present worth of one row.
struct RowAmounts {
    double cost = 0;
    double inflated = 0;
    double value = 0;
};

// Sum of the six quantities, added in order and narrowed to single precision; a design
// exists when it is above 0.
float DesignQuantitySum(const DesignQuantities& design);

// Sum over the six layers of ((area x quantity) x unit cost) / 9, added left to right.
double ConstructionCost(double area, const DesignQuantities& design, const LayerUnitCosts& costs);

// (1 + inflation / 100) ^ years and (1 / (1 + interest / 100)) ^ years.
double GrowthFactor(double inflationRate, double years);
double DiscountFactor(double interestRate, double years);
// The same narrowed to single precision (demolition and salvage rows).
float GrowthFactor32(double inflationRate, double years);
float DiscountFactor32(double interestRate, double years);

// The year a year cell shows: its text under "#0", the number at the start; blank gives 0.
double RowYear(const QString& yearCaption);
// Sign of the row year: 1 for a year, 0 for none.
int16_t PresenceFlag(double rowYear);

// A treatment at unit cost u (per square yard) in the given row year.
RowAmounts PlainRow(double unitCost, double area, double rowYear, const Rates& rates);
// 1.5 inches of overlay at overlayCost per inch.
RowAmounts OverlayRow(double overlayCost, double area, double rowYear, const Rates& rates);
// Rotomilling plus 2 inches of overlay; future cost and present worth scale today's cost.
RowAmounts RotomillRow(double rotomillCost, double overlayCost, double area, double rowYear,
                       const Rates& rates);
// The construction again, in the whole dollars shown, plus the demolition; single factors.
RowAmounts DemolitionRow(double shownConstructionCost, double demolitionCost, double area,
                         double rowYear, const Rates& rates);
// The salvage percentage (number at the start of its text) of the shown construction cost,
// placed at salvageYears; single factors, no presence flag.
RowAmounts SalvageRow(double shownConstructionCost, const QString& salvagePercent,
                      double salvageYears, const Rates& rates);

// The caption of an amount: its signed number text formatted with the column's pattern.
QString MoneyCaption(double amount, const QString& pattern);
// The whole-dollar amount a caption shows: formatted with readPattern, number at the start.
// A caption without digits gives 0.
double ShownAmount(const QString& caption, const QString& readPattern = kShownReadPattern);

// A total from shown amounts: construction + each treatment in order - salvage, left to right.
double ShownTotal(const QString& constructionCaption, std::span<const QString> treatmentCaptions,
                  const QString& salvageCaption);

}  // namespace orv
