// The data entry window through the whole application: its controls, its reload and store,
// its field checks, the level rules and Calculate, and the event rules they rely on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "analysis/default/fm_default_acac.h"
#include "analysis/default/fm_default_acag.h"
#include "inputs_fixture.h"
#include "platform/twips.h"

using namespace orv;
using namespace orv::test;

namespace {

class DataEntryTest : public InputsTest {
  protected:
    QString ticked() {
        QString s;
        const char* names[] = {"L", "M", "H", "C"};
        for (Level l : kLevels)
            if (entry().LevelBox(l)->Value() == 1) s += names[static_cast<int>(l)];
        return s;
    }
    std::vector<Form*> results() {
        return {&main().fmDefaultACAG(), &main().fmCustomACAG(), &main().fmDefaultACAC(),
                &main().fmCustomACAC()};
    }
    void hideResults() {
        for (Form* f : results()) f->Hide();
    }
    QString shownResults() {
        QStringList shown;
        for (Form* f : results())
            if (f->Visible()) shown << f->objectName();
        return shown.join(",");
    }
};

TEST_F(DataEntryTest, ControlsCarryTheirNamesCaptionsLimitsAndLayout) {
    FmDataEntry& w = entry();
    const std::pair<const char*, const char*> captions[] = {
        {"Label8", "PAVEMENT PROJECT DESCRIPTION"},
        {"Label3", "ORVALEN"},
        {"Label10", "Name "},
        {"Label11", "From "},
        {"Label12", "To "},
        {"Label28", "Project Date "},
        {"Label16", "-"},
        {"Label13", "Length ( ft )"},
        {"Label14", "Width ( ft )"},
        {"Label15", "Area  ( sq ft )"},
        {"Label17", "Analysis Period ( yrs )"},
        {"Label1", "PAVEMENT DESIGNS ( Enter Hot Mix Asphalt and One Selected Option)"},
        {"Label9", "Hot Mix Asphalt Pavement"},
        {"Label29", "Comparison Pavement Option"},
        {"lbl", "Hot Mix Asphalt Pavement"},
        {"Label4", "Aggregate Base Course"},
        {"Label5", "Aggregate Base Course"},
        {"Label6", "Stabilized Subgrade"},
        {"Label7", "Stabilized Subgrade"},
        {"Label20", "( in )"},
        {"Label22", "( in )"},
        {"Label23", "( in )"},
        {"Label33", "( in )"},
        {"Label24", "( in )"},
        {"Label25", "( in )"},
        {"Label26", "( in )"},
        {"Label32", "( in )"},
        {"Label2", "Salvage Value"},
        {"Label30", "Salvage Value"},
        {"Label35", "%"},
        {"Label36", "%"},
        {"Label27", "PAVEMENT LIFE CYCLE PARAMETERS"},
        {"Label19", "Planned Maintenance "},
        {"Label18", "Inflation Rate %"},
        {"Label21", "Interest Rate %"},
    };
    for (auto [name, caption] : captions) {
        auto* label = w.findChild<Label*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->Caption(), caption) << name;
    }
    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {w.ChkSubgradePrepOne, "Subgrade Prep             "},
        {w.ChkPavementFabricOne, "Paving Fabric         "},
        {w.ChkSubgradePrepTwo, "Subgrade Prep    "},
        {w.ChkPavementFabricTwo, "Paving Fabric"},
        {w.ChkLowMaintenance, "Low ( none )     "},
        {w.ChkModerateMaintenance, "Moderate ( 10yr ) "},
        {w.ChkHighMaintenance, "High ( 5 yr )"},
        {w.ChkCustomMaintenance, "Custom "},
        {w.CmdReset, "Reset Entries"},
        {w.CmdCompute, "Calculate"},
        {w.CmdPrintForm, "Print Form"},
    };
    for (auto [button, caption] : buttons) EXPECT_EQ(button->text(), caption);
    EXPECT_NE(w.findChild<Line*>("Line1"), nullptr);
    EXPECT_NE(w.findChild<Line*>("Line2"), nullptr);

    for (TextBox* box : {w.TbxSurfaceDepthOne, w.TbxBaseOne, w.TbxSubgradeOne, w.TbxSurfaceDepthTwo,
                         w.TbxBaseTwo, w.TbxSubgradeTwo, w.TbxConstOptionOne, w.TbxConstOptionTwo,
                         w.TbxInflationRate, w.TbxInterestRate})
        EXPECT_EQ(box->MaxLength(), 4) << box->objectName().toStdString();
    for (TextBox* box : {w.TbxName, w.TbxFrom, w.TbxTo, w.TbxLength, w.TbxWidth})
        EXPECT_EQ(box->MaxLength(), 0);
    EXPECT_EQ(w.TbxSurfaceDepthOne->font().family(), "MS Sans Serif");
    EXPECT_EQ(w.TbxInflationRate->font().family(), "Arial");
    EXPECT_EQ(w.findChild<Label*>("Label3")->font().italic(), true);
    EXPECT_EQ(w.findChild<Label*>("Label9")->palette().color(QPalette::WindowText),
              QColor(128, 64, 0));
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(192, 192, 192));

    // Every control stands inside the client area.
    const QRect client(QPoint(0, 0), QSize(TwipsToPixels(11025), TwipsToPixels(7560)));
    EXPECT_EQ(w.size(), client.size());
    for (QWidget* child : w.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();

    EXPECT_EQ(w.CbxMonth->ListCount(), 12);
    EXPECT_EQ(w.CbxYear->ListCount(), 20);
    EXPECT_EQ(w.CbxYear->List(19), "2020");
    EXPECT_EQ(w.CbxSalvageTwo->List(3), "20");
}

