// Money rules of the concrete comparison: every figure against its caption and stored value.
#include <gtest/gtest.h>

#include <QHash>
#include <functional>
#include <vector>

#include "analysis/concrete/custom_acpc.h"
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

// ---- The custom window

const QStringList kItems = {"Option One", "Option Two", "Option Three"};

QStringList Entries(int option, const QStringList& items = kItems) {
    return ActivityEntries(ConcreteActivities(option), items);
}

// A record of the given fields; every other field reads 0.
RecordField Record(QHash<QString, QVariant> fields) {
    return [fields](const QString& name) { return fields.value(name, QVariant(0.0)); };
}

TEST(ConcreteCustomMoney, ActivityListsAndTheirUnits) {
    EXPECT_EQ(Entries(0), QStringList({"Fog Seal", "Chip Seal", "Slurry Seal", "Crack Seal",
                                       "Patching", "Overlay", "Rotomill", "Re-Construction",
                                       "Option One", "Option Two", "Option Three"}));
    EXPECT_EQ(Entries(1), QStringList({"Joint/Crack Seal", "Grinding", "Slab Replacement",
                                       "Overlay", "Rubblize", "Crack And Seat", "Re-Construction",
                                       "Option One", "Option Two", "Option Three"}));
    struct Case {
        int option;
        const char* activity;
        DepthUnit picked, loaded;
    };
    const QStringList overlayItem = {"Overlay", "Rotomill", "Option Three"};
    const Case cases[] = {
        {0, "Patching", DepthUnit::Percent, DepthUnit::Percent},
        {0, "Rotomill", DepthUnit::Inches, DepthUnit::Inches},
        {0, "Re-Construction", DepthUnit::None, DepthUnit::None},
        {0, "Fog Seal", DepthUnit::None, DepthUnit::None},
        {0, "Option Two", DepthUnit::Percent, DepthUnit::Percent},
        {1, "Joint/Crack Seal", DepthUnit::Percent, DepthUnit::Percent},
        {1, "Overlay", DepthUnit::Inches, DepthUnit::Inches},
        {1, "Grinding", DepthUnit::None, DepthUnit::None},
        {1, "Gravel", DepthUnit::None, DepthUnit::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PickedUnit(c.option, Entries(c.option), c.activity), c.picked) << c.activity;
        EXPECT_EQ(LoadedUnit(c.option, Entries(c.option), c.activity), c.loaded) << c.activity;
    }
    // A user item named "Overlay": picked, option one ends in inches and option two in
    // percent; loaded, both in percent.
    EXPECT_EQ(PickedUnit(0, Entries(0, overlayItem), "Overlay"), DepthUnit::Inches);
    EXPECT_EQ(PickedUnit(1, Entries(1, overlayItem), "Overlay"), DepthUnit::Percent);
    EXPECT_EQ(LoadedUnit(0, Entries(0, overlayItem), "Overlay"), DepthUnit::Percent);
    EXPECT_EQ(LoadedUnit(0, Entries(0, overlayItem), "Rotomill"), DepthUnit::Percent);
    EXPECT_EQ(LoadedUnit(1, Entries(1, overlayItem), "Overlay"), DepthUnit::Percent);
}

