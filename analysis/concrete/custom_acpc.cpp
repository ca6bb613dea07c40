#include "analysis/concrete/custom_acpc.h"

namespace orv {
namespace {

// The concrete user items: named by OptionOneLabel to OptionThreeLabel.
constexpr std::array<const char*, 3> kItemCosts = {"OptionOneCost", "OptionTwoCost",
                                                   "OptionThreeCost"};
Activity item(int n) { return UserActivity(n, kItemCosts); }

}  // namespace

const ActivityList& ConcreteAsphaltActivities() {
    using U = DepthUnit;
    using R = PriceRule;
    static const ActivityList list = {
        FixedActivity("Fog Seal", U::None, R::PerArea, "FogSealCost"),
        FixedActivity("Chip Seal", U::None, R::PerArea, "ChipSealCost"),
        FixedActivity("Slurry Seal", U::None, R::PerArea, "SlurrySealCost"),
        FixedActivity("Crack Seal", U::Percent, R::PercentOfArea, "AsphaltCrackSealCost"),
        FixedActivity("Patching", U::Percent, R::PercentOfArea, "PatchingCost"),
        FixedActivity("Overlay", U::Inches, R::InchesOfDepth, "OverlayCost"),
        FixedActivity("Rotomill", U::Inches, R::InchesOfDepth, "RotomillCost"),
        FixedActivity("Re-Construction", U::None, R::Reconstruction, "DemolitionCost"),
        item(1),
        item(2),
        item(3)};
    return list;
}

const ActivityList& PccpActivities() {
    using U = DepthUnit;
    using R = PriceRule;
    static const ActivityList list = {
        FixedActivity("Joint/Crack Seal", U::Percent, R::PercentOfArea, "JointCrackSealCost"),
        FixedActivity("Grinding", U::None, R::PerArea, "GrindingCost"),
        FixedActivity("Slab Replacement", U::Percent, R::PercentOfArea, "SlabReplacementCost"),
        FixedActivity("Overlay", U::Inches, R::InchesOfDepth, "OverlayCost"),
        FixedActivity("Rubblize", U::Percent, R::PercentOfArea, "RubblizingCost"),
        FixedActivity("Crack And Seat", U::Percent, R::PercentOfArea, "CrackSeatCost"),
        FixedActivity("Re-Construction", U::None, R::Reconstruction, "DemolitionCost"),
        item(1),
        item(2),
        item(3)};
    return list;
}

const ActivityList& ConcreteActivities(int option) {
    return option == 0 ? ConcreteAsphaltActivities() : PccpActivities();
}

ConstructionInputs ConcreteConstruction(int option, const RecordField& record) {
    auto number = [&](const QString& name) { return record(name).toDouble(); };
    const QString o = kOptionWords.at(option);
    ConstructionInputs in;
    in.area = number(QStringLiteral("Area"));
    in.design = {number("SurfaceDepth" + o),   number("BaseCourse" + o),
                 number("Subgrade" + o),       number("SubgradePrep" + o),
                 number("PavementFabric" + o), number("ConstructionOption" + o)};
    in.costs = {number(option == 0 ? QStringLiteral("AsphaltCementCost")
                                   : QStringLiteral("PortlandCementCost")),
                number(QStringLiteral("AggBaseCourseCost")),
                number(QStringLiteral("StablizedSubgradeCost")),
                number(QStringLiteral("SubgradePrepCost")),
                number(QStringLiteral("PavementFabricCost")),
                number(QStringLiteral("ConstructionOptionCost"))};
    in.salvagePercent = record("Salvage" + o).toString();
    in.analysisText = record(QStringLiteral("AnalysisText")).toString();
    in.rates = {number(QStringLiteral("InflationRate")), number(QStringLiteral("InterestRate"))};
    return in;
}

PricingContext ConcretePricing(const RecordField& record, const QStringList& periodEntries) {
    auto number = [&](const char* name) { return record(QString::fromLatin1(name)).toDouble(); };
    return {number("Area"), PeriodYears(periodEntries, number("AnalysisPeriod")),
            Rates{number("InflationRate"), number("InterestRate")},
            [record](const QString& field) { return record(field).toDouble(); }};
}

CheckResult CheckConcreteYear(const QString& text, double period) {
    CheckResult r = CheckYear(text, period);
    if (r.message) r.message = kConcreteYearMessage;
    return r;
}

DepthUnit PickedUnit(int option, const QStringList& entries, const QString& activity) {
    const ActivityList& list = ConcreteActivities(option);
    return option == 0
               ? UnitInOrder(list, entries, activity, DepthUnit::Percent, DepthUnit::Inches)
               : UnitInOrder(list, entries, activity, DepthUnit::Inches, DepthUnit::Percent);
}

DepthUnit LoadedUnit(int option, const QStringList& entries, const QString& activity) {
    return UnitInOrder(ConcreteActivities(option), entries, activity, DepthUnit::Inches,
                       DepthUnit::Percent);
}

}  // namespace orv
