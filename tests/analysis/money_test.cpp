// Money rules of the default-schedule windows: every amount against its value and caption.
#include "analysis/common/money.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

const Rates kRates35{3, 5};  // inflation 3 %, interest 5 %
const Rates kNoRates{0, 0};

struct AmountCase {
    const char* what;
    double amount;
    const char* pattern;
    double expected;  // to within a cent
    const char* caption;
};

TEST(MoneyRules, AmountsAndCaptions) {
    // 1080 = 900 ft2 / 9 x (3 in x 2.00 + 6 in x 0.80).
    const double construction1080 =
        ConstructionCost(900, {3, 6, 0, 0, 0, 0}, {2.00, 0.80, 9, 9, 9, 9});
    const RowAmounts fogSeal = PlainRow(0.50, 900, 2, kRates35);
    const RowAmounts salvage108 = SalvageRow(1080, "10", 30, kRates35);
    const RowAmounts overlay = OverlayRow(3.00, 900, 18, kNoRates);
    const RowAmounts slurryNoRates = PlainRow(0.90, 900, 7, kNoRates);
    const RowAmounts rotomill = RotomillRow(1.00, 3.00, 900, 30, kRates35);
    const RowAmounts blankRow = PlainRow(0.50, 900, RowYear(""), kRates35);
    const RowAmounts salvage167 = SalvageRow(835, "20", 30, {0.9, 0});
    const RowAmounts salvageOfShown = SalvageRow(ShownAmount("$ 836", "###"), "20", 30, kNoRates);
    const RowAmounts demolitionOfShown = DemolitionRow(ShownAmount("$ 836"), 0, 900, 30, kNoRates);
    const std::vector<AmountCase> cases = {
        {"construction cost", construction1080, kMoneyZeroPattern, 1080, "$ 1,080"},
        {"fog seal today (no dollar sign)", fogSeal.cost, kFogSealTodayPattern, 50, " 50"},
        {"fog seal future, 0.5 x 1.03^2 x 100", fogSeal.inflated, kMoneyPattern, 53.045, "$ 53"},
        {"fog seal present, 0.5 / 1.05^2 x 100", fogSeal.value, kMoneyPattern, 45.35, "$ 45"},
        {"salvage 10 % of 1080", salvage108.cost, kMoneyZeroPattern, 108, "$ 108"},
        {"salvage future over 30 years", salvage108.inflated, kMoneyZeroPattern, 262.14, "$ 262"},
        {"salvage present over 30 years", salvage108.value, kMoneyZeroPattern, 24.99, "$ 25"},
        // 167 x single(1.009^30) = 218.4999988; the double factor gives 218.5000085.
        {"salvage, single factor", salvage167.inflated, kMoneyZeroPattern, 218.4999988, "$ 218"},
        {"the same with the double factor", 167 * GrowthFactor(0.9, 30), kMoneyZeroPattern,
         218.5000085, "$ 219"},
        {"unrounded construction", 835.6, kMoneyZeroPattern, 835.6, "$ 836"},
        {"salvage of the shown 836", salvageOfShown.cost, kMoneyZeroPattern, 167.2, "$ 167"},
        {"demolition adds the shown 836", demolitionOfShown.cost, kMoneyPattern, 836, "$ 836"},
        {"overlay today, 1.5 in x 3.00 x 100 yd2", overlay.cost, kMoneyPattern, 450, "$ 450"},
        {"overlay future, rates 0", overlay.inflated, kMoneyPattern, 450, "$ 450"},
        {"overlay present, rates 0", overlay.value, kMoneyPattern, 450, "$ 450"},
        {"slurry future, rates 0", slurryNoRates.inflated, kMoneyPattern, 90, "$ 90"},
        {"slurry present, rates 0", slurryNoRates.value, kMoneyPattern, 90, "$ 90"},
        // 100 yd2 x (1.00 + 2 in x 3.00) = 700, x 1.03^30 = 1699.08, / 1.05^30 = 161.96.
        {"rotomill today", rotomill.cost, kMoneyPattern, 700, "$ 700"},
        {"rotomill future", rotomill.inflated, kMoneyPattern, 1699.08, "$ 1,699"},
        {"rotomill present", rotomill.value, kMoneyPattern, 161.96, "$ 162"},
        {"blank year: fog seal today", blankRow.cost, kFogSealTodayPattern, 0, " "},
        {"blank year: future", blankRow.inflated, kMoneyPattern, 0, "$ "},
        {"blank year: present", blankRow.value, kMoneyPattern, 0, "$ "},
        {"zero salvage", SalvageRow(1080, "0", 30, kRates35).inflated, kMoneyZeroPattern, 0, "$ 0"},
        {"total pattern", 1234.5, kTotalPattern, 1234.5, "$1,235"},
    };
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(c.amount, c.expected, 0.005);
        EXPECT_EQ(MoneyCaption(c.amount, c.pattern), QString::fromUtf8(c.caption));
    }
    EXPECT_DOUBLE_EQ(salvage167.inflated, 167 * double(1.3083832f));
}

