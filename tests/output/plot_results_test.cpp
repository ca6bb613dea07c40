// The chart window through the whole application: its layout, "Plot Graph" and "Plot
// Results", the rebuild at every activation, "Print Chart" and "Close".
#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QRegularExpression>
#include <QValueAxis>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "analysis/custom_window_fixture.h"
#include "analysis/default/fm_default_acac.h"
#include "analysis/default/fm_default_acag.h"
#include "output/fm_plot_results.h"
#include "platform/twips.h"

using namespace orv;
using namespace orv::test;

namespace {

class PlotResultsTest : public CustomWindowTest {
  protected:
    FmPlotResults& chart() { return main().fmPlotResults(); }
    std::array<QWidget*, 4> legendItems() {
        return {chart().LblAsphalt, chart().LblComparisonOption, chart().Shape1, chart().Shape2};
    }

    // A whole project under the Moderate schedule, priced in millions.
    void enterDefaultProject(const QString& surface) {
        const Fields fields = {{"Length", 5280},           {"Width", 24},
                               {"Area", 126720},           {"SurfaceDepthOne", 4.0},
                               {"BaseCourseOne", 8.0},     {"SubgradeOne", 6.0},
                               {"SalvageOne", "10"},       {"SurfaceDepthTwo", 6.0},
                               {"BaseCourseTwo", 6.0},     {"SalvageTwo", "20"},
                               {"SurfaceTwo", surface},    {"InflationRate", 3.5},
                               {"InterestRate", 6.0},      {"AnalysisPeriod", 1},
                               {"AnalysisText", "30"},     {"ModMaintenance", 1},
                               {"Maintenance", "Moderate"}};
        loadProject(fields);
    }
    void writeTotals(Recordset& rst, const std::array<double, 6>& totals) {
        rst.MoveFirst();
        rst.Edit();
        for (int i = 0; i < 6; ++i) rst.SetField(TotalField(i / 2, i % 2), totals[i]);
        rst.Update();
    }
    void click(QWidget* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    }

    // The chart draws the six totals of `rst`, option one in red and option two in green.
    void expectPlotted(Recordset& rst, const QString& caption) {
        FmPlotResults& w = chart();
        ASSERT_TRUE(w.Visible());
        EXPECT_TRUE(w.IsActiveForm());
        EXPECT_EQ(w.LblComparisonOption->Caption(), caption);
        EXPECT_EQ(w.barSet(0)->color(), QColor(255, 0, 0));
        EXPECT_EQ(w.barSet(1)->color(), QColor(0, 255, 0));
        const double divisor = w.model().divisor;
        rst.MoveFirst();
        for (int row = 0; row < 3; ++row) {
            for (int option = 0; option < 2; ++option) {
                const double stored = rst.Number(TotalField(row, option));
                EXPECT_GT(stored, 0);
                EXPECT_DOUBLE_EQ(w.barSet(option)->at(row), stored / divisor);
                EXPECT_FALSE(w.barSet(option)->isBarSelected(row));
                EXPECT_LE(w.valueAxis()->min(), stored / divisor);
                EXPECT_GE(w.valueAxis()->max(), stored / divisor);
            }
        }
        for (QWidget* legend : legendItems())
            EXPECT_TRUE(legend->isVisible()) << legend->objectName().toStdString();
    }
};

TEST_F(PlotResultsTest, LaidOutAsNamedAndDrawnForTheNewProjectAtStartUp) {
    FmPlotResults& w = chart();
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.outer()->pos(), w.screen()->geometry().topLeft());
    EXPECT_EQ(w.windowTitle(), "");
    EXPECT_EQ(w.size(), TwipsRect(0, 0, 11025, 7560).size());
    auto* view = w.findChild<QChartView*>("MSChartCosts");
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->chart()->legend()->isVisible());
    // One series of two sets over the three categories, their labels shown whole.
    ASSERT_EQ(view->chart()->series().size(), 1);
    EXPECT_EQ(qobject_cast<QBarSeries*>(view->chart()->series()[0])->barSets(),
              (QList<QBarSet*>{w.barSet(0), w.barSet(1)}));
    auto* categories = qobject_cast<QBarCategoryAxis*>(view->chart()->axes(Qt::Horizontal)[0]);
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->categories(), ChartCategories());
    EXPECT_FALSE(categories->labelsTruncated());

    // The fixed captions (the walk of every window checks that they fit).
    const std::pair<const char*, const char*> fixed[] = {
        {"Label17", "Analysis Period"},    {"Label1", "Maintenance "},
        {"Label7", "Inflation Rate"},      {"Label6", "Interest Rate"},
        {"LblAsphalt", "Hot Mix Asphalt"}, {"Label4", "Present Cost"},
        {"Label5", "Future Cost"},         {"Label8", "Present Value"}};
    for (const auto& [name, caption] : fixed) {
        Label* l = w.findChild<Label*>(name);
        ASSERT_NE(l, nullptr) << name;
        EXPECT_EQ(l->Caption(), caption);
    }
    EXPECT_EQ(w.CmdPrint->text(), "Print Chart");
    EXPECT_EQ(w.CmdClose->text(), "Close");
    EXPECT_EQ(w.Shape1->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(w.Shape2->palette().color(QPalette::Window), QColor(0, 255, 0));

    // Start-up's activation: a new project compares with Aggregate under no custom schedule,
    // every total 0, so every legend item is hidden.
    EXPECT_EQ(w.LblComparisonOption->Caption(), "Aggregate Default");
    EXPECT_EQ(w.LblUnits->Caption(), "$ ");
    EXPECT_EQ(w.LblAnalysisPeriod->Caption(), "30 years");
    EXPECT_EQ(w.LblMaintenance->Caption(), " ");
    EXPECT_EQ(w.LblInflation->Caption(), ".0 %");
    EXPECT_EQ(w.LblInterest->Caption(), ".0 %");
    for (int option = 0; option < 2; ++option)
        for (int row = 0; row < 3; ++row) EXPECT_EQ(w.barSet(option)->at(row), 0);
    menu("MenuEditPlotResults");
    for (QWidget* legend : legendItems())
        EXPECT_FALSE(legend->isVisible()) << legend->objectName().toStdString();
}

