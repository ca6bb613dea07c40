// Hot mix asphalt against a second hot mix asphalt design under the default schedule.
#include "analysis/default/asphalt_option.h"
#include "analysis/default/default_analysis.h"
#include "common/format.h"

namespace orv {

DefaultResults ComputeDefaultAcac(const DefaultInputs& in, DefaultAcacState& windowState) {
    // The window's state changes only when the whole computation succeeds.
    DefaultAcacState state = windowState;
    DefaultResults r{CellTexts(), ResultRow(DefaultAcacColumns())};
    CellTexts& c = r.captions;
    const LevelFlags flags{in.HighMaintenance, in.ModMaintenance, in.LowMaintenance};
    const AsphaltOptionCells& one = OptionOneCells();
    const AsphaltOptionCells& two = AcacOptionTwoCells();
    const DesignQuantities designOne{in.SurfaceDepthOne, in.BaseCourseOne,     in.SubgradeOne,
                                     in.SubgradePrepOne, in.PavementFabricOne, in.ConstOptionOne};
    const DesignQuantities designTwo{in.SurfaceDepthTwo, in.BaseCourseTwo,     in.SubgradeTwo,
                                     in.SubgradePrepTwo, in.PavementFabricTwo, in.ConstOptionTwo};

    // The schedule: every construction and total cell emptied, the years of both options.
    c.Set("LblConstructionType", state.levelCaption);
    for (const AsphaltOptionCells* o : {&one, &two}) {
        for (const QString* name : {&o->constPresent, &o->constInflated, &o->constValue,
                                    &o->totalCost, &o->totalInflated, &o->totalValue}) {
            c.Set(*name, QString());
        }
    }
    const int16_t analysisYears = AnalysisYearsOf(in.periodEntry);
    ClearOptionRows(one, c);
    ClearOptionRows(two, c);
    if (auto caption = ScheduleOption(one, designOne, flags, analysisYears, c)) {
        state.levelCaption = *caption;
    }
    if (auto caption = ScheduleOption(two, designTwo, flags, analysisYears, c)) {
        state.levelCaption = *caption;
    }
    c.Set("LblConstructionType", state.levelCaption);

    // Both options alike, totals formed after the hiding pass; option two's salvage takes
    // its years from AnalysisText.
    const AsphaltOption optionOne{
        designOne,
        {in.AsphaltCementCost, in.AggBaseCourseCost, in.StablizedSubgradeCost, in.SubgradePrepCost,
         in.PavementFabricCost, in.ConstOptionOneCost},
        in.SalvageOne,
        std::nullopt};
    ComputeAsphaltOption(one, optionOne, in, TotalsAt::kAfterHidingPass, c, r.row,
                         state.optOneYearVisible);
    const AsphaltOption optionTwo{
        designTwo,
        {in.AsphaltCementCost2, in.AggBaseCourseCost, in.StablizedSubgradeCost, in.SubgradePrepCost,
         in.PavementFabricCost, in.ConstOptionTwoCost},
        in.SalvageTwo,
        LeadingNumber(in.AnalysisText)};
    ComputeAsphaltOption(two, optionTwo, in, TotalsAt::kAfterHidingPass, c, r.row,
                         state.optTwoYearVisible);
    windowState = state;
    return r;
}

}  // namespace orv
