#include "output/fm_plot_results.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QValueAxis>

#include "inputs/fm_data_entry.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

const QString kArial = QStringLiteral("Arial");
const QColor kGrey(192, 192, 192);
const QColor kLightGrey(224, 224, 224);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

// The chart control, in twips.
constexpr int kChartLeft = 2250, kChartTop = 645, kChartWidth = 7515, kChartHeight = 6030;
// The captions along the chart's bottom edge: the categories stand above their centres.
constexpr int kCaptionLefts[] = {4110, 6045, 7980};
constexpr int kCaptionTop = 6390, kCaptionWidth = 1290;
// The plot area's top and bottom within the chart, leaving room for the category labels
// above the captions.
constexpr int kPlotTop = 300, kPlotBottom = kCaptionTop - kChartTop - 360;

QFrame* swatch(QWidget* parent, const QString& name, const QColor& fill, int l, int t, int w,
               int h) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Box);
    f->setLineWidth(1);
    SetColors(f, Qt::black, fill);
    PlaceTwips(f, l, t, w, h);
    return f;
}

}  // namespace

FmPlotResults::FmPlotResults(MDIMain& main) : Form(QStringLiteral("FmPlotResults")), main_(main) {
    SetCaption(QString());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SetColors(this, Qt::black, kGrey);
    SetClientSizeTwips(11025, 7560);

    // The chart first, so that the captions along its bottom edge stand over it.
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins());
    // A chart of a fixed plot area draws no background of its own: the view draws it.
    chart->setBackgroundVisible(false);
    auto* series = new QBarSeries;
    for (int option = 0; option < 2; ++option) {
        // No series label: the window's own legend names the series.
        auto* set = new QBarSet(QString());
        set->setSelectedColor(Qt::transparent);
        for (int row = 0; row < 3; ++row) set->append(0);
        series->append(set);
        sets_[option] = set;
    }
    chart->addSeries(series);
    // Adding the series gives the sets the theme's colours; ours come after.
    for (int option = 0; option < 2; ++option) {
        sets_[option]->setColor(option == 0 ? kRed : kGreen);
        sets_[option]->setBorderColor(Qt::black);
    }
    auto* categories = new QBarCategoryAxis;
    categories->append(ChartCategories());
    categories->setTruncateLabels(false);
    valueAxis_ = new QValueAxis;
    valueAxis_->setLabelFormat(QStringLiteral("%.10g"));
    QFont axisFont(kArial);
    axisFont.setPointSizeF(8);
    categories->setLabelsFont(axisFont);
    valueAxis_->setLabelsFont(axisFont);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(categories), static_cast<QAbstractAxis*>(valueAxis_)}) {
        axis->setLabelsColor(Qt::black);
        axis->setGridLineColor(kLightGrey);
        axis->setLinePenColor(Qt::black);
    }
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(valueAxis_);
    // Each category stands over its caption along the bottom edge.
    const int step = kCaptionLefts[1] - kCaptionLefts[0];
    const int firstCentre = kCaptionLefts[0] + kCaptionWidth / 2 - kChartLeft;
    const int plotLeft = firstCentre - step / 2;
    chart->setPlotArea(QRectF(TwipsToPixels(plotLeft), TwipsToPixels(kPlotTop),
                              TwipsToPixels(3 * step), TwipsToPixels(kPlotBottom - kPlotTop)));

    MSChartCosts = new QChartView(chart, this);
    MSChartCosts->setObjectName(QStringLiteral("MSChartCosts"));
    MSChartCosts->setRenderHint(QPainter::Antialiasing);
    MSChartCosts->setFrameShape(QFrame::NoFrame);
    MSChartCosts->setFocusPolicy(Qt::NoFocus);
    MSChartCosts->setBackgroundBrush(Qt::white);
    PlaceTwips(MSChartCosts, kChartLeft, kChartTop, kChartWidth, kChartHeight);

    auto label = [this](const char* name, const char* caption, int l, int t, int w, int h,
                        const QColor& back, const QColor& fore = Qt::black) {
        auto* lbl =
            new Label(this, QString::fromLatin1(name), QString::fromLatin1(caption), l, t, w, h);
        SetFont(lbl, kArial, 9);
        SetColors(lbl, fore, back);
        lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return lbl;
    };
    Label17 = label("Label17", "Analysis Period", 495, 375, 1290, 270, kGrey);
    LblAnalysisPeriod = label("LblAnalysisPeriod", "", 600, 630, 735, 330, kGrey, kBlue);
    Label1 = label("Label1", "Maintenance ", 480, 990, 1095, 270, kGrey);
    LblMaintenance = label("LblMaintenance", "", 600, 1215, 1095, 330, kGrey, kBlue);
    Label7 = label("Label7", "Inflation Rate", 480, 1575, 1290, 270, kGrey);
    LblInflation = label("LblInflation", "", 600, 1830, 735, 330, kGrey, kBlue);
    Label6 = label("Label6", "Interest Rate", 480, 2130, 1095, 270, kGrey);
    LblInterest = label("LblInterest", "", 600, 2400, 1095, 330, kGrey, kBlue);
    LblAsphalt = label("LblAsphalt", "Hot Mix Asphalt", 480, 2985, 840, 705, kGrey);
    LblAsphalt->setWordWrap(true);
    Shape1 = swatch(this, QStringLiteral("Shape1"), kRed, 1620, 3045, 210, 480);
    LblComparisonOption =
        label("LblComparisonOption", "Comparison Option", 480, 3765, 1035, 1200, kGrey);
    LblComparisonOption->setWordWrap(true);
    Shape2 = swatch(this, QStringLiteral("Shape2"), kGreen, 1635, 3810, 210, 480);
    LblUnits = label("LblUnits", "", 9015, 255, 1530, 300, kGrey);
    Label4 = label("Label4", "Present Cost", kCaptionLefts[0], kCaptionTop, kCaptionWidth, 270,
                   kLightGrey);
    Label5 = label("Label5", "Future Cost", kCaptionLefts[1], kCaptionTop, kCaptionWidth, 270,
                   kLightGrey);
    Label8 = label("Label8", "Present Value", kCaptionLefts[2], kCaptionTop, kCaptionWidth, 270,
                   kLightGrey);

    CmdPrint = new Button(this, QStringLiteral("CmdPrint"), QStringLiteral("Print Chart"), 7848,
                          6840, 1272, 312);
    CmdClose = new Button(this, QStringLiteral("CmdClose"), QStringLiteral("Close"), 9312, 6840,
                          1272, 312);
    for (auto* b : {CmdPrint, CmdClose}) SetFont(b, kArial, 8);
    CmdPrint->Click = [this] { CmdPrint_Click(); };
    CmdClose->Click = [this] { CmdClose_Click(); };
    setTabOrder(CmdPrint, CmdClose);
    setFocusProxy(CmdPrint);
}

