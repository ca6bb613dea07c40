// The Low, Moderate and High schedules, the blading schedule and its passes.
#include "analysis/default/schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/format.h"

namespace orv {
namespace {

const LevelFlags kHigh{1, 0, 0};
const LevelFlags kModerate{0, 1, 0};
const LevelFlags kLow{0, 0, 1};

struct YearsCase {
    LevelFlags flags;
    int16_t period;
    std::array<const char*, kScheduleRows> cells;
    const char* caption;
};

TEST(DefaultSchedule, YearsOfEachLevelClippedToThePeriod) {
    const std::vector<YearsCase> cases = {
        {kHigh, 20, {"2", "5", "10", "15", "20", "", "", "", " 20", " 20"}, "High Maintenance"},
        {kHigh, 30, {"2", "5", "10", "15", "20", "25", "30", "", " 30", " 30"}, "High Maintenance"},
        {kHigh,
         40,
         {"2", "5", "10", "15", "20", "25", "30", "35", " 40", " 40"},
         "High Maintenance"},
        {kModerate,
         20,
         {"", "7", "14", "18", "", "", "", "", " 20", " 20"},
         "Moderate Maintenance"},
        {kModerate,
         30,
         {"", "7", "14", "18", "25", "", "", "", " 30", " 30"},
         "Moderate Maintenance"},
        {kModerate,
         40,
         {"", "7", "14", "18", "25", "32", "39", "", " 40", " 40"},
         "Moderate Maintenance"},
        {kLow, 20, {"", "", "", "", "", "", "", "", " 20", " 20"}, "Low Maintenance"},
        {kLow, 30, {"", "", "", "", "", "", "", "", " 30", " 30"}, "Low Maintenance"},
        {kLow, 40, {"", "", "", "", "", "", "", "", " 40", " 40"}, "Low Maintenance"},
        // Two flags at once: Moderate overwrites rows 1 to 6 and the caption; High keeps 0, 7.
        {{1, 1, 0},
         40,
         {"2", "7", "14", "18", "25", "32", "39", "35", " 40", " 40"},
         "Moderate Maintenance"},
        {{1, 1, 0},
         30,
         {"2", "7", "14", "18", "25", "", "", "", " 30", " 30"},
         "Moderate Maintenance"},
    };
    for (const YearsCase& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " over " + std::to_string(c.period));
        const ScheduleYears s = ApplyDefaultSchedule(c.flags, c.period);
        for (int i = 0; i < kScheduleRows; ++i) {
            EXPECT_EQ(s.yearCells[i], QString::fromLatin1(c.cells[i])) << "row " << i;
        }
        EXPECT_EQ(s.levelCaption, QString::fromLatin1(c.caption));
    }
    // No level (Custom chosen): no year and no caption.
    const ScheduleYears none = ApplyDefaultSchedule({0, 0, 0}, 30);
    EXPECT_FALSE(none.levelCaption.has_value());
    for (const QString& cell : none.yearCells) EXPECT_TRUE(cell.isEmpty());
}

TEST(DefaultSchedule, AnalysisPeriod) {
    const QStringList entries = {"20", "30", "40"};
    EXPECT_EQ(AnalysisPeriodEntry(0, entries), "20");
    EXPECT_EQ(AnalysisPeriodEntry(2, entries), "40");
    EXPECT_THROW(AnalysisPeriodEntry(3, entries), ConversionError);
    EXPECT_THROW(AnalysisPeriodEntry(-1, entries), ConversionError);
    EXPECT_EQ(AnalysisYearsOf("30"), 30);
}

TEST(DefaultSchedule, BladingScheduleOfEachLevel) {
    struct Case {
        LevelFlags flags;
        const char* blade;
        const char* gravel;
        int16_t interval, gravelInterval;
    };
    for (const Case& c : std::vector<Case>{
             {kHigh, "Blade On Odd Years", "Blade And Gravel On Even Years", 1, 2},
             {kModerate, "Blade Every 2 Years", "Blade And Gravel Every 4 Years", 2, 4},
             {kLow, "Blade Every 5 Years", "Blade And Gravel Every 10 Years", 5, 10},
             {{1, 0, 1}, "Blade Every 5 Years", "Blade And Gravel Every 10 Years", 5, 10},
         }) {
        SCOPED_TRACE(c.blade);
        const auto s = BladeScheduleFor(c.flags);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->bladeTag, c.blade);
        EXPECT_EQ(s->bladeGravelTag, c.gravel);
        EXPECT_EQ(s->bladeInterval, c.interval);
        EXPECT_EQ(s->bladeGravelInterval, c.gravelInterval);
    }
    EXPECT_FALSE(BladeScheduleFor({0, 0, 0}).has_value());
}

// With a pass cost of 1 and inflation 100 % a pass in year y adds exactly 2^y to the future
// sum, so the future sum spells out the years of the passes.
double YearBits(const std::vector<int>& years) {
    double bits = 0;
    for (int y : years) bits += std::ldexp(1.0, y);
    return bits;
}

