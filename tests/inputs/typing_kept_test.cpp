// What the user types in the data entry and unit cost windows survives turning to another
// window and back; "Reset Entries", "Reset", New and Open still replace it.
#include <gtest/gtest.h>

#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "analysis/default/fm_default_acag.h"
#include "inputs_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

class TypingKeptTest : public InputsTest {
  protected:
    TextBox* cost(const char* name) { return costs().findChild<TextBox*>(name); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void showCosts() { menu("MenuEditSetCosts"); }
    void backToEntry() { UserActivates(&main()); }
};

TEST_F(TypingKeptTest, TypingSurvivesARoundTripAndCalculateStoresIt) {
    FmDataEntry& w = entry();
    click(w.ChkHighMaintenance);
    type(w.TbxName, "Main St");
    enter(w.TbxLength, "1234", w.TbxWidth);
    type(w.TbxWidth, "24");  // not left: its check has not run

    showCosts();
    type(cost("TbxBladeCost"), "7");
    type(cost("TbxFogSealCost"), "5000");  // above the ceiling, not left
    costs().CmdClose->click();
    backToEntry();

    // Leaving a window checks none of its fields and shows nothing.
    EXPECT_TRUE(backend().messages.empty());
    EXPECT_FALSE(main().bStateChanged);
    EXPECT_EQ(ActivationTracker::instance().current(), &w);
    EXPECT_EQ(w.TbxName->Text(), "Main St");
    EXPECT_EQ(w.TbxLength->Text(), "1,234");
    EXPECT_EQ(w.TbxWidth->Text(), "24");
    EXPECT_EQ(w.LblArea->Caption(), "");
    EXPECT_EQ(w.ChkHighMaintenance->Value(), 1);
    // Leaving the width within the window runs its check, which forms the area.
    focus(w.TbxInflationRate);
    EXPECT_EQ(w.LblArea->Caption(), "29,616");

    // A box its check would correct is not stored: the record keeps its value, which
    // "Set Cost Coefficients" reloads, and the fog seal box, left within the window as the
    // focus moves to the first box, passes its check.
    EXPECT_EQ(record().Number("FogSealCost"), 0.25);
    showCosts();
    EXPECT_EQ(cost("TbxBladeCost")->Text(), "7.00");
    EXPECT_EQ(cost("TbxFogSealCost")->Text(), "0.25");
    EXPECT_TRUE(backend().messages.empty());

    backToEntry();
    w.CmdCompute->click();
    Settle();
    EXPECT_TRUE(main().fmDefaultACAG().Visible());
    EXPECT_EQ(record().Text("ProjectName"), "Main St");
    EXPECT_EQ(record().Number("Length"), 1234);
    EXPECT_EQ(record().Number("Width"), 24);
    EXPECT_EQ(record().Number("Area"), 29616);
    EXPECT_EQ(record().Number("HighMaintenance"), 1);
    EXPECT_EQ(record().Text("Maintenance"), "High");
    EXPECT_EQ(record().Number("BladeCost"), 7);
    EXPECT_EQ(record().Number("FogSealCost"), 0.25);
}

// Leaving a window stores the box being typed in only when its check accepts the text as
// it stands; otherwise the record keeps its value. Nothing shows a message.
TEST_F(TypingKeptTest, LeavingAWindowStoresNoTextItsCheckWouldCorrect) {
    struct Case {
        const char* box;
        const char* field;
        const char* typed;
        QVariant stored;
    };
    const Case costCases[] = {
        {"TbxAsphaltCost", "AsphaltCementCost", "1e400", 0.8},   // no number
        {"TbxAsphaltCost2", "AsphaltCementCost2", "1e39", 2.0},  // above the ceiling
        {"TbxAggregateCost", "AggregateCost", "-5", -5.0},       // accepted as typed
        {"TbxFogSealCost", "FogSealCost", "-2e9", 0.25},         // beyond the largest cost
        {"TbxBladeCost", "BladeCost", "999.99", 999.99},
    };
    for (const Case& c : costCases) {
        SCOPED_TRACE(c.typed);
        showCosts();
        type(cost(c.box), c.typed);
        backToEntry();
        EXPECT_EQ(record().Number(c.field), c.stored.toDouble());
        EXPECT_EQ(cost(c.box)->Text(), c.typed);  // the box keeps what was typed
    }

    FmDataEntry& w = entry();
    const Case entryCases[] = {
        {"TbxName", "ProjectName", "O'Brien", "New Project"},
        {"TbxFrom", "From", "Oak", "Oak"},
        {"TbxLength", "Length", "600000", 0},
        {"TbxWidth", "Width", "1,200", 1200},
        {"TbxSurfaceDepthOne", "SurfaceDepthOne", "150", 0},
        {"TbxBaseOne", "BaseCourseOne", "6", 6},
        {"TbxConstOptionOne", "ConstOptionOne", "1e40", 0},
        {"TbxConstOptionTwo", "ConstOptionTwo", "", 0},  // the check leaves it empty
        {"TbxInflationRate", "InflationRate", "25", 0},
        {"TbxInterestRate", "InterestRate", "-4", 0},
        {"CbxMonth", "ProjectDate", "mar", "Jan-2001"},  // as an earlier leave stored it
        {"CbxYear", "ProjectDate", "2021", "Jan-2001"},
        {"CbxSalvageTwo", "SalvageTwo", "10", "10"},
        {"CbxAnalysisPeriod", "AnalysisText", "35", "30"},
    };
    for (const Case& c : entryCases) {
        SCOPED_TRACE(c.typed);
        backToEntry();
        type(w.findChild<QWidget*>(c.box), c.typed);
        showCosts();
        expectRow(record(), {{c.field, c.stored}});
    }
    EXPECT_EQ(record().Number("AnalysisPeriod"), 1);
    // A stored year that is no entry stays beside a month picked in the window.
    setField("ProjectDate", "Mar-2025");
    backToEntry();
    pick(w.CbxMonth, 3);
    showCosts();
    EXPECT_EQ(record().Text("ProjectDate"), "Apr-2025");
    EXPECT_TRUE(backend().messages.empty());

    // Within the window, leaving the box runs its check with its message.
    backToEntry();
    type(w.TbxSurfaceDepthOne, "150");
    focus(w.TbxBaseOne);
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().text, "Depth Must Be Between 0 And 100 Inches ");
    EXPECT_EQ(w.TbxSurfaceDepthOne->Text(), "0");
}