TEST(ConcreteCustomMoney, RowCosts) {
    // 900 square feet, inflation 3 %, interest 5 %, 30 years.
    const QHash<QString, QVariant> record = {{"Area", 900},
                                             {"InflationRate", 3},
                                             {"InterestRate", 5},
                                             {"AnalysisPeriod", 1},
                                             {"FogSealCost", 0.50},
                                             {"OverlayCost", 3.00},
                                             {"AsphaltCrackSealCost", 2.00},
                                             {"DemolitionCost", 2.60},
                                             {"OptionOneCost", 1.00},
                                             {"JointCrackSealCost", 0.40}};
    const PricingContext pricing = ConcretePricing(Record(record), {"20", "30", "40"});
    struct Case {
        const char* what;
        int option;
        const char* activity;
        const char* year;
        const char* depth;
        const char* construction;
        const char* cost;
        const char* inflated;
        const char* value;
        QStringList items = kItems;
    };
    const Case cases[] = {
        {"fog seal in year 10", 0, "Fog Seal", "10", "", "$ 0", "$ 50", "$ 67", "$ 31"},
        {"year 0", 0, "Fog Seal", "0", "", "$ 0", "$ 0", "$ 0", "$ 0"},
        {"no year", 0, "Fog Seal", "", "", "$ 0", "$ 0", "$ 0", "$ 0"},
        {"year 31 of 30", 0, "Fog Seal", "31", "", "$ 0", "$ 0", "$ 0", "$ 0"},
        {"the last year counts", 0, "Fog Seal", "30", "", "$ 0", "$ 50", "$ 121", "$ 12"},
        {"2 inches of overlay on concrete", 1, "Overlay", "10", "2", "$ 0", "$ 600", "$ 806",
         "$ 368"},
        {"crack seal on 25 % of the asphalt", 0, "Crack Seal", "10", "25", "$ 0", "$ 50", "$ 67",
         "$ 31"},
        {"joint seal on 50 % of the concrete", 1, "Joint/Crack Seal", "10", "50", "$ 0", "$ 20",
         "$ 27", "$ 12"},
        {"re-construction of nothing built", 1, "Re-Construction", "10", "", "$ 0", "$ 260",
         "$ 349", "$ 160"},
        {"re-construction adds the construction shown", 0, "Re-Construction", "10", "", "$ 12,345",
         "$ 12,605", "$ 16,940", "$ 7,738"},
        {"an activity in no list", 0, "Gravel", "10", "", "$ 0", "$ 0", "$ 0", "$ 0"},
        {"a user item named Overlay is priced by percent", 0, "Overlay", "10", "2", "$ 0", "$ 2",
         "$ 3", "$ 1", QStringList({"Overlay", "Option Two", "Option Three"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RowPrice p = PriceRow(ConcreteActivities(c.option), Entries(c.option, c.items),
                                    c.activity, c.year, c.depth, c.construction, pricing);
        EXPECT_EQ(p.costCaption, c.cost);
        EXPECT_EQ(p.inflatedCaption, c.inflated);
        EXPECT_EQ(p.valueCaption, c.value);
    }
    // Totals from the amounts as shown: construction $ 500, one row $ 67 and $ 31.
    const QString rowsInflated[kCustomRows] = {"$ 67", "$ 0", "$ 0", "$ 0", "$ 0",
                                               "$ 0",  "$ 0", "$ 0", "$ 0"};
    const QString rowsValue[kCustomRows] = {"$ 31", "$ 0", "$ 0", "$ 0", "$ 0",
                                            "$ 0",  "$ 0", "$ 0", "$ 0"};
    const OptionTotals t =
        ShownOptionTotals("$ 500", "$ 500", rowsInflated, rowsValue, "$ 0", "$ 0");
    EXPECT_EQ(t.futureCaption, "$ 567");
    EXPECT_EQ(t.presentCaption, "$ 531");
}

TEST(ConcreteCustomMoney, ConstructionSalvageAndTotals) {
    const CaptionForm direct{false, "$ #,##0"};
    struct Case {
        const char* what;
        int option;
        QHash<QString, QVariant> record;
        QStringList captions;  // construction, salvage cost, total cost, salvage future, total
                               // future, salvage present, total present
    };
    const QHash<QString, QVariant> asphalt = {
        {"Area", 900},        {"SurfaceDepthOne", 4}, {"AsphaltCementCost", 2.00},
        {"SalvageOne", "10"}, {"AnalysisText", "20"}, {"InflationRate", 3},
        {"InterestRate", 4},  {"SurfaceDepthTwo", 4}, {"PortlandCementCost", 3.00},
        {"SalvageTwo", "10"}, {"ConstOptionOne", 9},  {"ConstOptionOneCost", 9}};
    QHash<QString, QVariant> noSalvage = asphalt;
    noSalvage["SalvageOne"] = "0";
    QHash<QString, QVariant> noRates = asphalt;
    noRates["InflationRate"] = 0;
    noRates["InterestRate"] = 0;
    QHash<QString, QVariant> withOption = asphalt;
    withOption["ConstructionOptionTwo"] = 2;
    withOption["ConstructionOptionCost"] = 0.5;
    // 123,456,792 as a single: seven digits in its captions, every digit in the salvage.
    const QHash<QString, QVariant> large = {{"Area", 900},
                                            {"SurfaceDepthOne", 1},
                                            {"AsphaltCementCost", 1234567.89},
                                            {"SalvageOne", "20"},
                                            {"AnalysisText", "20"}};
    const Case cases[] = {
        {"nothing built",
         0,
         {{"AnalysisText", "20"}, {"SalvageOne", "10"}, {"InflationRate", 3}},
         {"$ 0", "$ 0", "$ 0", "$ 0", "$ 0", "$ 0", "$ 0"}},
        {"4 inches at 2.00 with 10 % salvage over 20 years",
         0,
         asphalt,
         {"$ 800", "$ 80", "$ 720", "$ 144", "$ 656", "$ 37", "$ 763"}},
        {"no salvage", 0, noSalvage, {"$ 800", "$ 0", "$ 800", "$ 0", "$ 800", "$ 0", "$ 800"}},
        {"rates of 0", 0, noRates, {"$ 800", "$ 80", "$ 720", "$ 80", "$ 720", "$ 80", "$ 720"}},
        {"concrete takes PortlandCementCost",
         1,
         asphalt,
         {"$ 1,200", "$ 120", "$ 1,080", "$ 217", "$ 983", "$ 55", "$ 1,145"}},
        {"the shared construction option",
         1,
         withOption,
         {"$ 1,300", "$ 130", "$ 1,170", "$ 235", "$ 1,065", "$ 59", "$ 1,241"}},
        {"ten million and more",
         0,
         large,
         {"$ 123,456,800", "$ 24,691,358", "$ 98,765,430", "$ 24,691,360", "$ 98,765,430",
          "$ 24,691,360", "$ 98,765,430"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ConstructionBlock b =
            ComputeConstruction(ConcreteConstruction(c.option, Record(c.record)), direct);
        EXPECT_EQ(QStringList({b.construction, b.salvageCost, b.totalCost, b.salvageInflated,
                               b.totalInflated, b.salvageValue, b.totalValue}),
                  c.captions);
    }
}

TEST(ConcreteCustomMoney, YearCheck) {
    EXPECT_EQ(CheckConcreteYear("30", 30).text, "30");
    EXPECT_FALSE(CheckConcreteYear("30", 30).message);
    EXPECT_EQ(CheckConcreteYear("31", 30).message.value_or(""), kConcreteYearMessage);
    EXPECT_EQ(CheckConcreteYear("31", 30).text, "");
    EXPECT_EQ(CheckConcreteYear("-3", 30).text, "");
    EXPECT_FALSE(CheckConcreteYear("-3", 30).message);
    EXPECT_EQ(CheckConcreteYear("abc", 30).text, "");
    EXPECT_EQ(CheckConcreteYear("7.6", 30).text, "8");
}

}  // namespace
}  // namespace orv