TEST_F(DataEntryTest, TabGoesThroughTheControlsInOrder) {
    FmDataEntry& w = entry();
    focus(w.TbxName);
    QStringList order{"TbxName"};
    for (int i = 0; i < 31; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Settle(1);
        QWidget* f = QApplication::focusWidget();
        if (qobject_cast<QComboBox*>(f->parentWidget())) f = f->parentWidget();
        order << f->objectName();
    }
    EXPECT_EQ(order.join(" "),
              "TbxName TbxFrom TbxTo CbxMonth CbxYear TbxLength TbxWidth CbxAnalysisPeriod "
              "TbxSurfaceDepthOne TbxBaseOne TbxSubgradeOne ChkSubgradePrepOne "
              "ChkPavementFabricOne TbxConstOptionOne CbxSalvageOne CbxSurfaceTwo "
              "TbxSurfaceDepthTwo TbxBaseTwo TbxSubgradeTwo ChkSubgradePrepTwo "
              "ChkPavementFabricTwo TbxConstOptionTwo CbxSalvageTwo ChkLowMaintenance "
              "ChkModerateMaintenance ChkHighMaintenance ChkCustomMaintenance TbxInflationRate "
              "TbxInterestRate CmdReset CmdCompute CmdPrintForm");
}

TEST_F(DataEntryTest, ANewProjectShowsItsValues) {
    FmDataEntry& w = entry();
    EXPECT_EQ(w.TbxName->Text(), "New Project");
    EXPECT_EQ(w.TbxFrom->Text(), " ");
    EXPECT_EQ(w.CbxMonth->Text(), "Jan");
    EXPECT_EQ(w.CbxYear->Text(), "2001");
    EXPECT_EQ(w.CbxAnalysisPeriod->Text(), "30");
    EXPECT_EQ(w.CbxAnalysisPeriod->ListIndex(), 1);
    EXPECT_EQ(w.TbxLength->Text(), "");
    EXPECT_EQ(w.TbxWidth->Text(), "");
    EXPECT_EQ(w.LblArea->Caption(), "");
    for (TextBox* box : {w.TbxSurfaceDepthOne, w.TbxBaseOne, w.TbxSubgradeOne, w.TbxConstOptionOne,
                         w.TbxSurfaceDepthTwo, w.TbxBaseTwo, w.TbxSubgradeTwo, w.TbxConstOptionTwo,
                         w.TbxInflationRate, w.TbxInterestRate})
        EXPECT_EQ(box->Text(), "0") << box->objectName().toStdString();
    EXPECT_EQ(w.CbxSalvageOne->Text(), "0");
    EXPECT_EQ(w.CbxSalvageTwo->Text(), "0");
    EXPECT_EQ(w.CbxSurfaceTwo->Text(), "Aggregate");
    EXPECT_EQ(w.LblConstOptionOne->Caption(), "HMA Other");
    EXPECT_EQ(w.LblConstOptionTwo->Caption(), "Comparison Other");
    EXPECT_EQ(ticked(), "");
}