TEST(DefaultSchedule, BladingYears) {
    struct Case {
        const char* level;
        int interval, gravelInterval, period;
        std::vector<int> bladeYears, gravelYears;
    };
    const Rates doubling{100, 0};
    for (const Case& c : std::vector<Case>{
             {"High 20",
              1,
              2,
              20,
              {1, 3, 5, 7, 9, 11, 13, 15, 17, 19},
              {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}},
             {"Moderate 30", 2, 4, 30, {2, 6, 10, 14, 18, 22, 26, 30}, {4, 8, 12, 16, 20, 24, 28}},
             {"Moderate 20", 2, 4, 20, {2, 6, 10, 14, 18}, {4, 8, 12, 16, 20}},
             {"Low 30", 5, 10, 30, {5, 15, 25}, {10, 20, 30}},
             {"Low 40", 5, 10, 40, {5, 15, 25, 35}, {10, 20, 30, 40}},
         }) {
        SCOPED_TRACE(c.level);
        const BladeSums s = BladePasses(9, 9, 1, c.interval, c.gravelInterval, c.period, doubling);
        EXPECT_EQ(s.blade.cost, int64_t(c.bladeYears.size()));
        EXPECT_EQ(double(s.blade.inflated), YearBits(c.bladeYears));
        EXPECT_EQ(s.bladeGravel.cost, int64_t(c.gravelYears.size()));
        EXPECT_EQ(double(s.bladeGravel.inflated), YearBits(c.gravelYears));
    }
}

TEST(DefaultSchedule, BladingSums) {
    // 900 ft2 = 100 yd2: blading at 0.50 costs 50 a pass, with gravel at 2.00 200 a pass.
    EXPECT_EQ(PassCost(0.50, 900), 50);
    EXPECT_EQ(PassCost(2.00, 900), 200);
    EXPECT_EQ(PassCost(0.50, 1125), 62);  // 62.5, a half to even
    EXPECT_EQ(PassCost(0.50, 1143), 64);  // 63.5
    const BladeSums none = BladePasses(0.50, 2.00, 900, 2, 4, 30, {0, 0});
    EXPECT_EQ(none.blade.cost, 400);
    EXPECT_EQ(none.blade.inflated, 400);
    EXPECT_EQ(none.blade.value, 400);
    EXPECT_EQ(none.bladeGravel.cost, 1400);
    const BladeSums rates = BladePasses(0.50, 2.00, 900, 2, 4, 30, {3, 5});
    EXPECT_EQ(rates.blade.cost, 400);
    EXPECT_EQ(rates.blade.inflated, 666);
    EXPECT_EQ(rates.blade.value, 202);
    EXPECT_EQ(rates.bladeGravel.cost, 1400);
    EXPECT_EQ(rates.bladeGravel.inflated, 2310);
    EXPECT_EQ(rates.bladeGravel.value, 691);
    // Each pass is rounded into the running sum, halves to even, at inflation 50 %:
    // 2 a pass: 3, 3 + 4.5 = 7.5 -> 8, 8 + 6.75 -> 15 (the exact sum 14.25 would give 14);
    // 6 a pass: 9, 9 + 13.5 = 22.5 -> 22, 22 + 20.25 -> 42 (exactly 42.75).
    EXPECT_EQ(PassSumsOver(2, 1, 0, 3, {50, 0}).inflated, 15);
    EXPECT_EQ(PassSumsOver(6, 1, 0, 3, {50, 0}).inflated, 42);
}

TEST(DefaultSchedule, NoIntervalMeansNoPasses) {
    // Intervals of 0: no level has been applied to the aggregate design since loading.
    for (auto [interval, gravelInterval] :
         std::vector<std::pair<int, int>>{{0, 0}, {0, 2}, {1, 0}}) {
        const BladeSums s = BladePasses(0.50, 2.00, 900, interval, gravelInterval, 30, {3, 5});
        for (int64_t sum : {s.blade.cost, s.blade.inflated, s.blade.value, s.bladeGravel.cost,
                            s.bladeGravel.inflated, s.bladeGravel.value}) {
            EXPECT_EQ(sum, 0);
        }
    }
    EXPECT_EQ(PassSumsOver(50, 0, 0, 30, {0, 0}).cost, 0);
    EXPECT_EQ(PassSumsOver(50, -2, 0, 30, {0, 0}).cost, 0);
}

TEST(DefaultSchedule, LargestAreaWithLargestCosts) {
    // 500,000 ft x 100,000 ft at 999.99 a square yard: 5,555,500,000,000 a pass, 20 passes of
    // each kind over 40 years at the High level.
    const double area = 500000.0 * 100000.0;
    EXPECT_EQ(PassCost(999.99, area), 5555500000000);
    const BladeSums flat = BladePasses(999.99, 999.99, area, 1, 2, 40, {0, 0});
    for (int64_t sum : {flat.blade.cost, flat.blade.inflated, flat.blade.value,
                        flat.bladeGravel.cost, flat.bladeGravel.inflated, flat.bladeGravel.value}) {
        EXPECT_EQ(sum, 111110000000000);
    }
    // At 20 %: P x sum of 1.2^y over the odd (blading) and even (gravel) years.
    double oddUp = 0, oddDown = 0, evenUp = 0, evenDown = 0;
    for (int y = 1; y <= 40; ++y) {
        (y % 2 ? oddUp : evenUp) += std::pow(1.2, y);
        (y % 2 ? oddDown : evenDown) += std::pow(1.2, -y);
    }
    const double p = 5555500000000;
    const BladeSums high = BladePasses(999.99, 999.99, area, 1, 2, 40, {20, 20});
    EXPECT_NEAR(double(high.blade.inflated) / (p * oddUp), 1, 1e-12);
    EXPECT_NEAR(double(high.blade.value) / (p * oddDown), 1, 1e-12);
    EXPECT_NEAR(double(high.bladeGravel.inflated) / (p * evenUp), 1, 1e-12);
    EXPECT_NEAR(double(high.bladeGravel.value) / (p * evenDown), 1, 1e-12);
    EXPECT_GT(high.bladeGravel.inflated, int64_t(1) << 54);
}

}  // namespace
}  // namespace orv
