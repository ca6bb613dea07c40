// The custom-schedule window, asphalt against aggregate, driven through the whole
// application: Calculate shows it, the user lays out both schedules, and the figures, the
// stored row and the checks follow.
#include <gtest/gtest.h>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_window_fixture.h"
#include "output/fm_plot_results.h"
#include "support/printers.h"

using namespace orv;
using namespace orv::test;

namespace {

class CustomAcagTest : public CustomWindowTest {
  protected:
    FmCustomACAG& open() {
        enterProject("Aggregate");
        calculate();
        FmCustomACAG& w = main().fmCustomACAG();
        EXPECT_TRUE(w.Visible());
        EXPECT_TRUE(w.IsActiveForm());
        return w;
    }
    // Both schedules of the hand calculation below.
    void layBothSchedules(FmCustomACAG& w) {
        layRow(w, 0, 0, 0, "5");                           // Fog Seal
        layRow(w, 0, 1, QString("Overlay"), "10", "1.5");  // typed
        layRow(w, 0, 2, 3, "12", "25");                    // Crack Seal
        layRow(w, 0, 3, 9, "20");                          // Re-Construction
        layRow(w, 0, 8, 10, "30", "10");                   // Other Type One
        layRow(w, 1, 0, 0, "3");                           // Blade
        layRow(w, 1, 1, 1, "15");                          // Blade And Gravel
        layRow(w, 1, 2, QString("Other Type Two"), "25", "50");
    }
    QString caption(FmCustomACAG& w, const QString& name) {
        Label* l = w.findChild<Label*>(name);
        return l ? l->Caption() : QStringLiteral("<none>");
    }
};

// Hand calculation, area 90,000 sq ft, factors at single precision:
// option One: construction 90,000 x 2 x 1.50 / 9 = 30,000; salvage 10 % = 3,000, in 30
// years 3,000 x 1.03^30 = 7,282 and 3,000 / 1.04^30 = 925.
//   Fog Seal 5: 90,000 x 0.50 / 9 = 5,000 -> 5,796 / 4,110
//   Overlay 10, 1.5 in: 90,000 x 0.50 x 1.5 / 9 = 7,500 -> 10,079 / 5,067
//   Crack Seal 12, 25 %: 90,000 x 0.71 x 25 / 9 / 100 = 1,775 -> 2,531 / 1,109
//   Re-Construction 20: 90,000 x 2.60 / 9 + 30,000 = 56,000 -> 101,142 / 25,558
//   Other Type One 30, 10 %: 90,000 x 2.85 x 10 / 9 / 100 = 2,850 -> 6,918 / 879
//   totals: 30,000 - 3,000 = 27,000; 30,000 + the rows - 7,282 = 149,184;
//   30,000 + the rows - 925 = 65,798.
// option Two: construction 90,000 x 6 x 2.50 / 9 = 150,000; salvage 20 % = 30,000 -> 72,818
// and 9,250.
//   Blade 3: 90,000 x 0.20 / 9 = 2,000 -> 2,185 / 1,778
//   Blade And Gravel 15: 90,000 x 2.00 / 9 = 20,000 -> 31,159 / 11,105
//   Other Type Two 25, 50 %: 90,000 x 1.50 x 50 / 9 / 100 = 7,500 -> 15,703 / 2,813
//   totals: 120,000; 126,229; 156,446.
TEST_F(CustomAcagTest, BothSchedulesShowAndStoreTheHandCalculation) {
    FmCustomACAG& w = open();
    EXPECT_EQ(w.windowTitle(), "Custom Design Comparitive Analysis");
    EXPECT_EQ(caption(w, "Label8"), "Aggregate");
    EXPECT_EQ(caption(w, "Label3"), "Salvage Value");
    EXPECT_EQ(caption(w, "Label15"), "Salvage Value");
    EXPECT_EQ(caption(w, "Label9"), "Construction Cost ");
    EXPECT_EQ(w.Opt(0).Activity[4]->ListCount(), 13);
    EXPECT_EQ(w.Opt(1).Activity[4]->Entries(),
              (QStringList{"Blade", "Blade And Gravel", "Other Type One", "Other Type Two",
                           "Other Type Three"}));
    EXPECT_TRUE(w.Opt(0).Activity[0]->hasFocus());
    layBothSchedules(w);

    EXPECT_EQ(w.Opt(0).Units[1]->Caption(), "(in) Thick");
    EXPECT_FALSE(w.Opt(0).Units[1]->isHidden());
    EXPECT_EQ(w.Opt(0).Depth[2]->Text(), "25");
    EXPECT_EQ(w.Opt(1).Units[2]->Caption(), "% Area");
    struct Row {
        int option, row;
        const char *inflated, *value;
    };
    const Row rows[] = {{0, 0, "$ 5,796", "$ 4,110"},  {0, 1, "$ 10,079", "$ 5,067"},
                        {0, 2, "$ 2,531", "$ 1,109"},  {0, 3, "$ 101,142", "$ 25,558"},
                        {0, 8, "$ 6,918", "$ 879"},    {0, 4, "$ 0", "$ 0"},
                        {1, 0, "$ 2,185", "$ 1,778"},  {1, 1, "$ 31,159", "$ 11,105"},
                        {1, 2, "$ 15,703", "$ 2,813"}, {1, 8, "$ 0", "$ 0"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.option) + "/" + std::to_string(r.row));
        EXPECT_EQ(w.Opt(r.option).Inflated[r.row]->Caption(), r.inflated);
        EXPECT_EQ(w.Opt(r.option).Value[r.row]->Caption(), r.value);
        EXPECT_TRUE(w.Opt(r.option).Cost[r.row]->isHidden());
    }
    EXPECT_EQ(w.Opt(0).Cost[3]->Caption(), "$ 56,000");
    const std::pair<const char*, const char*> captions[] = {
        {"LblOptOneConstCost", "$ 30,000"},      {"LblOptOneConstValue", "$ 30,000"},
        {"LblOptOneSalvageYear", "30"},          {"LblOptOneSalvageCost", "$ 3,000"},
        {"LblOptOneSalvageInflated", "$ 7,282"}, {"LblOptOneSalvageValue", "$ 925"},
        {"LblTotalOptOneCost", "$ 27,000"},      {"LblTotalOptOneInflated", "$ 149,184"},
        {"LblTotalOptOneValue", "$ 65,798"},     {"LblOptTwoConstInflated", "$ 150,000"},
        {"LblOptTwoSalvageCost", "$ 30,000"},    {"LblOptTwoSalvageInflated", "$ 72,818"},
        {"LblOptTwoSalvageValue", "$ 9,250"},    {"LblTotalOptTwoCost", "$ 120,000"},
        {"LblTotalOptTwoInflated", "$ 126,229"}, {"LblTotalOptTwoValue", "$ 156,446"}};
    for (const auto& [name, text] : captions) EXPECT_EQ(caption(w, name), text) << name;

