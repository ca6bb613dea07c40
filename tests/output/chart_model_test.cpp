// The chart's model: which table, caption and legend the five comparison tests choose,
// the unit, the scaled values and the side panel.
#include "output/chart_model.h"

#include <gtest/gtest.h>

#include <QHash>
#include <map>
#include <vector>

#include "support/printers.h"

namespace orv {
namespace {

// Six totals in grid order: OptOneTotalCost, OptTwoTotalCost, OptOneTotalInflated,
// OptTwoTotalInflated, OptOneTotalValue, OptTwoTotalValue.
using Totals = std::array<QVariant, 6>;
using Cells = std::array<std::optional<double>, 6>;

const QVariant kNull;

// Table k holds k011, k012, k021, k022, k031, k032: the plotted table shows in the values.
Totals Marked(int k) {
    return {k * 1000 + 11, k * 1000 + 12, k * 1000 + 21,
            k * 1000 + 22, k * 1000 + 31, k * 1000 + 32};
}
Cells MarkedCells(int k) {
    Cells c;
    const Totals t = Marked(k);
    for (int i = 0; i < 6; ++i) c[i] = t[i].toDouble();
    return c;
}
Cells Same(const Totals& t, double divisor = 1) {
    Cells c;
    for (int i = 0; i < 6; ++i)
        if (!t[i].isNull()) c[i] = t[i].toDouble() / divisor;
    return c;
}

struct Store {
    QHash<QString, QVariant> record{
        {"AnalysisText", "30"}, {"Maintenance", "Low"},   {"InflationRate", 3.5},
        {"InterestRate", 6.0},  {"CustomMaintenance", 0}, {"SurfaceOptionTwoLabel", "Undefined"}};
    std::map<ResultsTable, Totals> tables{{ResultsTable::DefaultACAG, Marked(1)},
                                          {ResultsTable::DefaultACAC, Marked(2)},
                                          {ResultsTable::CustomACAG, Marked(3)},
                                          {ResultsTable::CustomACAC, Marked(4)}};

