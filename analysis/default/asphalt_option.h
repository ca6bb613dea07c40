// The ten treatment rows, construction, hiding pass and totals of one hot mix asphalt design,
// shared by both default-schedule windows.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "analysis/default/default_analysis.h"

namespace orv {

// Names of one asphalt option's cells and the prefix of its results fields.
struct AsphaltOptionCells {
    QString yearArray, costArray, inflatedArray, valueArray;
    QString constPresent, constInflated, constValue;
    QString totalCost, totalInflated, totalValue;
    QString fieldPrefix;  // "OptOne" or "OptTwo"
};
const AsphaltOptionCells& OptionOneCells();
const AsphaltOptionCells& AcacOptionTwoCells();

// Stems of the ten rows in the results field names.
const std::array<QString, kScheduleRows>& RowStems();

struct AsphaltOption {
    DesignQuantities design;
    LayerUnitCosts layers;
    QString salvagePercent;
    // Years of the salvage factors; none: the row year of the salvage row.
    std::optional<double> salvageYears;
    // The concrete comparison's rules: the rows are computed whatever the construction cost
    // (its caller decides whether the option is computed), the overlay is a plain row at
    // 1.5 x OverlayCost, and the salvage's future cost and present worth show no digit for 0.
    bool concreteRules = false;
};

enum class TotalsAt { kBeforeHidingPass, kAfterHidingPass };

// Empties the option's year and money cells of rows 0 to 9.
void ClearOptionRows(const AsphaltOptionCells& cells, CellTexts& captions);

// Writes the option's schedule years (when it has a design) and returns the level caption
// the schedule wrote, if any.
std::optional<QString> ScheduleOption(const AsphaltOptionCells& cells, const DesignQuantities& d,
                                      const LevelFlags& flags, int16_t analysisYears,
                                      CellTexts& captions);

// Construction (shown and stored whatever its value), then, when it is above 0 (always under
// the concrete rules), the ten rows, the hiding pass and the totals in the given order.
// Returns the construction cost.
double ComputeAsphaltOption(const AsphaltOptionCells& cells, const AsphaltOption& option,
                            const DefaultInputs& in, TotalsAt totalsAt, CellTexts& captions,
                            ResultRow& row, std::array<bool, kScheduleRows>& yearVisible);

// The hiding pass: each year cell shown, then hidden with its row's money cells emptied when
// the row has no year.
void HideRowsWithoutYear(const AsphaltOptionCells& cells, CellTexts& captions,
                         std::array<bool, kScheduleRows>& yearVisible);
// The three totals from the shown amounts, shown with "$#,##0" and stored.
void DefaultOptionTotals(const AsphaltOptionCells& cells, CellTexts& captions, ResultRow& row);

}  // namespace orv