    const QStringList shown = snapshot(w);
    w.CmdClose->click();
    EXPECT_FALSE(w.Visible());
    Recordset& r = stored(w);
    const Fields fields = {{"OptOneConstCost", 30000},
                           {"OptOneConstInflated", 30000},
                           {"OptOneZero", "Fog Seal"},
                           {"OptOneZeroYear", 5},
                           {"OptOneZeroCost", 5000},
                           {"OptOneZeroInflated", 5796},
                           {"OptOneOne", "Overlay"},
                           {"OptOneOneDepth", 1.5},
                           {"OptOneTwoDepth", 25},
                           {"OptOneThreeValue", 25558},
                           {"OptOneFour", " "},
                           {"OptOneFourYear", 0},
                           {"OptOneEight", "Other Type One"},
                           {"OptOneEightYear", 30},
                           {"OptOneSalvageCost", 3000},
                           {"OptOneSalvageInflated", 7282},
                           {"OptOneTotalCost", 27000},
                           {"OptOneTotalInflated", 149184},
                           {"OptOneTotalValue", 65798},
                           {"OptTwoZero", "Blade"},
                           {"OptTwoOneInflated", 31159},
                           {"OptTwoTwo", "Other Type Two"},
                           {"OptTwoTwoDepth", 50},
                           {"OptTwoThree", " "},
                           {"OptTwoSalvageValue", 9250},
                           {"OptTwoTotalCost", 120000},
                           {"OptTwoTotalInflated", 126229},
                           {"OptTwoTotalValue", 156446},
                           {"OptOneZeroSpare", 100},
                           {"OptTwoZeroSpare", 100}};
    expectRow(r, fields);

