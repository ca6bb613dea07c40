// The concrete custom-schedule window shown directly, as no command shows it: both
// schedules against a hand calculation, the checks, Clear, option one hidden and shown
// again, the stored row and its travel with the project file.
#include <gtest/gtest.h>

#include "analysis/concrete/fm_custom_acpc.h"
#include "analysis/concrete_fixture.h"
#include "output/fm_plot_results.h"

using namespace orv;
using namespace orv::test;

namespace {

class ConcreteCustomTest : public ConcreteTest {
  protected:
    FmCustomACPC& window() { return main().fmCustomACPC(); }
    FmCustomACPC& show() {
        window().Show();
        Settle();
        EXPECT_TRUE(window().IsActiveForm());
        return window();
    }
    void leaveAndShowAgain() {
        UserActivates(&main());
        show();
    }
    // Both schedules of the hand calculation below.
    void layBothSchedules(FmCustomACPC& w) {
        layRow(w, 0, 0, 0, "2");          // Fog Seal
        layRow(w, 0, 1, 1, "5");          // Chip Seal
        layRow(w, 0, 2, 2, "8");          // Slurry Seal
        layRow(w, 0, 3, 4, "10", "50");   // Patching
        layRow(w, 0, 4, 5, "12", "1.5");  // Overlay
        layRow(w, 0, 5, 6, "15", "2");    // Rotomill
        layRow(w, 0, 6, 7, "30");         // Re-Construction
        layRow(w, 0, 7, 8, "20", "10");   // Option One, no cost in the record
        layRow(w, 1, 0, 0, "5", "50");    // Joint/Crack Seal
        layRow(w, 1, 1, 1, "10");         // Grinding
        layRow(w, 1, 2, QString("Overlay"), "20", "2");
        layRow(w, 1, 3, 6, "25");        // Re-Construction
        layRow(w, 1, 4, 2, "15", "10");  // Slab Replacement, no cost in the record
    }
    // Each row as "cost/future/present".
    QStringList amounts(int option) {
        QStringList out;
        for (int i = 0; i < kCustomRows; ++i) {
            const auto& o = window().Opt(option);
            out << o.Cost[i]->Caption() + "/" + o.Inflated[i]->Caption() + "/" +
                       o.Value[i]->Caption();
        }
        return out;
    }
    QStringList block(int option) {
        const auto& o = window().Opt(option);
        return {o.ConstCost->Caption(),       o.SalvageYear->Caption(),  o.SalvageCost->Caption(),
                o.SalvageInflated->Caption(), o.SalvageValue->Caption(), o.TotalCost->Caption(),
                o.TotalInflated->Caption(),   o.TotalValue->Caption()};
    }
    QStringList labels() {
        QStringList out;
        for (auto* l : window().findChildren<Label*>())
            out << l->objectName() + "=" + l->Caption() + (l->isHidden() ? " hidden" : "");
        return out;
    }
    // Whether every control of option one's column but its salvage row is hidden.
    bool optionOneHidden() {
        const auto& o = window().Opt(0);
        bool hidden = o.ConstCost->isHidden() && o.TotalValue->isHidden();
        for (int i = 0; i < kCustomRows; ++i) {
            hidden = hidden && o.Activity[i]->isHidden() && o.Year[i]->isHidden() &&
                     o.Depth[i]->isHidden() && o.Units[i]->isHidden() && o.Cost[i]->isHidden() &&
                     o.Value[i]->isHidden();
        }
        return hidden;
    }
};

// Hand calculation, 100 square yards, factors at single precision, 1.03^n and 1 / 1.05^n:
// option one: construction 1,200; salvage 10 % = 120 -> 291 and 28 in 30 years.
//   Fog Seal 2: 25 -> 27 / 23        Chip Seal 5: 100 -> 116 / 78
//   Slurry Seal 8: 72 -> 91 / 49     Patching 10, 50 % at 2.00: 100 -> 134 / 61
//   Overlay 12, 1.5 in at 0.50: 75 -> 107 / 42
//   Rotomill 15, 2 in at 0.75: 150 -> 234 / 72
//   Re-Construction 30: 260 + 1,200 = 1,460 -> 3,544 / 338
//   Option One 20, 10 %: its cost is no field of the record, so 0.
//   totals 1,200 - 120 = 1,080; 1,200 + 4,253 - 291 = 5,162; 1,200 + 663 - 28 = 1,835.
// option two: construction 3,025; salvage 20 % = 605 -> 1,468 and 140.
//   Joint/Crack Seal 5, 50 % at 0.40: 20 -> 23 / 16   Grinding 10 at 1.10: 110 -> 148 / 68
//   Overlay 20, 2 in: 100 -> 181 / 38   Re-Construction 25: 3,285 -> 6,878 / 970
//   totals 2,420; 3,025 + 7,230 - 1,468 = 8,787; 3,025 + 1,092 - 140 = 3,977.
TEST_F(ConcreteCustomTest, BothSchedulesShowAndStoreTheHandCalculation) {
    FmCustomACPC& w = show();
    EXPECT_EQ(w.windowTitle(), "Custom Design Comparitive Analysis");
    EXPECT_EQ(w.HeadingTwo->Caption(), "PCCP ");
    EXPECT_EQ(
        w.Opt(0).Activity[4]->Entries(),
        (QStringList{"Fog Seal", "Chip Seal", "Slurry Seal", "Crack Seal", "Patching", "Overlay",
                     "Rotomill", "Re-Construction", "Option One", "Option Two", "Option Three"}));
    EXPECT_EQ(w.Opt(1).Activity[4]->ListCount(), 10);
    // A new project's rows: the first entries, no year, no amount.
    EXPECT_EQ(w.Opt(0).Activity[8]->Text(), "Fog Seal");
    EXPECT_EQ(w.Opt(1).Activity[8]->Text(), "Joint/Crack Seal");
    EXPECT_EQ(w.Opt(1).Units[8]->Caption(), "% Area");
    EXPECT_FALSE(w.Opt(1).Depth[8]->isHidden());
    layBothSchedules(w);

    EXPECT_EQ(amounts(0), (QStringList{"$ 25/$ 27/$ 23", "$ 100/$ 116/$ 78", "$ 72/$ 91/$ 49",
                                       "$ 100/$ 134/$ 61", "$ 75/$ 107/$ 42", "$ 150/$ 234/$ 72",
                                       "$ 1,460/$ 3,544/$ 338", "$ 0/$ 0/$ 0", "$ 0/$ 0/$ 0"}));
    EXPECT_EQ(amounts(1), (QStringList{"$ 20/$ 23/$ 16", "$ 110/$ 148/$ 68", "$ 100/$ 181/$ 38",
                                       "$ 3,285/$ 6,878/$ 970", "$ 0/$ 0/$ 0", "$ 0/$ 0/$ 0",
                                       "$ 0/$ 0/$ 0", "$ 0/$ 0/$ 0", "$ 0/$ 0/$ 0"}));
    EXPECT_EQ(block(0), (QStringList{"$ 1,200", "30", "$ 120", "$ 291", "$ 28", "$ 1,080",
                                     "$ 5,162", "$ 1,835"}));
    EXPECT_EQ(block(1), (QStringList{"$ 3,025", "30", "$ 605", "$ 1,468", "$ 140", "$ 2,420",
                                     "$ 8,787", "$ 3,977"}));
    EXPECT_EQ(w.Opt(1).Units[2]->Caption(), "(in) Thick");

    const QStringList shown = labels();
    w.CmdClose->click();
    EXPECT_FALSE(w.Visible());
    Recordset& r = stored(w);
    const Fields fields = {{"OptOneConstCost", 1200},
                           {"OptOneConstValue", 1200},
                           {"OptOneZero", "Fog Seal"},
                           {"OptOneZeroYear", 2},
                           {"OptOneZeroCost", 25},
                           {"OptOneZeroInflated", 27},
                           {"OptOneThree", "Patching"},
                           {"OptOneThreeDepth", 50},
                           {"OptOneFourDepth", 1.5},
                           {"OptOneFiveDepth", 2},
                           {"OptOneSix", "Re-Construction"},
                           {"OptOneSixCost", 1460},
                           {"OptOneSixValue", 338},
                           {"OptOneSeven", "Option One"},
                           {"OptOneEight", " "},
                           {"OptOneEightYear", 0},
                           {"OptOneSalvageCost", 120},
                           {"OptOneSalvageInflated", 291},
                           {"OptOneTotalCost", 1080},
                           {"OptOneTotalInflated", 5162},
                           {"OptOneTotalValue", 1835},
                           {"OptTwoConstInflated", 3025},
                           {"OptTwoZero", "Joint/Crack Seal"},
                           {"OptTwoZeroDepth", 50},
                           {"OptTwoTwo", "Overlay"},
                           {"OptTwoThreeInflated", 6878},
                           {"OptTwoFive", " "},
                           {"OptTwoSalvageValue", 140},
                           {"OptTwoTotalCost", 2420},
                           {"OptTwoTotalInflated", 8787},
                           {"OptTwoTotalValue", 3977},
                           {"OptOneZeroSpare", 100},
                           {"OptTwoZeroSpare", 100}};
    expectRow(r, fields);

    // Shown again, the stored schedule gives the same figures.
    show();
    EXPECT_EQ(labels(), shown);
    EXPECT_EQ(w.Opt(0).Depth[5]->Text(), "2.0");
}

TEST_F(ConcreteCustomTest, EntryChecksAndTheirMessages) {
    FmCustomACPC& w = show();
    focus(w.Opt(1).Activity[1]);
    pick(w.Opt(1).Activity[1], 1);  // Grinding: 110 a pass
    TextBox* year = w.Opt(1).Year[1];
    struct YearCase {
        QString typed, left;
        bool message;
    };
    const YearCase years[] = {{"31", "", true},
                              {"30", "30", false},
                              {"-3", "", false},
                              {"abc", "", false},
                              {"7.6", "8", false}};
    for (const YearCase& c : years) {
        SCOPED_TRACE(c.typed.toStdString());
        const size_t before = messageCount();
        enter(year, c.typed, w.Opt(1).Activity[2]);
        EXPECT_EQ(year->Text(), c.left);
        ASSERT_EQ(messageCount(), before + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(lastMessage().text,
                      "Year Setting Must Be Less Or Equal To Than The Design Life");
            EXPECT_EQ(lastMessage().title, "Data Entry Error");
            EXPECT_EQ(w.Opt(1).Inflated[1]->Caption(), "$ 0");
        }
    }
    // 7.6 is year 8, priced so: 110 x 1.03^8 = 139, 110 / 1.05^8 = 74.
    EXPECT_EQ(w.Opt(1).Inflated[1]->Caption(), "$ 139");
    EXPECT_EQ(w.Opt(1).Value[1]->Caption(), "$ 74");

    // A pick sets the unit and its depth: "% Area" and 0, "(in) Thick" and 0.0, or neither.
    ComboBox* list = w.Opt(0).Activity[1];
    TextBox* depth = w.Opt(0).Depth[1];
    focus(list);
    pick(list, 4);  // Patching
    EXPECT_EQ(w.Opt(0).Units[1]->Caption(), "% Area");
    EXPECT_EQ(depth->Text(), "0");
    EXPECT_FALSE(depth->isHidden());
    pick(list, 7);  // Re-Construction
    EXPECT_TRUE(depth->isHidden());
    EXPECT_TRUE(w.Opt(0).Units[1]->isHidden());
    focus(w.Opt(1).Activity[0]);
    pick(w.Opt(1).Activity[0], 3);  // Overlay
    EXPECT_EQ(w.Opt(1).Units[0]->Caption(), "(in) Thick");
    EXPECT_EQ(w.Opt(1).Depth[0]->Text(), "0.0");

    // A percentage is rounded when its box is left and priced as shown: 13 % of 100 square
    // yards at 2.00 is 26. Out of range it is refused.
    focus(list);
    pick(list, 4);
    enter(w.Opt(0).Year[1], "10", depth);
    type(depth, "12.6");
    tab();
    EXPECT_EQ(depth->Text(), "13");
    EXPECT_EQ(w.Opt(0).Cost[1]->Caption(), "$ 26");
    size_t before = messageCount();
    enter(depth, "101", w.Opt(0).Activity[2]);
    EXPECT_EQ(depth->Text(), "");
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().text, "% Area Must Be Between 0 and 100%");

