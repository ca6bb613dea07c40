// The item naming window through the whole application: its buttons, the spreading of the
// names, and how it drops unsaved edits.
#include <gtest/gtest.h>

#include <QApplication>

#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "inputs_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

class DefineOptionsTest : public InputsTest {
  protected:
    void show() { menu("MenuEditDefineOptions"); }
    std::vector<TextBox*> boxes() {
        FmDefineOptions& w = names();
        return {w.TbxSurfaceOptionTwo, w.TbxConstOptionOne, w.TbxConstOptionTwo,
                w.TbxMaintOptionOne,   w.TbxMaintOptionTwo, w.TbxMaintOptionThree};
    }
    QStringList texts() {
        QStringList t;
        for (TextBox* b : boxes()) t << b->Text();
        return t;
    }
    QStringList stored() {
        QStringList t;
        for (const char* f :
             {"SurfaceOptionTwoLabel", "ConstOptionOneLabel", "ConstOptionTwoLabel",
              "MaintOptionOneLabel", "MaintOptionTwoLabel", "MaintOptionThreeLabel"})
            t << record().Text(f);
        return t;
    }
    const QStringList kNew{"Undefined",      "HMA Other",      "Comparison Other",
                           "Other Type One", "Other Type Two", "Other Type Three"};
    const QStringList kBuiltIn{"Undefined",       "HMA Other",       "Comparison Other",
                               "Maintenance One", "Maintenance Two", "Maintenance Three"};
};

TEST_F(DefineOptionsTest, ControlsCaptionsAndTabOrder) {
    FmDefineOptions& w = names();
    EXPECT_EQ(w.windowTitle(), "Define Optional Construction Or Maintenance Options");
    EXPECT_FALSE(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Comparison Surface Option"},
        {"Label5", "HMA  Construction/Replacement Option"},
        {"Label6", "Comparison Construction/Replacement Option"},
        {"Label2", "Maintenance Option One"},
        {"Label3", "Maintenance Option Two"},
        {"Label4", "Maintenance Option Three"},
    };
    for (auto [name, caption] : labels) {
        auto* l = w.findChild<Label*>(name);
        ASSERT_NE(l, nullptr) << name;
        EXPECT_EQ(l->Caption(), caption);
    }
    EXPECT_EQ(w.CmdDefault->text(), "Reset Defaults");
    EXPECT_EQ(w.CmdReset->text(), "Reset To Saved");
    EXPECT_EQ(w.CmdSave->text(), "Save");
    EXPECT_EQ(w.CmdExit->text(), "Exit");
    for (Button* b : {w.CmdDefault, w.CmdReset, w.CmdSave, w.CmdExit})
        EXPECT_FALSE(b->isDefault() || b->autoDefault());

    show();
    EXPECT_EQ(w.focusWidget(), w.CmdExit);  // each activation puts the focus on "Exit"
    focus(w.TbxSurfaceOptionTwo);
    QStringList order{w.TbxSurfaceOptionTwo->objectName()};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Settle(1);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order.join(" "),
              "TbxSurfaceOptionTwo TbxConstOptionOne TbxConstOptionTwo TbxMaintOptionOne "
              "TbxMaintOptionTwo TbxMaintOptionThree CmdDefault CmdReset CmdSave CmdExit");
}

TEST_F(DefineOptionsTest, SaveStoresTheNamesAndSpreadsThemEverywhere) {
    show();
    FmDefineOptions& w = names();
    const QStringList typed{"Gravel Seal", "Mill", "Recycle", "Crack Fill", "Sweep", "   "};
    for (int i = 0; i < typed.size(); ++i) boxes()[static_cast<size_t>(i)]->SetText(typed[i]);
    w.CmdSave->click();
    EXPECT_EQ(stored(), typed);
    EXPECT_FALSE(w.Visible());
    EXPECT_FALSE(main().bStateChanged);

    EXPECT_EQ(entry().CbxSurfaceTwo->List(2), "Gravel Seal");
    EXPECT_EQ(entry().LblConstOptionOne->Caption(), "Mill");
    EXPECT_EQ(entry().LblConstOptionTwo->Caption(), "Recycle");
    EXPECT_EQ(costs().LblSurfaceOptionTwo->Caption(), "Gravel Seal");
    EXPECT_EQ(costs().LblMaintOptionTwoLabel->Caption(), "Sweep");
    EXPECT_EQ(costs().LblMaintOptionThreeLabel->Caption(), "   ");
    // The comparison list shows "Aggregate", not the user's surface: the asphalt window's
    // heading names the second asphalt design it would price.
    EXPECT_EQ(main().fmCustomACAC().LblOption->Caption(), "Hot Mix Asphalt #2");
}

TEST_F(DefineOptionsTest, DefaultsAreStoredOnlyBySave) {
    show();
    names().CmdDefault->click();
    EXPECT_EQ(texts(), kBuiltIn);
    EXPECT_EQ(stored(), kNew);
    names().CmdExit->click();
    EXPECT_FALSE(names().Visible());
    EXPECT_EQ(stored(), kNew);
    show();
    EXPECT_EQ(texts(), kNew);

    names().CmdDefault->click();
    names().CmdReset->click();
    EXPECT_EQ(texts(), kNew);

    names().CmdDefault->click();
    names().CmdSave->click();
    EXPECT_EQ(stored(), kBuiltIn);
    EXPECT_EQ(entry().CbxSurfaceTwo->List(2), "Undefined");
}

TEST_F(DefineOptionsTest, AnEmptiedBoxGetsItsStoredNameBack) {
    show();
    FmDefineOptions& w = names();
    w.CmdDefault->click();
    enter(w.TbxMaintOptionOne, "", w.TbxMaintOptionTwo);
    EXPECT_EQ(w.TbxMaintOptionOne->Text(), "Other Type One");
    enter(w.TbxMaintOptionTwo, "  ", w.TbxMaintOptionThree);
    EXPECT_EQ(w.TbxMaintOptionTwo->Text(), "  ");

    // The box is left before the click of the button that takes the focus from it.
    type(w.TbxConstOptionTwo, "");
    QTest::mouseClick(w.CmdSave, Qt::LeftButton);
    Settle();
    EXPECT_EQ(record().Text("ConstOptionTwoLabel"), "Comparison Other");
    EXPECT_EQ(record().Text("MaintOptionTwoLabel"), "  ");
}

TEST_F(DefineOptionsTest, TurningToAnotherWindowDropsTheEditsAndHides) {
    show();
    type(names().TbxSurfaceOptionTwo, "Typed");
    UserActivates(&main());
    EXPECT_FALSE(names().Visible());
    EXPECT_EQ(names().TbxSurfaceOptionTwo->Text(), "Undefined");
    EXPECT_EQ(ActivationTracker::instance().current(), &entry());
    EXPECT_EQ(stored(), kNew);

    show();
    EXPECT_EQ(texts(), kNew);
    EXPECT_EQ(names().focusWidget(), names().CmdExit);

    // The frame's close box hides it too.
    type(names().TbxConstOptionOne, "Typed");
    names().close();
    EXPECT_FALSE(names().Visible());
    EXPECT_EQ(names().TbxConstOptionOne->Text(), "HMA Other");
}

TEST_F(DefineOptionsTest, RefusedWhileTheCostWindowIsShown) {
    menu("MenuEditSetCosts");
    show();
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().title, "System Status");
    EXPECT_FALSE(names().Visible());
    costs().CmdClose->click();
    show();
    EXPECT_TRUE(names().Visible());
}

}  // namespace
