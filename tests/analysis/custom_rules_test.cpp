// The custom-schedule money rules: construction block, row pricing, totals from shown
// amounts, the checks, the stored row and loading, at single precision.
#include <gtest/gtest.h>

#include <QHash>
#include <algorithm>
#include <cmath>

#include "analysis/custom/schedule_rules.h"
#include "common/format.h"
#include "common/number_bounds.h"
#include "support/printers.h"

using namespace orv;

namespace {

const QStringList kUserNames = {"Other Type One", "Other Type Two", "Other Type Three"};

QStringList asphaltEntries(const QStringList& names = kUserNames) {
    return ActivityEntries(AsphaltActivities(), names);
}

PricingContext pricing(double area, double period, Rates rates, QHash<QString, double> costs = {}) {
    return {area, period, rates, [costs](const QString& field) { return costs.value(field, 0.0); }};
}

ConstructionInputs surfaceOnly(double area, double depth, double unitCost, const char* salvage,
                               const char* period, Rates rates) {
    ConstructionInputs in;
    in.area = area;
    in.design.surfaceDepth = depth;
    in.costs.surface = unitCost;
    in.salvagePercent = QString::fromLatin1(salvage);
    in.analysisText = QString::fromLatin1(period);
    in.rates = rates;
    return in;
}

const CaptionForm kDirect{false, "$ #,##0"};

TEST(CustomRules, SingleFactorsAndBothFormsOfAnAmount) {
    EXPECT_EQ(Narrow(GrowthFactor(3, 5)), 1.1592741f);
    EXPECT_EQ(PlainNumberText(Narrow(DiscountFactor(4, 5))), "0.8219271");
    EXPECT_EQ(static_cast<double>(SurfaceTwoUnitCost("Gravel", "Gravel", 2.1, 9)),
              2.0999999046325684);
    // The comparison must be the user's surface name exactly.
    EXPECT_EQ(SurfaceTwoUnitCost("gravel seal", "Gravel Seal", 2.1, 1.5), 1.5f);
    EXPECT_EQ(SurfaceTwoUnitCost("Gravel Seal ", "Gravel Seal", 2.1, 1.5), 1.5f);
    // The seven-digit text and the value itself differ by a dollar here.
    EXPECT_EQ(MoneyText(1234.4999f), "$ 1,235");
    EXPECT_EQ(MoneyDirect(1234.4999f, "$ #,##0"), "$ 1,234");
    EXPECT_EQ(MoneyText(0.0f), "$ 0");
    EXPECT_EQ(MoneyDirect(0.0f, "$ #,###"), "$ ");
    EXPECT_EQ(MoneyText(-1223.99f), "-$ 1,224");
}

TEST(CustomRules, AmountsBeyondSinglePrecisionAreErrors) {
    EXPECT_THROW(Narrow(3.5e38), SingleRangeError);
    EXPECT_THROW(Narrow(-3.5e38), SingleRangeError);
    EXPECT_THROW(Narrow(std::numeric_limits<double>::infinity()), SingleRangeError);
    EXPECT_EQ(Narrow(3.4e38), 3.4e38f);
    EXPECT_THROW(ComputeConstruction(surfaceOnly(1e30, 1e10, 999, "10", "20", {}), kDirect),
                 SingleRangeError);
    EXPECT_THROW(PriceRow(AsphaltActivities(), asphaltEntries(), "Overlay", "5", "99", "$ 0",
                          pricing(1e37, 30, {}, {{"OverlayCost", 999}})),
                 SingleRangeError);
}

// A project holding the largest numbers Open accepts, or numbers just beyond them, prices
// every row and total at the amounts its formulas give, whatever the signs of the rates, the
// years and the salvage: no amount is clamped, lost to the money text or misread from a
// caption, however large.
TEST(CustomRules, NumbersAtAndJustBeyondTheirBoundsPriceAtTheirAmounts) {
    using namespace bounds;
    struct Limits {
        const char* name;
        double area, depth, unitCost, rate, years, percent;
    };
    const Limits limits[] = {{"at the bounds", kArea, kDepth, kUnitCost, kRate, kYears, kPercent},
                             {"just beyond", kArea * 1.01, kDepth * 1.01, kUnitCost * 1.01,
                              kRate + 1, kYears + 1, kPercent + 1}};
    const QStringList entries = asphaltEntries();
    for (const Limits& at : limits) {
        for (const Rates rates :
             {Rates{at.rate, at.rate}, Rates{-at.rate, -at.rate}, Rates{at.rate, -at.rate}}) {
            for (const double years : {at.years, -at.years}) {
                for (const double salvage : {at.percent, -at.percent}) {
                    SCOPED_TRACE(testing::Message()
                                 << at.name << ": " << rates.inflation << "% " << rates.interest
                                 << "% " << years << " years " << salvage << "%");
                    ConstructionInputs in;
                    in.area = at.area;
                    in.design = {at.depth, at.depth, at.depth, kWhole, kWhole, at.depth};
                    in.costs = {at.unitCost, at.unitCost, at.unitCost,
                                at.unitCost, at.unitCost, at.unitCost};
                    in.salvagePercent = PlainNumberText(salvage);
                    in.analysisText = PlainNumberText(years);
                    in.rates = rates;
                    const ConstructionBlock b = ComputeConstruction(in, CaptionForm{});

                    // The amounts in double precision.
                    const double growth = std::pow(1 + rates.inflation / 100, years);
                    const double discount = std::pow(1 + rates.interest / 100, -years);
                    const double construction =
                        at.area * (4 * at.depth + 2 * kWhole) * at.unitCost / 9;
                    const double salvaged = construction * salvage / 100;
                    // Every row falls in the last year of the period; before the start, none
                    // is priced.
                    const double priced = years > 0 ? 1 : 0;
                    const double rebuilt = priced * (at.area * at.unitCost / 9 + construction);
                    // To single precision and the seven digits of each caption, of the
                    // largest of the amounts summed.
                    auto expectAmount = [](const QString& caption, double amount,
                                           double largest = 0) {
                        const double scale = std::max(std::fabs(amount), largest);
                        EXPECT_NEAR(CaptionAmount(caption), amount, 2e-6 * scale + 1)
                            << caption.toStdString();
                    };
                    expectAmount(b.construction, construction);
                    expectAmount(b.salvageInflated, salvaged * growth);
                    expectAmount(b.salvageValue, salvaged * discount);
                    expectAmount(b.totalInflated, construction - salvaged * growth,
                                 std::max(construction, std::fabs(salvaged * growth)));
                    expectAmount(b.totalValue, construction - salvaged * discount,
                                 std::max(construction, std::fabs(salvaged * discount)));

                    const PricingContext c{at.area, years, rates,
                                           [&at](const QString&) { return at.unitCost; }};
                    const QString year = PlainNumberText(years);
                    const QString depth = PlainNumberText(at.depth);
                    // Every treatment, by its pricing rule.
                    const RowPrice again = PriceRow(AsphaltActivities(), entries, "Re-Construction",
                                                    year, depth, b.construction, c);
                    for (size_t k = 0; k < AsphaltActivities().size(); ++k) {
                        SCOPED_TRACE(entries[static_cast<int>(k)].toStdString());
                        const double perArea = priced * at.area * at.unitCost / 9;
                        double cost = rebuilt;
                        switch (AsphaltActivities()[k].rule) {
                            case PriceRule::PerArea:
                                cost = perArea;
                                break;
                            case PriceRule::PercentOfArea:
                                cost = perArea * at.depth / 100;
                                break;
                            case PriceRule::InchesOfDepth:
                                cost = perArea * at.depth;
                                break;
                            case PriceRule::Reconstruction:
                                break;
                        }
                        const RowPrice p =
                            PriceRow(AsphaltActivities(), entries, entries[static_cast<int>(k)],
                                     year, depth, b.construction, c);
                        expectAmount(p.inflatedCaption, cost * growth);
                        expectAmount(p.valueCaption, cost * discount);
                    }

                    // Nine of the costliest rows.
                    std::array<QString, kCustomRows> inflated, value;
                    inflated.fill(again.inflatedCaption);
                    value.fill(again.valueCaption);
                    const OptionTotals t =
                        ShownOptionTotals(b.construction, b.construction, inflated, value,
                                          b.salvageInflated, b.salvageValue);
                    const double rows = 9 * rebuilt;
                    expectAmount(t.futureCaption, construction + rows * growth - salvaged * growth,
                                 construction + rows * growth + std::fabs(salvaged * growth));
                    expectAmount(t.presentCaption,
                                 construction + rows * discount - salvaged * discount,
                                 construction + rows * discount + std::fabs(salvaged * discount));
                }
            }
        }
    }
}

TEST(CustomRules, ConstructionSalvageAndTotals) {
    struct Case {
        ConstructionInputs in;
        CaptionForm salvageForm;
        QString construction, salvageCost, totalCost, salvageInflated, totalInflated, salvageValue,
            totalValue;
    };
    const Case cases[] = {
        {surfaceOnly(9000, 2, 1.50, "10", "20", {3, 4}), kDirect, "$ 3,000", "$ 300", "$ 2,700",
         "$ 542", "$ 2,458", "$ 137", "$ 2,863"},
        {surfaceOnly(9000, 0, 1.50, "10", "20", {3, 4}), kDirect, "$ 0", "$ 0", "$ 0", "$ 0", "$ 0",
         "$ 0", "$ 0"},
        {surfaceOnly(9000, 2, 1.50, "0", "20", {3, 4}), kDirect, "$ 3,000", "$ 0", "$ 3,000", "$ 0",
         "$ 3,000", "$ 0", "$ 3,000"},
        {surfaceOnly(9000, 2, 1.50, "20", "40", {5, 4}), kDirect, "$ 3,000", "$ 600", "$ 2,400",
         "$ 4,224", "-$ 1,224", "$ 125", "$ 2,875"},
        {surfaceOnly(9000, 2, 1.50, "20", "30", {0, 0}), kDirect, "$ 3,000", "$ 600", "$ 2,400",
         "$ 600", "$ 2,400", "$ 600", "$ 2,400"},
        // Ten million and up: seven significant digits through the text, the salvage to the
        // dollar when shown directly, and at seven digits when shown through its text.
        {surfaceOnly(9e6, 1, 12.3456789, "20", "20", {0, 0}), kDirect, "$ 12,345,680",
         "$ 2,469,136", "$ 9,876,543", "$ 2,469,136", "$ 9,876,543", "$ 2,469,136", "$ 9,876,543"},
        {surfaceOnly(9e6, 1, 123.456789, "10", "20", {0, 0}), kDirect, "$ 123,456,800",
         "$ 12,345,679", "$ 111,111,100", "$ 12,345,680", "$ 111,111,100", "$ 12,345,680",
         "$ 111,111,100"},
        {surfaceOnly(9e6, 1, 123.456789, "10", "20", {0, 0}), CaptionForm{true, "$ #,##0"},
         "$ 123,456,800", "$ 12,345,680", "$ 111,111,100", "$ 12,345,680", "$ 111,111,100",
         "$ 12,345,680", "$ 111,111,100"},
        {surfaceOnly(9000, 2, 1.50, "0", "20", {3, 4}), CaptionForm{false, "$ #,###"}, "$ 3,000",
         "$ ", "$ 3,000", "$ 0", "$ 3,000", "$ 0", "$ 3,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.construction.toStdString() + " salvage " +
                     c.in.salvagePercent.toStdString());
        const ConstructionBlock b = ComputeConstruction(c.in, c.salvageForm);
        EXPECT_EQ(b.construction, c.construction);
        EXPECT_EQ(b.salvageYear, c.in.analysisText);
        EXPECT_EQ(b.salvageCost, c.salvageCost);
        EXPECT_EQ(b.totalCost, c.totalCost);
        EXPECT_EQ(b.salvageInflated, c.salvageInflated);
        EXPECT_EQ(b.totalInflated, c.totalInflated);
        EXPECT_EQ(b.salvageValue, c.salvageValue);
        EXPECT_EQ(b.totalValue, c.totalValue);
    }
    // Each layer with its own unit cost, added in order; the base course and the subgrade
    // costs enter both designs.
    ConstructionInputs in = surfaceOnly(9000, 2, 1.5, "0", "20", {});
    in.design = {2, 6, 4, 1, 1, 3};
    in.costs = {1.5, 0.9, 0.5, 0.9, 0.5, 0.2};
    EXPECT_EQ(ComputeConstruction(in, kDirect).construction, "$ 12,400");
    // A design of only the subgrade preparation is a design.
    EXPECT_EQ(DesignQuantitySum({0, 0, 0, 1, 0, 0}), 1.0f);
}

TEST(CustomRules, RowsArePricedByTheirActivityYearAndDepth) {
    const QStringList overlayNamed = asphaltEntries({"Overlay", "Other Type Two", "X"});
    const QHash<QString, double> costs = {{"FogSealCost", 0.50},        {"OverlayCost", 0.5},
                                          {"CrackSealCost", 0.71},      {"DemolitionCost", 2.60},
                                          {"MaintOptionOneCost", 2.85}, {"BladeCost", 0.20},
                                          {"BladeGravelCost", 2.00}};
    struct Case {
        const char* what;
        QStringList entries;
        const ActivityList* list;
        QString activity, year, depth;
        QString cost, inflated, value;
    };
    const ActivityList* asphalt = &AsphaltActivities();
    const Case cases[] = {
        {"fog seal", asphaltEntries(), asphalt, "Fog Seal", "5", "", "$ 5,000", "$ 5,796",
         "$ 4,110"},
        {"empty year", asphaltEntries(), asphalt, "Fog Seal", "", "", "$ 0", "$ 0", "$ 0"},
        {"year 0", asphaltEntries(), asphalt, "Fog Seal", "0", "", "$ 0", "$ 0", "$ 0"},
        {"negative year", asphaltEntries(), asphalt, "Fog Seal", "-3", "", "$ 0", "$ 0", "$ 0"},
        {"year at the period", asphaltEntries(), asphalt, "Fog Seal", "30", "", "$ 5,000",
         "$ 12,136", "$ 1,542"},
        {"year past the period", asphaltEntries(), asphalt, "Fog Seal", "31", "", "$ 0", "$ 0",
         "$ 0"},
        // A fractional year is priced as it is stored: whole.
        {"year 2.5", asphaltEntries(), asphalt, "Fog Seal", "2.5", "", "$ 5,000", "$ 5,464",
         "$ 4,445"},
        {"year 0.4", asphaltEntries(), asphalt, "Fog Seal", "0.4", "", "$ 0", "$ 0", "$ 0"},
        // "1,000" is the year 1000, beyond any period; "$5" is year 5.
        {"year 1,000", asphaltEntries(), asphalt, "Fog Seal", "1,000", "", "$ 0", "$ 0", "$ 0"},
        {"year $5", asphaltEntries(), asphalt, "Fog Seal", "$5", "", "$ 5,000", "$ 5,796",
         "$ 4,110"},
        {"no entry", asphaltEntries(), asphalt, "overlay", "5", "2", "$ 0", "$ 0", "$ 0"},
        {"overlay inches", asphaltEntries(), asphalt, "Overlay", "5", "2.0", "$ 10,000", "$ 11,593",
         "$ 8,219"},
        // The depth is read as it is stored: 2.26 is 2.3 inches.
        {"overlay 2.26", asphaltEntries(), asphalt, "Overlay", "5", "2.26", "$ 11,500", "$ 13,332",
         "$ 9,452"},
        {"crack seal percent", asphaltEntries(), asphalt, "Crack Seal", "5", "25", "$ 1,775",
         "$ 2,058", "$ 1,459"},
        {"percent without depth", asphaltEntries(), asphalt, "Crack Seal", "5", "", "$ 0", "$ 0",
         "$ 0"},
        {"user item named Overlay", overlayNamed, asphalt, "Overlay", "5", "10", "$ 2,850",
         "$ 3,304", "$ 2,342"},
        {"re-construction", asphaltEntries(), asphalt, "Re-Construction", "5", "", "$ 126,000",
         "$ 146,069", "$ 103,563"},
        {"blade", ActivityEntries(AggregateActivities(), kUserNames), &AggregateActivities(),
         "Blade", "5", "", "$ 2,000", "$ 2,319", "$ 1,644"},
        {"blade and gravel takes no depth", ActivityEntries(AggregateActivities(), kUserNames),
         &AggregateActivities(), "Blade And Gravel", "5", "50", "$ 20,000", "$ 23,185", "$ 16,439"},
        {"blade is no asphalt entry", asphaltEntries(), asphalt, "Blade", "5", "", "$ 0", "$ 0",
         "$ 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RowPrice p = PriceRow(*c.list, c.entries, c.activity, c.year, c.depth, "$ 100,000",
                                    pricing(90000, 30, {3, 4}, costs));
        EXPECT_EQ(p.costCaption, c.cost);
        EXPECT_EQ(p.inflatedCaption, c.inflated);
        EXPECT_EQ(p.valueCaption, c.value);
    }
    const RowPrice fog = PriceRow(*asphalt, asphaltEntries(), "Fog Seal", "5", "", "$ 0",
                                  pricing(90000, 30, {3, 4}, costs));
    EXPECT_EQ(fog.cost, 5000.0f);
    // Ten million and up shows seven significant digits.
    EXPECT_EQ(PriceRow(*asphalt, asphaltEntries(), "Overlay", "1", "1.0", "$ 0",
                       pricing(90000, 30, {}, {{"OverlayCost", 1234.56789}}))
                  .costCaption,
              "$ 12,345,680");
}

TEST(CustomRules, TotalsComeFromTheAmountsAsShown) {
    std::array<QString, 9> inflated, value;
    inflated.fill("$ 0");
    value.fill("$ 0");
    OptionTotals t = ShownOptionTotals("$ 100,000", "$ 100,000", inflated, value, "$ 0", "$ 0");
    EXPECT_EQ(t.futureCaption, "$ 100,000");
    inflated[0] = "$ 5,796";
    value[0] = "$ 4,110";
    inflated[8] = "$ 1";  // row 8 counts
    t = ShownOptionTotals("$ 100,000", "$ 100,000", inflated, value, "$ 0", "$ 0");
    EXPECT_EQ(t.futureCaption, "$ 105,797");
    EXPECT_EQ(t.presentCaption, "$ 104,110");
    // No treatment: the construction's captions less the salvage's.
    inflated.fill("$ 0");
    value.fill("");
    t = ShownOptionTotals("$ 3,000", "$ 3,000", inflated, value, "$ 542", "$ 137");
    EXPECT_EQ(t.futureCaption, "$ 2,458");
    EXPECT_EQ(t.presentCaption, "$ 2,863");
}

TEST(CustomRules, EntryChecks) {
    struct YearCase {
        QString text, shown;
        bool message;
    };
    const YearCase years[] = {{"31", "", true},    {"30", "30", false}, {"-3", "", false},
                              {"abc", "", false},  {"", "", false},     {"2.5", "3", false},
                              {"7.4", "7", false}, {"0.4", "0", false}, {"1,000", "", true},
                              {"$5", "5", false},  {"1e40", "", true},  {"-1e40", "", false},
                              {"1e400", "", false}};
    for (const YearCase& c : years) {
        SCOPED_TRACE(c.text.toStdString());
        const CheckResult r = CheckYear(c.text, 30);
        EXPECT_EQ(r.text, c.shown);
        EXPECT_EQ(r.message.has_value(), c.message);
        if (r.message) {
            EXPECT_EQ(*r.message, kScheduleYearMessage);
        }
    }
    EXPECT_EQ(WholePercentText("12.6"), "13");
    EXPECT_EQ(WholePercentText("5."), "5");
    EXPECT_EQ(WholePercentText("0"), "");
    EXPECT_EQ(WholePercentText("100.4"), "100");
    EXPECT_EQ(DepthRangeMessage("101", kPercentUnits), kSchedulePercentMessage);
    EXPECT_EQ(DepthRangeMessage("100", kPercentUnits), std::nullopt);
    EXPECT_EQ(DepthRangeMessage("100.5", kInchUnits), kScheduleDepthMessage);
    EXPECT_EQ(DepthRangeMessage("100", kInchUnits), std::nullopt);
    EXPECT_EQ(DepthRangeMessage("-1", QString()), kScheduleDepthMessage);
    // Only a depth within the largest a row can price is rounded before its range check.
    for (const char* within : {"1e9", "-1e9", "100", "0"}) EXPECT_TRUE(DepthWithinBound(within));
    for (const char* beyond : {"1000000000.1", "-2e9", "1e40", "1e400"})
        EXPECT_FALSE(DepthWithinBound(beyond)) << beyond;

    const QStringList entries = asphaltEntries({"Overlay", "Fog Seal", "C"});
    EXPECT_TRUE(HasUnit(AsphaltActivities(), entries, "Overlay", DepthUnit::Inches));
    EXPECT_TRUE(HasUnit(AsphaltActivities(), entries, "Overlay", DepthUnit::Percent));
    EXPECT_TRUE(HasUnit(AsphaltActivities(), entries, "Fog Seal", DepthUnit::Percent));
    EXPECT_FALSE(HasUnit(AsphaltActivities(), entries, "Seal Coat", DepthUnit::Percent));
    EXPECT_FALSE(HasUnit(AsphaltActivities(), entries, "Seal Coat", DepthUnit::Inches));
}

TEST(CustomRules, StoredRowTakesTheShownAmountsAndTheYearAsRead) {
    std::array<ShownOption, 2> shown;
    for (ShownOption& o : shown) {
        o.construction = {"$ 12,345", "$ 12,345", "$ 12,345"};
        for (ShownRow& r : o.rows) r = {"Overlay", "", "", "$ 0", "$ ", ""};
        o.salvage = {"$ 300", "$ 542", "$ 137"};
        o.totals = {"$ 2,700", "-$ 1,224", "$ 2,863"};
    }
    shown[0].rows[1] = {"Overlay", "7.4", "2.26", "$ 1,234", "$ 1,300", "$ 1,100"};
    shown[0].rows[2] = {"Overlay", "7.6", "1.5", "$ 0", "$ 0", "$ 0"};
    shown[0].rows[3] = {"Overlay", "0.4", "4", "$ 0", "$ 0", "$ 0"};
    shown[1].rows[8] = {"Crack Seal", "12", "0", "$ 0", "$ 0", "$ 0"};
    const auto fields = ScheduleFields(shown);
    ASSERT_EQ(fields.size(), 126u);
    EXPECT_EQ(fields.front().first, "OptOneConstCost");
    EXPECT_EQ(fields[3].first, "OptOneZero");
    EXPECT_EQ(fields.back().first, "OptTwoTotalValue");
    QHash<QString, QVariant> row;
    for (const auto& [name, value] : fields) row.insert(name, value);
    EXPECT_EQ(row["OptOneConstCost"].toDouble(), 12345);
    EXPECT_EQ(row["OptOneZero"].toString(), " ");
    EXPECT_EQ(row["OptOneZeroYear"].toDouble(), 0);
    EXPECT_EQ(row["OptOneZeroDepth"].toDouble(), 0);
    EXPECT_EQ(row["OptOneZeroInflated"].toDouble(), 0);
    EXPECT_EQ(row["OptOneOne"].toString(), "Overlay");
    EXPECT_EQ(row["OptOneOneYear"].toDouble(), 7);
    EXPECT_EQ(row["OptOneOneDepth"].toDouble(), 2.3);
    EXPECT_EQ(row["OptOneOneCost"].toDouble(), 1234);
    EXPECT_EQ(row["OptOneTwoYear"].toDouble(), 8);
    EXPECT_EQ(row["OptOneTwoDepth"].toDouble(), 1.5);
    EXPECT_EQ(row["OptOneThree"].toString(), " ");
    EXPECT_EQ(row["OptOneThreeDepth"].toDouble(), 4);
    EXPECT_EQ(row["OptTwoEight"].toString(), "Crack Seal");
    EXPECT_EQ(row["OptTwoEightYear"].toDouble(), 12);
    EXPECT_EQ(row["OptOneSalvageInflated"].toDouble(), 542);
    EXPECT_EQ(row["OptOneTotalInflated"].toDouble(), -1224);
}

// A year or depth is stored only when its row's check would accept the text as it stands,
// or change it only as the store reads it anyway.
TEST(CustomRules, OnlyWhatTheRowChecksAcceptIsStored) {
    struct YearCase {
        const char* text;
        bool accepted;
    };
    const YearCase years[] = {{"", true},       {"12", true},    {"30", true},   {"7.6", true},
                              {"$5", true},     {"0", true},     {"31", false},  {"1e3", false},
                              {"1,000", false}, {"-3", false},   {"abc", false}, {"12abc", false},
                              {"1e400", false}, {"-1e40", false}};
    for (const YearCase& c : years) EXPECT_EQ(YearAccepted(c.text, 30), c.accepted) << c.text;

    struct DepthCase {
        const char* text;
        QString units;
        bool wholePercent;
        bool accepted;
    };
    const DepthCase depths[] = {
        {"", kInchUnits, true, true},
        {".0", QString(), true, true},
        {"2.26", kInchUnits, true, true},
        {"100", kPercentUnits, true, true},
        // A percentage the check rounds to another whole percent is not stored; "0" emptied
        // reads as 0 all the same.
        {"12.6", kPercentUnits, true, false},
        {"12.6", kPercentUnits, false, true},
        {"13", kPercentUnits, true, true},
        {"0", kPercentUnits, true, true},
        {"150", kPercentUnits, true, false},
        {"100.5", kInchUnits, true, false},
        {"-1", QString(), true, false},
        {"1e12", kPercentUnits, true, false},
        {"1e400", kInchUnits, false, false},
        {"x", kInchUnits, true, false},
    };
    for (const DepthCase& c : depths) {
        EXPECT_EQ(DepthAccepted(c.text, c.units, c.wholePercent), c.accepted)
            << c.text << " " << c.units.toStdString() << " " << c.wholePercent;
    }
    EXPECT_EQ(CheckDepth("12.6", kPercentUnits, true).text, "13");
    EXPECT_EQ(CheckDepth("150", kPercentUnits, true).message, kSchedulePercentMessage);
    EXPECT_EQ(CheckDepth("150", QString(), true).message, kScheduleDepthMessage);

    // A refused year or depth is not written; the stored year decides the blank activity.
    std::array<ShownOption, 2> shown;
    for (ShownOption& o : shown)
        for (ShownRow& r : o.rows) r = {"Overlay", "5", "2", "$ 0", "$ 0", "$ 0"};
    ShownRow& refused = shown[0].rows[2];
    refused.year = "1e3";
    refused.depth = "1e12";
    refused.yearAccepted = refused.depthAccepted = false;
    refused.storedYear = 12;
    ShownRow& none = shown[1].rows[4];
    none.yearAccepted = false;
    none.storedYear = 0;
    QHash<QString, QVariant> row;
    for (const auto& [name, value] : ScheduleFields(shown)) row.insert(name, value);
    EXPECT_EQ(row.size(), 126 - 3);
    EXPECT_FALSE(row.contains("OptOneTwoYear"));
    EXPECT_FALSE(row.contains("OptOneTwoDepth"));
    EXPECT_EQ(row["OptOneTwo"].toString(), "Overlay");
    EXPECT_FALSE(row.contains("OptTwoFourYear"));
    EXPECT_EQ(row["OptTwoFour"].toString(), " ");
    EXPECT_EQ(row["OptTwoFourDepth"].toDouble(), 2);
    EXPECT_EQ(row["OptOneThreeYear"].toDouble(), 5);
}

TEST(CustomRules, LoadingGivesUnitsAndPricesAfresh) {
    StoredOption stored;
    for (StoredRow& r : stored.rows) r = {"Fog Seal", 0, 0, 7, 7, 7};
    stored.rows[1] = {" ", 0, 12, 1, 1, 1};
    stored.rows[2] = {"Overlay", 5, 2, 1, 1, 1};
    stored.rows[3] = {"Crack Seal", 5, 25, 1, 1, 1};
    stored.rows[4] = {"Crack Seal", 5, 0, 1, 1, 1};
    stored.rows[5] = {"Old Name", 5, 10, 1, 1, 1};
    stored.rows[6] = {"Other Type One", 35, 12.4, 1, 1, 1};
    stored.rows[7] = {"Fog Seal", 4.6, 0, 1, 1, 1};
    stored.rows[8] = {"Overlay", 5, 150, 1, 1, 1};
    const QHash<QString, double> costs = {
        {"FogSealCost", 0.50}, {"OverlayCost", 0.5}, {"CrackSealCost", 0.71}};
    LoadRules rules{&AsphaltActivities(), kDirect, {}};
    const LoadedOption o =
        LoadOption(stored, asphaltEntries(), rules, surfaceOnly(90000, 2, 1.5, "10", "30", {3, 4}),
                   pricing(90000, 30, {3, 4}, costs));
    EXPECT_TRUE(o.hasDesign);
    EXPECT_EQ(o.block.construction, "$ 30,000");
    auto row = [&](int i) { return o.rows[static_cast<size_t>(i)]; };
    EXPECT_EQ(row(0).activity, "Fog Seal");
    EXPECT_EQ(row(0).year, "");
    EXPECT_EQ(row(0).depth, ".0");
    EXPECT_EQ(row(0).unit, DepthUnit::None);
    EXPECT_EQ(row(0).price.inflatedCaption, "$ 0");
    EXPECT_EQ(row(1).activity, "Fog Seal");
    EXPECT_EQ(row(2).unit, DepthUnit::Inches);
    EXPECT_EQ(row(2).depth, "2.0");
    EXPECT_EQ(row(2).price.costCaption, "$ 10,000");
    EXPECT_EQ(row(3).unit, DepthUnit::Percent);
    EXPECT_EQ(row(3).depth, "25");
    EXPECT_EQ(row(4).depth, "");
    EXPECT_EQ(row(4).price.costCaption, "$ 0");
    EXPECT_EQ(row(5).activity, "Old Name");
    EXPECT_EQ(row(5).unit, DepthUnit::None);
    EXPECT_EQ(row(5).price.costCaption, "$ 0");
    EXPECT_EQ(row(6).unit, DepthUnit::Percent);
    EXPECT_EQ(row(6).depth, "12");
    EXPECT_EQ(row(6).year, "35");
    EXPECT_EQ(row(6).price.costCaption, "$ 0");  // beyond the period
    EXPECT_EQ(row(7).year, "5");
    EXPECT_EQ(row(7).price.costCaption, "$ 5,000");
    EXPECT_EQ(row(8).depth, "");
    StoredOption fraction = stored;
    fraction.rows[3].depth = 0.4;  // a percentage typed as 0.4 comes back empty, unpriced
    const LoadedOption f = LoadOption(fraction, asphaltEntries(), rules,
                                      surfaceOnly(90000, 2, 1.5, "10", "30", {3, 4}),
                                      pricing(90000, 30, {3, 4}, costs));
    EXPECT_EQ(f.rows[3].depth, "");
    EXPECT_EQ(f.rows[3].price.costCaption, "$ 0");
    ASSERT_EQ(o.messages.size(), 1u);
    EXPECT_EQ(o.messages[0], kScheduleDepthMessage);
    // The message follows what the row's units label reads as its depth is set.
    rules.unitsCaptions[8] = kPercentUnits;
    EXPECT_EQ(
        LoadOption(stored, asphaltEntries(), rules, surfaceOnly(90000, 2, 1.5, "10", "30", {3, 4}),
                   pricing(90000, 30, {3, 4}, costs))
            .messages,
        std::vector<QString>{kSchedulePercentMessage});
    // Construction 30,000 less salvage 3,000 grown or discounted over 30 years, plus the
    // overlay (11,593 / 8,219), the crack seal (2,058 / 1,459) and the fog seal (5,796 / 4,110).
    EXPECT_EQ(o.block.salvageInflated, "$ 7,282");
    EXPECT_EQ(o.totals.futureCaption, "$ 42,165");
    EXPECT_EQ(o.block.salvageValue, "$ 925");
    EXPECT_EQ(o.totals.presentCaption, "$ 42,863");

    const LoadedOption none =
        LoadOption(stored, asphaltEntries(), rules, surfaceOnly(90000, 0, 1.5, "10", "30", {3, 4}),
                   pricing(90000, 30, {3, 4}, costs));
    EXPECT_FALSE(none.hasDesign);
    EXPECT_EQ(none.block.construction, "$ 0");
    EXPECT_EQ(none.totals.futureCaption, "$ 19,447");  // its priced treatments only
}

TEST(CustomRules, ActivityListsAndPeriod) {
    EXPECT_EQ(asphaltEntries().size(), 13);
    EXPECT_EQ(asphaltEntries()[9], "Re-Construction");
    EXPECT_EQ(asphaltEntries()[12], "Other Type Three");
    EXPECT_EQ(ActivityEntries(AggregateActivities(), kUserNames),
              (QStringList{"Blade", "Blade And Gravel", "Other Type One", "Other Type Two",
                           "Other Type Three"}));
    EXPECT_EQ(PeriodYears({"20", "30", "40"}, 2), 40);
    EXPECT_EQ(PeriodYears({"20", "30", "40"}, 3), 0);
}

}  // namespace
