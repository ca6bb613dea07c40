#include "analysis/default/default_window.h"

#include "inputs/fm_costs.h"
#include "inputs/fm_data_entry.h"
#include "output/fm_plot_results.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

const QString kFont = QStringLiteral("Arial");
const QColor kBlue(0, 0, 192);
const QColor kDarkRed(128, 0, 0);

// Columns in twips: tag, year, cost today, future cost, present worth. The heads of the
// money columns stand right-aligned over their amounts; a column is as wide as its widest
// head, "CONSTRUCTION  COST", needs at its font.
constexpr int kTagLeft = 240, kTagWidth = 2640;
constexpr int kYearLeft = 2940, kYearWidth = 600;
constexpr int kMoneyWidth = 2100, kMoneyGap = 120;
constexpr int kMoneyLeft[] = {3660, 3660 + kMoneyWidth + kMoneyGap,
                              3660 + 2 * (kMoneyWidth + kMoneyGap)};
constexpr int kClientWidth = kMoneyLeft[2] + kMoneyWidth + 180;
constexpr int kRowHeight = 225;
// An option's name beside its block: at the left margin, wrapped to this width over the
// block's first two lines, with the rows' columns moved right to make room.
constexpr int kNameLeft = 120, kNameWidth = 780, kNameHeight = 480;
constexpr int kNameShift = kNameLeft + kNameWidth - kTagLeft + 120;

}  // namespace