    // An inch depth is read to one decimal: 2.26 inches of overlay at 0.50 is 115; 100
    // inches pass, 100.5 do not, and the message names 99.
    TextBox* inches = w.Opt(1).Depth[0];
    enter(w.Opt(1).Year[0], "10", inches);
    type(inches, "2.26");
    tab();
    EXPECT_EQ(w.Opt(1).Cost[0]->Caption(), "$ 115");
    before = messageCount();
    enter(inches, "100", w.Opt(1).Activity[1]);
    EXPECT_EQ(inches->Text(), "100");
    EXPECT_EQ(messageCount(), before);
    type(inches, "100.5");
    EXPECT_EQ(inches->Text(), "");
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().text, "Depth Must Be Between 0 and 99 inches");
    type(inches, "-");
    EXPECT_EQ(inches->Text(), "");

    // A typed activity in no list falls back to the first entry with its unit.
    TextBox* next = w.Opt(1).Year[5];
    enter(w.Opt(1).Activity[5], "Gravel", next);
    EXPECT_EQ(w.Opt(1).Activity[5]->Text(), "Joint/Crack Seal");
    EXPECT_EQ(w.Opt(1).Units[5]->Caption(), "% Area");
    EXPECT_EQ(w.Opt(1).Depth[5]->Text(), "0");
    enter(w.Opt(0).Activity[5], "Gravel", w.Opt(0).Year[5]);
    EXPECT_EQ(w.Opt(0).Activity[5]->Text(), "Fog Seal");
    EXPECT_TRUE(w.Opt(0).Depth[5]->isHidden());

    // What was typed is stored as it was priced.
    w.CmdClose->click();
    Recordset& r = stored(w);
    EXPECT_EQ(r.Number("OptTwoOneYear"), 8);
    EXPECT_EQ(r.Number("OptTwoOneInflated"), 139);
    EXPECT_EQ(r.Number("OptOneOneDepth"), 0);
    EXPECT_EQ(r.Number("OptTwoZeroYear"), 10);
    EXPECT_EQ(r.Number("OptTwoZeroDepth"), 0);
}