TEST_F(DataEntryTest, SaveThenResetGivesBackEveryFieldInItsStoredForm) {
    FmDataEntry& w = entry();
    w.TbxName->SetText("Main Street");
    w.TbxFrom->SetText("Oak");
    w.TbxTo->SetText("Elm");
    w.CbxMonth->SetListIndex(2);
    w.CbxYear->SetListIndex(9);
    w.CbxAnalysisPeriod->SetListIndex(2);
    w.TbxLength->SetText("1,234");
    w.TbxWidth->SetText("24.5");
    w.LblArea->SetCaption("30,233");
    w.TbxSurfaceDepthOne->SetText("4.25");
    w.TbxBaseOne->SetText("6");
    w.TbxSubgradeOne->SetText(".5");
    w.ChkSubgradePrepOne->SetValue(1);
    w.TbxConstOptionOne->SetText("1.04");
    w.CbxSalvageOne->SetListIndex(2);
    pick(w.CbxSurfaceTwo, 1);
    w.TbxSurfaceDepthTwo->SetText("3");
    w.TbxBaseTwo->SetText("8");
    w.TbxSubgradeTwo->SetText("100");
    w.ChkPavementFabricTwo->SetValue(1);
    w.TbxConstOptionTwo->SetText("");
    w.CbxSalvageTwo->SetListIndex(3);
    w.TbxInflationRate->SetText("3.5");
    w.TbxInterestRate->SetText("4.75");
    w.ChkHighMaintenance->click();
    w.SaveEntries();

    Recordset& r = record();
    EXPECT_EQ(r.Text("ProjectName"), "Main Street");
    EXPECT_EQ(r.Text("From"), "Oak");
    EXPECT_EQ(r.Text("To"), "Elm");
    EXPECT_EQ(r.Text("ProjectDate"), "Mar-2010");
    EXPECT_EQ(r.Number("AnalysisPeriod"), 2);
    EXPECT_EQ(r.Text("AnalysisText"), "40");
    EXPECT_EQ(r.Number("Length"), 1234);
    EXPECT_EQ(r.Number("Width"), 25);
    EXPECT_EQ(r.Number("Area"), 30233);
    EXPECT_DOUBLE_EQ(r.Number("SurfaceDepthOne"), 4.3);
    EXPECT_EQ(r.Number("BaseCourseOne"), 6);
    EXPECT_DOUBLE_EQ(r.Number("SubgradeOne"), 0.5);
    EXPECT_EQ(r.Number("SubgradePrepOne"), 1);
    EXPECT_EQ(r.Number("PavementFabricOne"), 0);
    EXPECT_EQ(r.Number("ConstOptionOne"), 1);
    EXPECT_EQ(r.Text("SalvageOne"), "10");
    EXPECT_EQ(r.Text("SurfaceTwo"), "Hot Mix Asphalt #2");
    EXPECT_EQ(r.Number("SurfaceDepthTwo"), 3);
    EXPECT_EQ(r.Number("BaseCourseTwo"), 8);
    EXPECT_EQ(r.Number("SubgradeTwo"), 100);
    EXPECT_EQ(r.Number("SubgradePrepTwo"), 0);
    EXPECT_EQ(r.Number("PavementFabricTwo"), 1);
    EXPECT_EQ(r.Number("ConstOptionTwo"), 0);
    EXPECT_EQ(r.Text("SalvageTwo"), "20");
    EXPECT_DOUBLE_EQ(r.Number("InflationRate"), 3.5);
    EXPECT_DOUBLE_EQ(r.Number("InterestRate"), 4.8);
    EXPECT_EQ(r.Number("LowMaintenance"), 0);
    EXPECT_EQ(r.Number("ModMaintenance"), 0);
    EXPECT_EQ(r.Number("HighMaintenance"), 1);
    EXPECT_EQ(r.Number("CustomMaintenance"), 0);
    EXPECT_EQ(r.Text("Maintenance"), "High");
    EXPECT_FALSE(main().bStateChanged);

    // Typing over everything, then "Reset Entries": the stored values in their shown forms.
    w.TbxName->SetText("x");
    w.TbxLength->SetText("9");
    w.ChkLowMaintenance->click();
    pick(w.CbxSurfaceTwo, 0);
    w.CbxSalvageOne->SetListIndex(0);
    w.CmdReset->click();
    EXPECT_EQ(w.TbxName->Text(), "Main Street");
    EXPECT_EQ(w.CbxMonth->Text(), "Mar");
    EXPECT_EQ(w.CbxYear->Text(), "2010");
    EXPECT_EQ(w.CbxAnalysisPeriod->Text(), "40");
    EXPECT_EQ(w.TbxLength->Text(), "1,234");
    EXPECT_EQ(w.TbxWidth->Text(), "25");
    EXPECT_EQ(w.LblArea->Caption(), "30,233");
    EXPECT_EQ(w.TbxSurfaceDepthOne->Text(), "4.3");
    EXPECT_EQ(w.TbxSubgradeOne->Text(), "0.5");
    EXPECT_EQ(w.TbxConstOptionOne->Text(), "1");
    EXPECT_EQ(w.TbxConstOptionTwo->Text(), "0");
    EXPECT_EQ(w.TbxInterestRate->Text(), "4.8");
    EXPECT_EQ(w.ChkSubgradePrepOne->Value(), 1);
    EXPECT_EQ(w.ChkPavementFabricTwo->Value(), 1);
    EXPECT_EQ(w.CbxSalvageOne->Text(), "10");
    EXPECT_EQ(w.CbxSalvageTwo->Text(), "20");
    EXPECT_EQ(w.CbxSurfaceTwo->Text(), "Hot Mix Asphalt #2");
    EXPECT_EQ(ticked(), "H");

    // No level ticked: all four flags 0, the Maintenance text stays.
    w.ChkHighMaintenance->click();
    w.SaveEntries();
    EXPECT_EQ(r.Number("HighMaintenance"), 0);
    EXPECT_EQ(r.Text("Maintenance"), "High");
}

