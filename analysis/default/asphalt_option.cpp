#include "analysis/default/asphalt_option.h"

#include <vector>

namespace orv {

const AsphaltOptionCells& OptionOneCells() {
    static const AsphaltOptionCells cells{"LblOptOneYear",
                                          "lblOptOnePresentCost",
                                          "LblOptOneInflatedCost",
                                          "LblOptOnePresentValue",
                                          "lblOptOneConstPresent",
                                          "LblOptOneConstInflated",
                                          "LblOptOneConstValue",
                                          "LblTotalOptOneCost",
                                          "lblTotalOptOneInflatedCost",
                                          "lblTotalOptOnePresentValue",
                                          "OptOne"};
    return cells;
}

const AsphaltOptionCells& AcacOptionTwoCells() {
    static const AsphaltOptionCells cells{"LblOptTwoYear",
                                          "lblOptTwoPresentCost",
                                          "LblOptTwoInflatedCost",
                                          "LblOptTwoPresentValue",
                                          "lblOptTwoConstPresent",
                                          "LblOptTwoConstInflated",
                                          "LblOptTwoConstValue",
                                          "LblTotalOptTwoCost",
                                          "lblTotalOptTwoInflatedCost",
                                          "lblTotalOptTwoPresentValue",
                                          "OptTwo"};
    return cells;
}

const std::array<QString, kScheduleRows>& RowStems() {
    static const std::array<QString, kScheduleRows> stems = {
        "FogSeal",    "SlurryOne", "SlurryTwo",  "Overlay",    "SlurryThree",
        "SlurryFour", "Rotomill",  "SlurryFive", "Demolition", "Salvage"};
    return stems;
}

void ClearOptionRows(const AsphaltOptionCells& cells, CellTexts& captions) {
    for (int i = 0; i < kScheduleRows; ++i) {
        for (const QString* array :
             {&cells.yearArray, &cells.costArray, &cells.inflatedArray, &cells.valueArray}) {
            captions.Set(CellName(*array, i), QString());
        }
    }
}

std::optional<QString> ScheduleOption(const AsphaltOptionCells& cells, const DesignQuantities& d,
                                      const LevelFlags& flags, int16_t analysisYears,
                                      CellTexts& captions) {
    if (!(DesignQuantitySum(d) > 0)) return std::nullopt;
    const ScheduleYears s = ApplyDefaultSchedule(flags, analysisYears);
    for (int i = 0; i < kScheduleRows; ++i) {
        captions.Set(CellName(cells.yearArray, i), s.yearCells[i]);
    }
    return s.levelCaption;
}

namespace {

RowAmounts RowAmountsOf(int index, const AsphaltOptionCells& cells, const AsphaltOption& option,
                        const DefaultInputs& in, double rowYear, const CellTexts& captions) {
    const Rates rates{in.InflationRate, in.InterestRate};
    switch (index) {
        case 0:
            return PlainRow(in.FogSealCost, in.Area, rowYear, rates);
        case 3:
            if (option.concreteRules)
                return PlainRow(1.5 * in.OverlayCost, in.Area, rowYear, rates);
            return OverlayRow(in.OverlayCost, in.Area, rowYear, rates);
        case 6:
            return RotomillRow(in.RotomillCost, in.OverlayCost, in.Area, rowYear, rates);
        case 8:
            return DemolitionRow(ShownAmount(captions.Text(cells.constPresent)), in.DemolitionCost,
                                 in.Area, rowYear, rates);
        case 9:
            return SalvageRow(
                ShownAmount(captions.Text(cells.constPresent), kSalvageBaseReadPattern),
                option.salvagePercent, option.salvageYears.value_or(rowYear), rates);
        default:
            return PlainRow(in.SlurrySealCost, in.Area, rowYear, rates);
    }
}

}  // namespace

void HideRowsWithoutYear(const AsphaltOptionCells& cells, CellTexts& captions,
                         std::array<bool, kScheduleRows>& yearVisible) {
    for (int i = 0; i < kScheduleRows; ++i) {
        yearVisible[i] = true;
        if (!(RowYear(captions.Text(CellName(cells.yearArray, i))) > 0)) {
            yearVisible[i] = false;
            captions.Set(CellName(cells.costArray, i), QString());
            captions.Set(CellName(cells.inflatedArray, i), QString());
            captions.Set(CellName(cells.valueArray, i), QString());
        }
    }
}

void DefaultOptionTotals(const AsphaltOptionCells& cells, CellTexts& captions, ResultRow& row) {
    auto column = [&](const QString& array) {
        std::vector<QString> treatments;
        for (int i = 0; i < kScheduleRows - 1; ++i) {
            treatments.push_back(captions.Text(CellName(array, i)));
        }
        return treatments;
    };
    const QString& p = cells.fieldPrefix;
    const double cost = ShownTotal(captions.Text(cells.constPresent), {},
                                   captions.Text(CellName(cells.costArray, 9)));
    captions.Set(cells.totalCost, MoneyCaption(cost, kTotalPattern));
    row.Set(p + "TotalCost", cost);
    const double inflated =
        ShownTotal(captions.Text(cells.constInflated), column(cells.inflatedArray),
                   captions.Text(CellName(cells.inflatedArray, 9)));
    captions.Set(cells.totalInflated, MoneyCaption(inflated, kTotalPattern));
    row.Set(p + "TotalInflated", inflated);
    const double value = ShownTotal(captions.Text(cells.constValue), column(cells.valueArray),
                                    captions.Text(CellName(cells.valueArray, 9)));
    captions.Set(cells.totalValue, MoneyCaption(value, kTotalPattern));
    row.Set(p + "TotalValue", value);
}

double ComputeAsphaltOption(const AsphaltOptionCells& cells, const AsphaltOption& option,
                            const DefaultInputs& in, TotalsAt totalsAt, CellTexts& captions,
                            ResultRow& row, std::array<bool, kScheduleRows>& yearVisible) {
    const QString& p = cells.fieldPrefix;
    const double k = ConstructionCost(in.Area, option.design, option.layers);
    const QString shown = MoneyCaption(k, kMoneyZeroPattern);
    captions.Set(cells.constPresent, shown);
    captions.Set(cells.constInflated, shown);
    captions.Set(cells.constValue, shown);
    row.Set(p + "ConstCost", k);
    row.Set(p + "ConstInflatedCost", k);
    row.Set(p + "ConstPresentValue", k);
    if (!option.concreteRules && !(k > 0)) return k;

    for (int i = 0; i < kScheduleRows; ++i) {
        const QString field = p + RowStems()[i];
        const double year = RowYear(captions.Text(CellName(cells.yearArray, i)));
        row.Set(field + "Year", year);
        const RowAmounts a = RowAmountsOf(i, cells, option, in, year, captions);
        const QString todayPattern =
            i == 0 ? kFogSealTodayPattern : (i == 9 ? kMoneyZeroPattern : kMoneyPattern);
        const QString laterPattern =
            i == 9 && !option.concreteRules ? kMoneyZeroPattern : kMoneyPattern;
        captions.Set(CellName(cells.costArray, i), MoneyCaption(a.cost, todayPattern));
        row.Set(field + "Cost", a.cost);
        captions.Set(CellName(cells.inflatedArray, i), MoneyCaption(a.inflated, laterPattern));
        row.Set(field + "Inflated", a.inflated);
        captions.Set(CellName(cells.valueArray, i), MoneyCaption(a.value, laterPattern));
        row.Set(field + "Value", a.value);
    }
    if (totalsAt == TotalsAt::kBeforeHidingPass) {
        DefaultOptionTotals(cells, captions, row);
        HideRowsWithoutYear(cells, captions, yearVisible);
    } else {
        HideRowsWithoutYear(cells, captions, yearVisible);
        DefaultOptionTotals(cells, captions, row);
    }
    return k;
}

}  // namespace orv
