// The custom-schedule window, asphalt against a second asphalt design or the user's surface,
// driven through the whole application.
#include <gtest/gtest.h>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "analysis/custom_window_fixture.h"
#include "support/printers.h"

using namespace orv;
using namespace orv::test;

namespace {

class CustomAcacTest : public CustomWindowTest {
  protected:
    FmCustomACAC& open(const QString& surface = "Hot Mix Asphalt #2") {
        setField("SurfaceOptionTwoLabel", "Gravel Seal");
        enterProject(surface);
        calculate();
        FmCustomACAC& w = main().fmCustomACAC();
        EXPECT_TRUE(w.Visible());
        EXPECT_TRUE(w.IsActiveForm());
        return w;
    }
    QString caption(FmCustomACAC& w, const QString& name) {
        Label* l = w.findChild<Label*>(name);
        return l ? l->Caption() : QStringLiteral("<none>");
    }
    struct Expected {
        const char* construction;
        const char* salvage;
        const char* reconstruction[3];
        const char* patch[3];
        const char* totals[3];
    };
    void expectOptionTwo(FmCustomACAC& w, const Expected& e) {
        CustomScheduleWindow::Option& two = w.Opt(1);
        EXPECT_EQ(two.ConstCost->Caption(), e.construction);
        EXPECT_EQ(two.SalvageCost->Caption(), e.salvage);
        EXPECT_EQ(two.Inflated[0]->Caption(), "$ 11,255");
        EXPECT_EQ(two.Value[0]->Caption(), "$ 8,548");
        EXPECT_EQ(two.Cost[1]->Caption(), e.reconstruction[0]);
        EXPECT_EQ(two.Inflated[1]->Caption(), e.reconstruction[1]);
        EXPECT_EQ(two.Value[1]->Caption(), e.reconstruction[2]);
        EXPECT_EQ(two.Cost[2]->Caption(), e.patch[0]);
        EXPECT_EQ(two.Inflated[2]->Caption(), e.patch[1]);
        EXPECT_EQ(two.Value[2]->Caption(), e.patch[2]);
        EXPECT_EQ(two.TotalCost->Caption(), e.totals[0]);
        EXPECT_EQ(two.TotalInflated->Caption(), e.totals[1]);
        EXPECT_EQ(two.TotalValue->Caption(), e.totals[2]);
        // Option One is the same design as against aggregate.
        EXPECT_EQ(w.Opt(0).TotalInflated->Caption(), "$ 149,184");
        EXPECT_EQ(w.Opt(0).TotalValue->Caption(), "$ 65,798");
    }
    void expectStoredOptionTwo(FmCustomACAC& w, const Expected& e) {
        Recordset& r = stored(w);
        auto amount = [](const char* caption) {
            return QString::fromLatin1(caption).remove(QRegularExpression("[$, ]")).toDouble();
        };
        EXPECT_EQ(r.Number("OptTwoConstCost"), amount(e.construction));
        EXPECT_EQ(r.Text("OptTwoZero"), "Chip Seal");
        EXPECT_EQ(r.Text("OptTwoOne"), "Re-Construction");
        EXPECT_EQ(r.Number("OptTwoOneCost"), amount(e.reconstruction[0]));
        EXPECT_EQ(r.Number("OptTwoTwoValue"), amount(e.patch[2]));
        EXPECT_EQ(r.Text("OptTwoThree"), " ");
        EXPECT_EQ(r.Number("OptTwoSalvageCost"), amount(e.salvage));
        EXPECT_EQ(r.Number("OptTwoTotalCost"), amount(e.totals[0]));
        EXPECT_EQ(r.Number("OptTwoTotalInflated"), amount(e.totals[1]));
        EXPECT_EQ(r.Number("OptTwoTotalValue"), amount(e.totals[2]));
        EXPECT_EQ(r.Number("OptOneTotalInflated"), 149184);
        EXPECT_EQ(r.Number("OptTwoEightSpare"), 100);
    }
};

// Hand calculation: option One as against aggregate (149,184 and 65,798). Option Two,
// second asphalt at 2.50: construction 90,000 x 6 x 2.50 / 9 = 150,000, salvage 30,000
// (72,818 and 9,250 in 30 years).
//   Chip Seal 4: 90,000 x 1.00 / 9 = 10,000 -> 11,255 / 8,548
//   Re-Construction 25: 90,000 x 2.60 / 9 + 150,000 = 176,000 -> 368,505 / 66,021
//   Asphalt Patch 10, 12.4 %: 90,000 x 2.00 x 12.4 / 9 / 100 = 2,480 -> 3,333 / 1,675
//   totals 120,000; 150,000 + the rows - 72,818 = 460,275; 150,000 + the rows - 9,250 = 216,994.
// The user's surface at 2.1 (2.0999999 as a single): construction 126,000, salvage 25,200
// (61,167 and 7,770); Re-Construction 26,000 + 126,000 = 152,000 -> 318,254 / 57,018; the
// patch comes back as 12 % = 2,400 -> 3,225 / 1,621; totals 100,800; 397,567; 185,417.
TEST_F(CustomAcacTest, BothComparisonsShowAndStoreTheHandCalculation) {
    FmCustomACAC& w = open();
    EXPECT_EQ(w.windowTitle(), "Custom Design Comparitive Analysis ");
    EXPECT_EQ(w.LblOption->Caption(), "Hot Mix Asphalt #2");
    EXPECT_EQ(w.LblOption->objectName(), "LblOption");
    EXPECT_TRUE(w.LblOption->wordWrap());
    EXPECT_EQ(caption(w, "Label43"), "Construction Cost ");
    EXPECT_EQ(caption(w, "Label9"), "Construction Cost - Salvage Value");
    EXPECT_EQ(caption(w, "Label15"), "Salvage Value");
    EXPECT_EQ(caption(w, "Label11"), "Salvage Value");
    EXPECT_EQ(w.findChild<Label*>("Label3"), nullptr);
    EXPECT_EQ(w.Opt(1).Activity[8]->Entries(), w.Opt(0).Activity[0]->Entries());
    EXPECT_EQ(w.Opt(1).Activity[8]->ListCount(), 13);
    // A new project's rows: "Fog Seal", no year.
    EXPECT_EQ(w.Opt(1).Activity[3]->Text(), "Fog Seal");

    layRow(w, 0, 0, 0, "5");
    layRow(w, 0, 1, QString("Overlay"), "10", "1.5");
    layRow(w, 0, 2, 3, "12", "25");
    layRow(w, 0, 3, 9, "20");
    layRow(w, 0, 8, 10, "30", "10");
    layRow(w, 1, 0, 1, "4");
    layRow(w, 1, 1, QString("Re-Construction"), "25");
    layRow(w, 1, 2, 5, "10", "12.4");
    EXPECT_EQ(w.Opt(1).Depth[2]->Text(), "12.4");  // kept as typed
    const Expected asphalt{"$ 150,000",
                           "$ 30,000",
                           {"$ 176,000", "$ 368,505", "$ 66,021"},
                           {"$ 2,480", "$ 3,333", "$ 1,675"},
                           {"$ 120,000", "$ 460,275", "$ 216,994"}};
    expectOptionTwo(w, asphalt);
    w.CmdClose->click();
    expectStoredOptionTwo(w, asphalt);
    EXPECT_EQ(stored(w).Number("OptTwoTwoDepth"), 12.4);

    // The same row serves the user's surface: the same schedule, priced anew.
    UserActivates(&main());
    setField("SurfaceTwo", "Gravel Seal");
    entry().ResetEntries();
    EXPECT_EQ(w.LblOption->Caption(), "Gravel Seal");
    calculate();
    EXPECT_EQ(w.LblOption->Caption(), "Gravel Seal");
    EXPECT_EQ(w.Opt(1).Depth[2]->Text(), "12");
    EXPECT_EQ(w.Opt(1).Units[2]->Caption(), "% Area");
    const Expected user{"$ 126,000",
                        "$ 25,200",
                        {"$ 152,000", "$ 318,254", "$ 57,018"},
                        {"$ 2,400", "$ 3,225", "$ 1,621"},
                        {"$ 100,800", "$ 397,567", "$ 185,417"}};
    expectOptionTwo(w, user);
    UserActivates(&main());
    expectStoredOptionTwo(w, user);
}

TEST_F(CustomAcacTest, OptionTwoRepricesAsItsDepthIsTyped) {
    FmCustomACAC& w = open();
    layRow(w, 1, 0, 7, "5");  // Overlay, depth "0.0" from the pick
    layRow(w, 0, 0, 7, "5");
    TextBox* two = w.Opt(1).Depth[0];
    TextBox* one = w.Opt(0).Depth[0];
    EXPECT_EQ(two->Text(), "0.0");
    const QString totalBefore = w.Opt(1).TotalInflated->Caption();
    type(two, "2");
    // 90,000 x 0.50 x 2 / 9 = 10,000 in year 5: 11,593 / 8,219, before the box is left.
    EXPECT_EQ(w.Opt(1).Inflated[0]->Caption(), "$ 11,593");
    EXPECT_EQ(w.Opt(1).Value[0]->Caption(), "$ 8,219");
    EXPECT_NE(w.Opt(1).TotalInflated->Caption(), totalBefore);
    QTest::keyClicks(two, "0");
    EXPECT_EQ(w.Opt(1).Cost[0]->Caption(), "$ 100,000");
    type(one, "2");
    EXPECT_EQ(w.Opt(0).Inflated[0]->Caption(), "$ 0");
    tab();
    EXPECT_EQ(w.Opt(0).Inflated[0]->Caption(), "$ 11,593");

    // A percentage out of range at a keystroke: message, empty, repriced without it.
    focus(w.Opt(1).Activity[1]);
    pick(w.Opt(1).Activity[1], 3);
    EXPECT_EQ(w.Opt(1).Depth[1]->Text(), "0");
    layRow(w, 1, 1, 3, "6");
    const size_t before = messageCount();
    type(w.Opt(1).Depth[1], "150");
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().text, "% Area Must Be Between 0 and 100%");
    EXPECT_EQ(lastMessage().title, "Data Entry Error");
    EXPECT_EQ(w.Opt(1).Depth[1]->Text(), "");
    EXPECT_EQ(w.Opt(1).Inflated[1]->Caption(), "$ 0");
    type(w.Opt(1).Depth[1], "100");
    EXPECT_EQ(messageCount(), before + 1);
}