// A unit cost beyond any number, typed and not left, no longer reaches the custom window.
TEST_F(TypingKeptTest, AnUncheckedUnitCostLeavesTheCustomWindowWorking) {
    FmDataEntry& w = entry();
    showCosts();
    type(cost("TbxAsphaltCost"), "1e400");
    click(w.CbxSurfaceTwo);
    Settle();
    pick(w.CbxSurfaceTwo, 1);
    ASSERT_EQ(w.CbxSurfaceTwo->Text(), "Hot Mix Asphalt #2");
    if (w.ChkCustomMaintenance->Value() == 0) click(w.ChkCustomMaintenance);
    w.CmdCompute->click();
    Settle();
    EXPECT_TRUE(main().fmCustomACAC().Visible());
    EXPECT_TRUE(backend().messages.empty());
    EXPECT_EQ(record().Number("AsphaltCementCost"), 0.8);
}

TEST_F(TypingKeptTest, ResetNewAndOpenStillReplaceTyping) {
    FmDataEntry& w = entry();
    type(w.TbxName, "In File");
    backend().fileNames.push_back(path("p.mdb"));
    menu("MenuFileSaveAs");

    // "Reset Entries" and "Reset" drop what was typed since the window's last reload.
    type(w.TbxName, "Kept");
    showCosts();
    type(cost("TbxBladeCost"), "7");
    backToEntry();
    type(w.TbxName, "Dropped");
    w.CmdReset->click();
    EXPECT_EQ(w.TbxName->Text(), "Kept");
    showCosts();
    type(cost("TbxBladeCost"), "8");
    costs().CmdReset->click();
    EXPECT_EQ(cost("TbxBladeCost")->Text(), "7.00");

    // Open while the unit cost window holds typing: both windows show the file, and
    // leaving them stores the file's values, not what was typed before.
    type(cost("TbxBladeCost"), "9");
    ASSERT_FALSE(main().bStateChanged);
    backend().fileNames.push_back(path("p.mdb"));
    menu("MenuFileOpen");
    EXPECT_EQ(cost("TbxBladeCost")->Text(), "4.44");
    EXPECT_EQ(w.TbxName->Text(), "In File");
    backToEntry();
    showCosts();
    backToEntry();
    EXPECT_EQ(record().Number("BladeCost"), 4.44);
    EXPECT_EQ(record().Text("ProjectName"), "In File");
    EXPECT_EQ(w.TbxName->Text(), "In File");
    EXPECT_FALSE(main().bStateChanged);

    // New while the data entry window holds typing.
    type(w.TbxName, "Before New");
    menu("MenuFileNew");
    EXPECT_EQ(w.TbxName->Text(), "New Project");
    showCosts();
    backToEntry();
    EXPECT_EQ(w.TbxName->Text(), "New Project");
    EXPECT_EQ(record().Text("ProjectName"), "New Project");
    EXPECT_TRUE(backend().messages.empty());
}

}  // namespace