TEST(MoneyRules, ReadBackOfShownAmounts) {
    struct Case {
        const char* caption;
        double shown;
    };
    for (const Case& c : std::vector<Case>{{"$ 12,346", 12346},
                                           {"$ 1,235", 1235},
                                           {"$1,235", 1235},
                                           {" 50", 50},
                                           {"$ 0", 0},
                                           {"$ ", 0},
                                           {" ", 0},
                                           {"", 0}}) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(ShownAmount(c.caption), c.shown);
        EXPECT_EQ(ShownAmount(c.caption, kSalvageBaseReadPattern), c.shown);
    }
    // Year cells: " 20" as the schedule writes the period, "7", and a blank cell.
    EXPECT_EQ(RowYear(" 20"), 20);
    EXPECT_EQ(RowYear("7"), 7);
    EXPECT_EQ(RowYear(""), 0);
    EXPECT_EQ(PresenceFlag(20), 1);
    EXPECT_EQ(PresenceFlag(0), 0);
}

TEST(MoneyRules, TotalsFromShownAmounts) {
    // 836 - 167 = 669, although 835.6 - 167.12 would be 668.48.
    EXPECT_EQ(ShownTotal(MoneyCaption(835.6, kMoneyZeroPattern), {},
                         MoneyCaption(167.12, kMoneyZeroPattern)),
              669);
    EXPECT_EQ(ShownTotal("$ 1,080", {}, "$ 108"), 972);
    // Construction + treatments in order - salvage; empty cells count 0.
    const std::vector<QString> treatments = {"$ 53", "$ ", "", "$ 1,699"};
    EXPECT_EQ(ShownTotal("$ 1,080", treatments, "$ 262"), 1080 + 53 + 1699 - 262);
}

TEST(MoneyRules, ConstructionAndFactors) {
    // Six layers over 1800 ft2 = 200 yd2: 2 x 2.50 + 8 x 0.75 + 6 x 0.60 + 1 x 0.90 + 1 x 1.20 +
    // 1 x 0.50 = 17.2 per yd2.
    EXPECT_NEAR(ConstructionCost(1800, {2, 8, 6, 1, 1, 1}, {2.50, 0.75, 0.60, 0.90, 1.20, 0.50}),
                3440, 1e-9);
    EXPECT_EQ(DesignQuantitySum({0, 0, 0, 0, 0, 0}), 0.0f);
    EXPECT_GT(DesignQuantitySum({0, 0, 0, 0, 1, 0}), 0.0f);
    EXPECT_DOUBLE_EQ(GrowthFactor(3, 2), 1.0609);
    EXPECT_DOUBLE_EQ(DiscountFactor(5, 2), 1 / 1.05 / 1.05);
    EXPECT_EQ(GrowthFactor(7, 0), 1);
    EXPECT_EQ(GrowthFactor32(0.9, 30), 1.3083832f);
    EXPECT_EQ(DiscountFactor32(5, 30), 0.23137745f);
}

}  // namespace
}  // namespace orv