TEST_F(CustomAcacTest, ClearLeavesTheTotalsAsConstructionLessSalvage) {
    FmCustomACAC& w = open();
    layRow(w, 1, 0, 1, "4");
    layRow(w, 1, 4, 7, "6", "3");
    layRow(w, 0, 2, 3, "12", "25");
    w.CmdClearFields->click();
    CustomScheduleWindow::Option& two = w.Opt(1);
    EXPECT_EQ(two.TotalInflated->Caption(), "$ 77,182");  // 150,000 - 72,818
    EXPECT_EQ(two.TotalValue->Caption(), "$ 140,750");
    EXPECT_EQ(w.Opt(0).TotalInflated->Caption(), "$ 22,718");
    EXPECT_EQ(two.SalvageCost->Caption(), "$ 30,000");
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(two.Activity[i]->Text(), "Fog Seal");
        EXPECT_EQ(two.Depth[i]->Text(), "0");
        EXPECT_TRUE(two.Depth[i]->isHidden());
        EXPECT_EQ(two.Inflated[i]->Caption(), "$ 0");
    }
    Recordset& r = stored(w);
    EXPECT_EQ(r.Number("OptTwoTotalInflated"), 77182);
    EXPECT_EQ(r.Number("OptTwoTotalValue"), 140750);
    EXPECT_EQ(r.Text("OptTwoFour"), " ");
    EXPECT_EQ(r.Number("OptTwoFourDepth"), 0);

    // No salvage: "Clear Entries" shows the salvage directly as "$ ", the next load as "$ 0".
    UserActivates(&main());
    setField("SalvageTwo", "0");
    entry().ResetEntries();
    UserActivates(&w);
    EXPECT_EQ(two.SalvageCost->Caption(), "$ 0");
    w.CmdClearFields->click();
    EXPECT_EQ(two.SalvageCost->Caption(), "$ ");
    EXPECT_EQ(two.TotalInflated->Caption(), "$ 150,000");
}

