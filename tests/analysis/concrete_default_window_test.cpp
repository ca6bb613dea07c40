// The concrete default-schedule window shown directly, as no command shows it: each level
// against figures worked out by hand, the concrete-only fields, the failure of its row,
// the table travelling with the project file.
#include <gtest/gtest.h>

#include "analysis/concrete/concrete_record.h"
#include "analysis/concrete/fm_default_acpc.h"
#include "analysis/concrete_fixture.h"
#include "output/fm_plot_results.h"

using namespace orv;
using namespace orv::test;

namespace {

class ConcreteDefaultTest : public ConcreteTest {
  protected:
    FmDefaultACPC& window() { return main().fmDefaultACPC(); }
    Recordset& row() {
        main().rstDefaultACPC.MoveFirst();
        return main().rstDefaultACPC;
    }
    // Shows the window, which saves the input windows as they stand.
    void show() {
        window().Show();
        Settle();
    }
    // Each row of an option as "year:cost/future/present", as the window shows it.
    QStringList rows(const QString& one) {
        const QString arrays[4][2] = {{"LblOptOneYear", "LblOptTwoYear"},
                                      {"lblOptOnePresentCost", "lblOptTwoPresentCost"},
                                      {"LblOptOneInflatedCost", "LblOptTwoInflatedCost"},
                                      {"LblOptOnePresentValue", "LblOptTwoPresentValue"}};
        const int o = one == "One" ? 0 : 1;
        QStringList out;
        for (int i = 0; i < kScheduleRows; ++i) {
            auto at = [&](int a) { return window().Cell(CellName(arrays[a][o], i))->Caption(); };
            out << at(0) + ":" + at(1) + "/" + at(2) + "/" + at(3);
        }
        return out;
    }
    QStringList captions(std::initializer_list<const char*> names) {
        QStringList out;
        for (const char* n : names) out << window().Cell(n)->Caption();
        return out;
    }
    std::vector<double> numbers(std::initializer_list<const char*> columns) {
        std::vector<double> out;
        for (const char* c : columns) out.push_back(row().Number(c));
        return out;
    }
};

const QStringList kConstAndTotals = {"$ 1,200", "$ 1,200", "$ 1,200",
                                     "$ 3,025", "$ 3,025", "$ 3,025"};

TEST_F(ConcreteDefaultTest, EachLevelShowsAndStoresTheFiguresWorkedOutByHand) {
    struct Level {
        CheckBox* box;
        const char* caption;
        QStringList one, two;
        std::vector<double> totals;  // both options: cost, future, present
    };
    const std::vector<Level> levels = {
        {entry().ChkLowMaintenance,
         "Low Maintenance",
         {"://", "://", "://", "://", "://", "://", "://", "://", " 30:$ 1,460/$ 3,544/$ 338",
          " 30:$ 120/$ 291/$ 28"},
         {"://", "://", "://", "://", "://", "://", "://", "://", " 30:$ 3,285/$ 7,974/$ 760",
          " 30:$ 605/$ 1,468/$ 140"},
         {1080, 4453, 1510, 2420, 9531, 3645}},
        {entry().ChkModerateMaintenance,
         "Moderate Maintenance",
         {"://", "7:$ 72/$ 89/$ 51", "14:$ 72/$ 109/$ 36", "18:$ 75/$ 128/$ 31",
          "25:$ 72/$ 151/$ 21", "://", "://", "://", " 30:$ 1,460/$ 3,544/$ 338",
          " 30:$ 120/$ 291/$ 28"},
         {"7:$ 40/$ 49/$ 28", "14:$ 40/$ 61/$ 20", "://", "21:$ 40/$ 74/$ 14", "28:$ 40/$ 92/$ 10",
          "://", "://", "://", " 30:$ 3,285/$ 7,974/$ 760", " 30:$ 605/$ 1,468/$ 140"},
         {1080, 4930, 1649, 2420, 9807, 3717}},
        {entry().ChkHighMaintenance,
         "High Maintenance",
         {"2: 25/$ 27/$ 23", "5:$ 72/$ 83/$ 56", "10:$ 72/$ 97/$ 44", "15:$ 75/$ 117/$ 36",
          "20:$ 72/$ 130/$ 27", "25:$ 72/$ 151/$ 21", "30:$ 175/$ 425/$ 40", "://",
          " 30:$ 1,460/$ 3,544/$ 338", " 30:$ 120/$ 291/$ 28"},
         {"5:$ 40/$ 46/$ 31", "10:$ 40/$ 54/$ 25", "15:$ 110/$ 171/$ 53", "20:$ 40/$ 72/$ 15",
          "25:$ 40/$ 84/$ 12", "30:$ 110/$ 267/$ 25", "://", "://", " 30:$ 3,285/$ 7,974/$ 760",
          " 30:$ 605/$ 1,468/$ 140"},
         {1080, 5483, 1757, 2420, 10225, 3806}},
    };
    for (const Level& level : levels) {
        SCOPED_TRACE(level.caption);
        level.box->SetValue(1);
        show();
        ASSERT_TRUE(window().Visible());
        EXPECT_EQ(window().LblConstructionType->Caption(), level.caption);
        EXPECT_EQ(rows("One"), level.one);
        EXPECT_EQ(rows("Two"), level.two);
        EXPECT_EQ(
            captions({"lblOptOneConstPresent", "LblOptOneConstInflated", "LblOptOneConstValue",
                      "lblOptTwoConstPresent", "LblOptTwoConstInflated", "LblOptTwoConstValue"}),
            kConstAndTotals);
        QStringList totals;
        for (double t : level.totals) totals << "$" + QLocale(QLocale::English).toString(t, 'f', 0);
        EXPECT_EQ(captions({"LblTotalOptOneCost", "lblTotalOptOneInflatedCost",
                            "lblTotalOptOnePresentValue", "LblTotalOptTwoCost",
                            "lblTotalOptTwoInflatedCost", "lblTotalOptTwoPresentValue"}),
                  totals);
        EXPECT_EQ(numbers({"OptOneTotalCost", "OptOneTotalInflated", "OptOneTotalValue",
                           "OptTwoTotalCost", "OptTwoTotalInflated", "OptTwoTotalValue"}),
                  level.totals);
        EXPECT_EQ(
            numbers({"OptOneConstCost", "OptOneConstInflatedCost", "OptOneConstPresentValue",
                     "OptTwoConstCost", "OptTwoConstInflatedCost", "OptTwoConstPresentValue"}),
            (std::vector<double>{1200, 1200, 1200, 3025, 3025, 3025}));
        // A row without a year is hidden and stores zeros; the year cells follow.
        for (int i = 0; i < kScheduleRows; ++i) {
            const bool hasYear = !level.one[i].startsWith(':');
            EXPECT_EQ(window().Cell(CellName("LblOptOneYear", i))->isVisible(), hasYear) << i;
            EXPECT_EQ(window().Cell(CellName("LblOptTwoYear", i))->isVisible(),
                      !level.two[i].startsWith(':'))
                << i;
        }
        EXPECT_EQ(row().Number("OptOneFogSealYear"), level.one[0].startsWith(':') ? 0 : 2);
        EXPECT_EQ(row().Number("OptTwoJointSixCost"), 0);
        level.box->SetValue(0);
        UserActivates(&main());
    }

    // The unrounded amounts of the High schedule, as stored.
    const std::vector<std::pair<const char*, double>> stored = {
        {"OptOneFogSealYear", 2},
        {"OptOneFogSealCost", 25.000000},
        {"OptOneFogSealInflated", 26.522500},
        {"OptOneFogSealValue", 22.675737},
        {"OptOneSlurryOneYear", 5},
        {"OptOneSlurryOneCost", 72.000000},
        {"OptOneSlurryOneInflated", 83.467733},
        {"OptOneSlurryOneValue", 56.413884},
        {"OptOneSlurryTwoYear", 10},
        {"OptOneSlurryTwoCost", 72.000000},
        {"OptOneSlurryTwoInflated", 96.761979},
        {"OptOneSlurryTwoValue", 44.201754},
        {"OptOneOverlayYear", 15},
        {"OptOneOverlayCost", 75.000000},
        {"OptOneOverlayInflated", 116.847556},
        {"OptOneOverlayValue", 36.076282},
        {"OptOneSlurryThreeYear", 20},
        {"OptOneSlurryThreeCost", 72.000000},
        {"OptOneSlurryThreeInflated", 130.040009},
        {"OptOneSlurryThreeValue", 27.136043},
        {"OptOneSlurryFourYear", 25},
        {"OptOneSlurryFourCost", 72.000000},
        {"OptOneSlurryFourInflated", 150.752011},
        {"OptOneSlurryFourValue", 21.261800},
        {"OptOneRotomillYear", 30},
        {"OptOneRotomillCost", 175.000000},
        {"OptOneRotomillInflated", 424.770932},
        {"OptOneRotomillValue", 40.491054},
        {"OptOneDemolitionYear", 30},
        {"OptOneDemolitionCost", 1460.000000},
        {"OptOneDemolitionInflated", 3543.803315},
        {"OptOneDemolitionValue", 337.811081},
        {"OptOneSalvageYear", 30},
        {"OptOneSalvageCost", 120.000000},
        {"OptOneSalvageInflated", 291.271505},
        {"OptOneSalvageValue", 27.765294},
        {"OptTwoJointOneYear", 5},
        {"OptTwoJointOneCost", 40.000000},
        {"OptTwoJointOneInflated", 46.370963},
        {"OptTwoJointOneValue", 31.341047},
        {"OptTwoJointTwoYear", 10},
        {"OptTwoJointTwoCost", 40.000000},
        {"OptTwoJointTwoInflated", 53.756655},
        {"OptTwoJointTwoValue", 24.556530},
        {"OptTwoGrindingOneYear", 15},
        {"OptTwoGrindingOneCost", 110.000000},
        {"OptTwoGrindingOneInflated", 171.376416},
        {"OptTwoGrindingOneValue", 52.911881},
        {"OptTwoJointThreeYear", 20},
        {"OptTwoJointThreeCost", 40.000000},
        {"OptTwoJointThreeInflated", 72.244449},
        {"OptTwoJointThreeValue", 15.075579},
        {"OptTwoJointFourYear", 25},
        {"OptTwoJointFourCost", 40.000000},
        {"OptTwoJointFourInflated", 83.751117},
        {"OptTwoJointFourValue", 11.812111},
        {"OptTwoGrindingTwoYear", 30},
        {"OptTwoGrindingTwoCost", 110.000000},
        {"OptTwoGrindingTwoInflated", 266.998872},
        {"OptTwoGrindingTwoValue", 25.451519},
        {"OptTwoDemolitionYear", 30},
        {"OptTwoDemolitionCost", 3285.000000},
        {"OptTwoDemolitionInflated", 7973.557459},
        {"OptTwoDemolitionValue", 760.074932},
        {"OptTwoSalvageYear", 30},
        {"OptTwoSalvageCost", 605.000000},
        {"OptTwoSalvageInflated", 1468.493840},
        {"OptTwoSalvageValue", 139.983359}};
    for (const auto& [column, value] : stored)
        EXPECT_NEAR(row().Number(column), value, 1e-5) << column;
}

TEST_F(ConcreteDefaultTest,
       WithoutASurfaceOptionOneIsLeftEmptyAndWithoutALevelOnlyTheEndRowsCount) {
    entry().ChkModerateMaintenance->SetValue(1);
    show();
    UserActivates(&main());
    setField("SurfaceDepthOne", 0.0);
    entry().ResetEntries();
    entry().ChkModerateMaintenance->SetValue(0);  // no level: Custom
    entry().ChkCustomMaintenance->SetValue(1);
    show();
    // The level caption stays; option one shows nothing and stores zeros.
    EXPECT_EQ(window().LblConstructionType->Caption(), "Moderate Maintenance");
    for (const QString& r : rows("One")) EXPECT_EQ(r, "://");
    EXPECT_EQ(
        captions({"lblOptOneConstPresent", "LblTotalOptOneCost", "lblTotalOptOnePresentValue"}),
        QStringList({"", "", ""}));
    for (const QString& column : row().FieldNames()) {
        if (column.startsWith("OptOne")) {
            EXPECT_EQ(row().Number(column), 0) << column.toStdString();
        }
    }
    // Option two: only the demolition and the salvage, at the analysis period.
    EXPECT_EQ(rows("Two").mid(7),
              QStringList({"://", " 30:$ 3,285/$ 7,974/$ 760", " 30:$ 605/$ 1,468/$ 140"}));
    EXPECT_EQ(numbers({"OptTwoTotalCost", "OptTwoTotalInflated", "OptTwoTotalValue"}),
              (std::vector<double>{2420, 3025 + 7974 - 1468, 3025 + 760 - 140}));
    EXPECT_EQ(main().rstDefaultACPC.Number("OptTwoDemolitionYear"), 30);
}

TEST_F(ConcreteDefaultTest, ConcreteFieldsTheRecordLacksReadAsZeroOrTheirItemNames) {
    // Six of the sixteen concrete-only fields are columns of the 70; the others read as 0,
    // the item names as their defaults. Any other missing field fails as before.
    EXPECT_EQ(record().FieldNames().size(), 70);
    EXPECT_EQ(ConcreteRecordField(record(), "PortlandCementCost").toDouble(), 3.0);
    EXPECT_EQ(ConcreteRecordField(record(), "SlabReplacementCost").toDouble(), 0.0);
    EXPECT_EQ(ConcreteRecordField(record(), "OptionOneLabel").toString(), "Option One");
    EXPECT_EQ(ConcreteRecordField(record(), "OptionTwoLabel").toString(), "Option Two");
    EXPECT_EQ(ConcreteRecordField(record(), "OptionThreeLabel").toString(), "Option Three");
    EXPECT_THROW(ConcreteRecordField(record(), "NoSuchField"), DbError);
    // A concrete cost of 0 prices its rows at 0, with no message.
    entry().ChkHighMaintenance->SetValue(1);
    setField("JointCrackSealCost", 0.0);
    show();
    EXPECT_TRUE(backend().messages.empty());
    EXPECT_EQ(rows("Two")[0], "5:$ /$ /$ ");
    EXPECT_EQ(row().Number("OptTwoJointOneCost"), 0);
    EXPECT_DOUBLE_EQ(row().Number("OptTwoGrindingOneCost"), 110);
}

TEST_F(ConcreteDefaultTest, AFailingRowWriteLeavesTheRowAsItWasAndSaysWhatFailed) {
    entry().ChkHighMaintenance->SetValue(1);
    show();
    UserActivates(&main());
    const double total = row().Number("OptTwoTotalValue");
    main().dbVORN.Execute(
        "CREATE TRIGGER refuse BEFORE INSERT ON DefaultACPC BEGIN SELECT RAISE(ABORT, 'disk "
        "full'); END");
    setField("InterestRate", 2.0);
    entry().ResetEntries();
    show();
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_TRUE(backend().messages[0].text.startsWith("Storing the results in DefaultACPC failed"))
        << backend().messages[0].text.toStdString();
    EXPECT_TRUE(backend().messages[0].text.contains("disk full"));
    EXPECT_FALSE(main().rstDefaultACPC.IsEditing());
    EXPECT_EQ(main().dbVORN.RowCount("DefaultACPC"), 1);
    EXPECT_EQ(row().Number("OptTwoTotalValue"), total);

    // Once the table takes rows again, the next activation stores the new figures.
    main().dbVORN.Execute("DROP TRIGGER refuse");
    UserActivates(&main());
    show();
    EXPECT_EQ(backend().messages.size(), 1u);
    EXPECT_NE(row().Number("OptTwoTotalValue"), total);
    EXPECT_EQ(main().dbVORN.RowCount("DefaultACPC"), 1);
}

TEST_F(ConcreteDefaultTest, TheRowTravelsWithSaveAndOpen) {
    entry().ChkHighMaintenance->SetValue(1);
    show();
    const std::vector<double> totals = numbers({"OptOneTotalInflated", "OptTwoTotalValue"});
    UserActivates(&main());
    const QString file = path("concrete.mdb");
    backend().fileNames.push_back(file);
    menu("MenuFileSaveAs");
    backend().answers = {MsgAnswer::No};
    menu("MenuFileNew");
    EXPECT_EQ(numbers({"OptOneTotalInflated", "OptTwoTotalValue"}), (std::vector<double>{0, 0}));
    backend().answers = {MsgAnswer::No};
    backend().fileNames.push_back(file);
    menu("MenuFileOpen");
    EXPECT_EQ(numbers({"OptOneTotalInflated", "OptTwoTotalValue"}), totals);
    EXPECT_EQ(record().Number("PortlandCementCost"), 3.0);
}

// Each option's name stands at the left of its block, beside its first lines, whole; the
// salvage line is bold dark red to its year cells.
TEST_F(ConcreteDefaultTest, OptionNamesStandBesideTheirBlocksAndTheSalvageLineIsEmphasised) {
    show();
    auto label = [&](const char* name) {
        Label* l = window().findChild<Label*>(name);
        EXPECT_NE(l, nullptr) << name;
        return l;
    };
    const std::array<const char*, 3> blocks[] = {
        {"LblOptionOne", "LblConstructionTag", "lblOptOneConstPresent"},
        {"LblOptionTwo", "lblPCCPConstructionTag", "lblOptTwoConstPresent"}};
    for (const auto& [name, tagName, costName] : blocks) {
        SCOPED_TRACE(name);
        const Label* heading = label(name);
        const QRect h = heading->geometry();
        const QRect tag = label(tagName)->geometry();
        EXPECT_EQ(h.top(), tag.top());
        EXPECT_LT(h.right(), tag.left());
        EXPECT_LT(tag.right(), label(costName)->geometry().left());
        const QRect text = heading->fontMetrics().boundingRect(QRect(0, 0, h.width(), 10000),
                                                               Qt::TextWordWrap, heading->text());
        EXPECT_LE(text.width(), h.width());
        EXPECT_LE(text.height(), h.height());
    }
    EXPECT_EQ(label("LblOptionOne")->text(), "Hot Mix Asphalt");
    EXPECT_EQ(label("LblOptionTwo")->text(), "PCCP ");

    struct Cell {
        const char* name;
        bool emphasised;
    };
    const Cell cells[] = {{"LblOptOneYear_9", true},         {"LblOptTwoYear_9", true},
                          {"LblOptOnePresentValue_9", true}, {"LblOptOneYear_8", false},
                          {"LblOptTwoYear_8", false},        {"LblOptTwoInflatedCost_0", false}};
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.name);
        const Label* l = label(c.name);
        EXPECT_EQ(l->font().bold(), c.emphasised);
        EXPECT_EQ(l->font().pointSizeF(), 7.5);
        EXPECT_EQ(l->palette().color(QPalette::WindowText),
                  c.emphasised ? QColor(128, 0, 0) : QColor(Qt::black));
    }
}

TEST_F(ConcreteDefaultTest, ButtonsPlotPrintAndClose) {
    show();
    EXPECT_EQ(window().windowTitle(),
              "Default Design Comparitive Analysis - Asphalt Cement Concrete vs Plain Portland "
              "Cement Concrete");
    // A grey window with light grey buttons.
    EXPECT_EQ(window().palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(window().CmdClose->palette().color(QPalette::Button), QColor(224, 224, 224));
    window().CmdPrintForm->click();
    EXPECT_TRUE(backend().printed.empty());
    main().PrinterOK = true;
    window().CmdPrintForm->click();
    EXPECT_EQ(backend().printed.size(), 1u);
    window().CmdPlotGraph->click();
    Settle();
    EXPECT_TRUE(main().fmPlotResults().Visible());
    window().CmdClose->click();
    EXPECT_FALSE(window().Visible());
}

}  // namespace