DefaultResultsWindow::DefaultResultsWindow(MDIMain& main, const QString& name, const Texts& texts)
    : Form(name),
      main_(main),
      back_(texts.back),
      namesBeside_(texts.namesBeside),
      salvageYearsEmphasised_(texts.salvageYearsEmphasised) {
    SetCaption(texts.caption);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SetColors(this, Qt::black, back_);

    LblConstructionType =
        label(QStringLiteral("LblConstructionType"), QStringLiteral("MODERATE MAINTENANCE"), 120,
              120, 2760, true, kBlue, 9);
    cells_.insert(QStringLiteral("LblConstructionType"), LblConstructionType);
    label(QStringLiteral("LblYearHead"), QStringLiteral("YEAR"), kYearLeft + shift(), 120,
          kYearWidth, true, kBlue, 9);
    const QString heads[] = {QStringLiteral("CONSTRUCTION  COST"), texts.futureHead,
                             QStringLiteral("PRESENT WORTH")};
    const char* const headNames[] = {"LblCostHead", "LblFutureHead", "LblPresentHead"};
    for (int i = 0; i < 3; ++i) {
        label(QString::fromLatin1(headNames[i]), heads[i], kMoneyLeft[i] + shift(), 120,
              kMoneyWidth, true, kBlue, 9)
            ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // Option one: construction, rows 0 to 9, total.
    heading(QStringLiteral("LblOptionOne"), QStringLiteral("Hot Mix Asphalt"), kOptionOneTop);
    tag(QStringLiteral("LblConstructionTag"), texts.constructionTag, rowTop(kOptionOneTop, 0));
    moneyCell(QStringLiteral("lblOptOneConstPresent"), 0, rowTop(kOptionOneTop, 0));
    moneyCell(QStringLiteral("LblOptOneConstInflated"), 1, rowTop(kOptionOneTop, 0));
    moneyCell(QStringLiteral("LblOptOneConstValue"), 2, rowTop(kOptionOneTop, 0));
    scheduleRows(kOptionOneTop, QStringLiteral("LblOptOneYear"),
                 QStringLiteral("lblOptOnePresentCost"), QStringLiteral("LblOptOneInflatedCost"),
                 QStringLiteral("LblOptOnePresentValue"), true);
    const int total = rowTop(kOptionOneTop, 11);
    tag(QString(), QStringLiteral("Total Life Cycle Costs"), total, true);
    moneyCell(QStringLiteral("LblTotalOptOneCost"), 0, total, true);
    moneyCell(QStringLiteral("lblTotalOptOneInflatedCost"), 1, total, true);
    moneyCell(QStringLiteral("lblTotalOptOnePresentValue"), 2, total, true);

    heading(QStringLiteral("LblOptionTwo"), texts.optionTwoHeading, kOptionTwoTop);
    tag(QStringLiteral("lblPCCPConstructionTag"), texts.constructionTag, rowTop(kOptionTwoTop, 0));
    moneyCell(QStringLiteral("lblOptTwoConstPresent"), 0, rowTop(kOptionTwoTop, 0));
    moneyCell(QStringLiteral("LblOptTwoConstInflated"), 1, rowTop(kOptionTwoTop, 0));
    moneyCell(QStringLiteral("LblOptTwoConstValue"), 2, rowTop(kOptionTwoTop, 0));

    CmdPlotGraph = new Button(this, QStringLiteral("CmdPlotGraph"), QStringLiteral("Plot Graph"));
    CmdPrintForm = new Button(this, QStringLiteral("CmdPrintForm"), QStringLiteral("Print Form"));
    CmdClose = new Button(this, QStringLiteral("CmdClose"), QStringLiteral("Close"));
    for (auto* b : {CmdPlotGraph, CmdPrintForm, CmdClose}) {
        SetFont(b, kFont, 8);
        // Buttons stay light grey whatever the window's colour.
        QPalette p = b->palette();
        p.setColor(QPalette::Button, QColor(224, 224, 224));
        b->setPalette(p);
    }
    CmdPlotGraph->Click = [this] { CmdPlotGraph_Click(); };
    CmdPrintForm->Click = [this] { CmdPrintForm_Click(); };
    CmdClose->Click = [this] { CmdClose_Click(); };
    setTabOrder(CmdPlotGraph, CmdPrintForm);
    setTabOrder(CmdPrintForm, CmdClose);
    setFocusProxy(CmdPlotGraph);
}

Label* DefaultResultsWindow::label(const QString& name, const QString& text, int left, int top,
                                   int width, bool bold, const QColor& color, double points) {
    auto* l = new Label(this, name, text, left, top, width, kRowHeight + (points > 8 ? 30 : 0));
    SetFont(l, kFont, points, bold);
    SetColors(l, color, back_);
    return l;
}

int DefaultResultsWindow::shift() const { return namesBeside_ ? kNameShift : 0; }

Label* DefaultResultsWindow::heading(const QString& name, const QString& text, int blockTop) {
    if (!namesBeside_) return label(name, text, kNameLeft, blockTop, kTagWidth, true, kBlue, 9);
    Label* l = label(name, text, kNameLeft, rowTop(blockTop, 0), kNameWidth, true, kBlue, 9);
    PlaceTwips(l, kNameLeft, rowTop(blockTop, 0), kNameWidth, kNameHeight);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

Label* DefaultResultsWindow::tag(const QString& name, const QString& text, int top, bool emphasis) {
    Label* l = label(name, text, kTagLeft + shift(), top, kTagWidth, emphasis,
                     emphasis ? kDarkRed : QColor(Qt::black), 7.5);
    if (!name.isEmpty()) cells_.insert(name, l);
    return l;
}

Label* DefaultResultsWindow::moneyCell(const QString& name, int column, int top, bool emphasis) {
    Label* l = label(name, QString(), kMoneyLeft[column] + shift(), top, kMoneyWidth, emphasis,
                     emphasis ? kDarkRed : QColor(Qt::black), 7.5);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cells_.insert(name, l);
    return l;
}

Label* DefaultResultsWindow::yearCell(const QString& name, int top, bool emphasis) {
    Label* l = label(name, QString(), kYearLeft + shift(), top, kYearWidth, emphasis,
                     emphasis ? kDarkRed : QColor(Qt::black), 7.5);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    cells_.insert(name, l);
    return l;
}

void DefaultResultsWindow::scheduleRows(int blockTop, const QString& year, const QString& cost,
                                        const QString& inflated, const QString& value,
                                        bool namedTags) {
    static const char* const kTagNames[] = {"LblFogSealTag",         "LblSlurrySealOneTag",
                                            "LblSlurrySealTwoTag",   "LblOverlayTag",
                                            "LblSlurrySealThreeTag", "LblSlurrySealFourTag",
                                            "LblRotomillTag",        "LblSlurrySealFiveTag",
                                            "LblACCPDemolitionTag",  ""};
    static const char* const kTagTexts[] = {"Fog Seal",
                                            "Slurry Seal",
                                            "Slurry Seal",
                                            "1.5\" Overlay",
                                            "Slurry Seal",
                                            "Slurry Seal",
                                            "1\" Rotomill / 2\" Overlay",
                                            "Slurry Seal",
                                            "Demolition/Replacement",
                                            "Salvage Value"};
    std::array<QString, kScheduleRows> names, texts;
    for (int i = 0; i < kScheduleRows; ++i) {
        if (namedTags) names[i] = QString::fromLatin1(kTagNames[i]);
        texts[i] = QString::fromLatin1(kTagTexts[i]);
    }
    if (!namedTags) names[8] = QStringLiteral("LblPCCPDemolitionTag");
    scheduleRows(blockTop, year, cost, inflated, value, names, texts);
}

void DefaultResultsWindow::scheduleRows(int blockTop, const QString& year, const QString& cost,
                                        const QString& inflated, const QString& value,
                                        const std::array<QString, kScheduleRows>& tagNames,
                                        const std::array<QString, kScheduleRows>& tagTexts) {
    for (int i = 0; i < kScheduleRows; ++i) {
        const int top = rowTop(blockTop, i + 1);
        const bool salvage = i == kScheduleRows - 1;
        tag(tagNames[i], tagTexts[i], top, salvage);
        yearCell(CellName(year, i), top, salvage && salvageYearsEmphasised_)
            ->setObjectName(ElementName(year, i));
        moneyCell(CellName(cost, i), 0, top, salvage)->setObjectName(ElementName(cost, i));
        moneyCell(CellName(inflated, i), 1, top, salvage)->setObjectName(ElementName(inflated, i));
        moneyCell(CellName(value, i), 2, top, salvage)->setObjectName(ElementName(value, i));
    }
}

void DefaultResultsWindow::finishLayout(int lastRowTop) {
    const int top = lastRowTop + 480;
    PlaceTwips(CmdPlotGraph, 120, top, 1335, 375);
    PlaceTwips(CmdPrintForm, 120, top + 435, 1335, 375);
    PlaceTwips(CmdClose, 120, top + 870, 1335, 375);
    SetClientSizeTwips(kClientWidth + shift(), top + 1365);
}

void DefaultResultsWindow::showYearArray(const QString& array,
                                         const std::array<bool, kScheduleRows>& visible) {
    for (int i = 0; i < kScheduleRows; ++i) Cell(CellName(array, i))->setVisible(visible[i]);
}

Label* DefaultResultsWindow::Cell(const QString& name) const { return cells_.value(name); }

void DefaultResultsWindow::Form_Activate() {
    main_.fmDataEntry().SaveEntries();
    main_.fmCosts().SaveEntries();

    Recordset& vorn = main_.rstVORN;
    const QStringList periods = main_.fmDataEntry().CbxAnalysisPeriod->Entries();
    // A record the computation cannot read changes nothing: the captions and the row stay.
    DefaultResults results{{}, ResultRow({})};
    try {
        results = compute([&vorn](const QString& field) { return vorn.Field(field); }, periods);
    } catch (const std::exception& e) {
        activationFailed(QStringLiteral("Reading the project record failed: ") +
                         QString::fromStdString(e.what()));
        return;
    }

    for (const auto& [name, text] : results.captions.Entries()) {
        if (Label* cell = Cell(name)) cell->SetCaption(text);
    }
    showYearCells();

    // The window's row is replaced by a row of zeros, then written in place, all in one
    // transaction: a failing step leaves the row as it was.
    Recordset& rst = recordset();
    try {
        Transaction transaction(main_.dbVORN);
        const int columns = static_cast<int>(rst.FieldNames().size());
        main_.dbVORN.Execute(DeleteRowStatement(table()));
        main_.dbVORN.Execute(ZeroRowStatement(table(), columns));
        rst.MoveFirst();
        rst.Edit();
        for (const auto& [column, value] : results.row.Fields()) rst.SetField(column, value);
        rst.Update();
        transaction.Commit();
    } catch (const DbError& e) {
        rst.CancelUpdate();
        rst.MoveFirst();
        activationFailed(QStringLiteral("Storing the results in ") + table() +
                         QStringLiteral(" failed: ") + e.Message());
    }
}

void DefaultResultsWindow::CmdPlotGraph_Click() { main_.fmPlotResults().Show(); }

void DefaultResultsWindow::CmdPrintForm_Click() {
    if (main_.PrinterOK) PrintWindowImage(this);
}

void DefaultResultsWindow::CmdClose_Click() { Hide(); }

}  // namespace orv