    ChartModel build(const QString& list) const {
        ChartInputs in;
        in.record = [this](const QString& f) { return record.value(f); };
        in.results = [this](ResultsTable t, const QString& f) {
            for (int i = 0; i < 6; ++i)
                if (TotalField(i / 2, i % 2) == f) return tables.at(t)[i];
            ADD_FAILURE() << "read " << f.toStdString();
            return QVariant();
        };
        in.comparisonText = list;
        return BuildChartModel(in);
    }
};

struct Case {
    const char* what;
    QVariant flag;   // CustomMaintenance
    QVariant label;  // SurfaceOptionTwoLabel
    const char* list;
    std::vector<std::pair<ResultsTable, Totals>> tables;  // replacing the marked ones
    std::optional<ResultsTable> table;
    std::optional<QString> caption;
    bool legendOne, legendTwo;
    const char* units;
    Cells values;
};

TEST(ChartModel, ComparisonTestsUnitAndLegend) {
    using T = ResultsTable;
    const Totals zeros{0, 0, 0, 0, 0, 0};
    const Totals big1e5{100000, 5, 6, 7, 8, -9};
    const Totals big1e5c{100000.01, 50, 6, 7, 8, 9};
    const Totals big1e6{1000000, 50, 6, 7, 8, 9};
    const Totals big1e6c{3, 50, 6, 7, 8, 1000000.5};
    const Totals negative{-5000, 1200, -2000000, 1300, -150000, 1400};
    const Totals twoFree{900, 0, 950, 0, 990, 40};
    const Totals gaps{kNull, 10, 20, kNull, 30, 40};
    const Totals named{500, 600, 700, 800, 900, 1000};
    const std::vector<Case> cases = {
        {"new project: Aggregate, default, every total 0",
         0,
         "Undefined",
         "Aggregate",
         {{T::DefaultACAG, zeros}},
         T::DefaultACAG,
         "Aggregate Default",
         false,
         false,
         "$ ",
         Same(zeros)},
        {"test 1",
         0,
         "Undefined",
         "Aggregate",
         {},
         T::DefaultACAG,
         "Aggregate Default",
         true,
         true,
         "$ ",
         MarkedCells(1)},
        {"test 2",
         0,
         "Undefined",
         "Hot Mix Asphalt #2",
         {},
         T::DefaultACAC,
         "HMA #2 Default",
         true,
         true,
         "$ ",
         MarkedCells(2)},
        {"test 3",
         1,
         "Undefined",
         "Aggregate",
         {},
         T::CustomACAG,
         "Aggregate Custom",
         true,
         true,
         "$ ",
         MarkedCells(3)},
        {"test 4",
         1,
         "Undefined",
         "Hot Mix Asphalt #2",
         {},
         T::CustomACAC,
         "HMA #2 Custom",
         true,
         true,
         "$ ",
         MarkedCells(4)},
        {"test 5: the user's surface under Custom",
         1,
         "Gravel Road",
         "Gravel Road",
         {},
         T::CustomACAC,
         "Gravel Road",
         true,
         true,
         "$ ",
         MarkedCells(4)},
        {"the user's surface under a default schedule matches nothing",
         0,
         "Gravel Road",
         "Gravel Road",
         {{T::DefaultACAG, big1e6}},
         std::nullopt,
         std::nullopt,
         true,
         true,
         "$ ",
         Cells{}},
        {"an empty list text matches nothing",
         1,
         "Undefined",
         "",
         {},
         std::nullopt,
         std::nullopt,
         true,
         true,
         "$ ",
         Cells{}},
        {"texts compare case-sensitively",
         0,
         "Undefined",
         "aggregate",
         {},
         std::nullopt,
         std::nullopt,
         true,
         true,
         "$ ",
         Cells{}},
        {"a flag of 2 is not 1 but no custom either",
         2,
         "Undefined",
         "Aggregate",
         {},
         T::DefaultACAG,
         "Aggregate Default",
         true,
         true,
         "$ ",
         MarkedCells(1)},
        {"a null flag matches nothing",
         kNull,
         "Undefined",
         "Aggregate",
         {},
         std::nullopt,
         std::nullopt,
         true,
         true,
         "$ ",
         Cells{}},
        {"a null name matches nothing",
         1,
         kNull,
         "",
         {},
         std::nullopt,
         std::nullopt,
         true,
         true,
         "$ ",
         Cells{}},
        {"a name spelled Aggregate: tests 3 and 5, the hidden legend stays hidden",
         1,
         "Aggregate",
         "Aggregate",
         {{T::CustomACAG, zeros}, {T::CustomACAC, named}},
         T::CustomACAC,
         "Aggregate",
         false,
         false,
         "$ ",
         Same(named)},
        {"exactly 100000 keeps dollars; a negative never scales",
         0,
         "Undefined",
         "Aggregate",
         {{T::DefaultACAG, big1e5}},
         T::DefaultACAG,
         "Aggregate Default",
         true,
         true,
         "$ ",
         Same(big1e5)},
        {"100000.01 gives thousands, and 50 is 0.05",
         0,
         "Undefined",
         "Aggregate",
         {{T::DefaultACAG, big1e5c}},
         T::DefaultACAG,
         "Aggregate Default",
         true,
         true,
         "$ x 1,000 ",
         Cells{100.00001, 0.05, 0.006, 0.007, 0.008, 0.009}},
        {"exactly 1000000 gives thousands",
         0,
         "Undefined",
         "Aggregate",
         {{T::DefaultACAG, big1e6}},
         T::DefaultACAG,
         "Aggregate Default",
         true,
         true,
         "$ x 1,000 ",
         Same(big1e6, 1000)},
        {"1000000.5 in any cell gives millions",
         0,
         "Undefined",
         "Aggregate",
         {{T::DefaultACAG, big1e6c}},
         T::DefaultACAG,
         "Aggregate Default",
         true,
         true,
         "$ x 1,000,000 ",
         Cells{3e-6, 5e-5, 6e-6, 7e-6, 8e-6, 1.0000005}},
        {"a negative total cost hides option one; negatives are charted",
         0,
         "Undefined",
         "Aggregate",
         {{T::DefaultACAG, negative}},
         T::DefaultACAG,
         "Aggregate Default",
         false,
         true,
         "$ ",
         Same(negative)},
        {"option two's cost 0 hides its legend, its present worth is charted",
         1,
         "Undefined",
         "Hot Mix Asphalt #2",
         {{T::CustomACAC, twoFree}},
         T::CustomACAC,
         "HMA #2 Custom",
         true,
         false,
         "$ ",
         Same(twoFree)},
        {"empty cells stay empty; an empty cost hides nothing",
         0,
         "Undefined",
         "Hot Mix Asphalt #2",
         {{T::DefaultACAC, gaps}},
         T::DefaultACAC,
         "HMA #2 Default",
         true,
         true,
         "$ ",
         Same(gaps)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store s;
        s.record["CustomMaintenance"] = c.flag;
        s.record["SurfaceOptionTwoLabel"] = c.label;
        for (const auto& [t, totals] : c.tables) s.tables[t] = totals;
        const ChartModel m = s.build(QString::fromUtf8(c.list));
        EXPECT_EQ(m.table, c.table);
        EXPECT_EQ(m.comparisonCaption, c.caption);
        EXPECT_EQ(m.optionOneLegend, c.legendOne);
        EXPECT_EQ(m.optionTwoLegend, c.legendTwo);
        EXPECT_EQ(m.units, c.units);
        for (int i = 0; i < 6; ++i) {
            const std::optional<double>& got = m.values[i / 2][i % 2];
            ASSERT_EQ(got.has_value(), c.values[i].has_value()) << "cell " << i;
            if (got) {
                EXPECT_DOUBLE_EQ(*got, *c.values[i]) << "cell " << i;
            }
        }
    }
}

TEST(ChartModel, SidePanelShowsTheRecordAsStored) {
    struct RateCase {
        QVariant rate;
        const char* shown;
    };
    const RateCase rates[] = {{3.5, "3.5 %"}, {10, "10.0 %"}, {0, ".0 %"}, {kNull, " %"}};
    for (const RateCase& r : rates) {
        Store s;
        s.record["InflationRate"] = r.rate;
        s.record["InterestRate"] = r.rate;
        const ChartModel m = s.build("Aggregate");
        EXPECT_EQ(m.inflation, r.shown);
        EXPECT_EQ(m.interest, r.shown);
    }
    Store s;
    s.record["Maintenance"] = " ";
    s.record["AnalysisText"] = "40";
    const ChartModel m = s.build("Aggregate");
    EXPECT_EQ(m.analysisPeriod, "40 years");
    EXPECT_EQ(m.maintenance, " ");
}

TEST(ChartModel, ValueAxisHoldsZeroAndNegativeTotals) {
    ChartModel m;
    EXPECT_EQ(ValueAxisRange(m).min, 0);
    EXPECT_EQ(ValueAxisRange(m).max, 1);
    m.values[0][0] = -5;
    m.values[2][1] = 1.5;
    EXPECT_EQ(ValueAxisRange(m).min, -5);
    EXPECT_EQ(ValueAxisRange(m).max, 1.5);
    m.values[2][1] = -7;
    EXPECT_EQ(ValueAxisRange(m).max, 0);
}

}  // namespace
}  // namespace orv
