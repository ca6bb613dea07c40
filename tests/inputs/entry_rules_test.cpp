// The field checks, the area, the list fall-backs, the level rules, the choice of results
// window and the record conversions of the input windows.
#include "inputs/entry_rules.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <map>

#include "common/format.h"

using namespace orv;

namespace {

struct RangeCase {
    RangeBox box;
    const char* text;
    bool passed;
    const char* message;  // nullptr: none
    const char* newText;  // nullptr: unchanged
};

const char* const kLengthMsg = "Length Must Be Between 0 and 500,000 ft";
const char* const kWidthMsg = "Width Must Be Between 0 and 100,000 ft";
const char* const kDepthMsg = "Depth Must Be Between 0 And 100 Inches ";
const char* const kConstMsg = "Construction Option must be greater than or equal to $0";
const char* const kInflMsg = "Inflation Rate must be between 0 and 20 %";
const char* const kIntMsg = "Interest Rate must be between 0 and 20 %";

TEST(RangeCheck, BoundsMessagesAndTheTextLeftInTheBox) {
    const RangeCase cases[] = {
        {RangeBox::Length, "500000", true, nullptr, nullptr},
        {RangeBox::Length, "0", true, nullptr, nullptr},
        {RangeBox::Length, "500000.5", false, kLengthMsg, ""},
        {RangeBox::Length, "-1", false, kLengthMsg, ""},
        {RangeBox::Length, "abc", false, nullptr, "0"},
        {RangeBox::Length, "", false, nullptr, "0"},
        {RangeBox::Width, "100000", true, nullptr, nullptr},
        {RangeBox::Width, "100001", false, kWidthMsg, ""},
        {RangeBox::Width, "x", false, nullptr, "0"},
        {RangeBox::SurfaceDepthOne, "99", true, nullptr, nullptr},
        {RangeBox::SurfaceDepthOne, "99.5", false, kDepthMsg, "0"},
        {RangeBox::SurfaceDepthOne, "100", false, kDepthMsg, "0"},
        {RangeBox::BaseOne, "100", false, kDepthMsg, "0"},
        {RangeBox::SubgradeOne, "-1", false, kDepthMsg, "0"},
        {RangeBox::SurfaceDepthTwo, "100", false, kDepthMsg, "0"},
        {RangeBox::BaseTwo, "a", false, nullptr, "0"},
        {RangeBox::SubgradeTwo, "100", true, nullptr, nullptr},
        {RangeBox::SubgradeTwo, "101", false, kDepthMsg, "0"},
        {RangeBox::ConstOptionOne, "-1", false, kConstMsg, "0"},
        {RangeBox::ConstOptionOne, "9999", true, nullptr, nullptr},
        {RangeBox::ConstOptionOne, "x", false, nullptr, "0"},
        {RangeBox::ConstOptionTwo, "-1", false, kConstMsg, ""},
        {RangeBox::ConstOptionTwo, "9999", true, nullptr, nullptr},
        {RangeBox::ConstOptionTwo, "x", false, nullptr, ""},
        // The construction options take the largest depth the computations can price.
        {RangeBox::ConstOptionOne, "1e9", true, nullptr, nullptr},
        {RangeBox::ConstOptionOne, "1000000000.1", false, kConstMsg, "0"},
        {RangeBox::ConstOptionOne, "1e40", false, kConstMsg, "0"},
        {RangeBox::ConstOptionTwo, "1e9", true, nullptr, nullptr},
        {RangeBox::ConstOptionTwo, "2e9", false, kConstMsg, ""},
        {RangeBox::ConstOptionTwo, "1e40", false, kConstMsg, ""},
        {RangeBox::ConstOptionTwo, "1e400", false, nullptr, ""},  // no number
        {RangeBox::SurfaceDepthOne, "1e40", false, kDepthMsg, "0"},
        {RangeBox::Width, "1e40", false, kWidthMsg, ""},
        {RangeBox::InterestRate, "1e40", false, kIntMsg, ""},
        {RangeBox::InflationRate, "20", true, nullptr, nullptr},
        {RangeBox::InflationRate, "20.5", false, kInflMsg, ""},
        {RangeBox::InflationRate, "a", false, nullptr, ""},
        {RangeBox::InterestRate, "-1", false, kIntMsg, ""},
        {RangeBox::InterestRate, "", false, nullptr, ""},
        // A passing text stays as typed, whatever its form.
        {RangeBox::InterestRate, " 5 ", true, nullptr, nullptr},
        {RangeBox::SurfaceDepthOne, "$5", true, nullptr, nullptr},
        // The number checked is the whole number the box holds, separators included.
        {RangeBox::Length, "1,234", true, nullptr, nullptr},
        {RangeBox::Length, "600,000", false, kLengthMsg, ""},
        {RangeBox::InflationRate, "9,99", false, kInflMsg, ""},
        {RangeBox::SurfaceDepthOne, "1,00", false, kDepthMsg, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in box " + std::to_string(int(c.box)));
        const FieldCheck r = CheckRange(c.box, QString::fromUtf8(c.text));
        EXPECT_EQ(r.passed, c.passed);
        EXPECT_EQ(r.message.has_value(), c.message != nullptr);
        if (c.message && r.message) {
            EXPECT_EQ(*r.message, QString::fromUtf8(c.message));
        }
        EXPECT_EQ(r.newText.has_value(), c.newText != nullptr);
        if (c.newText && r.newText) {
            EXPECT_EQ(*r.newText, QString::fromUtf8(c.newText));
        }
    }
}

TEST(ApostropheCheck, AnyApostropheEmptiesTheBox) {
    const QString msg = "Name Field Cannot Contain Apostrophies";
    for (const char* bad : {"O'Brien", "'", "ab'"}) {
        const FieldCheck r = CheckApostrophe(QString::fromUtf8(bad), msg);
        EXPECT_FALSE(r.passed) << bad;
        EXPECT_EQ(r.message.value_or(""), msg);
        EXPECT_EQ(r.newText.value_or("x"), "");
    }
    for (const char* ok : {"", "   ", "Main St \"North\""}) {
        const FieldCheck r = CheckApostrophe(QString::fromUtf8(ok), msg);
        EXPECT_TRUE(r.passed) << ok;
        EXPECT_FALSE(r.message || r.newText);
    }
}

TEST(Area, ProductShownWhenLengthAndRoundedWidthArePositive) {
    struct Case {
        const char* length;
        const char* width;
        std::optional<QString> caption;
    };
    const Case cases[] = {
        {"100", "24", QString("2,400")},
        {"0", "24", std::nullopt},
        {"100", "0.5", std::nullopt},  // 0.5 rounds to 0
        {"100", "0.6", QString("60")},
        {"100", "1.5", QString("150")},  // the product is unrounded
        {"0.4", "10", QString("4")},
        {"", "24", std::nullopt},
        {"100", "", std::nullopt},
        {"-5", "24", std::nullopt},
        {"0.01", "10", QString("")},  // a product that rounds to 0 shows empty
        // A length shown with separators after a reload multiplies as the whole number.
        {"1,234", "10", QString("12,340")},
        {"500000", "100000", QString("50,000,000,000")},
        {"100", "99999999999999", std::nullopt},  // beyond any width that passes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.length) + " x " + c.width);
        EXPECT_EQ(AreaCaption(QString::fromUtf8(c.length), QString::fromUtf8(c.width)), c.caption);
    }
}

TEST(ListCheck, ExactEntriesStayOthersFallBackToTheFirst) {
    struct Case {
        QStringList entries;
        const char* text;
        bool falls;
    };
    const Case cases[] = {
        {MonthEntries(), "Mar", false},
        {MonthEntries(), "jan", true},
        {MonthEntries(), "March", true},
        {YearEntries(), "2020", false},
        {YearEntries(), "2021", true},
        {SalvageEntries(), " 5", true},
        {SalvageEntries(), "15", true},
        {SalvageEntries(), "20", false},
        {AnalysisPeriodEntries(), "25", true},
        {AnalysisPeriodEntries(), "", true},
        {QStringList{"Aggregate", "Hot Mix Asphalt #2", "Undefined"}, "Hot Mix Asphalt #", true},
        {QStringList{"Aggregate", "Hot Mix Asphalt #2", "Undefined"}, "Undefined", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto r = ListFallback(c.entries, QString::fromUtf8(c.text));
        EXPECT_EQ(r.has_value(), c.falls);
        if (r) {
            EXPECT_EQ(*r, 0);
        }
    }
    EXPECT_EQ(YearEntries().size(), 20);
    EXPECT_EQ(YearEntries().first(), "2001");
    EXPECT_EQ(YearEntries().last(), "2020");
}

TEST(CostCheck, CeilingAndNonNumbers) {
    struct Case {
        const char* text;
        bool passed;
        bool message;
        double stored;  // what SaveEntries stores for a passing text
    };
    const Case cases[] = {
        {"999.99", true, false, 999.99},
        {"999.991", false, true, 0},
        {"1000", false, true, 0},
        {"", false, false, 0},
        {"abc", false, false, 0},
        {"-5", true, false, -5},
        {"0", true, false, 0},
        // Stored as typed: the ceiling and the record read the same whole number.
        {"1,000", false, true, 0},
        {"2,000", false, true, 0},
        {"$5", true, false, 5},
        {"1,5", true, false, 15},
        // Far below 0 stops at the negative of the largest unit cost.
        {"-1e9", true, false, -1e9},
        {"-1000000000.5", false, true, 0},
        {"-1e39", false, true, 0},
        {"1e39", false, true, 0},
        {"1e400", false, false, 0},  // beyond any double: no number
        {"-1e400", false, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FieldCheck r = CheckCost(QString::fromUtf8(c.text));
        EXPECT_EQ(r.passed, c.passed);
        EXPECT_EQ(r.message.has_value(), c.message);
        if (r.message) {
            EXPECT_EQ(*r.message, "Unit Cost Can Not Be Greater Than $999.99");
        }
        if (!c.passed) {
            EXPECT_EQ(r.newText.value_or(""), "0.00");
        }
        if (c.passed) {
            EXPECT_DOUBLE_EQ(StoredCost(QString::fromUtf8(c.text)), c.stored);
        }
    }
}

TEST(Conversions, RecordFormsOfTheBoxes) {
    EXPECT_EQ(StoredWhole("1,234"), 1234);
    EXPECT_EQ(StoredWhole("100.6"), 101);
    EXPECT_EQ(StoredWhole(""), 0);
    EXPECT_EQ(StoredWhole("2,400"), 2400);
    EXPECT_EQ(StoredWhole("50,000,000,000"), 5e10);
    EXPECT_DOUBLE_EQ(StoredOneDecimal("4.25"), 4.3);
    EXPECT_DOUBLE_EQ(StoredOneDecimal("4"), 4);
    EXPECT_DOUBLE_EQ(StoredOneDecimal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StoredOneDecimal(""), 0);
    EXPECT_DOUBLE_EQ(StoredOneDecimal("1,5"), 15);
    EXPECT_EQ(ShownLength(0), "");
    EXPECT_EQ(ShownLength(1234), "1,234");
    EXPECT_EQ(ShownArea(123456789), "123,456,789");

    EXPECT_EQ(ProjectDateText("Jan", "2001"), "Jan-2001");
    for (const char* stored : {"01/01/2001", "Jan-2001"}) {
        const auto d = ShownProjectDate(stored);
        EXPECT_EQ(d.month, "Jan");
        EXPECT_EQ(d.year, "2001");
    }
    const auto odd = ShownProjectDate("Marc-2001");
    EXPECT_EQ(odd.month, "Marc");
    EXPECT_EQ(odd.year, "2001");

    const QStringList periods = AnalysisPeriodEntries();
    EXPECT_EQ(AnalysisPeriodIndex(periods, "30", -1), 1);  // typed, not picked
    EXPECT_EQ(AnalysisPeriodIndex(periods, "40", 2), 2);
    EXPECT_EQ(AnalysisPeriodIndex(periods, "25", -1), 0);

    EXPECT_EQ(ShownCost(2.5), "2.50");
    EXPECT_EQ(ShownCost(0.75), "0.75");
    EXPECT_EQ(ShownCost(2.05), "2.05");
    EXPECT_DOUBLE_EQ(LeadingNumber(ShownCost(-5)), -5);
    EXPECT_DOUBLE_EQ(StoredCost(ShownCost(1.234)), 1.23);
}

TEST(MaintenanceText, LastTickedFlagWinsNoneKeepsThePrevious) {
    EXPECT_EQ(MaintenanceText({1, 0, 0, 0}, " "), "Low");
    EXPECT_EQ(MaintenanceText({0, 1, 0, 0}, " "), "Moderate");
    EXPECT_EQ(MaintenanceText({0, 0, 1, 0}, " "), "High");
    EXPECT_EQ(MaintenanceText({0, 0, 0, 1}, " "), "Custom");
    EXPECT_EQ(MaintenanceText({1, 0, 1, 0}, " "), "High");
    EXPECT_EQ(MaintenanceText({0, 0, 0, 0}, "Moderate"), "Moderate");
}

// Four boxes whose ticks re-enter the rules, as the window's click handling does.
class FakeBoxes : public LevelBoxes {
  public:
    std::map<Level, int> values{
        {Level::Low, 0}, {Level::Moderate, 0}, {Level::High, 0}, {Level::Custom, 0}};
    bool userSurface = false;
    QStringList log;

    int Value(Level l) const override { return values.at(l); }
    void SetValue(Level l, int v) override {
        if (values[l] == v) return;
        values[l] = v;
        log << QString("%1=%2").arg(Name(l)).arg(v);
        if (v == 1) RunLevelRule(l, *this);
    }
    bool UserSurfaceChosen() const override { return userSurface; }
    void Reminder() override { log << "REMINDER"; }

    // The user changes a box: the value changes, then the rule runs when it is ticked.
    void UserClicks(Level l) { SetValue(l, values[l] == 1 ? 0 : 1); }
    QString Ticked() const {
        QString s;
        for (Level l : kLevels)
            if (values.at(l) == 1) s += Name(l);
        return s;
    }
    static QString Name(Level l) {
        switch (l) {
            case Level::Low:
                return "L";
            case Level::Moderate:
                return "M";
            case Level::High:
                return "H";
            case Level::Custom:
                return "C";
        }
        return "?";
    }
};

TEST(LevelRules, TickingOneClearsTheOthersAndTheUserSurfaceForcesCustom) {
    struct Case {
        const char* start;  // ticked before
        Level click;
        bool userSurface;
        const char* end;
        bool reminder;
    };
    const Case cases[] = {
        {"L", Level::Moderate, false, "M", false}, {"C", Level::High, false, "H", false},
        {"L", Level::Low, false, "", false},       {"", Level::Custom, false, "C", false},
        {"H", Level::Custom, false, "C", false},   {"M", Level::Low, false, "L", false},
        {"", Level::Low, true, "C", true},         {"C", Level::High, true, "C", true},
        {"M", Level::Moderate, true, "", false},   {"", Level::Custom, true, "C", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " click " + FakeBoxes::Name(c.click).toStdString());
        FakeBoxes b;
        for (Level l : kLevels)
            if (QString(c.start).contains(FakeBoxes::Name(l))) b.values[l] = 1;
        b.userSurface = c.userSurface;
        b.UserClicks(c.click);
        EXPECT_EQ(b.Ticked(), c.end);
        EXPECT_EQ(b.log.contains("REMINDER"), c.reminder);
    }
}

TEST(LevelRules, ClearOrderAndReminderSequence) {
    FakeBoxes b;
    b.values[Level::Moderate] = 1;
    b.values[Level::Custom] = 1;  // two ticked only in a record written elsewhere
    b.UserClicks(Level::High);
    EXPECT_EQ(b.log, (QStringList{"H=1", "M=0", "C=0"}));

    FakeBoxes u;
    u.userSurface = true;
    u.values[Level::Custom] = 1;
    u.UserClicks(Level::Low);
    EXPECT_EQ(u.log, (QStringList{"L=1", "C=0", "REMINDER", "L=0", "C=1"}));
}

TEST(SelectionRule, TheUserSurfaceClearsTheDefaultLevelsAndTicksCustom) {
    FakeBoxes b;
    b.values[Level::Moderate] = 1;
    RunSelectionRule(b);
    EXPECT_EQ(b.Ticked(), "M");  // another surface: nothing changes
    b.userSurface = true;
    RunSelectionRule(b);
    EXPECT_EQ(b.Ticked(), "C");
    EXPECT_FALSE(b.log.contains("REMINDER"));
}

TEST(Calculate, WindowForEachSurfaceAndCustomBox) {
    using K = CalculateAction::Kind;
    using W = ResultsWindow;
    struct Expect {
        K kind;
        W window;
        std::optional<QString> heading;
    };
    struct Case {
        const char* surface;
        bool custom;
        const char* user;
        std::vector<Expect> plan;
    };
    const Case cases[] = {
        {"Aggregate", false, "Undefined", {{K::Show, W::DefaultACAG, {}}}},
        {"Aggregate", true, "Undefined", {{K::Show, W::CustomACAG, {}}}},
        {"Hot Mix Asphalt #2", false, "Undefined", {{K::Show, W::DefaultACAC, {}}}},
        {"Hot Mix Asphalt #2", true, "Undefined", {{K::Show, W::CustomACAC, "Hot Mix Asphalt #2"}}},
        {"Undefined", true, "Undefined", {{K::Show, W::CustomACAC, "Undefined"}}},
        {"Undefined", false, "Undefined", {{K::Reminder, W::CustomACAC, {}}}},
        {"", true, "Undefined", {}},
        {"Gravel", false, "Undefined", {}},
        // The user's surface named "Aggregate": both windows, the user's last.
        {"Aggregate",
         true,
         "Aggregate",
         {{K::Show, W::CustomACAG, {}}, {K::Show, W::CustomACAC, "Aggregate"}}},
        {"Aggregate",
         false,
         "Aggregate",
         {{K::Show, W::DefaultACAG, {}}, {K::Reminder, W::CustomACAC, {}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.surface) + (c.custom ? " custom" : ""));
        const auto plan = CalculatePlan(c.surface, c.custom, c.user);
        ASSERT_EQ(plan.size(), c.plan.size());
        for (size_t i = 0; i < plan.size(); ++i) {
            EXPECT_EQ(plan[i].kind, c.plan[i].kind);
            if (plan[i].kind == K::Show) {
                EXPECT_EQ(plan[i].window, c.plan[i].window);
            }
            EXPECT_EQ(plan[i].heading, c.plan[i].heading);
        }
    }
}

}  // namespace