TEST_F(CustomAcacTest, AMaintenanceItemNamedChipSealCutsNothingShort) {
    setField("MaintOptionOneLabel", "Chip Seal");
    Recordset& r = main().rstCustomACAC;
    r.Edit();
    r.SetField("OptTwoEight", "Fog Seal");
    r.SetField("OptTwoEightYear", 5);
    r.SetField("OptOneFour", "Chip Seal");
    r.SetField("OptOneFourYear", 5);
    r.SetField("OptOneFourDepth", 10);
    r.Update();
    FmCustomACAC& w = open();
    for (int o = 0; o < 2; ++o) {
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(w.Opt(o).Activity[i]->ListCount(), 13) << o << "/" << i;
            EXPECT_EQ(w.Opt(o).Activity[i]->List(10), "Chip Seal");
        }
    }
    EXPECT_EQ(w.Opt(1).Inflated[8]->Caption(), "$ 5,796");
    // The user's rule is the last equal entry: 90,000 x 2.85 x 10 / 9 / 100 = 2,850.
    EXPECT_EQ(w.Opt(0).Cost[4]->Caption(), "$ 2,850");
    EXPECT_EQ(w.Opt(0).Units[4]->Caption(), "% Area");
    EXPECT_EQ(w.Opt(0).TotalInflated->Caption(), "$ 26,022");  // 30,000 + 3,304 - 7,282
}

