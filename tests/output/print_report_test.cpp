// "Print Report" through the whole application: the choice of report, the printer and the
// reading of the stored rows, and each of the four reports printed to a PDF file and read
// back with poppler's tools.
#include "output/print_report.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_window_fixture.h"
#include "common/format.h"
#include "output/data_env.h"
#include "output/report_render.h"
#include "platform/clock.h"

using namespace orv;
using namespace orv::test;

namespace {

using R = ReportId;

TEST(ChooseReports, FiveTestsEachByItselfInOrder) {
    struct Case {
        int custom;
        QString list;
        QString user;
        std::vector<ReportId> expected;
    };
    const Case cases[] = {
        {0, "Aggregate", "Gravel", {R::DefaultACAG}},
        {1, "Aggregate", "Gravel", {R::CustomACAG}},
        {0, "Hot Mix Asphalt #2", "Gravel", {R::DefaultACAC}},
        {1, "Hot Mix Asphalt #2", "Gravel", {R::CustomACAC}},
        {1, "Gravel", "Gravel", {R::CustomACAC}},
        // The user's surface under a default schedule, and a text that is no entry.
        {0, "Gravel", "Gravel", {}},
        {1, "gravel", "Gravel", {}},
        {1, "", "Undefined", {}},
        // A value other than 1 is not ticked.
        {2, "Aggregate", "Gravel", {R::DefaultACAG}},
        // A user's surface named like a fixed entry prints twice.
        {1, "Aggregate", "Aggregate", {R::CustomACAG, R::CustomACAC}},
        {1, "Hot Mix Asphalt #2", "Hot Mix Asphalt #2", {R::CustomACAC, R::CustomACAC}},
        {0, "Aggregate", "Aggregate", {R::DefaultACAG}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseReports(c.custom, c.list, c.user), c.expected)
            << c.custom << " " << c.list.toStdString() << " " << c.user.toStdString();
    }
}

// The text of a PDF file's page, and its words with their boxes in twips from the page's
// top left corner.
struct Word {
    QString text;
    double left, top, right, bottom;
};

QString Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<Word> Words(const QString& pdf) {
    const QString html = Tool("pdftotext", {"-bbox-layout", pdf, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (const auto& m : word.globalMatch(html)) {
        QString text = m.captured(5);
        text.replace("&quot;", "\"")
            .replace("&amp;", "&")
            .replace("&lt;", "<")
            .replace("&gt;", ">");
        words.push_back({text, m.captured(1).toDouble() * 20, m.captured(2).toDouble() * 20,
                         m.captured(3).toDouble() * 20, m.captured(4).toDouble() * 20});
    }
    return words;
}

// Where a word must stand: its text, the band's top and the item's left (or right, for a
// right-aligned box) and top, in twips as the layout gives them.
struct Place {
    QString word;
    int bandTop;
    int edge;
    bool rightAligned;
    int top;
};

class PrintReportTest : public CustomWindowTest {
  protected:
    void configure(ScriptedBackend& b) override { b.printers = {"Office"}; }
    void SetUp() override {
        SetToday(QDate(2026, 3, 5));
        InputsTest::SetUp();
    }
    void TearDown() override {
        InputsTest::TearDown();
        SetToday(std::nullopt);
    }

    // The user describes the project in the data entry and unit cost windows.
    void enterProject(int surface) {
        main().MenuEditSetCosts_Click();
        Settle();
        enter(costs().TbxAsphaltCost, "999.5", costs().Boxes()[1].box);
        costs().CmdClose->click();
        UserActivates(&main());
        FmDataEntry& w = entry();
        enter(w.TbxName, "Main Street Rehabilitation", w.TbxFrom);
        enter(w.TbxFrom, "Oak Avenue", w.TbxTo);
        enter(w.TbxTo, "Elm Road", w.TbxLength);
        pick(w.CbxMonth, 8);
        pick(w.CbxYear, 14);
        pick(w.CbxAnalysisPeriod, 2);
        enter(w.TbxLength, "5280", w.TbxWidth);
        enter(w.TbxWidth, "24", w.TbxSurfaceDepthOne);
        enter(w.TbxSurfaceDepthOne, "4", w.TbxBaseOne);
        enter(w.TbxBaseOne, "8", w.TbxSubgradeOne);
        enter(w.TbxSubgradeOne, "6", w.TbxConstOptionOne);
        w.ChkSubgradePrepOne->click();
        pick(w.CbxSalvageOne, 2);
        pick(w.CbxSurfaceTwo, surface);
        enter(w.TbxSurfaceDepthTwo, "6", w.TbxBaseTwo);
        enter(w.TbxBaseTwo, "6", w.TbxSubgradeTwo);
        w.ChkPavementFabricTwo->click();
        pick(w.CbxSalvageTwo, 3);
        enter(w.TbxInflationRate, "3.5", w.TbxInterestRate);
        enter(w.TbxInterestRate, "6", w.TbxName);
    }
    void calculate() {
        entry().CmdCompute->click();
        Settle();
        UserActivates(&main());
    }
    // Prints the report to a PDF file; its path.
    QString printToPdf(const QString& name) {
        const QString pdf = path(name + ".pdf");
        backend().pdfFiles.push_back(pdf);
        menu("MenuFilePrint");
        EXPECT_TRUE(QFile::exists(pdf));
        return pdf;
    }
    // The page is upright Letter, Liberation Sans is embedded, each string stands on the
    // page and each word where the layout puts it.
    void expectPdf(const QString& pdf, const QStringList& strings, const std::vector<Place>& places,
                   const QStringList& fonts) {
        const QString info = Tool("pdfinfo", {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(R"(Pages:\s+1\n)"))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(R"(Page size:\s+612 x 792 pts \(letter\))")))
            << info.toStdString();
        const QString fontList = Tool("pdffonts", {pdf});
        for (const QString& f : fonts) {
            EXPECT_TRUE(fontList.contains(QRegularExpression("(^|\\n)" + f + "\\s")))
                << f.toStdString() << fontList.toStdString();
        }
        const QString text = Tool("pdftotext", {"-layout", pdf, "-"});
        for (const QString& s : strings) EXPECT_TRUE(text.contains(s)) << s.toStdString();
        const std::vector<Word> words = Words(pdf);
        for (const Place& p : places) {
            const double edge = 1440 + p.edge;
            const double top = 720 + p.bandTop + p.top;
            bool found = false;
            for (const Word& w : words) {
                if (w.text != p.word) continue;
                const double x = p.rightAligned ? w.right : w.left;
                if (std::abs(x - edge) <= 30 && std::abs(w.top - top) <= 30) found = true;
            }
            EXPECT_TRUE(found) << p.word.toStdString() << " at " << edge << ", " << top;
        }
    }
    Recordset& customRow(Recordset& rst, const std::vector<std::pair<QString, QVariant>>& fields) {
        rst.Edit();
        for (const auto& [f, v] : fields) rst.SetField(f, v);
        rst.Update();
        return rst;
    }
};

TEST_F(PrintReportTest, DefaultAggregateReportPrintsTheStoredProject) {
    enterProject(0);
    entry().ChkModerateMaintenance->click();
    calculate();
    Recordset& r = main().rstDefaultACAG;
    r.MoveFirst();
    const QString total = FormatByPattern(r.Number("OptOneTotalValue"), "\"$\"#,##0");
    const QString blading = FormatByPattern(r.Number("OptTwoBladeCostPresent"), "###,###");
    const QString pdf = printToPdf("DRDefaultACAG");
    EXPECT_EQ(backend().printJobs, 1);
    ASSERT_EQ(backend().pageSetups.size(), 1u);
    EXPECT_EQ(backend().pageSetups[0].marginsTwips, QMarginsF(1440, 720, 1440, 720));
    EXPECT_EQ(backend().pageSetups[0].documentName, "DRDefaultACAG");
    expectPdf(pdf,
              {"ORVALEN",
               LongDateText(QDate(2026, 3, 5)),
               "Project Name :",
               "Main Street Rehabilitation",
               "Oak Avenue",
               "Elm Road",
               "September-15",
               "126,720",
               "Hot Mix Asphalt Surface Depth",
               "Stablized Subgrade",
               "Planned Maintenance",
               "Moderate",
               "MATERIALS COSTS",
               "$999.50",
               "$/ sq yd / in",
               "Aggregate Surface",
               "Undefined",
               "Dust Control",
               "COMPARATIVE ANALYSIS",
               "Iniitial Construction",
               "1.5\" Overay",
               "Rotmill/Overlay",
               "Demolition/Replacment",
               "Blade Every",
               "Blade And Gravel Every",
               "Total Aggregate Life Cycle Cost",
               total,
               blading},
              {{"ORVALEN", 0, 2664, false, 0},
               {"Main", 390, 1605, false, 30},
               {"September-15", 390, 1605, false, 750},
               {"40", 390, 4980 + 585, true, 750},
               {"4.0", 390, 3375 + 420, true, 1230},
               {"Yes", 390, 3375, false, 1950},
               {"MATERIALS", 390, 315, false, 3105},
               {"$999.50", 390, 2655, false, 3390},
               {"Rotomill", 390, 4950, false, 3405 + 240 * 6},
               {"Blade", 390, 4935, false, 3405 + 240 * 7},
               {"COMPARATIVE", 390, 315, false, 6885},
               {total, 390, 7020 + 1290, true, 10050},
               {"Total", 390, 315, false, 12210}},
              {"LiberationSans", "LiberationSans-Bold", "LiberationSans-Italic"});
    // Salvage Percent stands only in the asphalt layouts.
    EXPECT_FALSE(Tool("pdftotext", {pdf, "-"}).contains("Salvage Percent"));
    // Fractional point sizes: the "%" after the interest rate in the 7.5 point report font,
    // the one after the inflation rate in 9 point, the block title in 10.5 point.
    std::vector<double> percent;
    double title = 0;
    double materials = 0;
    for (const Word& w : Words(pdf)) {
        if (w.text == "%") percent.push_back(w.bottom - w.top);
        if (w.text == "COMPARATIVE") title = w.bottom - w.top;
        if (w.text == "MATERIALS") materials = w.bottom - w.top;
    }
    ASSERT_EQ(percent.size(), 2u);
    EXPECT_NEAR(percent[1] / percent[0], 7.5 / 9, 0.02);
    EXPECT_NEAR(title / materials, 10.5 / 9, 0.02);
}

TEST_F(PrintReportTest, DefaultAsphaltReportPrintsSalvagePercentages) {
    enterProject(1);
    entry().ChkHighMaintenance->click();
    calculate();
    const QString pdf = printToPdf("DRDefaultACAC");
    expectPdf(pdf,
              {"Hot Mix Asphalt #1 Surface Depth", "Hot Mix Asphalt #2", "Salvage Percent", "High",
               "Demoliotion/Replacement", "Hot Mix Asphalt #2 Life Cycle Cost"},
              {{"Salvage", 345, 300 + 60, false, 2670},
               {"10", 345, 3375 + 60, false, 2670},
               {"20", 345, 8040 + 60, false, 2670},
               {"Planned", 345, 360, false, 2910},
               {"MATERIALS", 345, 345, false, 3300},
               {"COMPARATIVE", 345, 285, false, 6330},
               {"Demoliotion/Replacement", 345, 375, false, 11880}},
              {"LiberationSans", "LiberationSans-Bold", "LiberationSans-Italic"});
    const QString text = Tool("pdftotext", {pdf, "-"});
    EXPECT_FALSE(text.contains("Aggregate Surface"));
    EXPECT_FALSE(text.contains("Dust Control"));
}

TEST_F(PrintReportTest, CustomReportsPrintTheStoredSchedules) {
    enterProject(0);
    entry().ChkCustomMaintenance->click();
    entry().SaveEntries();
    customRow(main().rstCustomACAG, {{"OptOneZero", "Crack Seal"},
                                     {"OptOneZeroYear", 5},
                                     {"OptOneZeroDepth", 100},
                                     {"OptOneZeroInflated", 12345},
                                     {"OptOneZeroValue", 9876},
                                     {"OptOneOne", "Overlay"},
                                     {"OptOneOneYear", 12},
                                     {"OptOneOneDepth", 2},
                                     {"OptOneTotalValue", 1234567},
                                     {"OptTwoZero", " "},
                                     {"OptTwoTotalValue", -2500}});
    const QString pdf = printToPdf("DRCustomACAG");
    expectPdf(
        pdf,
        {"Aggregate Pavement", "Asphalt Patching", "Crack Seal", "12,345", "9,876", "$1,234,567",
         "-$2,500", "Total Hot Mix Asphalt Life Cycle Cost", "% Area", "Custom"},
        {{"ORVALEN", 0, 2664, false, 72},
         {"Main", 660, 1590, false, 60},
         {"Crack", 660, 370, false, 7065},
         {"100.", 660, 3270, false, 7065},
         {"2.", 660, 3270, false, 7305},
         {"12,345", 660, 5640 + 1290, true, 7065},
         {"$1,234,567", 660, 7260 + 1290, true, 9480},
         {"-$2,500", 660, 7260 + 1290, true, 12630}},
        {"LiberationSans", "LiberationSans-Bold", "LiberationSans-Italic"});

    // The user's own surface with Custom: the asphalt custom report, headed by its name.
    UserActivates(&main());
    main().MenuEditDefineOptions_Click();
    Settle();
    type(names().TbxSurfaceOptionTwo, "Chip Seal Road");
    names().CmdSave->click();
    Settle();
    UserActivates(&main());
    pick(entry().CbxSurfaceTwo, 2);
    entry().SaveEntries();
    customRow(main().rstCustomACAC, {{"OptTwoEight", "Seal Coat"},
                                     {"OptTwoEightYear", 36},
                                     {"OptTwoEightInflated", 4321},
                                     {"OptTwoTotalValue", 98765}});
    const QString pdf2 = printToPdf("DRCustomACAC");
    expectPdf(pdf2,
              {"Hot Mix Asphalt One", "Chip Seal Road", "Salvage Percent", "Seal Coat", "4,321",
               "Life Cycle Cost", "$98,765"},
              {{"ORVALEN", 0, 2808, false, 144},
               {"Chip", 774, 4995, false, 1380},
               {"Seal", 774, 405, false, 10110 + 240 * 8},
               {"36", 774, 2700, false, 10110 + 240 * 8},
               {"$98,765", 774, 7320 + 1290, true, 12510}},
              {"LiberationSans", "LiberationSans-Bold", "LiberationSans-Italic"});
    EXPECT_EQ(backend().printJobs, 2);
}

// The report of a schedule laid out in the custom window prints the figures the window
// showed, each in its row and column.
TEST_F(PrintReportTest, CustomAggregateReportPrintsTheScheduleLaidOutInTheWindow) {
    enterProject(0);
    entry().ChkCustomMaintenance->click();
    CustomWindowTest::calculate();
    FmCustomACAG& w = main().fmCustomACAG();
    ASSERT_TRUE(w.Visible());
    layRow(w, 0, 0, 0, "5");         // Fog Seal
    layRow(w, 0, 2, 3, "12", "25");  // Crack Seal, % Area
    layRow(w, 1, 1, 1, "15");        // Blade And Gravel
    // A caption "$ 5,796" prints as "5,796", or "$5,796" on a total row.
    auto figure = [](Label* l, bool total = false) {
        QString c = l->Caption();
        EXPECT_TRUE(c.startsWith("$ ")) << c.toStdString();
        return (total ? "$" : "") + c.mid(2);
    };
    CustomScheduleWindow::Option& one = w.Opt(0);
    CustomScheduleWindow::Option& two = w.Opt(1);
    const std::vector<Place> places = {
        {figure(one.ConstCost), 660, 3900 + 1290, true, 6810},
        {"Fog", 660, 370, false, 7065},
        {"5", 660, 2730, false, 7065},
        {figure(one.Inflated[0]), 660, 5640 + 1290, true, 7065},
        {figure(one.Value[0]), 660, 7260 + 1290, true, 7065},
        {"Crack", 660, 370, false, 7545},
        {"25.", 660, 3270, false, 7545},
        {figure(one.Inflated[2]), 660, 5640 + 1290, true, 7545},
        {figure(one.SalvageInflated), 660, 5640 + 1290, true, 9225},
        {figure(one.TotalCost, true), 660, 3930 + 1290, true, 9480},
        {figure(one.TotalInflated, true), 660, 5640 + 1290, true, 9480},
        {figure(one.TotalValue, true), 660, 7260 + 1290, true, 9480},
        {"Blade", 660, 370, false, 10350},
        {"15", 660, 2730, false, 10350},
        {figure(two.Inflated[1]), 660, 5670 + 1290, true, 10350},
        {figure(two.Value[1]), 660, 7260 + 1290, true, 10350},
        {figure(two.TotalCost, true), 660, 3930 + 1290, true, 12630},
        {figure(two.TotalInflated, true), 660, 5670 + 1290, true, 12630},
        {figure(two.TotalValue, true), 660, 7260 + 1290, true, 12630}};
    // Leaving the window stores the schedule; the report reads the stored row.
    UserActivates(&main());
    const QString pdf = printToPdf("DRCustomACAG");
    EXPECT_EQ(backend().pageSetups.back().documentName, "DRCustomACAG");
    expectPdf(pdf, {"Fog Seal", "Crack Seal", "Blade And Gravel", "Custom"}, places,
              {"LiberationSans", "LiberationSans-Bold"});
}

// Names too wide for their boxes, in each of the four reports and under the user's own
// surface: no text runs into another, a name stays inside its box, drawn smaller or cut
// with "…", and every figure and every name that fits prints whole at its own size.
TEST_F(PrintReportTest, LongNamesStayInTheirBoxesAndLeaveEveryFigureWhole) {
    const QString surface = R"(Surface Treatment & "Double" Chip Seal Layers)";
    const QString maintOne = R"(Micro Surfacing & "Rut" Fill With Polymer Oil)";
    const QString maintTwo = R"(Hot In-Place Recycling & "Remix" Surface Lift)";
    const QStringList longNames = {surface, maintOne, maintTwo,
                                   R"(Cold In-Place Recycling & "Foamed" Bitumen Mx)",
                                   R"(Ultra Thin Bonded Wearing & "Open" Grade Lift)"};
    // The project's own names fit their wide boxes; so does a short item name.
    const QStringList fitting = {R"(Crack Sealing & "Routed" Joints With Hot Pour)",
                                 R"(Full Depth Reclamation & "Cement" Stabilizing)",
                                 R"(Thin Lift Overlay & "Warm" Mix Asphalt Binder)", "Moss"};
    for (const QString& n : longNames + fitting.mid(0, 3)) ASSERT_EQ(n.size(), 45);
    const Fields names = {{"ProjectName", fitting[0]},
                          {"From", fitting[1]},
                          {"To", fitting[2]},
                          {"ConstOptionOneLabel", longNames[3]},
                          {"ConstOptionTwoLabel", longNames[4]},
                          {"MaintOptionOneLabel", maintOne},
                          {"MaintOptionTwoLabel", maintTwo},
                          {"MaintOptionThreeLabel", fitting[3]},
                          {"SurfaceOptionTwoLabel", surface}};
    // The names go into the record as the windows' saves leave it, each time before a print.
    auto writeNames = [&] {
        for (const auto& [field, name] : names) setField(field, name);
    };
    enterProject(0);
    entry().SaveEntries();
    writeNames();
    main().ResetOptionLabels();
    entry().ChkHighMaintenance->click();

    struct Case {
        ReportId id;
        int surface;
        bool custom;
    };
    const Case cases[] = {{R::DefaultACAG, 0, false},
                          {R::DefaultACAC, 1, false},
                          {R::CustomACAG, 0, true},
                          {R::CustomACAC, 1, true},
                          {R::CustomACAC, 2, true}};
    for (const Case& c : cases) {
        const ReportLayout& layout = Layout(c.id);
        SCOPED_TRACE(layout.name.toStdString() + " " + QString::number(c.surface).toStdString());
        UserActivates(&main());
        pick(entry().CbxSurfaceTwo, c.surface);
        if (entry().ChkCustomMaintenance->Value() != (c.custom ? 1 : 0))
            entry().ChkCustomMaintenance->click();
        if (c.custom) {
            entry().SaveEntries();
            Recordset& rst = c.id == R::CustomACAG ? main().rstCustomACAG : main().rstCustomACAC;
            customRow(rst, {{"OptOneZero", maintOne},
                            {"OptOneZeroYear", 12},
                            {"OptOneZeroDepth", 35},
                            {"OptOneZeroInflated", 9876543},
                            {"OptOneZeroValue", 1234567},
                            {"OptOneOne", "Moss"},
                            {"OptOneOneYear", 18},
                            {"OptTwoZero", maintTwo},
                            {"OptTwoZeroYear", 25},
                            {"OptTwoZeroDepth", 100},
                            {"OptTwoZeroInflated", 55555},
                            {"OptTwoTotalValue", 98765432}});
        } else {
            calculate();
        }
        writeNames();
        const QString pdf = printToPdf(layout.name + QString::number(c.surface));
        const DisplayList list = RenderReport(
            layout, main().DataEnv.Read(main().dbVORN, layout.command), LongDateText(Today()));
        const std::vector<Word> words = Words(pdf);
        ASSERT_FALSE(words.empty());

        // A word's box spans its font's height, a point or so more than its ink: the custom
        // asphalt report's "Depth" and "% Area" heads, 9 points apart, share that much.
        for (size_t a = 0; a < words.size(); ++a) {
            for (size_t b = a + 1; b < words.size(); ++b) {
                const Word& p = words[a];
                const Word& q = words[b];
                const double across = std::min(p.right, q.right) - std::max(p.left, q.left);
                const double down = std::min(p.bottom, q.bottom) - std::max(p.top, q.top);
                EXPECT_FALSE(across > 1 && down > 40)
                    << p.text.toStdString() << " and " << q.text.toStdString();
            }
        }
        // A word's height in twips for each point of its size, from a caption that fits.
        double perPoint = 0;
        for (const Word& w : words)
            if (w.text == "MATERIALS") perPoint = (w.bottom - w.top) / 9;
        ASSERT_GT(perPoint, 0);
        // The words printed in a text's box: on its line, starting inside it.
        auto wordsIn = [&](const PlacedText& t) {
            std::vector<Word> in;
            for (const Word& w : words) {
                const double middle = (w.top + w.bottom) / 2 - 720;
                const double left = w.left - 1440;
                if (middle > t.box.top() && middle < t.box.bottom() && left > t.box.left() - 15 &&
                    left < t.box.right())
                    in.push_back(w);
            }
            return in;
        };
        int longSeen = 0;
        for (const PlacedText& t : list.texts) {
            SCOPED_TRACE(t.text.toStdString());
            const std::vector<Word> in = wordsIn(t);
            QStringList printed;
            for (const Word& w : in) printed << w.text;
            if (longNames.contains(t.text)) {
                ++longSeen;
                ASSERT_FALSE(in.empty());
                for (const Word& w : in) {
                    EXPECT_LE(w.right - 1440, t.box.right() + 10) << w.text.toStdString();
                    EXPECT_LT(w.bottom - w.top, perPoint * t.font.pointSize * 0.98);
                    EXPECT_GT(w.bottom - w.top, perPoint * 5.9);
                }
                const QString shown = printed.join(' ');
                EXPECT_TRUE(shown == t.text || (shown.endsWith(QChar(0x2026)) &&
                                                t.text.startsWith(shown.chopped(1).trimmed())))
                    << shown.toStdString();
                continue;
            }
            // Every other text prints whole; a figure and a name that fits at its own size.
            const QStringList expected = t.text.split(' ', Qt::SkipEmptyParts);
            EXPECT_EQ(printed.mid(0, expected.size()), expected);
            if (t.fit == ReportFit::Whole || fitting.contains(t.text)) {
                for (const Word& w : in)
                    EXPECT_NEAR(w.bottom - w.top, perPoint * t.font.pointSize, perPoint * 0.15);
            }
        }
        EXPECT_GE(longSeen, 4);
    }
}

TEST_F(PrintReportTest, EachPrintReadsTheRowAsStoredThen) {
    enterProject(0);
    entry().ChkLowMaintenance->click();
    calculate();
    menu("MenuFilePrint");
    Recordset& r = main().rstDefaultACAG;
    r.Edit();
    r.SetField("OptOneTotalValue", 4242424);
    r.Update();
    const QString pdf = printToPdf("second");
    EXPECT_TRUE(Tool("pdftotext", {pdf, "-"}).contains("$4,242,424"));
    EXPECT_EQ(backend().printJobs, 2);
}

TEST_F(PrintReportTest, AReportThatCannotBeReadStopsEveryReportOfThePrint) {
    // The user's surface named "Aggregate": two reports match, the second lacks a field.
    main().rstVORN.Edit();
    main().rstVORN.SetField("SurfaceOptionTwoLabel", "Aggregate");
    main().rstVORN.Update();
    main().ResetOptionLabels();
    entry().ChkCustomMaintenance->click();
    pick(entry().CbxSurfaceTwo, 0);
    main().dbVORN.Execute("ALTER TABLE CustomACAC RENAME COLUMN OptTwoEightValue TO Gone");
    menu("MenuFilePrint");
    EXPECT_EQ(backend().printJobs, 0);
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(lastMessage().title, "Print Report");
    EXPECT_TRUE(lastMessage().text.contains(main().workFile()));
    EXPECT_TRUE(lastMessage().text.contains("OptTwoEightValue"));

    // A missing row is told the same way.
    main().dbVORN.Execute("DELETE FROM CustomACAG");
    menu("MenuFilePrint");
    EXPECT_EQ(backend().printJobs, 0);
    ASSERT_EQ(messageCount(), 2u);
    EXPECT_TRUE(lastMessage().text.contains("CustomACAG"));
}

TEST_F(PrintReportTest, StartUpNamesTheWorkingFileInTheConnectionText) {
    EXPECT_EQ(main().DataEnv.Connection1.ConnectionString,
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + main().workFile() +
                  ";Mode=Share Deny None;Persist Security Info=False");
}

class NoPrinterTest : public InputsTest {};

TEST_F(NoPrinterTest, PrintReportWithoutAPrinterDoesNothing) {
    main().dbVORN.Execute("DROP TABLE DefaultACAG");
    menu("MenuFilePrint");
    EXPECT_EQ(backend().printJobs, 0);
    EXPECT_EQ(messageCount(), 0u);
}

}  // namespace