    // Calculate again shows the same schedule with the same amounts.
    UserActivates(&main());
    calculate();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(snapshot(w), shown);
}

TEST_F(CustomAcagTest, EntryChecksAndTheirMessages) {
    FmCustomACAG& w = open();
    TextBox* year = w.Opt(0).Year[0];
    struct YearCase {
        QString typed, left;
        bool message;
    };
    const YearCase years[] = {{"31", "", true},   {"30", "30", false}, {"-3", "", false},
                              {"abc", "", false}, {"1,000", "", true}, {"2.5", "3", false},
                              {"$5", "5", false}};
    for (const YearCase& c : years) {
        SCOPED_TRACE(c.typed.toStdString());
        const size_t before = messageCount();
        enter(year, c.typed, w.Opt(0).Activity[1]);
        EXPECT_EQ(year->Text(), c.left);
        ASSERT_EQ(messageCount(), before + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(lastMessage().text, "Year Must Be Less Or Equal To Analysis Period");
            EXPECT_EQ(lastMessage().title, "Data Entry Error");
        }
    }
    // "$5" is year 5: priced and stored so.
    EXPECT_EQ(w.Opt(0).Inflated[0]->Caption(), "$ 5,796");

    // A "% Area" row: typing is rounded and checked when the box is left.
    ComboBox* list = w.Opt(0).Activity[1];
    TextBox* depth = w.Opt(0).Depth[1];
    focus(list);
    pick(list, 3);
    EXPECT_EQ(w.Opt(0).Units[1]->Caption(), "% Area");
    EXPECT_EQ(depth->Text(), "");
    type(depth, "12.6");
    EXPECT_EQ(depth->Text(), "12.6");
    tab();
    EXPECT_EQ(depth->Text(), "13");
    size_t before = messageCount();
    enter(depth, "100.4", w.Opt(0).Activity[2]);
    EXPECT_EQ(depth->Text(), "100");
    enter(depth, "101", w.Opt(0).Activity[2]);
    EXPECT_EQ(depth->Text(), "");
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().text, "% Area Must Be Between 0 and 100%");
    enter(depth, "0", w.Opt(0).Activity[2]);
    EXPECT_EQ(depth->Text(), "");
    type(depth, "-");
    EXPECT_EQ(depth->Text(), "");
    // A pasted depth out of range gets the same message, and the row stays priced: no
    // failure. One beyond any depth a row can price is refused at once, as it is pasted;
    // one within that bound, when the box is left.
    const struct {
        const char* pasted;
        bool atOnce;
    } pastes[] = {{"1e40", true}, {"-1e40", true}, {"1e9", false}};
    for (const auto& c : pastes) {
        SCOPED_TRACE(c.pasted);
        before = messageCount();
        focus(depth);
        depth->selectAll();
        depth->insert(c.pasted);
        EXPECT_EQ(depth->Text(), c.atOnce ? "" : c.pasted);
        EXPECT_EQ(messageCount(), before + (c.atOnce ? 1 : 0));
        focus(w.Opt(0).Activity[2]);
        EXPECT_EQ(depth->Text(), "");
        ASSERT_EQ(messageCount(), before + 1);
        EXPECT_EQ(lastMessage().text, "% Area Must Be Between 0 and 100%");
    }

    // An "(in) Thick" row is checked at every change.
    focus(list);
    pick(list, 7);
    EXPECT_EQ(depth->Text(), "0.0");
    before = messageCount();
    type(depth, "100.5");
    EXPECT_EQ(depth->Text(), "");
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().text, "Depth Must Be Between 0 and 99 inches");
    type(depth, "100");
    EXPECT_EQ(messageCount(), before + 1);

    // A text that is no entry falls back to the first; case counts.
    enter(w.Opt(0).Activity[5], "overlay", w.Opt(0).Year[5]);
    EXPECT_EQ(w.Opt(0).Activity[5]->Text(), "Fog Seal");
    enter(w.Opt(1).Activity[5], "Fog Seal", w.Opt(1).Year[5]);
    EXPECT_EQ(w.Opt(1).Activity[5]->Text(), "Blade");
}