TEST_F(DataEntryTest, AStoredListValueThatIsNoEntryLeavesTheList) {
    pick(entry().CbxSalvageOne, 1);
    setField("SalvageOne", "15");
    setField("SurfaceTwo", "Gravel");
    entry().ResetEntries();
    EXPECT_EQ(entry().CbxSalvageOne->Text(), "5");
    EXPECT_EQ(entry().CbxSurfaceTwo->Text(), "");
    EXPECT_EQ(entry().CbxSurfaceTwo->ListIndex(), -1);
    entry().SaveEntries();
    EXPECT_EQ(record().Text("SalvageOne"), "5");
    EXPECT_EQ(record().Text("SurfaceTwo"), "");
}

TEST_F(DataEntryTest, RangeChecksGiveTheirMessageAndLeaveTheirValue) {
    FmDataEntry& w = entry();
    struct Case {
        TextBox* box;
        const char* bad;
        const char* message;
        const char* rejected;
        const char* notANumber;
        const char* good;
    };
    const Case cases[] = {
        {w.TbxLength, "500000.5", "Length Must Be Between 0 and 500,000 ft", "", "0", "500000"},
        {w.TbxWidth, "-1", "Width Must Be Between 0 and 100,000 ft", "", "0", "100000"},
        {w.TbxSurfaceDepthOne, "99.5", "Depth Must Be Between 0 And 100 Inches ", "0", "0", "99"},
        {w.TbxBaseOne, "100", "Depth Must Be Between 0 And 100 Inches ", "0", "0", "0"},
        {w.TbxSubgradeOne, "-1", "Depth Must Be Between 0 And 100 Inches ", "0", "0", "12"},
        {w.TbxSurfaceDepthTwo, "100", "Depth Must Be Between 0 And 100 Inches ", "0", "0", "4.5"},
        {w.TbxBaseTwo, "100", "Depth Must Be Between 0 And 100 Inches ", "0", "0", "99"},
        {w.TbxSubgradeTwo, "101", "Depth Must Be Between 0 And 100 Inches ", "0", "0", "100"},
        {w.TbxConstOptionOne, "-1", "Construction Option must be greater than or equal to $0", "0",
         "0", "9999"},
        {w.TbxConstOptionTwo, "-1", "Construction Option must be greater than or equal to $0", "",
         "", "9999"},
        // Beyond the largest depth the computations can price.
        {w.TbxConstOptionOne, "2e9", "Construction Option must be greater than or equal to $0", "0",
         "0", "1e9"},
        {w.TbxConstOptionTwo, "1e40", "Construction Option must be greater than or equal to $0", "",
         "", "1e9"},
        {w.TbxInflationRate, "20.5", "Inflation Rate must be between 0 and 20 %", "", "", "20"},
        {w.TbxInterestRate, "-1", "Interest Rate must be between 0 and 20 %", "", "", "0"},
        // The number checked is the whole number the box holds, separators included.
        {w.TbxInflationRate, "9,99", "Inflation Rate must be between 0 and 20 %", "", "", "1,5"},
        {w.TbxLength, "600,000", "Length Must Be Between 0 and 500,000 ft", "", "0", "1,234"},
    };
    TextBox* elsewhere = w.TbxTo;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " " + c.bad);
        const size_t before = messageCount();
        enter(c.box, c.bad, elsewhere);
        ASSERT_EQ(messageCount(), before + 1);
        EXPECT_EQ(lastMessage().text, c.message);
        EXPECT_EQ(lastMessage().title, "Data Entry Error");
        EXPECT_EQ(lastMessage().style, MsgStyle::Ok);
        EXPECT_EQ(c.box->Text(), c.rejected);

        enter(c.box, "abc", elsewhere);
        EXPECT_EQ(c.box->Text(), c.notANumber);
        enter(c.box, "", elsewhere);
        EXPECT_EQ(c.box->Text(), c.notANumber);
        enter(c.box, c.good, elsewhere);
        EXPECT_EQ(c.box->Text(), c.good);
        EXPECT_EQ(messageCount(), before + 1);
    }
    // The four-character limit binds typing.
    type(w.TbxSurfaceDepthOne, "12345");
    EXPECT_EQ(w.TbxSurfaceDepthOne->Text(), "1234");
}