// A stored depth out of range meets the depth check as the load sets it, before the row
// gets its units: the message follows what the units label reads then. Hiding a label
// leaves its caption, so a row loaded as "% Area" keeps it into the next activation.
TEST_F(ConcreteCustomTest, AStoredDepthOutOfRangeIsToldByTheUnitsTheRowShowedLast) {
    auto storeDepth = [&](const char* field, double depth) {
        Recordset& r = main().rstCustomACPC;
        r.MoveFirst();
        r.Edit();
        r.SetField(field, depth);
        r.Update();
    };
    // First activation: the labels read their design caption.
    storeDepth("OptTwoZeroDepth", 150);
    size_t before = messageCount();
    FmCustomACPC& w = show();
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().text, "Depth Must Be Between 0 and 99 inches");
    EXPECT_EQ(lastMessage().title, "Data Entry Error");
    EXPECT_EQ(w.Opt(1).Units[0]->Caption(), "% Area");  // Joint/Crack Seal
    EXPECT_EQ(w.Opt(1).Depth[0]->Text(), "");
    // Option one's first row shows an overlay, then Fog Seal hides its units label.
    layRow(w, 0, 0, 5, "12", "2");
    focus(w.Opt(0).Activity[0]);
    pick(w.Opt(0).Activity[0], 0);
    EXPECT_TRUE(w.Opt(0).Units[0]->isHidden());
    EXPECT_EQ(w.Opt(0).Units[0]->Caption(), "(in) Thick");

    UserActivates(&main());
    storeDepth("OptTwoZeroDepth", 150);
    storeDepth("OptOneZeroDepth", -4);
    before = messageCount();
    show();
    ASSERT_EQ(messageCount(), before + 2);
    EXPECT_EQ(backend().messages[before].text, "Depth Must Be Between 0 and 99 inches");
    EXPECT_EQ(lastMessage().text, "% Area Must Be Between 0 and 100%");
    EXPECT_EQ(w.Opt(1).Depth[0]->Text(), "");
}