// Each activation's picks empty every units caption before the load sets the stored
// depths, so a stored depth out of range is told in inches, also on a "% Area" row.
TEST_F(CustomAcagTest, AStoredDepthOutOfRangeIsToldInInches) {
    FmCustomACAG& w = open();
    layRow(w, 0, 2, 3, "12", "25");  // Crack Seal
    UserActivates(&main());
    Recordset& r = stored(w);
    r.Edit();
    r.SetField("OptOneTwoDepth", 150);
    r.Update();
    const size_t before = messageCount();
    UserActivates(&w);
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().text, "Depth Must Be Between 0 and 99 inches");
    EXPECT_EQ(w.Opt(0).Units[2]->Caption(), "% Area");
    EXPECT_EQ(w.Opt(0).Depth[2]->Text(), "");
}

TEST_F(CustomAcagTest, TypedActivitiesGetTheirUnitsOnlyWhenEdited) {
    FmCustomACAG& w = open();
    // Typed, exact: as a pick of that entry.
    layRow(w, 0, 0, QString("Rotomill"), "4", "2");
    EXPECT_EQ(w.Opt(0).Units[0]->Caption(), "(in) Thick");
    EXPECT_FALSE(w.Opt(0).Depth[0]->isHidden());
    EXPECT_EQ(w.Opt(0).Cost[0]->Caption(), "$ 15,000");
    // Tabbing through the row again keeps its depth.
    focus(w.Opt(0).Activity[0]);
    tab();
    tab();
    tab();
    EXPECT_EQ(w.Opt(0).Depth[0]->Text(), "2");
    EXPECT_EQ(w.Opt(0).Cost[0]->Caption(), "$ 15,000");
    // So does a row loaded at the next activation.
    UserActivates(&main());
    UserActivates(&w);
    EXPECT_EQ(w.Opt(0).Depth[0]->Text(), "2.0");
    focus(w.Opt(0).Activity[0]);
    tab();
    tab();
    tab();
    EXPECT_EQ(w.Opt(0).Depth[0]->Text(), "2.0");
    EXPECT_EQ(w.Opt(0).Cost[0]->Caption(), "$ 15,000");
}

TEST_F(CustomAcagTest, WhatTheFocusedBoxHoldsIsCheckedBeforeEverySave) {
    FmCustomACAG& w = open();
    Recordset& r = main().rstCustomACAG;
    // Leaving the window.
    type(w.Opt(0).Year[0], "7.6");
    UserActivates(&main());
    EXPECT_EQ(w.Opt(0).Year[0]->Text(), "8");
    r.MoveFirst();
    EXPECT_EQ(r.Number("OptOneZeroYear"), 8);
    EXPECT_EQ(r.Number("OptOneZeroInflated"), 6334);  // 5,000 x 1.03^8
    // Close.
    UserActivates(&w);
    type(w.Opt(0).Year[1], "1,000");
    w.CmdClose->click();
    EXPECT_EQ(lastMessage().text, "Year Must Be Less Or Equal To Analysis Period");
    r.MoveFirst();
    EXPECT_EQ(r.Number("OptOneOneYear"), 0);
    EXPECT_EQ(r.Text("OptOneOne"), " ");
    // The title-bar close acts as Close: saved, hidden, not destroyed.
    calculate();
    UserActivates(&w);
    type(w.Opt(0).Year[2], "0.4");
    w.close();
    Settle();
    EXPECT_FALSE(w.Visible());
    r.MoveFirst();
    EXPECT_EQ(r.Number("OptOneTwoYear"), 0);
    EXPECT_EQ(w.Opt(0).Year[2]->Text(), "0");
    EXPECT_EQ(w.Opt(0).Inflated[2]->Caption(), "$ 0");
    // Plot Graph: the chart reads the row as the window shows it.
    calculate();
    UserActivates(&w);
    layRow(w, 0, 3, 0, "2");
    type(w.Opt(0).Year[3], "4");
    w.CmdPlotGraph->click();
    EXPECT_TRUE(main().fmPlotResults().IsActiveForm());
    r.MoveFirst();
    EXPECT_EQ(r.Number("OptOneThreeYear"), 4);
    EXPECT_EQ(r.Number("OptOneTotalInflated"),
              w.Opt(0).TotalInflated->Caption().remove(QRegularExpression("[$, ]")).toDouble());
}