// A construction-option depth too large to price is refused as it is left, so the custom
// window the user's surface opens prices the project and reports no failure.
TEST_F(DataEntryTest, AnUnpriceableDepthIsRefusedAndTheCustomWindowWorks) {
    FmDataEntry& w = entry();
    enter(w.TbxLength, "300", w.TbxWidth);
    enter(w.TbxWidth, "32", w.TbxConstOptionTwo);
    enter(w.TbxConstOptionTwo, "1e40", w.CbxSurfaceTwo);
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().text, "Construction Option must be greater than or equal to $0");
    EXPECT_EQ(w.TbxConstOptionTwo->Text(), "");
    pick(w.CbxSurfaceTwo, 2);
    ASSERT_EQ(w.CbxSurfaceTwo->Text(), record().Text("SurfaceOptionTwoLabel"));
    ASSERT_EQ(w.ChkCustomMaintenance->Value(), 1);
    w.CmdCompute->click();
    Settle();
    EXPECT_TRUE(main().fmCustomACAC().Visible());
    EXPECT_EQ(messageCount(), 1u);
    EXPECT_EQ(record().Number("ConstOptionTwo"), 0);
}

TEST_F(DataEntryTest, ApostrophesEmptyTheNameAndLimitBoxes) {
    FmDataEntry& w = entry();
    const std::pair<TextBox*, const char*> boxes[] = {
        {w.TbxName, "Name Field Cannot Contain Apostrophies"},
        {w.TbxFrom, "From Field Cannot Contain Apostrophies"},
        {w.TbxTo, "To Field Cannot Contain Apostrophies"},
    };
    for (auto [box, message] : boxes) {
        enter(box, "O'Brien Rd", w.TbxLength);
        ASSERT_FALSE(backend().messages.empty());
        EXPECT_EQ(lastMessage().text, message);
        EXPECT_EQ(lastMessage().style, MsgStyle::OkExclamation);
        EXPECT_EQ(lastMessage().title, "Data Entry Error");
        EXPECT_EQ(box->Text(), "");
    }
    const size_t before = messageCount();
    enter(w.TbxTo, "   ", w.TbxLength);
    EXPECT_EQ(w.TbxTo->Text(), "   ");
    EXPECT_EQ(messageCount(), before);
}

TEST_F(DataEntryTest, TheAreaFollowsPassingLengthsAndWidthsOnly) {
    FmDataEntry& w = entry();
    enter(w.TbxLength, "100", w.TbxWidth);
    EXPECT_EQ(w.LblArea->Caption(), "");  // no width yet
    enter(w.TbxWidth, "24", w.TbxLength);
    EXPECT_EQ(w.LblArea->Caption(), "2,400");
    enter(w.TbxLength, "0", w.TbxWidth);
    EXPECT_EQ(w.LblArea->Caption(), "2,400");
    enter(w.TbxLength, "100", w.TbxWidth);
    enter(w.TbxWidth, "0.5", w.TbxLength);
    EXPECT_EQ(w.LblArea->Caption(), "2,400");
    enter(w.TbxWidth, "0.6", w.TbxLength);
    EXPECT_EQ(w.LblArea->Caption(), "60");
    enter(w.TbxLength, "-1", w.TbxWidth);
    EXPECT_EQ(w.LblArea->Caption(), "60");
    enter(w.TbxLength, "abc", w.TbxWidth);
    EXPECT_EQ(w.TbxLength->Text(), "0");
    EXPECT_EQ(w.LblArea->Caption(), "60");

    // A length reloaded with separators multiplies as the whole number it shows.
    setField("Length", 1234);
    w.ResetEntries();
    EXPECT_EQ(w.TbxLength->Text(), "1,234");
    enter(w.TbxWidth, "10", w.TbxLength);
    EXPECT_EQ(w.LblArea->Caption(), "12,340");
    focus(w.TbxWidth);  // leaves the length untouched
    EXPECT_EQ(w.LblArea->Caption(), "12,340");
    w.SaveEntries();
    EXPECT_EQ(record().Number("Area"), 12340);
    EXPECT_EQ(record().Number("Length"), 1234);
}