TEST_F(ConcreteCustomTest, ClearLeavesOptionTwoPriceableAndStoresTheClearedRow) {
    FmCustomACPC& w = show();
    layBothSchedules(w);
    w.CmdClearFields->click();
    Settle();
    for (int i = 0; i < kCustomRows; ++i) {
        EXPECT_EQ(w.Opt(0).Activity[i]->Text(), "Fog Seal");
        EXPECT_EQ(w.Opt(0).Year[i]->Text(), "");
        EXPECT_TRUE(w.Opt(0).Depth[i]->isHidden());
        EXPECT_EQ(w.Opt(1).Activity[i]->Text(), "Joint/Crack Seal");
        EXPECT_EQ(w.Opt(1).Units[i]->Caption(), "% Area");
        EXPECT_FALSE(w.Opt(1).Units[i]->isHidden());
        EXPECT_EQ(w.Opt(1).Depth[i]->Text(), "0");
        EXPECT_FALSE(w.Opt(1).Depth[i]->isHidden());
    }
    EXPECT_EQ(amounts(1)[3], "$ 0/$ 0/$ 0");
    // The totals are the construction less the salvage, from the unrounded amounts:
    // 1,200 - 120 x 1.03^30 = 908.73, 1,200 - 120 / 1.05^30 = 1,172.23.
    EXPECT_EQ(block(0), (QStringList{"$ 1,200", "30", "$ 120", "$ 291", "$ 28", "$ 1,080", "$ 909",
                                     "$ 1,172"}));
    EXPECT_EQ(block(1), (QStringList{"$ 3,025", "30", "$ 605", "$ 1,468", "$ 140", "$ 2,420",
                                     "$ 1,557", "$ 2,885"}));
    Recordset& r = stored(w);
    EXPECT_EQ(r.Text("OptOneSix"), " ");
    EXPECT_EQ(r.Number("OptOneSixCost"), 0);
    EXPECT_EQ(r.Text("OptTwoZero"), " ");
    EXPECT_EQ(r.Number("OptTwoZeroDepth"), 0);
    EXPECT_EQ(r.Number("OptOneTotalInflated"), 909);
    EXPECT_EQ(r.Number("OptTwoTotalValue"), 2885);

    // The cleared joint seal row takes a year and a share of the area at once.
    enter(w.Opt(1).Year[0], "5", w.Opt(1).Depth[0]);
    EXPECT_EQ(w.Opt(1).Cost[0]->Caption(), "$ 0");
    type(w.Opt(1).Depth[0], "50");
    tab();
    EXPECT_EQ(w.Opt(1).Cost[0]->Caption(), "$ 20");

    // Clearing twice leaves the same window and row.
    w.CmdClearFields->click();
    const QStringList once = snapshot(w);
    const QString row = r.Text("OptTwoZero") + r.Text("OptTwoZeroYear");
    w.CmdClearFields->click();
    EXPECT_EQ(snapshot(w), once);
    EXPECT_EQ(stored(w).Text("OptTwoZero") + stored(w).Text("OptTwoZeroYear"), row);
}

