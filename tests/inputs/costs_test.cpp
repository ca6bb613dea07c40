// The unit cost window through the whole application: its boxes, their test, their reload
// and store, and its buttons.
#include <gtest/gtest.h>

#include <QApplication>

#include "common/format.h"
#include "inputs_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

class CostsTest : public InputsTest {
  protected:
    TextBox* box(const char* name) { return costs().findChild<TextBox*>(name); }
    void show() { menu("MenuEditSetCosts"); }
    // The label standing in the same row as `w`, at its left (or right).
    QString labelBeside(QWidget* w, bool left) {
        Label* best = nullptr;
        for (Label* l : costs().findChildren<Label*>()) {
            if (qAbs(l->geometry().center().y() - w->geometry().center().y()) > 4) continue;
            const bool isLeft = l->geometry().right() < w->geometry().left();
            const bool isRight = l->geometry().left() > w->geometry().right();
            if (left ? !isLeft : !isRight) continue;
            const int d = left ? w->geometry().left() - l->geometry().right()
                               : l->geometry().left() - w->geometry().right();
            const int bestD = !best  ? INT_MAX
                              : left ? w->geometry().left() - best->geometry().right()
                                     : best->geometry().left() - w->geometry().right();
            if (d < bestD) best = l;
        }
        return best ? best->objectName() + "=" + best->Caption() : QString();
    }
};