void FmPlotResults::Form_Activate() {
    Recordset& vorn = main_.rstVORN;
    ChartInputs in;
    in.record = [&vorn](const QString& field) { return vorn.Field(field); };
    in.results = [this](ResultsTable table, const QString& field) {
        Recordset* rst = nullptr;
        switch (table) {
            case ResultsTable::DefaultACAG:
                rst = &main_.rstDefaultACAG;
                break;
            case ResultsTable::DefaultACAC:
                rst = &main_.rstDefaultACAC;
                break;
            case ResultsTable::CustomACAG:
                rst = &main_.rstCustomACAG;
                break;
            case ResultsTable::CustomACAC:
                rst = &main_.rstCustomACAC;
                break;
        }
        return rst->Field(field);
    };
    in.comparisonText = main_.fmDataEntry().CbxSurfaceTwo->Text();

    ChartModel model;
    try {
        model = BuildChartModel(in);
    } catch (const std::exception&) {
        // Stored data that cannot be read shows an empty chart, not the last one drawn.
        model = ChartModel{};
    }
    Draw(model);
}

void FmPlotResults::Draw(const ChartModel& model) {
    model_ = model;
    LblAnalysisPeriod->SetCaption(model.analysisPeriod);
    LblMaintenance->SetCaption(model.maintenance);
    LblInflation->SetCaption(model.inflation);
    LblInterest->SetCaption(model.interest);
    if (model.comparisonCaption) LblComparisonOption->SetCaption(*model.comparisonCaption);
    LblAsphalt->setVisible(model.optionOneLegend);
    LblComparisonOption->setVisible(model.optionTwoLegend);
    Shape1->setVisible(model.optionOneLegend);
    Shape2->setVisible(model.optionTwoLegend);
    LblUnits->SetCaption(model.units);

    for (int option = 0; option < 2; ++option) {
        QBarSet* set = sets_[option];
        set->deselectAllBars();
        for (int row = 0; row < 3; ++row) {
            const std::optional<double>& v = model.values[row][option];
            set->replace(row, v.value_or(0));
            if (!v) set->selectBar(row);
        }
    }
    const AxisRange range = ValueAxisRange(model);
    valueAxis_->setRange(range.min, range.max);
    valueAxis_->applyNiceNumbers();
}

void FmPlotResults::CmdPrint_Click() {
    if (main_.PrinterOK) PrintWindowImage(this);
}

void FmPlotResults::CmdClose_Click() { Hide(); }

}  // namespace orv