TEST_F(ConcreteCustomTest, OptionOneHidesWithoutASurfaceAndShowsAgain) {
    setField("SurfaceDepthOne", 0.0);
    entry().ResetEntries();
    FmCustomACPC& w = show();
    const auto& one = w.Opt(0);
    EXPECT_TRUE(optionOneHidden());
    // Its salvage line goes with it; option two stays.
    EXPECT_TRUE(one.SalvageCost->isHidden());
    EXPECT_TRUE(one.SalvageYear->isHidden());
    EXPECT_FALSE(w.Opt(1).Activity[0]->isHidden());
    EXPECT_FALSE(w.Opt(1).TotalValue->isHidden());

    // A surface again: the next activation shows the column, units as each row's entry says.
    UserActivates(&main());
    setField("SurfaceDepthOne", 4.0);
    entry().ResetEntries();
    show();
    EXPECT_FALSE(one.ConstCost->isHidden());
    EXPECT_FALSE(one.SalvageCost->isHidden());
    EXPECT_FALSE(one.Activity[3]->isHidden());
    EXPECT_FALSE(one.Cost[3]->isHidden());
    EXPECT_TRUE(one.Depth[3]->isHidden());  // Fog Seal
    layRow(w, 0, 3, 5, "12", "1.5");        // Overlay
    w.CmdClose->click();

    // Clear hides it, and shows it again, by the same test.
    UserActivates(&main());
    setField("SurfaceDepthOne", 0.0);
    entry().ResetEntries();
    show();
    EXPECT_TRUE(optionOneHidden());
    UserActivates(&main());
    setField("SurfaceDepthOne", 4.0);
    entry().ResetEntries();
    show();
    EXPECT_FALSE(one.Depth[3]->isHidden());
    EXPECT_EQ(one.Units[3]->Caption(), "(in) Thick");
    UserActivates(&main());
    setField("SurfaceDepthOne", 0.0);
    entry().ResetEntries();
    show();
    setField("SurfaceDepthOne", 4.0);
    w.CmdClearFields->click();
    EXPECT_FALSE(one.TotalValue->isHidden());
    EXPECT_FALSE(one.Activity[0]->isHidden());
    EXPECT_TRUE(one.Depth[3]->isHidden());
    setField("SurfaceDepthOne", 0.0);
    w.CmdClearFields->click();
    EXPECT_TRUE(optionOneHidden());
    EXPECT_TRUE(one.SalvageValue->isHidden());
}