TEST_F(CustomAcagTest, ClearEntriesResetsTheRowsAndStoresAtOnce) {
    FmCustomACAG& w = open();
    layBothSchedules(w);
    w.CmdClearFields->click();
    EXPECT_TRUE(w.Visible());
    for (int o = 0; o < 2; ++o) {
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(w.Opt(o).Activity[i]->Text(), o == 0 ? "Fog Seal" : "Blade");
            EXPECT_EQ(w.Opt(o).Year[i]->Text(), "");
            EXPECT_TRUE(w.Opt(o).Depth[i]->isHidden());
            EXPECT_TRUE(w.Opt(o).Units[i]->isHidden());
            EXPECT_EQ(w.Opt(o).Inflated[i]->Caption(), "$ 0");
        }
    }
    EXPECT_EQ(w.Opt(0).TotalInflated->Caption(), "$ 22,718");  // 30,000 - 7,282
    EXPECT_EQ(w.Opt(0).TotalValue->Caption(), "$ 29,075");
    EXPECT_EQ(w.Opt(1).TotalInflated->Caption(), "$ 77,182");
    Recordset& r = stored(w);
    EXPECT_EQ(r.Text("OptOneOne"), " ");
    EXPECT_EQ(r.Number("OptOneOneDepth"), 0);
    EXPECT_EQ(r.Number("OptOneThreeInflated"), 0);
    EXPECT_EQ(r.Text("OptTwoTwo"), " ");
    EXPECT_EQ(r.Number("OptOneTotalInflated"), 22718);
    EXPECT_EQ(r.Number("OptTwoTotalValue"), 140750);
    EXPECT_EQ(r.Number("OptTwoSalvageCost"), 30000);
}

TEST_F(CustomAcagTest, AnOptionWithoutADesignHidesAndShowsAgainOnceItHasOne) {
    enterProject("Aggregate");
    setField("SurfaceDepthTwo", 0.0);
    setField("CustomMaintenance", 1);
    entry().ResetEntries();
    // A stored percentage row of option Two, so its units label would show.
    Recordset& r = main().rstCustomACAG;
    r.Edit();
    r.SetField("OptTwoZero", "Other Type One");
    r.SetField("OptTwoZeroYear", 5);
    r.SetField("OptTwoZeroDepth", 10);
    r.Update();
    calculate();
    FmCustomACAG& w = main().fmCustomACAG();
    auto two = w.Opt(1);
    EXPECT_TRUE(two.Activity[0]->isHidden());
    EXPECT_TRUE(two.Units[0]->isHidden());
    EXPECT_TRUE(two.Depth[0]->isHidden());
    EXPECT_TRUE(two.TotalInflated->isHidden());
    EXPECT_TRUE(two.ConstCost->isHidden());
    EXPECT_FALSE(two.SalvageCost->isHidden());
    EXPECT_EQ(two.SalvageYear->Caption(), "30");
    EXPECT_EQ(two.SalvageCost->Caption(), "$ 0");
    EXPECT_FALSE(w.Opt(0).Activity[0]->isHidden());
    // Its treatments are still priced: 90,000 x 2.85 x 10 / 9 / 100 = 2,850 in year 5.
    EXPECT_EQ(two.Inflated[0]->Caption(), "$ 3,304");

    UserActivates(&main());
    type(entry().TbxSurfaceDepthTwo, "4");
    calculate();
    EXPECT_FALSE(two.Activity[0]->isHidden());
    EXPECT_FALSE(two.Units[0]->isHidden());
    EXPECT_EQ(two.Units[0]->Caption(), "% Area");
    EXPECT_FALSE(two.Depth[0]->isHidden());
    EXPECT_TRUE(two.Depth[1]->isHidden());
    EXPECT_TRUE(two.Cost[0]->isHidden());
    EXPECT_FALSE(two.TotalInflated->isHidden());
    EXPECT_EQ(two.ConstCost->Caption(), "$ 100,000");
}

