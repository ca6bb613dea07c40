// What the user types in the data entry and unit cost windows survives turning to another
// window and back; "Reset Entries", "Reset", New and Open still replace it.
#include <gtest/gtest.h>

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

    // "Set Cost Coefficients" reloads, then gives the focus to the first box: the fog seal
    // box is left within the window, and its check runs on what was reloaded.
    EXPECT_EQ(record().Number("FogSealCost"), 5000);
    showCosts();
    EXPECT_EQ(cost("TbxBladeCost")->Text(), "7.00");
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().text, "Unit Cost Can Not Be Greater Than $999.99");
    EXPECT_EQ(cost("TbxFogSealCost")->Text(), "0.00");

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
    EXPECT_EQ(record().Number("FogSealCost"), 0);
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