TEST_F(ConcreteCustomTest, NothingUncheckedIsSavedAndTheCloseBoxCloses) {
    FmCustomACPC& w = show();
    layRow(w, 1, 1, 1, "10");
    // A year above the period, still in its box, is checked before the close box stores.
    type(w.Opt(1).Year[2], "31");
    w.close();
    Settle();
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(lastMessage().text, "Year Setting Must Be Less Or Equal To Than The Design Life");
    Recordset& r = stored(w);
    EXPECT_EQ(r.Number("OptTwoOneYear"), 10);
    EXPECT_EQ(r.Number("OptTwoTwoYear"), 0);
    EXPECT_EQ(r.Text("OptTwoTwo"), " ");

    // Plot Graph shows the chart; leaving the window for it stores the schedule.
    show();
    layRow(w, 1, 2, 1, "20");
    w.CmdPlotGraph->click();
    Settle();
    EXPECT_TRUE(main().fmPlotResults().Visible());
    EXPECT_EQ(stored(w).Number("OptTwoTwoYear"), 20);
    main().PrinterOK = true;
    show();
    w.CmdPrintForm->click();
    EXPECT_EQ(backend().printed.size(), 1u);
}

TEST_F(ConcreteCustomTest, AFailingSaveCancelsTheEditAndSaysWhatFailed) {
    FmCustomACPC& w = show();
    layRow(w, 1, 1, 1, "10");
    main().dbVORN.Execute(
        "CREATE TRIGGER refuse BEFORE UPDATE ON CustomACPC BEGIN SELECT RAISE(ABORT, 'disk "
        "full'); END");
    const size_t before = messageCount();
    w.CmdClose->click();
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_TRUE(lastMessage().text.contains("Cannot Save The Custom Schedule"));
    EXPECT_TRUE(lastMessage().text.contains("disk full"));
    EXPECT_FALSE(main().rstCustomACPC.IsEditing());
    EXPECT_EQ(stored(w).Number("OptTwoOneYear"), 0);
    main().dbVORN.Execute("DROP TRIGGER refuse");
    show();
    layRow(w, 1, 1, 1, "10");
    w.CmdClose->click();
    EXPECT_EQ(stored(w).Number("OptTwoOneYear"), 10);
}

TEST_F(ConcreteCustomTest, TheScheduleTravelsWithSaveAndOpen) {
    FmCustomACPC& w = show();
    layBothSchedules(w);
    w.CmdClose->click();
    UserActivates(&main());
    const QString file = path("concrete.mdb");
    backend().fileNames.push_back(file);
    menu("MenuFileSaveAs");
    backend().answers = {MsgAnswer::No};
    menu("MenuFileNew");
    EXPECT_EQ(stored(w).Text("OptOneSix"), "Fog Seal");
    backend().answers = {MsgAnswer::No};
    backend().fileNames.push_back(file);
    menu("MenuFileOpen");
    EXPECT_EQ(stored(w).Text("OptOneSix"), "Re-Construction");
    EXPECT_EQ(stored(w).Number("OptTwoTotalInflated"), 8787);
    show();
    EXPECT_EQ(w.Opt(0).Activity[6]->Text(), "Re-Construction");
    EXPECT_EQ(w.Opt(1).TotalInflated->Caption(), "$ 8,787");
}

}  // namespace