TEST_F(CustomAcacTest, TheHeadingAfterTheDataEntryWindowIsActivatedAgain) {
    FmCustomACAC& w = open();
    UserActivates(&main());
    EXPECT_EQ(w.LblOption->Caption(), "Hot Mix Asphalt #2");
    UserActivates(&w);
    EXPECT_EQ(w.Opt(1).ConstCost->Caption(), "$ 150,000");
    UserActivates(&main());
    pick(entry().CbxSurfaceTwo, 2);
    calculate();
    UserActivates(&main());
    EXPECT_EQ(w.LblOption->Caption(), "Gravel Seal");

    // A comparison picked in the list and the window activated again, without Calculate:
    // the heading names the surface that the window now prices.
    pick(entry().CbxSurfaceTwo, 1);
    UserActivates(&w);
    EXPECT_EQ(w.LblOption->Caption(), "Hot Mix Asphalt #2");
    EXPECT_EQ(w.Opt(1).ConstCost->Caption(), "$ 150,000");
    UserActivates(&main());
    pick(entry().CbxSurfaceTwo, 2);
    UserActivates(&w);
    EXPECT_EQ(w.LblOption->Caption(), "Gravel Seal");
    EXPECT_EQ(w.Opt(1).ConstCost->Caption(), "$ 126,000");
}

}  // namespace

namespace {

TEST_F(CustomAcacTest, TheTitleBarCloseSavesAndNewLeavesTheNewRowAlone) {
    FmCustomACAC& w = open();
    layRow(w, 1, 0, 7, "5");
    type(w.Opt(1).Year[1], "7.6");  // not left
    w.close();
    Settle();
    EXPECT_FALSE(w.Visible());
    Recordset& r = stored(w);
    EXPECT_EQ(r.Text("OptTwoZero"), "Overlay");
    EXPECT_EQ(r.Number("OptTwoOneYear"), 8);
    EXPECT_EQ(r.Text("OptTwoOne"), "Fog Seal");

    calculate();
    UserActivates(&main());
    backend().answers = {MsgAnswer::No};
    menu("MenuFileNew");
    w.close();
    Settle();
    EXPECT_EQ(stored(w).Text("OptTwoZero"), "Fog Seal");
    EXPECT_EQ(stored(w).Number("OptTwoOneYear"), 0);
}

}  // namespace

// The arrow keys in a freshly loaded activity list move on from the entry the load wrote,
// in both custom windows: the first entry of a row stored without a year, or the stored
// activity.
namespace {

struct KeyedWindow {
    const char* surface;
    CustomScheduleWindow& (*window)(MDIMain&);
    const char* optionTwoFirst;
    const char* optionTwoNext;
};

class CustomListKeysTest : public CustomWindowTest,
                           public testing::WithParamInterface<KeyedWindow> {};

TEST_P(CustomListKeysTest, TheFirstDownGivesTheEntryAfterTheLoadedOne) {
    const KeyedWindow& k = GetParam();
    CustomScheduleWindow& w = k.window(main());
    Recordset& r = w.traits().recordset(main());
    r.Edit();
    r.SetField("OptOneFour", "Crack Seal");
    r.SetField("OptOneFourYear", 5);
    r.SetField("OptOneFourDepth", 10);
    r.Update();
    setField("SurfaceOptionTwoLabel", "Gravel Seal");
    enterProject(k.surface);
    calculate();
    ASSERT_TRUE(w.IsActiveForm());
    const struct {
        int option, row;
        QString loaded, next;
    } rows[] = {{0, 0, "Fog Seal", "Chip Seal"},
                {0, 4, "Crack Seal", "Seal Coat"},
                {1, 0, k.optionTwoFirst, k.optionTwoNext}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.loaded.toStdString());
        ComboBox* list = w.Opt(row.option).Activity[row.row];
        EXPECT_EQ(list->Text(), row.loaded);
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton, {}, list->lineEdit()->rect().center());
        Settle(1);
        ASSERT_EQ(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->Text(), row.next);
    }
}

CustomScheduleWindow& AggregateWindow(MDIMain& main) { return main.fmCustomACAG(); }
CustomScheduleWindow& AsphaltWindow(MDIMain& main) { return main.fmCustomACAC(); }

INSTANTIATE_TEST_SUITE_P(
    BothWindows, CustomListKeysTest,
    testing::Values(KeyedWindow{"Aggregate", AggregateWindow, "Blade", "Blade And Gravel"},
                    KeyedWindow{"Hot Mix Asphalt #2", AsphaltWindow, "Fog Seal", "Chip Seal"},
                    KeyedWindow{"Gravel Seal", AsphaltWindow, "Fog Seal", "Chip Seal"}),
    [](const testing::TestParamInfo<KeyedWindow>& info) {
        return QString::fromLatin1(info.param.surface)
            .remove(QRegularExpression("[^A-Za-z0-9]"))
            .toStdString();
    });

}  // namespace
