// Whole activations of the two default-schedule windows against figures worked out by hand.
#include "analysis/default/default_analysis.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace orv {
namespace {

using Captions = std::vector<std::pair<const char*, const char*>>;
using Fields = std::map<QString, double>;

void ExpectCaptions(const DefaultResults& r, const Captions& expected) {
    for (const auto& [name, text] : expected) {
        EXPECT_TRUE(r.captions.Has(name)) << name;
        EXPECT_EQ(r.captions.Text(name), QString::fromUtf8(text)) << name;
    }
}

// Every field of the row: the listed ones to within 1e-6, all others 0.
void ExpectRow(const DefaultResults& r, const Fields& expected) {
    for (const auto& [name, value] : r.row.Fields()) {
        const auto it = expected.find(name);
        EXPECT_NEAR(value.toDouble(), it == expected.end() ? 0.0 : it->second, 1e-6)
            << name.toStdString();
    }
    for (const auto& [name, value] : expected)
        EXPECT_NO_THROW(r.row.Value(name)) << name.toStdString();
}

// 900 ft2 (100 yd2), Moderate over 30 years, inflation 3 %, interest 5 %.
DefaultInputs AggregateProject() {
    DefaultInputs in;
    in.Area = 900;
    in.SurfaceDepthOne = 3, in.BaseCourseOne = 6, in.SubgradePrepOne = 1, in.SalvageOne = "10";
    in.SurfaceDepthTwo = 4, in.BaseCourseTwo = 6, in.SalvageTwo = "5";
    in.InflationRate = 3, in.InterestRate = 5;
    in.ModMaintenance = 1;
    in.AnalysisText = "30", in.periodEntry = "30";
    in.AsphaltCementCost = 2.00, in.AggregateCost = 1.20, in.AggBaseCourseCost = 0.80;
    in.SubgradePrepCost = 0.905, in.StablizedSubgradeCost = 0.60, in.PavementFabricCost = 1.20;
    in.FogSealCost = 0.50, in.SlurrySealCost = 0.90, in.OverlayCost = 3.00;
    in.RotomillCost = 1.00, in.DemolitionCost = 5.00;
    in.BladeCost = 0.50, in.BladeGravelCost = 2.00;
    return in;
}

// Worked by hand, 100 yd2, factors 1.03^n and 1/1.05^n:
//   K1 = 100 x (3 x 2.00 + 6 x 0.80 + 0.905) = 1170.5, shown $ 1,171
//   years: Moderate 7, 14, 18, 25 (32 and 39 beyond 30), demolition and salvage 30
//   row 1 slurry  7:  90; x 1.229874 = 110.689; x 0.710681 = 63.961 -> 90, 111, 64
//   row 2 slurry 14:  90; x 1.512590 = 136.133; x 0.505068 = 45.456 -> 90, 136, 45
//   row 3 overlay 18: 100 x 3.00 x 1.5 = 450; x 1.702433 = 766.095; x 0.415521 = 186.984
//   row 4 slurry 25:  90; x 2.093778 = 188.440; x 0.295303 = 26.577 -> 90, 188, 27
//   row 8 demolition: 1171 + 100 x 5.00 = 1671; single(1.03^30) = 2.4272625 -> 4055.956;
//                     single(1/1.05^30) = 0.23137745 -> 386.632
//   row 9 salvage:    10 % of 1171 = 117.1 -> 284.232, 27.094
//   totals: 1171 - 117 = 1054; 1171 + 111 + 136 + 766 + 188 + 4056 - 284 = 6144;
//           1171 + 64 + 45 + 187 + 27 + 387 - 27 = 1854
//   K2 = 100 x (4 x 1.20 + 6 x 0.80) = 960; blading 50 a pass in 2, 6, ..., 30: 400, 666, 202;
//   with gravel 200 a pass in 4, 8, ..., 28: 1400, 2310, 691; salvage 5 % = 48,
//   x 2.4272625 = 116.509, x 0.23137745 = 11.106; totals 960 - 48 = 912,
//   666 + 960 + 2310 - 117 = 3819, 202 + 960 + 691 - 11 = 1842
TEST(DefaultAcag, WholeProject) {
    DefaultAcagState state;
    const DefaultResults r = ComputeDefaultAcag(AggregateProject(), state);
    ExpectCaptions(r, {
                          {"LblConstructionType", "Moderate Maintenance"},
                          {"lblOptOneConstPresent", "$ 1,171"},
                          {"LblOptOneConstInflated", "$ 1,171"},
                          {"LblOptOneConstValue", "$ 1,171"},
                          {"LblOptOneYear(0)", ""},
                          {"LblOptOneYear(1)", "7"},
                          {"LblOptOneYear(4)", "25"},
                          {"LblOptOneYear(5)", ""},
                          {"LblOptOneYear(6)", ""},
                          {"LblOptOneYear(8)", " 30"},
                          {"LblOptOneYear(9)", " 30"},
                          {"lblOptOnePresentCost(0)", ""},
                          {"LblOptOneInflatedCost(0)", ""},
                          {"LblOptOnePresentValue(0)", ""},
                          {"lblOptOnePresentCost(1)", "$ 90"},
                          {"LblOptOneInflatedCost(1)", "$ 111"},
                          {"LblOptOnePresentValue(1)", "$ 64"},
                          {"LblOptOneInflatedCost(2)", "$ 136"},
                          {"LblOptOnePresentValue(2)", "$ 45"},
                          {"lblOptOnePresentCost(3)", "$ 450"},
                          {"LblOptOneInflatedCost(3)", "$ 766"},
                          {"LblOptOnePresentValue(3)", "$ 187"},
                          {"LblOptOneInflatedCost(4)", "$ 188"},
                          {"LblOptOnePresentValue(4)", "$ 27"},
                          {"lblOptOnePresentCost(6)", ""},
                          {"lblOptOnePresentCost(8)", "$ 1,671"},
                          {"LblOptOneInflatedCost(8)", "$ 4,056"},
                          {"LblOptOnePresentValue(8)", "$ 387"},
                          {"lblOptOnePresentCost(9)", "$ 117"},
                          {"LblOptOneInflatedCost(9)", "$ 284"},
                          {"LblOptOnePresentValue(9)", "$ 27"},
                          {"LblTotalOptOneCost", "$1,054"},
                          {"lblTotalOptOneInflatedCost", "$6,144"},
                          {"lblTotalOptOnePresentValue", "$1,854"},
                          {"LblOptTwoYear", "30"},
                          {"lblOptTwoConstPresent", "$ 960"},
                          {"LblOptTwoConstInflated", "$ 960"},
                          {"LblOptTwoConstValue", "$ 960"},
                          {"LblBladeTag", "Blade Every 2 Years"},
                          {"LblBladeGravelTag", "Blade And Gravel Every 4 Years"},
                          {"LblBladeCost", "$ 400"},
                          {"LblBladeInflatedCost", "$ 666"},
                          {"LblBladePresentValue", "$ 202"},
                          {"LblBladeGravelCost", "$ 1,400"},
                          {"LblBladeGravelInflatedCost", "$ 2,310"},
                          {"LblBladeGravelPresentValue", "$ 691"},
                          {"LblOptTwoSalvageCost", "$ 48"},
                          {"LblOptTwoSalvageInflated", "$ 117"},
                          {"LblOptTwoSalvageValue", "$ 11"},
                          {"LblTotalOptTwoCost", "$ 912"},
                          {"lblTotalOptTwoInflatedCost", "$ 3,819"},
                          {"lblTotalOptTwoPresentValue", "$ 1,842"},
                      });
    ExpectRow(r, {
                     {"OptOneConstCost", 1170.5},
                     {"OptOneConstInflatedCost", 1170.5},
                     {"OptOneConstPresentValue", 1170.5},
                     {"OptOneSlurryOneYear", 7},
                     {"OptOneSlurryOneCost", 90},
                     {"OptOneSlurryOneInflated", 110.68864788823832},
                     {"OptOneSlurryOneValue", 63.96131971171092},
                     {"OptOneSlurryTwoYear", 14},
                     {"OptOneSlurryTwoCost", 90},
                     {"OptOneSlurryTwoInflated", 136.13307523696005},
                     {"OptOneSlurryTwoValue", 45.456115769596664},
                     {"OptOneOverlayYear", 18},
                     {"OptOneOverlayCost", 450},
                     {"OptOneOverlayInflated", 766.0948775579569},
                     {"OptOneOverlayValue", 186.98429469036728},
                     {"OptOneSlurryThreeYear", 25},
                     {"OptOneSlurryThreeCost", 90},
                     {"OptOneSlurryThreeInflated", 188.44001366887946},
                     {"OptOneSlurryThreeValue", 26.577249452798558},
                     {"OptOneDemolitionYear", 30},
                     {"OptOneDemolitionCost", 1671},
                     {"OptOneDemolitionInflated", 4055.955712080002},
                     {"OptOneDemolitionValue", 386.6317233145237},
                     {"OptOneSalvageYear", 30},
                     {"OptOneSalvageCost", 117.1},
                     {"OptOneSalvageInflated", 284.2324439764023},
                     {"OptOneSalvageValue", 27.094299700856208},
                     {"OptOneTotalCost", 1054},
                     {"OptOneTotalInflated", 6144},
                     {"OptOneTotalValue", 1854},
                     {"OptTwoConstCost", 960},
                     {"OptTwoConstInflatedCost", 960},
                     {"OptTwoConstPresentValue", 960},
                     {"OptTwoBladeInterval", 2},
                     {"OptTwoBladeGravelInterval", 4},
                     {"OptTwoBladeCost", 400},
                     {"OptTwoBladeCostInflated", 666},
                     {"OptTwoBladeCostPresent", 202},
                     {"OptTwoBladeGravelCost", 1400},
                     {"OptTwoBladeGravelCostInflated", 2310},
                     {"OptTwoBladeGravelCostPresent", 691},
                     {"OptTwoSalvageYear", 30},
                     {"OptTwoSalvageCost", 48},
                     {"OptTwoSalvageInflated", 116.50860214233398},
                     {"OptTwoSalvageValue", 11.106117725372314},
                     {"OptTwoTotalCost", 912},
                     {"OptTwoTotalInflated", 3819},
                     {"OptTwoTotalValue", 1842},
                 });
    const std::array<bool, 10> visible = {false, true,  true,  true, true,
                                          false, false, false, true, true};
    EXPECT_EQ(state.optOneYearVisible, visible);
    EXPECT_EQ(state.bladeInterval, 2);
    EXPECT_EQ(state.bladeGravelInterval, 4);
    // A second activation with the same inputs gives the same captions and row.
    const DefaultResults again = ComputeDefaultAcag(AggregateProject(), state);
    EXPECT_EQ(again.captions.Entries(), r.captions.Entries());
    EXPECT_EQ(again.row.Fields(), r.row.Fields());
}

// 1800 ft2 (200 yd2), High over 40 years, inflation 4 %, interest 6 %.
DefaultInputs AsphaltProject() {
    DefaultInputs in;
    in.Area = 1800;
    in.SurfaceDepthOne = 2, in.BaseCourseOne = 8, in.SubgradeOne = 6, in.PavementFabricOne = 1;
    in.ConstOptionOne = 1, in.SalvageOne = "20";
    in.SurfaceDepthTwo = 3, in.BaseCourseTwo = 6, in.SubgradePrepTwo = 1, in.ConstOptionTwo = 2;
    in.SalvageTwo = "10";
    in.InflationRate = 4, in.InterestRate = 6;
    in.HighMaintenance = 1;
    in.AnalysisText = "40", in.periodEntry = "40";
    in.AsphaltCementCost = 2.50, in.AsphaltCementCost2 = 2.20, in.AggregateCost = 9.99;
    in.AggBaseCourseCost = 0.75, in.StablizedSubgradeCost = 0.60, in.SubgradePrepCost = 0.90;
    in.PavementFabricCost = 1.20, in.ConstOptionOneCost = 0.50, in.ConstOptionTwoCost = 0.40;
    in.FogSealCost = 0.45, in.SlurrySealCost = 0.85, in.OverlayCost = 2.80;
    in.RotomillCost = 1.10, in.DemolitionCost = 4.50;
    return in;
}

// Worked by hand, 200 yd2, factors 1.04^n and 1/1.06^n, High years 2 ... 35, 40:
//   K1 = 200 x (2 x 2.50 + 8 x 0.75 + 6 x 0.60 + 1.20 + 0.50) = 3260
//   K2 = 200 x (3 x 2.20 + 6 x 0.75 + 0.90 + 2 x 0.40) = 2560
//   the treatments are the same in both options:
//   row 0 fog seal  2: 200 x 0.45 = 90; x 1.0816 = 97.344; x 0.889996 = 80.100
//   row 1 slurry    5: 170; x 1.216653 = 206.831; x 0.747258 = 127.034
//   row 2 slurry   10: 170; x 1.480244 = 251.642; x 0.558395 = 94.927
//   row 3 overlay  15: 200 x 2.80 x 1.5 = 840; x 1.800944 = 1512.793; x 0.417265 = 350.503
//   row 4 slurry   20: 170; x 2.191123 = 372.491; x 0.311805 = 53.007
//   row 5 slurry   25: 170; x 2.665836 = 453.192; x 0.232999 = 39.610
//   row 6 rotomill 30: 200 x (1.10 + 2 x 2.80) = 1340; x 3.243398 = 4346.153; x 0.174110 = 233.308
//   row 7 slurry   35: 170; x 3.946089 = 670.835; x 0.130105 = 22.118
//   single(1.04^40) = 4.8010206, single(1/1.06^40) = 0.097222187
//   row 8: 3260 + 200 x 4.50 = 4160 -> 19972.246, 404.444; option two 3460 -> 16611.531, 336.389
//   row 9: 20 % of 3260 = 652 -> 3130.265, 63.389; option two 10 % of 2560 = 256 -> 1229.061,
//          24.889
//   shown future of rows 0-7: 97 + 207 + 252 + 1513 + 372 + 453 + 4346 + 671 = 7911
//   shown present of rows 0-7: 80 + 127 + 95 + 351 + 53 + 40 + 233 + 22 = 1001
//   totals one: 3260 - 652 = 2608; 3260 + 7911 + 19972 - 3130 = 28013; 3260 + 1001 + 404 - 63 =
//   4602 totals two: 2560 - 256 = 2304; 2560 + 7911 + 16612 - 1229 = 25854; 2560 + 1001 + 336 - 25
//   = 3872
TEST(DefaultAcac, WholeProject) {
    DefaultAcacState state;
    const DefaultResults r = ComputeDefaultAcac(AsphaltProject(), state);
    const std::vector<std::array<const char*, 4>> rows = {
        {"2", " 90", "$ 97", "$ 80"},          {"5", "$ 170", "$ 207", "$ 127"},
        {"10", "$ 170", "$ 252", "$ 95"},      {"15", "$ 840", "$ 1,513", "$ 351"},
        {"20", "$ 170", "$ 372", "$ 53"},      {"25", "$ 170", "$ 453", "$ 40"},
        {"30", "$ 1,340", "$ 4,346", "$ 233"}, {"35", "$ 170", "$ 671", "$ 22"},
    };
    for (int i = 0; i < 8; ++i) {
        for (const char* option : {"One", "Two"}) {
            const QString o = QString::fromLatin1(option);
            SCOPED_TRACE(o.toStdString() + " row " + std::to_string(i));
            EXPECT_EQ(r.captions.Text(CellName("LblOpt" + o + "Year", i)), rows[i][0]);
            EXPECT_EQ(r.captions.Text(CellName("lblOpt" + o + "PresentCost", i)), rows[i][1]);
            EXPECT_EQ(r.captions.Text(CellName("LblOpt" + o + "InflatedCost", i)), rows[i][2]);
            EXPECT_EQ(r.captions.Text(CellName("LblOpt" + o + "PresentValue", i)), rows[i][3]);
        }
    }
    ExpectCaptions(r, {
                          {"LblConstructionType", "High Maintenance"},
                          {"lblOptOneConstPresent", "$ 3,260"},
                          {"LblOptOneConstValue", "$ 3,260"},
                          {"LblOptOneYear(8)", " 40"},
                          {"lblOptOnePresentCost(8)", "$ 4,160"},
                          {"LblOptOneInflatedCost(8)", "$ 19,972"},
                          {"LblOptOnePresentValue(8)", "$ 404"},
                          {"LblOptOneYear(9)", " 40"},
                          {"lblOptOnePresentCost(9)", "$ 652"},
                          {"LblOptOneInflatedCost(9)", "$ 3,130"},
                          {"LblOptOnePresentValue(9)", "$ 63"},
                          {"LblTotalOptOneCost", "$2,608"},
                          {"lblTotalOptOneInflatedCost", "$28,013"},
                          {"lblTotalOptOnePresentValue", "$4,602"},
                          {"lblOptTwoConstPresent", "$ 2,560"},
                          {"LblOptTwoConstInflated", "$ 2,560"},
                          {"lblOptTwoPresentCost(8)", "$ 3,460"},
                          {"LblOptTwoInflatedCost(8)", "$ 16,612"},
                          {"LblOptTwoPresentValue(8)", "$ 336"},
                          {"lblOptTwoPresentCost(9)", "$ 256"},
                          {"LblOptTwoInflatedCost(9)", "$ 1,229"},
                          {"LblOptTwoPresentValue(9)", "$ 25"},
                          {"LblTotalOptTwoCost", "$2,304"},
                          {"lblTotalOptTwoInflatedCost", "$25,854"},
                          {"lblTotalOptTwoPresentValue", "$3,872"},
                      });
    Fields f = {
        {"OptOneConstCost", 3260},
        {"OptOneConstInflatedCost", 3260},
        {"OptOneConstPresentValue", 3260},
        {"OptTwoConstCost", 2560},
        {"OptTwoConstInflatedCost", 2560},
        {"OptTwoConstPresentValue", 2560},
        {"OptOneDemolitionCost", 4160},
        {"OptOneDemolitionInflated", 19972.24578857422},
        {"OptOneDemolitionValue", 404.44429636001587},
        {"OptTwoDemolitionCost", 3460},
        {"OptTwoDemolitionInflated", 16611.531352996826},
        {"OptTwoDemolitionValue", 336.3887657225132},
        {"OptOneSalvageCost", 652},
        {"OptOneSalvageInflated", 3130.2654457092285},
        {"OptOneSalvageValue", 63.38886567950249},
        {"OptTwoSalvageCost", 256},
        {"OptTwoSalvageInflated", 1229.061279296875},
        {"OptTwoSalvageValue", 24.888879776000977},
        {"OptOneTotalCost", 2608},
        {"OptOneTotalInflated", 28013},
        {"OptOneTotalValue", 4602},
        {"OptTwoTotalCost", 2304},
        {"OptTwoTotalInflated", 25854},
        {"OptTwoTotalValue", 3872},
    };
    const std::vector<std::tuple<const char*, double, double, double, double>> treatments = {
        {"FogSeal", 2, 90, 97.34400000000001, 80.0996796012816},
        {"SlurryOne", 5, 170, 206.830993408, 127.03388938722966},
        {"SlurryTwo", 10, 170, 251.64152843611853, 94.92711207557},
        {"Overlay", 15, 840, 1512.7925446258096, 350.5026510178537},
        {"SlurryThree", 20, 170, 372.49093431568156, 53.006803570634276},
        {"SlurryFour", 25, 170, 453.1921763528618, 39.609767185662136},
        {"Rotomill", 30, 1340, 4346.152663436906, 233.30757542024958},
        {"SlurryFive", 35, 170, 670.8351290160302, 22.11788711129755},
    };
    for (const char* option : {"OptOne", "OptTwo"}) {
        for (const auto& [stem, year, cost, inflated, value] : treatments) {
            const QString p = QString::fromLatin1(option) + QString::fromLatin1(stem);
            f[p + "Year"] = year, f[p + "Cost"] = cost, f[p + "Inflated"] = inflated;
            f[p + "Value"] = value;
        }
        f[QString::fromLatin1(option) + "DemolitionYear"] = 40;
        f[QString::fromLatin1(option) + "SalvageYear"] = 40;
    }
    ExpectRow(r, f);
    for (bool v : state.optOneYearVisible) EXPECT_TRUE(v);
    for (bool v : state.optTwoYearVisible) EXPECT_TRUE(v);
}

// Custom chosen in a window left shown: no level flag, so every year cell is empty.
TEST(DefaultWindows, NoLevelTotalsBeforeAndAfterTheHidingPass) {
    DefaultInputs in = AggregateProject();
    in.ModMaintenance = 0;
    // Asphalt against aggregate forms its totals before the hiding pass: the salvage at year 0
    // (117.1 in all three columns) is subtracted, then its cells are emptied.
    DefaultAcagState acag;
    acag.levelCaption = "High Maintenance";
    const DefaultResults g = ComputeDefaultAcag(in, acag);
    ExpectCaptions(g, {{"LblConstructionType", "High Maintenance"},
                       {"LblOptOneYear(9)", ""},
                       {"lblOptOnePresentCost(9)", ""},
                       {"LblOptOneInflatedCost(8)", ""},
                       {"LblTotalOptOneCost", "$1,054"},
                       {"lblTotalOptOneInflatedCost", "$1,054"},
                       {"lblTotalOptOnePresentValue", "$1,054"},
                       {"LblBladeTag", ""},
                       {"LblBladeCost", "$ 0"},
                       {"LblBladeGravelInflatedCost", "$ 0"},
                       {"LblOptTwoSalvageInflated", "$ 117"},
                       {"lblTotalOptTwoInflatedCost", "$ 843"}});
    for (bool v : acag.optOneYearVisible) EXPECT_FALSE(v);
    EXPECT_EQ(g.row.Value("OptOneSalvageYear").toDouble(), 0);
    EXPECT_NEAR(g.row.Value("OptOneSalvageInflated").toDouble(), 117.1, 1e-9);
    // No interval was ever set: no blade pass, intervals stored as 0.
    EXPECT_EQ(g.row.Value("OptTwoBladeInterval").toInt(), 0);
    EXPECT_EQ(g.row.Value("OptTwoBladeCostInflated").toLongLong(), 0);
    EXPECT_EQ(g.row.Value("OptTwoBladeGravelCostPresent").toLongLong(), 0);

    // Asphalt against asphalt forms them after the pass: nothing is subtracted. Option two's
    // salvage still takes 30 years from AnalysisText: 10 % of 1171 x 2.4272625 = 284.232.
    in.SurfaceDepthTwo = 3, in.BaseCourseTwo = 6, in.SubgradePrepTwo = 1, in.SalvageTwo = "10";
    in.AsphaltCementCost2 = 2.00;
    DefaultAcacState acac;
    const DefaultResults c = ComputeDefaultAcac(in, acac);
    ExpectCaptions(c, {{"LblConstructionType", "MODERATE MAINTENANCE"},
                       {"LblTotalOptOneCost", "$1,171"},
                       {"lblTotalOptOneInflatedCost", "$1,171"},
                       {"LblTotalOptTwoCost", "$1,171"},
                       {"LblOptTwoInflatedCost(9)", ""}});
    EXPECT_NEAR(c.row.Value("OptOneSalvageInflated").toDouble(), 117.1, 1e-9);
    EXPECT_EQ(c.row.Value("OptTwoSalvageYear").toDouble(), 0);
    EXPECT_NEAR(c.row.Value("OptTwoSalvageInflated").toDouble(), 284.2324439764023, 1e-9);
    EXPECT_NEAR(c.row.Value("OptTwoSalvageValue").toDouble(), 27.094299700856208, 1e-9);
}

TEST(DefaultWindows, OptionsWithoutDesignOrCost) {
    // Aggregate option without a design: its cells stay as reset, its 18 fields 0, and the
    // blade intervals of the last activation that set them stay.
    DefaultInputs in = AggregateProject();
    in.SurfaceDepthTwo = 0, in.BaseCourseTwo = 0;
    DefaultAcagState acag;
    acag.bladeInterval = 5, acag.bladeGravelInterval = 10;
    const DefaultResults g = ComputeDefaultAcag(in, acag);
    ExpectCaptions(g, {{"lblOptTwoConstPresent", "$ 0"},
                       {"LblBladeTag", ""},
                       {"LblBladeCost", ""},
                       {"LblOptTwoSalvageValue", "$ 0"},
                       {"lblTotalOptTwoPresentValue", "$ 0"},
                       {"LblOptTwoYear", "30"},
                       {"LblTotalOptOneCost", "$1,054"}});
    EXPECT_EQ(acag.bladeInterval, 5);
    EXPECT_EQ(g.row.Value("OptTwoTotalValue").toDouble(), 0);
    EXPECT_EQ(g.row.Value("OptOneTotalValue").toDouble(), 1854);

    // An area of 0: no construction cost, so the years show without amounts, the year cells
    // keep their visibility, only the construction fields are written (0).
    in = AggregateProject();
    in.Area = 0;
    acag.optOneYearVisible.fill(true);
    const auto visibleBefore = acag.optOneYearVisible;
    const DefaultResults zero = ComputeDefaultAcag(in, acag);
    ExpectCaptions(zero, {{"lblOptOneConstPresent", "$ 0"},
                          {"LblOptOneYear(1)", "7"},
                          {"lblOptOnePresentCost(1)", ""},
                          {"LblTotalOptOneCost", ""},
                          {"lblOptTwoConstPresent", "$ 0"}});
    EXPECT_EQ(acag.optOneYearVisible, visibleBefore);
    ExpectRow(zero, {});

    // Asphalt against asphalt without design one: the level caption comes from option two.
    in = AsphaltProject();
    in.SurfaceDepthOne = in.BaseCourseOne = in.SubgradeOne = in.PavementFabricOne = 0;
    in.ConstOptionOne = 0;
    DefaultAcacState acac;
    const DefaultResults c = ComputeDefaultAcac(in, acac);
    ExpectCaptions(c, {{"LblConstructionType", "High Maintenance"},
                       {"lblOptOneConstPresent", "$ 0"},
                       {"LblOptOneYear(0)", ""},
                       {"LblTotalOptOneCost", ""},
                       {"LblOptTwoYear(0)", "2"},
                       {"LblTotalOptTwoCost", "$2,304"}});
}

TEST(DefaultAcag, LargestAreaWithLargestCosts) {
    // 500,000 ft x 100,000 ft, every cost 999.99, High over 40 years, rates 0. The aggregate
    // surface, 100 in deep: K2 = 5e10 / 9 x 100 x 999.99 = 555,550,000,000,000; 20 blading and
    // 20 gravel passes of 5,555,500,000,000: 111,110,000,000,000 each; salvage 20 % of K2.
    DefaultInputs in;
    in.Area = 500000.0 * 100000.0;
    in.SurfaceDepthTwo = 100, in.SalvageTwo = "20";
    in.HighMaintenance = 1;
    in.AnalysisText = "40", in.periodEntry = "40";
    in.AggregateCost = 999.99, in.BladeCost = 999.99, in.BladeGravelCost = 999.99;
    DefaultAcagState state;
    const DefaultResults r = ComputeDefaultAcag(in, state);
    ExpectCaptions(r, {{"lblOptTwoConstPresent", "$ 555,550,000,000,000"},
                       {"LblBladeCost", "$ 111,110,000,000,000"},
                       {"LblBladeInflatedCost", "$ 111,110,000,000,000"},
                       {"LblBladeGravelPresentValue", "$ 111,110,000,000,000"},
                       {"LblOptTwoSalvageCost", "$ 111,110,000,000,000"},
                       {"LblTotalOptTwoCost", "$ 444,440,000,000,000"},
                       {"lblTotalOptTwoInflatedCost", "$ 666,660,000,000,000"}});
    EXPECT_EQ(r.row.Value("OptTwoBladeCost").toLongLong(), 111110000000000);
    EXPECT_EQ(r.row.Value("OptTwoBladeGravelCostInflated").toLongLong(), 111110000000000);
    EXPECT_EQ(r.row.Value("OptTwoTotalValue").toDouble(), 666660000000000.0);
}

TEST(DefaultWindows, ColumnsAndStatements) {
    const std::vector<QString>& g = DefaultAcagColumns();
    const std::vector<QString>& c = DefaultAcacColumns();
    EXPECT_EQ(g.size(), 64u);
    EXPECT_EQ(c.size(), 92u);
    EXPECT_EQ(std::set<QString>(g.begin(), g.end()).size(), g.size());
    EXPECT_EQ(std::set<QString>(c.begin(), c.end()).size(), c.size());
    EXPECT_EQ(g.front(), "OptOneConstCost");
    EXPECT_EQ(g[3], "OptOneFogSealYear");
    EXPECT_EQ(g.back(), "OptTwoTotalValue");
    EXPECT_EQ(c[46], "OptTwoConstCost");
    EXPECT_EQ(DeleteRowStatement("DefaultACAG"), "DELETE * FROM DefaultACAG");
    EXPECT_EQ(ZeroRowStatement("DefaultACAC", 3), "INSERT INTO DefaultACAC VALUES( 0,0,0)");
    EXPECT_THROW(ResultRow(g).Set("OptTwoFogSealYear", 1.0), std::out_of_range);
}

TEST(DefaultWindows, ReadsTheRecord) {
    const std::map<QString, QVariant> record = {
        {"Area", 900.0},        {"SalvageOne", "10"},     {"AnalysisPeriod", 2},
        {"AnalysisText", "40"}, {"BladeGravelCost", 2.0}, {"StablizedSubgradeCost", 0.6},
        {"ModMaintenance", 1}};
    const DefaultInputs in = ReadDefaultInputs(
        [&](const QString& name) {
            const auto it = record.find(name);
            return it == record.end() ? QVariant(0.0) : it->second;
        },
        {"20", "30", "40"});
    EXPECT_EQ(in.Area, 900);
    EXPECT_EQ(in.SalvageOne, "10");
    EXPECT_EQ(in.periodEntry, "40");
    EXPECT_EQ(in.BladeGravelCost, 2.0);
    EXPECT_EQ(in.StablizedSubgradeCost, 0.6);
    EXPECT_EQ(in.ModMaintenance, 1);
}

}  // namespace
}  // namespace orv