TEST_F(PlotResultsTest, PlotGraphAndPlotResultsShowTheComparisonsTotals) {
    enterDefaultProject("Aggregate");
    calculate();
    FmDefaultACAG& acag = main().fmDefaultACAG();
    ASSERT_TRUE(acag.Visible());
    click(acag.CmdPlotGraph);
    expectPlotted(main().rstDefaultACAG, "Aggregate Default");
    EXPECT_EQ(chart().LblUnits->Caption(), "$ x 1,000,000 ");
    EXPECT_EQ(chart().LblAnalysisPeriod->Caption(), "30 years");
    EXPECT_EQ(chart().LblMaintenance->Caption(), "Moderate");
    EXPECT_EQ(chart().LblInflation->Caption(), "3.5 %");
    EXPECT_EQ(chart().LblInterest->Caption(), "6.0 %");

    // The second asphalt design, computed, then plotted from the main menu.
    UserActivates(&main());
    pick(entry().CbxSurfaceTwo, 1);
    calculate();
    ASSERT_TRUE(main().fmDefaultACAC().Visible());
    menu("MenuEditPlotResults");
    expectPlotted(main().rstDefaultACAC, "HMA #2 Default");
}

TEST_F(PlotResultsTest, PlotGraphFromACustomWindowShowsTheScheduleItStored) {
    enterProject("Aggregate");
    calculate();
    FmCustomACAG& w = main().fmCustomACAG();
    ASSERT_TRUE(w.Visible());
    const double before = stored(w).Number("OptOneTotalInflated");
    layRow(w, 0, 1, 0, "12");
    click(w.CmdPlotGraph);
    expectPlotted(main().rstCustomACAG, "Aggregate Custom");
    // The row just laid out is in the plotted future-cost total.
    EXPECT_GT(stored(w).Number("OptOneTotalInflated"), before);
    EXPECT_EQ(chart().LblMaintenance->Caption(), "Custom");
}

// Asphalt against a second asphalt design or against the user's surface: both plot table
// CustomACAC, each under its own legend.
struct AsphaltComparison {
    const char* surface;
    const char* legend;
};

class PlotFromCustomAcacTest : public PlotResultsTest,
                               public testing::WithParamInterface<AsphaltComparison> {};

TEST_P(PlotFromCustomAcacTest, PlotGraphShowsTheTotalsTheWindowJustStored) {
    setField("SurfaceOptionTwoLabel", "Gravel Seal");
    enterProject(GetParam().surface);
    calculate();
    FmCustomACAC& w = main().fmCustomACAC();
    ASSERT_TRUE(w.Visible());
    layRow(w, 0, 0, 0, "5");
    layRow(w, 1, 0, 1, "4");
    layRow(w, 1, 1, QString("Re-Construction"), "25");
    // The last year is typed but not left: Plot Graph takes it in before it saves.
    focus(w.Opt(1).Activity[2]);
    pick(w.Opt(1).Activity[2], 0);
    tab();
    type(w.Opt(1).Year[2], "12");
    const QString shownBefore = w.Opt(1).TotalInflated->Caption();
    click(w.CmdPlotGraph);

    EXPECT_NE(w.Opt(1).TotalInflated->Caption(), shownBefore);
    expectPlotted(main().rstCustomACAC, GetParam().legend);
    EXPECT_EQ(chart().model().table, ResultsTable::CustomACAC);
    EXPECT_EQ(chart().LblUnits->Caption(), "$ x 1,000 ");
    EXPECT_EQ(chart().LblMaintenance->Caption(), "Custom");
    // Each bar is the total the window shows, as stored.
    auto amount = [](Label* l) {
        return l->Caption().remove(QRegularExpression("[$, ]")).toDouble();
    };
    Recordset& r = stored(w);
    for (int option = 0; option < 2; ++option) {
        SCOPED_TRACE(option);
        const CustomScheduleWindow::Option& o = w.Opt(option);
        const double shown[3] = {amount(o.TotalCost), amount(o.TotalInflated),
                                 amount(o.TotalValue)};
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(r.Number(TotalField(row, option)), shown[row]) << row;
            EXPECT_DOUBLE_EQ(chart().barSet(option)->at(row), shown[row] / 1000) << row;
        }
    }
    EXPECT_EQ(r.Number("OptTwoTwoYear"), 12);
}