TEST_F(DataEntryTest, ListsFallBackToTheirFirstEntry) {
    FmDataEntry& w = entry();
    struct Case {
        ComboBox* list;
        const char* typed;
        const char* after;
    };
    const Case cases[] = {
        {w.CbxMonth, "jan", "Jan"},        {w.CbxMonth, "March", "Jan"},
        {w.CbxMonth, "Mar", "Mar"},        {w.CbxMonth, "mar", "Jan"},
        {w.CbxYear, "2020", "2020"},       {w.CbxYear, "2021", "2001"},
        {w.CbxSalvageOne, " 5", "0"},      {w.CbxSalvageTwo, "15", "0"},
        {w.CbxSalvageTwo, "10", "10"},     {w.CbxAnalysisPeriod, "25", "20"},
        {w.CbxAnalysisPeriod, "40", "40"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list->objectName().toStdString() + " " + c.typed);
        enter(c.list, c.typed, w.TbxName);
        EXPECT_EQ(c.list->Text(), c.after);
        EXPECT_EQ(c.list->List(c.list->ListIndex()), c.after);
    }
    EXPECT_TRUE(backend().messages.empty());

    // A typed period stored before the box is left: the index of the entry it names.
    type(w.CbxAnalysisPeriod, "20");
    w.SaveEntries();
    EXPECT_EQ(record().Number("AnalysisPeriod"), 0);
    EXPECT_EQ(record().Text("AnalysisText"), "20");
}

TEST_F(DataEntryTest, TypingInTheComparisonListFallsBackAtOnceAndRunsTheRule) {
    FmDataEntry& w = entry();
    pick(w.CbxSurfaceTwo, 1);
    type(w.CbxSurfaceTwo, "G");
    EXPECT_EQ(w.CbxSurfaceTwo->Text(), "Aggregate");
    EXPECT_EQ(w.CbxSurfaceTwo->ListIndex(), 0);

    // The user's surface named "Aggregate": a fall-back to the entry already current
    // still resets the text and runs the selection rule.
    setField("SurfaceOptionTwoLabel", "Aggregate");
    setField("SurfaceTwo", "Hot Mix Asphalt #2");
    main().ResetOptionLabels();
    pick(w.CbxSurfaceTwo, 0);
    EXPECT_EQ(ticked(), "C");
    w.ChkCustomMaintenance->click();
    EXPECT_EQ(ticked(), "");
    focus(w.CbxSurfaceTwo);
    w.CbxSurfaceTwo->lineEdit()->end(false);
    QTest::keyClicks(w.CbxSurfaceTwo->lineEdit(), "x");
    EXPECT_EQ(w.CbxSurfaceTwo->Text(), "Aggregate");
    EXPECT_EQ(ticked(), "C");
}

TEST_F(DataEntryTest, LevelBoxesKeepOneLevelAndTheUserSurfaceForcesCustom) {
    FmDataEntry& w = entry();
    w.ChkLowMaintenance->click();
    w.ChkModerateMaintenance->click();
    EXPECT_EQ(ticked(), "M");
    w.ChkCustomMaintenance->click();
    w.ChkHighMaintenance->click();
    EXPECT_EQ(ticked(), "H");
    w.ChkHighMaintenance->click();
    EXPECT_EQ(ticked(), "");
    EXPECT_TRUE(backend().messages.empty());

    // Enter on a level box acts as a click.
    w.ChkLowMaintenance->click();
    focus(w.ChkHighMaintenance);
    QTest::keyClick(w.ChkHighMaintenance, Qt::Key_Return);
    EXPECT_EQ(ticked(), "H");

    // Picking the user's surface forces Custom without a message.
    w.ChkModerateMaintenance->click();
    pick(w.CbxSurfaceTwo, 2);
    EXPECT_EQ(ticked(), "C");
    EXPECT_TRUE(backend().messages.empty());

    // With the user's surface, ticking Low reminds, then ends on Custom.
    w.ChkLowMaintenance->click();
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().text,
              "Only Custom Maintenance Is Available For User Defined Pavements");
    EXPECT_EQ(lastMessage().title, "REMINDER");
    EXPECT_EQ(lastMessage().style, MsgStyle::Ok);
    EXPECT_EQ(ticked(), "C");

    // Code that ticks runs the rule; code that clears runs none.
    w.ChkModerateMaintenance->SetValue(1);
    EXPECT_EQ(messageCount(), 2u);
    EXPECT_EQ(ticked(), "C");
    w.ChkCustomMaintenance->SetValue(0);
    EXPECT_EQ(ticked(), "");
    EXPECT_EQ(messageCount(), 2u);

    // A reload shows the stored level whatever was ticked.
    pick(w.CbxSurfaceTwo, 0);
    w.ChkLowMaintenance->click();
    setField("HighMaintenance", 1);
    w.ResetEntries();
    EXPECT_EQ(ticked(), "H");
}