TEST_F(CustomAcagTest, TheScheduleTravelsWithSaveAndOpenAndNewLeavesTheNewRowAlone) {
    FmCustomACAG& w = open();
    layRow(w, 0, 0, 7, "6", "2");
    UserActivates(&main());
    const QString file = path("custom.mdb");
    backend().fileNames.push_back(file);
    menu("MenuFileSaveAs");

    // New: the open window never writes the previous schedule into the new row.
    backend().answers = {MsgAnswer::No};
    menu("MenuFileNew");
    w.close();
    Settle();
    Recordset& r = main().rstCustomACAG;
    r.MoveFirst();
    EXPECT_EQ(r.Text("OptOneZero"), "Fog Seal");
    EXPECT_EQ(r.Number("OptOneZeroYear"), 0);

    backend().answers = {MsgAnswer::No};
    backend().fileNames.push_back(file);
    menu("MenuFileOpen");
    enterProject("Aggregate");
    calculate();
    EXPECT_EQ(w.Opt(0).Activity[0]->Text(), "Overlay");
    EXPECT_EQ(w.Opt(0).Year[0]->Text(), "6");
    EXPECT_EQ(w.Opt(0).Depth[0]->Text(), "2.0");
    EXPECT_EQ(w.Opt(0).Cost[0]->Caption(), "$ 10,000");
}

TEST_F(CustomAcagTest, FailuresAreReportedAndNothingIsSavedUntilTheNextLoad) {
    FmCustomACAG& w = open();
    layRow(w, 0, 0, 0, "5");
    const QStringList shown = snapshot(w);
    UserActivates(&main());
    // An area whose costs leave the single-precision range.
    setField("Area", 1e38);
    setField("SurfaceDepthOne", 99.0);
    entry().ResetEntries();
    const size_t before = messageCount();
    UserActivates(&w);
    ASSERT_GT(messageCount(), before);
    EXPECT_TRUE(lastMessage().text.contains("Cannot Load The Custom Schedule"))
        << lastMessage().text.toStdString();
    EXPECT_EQ(snapshot(w), shown);
    UserActivates(&main());
    Recordset& r = main().rstCustomACAG;
    r.MoveFirst();
    EXPECT_EQ(r.Number("OptOneZeroYear"), 5);  // the save before the failure stands
    r.Edit();
    r.SetField("OptOneZeroYear", 9);
    r.Update();
    UserActivates(&w);
    w.CmdClose->click();
    r.MoveFirst();
    EXPECT_EQ(r.Number("OptOneZeroYear"), 9);  // no save after the failure

    // A table without its row: the load and the save say so, and the program goes on.
    UserActivates(&main());
    setField("Area", 90000.0);
    setField("SurfaceDepthOne", 2.0);
    entry().ResetEntries();
    calculate();
    main().dbVORN.Execute("DELETE FROM CustomACAG");
    const size_t failures = messageCount();
    w.CmdClose->click();
    ASSERT_EQ(messageCount(), failures + 1);
    EXPECT_TRUE(lastMessage().text.contains("Cannot Save The Custom Schedule"));
    calculate();
    ASSERT_EQ(messageCount(), failures + 2);
    EXPECT_TRUE(lastMessage().text.contains("Cannot Load The Custom Schedule"));
    EXPECT_TRUE(w.Visible());
}

}  // namespace
