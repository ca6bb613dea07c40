// The two default results windows driven through the whole application: Calculate shows
// them, each activation recomputes from the record and rewrites the results row.
#include <gtest/gtest.h>

#include "analysis/default/fm_default_acac.h"
#include "analysis/default/fm_default_acag.h"
#include "inputs/inputs_fixture.h"
#include "output/fm_plot_results.h"

using namespace orv;
using namespace orv::test;

namespace {

class DefaultWindowTest : public InputsTest {
  protected:
    // A whole project with both rates non-zero.
    void enterProject(const QString& surface) {
        const Fields fields = {{"Length", 5280},         {"Width", 24},
                               {"Area", 126720},         {"SurfaceDepthOne", 4.0},
                               {"BaseCourseOne", 8.0},   {"SubgradeOne", 6.0},
                               {"SubgradePrepOne", 1},   {"PavementFabricOne", 0},
                               {"ConstOptionOne", 0.0},  {"SalvageOne", "10"},
                               {"SurfaceDepthTwo", 6.0}, {"BaseCourseTwo", 6.0},
                               {"SubgradeTwo", 0.0},     {"SubgradePrepTwo", 1},
                               {"PavementFabricTwo", 1}, {"ConstOptionTwo", 2.0},
                               {"SalvageTwo", "20"},     {"SurfaceTwo", surface},
                               {"InflationRate", 3.5},   {"InterestRate", 6.0},
                               {"AnalysisPeriod", 1},    {"AnalysisText", "30"},
                               {"ModMaintenance", 1},    {"Maintenance", "Moderate"}};
        loadProject(fields);
    }
    void calculate() {
        entry().CmdCompute->click();
        Settle();
    }
    // The window's captions and its stored row, as the computation gives them for the
    // record as it stands.
    template <class Window, class State, class Compute>
    void expectShownAndStored(Window& w, Recordset& rst, State state, Compute compute) {
        QStringList periods = {"20", "30", "40"};
        const DefaultInputs in =
            ReadDefaultInputs([this](const QString& f) { return record().Field(f); }, periods);
        const DefaultResults expected = compute(in, state);
        for (const auto& [name, text] : expected.captions.Entries()) {
            ASSERT_NE(w.Cell(name), nullptr) << name.toStdString();
            EXPECT_EQ(w.Cell(name)->Caption(), text) << name.toStdString();
        }
        rst.MoveFirst();
        for (const auto& [column, value] : expected.row.Fields())
            EXPECT_DOUBLE_EQ(rst.Number(column), value.toDouble()) << column.toStdString();
    }
};

TEST_F(DefaultWindowTest, AggregateUnderEachLevelShowsAndStoresEveryFigure) {
    enterProject("Aggregate");
    FmDefaultACAG& w = main().fmDefaultACAG();
    for (CheckBox* level :
         {entry().ChkLowMaintenance, entry().ChkModerateMaintenance, entry().ChkHighMaintenance}) {
        level->SetValue(1);
        calculate();
        ASSERT_TRUE(w.Visible());
        ASSERT_TRUE(w.IsActiveForm());
        EXPECT_EQ(w.outer()->pos(), w.screen()->geometry().topLeft());
        DefaultAcagState state = w.state();
        // The window has run its own computation with the state it keeps; run it again on
        // a copy of the state from before to compare.
        expectShownAndStored(w, main().rstDefaultACAG, DefaultAcagState{},
                             [&](const DefaultInputs& in, DefaultAcagState& s) {
                                 s = state;
                                 return ComputeDefaultAcag(in, s);
                             });
        EXPECT_GT(main().rstDefaultACAG.Number("OptOneTotalValue"), 0);
        EXPECT_GT(main().rstDefaultACAG.Number("OptTwoTotalValue"), 0);
        UserActivates(&main());
    }
    EXPECT_EQ(w.LblConstructionType->Caption(), "High Maintenance");
}

TEST_F(DefaultWindowTest, SecondAsphaltDesignShowsAndStoresEveryFigure) {
    enterProject("Hot Mix Asphalt #2");
    entry().ChkModerateMaintenance->SetValue(1);
    calculate();
    FmDefaultACAC& w = main().fmDefaultACAC();
    ASSERT_TRUE(w.Visible());
    expectShownAndStored(
        w, main().rstDefaultACAC, DefaultAcacState{},
        [](const DefaultInputs& in, DefaultAcacState& s) { return ComputeDefaultAcac(in, s); });
    EXPECT_EQ(w.LblConstructionType->Caption(), "Moderate Maintenance");
    EXPECT_EQ(w.windowTitle(),
              "Default Design Comparitive Analysis - Asphalt Cement Concrete vs Asphalt Cement "
              "Concrete");
    EXPECT_FALSE(main().fmDefaultACAG().Visible());
}

TEST_F(DefaultWindowTest, ActivatingAgainGivesTheSameCaptionsAndRow) {
    enterProject("Hot Mix Asphalt #2");
    entry().ChkHighMaintenance->SetValue(1);
    calculate();
    FmDefaultACAC& w = main().fmDefaultACAC();
    auto snapshot = [&] {
        QStringList out;
        for (auto* l : w.findChildren<Label*>()) out << l->objectName() + "=" + l->Caption();
        main().rstDefaultACAC.MoveFirst();
        for (const QString& f : main().rstDefaultACAC.FieldNames())
            out << f + "=" + main().rstDefaultACAC.Field(f).toString();
        return out;
    };
    const QStringList first = snapshot();
    UserActivates(&main());
    UserActivates(&w);
    EXPECT_TRUE(w.IsActiveForm());
    EXPECT_EQ(snapshot(), first);
}

TEST_F(DefaultWindowTest, AValueTypedButNotSavedIsUsedOnActivation) {
    enterProject("Aggregate");
    entry().ChkModerateMaintenance->SetValue(1);
    calculate();
    FmDefaultACAG& w = main().fmDefaultACAG();
    const double before = main().rstDefaultACAG.Number("OptOneTotalCost");
    UserActivates(&main());
    type(entry().TbxSurfaceDepthOne, "5");
    UserActivates(&w);
    EXPECT_EQ(record().Number("SurfaceDepthOne"), 5);
    main().rstDefaultACAG.MoveFirst();
    EXPECT_GT(main().rstDefaultACAG.Number("OptOneTotalCost"), before);
}

TEST_F(DefaultWindowTest, CloseThenCalculateRecomputesAndNewLeavesAShownWindowAlone) {
    enterProject("Aggregate");
    entry().ChkLowMaintenance->SetValue(1);
    calculate();
    FmDefaultACAG& w = main().fmDefaultACAG();
    const QString total = w.Cell("lblTotalOptOnePresentValue")->Caption();
    w.CmdClose->click();
    EXPECT_FALSE(w.Visible());
    UserActivates(&main());
    setField("InterestRate", 2.0);
    entry().ResetEntries();
    calculate();
    EXPECT_TRUE(w.Visible());
    const QString recomputed = w.Cell("lblTotalOptOnePresentValue")->Caption();
    EXPECT_NE(recomputed, total);

    // New leaves the shown figures until the window is activated again.
    UserActivates(&main());
    backend().answers = {MsgAnswer::No};
    menu("MenuFileNew");
    EXPECT_EQ(w.Cell("lblTotalOptOnePresentValue")->Caption(), recomputed);
    UserActivates(&w);
    EXPECT_NE(w.Cell("lblTotalOptOnePresentValue")->Caption(), recomputed);
}

// The asphalt windows: each option's name on a line of its own above its block, and of the
// salvage line only the tag and the money cells bold dark red.
TEST_F(DefaultWindowTest, NamesStandAboveTheBlocksAndTheSalvageYearIsPlain) {
    for (DefaultResultsWindow* w : std::initializer_list<DefaultResultsWindow*>{
             &main().fmDefaultACAG(), &main().fmDefaultACAC()}) {
        SCOPED_TRACE(w->objectName().toStdString());
        const QRect heading = w->findChild<Label*>("LblOptionOne")->geometry();
        EXPECT_LE(heading.bottom(), w->findChild<Label*>("LblConstructionTag")->geometry().top());
        const Label* year = w->findChild<Label*>("LblOptOneYear_9");
        EXPECT_FALSE(year->font().bold());
        EXPECT_EQ(year->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_TRUE(w->findChild<Label*>("LblOptOnePresentValue_9")->font().bold());
    }
}

TEST_F(DefaultWindowTest, ButtonsPlotPrintAndClose) {
    enterProject("Aggregate");
    entry().ChkModerateMaintenance->SetValue(1);
    calculate();
    FmDefaultACAG& w = main().fmDefaultACAG();
    w.CmdPrintForm->click();  // no printer: nothing
    EXPECT_TRUE(backend().printed.empty());
    EXPECT_TRUE(backend().messages.empty());
    main().PrinterOK = true;
    w.CmdPrintForm->click();
    EXPECT_EQ(backend().printed.size(), 1u);
    w.CmdPlotGraph->click();
    EXPECT_TRUE(main().fmPlotResults().Visible());
    EXPECT_TRUE(main().fmPlotResults().IsActiveForm());
}

}  // namespace