TEST_F(DataEntryTest, EnterTogglesTheDesignBoxes) {
    CheckBox* box = entry().ChkPavementFabricOne;
    focus(box);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->Value(), 1);
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(box->Value(), 0);
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(box->Value(), 1);
}

// The design boxes are wide with their tick box at the right: a click in the middle of
// one, on no tick box and often on no text, toggles it as a click on its tick box does.
TEST_F(DataEntryTest, AClickAtTheCentreOfEveryCheckBoxTogglesIt) {
    const QList<CheckBox*> boxes = entry().findChildren<CheckBox*>();
    ASSERT_EQ(boxes.size(), 8);
    for (int round = 0; round < 2; ++round) {
        for (CheckBox* box : boxes) {
            const int before = box->Value();
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
            EXPECT_EQ(box->Value(), 1 - before) << box->objectName().toStdString();
        }
    }
}

TEST_F(DataEntryTest, CalculateOpensTheWindowOfTheComparisonAndLevel) {
    FmDataEntry& w = entry();
    struct Case {
        int surface;
        Level level;
        const char* shown;
        const char* heading;
    };
    const Case cases[] = {
        {0, Level::Low, "FmDefaultACAG", nullptr},
        {0, Level::Custom, "FmCustomACAG", nullptr},
        {1, Level::High, "FmDefaultACAC", nullptr},
        {1, Level::Custom, "FmCustomACAC", "Hot Mix Asphalt #2"},
        {2, Level::Custom, "FmCustomACAC", "Undefined"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        hideResults();
        main().fmCustomACAC().LblOption->SetCaption("?");
        pick(w.CbxSurfaceTwo, c.surface);
        if (w.LevelBox(c.level)->Value() == 0) w.LevelBox(c.level)->click();
        main().bStateChanged = false;
        w.CmdCompute->click();
        EXPECT_TRUE(main().bStateChanged);
        EXPECT_EQ(shownResults(), c.shown);
        Form* shown = ActivationTracker::instance().current();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->objectName(), c.shown);
        EXPECT_EQ(shown->outer()->pos(), shown->screen()->geometry().topLeft());
        if (c.heading) {
            EXPECT_EQ(main().fmCustomACAC().LblOption->Caption(), c.heading);
        }
    }
    EXPECT_TRUE(backend().messages.empty());

    // Pressed again: placed and activated again.
    FmCustomACAC& acac = main().fmCustomACAC();
    acac.outer()->move(acac.outer()->pos() + QPoint(50, 50));
    const int changes = ActivationTracker::instance().changes();
    UserActivates(&main());
    EXPECT_EQ(ActivationTracker::instance().current(), &entry());
    pick(w.CbxSurfaceTwo, 1);
    if (w.ChkCustomMaintenance->Value() == 0) w.ChkCustomMaintenance->click();
    w.CmdCompute->click();
    EXPECT_GT(ActivationTracker::instance().changes(), changes);
    EXPECT_EQ(ActivationTracker::instance().current(), &acac);
    EXPECT_EQ(acac.outer()->pos(), acac.screen()->geometry().topLeft());
    EXPECT_EQ(acac.LblOption->Caption(), "Hot Mix Asphalt #2");

    // The next activation of the data entry window writes the heading again: the list
    // shows the second asphalt design, which the window prices, so the heading names it.
    UserActivates(&main());
    EXPECT_EQ(acac.LblOption->Caption(), "Hot Mix Asphalt #2");
    // With the user's surface in the list, the heading is the user's name.
    pick(w.CbxSurfaceTwo, 2);
    w.SaveEntries();
    main().ResetOptionLabels();
    EXPECT_EQ(acac.LblOption->Caption(), "Undefined");
}

TEST_F(DataEntryTest, CalculateRefusesWithoutALevelAndOpensNothingForAnUnknownSurface) {
    FmDataEntry& w = entry();
    w.ChkLowMaintenance->click();
    w.ChkLowMaintenance->click();
    w.CmdCompute->click();
    EXPECT_TRUE(main().bStateChanged);
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().text, "Please Select Planned Maintenance Schedule");
    EXPECT_EQ(lastMessage().title, "Data Entry Error");
    EXPECT_EQ(lastMessage().style, MsgStyle::Ok);
    EXPECT_EQ(shownResults(), "");

    // A comparison list left empty by a renamed surface: nothing opens, nothing is said.
    setField("SurfaceOptionTwoLabel", "Gravel");
    setField("SurfaceTwo", "Undefined");
    main().ResetOptionLabels();
    EXPECT_EQ(w.CbxSurfaceTwo->Text(), "");
    EXPECT_EQ(w.CbxSurfaceTwo->ListIndex(), -1);
    w.ChkLowMaintenance->click();
    w.CmdCompute->click();
    EXPECT_EQ(messageCount(), 1u);
    EXPECT_EQ(shownResults(), "");
}