TEST_F(CostsTest, BoxesStandInTabOrderWithTheirCaptionsAndUnits) {
    EXPECT_EQ(costs().windowTitle(), "Life Cycle Materials Costs");
    // Its size is fixed: no maximize.
    EXPECT_FALSE(costs().windowFlags() & Qt::WindowMaximizeButtonHint);
    show();
    focus(costs().TbxAsphaltCost);
    QStringList order{"TbxAsphaltCost"};
    for (int i = 0; i < 29; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Settle(1);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order.join(" "),
              "TbxAsphaltCost TbxAsphaltCost2 TbxAggregateCost TbxSurfaceOptionTwoCost "
              "TbxAggBaseCost TbxStablizedsubgradeCost TbxSubgradePrepCost TbxPavementFabricCost "
              "TbxDemolitionCost TbxConstOptionOneCost TbxConstOptionTwoCost TbxFogSealCost "
              "TbxChipSealCost TbxSlurrySealCost TbxSealCoatCost TbxCrackSealCost TbxPatchCost "
              "TbxInfaredCost TbxOverlayCost TbxRotomillCost TbxBladeCost TbxBladeGravelCost "
              "TbxDustControlCost TbxMaintOptionOneCost TbxMaintOptionTwoCost "
              "TbxMaintOptionThreeCost CmdReset CmdSave CmdPrintForm CmdClose");

    struct Row {
        const char* box;
        const char* caption;  // the name label's name and text, or a fixed caption
        const char* unit;
    };
    const Row rows[] = {
        {"TbxAsphaltCost", "Hot Mix Asphalt", "$/sq yd/in"},
        {"TbxSurfaceOptionTwoCost", "LblSurfaceOptionTwo=Undefined", "$/sq yd/in"},
        {"TbxStablizedsubgradeCost", "Stabilized Subgrade", "$/sq yd/in"},
        {"TbxSubgradePrepCost", "Subgrade Prep", "$/sq yd"},
        {"TbxConstOptionTwoCost", "LblConstOptionTwoLabel=Comparison Other", "$/sq yd/in"},
        {"TbxInfaredCost", "Infared Patch", "$/sq yd"},
        {"TbxRotomillCost", "Rotomill", "$/sq yd/in"},
        {"TbxBladeCost", "Blade ", "$/sq yd"},
        {"TbxBladeGravelCost", "Blade And Gravel", "$/sq yd/in"},
        {"TbxMaintOptionThreeCost", "LblMaintOptionThreeLabel=Other Type Three", "$/sq yd"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.box);
        const QString caption = labelBeside(box(r.box), true);
        if (QString(r.caption).contains('='))
            EXPECT_EQ(caption, r.caption);
        else
            EXPECT_TRUE(caption.endsWith(QString("=") + r.caption)) << caption.toStdString();
        EXPECT_TRUE(labelBeside(box(r.box), false).endsWith(QString("=") + r.unit));
    }
    QStringList headings;
    for (Label* l : costs().findChildren<Label*>())
        if (l->font().bold()) headings << l->Caption();
    headings.sort();
    EXPECT_EQ(headings.join("|"),
              "Aggregate Maintenance Costs|Construction / Replacement Costs|"
              "Hot Mix Asphalt Maintenance Costs|Optional Maintenance");
    const QRect client(QPoint(0, 0), costs().size());
    for (QWidget* child : costs().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
}

TEST_F(CostsTest, StartUpFilledTheBoxesSoAnEarlyStoreKeepsTheCosts) {
    EXPECT_FALSE(costs().Visible());
    EXPECT_EQ(costs().TbxAsphaltCost->Text(), "0.80");
    std::vector<double> before;
    for (const auto& c : costs().Boxes()) {
        EXPECT_EQ(c.box->Text(), ShownCost(record().Number(c.field))) << c.field.toStdString();
        before.push_back(record().Number(c.field));
    }
    costs().SaveEntries();
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(record().Number(costs().Boxes()[i].field), before[i]);
    EXPECT_EQ(costs().Boxes().size(), 26u);
}

TEST_F(CostsTest, TheBoxTestRefusesAboveTheCeilingAndStoresWhatWasTyped) {
    show();
    TextBox* fog = costs().findChild<TextBox*>("TbxFogSealCost");
    TextBox* next = costs().findChild<TextBox*>("TbxChipSealCost");
    struct Case {
        const char* typed;
        bool message;
        const char* left;
        double stored;
    };
    const Case cases[] = {
        {"999.99", false, "999.99", 999.99}, {"999.991", true, "0.00", 0},
        {"1000", true, "0.00", 0},           {"", false, "0.00", 0},
        {"abc", false, "0.00", 0},           {"-5", false, "-5", -5},
        {"1,000", true, "0.00", 0},          {"$5", false, "$5", 5},
        {"2.5", false, "2.5", 2.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const size_t before = messageCount();
        enter(fog, c.typed, next);
        EXPECT_EQ(messageCount(), before + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(lastMessage().text, "Unit Cost Can Not Be Greater Than $999.99");
            EXPECT_EQ(lastMessage().title, "Data Entry Error");
            EXPECT_EQ(lastMessage().style, MsgStyle::Ok);
        }
        EXPECT_EQ(fog->Text(), c.left);
        costs().CmdSave->click();
        EXPECT_DOUBLE_EQ(record().Number("FogSealCost"), c.stored);
        EXPECT_TRUE(costs().Visible());
    }
    // The next reload shows the stored cost by its pattern.
    costs().CmdReset->click();
    EXPECT_EQ(fog->Text(), "2.50");
}

TEST_F(CostsTest, ResetDropsTypingAndLeavingTheWindowStoresIt) {
    show();
    TextBox* blade = box("TbxBladeCost");
    type(blade, "7");
    costs().CmdReset->click();
    EXPECT_EQ(blade->Text(), "4.44");

    // Turning to the data entry window stores the typing; the reload on the return
    // shows it by the pattern.
    type(blade, "7");
    UserActivates(&main());
    EXPECT_EQ(record().Number("BladeCost"), 7);
    show();
    EXPECT_EQ(blade->Text(), "7.00");

    // Typed, then closed: stored too, so the next showing gives it back.
    type(blade, "6.5");
    costs().CmdClose->click();
    EXPECT_FALSE(costs().Visible());
    EXPECT_EQ(record().Number("BladeCost"), 6.5);
    show();
    EXPECT_EQ(blade->Text(), "6.50");
    setField("BladeCost", 4.44);

    // More than two decimals: shown and then stored as two.
    setField("BladeCost", 1.234);
    costs().CmdReset->click();
    EXPECT_EQ(blade->Text(), "1.23");
    costs().CmdSave->click();
    EXPECT_DOUBLE_EQ(record().Number("BladeCost"), 1.23);
    EXPECT_FALSE(main().bStateChanged);

    // "Reset" also restores the name labels.
    costs().LblMaintOptionOneLabel->SetCaption("x");
    costs().CmdReset->click();
    EXPECT_EQ(costs().LblMaintOptionOneLabel->Caption(), "Other Type One");
    EXPECT_EQ(costs().LblConstOptionOneLabel->Caption(), "HMA Other");

    // The frame's close box hides the window as "Close" does.
    type(blade, "8");
    costs().close();
    EXPECT_FALSE(costs().Visible());
    EXPECT_EQ(blade->Text(), "8");
    EXPECT_EQ(record().Number("BladeCost"), 8);
    EXPECT_FALSE(main().bStateChanged);
}

TEST_F(CostsTest, NewWhileHiddenBringsTheBoxesToTheNewProject) {
    show();
    type(box("TbxOverlayCost"), "9");
    costs().CmdClose->click();
    menu("MenuFileNew");
    EXPECT_EQ(box("TbxOverlayCost")->Text(), "0.50");
}

}  // namespace
