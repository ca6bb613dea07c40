#include "analysis/concrete/default_acpc.h"

#include "common/format.h"

namespace orv {

ConcreteDefaultInputs ReadConcreteDefaultInputs(
    const std::function<QVariant(const QString&)>& recordField, const QStringList& periodEntries) {
    auto number = [&](const char* name) {
        return recordField(QString::fromLatin1(name)).toDouble();
    };
    ConcreteDefaultInputs in;
    in.base = ReadDefaultInputs(recordField, periodEntries);
    in.PortlandCementCost = number("PortlandCementCost");
    in.ConstructionOptionOne = number("ConstructionOptionOne");
    in.ConstructionOptionTwo = number("ConstructionOptionTwo");
    in.ConstructionOptionCost = number("ConstructionOptionCost");
    in.JointCrackSealCost = number("JointCrackSealCost");
    in.GrindingCost = number("GrindingCost");
    return in;
}

const LevelYearTable& ConcreteLevelYears() {
    static const LevelYearTable table = {{"5", "10", "15", "20", "25", "30", "35", "40"},
                                         {"7", "14", nullptr, "21", "28", nullptr, "35", nullptr}};
    return table;
}

const std::array<QString, kScheduleRows>& ConcreteRowStems() {
    static const std::array<QString, kScheduleRows> stems = {
        "JointOne",    "JointTwo",  "GrindingOne", "JointThree", "JointFour",
        "GrindingTwo", "JointFive", "JointSix",    "Demolition", "Salvage"};
    return stems;
}

const std::vector<QString>& DefaultAcpcColumns() {
    static const std::vector<QString> columns = [] {
        std::vector<QString> c;
        AppendOptionColumns("OptOne", RowStems(), c);
        AppendOptionColumns("OptTwo", ConcreteRowStems(), c);
        return c;
    }();
    return columns;
}

namespace {

// The concrete design: construction, rows 0 to 7 at their unit costs over the whole area,
// the demolition and the salvage from the shown construction cost, the hiding pass, then
// the totals.
void ComputeConcreteOption(const ConcreteDefaultInputs& ci, CellTexts& c, ResultRow& row,
                           std::array<bool, kScheduleRows>& yearVisible) {
    const DefaultInputs& in = ci.base;
    const AsphaltOptionCells& cells = AcacOptionTwoCells();
    const Rates rates{in.InflationRate, in.InterestRate};
    const double k =
        ConstructionCost(in.Area,
                         {in.SurfaceDepthTwo, in.BaseCourseTwo, in.SubgradeTwo, in.SubgradePrepTwo,
                          in.PavementFabricTwo, ci.ConstructionOptionTwo},
                         {ci.PortlandCementCost, in.AggBaseCourseCost, in.StablizedSubgradeCost,
                          in.SubgradePrepCost, in.PavementFabricCost, ci.ConstructionOptionCost});
    const QString shown = MoneyCaption(k, kMoneyZeroPattern);
    c.Set(cells.constPresent, shown);
    c.Set(cells.constInflated, shown);
    c.Set(cells.constValue, shown);
    row.Set("OptTwoConstCost", k);
    row.Set("OptTwoConstInflatedCost", k);
    row.Set("OptTwoConstPresentValue", k);

    const double joint = ci.JointCrackSealCost, grinding = ci.GrindingCost;
    const double unitCosts[8] = {joint, joint, grinding, joint, joint, grinding, joint, joint};
    for (int i = 0; i < kScheduleRows; ++i) {
        const QString field = "OptTwo" + ConcreteRowStems()[i];
        const double year = RowYear(c.Text(CellName(cells.yearArray, i)));
        row.Set(field + "Year", year);
        RowAmounts a;
        if (i < 8) {
            a = PlainRow(unitCosts[i], in.Area, year, rates);
        } else if (i == 8) {
            a = DemolitionRow(ShownAmount(c.Text(cells.constPresent)), in.DemolitionCost, in.Area,
                              year, rates);
        } else {
            a = SalvageRow(ShownAmount(c.Text(cells.constPresent)), in.SalvageTwo, year, rates);
        }
        c.Set(CellName(cells.costArray, i),
              MoneyCaption(a.cost, i == 9 ? kMoneyZeroPattern : kMoneyPattern));
        row.Set(field + "Cost", a.cost);
        c.Set(CellName(cells.inflatedArray, i), MoneyCaption(a.inflated, kMoneyPattern));
        row.Set(field + "Inflated", a.inflated);
        c.Set(CellName(cells.valueArray, i), MoneyCaption(a.value, kMoneyPattern));
        row.Set(field + "Value", a.value);
    }
    HideRowsWithoutYear(cells, c, yearVisible);
    DefaultOptionTotals(cells, c, row);
}

}  // namespace

DefaultResults ComputeDefaultAcpc(const ConcreteDefaultInputs& ci, DefaultAcpcState& windowState) {
    // The window's state changes only when the whole computation succeeds.
    DefaultAcpcState state = windowState;
    const DefaultInputs& in = ci.base;
    DefaultResults r{CellTexts(), ResultRow(DefaultAcpcColumns())};
    CellTexts& c = r.captions;
    const AsphaltOptionCells& one = OptionOneCells();
    const AsphaltOptionCells& two = AcacOptionTwoCells();
    const LevelFlags flags{in.HighMaintenance, in.ModMaintenance, in.LowMaintenance};
    const bool hasSurface = in.SurfaceDepthOne > 0;

    // The schedule: option one's construction and totals emptied, every row emptied, the
    // level caption by the flags alone, option one's years when it has a surface, option
    // two's always, with the demolition and salvage at the analysis period.
    c.Set("LblConstructionType", state.levelCaption);
    for (const QString* name : {&one.constPresent, &one.constInflated, &one.constValue,
                                &one.totalCost, &one.totalInflated, &one.totalValue}) {
        c.Set(*name, QString());
    }
    const int16_t analysisYears = AnalysisYearsOf(in.periodEntry);
    ClearOptionRows(one, c);
    ClearOptionRows(two, c);
    const ScheduleYears yearsOne = ApplyDefaultSchedule(flags, analysisYears, AsphaltLevelYears());
    ScheduleYears yearsTwo = ApplyDefaultSchedule(flags, analysisYears, ConcreteLevelYears());
    yearsTwo.yearCells[8] = yearsTwo.yearCells[9] =
        SignedNumberText(static_cast<double>(analysisYears));
    if (yearsOne.levelCaption) state.levelCaption = *yearsOne.levelCaption;
    c.Set("LblConstructionType", state.levelCaption);
    for (int i = 0; i < kScheduleRows; ++i) {
        if (hasSurface) c.Set(CellName(one.yearArray, i), yearsOne.yearCells[i]);
        c.Set(CellName(two.yearArray, i), yearsTwo.yearCells[i]);
    }

    if (hasSurface) {
        AsphaltOption optionOne{
            {in.SurfaceDepthOne, in.BaseCourseOne, in.SubgradeOne, in.SubgradePrepOne,
             in.PavementFabricOne, ci.ConstructionOptionOne},
            {in.AsphaltCementCost, in.AggBaseCourseCost, in.StablizedSubgradeCost,
             in.SubgradePrepCost, in.PavementFabricCost, ci.ConstructionOptionCost},
            in.SalvageOne,
            std::nullopt};
        optionOne.concreteRules = true;
        ComputeAsphaltOption(one, optionOne, in, TotalsAt::kAfterHidingPass, c, r.row,
                             state.optOneYearVisible);
    }
    ComputeConcreteOption(ci, c, r.row, state.optTwoYearVisible);
    windowState = state;
    return r;
}

}  // namespace orv