TEST_F(DataEntryTest, TheUserSurfaceNamedAggregateOpensBothCustomWindows) {
    FmDataEntry& w = entry();
    setField("SurfaceOptionTwoLabel", "Aggregate");
    main().ResetOptionLabels();
    EXPECT_EQ(w.CbxSurfaceTwo->ListIndex(), 2);
    EXPECT_EQ(ticked(), "C");
    pick(w.CbxSurfaceTwo, 0);
    w.CmdCompute->click();
    EXPECT_EQ(shownResults(), "FmCustomACAG,FmCustomACAC");
    EXPECT_EQ(ActivationTracker::instance().current(), &main().fmCustomACAC());
    EXPECT_EQ(main().fmCustomACAC().LblOption->Caption(), "Aggregate");

    // Without Custom (the name changed under the list): the aggregate window, then the
    // reminder.
    hideResults();
    setField("SurfaceOptionTwoLabel", "Undefined");
    w.ChkLowMaintenance->click();
    setField("SurfaceOptionTwoLabel", "Aggregate");
    w.CmdCompute->click();
    EXPECT_EQ(shownResults(), "FmDefaultACAG");
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().title, "REMINDER");
}

TEST_F(DataEntryTest, SelectingByCodeRunsTheRuleBeforeTheCallerGoesOn) {
    entry().ChkModerateMaintenance->click();
    setField("SurfaceTwo", "Undefined");
    main().ResetOptionLabels();
    EXPECT_EQ(entry().CbxSurfaceTwo->Text(), "Undefined");
    EXPECT_EQ(ticked(), "C");
}

// Message boxes that really open and close, over the window.
class RealMessageBoxes : public ScriptedBackend {
  public:
    MsgAnswer messageBox(const QString& text, MsgStyle style, const QString& title) override {
        messages.push_back({text, style, title});
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                        QApplication::activeWindow());
        QTimer::singleShot(20, &box, [&box] { box.accept(); });
        box.exec();
        return MsgAnswer::Ok;
    }
};

TEST_F(DataEntryTest, NeitherAMessageBoxNorAReturnFromAnotherApplicationReloads) {
    FmDataEntry& w = entry();
    auto scripted = SetBackend(std::make_unique<RealMessageBoxes>());
    type(w.TbxName, "Typed");
    enter(w.TbxLength, "-1", w.TbxWidth);
    Settle();
    EXPECT_EQ(static_cast<ScriptedBackend&>(Backend()).messages.size(), 1u);
    EXPECT_EQ(w.TbxName->Text(), "Typed");
    EXPECT_EQ(w.TbxLength->Text(), "");
    EXPECT_EQ(ActivationTracker::instance().current(), &w);
    SetBackend(std::move(scripted));

    QApplication::setActiveWindow(nullptr);
    Settle();
    UserActivates(&main());
    EXPECT_EQ(w.TbxName->Text(), "Typed");

    // Activation from another window of the program does reload, after the window was
    // stored on leaving: the typing comes back in its stored form.
    type(w.TbxWidth, "1234");
    menu("MenuEditSetCosts");
    UserActivates(&main());
    EXPECT_EQ(w.TbxName->Text(), "Typed");
    EXPECT_EQ(w.TbxWidth->Text(), "1,234");
}

TEST_F(DataEntryTest, LostFocusChecksRunOnlyForMovesWithinTheWindow) {
    FmDataEntry& w = entry();
    // A list that drops down and closes is not left.
    type(w.CbxMonth, "jan");
    w.CbxMonth->showPopup();
    Settle();
    w.CbxMonth->hidePopup();
    Settle();
    EXPECT_EQ(w.CbxMonth->Text(), "jan");
    focus(w.CbxYear);
    EXPECT_EQ(w.CbxMonth->Text(), "Jan");

    // Turning to another window leaves the box as typed, without a message.
    type(w.TbxLength, "-1");
    menu("MenuEditSetCosts");
    EXPECT_EQ(ActivationTracker::instance().current(), &costs());
    EXPECT_EQ(w.TbxLength->Text(), "-1");
    EXPECT_TRUE(backend().messages.empty());
}

}  // namespace