INSTANTIATE_TEST_SUITE_P(, PlotFromCustomAcacTest,
                         testing::Values(AsphaltComparison{"Hot Mix Asphalt #2", "HMA #2 Custom"},
                                         AsphaltComparison{"Gravel Seal", "Gravel Seal"}),
                         [](const auto& info) {
                             return info.index == 0 ? "SecondAsphalt" : "UsersSurface";
                         });

TEST_F(PlotResultsTest, EveryActivationRereadsTheStoredFlagWithTheLiveList) {
    record().Edit();
    record().SetField("CustomMaintenance", 1);
    record().Update();
    entry().ResetEntries();
    writeTotals(main().rstCustomACAG, {210000, 190000, 420000, 380000, 150000, 140000});
    menu("MenuEditPlotResults");
    expectPlotted(main().rstCustomACAG, "Aggregate Custom");
    EXPECT_EQ(chart().LblUnits->Caption(), "$ x 1,000 ");
    EXPECT_DOUBLE_EQ(chart().barSet(1)->at(1), 380);

    // A return to the chart window rebuilds it from the new totals.
    UserActivates(&main());
    writeTotals(main().rstCustomACAG, {2100000, 190000, 420000, 380000, 150000, 140000});
    UserActivates(&chart());
    EXPECT_EQ(chart().LblComparisonOption->Caption(), "Aggregate Custom");
    EXPECT_EQ(chart().LblUnits->Caption(), "$ x 1,000,000 ");
    EXPECT_DOUBLE_EQ(chart().barSet(0)->at(0), 2.1);

    // The flag is the stored one: a cleared Custom box counts once the data entry window,
    // left for the chart, has stored it.
    UserActivates(&main());
    entry().ChkCustomMaintenance->SetValue(0);
    EXPECT_EQ(record().Number("CustomMaintenance"), 1);
    UserActivates(&chart());
    EXPECT_EQ(record().Number("CustomMaintenance"), 0);
    EXPECT_EQ(chart().LblComparisonOption->Caption(), "Aggregate Default");
    EXPECT_EQ(chart().model().table, ResultsTable::DefaultACAG);

    // The user-named surface under the stored default flag matches no comparison: the
    // caption stays, every bar is empty, the legend shows.
    UserActivates(&main());
    pick(entry().CbxSurfaceTwo, 2);
    ASSERT_EQ(entry().CbxSurfaceTwo->Text(), "Undefined");
    entry().ChkCustomMaintenance->SetValue(0);  // the selection rule ticked it
    UserActivates(&chart());
    EXPECT_EQ(chart().LblComparisonOption->Caption(), "Aggregate Default");
    EXPECT_EQ(chart().LblUnits->Caption(), "$ ");
    EXPECT_FALSE(chart().model().table.has_value());
    for (int option = 0; option < 2; ++option) {
        EXPECT_EQ(chart().barSet(option)->selectedBars().size(), 3);
        for (int row = 0; row < 3; ++row) EXPECT_FALSE(chart().model().values[row][option]);
    }
    EXPECT_TRUE(chart().LblAsphalt->isVisible());
    EXPECT_TRUE(chart().Shape2->isVisible());
    EXPECT_EQ(record().Number("CustomMaintenance"), 0);
}

TEST_F(PlotResultsTest, PrintChartNeedsAPrinterAndCloseHides) {
    menu("MenuEditPlotResults");
    ASSERT_FALSE(main().PrinterOK);
    click(chart().CmdPrint);
    EXPECT_TRUE(backend().printed.empty());
    click(chart().CmdClose);
    EXPECT_FALSE(chart().Visible());
}

class PlotResultsWithPrinterTest : public PlotResultsTest {
    void configure(ScriptedBackend& b) override { b.printers = {"Office"}; }
};

TEST_F(PlotResultsWithPrinterTest, PrintChartPrintsTheWholeWindowAsShown) {
    record().Edit();
    record().SetField("CustomMaintenance", 1);
    record().SetField("SurfaceTwo", "Hot Mix Asphalt #2");
    record().Update();
    writeTotals(main().rstCustomACAC, {52000, 61000, 90000, 99000, 30000, 35000});
    entry().ResetEntries();
    menu("MenuEditPlotResults");
    expectPlotted(main().rstCustomACAC, "HMA #2 Custom");
    click(chart().CmdPrint);
    ASSERT_EQ(backend().printed.size(), 1u);
    const QImage& image = backend().printed[0];
    EXPECT_EQ(image.size(), chart().size() * chart().devicePixelRatio());
    // The swatches and the bars: pure red and pure green are in the image.
    int red = 0, green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(255, 0, 0);
            green += c == QColor(0, 255, 0);
        }
    EXPECT_GT(red, 1000);
    EXPECT_GT(green, 1000);
    EXPECT_TRUE(chart().Visible());
}

}  // namespace
