// Money rules of the concrete comparison: every figure against its caption and stored value.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "analysis/concrete/default_acpc.h"
#include "common/format.h"

namespace orv {
namespace {

// 900 square feet (100 square yards), 30 years, High, both rates 0 unless a case says
// otherwise; every cost 0.
ConcreteDefaultInputs Base() {
    ConcreteDefaultInputs in;
    in.base.Area = 900;
    in.base.HighMaintenance = 1;
    in.base.periodEntry = "30";
    in.base.SalvageOne = "10";
    in.base.SalvageTwo = "20";
    return in;
}

struct Caption {
    const char* cell;
    const char* text;
};
struct Field {
    const char* column;
    double value;
};
struct DefaultCase {
    const char* what;
    std::function<void(ConcreteDefaultInputs&)> set;
    std::vector<Caption> captions;
    std::vector<Field> fields;
};

TEST(ConcreteDefaultMoney, FiguresOfBothOptions) {
    const std::vector<DefaultCase> cases = {
        {"the fog seal shows a blank and no dollar sign",
         [](ConcreteDefaultInputs& in) {
             in.base.SurfaceDepthOne = 1;
             in.base.FogSealCost = 12.346;  // 1,234.6 today
         },
         {{"lblOptOnePresentCost(0)", " 1,235"}, {"LblOptOneInflatedCost(0)", "$ 1,235"}},
         {{"OptOneFogSealCost", 1234.6}}},
        {"an amount that rounds to 0 shows no digit",
         [](ConcreteDefaultInputs& in) {
             in.base.SurfaceDepthOne = 1;
             in.base.FogSealCost = 0.004;
             in.base.SlurrySealCost = 0.004;
         },
         {{"lblOptOnePresentCost(0)", " "},
          {"LblOptOneInflatedCost(0)", "$ "},
          {"lblOptOnePresentCost(1)", "$ "}},
         {{"OptOneFogSealCost", 0.4}}},
        {"totals add whole dollars as shown: 100.4 twice is 200",
         [](ConcreteDefaultInputs& in) {
             in.base.HighMaintenance = 0;
             in.base.ModMaintenance = 1;
             in.base.periodEntry = "20";
             in.JointCrackSealCost = 1.004;
         },
         {{"lblOptTwoPresentCost(0)", "$ 100"},
          {"lblOptTwoPresentCost(1)", "$ 100"},
          {"LblOptTwoYear(3)", ""},
          {"lblTotalOptTwoInflatedCost", "$200"},
          {"lblTotalOptTwoPresentValue", "$200"},
          {"LblTotalOptTwoCost", "$0"}},
         {{"OptTwoJointOneCost", 100.4}, {"OptTwoTotalInflated", 200}}},
        {"a salvage of 0 % shows $ 0 today and no digit later",
         [](ConcreteDefaultInputs& in) {
             in.base.SurfaceDepthOne = 2;
             in.base.AsphaltCementCost = 5;  // 1,000
             in.base.SalvageOne = "0";
         },
         {{"lblOptOnePresentCost(9)", "$ 0"},
          {"LblOptOneInflatedCost(9)", "$ "},
          {"LblOptOnePresentValue(9)", "$ "},
          {"LblTotalOptOneCost", "$1,000"}},
         {{"OptOneSalvageCost", 0}, {"OptOneTotalCost", 1000}}},
        {"12,345.60 is shown as 12,346, which the demolition and salvage take",
         [](ConcreteDefaultInputs& in) {
             in.base.SurfaceDepthTwo = 1;
             in.PortlandCementCost = 123.456;
             in.base.DemolitionCost = 2.6;  // 260
         },
         {{"lblOptTwoConstPresent", "$ 12,346"},
          {"lblOptTwoPresentCost(8)", "$ 12,606"},
          {"lblOptTwoPresentCost(9)", "$ 2,469"},
          {"LblTotalOptTwoCost", "$9,877"}},
         {{"OptTwoConstCost", 12345.6},
          {"OptTwoDemolitionCost", 12606},
          {"OptTwoSalvageCost", 2469.2}}},
        {"a construction cost of 0 still demolishes at the period",
         [](ConcreteDefaultInputs& in) { in.base.DemolitionCost = 2.6; },
         {{"lblOptTwoConstPresent", "$ 0"},
          {"LblOptTwoConstValue", "$ 0"},
          {"lblOptTwoPresentCost(8)", "$ 260"},
          {"lblOptTwoPresentCost(9)", "$ 0"}},
         {{"OptTwoDemolitionCost", 260}, {"OptTwoSalvageCost", 0}}},
        {"the concrete option uses its own surface cost and construction option",
         [](ConcreteDefaultInputs& in) {
             in.base.SurfaceDepthOne = 1;
             in.base.SurfaceDepthTwo = 1;
             in.base.AsphaltCementCost = 1;
             in.PortlandCementCost = 2;
             in.base.ConstOptionOne = 4;
             in.base.ConstOptionOneCost = 9;
             in.ConstructionOptionOne = 1;
             in.ConstructionOptionTwo = 2;
             in.ConstructionOptionCost = 0.5;
         },
         {{"lblOptOneConstPresent", "$ 150"}, {"lblOptTwoConstPresent", "$ 300"}},
         {{"OptOneConstCost", 150}, {"OptTwoConstCost", 300}}},
        {"rates enter the later columns: 1.5 inch overlay at 3 % and 5 % over 15 years",
         [](ConcreteDefaultInputs& in) {
             in.base.SurfaceDepthOne = 1;
             in.base.OverlayCost = 2;  // 300 today
             in.base.InflationRate = 3;
             in.base.InterestRate = 5;
         },
         {{"lblOptOnePresentCost(3)", "$ 300"},
          {"LblOptOneInflatedCost(3)", "$ 467"},
          {"LblOptOnePresentValue(3)", "$ 144"}},
         {{"OptOneOverlayYear", 15}}},
        {"an area of 0 costs nothing, and the rows keep their years",
         [](ConcreteDefaultInputs& in) {
             in.base.Area = 0;
             in.base.SurfaceDepthOne = 1;
             in.base.FogSealCost = 1;
             in.JointCrackSealCost = 1;
         },
         {{"LblOptOneYear(0)", "2"},
          {"lblOptOnePresentCost(0)", " "},
          {"LblOptTwoYear(0)", "5"},
          {"lblOptTwoPresentCost(0)", "$ "}},
         {{"OptOneFogSealYear", 2}, {"OptOneFogSealCost", 0}, {"OptTwoJointOneCost", 0}}},
    };
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        ConcreteDefaultInputs in = Base();
        c.set(in);
        DefaultAcpcState state;
        const DefaultResults r = ComputeDefaultAcpc(in, state);
        for (const Caption& cap : c.captions)
            EXPECT_EQ(r.captions.Text(cap.cell), cap.text) << cap.cell;
        for (const Field& f : c.fields)
            EXPECT_NEAR(r.row.Value(f.column).toDouble(), f.value, 1e-6) << f.column;
    }
}

struct YearsCase {
    const char* what;
    double high, moderate, low, surfaceDepthOne;
    const char* period;
    std::vector<const char*> one, two;  // year captions of rows 0 to 9
    const char* level;
};

TEST(ConcreteDefaultMoney, YearsByLevelAndPeriod) {
    const std::vector<YearsCase> cases = {
        {"20 years, High",
         1,
         0,
         0,
         4,
         "20",
         {"2", "5", "10", "15", "20", "", "", "", " 20", " 20"},
         {"5", "10", "15", "20", "", "", "", "", " 20", " 20"},
         "High Maintenance"},
        {"30 years, Moderate",
         0,
         1,
         0,
         4,
         "30",
         {"", "7", "14", "18", "25", "", "", "", " 30", " 30"},
         {"7", "14", "", "21", "28", "", "", "", " 30", " 30"},
         "Moderate Maintenance"},
        {"40 years, High: nothing clipped",
         1,
         0,
         0,
         4,
         "40",
         {"2", "5", "10", "15", "20", "25", "30", "35", " 40", " 40"},
         {"5", "10", "15", "20", "25", "30", "35", "40", " 40", " 40"},
         "High Maintenance"},
        {"Low",
         0,
         0,
         1,
         4,
         "30",
         {"", "", "", "", "", "", "", "", " 30", " 30"},
         {"", "", "", "", "", "", "", "", " 30", " 30"},
         "Low Maintenance"},
        {"no level: the caption stays, option two still ends at the period",
         0,
         0,
         0,
         4,
         "30",
         {"", "", "", "", "", "", "", "", "", ""},
         {"", "", "", "", "", "", "", "", " 30", " 30"},
         "MODERATE MAINTENANCE"},
        {"no surface: option one has no year, the level is still named",
         1,
         0,
         0,
         0,
         "30",
         {"", "", "", "", "", "", "", "", "", ""},
         {"5", "10", "15", "20", "25", "30", "", "", " 30", " 30"},
         "High Maintenance"},
    };
    for (const YearsCase& c : cases) {
        SCOPED_TRACE(c.what);
        ConcreteDefaultInputs in = Base();
        in.base.HighMaintenance = c.high;
        in.base.ModMaintenance = c.moderate;
        in.base.LowMaintenance = c.low;
        in.base.SurfaceDepthOne = c.surfaceDepthOne;
        in.base.periodEntry = c.period;
        DefaultAcpcState state;
        const DefaultResults r = ComputeDefaultAcpc(in, state);
        for (int i = 0; i < kScheduleRows; ++i) {
            EXPECT_EQ(r.captions.Text(CellName("LblOptOneYear", i)), c.one[i]) << i;
            EXPECT_EQ(r.captions.Text(CellName("LblOptTwoYear", i)), c.two[i]) << i;
            EXPECT_EQ(r.row.Value("OptTwo" + ConcreteRowStems()[i] + "Year").toDouble(),
                      LeadingNumber(c.two[i]));
        }
        EXPECT_EQ(r.captions.Text("LblConstructionType"), c.level);
        if (c.surfaceDepthOne <= 0) {
            EXPECT_EQ(r.captions.Text("lblOptOneConstPresent"), "");
            EXPECT_EQ(r.row.Value("OptOneSalvageYear").toDouble(), 0);
        }
    }
}

}  // namespace
}  // namespace orv
