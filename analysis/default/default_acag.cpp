// Hot mix asphalt against an aggregate surface under the default schedule.
#include "analysis/default/asphalt_option.h"
#include "analysis/default/default_analysis.h"

namespace orv {

namespace {

DesignQuantities DesignOne(const DefaultInputs& in) {
    return {in.SurfaceDepthOne, in.BaseCourseOne,     in.SubgradeOne,
            in.SubgradePrepOne, in.PavementFabricOne, in.ConstOptionOne};
}

DesignQuantities DesignTwo(const DefaultInputs& in) {
    return {in.SurfaceDepthTwo, in.BaseCourseTwo,     in.SubgradeTwo,
            in.SubgradePrepTwo, in.PavementFabricTwo, in.ConstOptionTwo};
}

void SetAll(CellTexts& c, std::initializer_list<const char*> names, const QString& text) {
    for (const char* name : names) c.Set(QString::fromLatin1(name), text);
}

}  // namespace

DefaultResults ComputeDefaultAcag(const DefaultInputs& in, DefaultAcagState& windowState) {
    // The window's state changes only when the whole computation succeeds.
    DefaultAcagState state = windowState;
    DefaultResults r{CellTexts(), ResultRow(DefaultAcagColumns())};
    CellTexts& c = r.captions;
    const LevelFlags flags{in.HighMaintenance, in.ModMaintenance, in.LowMaintenance};
    const Rates rates{in.InflationRate, in.InterestRate};
    const AsphaltOptionCells& one = OptionOneCells();

    // The schedule: cells emptied, years of option one, blading schedule of option two.
    c.Set("LblConstructionType", state.levelCaption);
    SetAll(c,
           {"lblOptOneConstPresent", "LblOptOneConstInflated", "LblOptOneConstValue",
            "LblTotalOptOneCost", "lblTotalOptOneInflatedCost", "lblTotalOptOnePresentValue"},
           QString());
    const int16_t analysisYears = AnalysisYearsOf(in.periodEntry);
    c.Set("LblOptTwoYear", in.periodEntry);
    ClearOptionRows(one, c);
    if (auto caption = ScheduleOption(one, DesignOne(in), flags, analysisYears, c)) {
        state.levelCaption = *caption;
    }
    SetAll(c, {"lblOptTwoConstPresent", "LblOptTwoConstInflated", "LblOptTwoConstValue"},
           QStringLiteral("$ 0"));
    SetAll(c,
           {"LblBladeTag", "LblBladeGravelTag", "LblBladeCost", "LblBladeInflatedCost",
            "LblBladePresentValue", "LblBladeGravelCost", "LblBladeGravelInflatedCost",
            "LblBladeGravelPresentValue"},
           QString());
    SetAll(c,
           {"LblOptTwoSalvageCost", "LblOptTwoSalvageInflated", "LblOptTwoSalvageValue",
            "LblTotalOptTwoCost", "lblTotalOptTwoInflatedCost", "lblTotalOptTwoPresentValue"},
           QStringLiteral("$ 0"));
    if (DesignQuantitySum(DesignTwo(in)) > 0) {
        if (auto blade = BladeScheduleFor(flags)) {
            c.Set("LblBladeTag", blade->bladeTag);
            c.Set("LblBladeGravelTag", blade->bladeGravelTag);
            state.bladeInterval = blade->bladeInterval;
            state.bladeGravelInterval = blade->bladeGravelInterval;
        }
    }
    c.Set("LblConstructionType", state.levelCaption);

    // Option one: the asphalt rows, totals formed before the hiding pass.
    const AsphaltOption optionOne{
        DesignOne(in),
        {in.AsphaltCementCost, in.AggBaseCourseCost, in.StablizedSubgradeCost, in.SubgradePrepCost,
         in.PavementFabricCost, in.ConstOptionOneCost},
        in.SalvageOne,
        std::nullopt};
    ComputeAsphaltOption(one, optionOne, in, TotalsAt::kBeforeHidingPass, c, r.row,
                         state.optOneYearVisible);

    // Option two: the aggregate surface.
    const double k2 =
        ConstructionCost(in.Area, DesignTwo(in),
                         {in.AggregateCost, in.AggBaseCourseCost, in.StablizedSubgradeCost,
                          in.SubgradePrepCost, in.PavementFabricCost, in.ConstOptionTwoCost});
    if (!(k2 > 0)) {
        windowState = state;
        return r;
    }
    ResultRow& row = r.row;
    const QString shownK2 = MoneyCaption(k2, kMoneyZeroPattern);
    SetAll(c, {"lblOptTwoConstPresent", "LblOptTwoConstInflated", "LblOptTwoConstValue"}, shownK2);
    row.Set("OptTwoConstCost", k2);
    row.Set("OptTwoConstInflatedCost", k2);
    row.Set("OptTwoConstPresentValue", k2);
    row.Set("OptTwoBladeInterval", int(state.bladeInterval));
    row.Set("OptTwoBladeGravelInterval", int(state.bladeGravelInterval));

    const BladeSums sums =
        BladePasses(in.BladeCost, in.BladeGravelCost, in.Area, state.bladeInterval,
                    state.bladeGravelInterval, AnalysisYearsOf(in.periodEntry), rates);
    auto showSum = [&](const char* cell, const char* field, int64_t sum) {
        c.Set(cell, MoneyCaption(static_cast<double>(sum), kMoneyZeroPattern));
        row.Set(field, qlonglong(sum));
    };
    showSum("LblBladeCost", "OptTwoBladeCost", sums.blade.cost);
    showSum("LblBladeInflatedCost", "OptTwoBladeCostInflated", sums.blade.inflated);
    showSum("LblBladePresentValue", "OptTwoBladeCostPresent", sums.blade.value);
    showSum("LblBladeGravelCost", "OptTwoBladeGravelCost", sums.bladeGravel.cost);
    showSum("LblBladeGravelInflatedCost", "OptTwoBladeGravelCostInflated",
            sums.bladeGravel.inflated);
    showSum("LblBladeGravelPresentValue", "OptTwoBladeGravelCostPresent", sums.bladeGravel.value);

    const double salvageYear = RowYear(c.Text("LblOptTwoYear"));
    row.Set("OptTwoSalvageYear", salvageYear);
    const RowAmounts salvage =
        SalvageRow(ShownAmount(c.Text("lblOptTwoConstPresent"), kSalvageBaseReadPattern),
                   in.SalvageTwo, salvageYear, rates);
    c.Set("LblOptTwoSalvageCost", MoneyCaption(salvage.cost, kMoneyZeroPattern));
    row.Set("OptTwoSalvageCost", salvage.cost);
    c.Set("LblOptTwoSalvageInflated", MoneyCaption(salvage.inflated, kMoneyZeroPattern));
    row.Set("OptTwoSalvageInflated", salvage.inflated);
    c.Set("LblOptTwoSalvageValue", MoneyCaption(salvage.value, kMoneyZeroPattern));
    row.Set("OptTwoSalvageValue", salvage.value);

    const double totalCost =
        ShownAmount(c.Text("lblOptTwoConstPresent")) - ShownAmount(c.Text("LblOptTwoSalvageCost"));
    c.Set("LblTotalOptTwoCost", MoneyCaption(totalCost, kMoneyZeroPattern));
    row.Set("OptTwoTotalCost", totalCost);
    const double totalInflated = static_cast<double>(sums.blade.inflated) +
                                 ShownAmount(c.Text("LblOptTwoConstInflated")) +
                                 static_cast<double>(sums.bladeGravel.inflated) -
                                 ShownAmount(c.Text("LblOptTwoSalvageInflated"));
    c.Set("lblTotalOptTwoInflatedCost", MoneyCaption(totalInflated, kMoneyZeroPattern));
    row.Set("OptTwoTotalInflated", totalInflated);
    const double totalValue =
        static_cast<double>(sums.blade.value) + ShownAmount(c.Text("LblOptTwoConstValue")) +
        static_cast<double>(sums.bladeGravel.value) - ShownAmount(c.Text("LblOptTwoSalvageValue"));
    c.Set("lblTotalOptTwoPresentValue", MoneyCaption(totalValue, kMoneyZeroPattern));
    row.Set("OptTwoTotalValue", totalValue);
    windowState = state;
    return r;
}

}  // namespace orv
