#include "analysis/custom/custom_window.h"

#include "common/format.h"
#include "inputs/fm_costs.h"
#include "inputs/fm_data_entry.h"
#include "output/fm_plot_results.h"
#include "platform/database.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

const QString kFont = QStringLiteral("Arial");
const QColor kBlue(0, 0, 192);
const QColor kDarkRed(128, 0, 0);
const QColor kGrey(192, 192, 192);
const QString kZero = QStringLiteral("$ 0");
const QString kFailureTitle = QStringLiteral("System Status");

// Columns in twips.
constexpr int kListWidth = 2088;
constexpr int kYearLeft = 3495, kYearWidth = 444;
constexpr int kDepthLeft = 4080, kDepthWidth = 585;
constexpr int kUnitsWidth = 885;
constexpr int kMoneyLeft[] = {5715, 7590, 9450};
constexpr int kMoneyWidth = 1200;
constexpr int kLabelHeight = 225;

QString optName(const char* pattern, int option) {
    return QString::fromLatin1(pattern).arg(kOptionWords.at(option));
}

}  // namespace

CustomScheduleWindow::CustomScheduleWindow(MDIMain& main, CustomWindowTraits traits)
    : Form(traits.name), main_(main), traits_(std::move(traits)) {
    build();
}

CustomScheduleWindow::~CustomScheduleWindow() {
    // The controls outlive this window's members while the window is torn down, and hiding
    // them then moves the focus: no handler may run by then.
    for (ComboBox* c : findChildren<ComboBox*>())
        c->Click = c->Change = c->LostFocus = c->GotFocus = nullptr;
    for (TextBox* t : findChildren<TextBox*>()) t->Change = t->LostFocus = t->GotFocus = nullptr;
    for (Button* b : findChildren<Button*>()) b->Click = b->LostFocus = nullptr;
}

Label* CustomScheduleWindow::label(const QString& name, const QString& text, int left, int top,
                                   int width, int height, bool bold, const QColor& color,
                                   double points) {
    auto* l = new Label(this, name, text, left, top, width, height);
    SetFont(l, kFont, points, bold);
    SetColors(l, color, kGrey);
    return l;
}

void CustomScheduleWindow::build() {
    SetCaption(traits_.caption);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    SetColors(this, Qt::black, kGrey);
    SetClientSizeTwips(11115, 7980);
    // The buttons take the window's font.
    SetFont(this, kFont, 8);
    const CustomWindowLayout& at = traits_.layout;

    // Headings stand at the top of their boxes, so the heading row's texts share one top.
    auto heading = [this](const char* name, const char* text, const TwipsBox& box,
                          Qt::Alignment horizontal = Qt::AlignLeft) {
        Label* l = label(QString::fromLatin1(name), QString::fromLatin1(text), box.left, box.top,
                         box.width, box.height, true, kBlue, 9);
        l->setAlignment(horizontal | Qt::AlignTop);
        return l;
    };
    LblConstructionType =
        heading("LblConstructionType", "CUSTOM MAINTENANCE", {468, 165, 2700, 255});
    heading("Label41", "YEAR", at.columnHeads[0], Qt::AlignHCenter);
    Label* constructionHead = heading("Label34", "CONSTRUCTION  COST", at.columnHeads[1]);
    const Qt::Alignment valueHeads = at.valueHeadsRight ? Qt::AlignRight : Qt::AlignLeft;
    heading("Label7", "FUTURE VALUE", at.columnHeads[2], valueHeads);
    heading("Label6", "PRESENT WORTH", at.columnHeads[3], valueHeads);
    // A right-aligned head's box may reach under the caption at its left.
    constructionHead->raise();
    heading("Label2", "Hot Mix Asphalt", at.headingOne)->setWordWrap(true);
    HeadingTwo =
        label(traits_.headingTwoName, traits_.headingTwoText, at.headingTwo.left, at.headingTwo.top,
              at.headingTwo.width, at.headingTwo.height, true, kBlue, 9);
    HeadingTwo->setWordWrap(true);
    HeadingTwo->setAlignment((at.headingTwoCentred ? Qt::AlignHCenter : Qt::AlignLeft) |
                             Qt::AlignTop);
    auto* line1 = new Line(this, QStringLiteral("Line1"), at.lineLeft, at.greyLineTop, at.lineRight,
                           at.greyLineTop);
    SetColors(line1, QColor(128, 128, 128));
    auto* line2 = new Line(this, QStringLiteral("Line2"), at.lineLeft, at.whiteLineTop,
                           at.lineRight, at.whiteLineTop);
    SetColors(line2, Qt::white);

    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (int o = 0; o < 2; ++o) {
        Option& opt = options_[static_cast<size_t>(o)];
        const CustomWindowLayout::Block& b = at.blocks[static_cast<size_t>(o)];
        auto rowTop = [&b](int i) { return b.rows[static_cast<size_t>(i)]; };
        // Labels stand at `top`; a schedule row's labels 30 below its boxes.
        auto money = [&](const QString& name, int column, int top, bool emphasis) {
            Label* l = label(name, kZero, kMoneyLeft[column], top, kMoneyWidth, kLabelHeight,
                             emphasis, emphasis ? kDarkRed : QColor(Qt::black), 7.5);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return l;
        };
        auto tag = [&](const QString& name, const QString& text, int top, bool emphasis,
                       int width) {
            return label(name, text, at.listLeft, top, width, kLabelHeight, emphasis,
                         emphasis ? kDarkRed : QColor(Qt::black), 7.5);
        };
        tag(traits_.constructionTagNames[static_cast<size_t>(o)],
            traits_.constructionTags[static_cast<size_t>(o)], b.construction, false,
            at.constructionTagWidth[static_cast<size_t>(o)]);
        opt.ConstCost = money(optName("LblOpt%1ConstCost", o), 0, b.construction, false);
        opt.ConstInflated = money(optName("LblOpt%1ConstInflated", o), 1, b.construction, false);
        opt.ConstValue = money(optName("LblOpt%1ConstValue", o), 2, b.construction, false);

        opt.Activity.create(kCustomRows, [&](int i) {
            auto* c = new ComboBox(this, ElementName(optName("CbxOpt%1Option", o), i), at.listLeft,
                                   rowTop(i), kListWidth, at.listHeight[static_cast<size_t>(o)]);
            SetFont(c, kFont, 7.5);
            SetColors(c, Qt::black, Qt::white);
            return c;
        });
        opt.Year.create(kCustomRows, [&](int i) {
            auto* t = new TextBox(this, ElementName(optName("TbxOpt%1Year", o), i), kYearLeft,
                                  rowTop(i), kYearWidth, at.boxHeight);
            SetFont(t, kFont, 7.5);
            SetColors(t, Qt::black, Qt::white);
            return t;
        });
        opt.Depth.create(kCustomRows, [&](int i) {
            auto* t = new TextBox(this, ElementName(optName("TbxOpt%1Depth", o), i), kDepthLeft,
                                  rowTop(i), kDepthWidth, at.boxHeight);
            SetFont(t, kFont, 7.5);
            SetColors(t, Qt::black, Qt::white);
            t->SetMaxLength(5);
            return t;
        });
        opt.Units.create(kCustomRows, [&](int i) {
            Label* l = label(ElementName(optName("LblOpt%1Units", o), i), kInchUnits, at.unitsLeft,
                             rowTop(i) + 30, kUnitsWidth, kLabelHeight, false, Qt::black, 7.5);
            l->hide();
            return l;
        });
        auto moneyArray = [&](const char* pattern, int column) {
            return [&, pattern, column](int i) {
                return money(ElementName(optName(pattern, o), i), column, rowTop(i) + 30, false);
            };
        };
        opt.Cost.create(kCustomRows, moneyArray("LblOpt%1Cost", 0));
        for (Label* l : opt.Cost) l->setVisible(traits_.showRowCosts);
        opt.Inflated.create(kCustomRows, moneyArray("LblOpt%1Inflated", 1));
        opt.Value.create(kCustomRows, moneyArray("LblOpt%1Value", 2));

        tag(traits_.salvageTagNames[static_cast<size_t>(o)], QStringLiteral("Salvage Value"),
            b.salvage, true, at.tagWidth);
        opt.SalvageYear = label(optName("LblOpt%1SalvageYear", o), QString(),
                                at.salvageYearLeft[static_cast<size_t>(o)], b.salvage,
                                at.salvageYearWidth, kLabelHeight, true, kDarkRed, 7.5);
        opt.SalvageYear->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        opt.SalvageCost = money(optName("LblOpt%1SalvageCost", o), 0, b.salvage, true);
        opt.SalvageInflated = money(optName("LblOpt%1SalvageInflated", o), 1, b.salvage, true);
        opt.SalvageValue = money(optName("LblOpt%1SalvageValue", o), 2, b.salvage, true);
        tag(traits_.totalTagNames[static_cast<size_t>(o)], QStringLiteral("Total Life Cycle Costs"),
            b.total, true, at.tagWidth);
        opt.TotalCost = money(optName("LblTotalOpt%1Cost", o), 0, b.total, true);
        opt.TotalInflated = money(optName("LblTotalOpt%1Inflated", o), 1, b.total, true);
        opt.TotalValue = money(optName("LblTotalOpt%1Value", o), 2, b.total, true);

        for (int i = 0; i < kCustomRows; ++i) {
            ComboBox* list = opt.Activity[i];
            TextBox* year = opt.Year[i];
            TextBox* depth = opt.Depth[i];
            list->Click = [this, o, i] { activityClicked(o, i); };
            list->Change = [this, o, i] {
                edited_[static_cast<size_t>(o)][static_cast<size_t>(i)] = true;
            };
            list->GotFocus = [this, o, i] {
                edited_[static_cast<size_t>(o)][static_cast<size_t>(i)] = false;
            };
            list->LostFocus = [this, o, i] { activityLeft(o, i); };
            year->LostFocus = [this, o, i] { yearLeft(o, i); };
            depth->Change = [this, o, i] { depthChanged(o, i); };
            depth->LostFocus = [this, o, i] { depthLeft(o, i); };
            chain(list);
            chain(year);
            chain(depth);
        }
    }

    auto button = [&](const char* name, const char* caption, int k) {
        auto* b = new Button(this, QString::fromLatin1(name), QString::fromLatin1(caption),
                             at.buttonLeft, at.buttonTops[static_cast<size_t>(k)], at.buttonWidth,
                             at.buttonHeights[static_cast<size_t>(k)]);
        if (at.buttonPoints > 0) SetFont(b, kFont, at.buttonPoints);
        b->SetWordWrap(true);
        chain(b);
        return b;
    };
    CmdClearFields = button("CmdClearFields", "Clear Entries", 0);
    CmdPlotGraph = button("CmdPlotGraph", "Plot Graph", 1);
    CmdPrintForm = button("CmdPrintForm", "Print Form", 2);
    CmdClose = button("CmdClose", "Close", 3);
    CmdClearFields->Click = [this] { CmdClearFields_Click(); };
    CmdPlotGraph->Click = [this] { CmdPlotGraph_Click(); };
    CmdPrintForm->Click = [this] { CmdPrintForm_Click(); };
    CmdClose->Click = [this] { CmdClose_Click(); };
}

// ---- Project inputs

double CustomScheduleWindow::period() {
    return PeriodYears(main_.fmDataEntry().CbxAnalysisPeriod->Entries(),
                       main_.rstVORN.Number(QStringLiteral("AnalysisPeriod")));
}

PricingContext CustomScheduleWindow::pricingContext() {
    Recordset& vorn = main_.rstVORN;
    PricingContext c;
    c.area = vorn.Number(QStringLiteral("Area"));
    c.period = period();
    c.rates = {vorn.Number(QStringLiteral("InflationRate")),
               vorn.Number(QStringLiteral("InterestRate"))};
    c.unitCost = [this, &vorn](const QString& field) {
        return traits_.recordField ? traits_.recordField(vorn, field).toDouble()
                                   : vorn.Number(field);
    };
    return c;
}

QVariant CustomScheduleWindow::recordField(const QString& field) {
    return traits_.recordField ? traits_.recordField(main_.rstVORN, field)
                               : QVariant(main_.rstVORN.Text(field));
}

ConstructionInputs CustomScheduleWindow::constructionInputs(int option) {
    Recordset& vorn = main_.rstVORN;
    if (traits_.construction) return traits_.construction(vorn, option);
    auto n = [&](const char* pattern) { return vorn.Number(optName(pattern, option)); };
    ConstructionInputs in;
    in.area = vorn.Number(QStringLiteral("Area"));
    in.design = {n("SurfaceDepth%1"), n("BaseCourse%1"),     n("Subgrade%1"),
                 n("SubgradePrep%1"), n("PavementFabric%1"), n("ConstOption%1")};
    in.costs.surface = option == 0 ? vorn.Number(QStringLiteral("AsphaltCementCost"))
                                   : traits_.surfaceTwoCost(vorn);
    in.costs.baseCourse = vorn.Number(QStringLiteral("AggBaseCourseCost"));
    in.costs.subgrade = vorn.Number(QStringLiteral("StablizedSubgradeCost"));
    in.costs.subgradePrep = vorn.Number(QStringLiteral("SubgradePrepCost"));
    in.costs.pavementFabric = vorn.Number(QStringLiteral("PavementFabricCost"));
    in.costs.constOption = n("ConstOption%1Cost");
    in.salvagePercent = vorn.Text(optName("Salvage%1", option));
    in.analysisText = vorn.Text(QStringLiteral("AnalysisText"));
    in.rates = {vorn.Number(QStringLiteral("InflationRate")),
                vorn.Number(QStringLiteral("InterestRate"))};
    return in;
}

bool CustomScheduleWindow::optionShown(int option, const ConstructionInputs& design) const {
    return traits_.optionShown ? traits_.optionShown(option, design)
                               : DesignQuantitySum(design.design) > 0;
}

void CustomScheduleWindow::reportFailure(const QString& what, const std::exception& e) {
    canSave_ = false;
    MsgBox(what + QStringLiteral(": ") + QString::fromStdString(e.what()), MsgStyle::OkExclamation,
           kFailureTitle);
}

// ---- Activation, buttons

void CustomScheduleWindow::Form_Activate() {
    try {
        main_.fmDataEntry().SaveEntries();
        main_.fmCosts().SaveEntries();
        QStringList userNames;
        for (const QString& field : traits_.userLabelFields)
            userNames << recordField(field).toString();
        for (int o = 0; o < 2; ++o) {
            const QStringList entries =
                ActivityEntries(*traits_.activities[static_cast<size_t>(o)], userNames);
            for (int i = 0; i < kCustomRows; ++i) {
                ComboBox* list = Opt(o).Activity[i];
                list->Clear();
                for (const QString& entry : entries) list->AddItem(entry);
                list->SetListIndex(traits_.fillIndex);
            }
        }
    } catch (const std::exception& e) {
        reportFailure(QStringLiteral(" Cannot Read The Project"), e);
        return;
    }
    LoadSchedule();
    if (!shownBefore_) {
        shownBefore_ = true;
        Opt(0).Activity[0]->setFocus();
    }
}

void CustomScheduleWindow::Form_Deactivate() {
    commitFocusedEntry();
    SaveSchedule();
}

void CustomScheduleWindow::CmdClearFields_Click() { ClearSchedule(); }

void CustomScheduleWindow::CmdPlotGraph_Click() {
    if (traits_.saveBeforePlot) {
        commitFocusedEntry();
        SaveSchedule();
    }
    main_.fmPlotResults().Show();
}

void CustomScheduleWindow::CmdPrintForm_Click() {
    if (main_.PrinterOK) PrintWindowImage(this);
}

void CustomScheduleWindow::CmdClose_Click() {
    commitFocusedEntry();
    SaveSchedule();
    Hide();
}

void CustomScheduleWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    CmdClose_Click();
}

// ---- Loading, saving, clearing

void CustomScheduleWindow::LoadSchedule() {
    // Everything is read and computed before any control changes, so a failure leaves the
    // window as it was.
    std::array<LoadedOption, 2> loaded;
    try {
        Recordset& rst = traits_.recordset(main_);
        const PricingContext pricing = pricingContext();
        for (int o = 0; o < 2; ++o) {
            const StoredOption stored =
                ReadStoredOption(o, [&rst](const QString& f) { return rst.Field(f); });
            LoadRules rules{
                traits_.activities[static_cast<size_t>(o)], traits_.loadSalvageForm, {}};
            for (int i = 0; i < kCustomRows; ++i)
                rules.unitsCaptions[static_cast<size_t>(i)] = Opt(o).Units[i]->Caption();
            const ConstructionInputs design = constructionInputs(o);
            LoadedOption& l = loaded[static_cast<size_t>(o)];
            l = LoadOption(stored, Opt(o).Activity[0]->Entries(), rules, design, pricing);
            l.hasDesign = optionShown(o, design);
        }
    } catch (const std::exception& e) {
        reportFailure(QStringLiteral(" Cannot Load The Custom Schedule"), e);
        return;
    }
    for (int o = 0; o < 2; ++o) showOption(o, loaded[static_cast<size_t>(o)]);
    canSave_ = true;
    loadedGeneration_ = main_.projectGeneration();
    for (int o = 0; o < 2; ++o) {
        for (const QString& message : loaded[static_cast<size_t>(o)].messages)
            MsgBox(message, MsgStyle::Ok, kEntryErrorTitle);
    }
}

void CustomScheduleWindow::showOption(int o, const LoadedOption& l) {
    Option& opt = Opt(o);
    applying_ = true;
    for (Label* c : {opt.ConstCost, opt.ConstInflated, opt.ConstValue})
        c->SetCaption(l.block.construction);
    opt.SalvageYear->SetCaption(l.block.salvageYear);
    opt.SalvageCost->SetCaption(l.block.salvageCost);
    opt.SalvageInflated->SetCaption(l.block.salvageInflated);
    opt.SalvageValue->SetCaption(l.block.salvageValue);
    opt.TotalCost->SetCaption(l.block.totalCost);
    opt.TotalInflated->SetCaption(l.totals.futureCaption);
    opt.TotalValue->SetCaption(l.totals.presentCaption);
    std::array<DepthUnit, kCustomRows> units{};
    for (int i = 0; i < kCustomRows; ++i) {
        const LoadedRow& r = l.rows[static_cast<size_t>(i)];
        opt.Activity[i]->SetText(r.activity);
        opt.Year[i]->SetText(r.year);
        opt.Depth[i]->SetText(r.depth);
        if (r.unit == DepthUnit::Inches) opt.Units[i]->SetCaption(kInchUnits);
        if (r.unit == DepthUnit::Percent) opt.Units[i]->SetCaption(kPercentUnits);
        opt.Cost[i]->SetCaption(r.price.costCaption);
        opt.Inflated[i]->SetCaption(r.price.inflatedCaption);
        opt.Value[i]->SetCaption(r.price.valueCaption);
        units[static_cast<size_t>(i)] = r.unit;
        edited_[static_cast<size_t>(o)][static_cast<size_t>(i)] = false;
    }
    setColumnShown(o, units, l.hasDesign);
    applying_ = false;
}

void CustomScheduleWindow::setColumnShown(int o, const std::array<DepthUnit, kCustomRows>& units,
                                          bool shown) {
    // An option without a design is hidden, but for its salvage row; one with a design is
    // shown, also when an earlier activation hid it.
    Option& opt = Opt(o);
    for (Label* c : {opt.ConstCost, opt.ConstInflated, opt.ConstValue, opt.TotalCost,
                     opt.TotalInflated, opt.TotalValue})
        c->setVisible(shown);
    if (traits_.hideSalvageWithOption) {
        for (Label* c : {opt.SalvageYear, opt.SalvageCost, opt.SalvageInflated, opt.SalvageValue})
            c->setVisible(shown);
    }
    for (int i = 0; i < kCustomRows; ++i) {
        const bool unit = units[static_cast<size_t>(i)] != DepthUnit::None;
        opt.Activity[i]->setVisible(shown);
        opt.Year[i]->setVisible(shown);
        opt.Units[i]->setVisible(shown && unit);
        opt.Depth[i]->setVisible(shown && unit);
        opt.Cost[i]->setVisible(shown && traits_.showRowCosts);
        opt.Inflated[i]->setVisible(shown);
        opt.Value[i]->setVisible(shown);
    }
}

void CustomScheduleWindow::SaveSchedule() {
    // Nothing is saved over a row the window has not loaded: after a failure, or after New
    // or Open replaced the tables.
    if (!canSave_ || loadedGeneration_ != main_.projectGeneration()) return;
    Recordset& rst = traits_.recordset(main_);
    try {
        // A year or depth is written only as its row's check would accept it, whether its
        // box is shown or hidden and however its text got there; otherwise the column keeps
        // its stored value.
        const double n = period();
        std::array<ShownOption, 2> shown;
        for (int o = 0; o < 2; ++o) {
            Option& opt = Opt(o);
            ShownOption& s = shown[static_cast<size_t>(o)];
            s.construction = {opt.ConstCost->Caption(), opt.ConstInflated->Caption(),
                              opt.ConstValue->Caption()};
            for (int i = 0; i < kCustomRows; ++i) {
                ShownRow& r = s.rows[static_cast<size_t>(i)];
                r = {opt.Activity[i]->Text(), opt.Year[i]->Text(),        opt.Depth[i]->Text(),
                     opt.Cost[i]->Caption(),  opt.Inflated[i]->Caption(), opt.Value[i]->Caption()};
                r.yearAccepted = YearAccepted(r.year, n);
                r.depthAccepted =
                    DepthAccepted(r.depth, opt.Units[i]->Caption(), traits_.wholePercent);
                if (!r.yearAccepted) {
                    r.storedYear =
                        rst.Field(ScheduleColumn(o, kRowWords[i], QStringLiteral("Year")))
                            .toDouble();
                }
            }
            s.salvage = {opt.SalvageCost->Caption(), opt.SalvageInflated->Caption(),
                         opt.SalvageValue->Caption()};
            s.totals = {opt.TotalCost->Caption(), opt.TotalInflated->Caption(),
                        opt.TotalValue->Caption()};
        }
        rst.Edit();
        for (const auto& [column, value] : ScheduleFields(shown)) rst.SetField(column, value);
        rst.Update();
    } catch (const std::exception& e) {
        if (rst.IsEditing()) rst.CancelUpdate();
        reportFailure(QStringLiteral(" Cannot Save The Custom Schedule"), e);
    }
}

void CustomScheduleWindow::ClearSchedule() {
    std::array<ConstructionBlock, 2> blocks;
    std::array<bool, 2> shown{};
    try {
        for (int o = 0; o < 2; ++o) {
            const ConstructionInputs design = constructionInputs(o);
            blocks[static_cast<size_t>(o)] = ComputeConstruction(design, traits_.clearSalvageForm);
            shown[static_cast<size_t>(o)] = optionShown(o, design);
        }
    } catch (const std::exception& e) {
        reportFailure(QStringLiteral(" Cannot Clear The Custom Schedule"), e);
        return;
    }
    for (int o = 0; o < 2; ++o) {
        Option& opt = Opt(o);
        const ConstructionBlock& b = blocks[static_cast<size_t>(o)];
        std::array<DepthUnit, kCustomRows> units{};
        for (int i = 0; i < kCustomRows; ++i) {
            opt.Activity[i]->SetListIndex(0);
            opt.Year[i]->SetText(QString());
            opt.Depth[i]->SetText(QStringLiteral("0"));
            if (traits_.clearSetsColumnsAndUnits) {
                units[static_cast<size_t>(i)] = pickedUnit(o, i);
            } else {
                opt.Depth[i]->hide();
                opt.Units[i]->hide();
            }
            opt.Cost[i]->SetCaption(kZero);
            opt.Inflated[i]->SetCaption(kZero);
            opt.Value[i]->SetCaption(kZero);
        }
        if (traits_.clearSetsColumnsAndUnits)
            setColumnShown(o, units, shown[static_cast<size_t>(o)]);
        // The block's captions stand at the end, whatever the rows' resets repriced.
        for (Label* c : {opt.ConstCost, opt.ConstInflated, opt.ConstValue})
            c->SetCaption(b.construction);
        opt.SalvageYear->SetCaption(b.salvageYear);
        opt.SalvageCost->SetCaption(b.salvageCost);
        opt.TotalCost->SetCaption(b.totalCost);
        opt.SalvageInflated->SetCaption(b.salvageInflated);
        opt.TotalInflated->SetCaption(b.totalInflated);
        opt.SalvageValue->SetCaption(b.salvageValue);
        opt.TotalValue->SetCaption(b.totalValue);
    }
    SaveSchedule();
}

void CustomScheduleWindow::ComputeRow(int o, int i) {
    if (applying_) return;
    Option& opt = Opt(o);
    try {
        const RowPrice p =
            PriceRow(*traits_.activities[static_cast<size_t>(o)], opt.Activity[i]->Entries(),
                     opt.Activity[i]->Text(), opt.Year[i]->Text(), opt.Depth[i]->Text(),
                     opt.ConstCost->Caption(), pricingContext());
        std::array<QString, kCustomRows> inflated, value;
        for (int k = 0; k < kCustomRows; ++k) {
            inflated[static_cast<size_t>(k)] =
                k == i ? p.inflatedCaption : opt.Inflated[k]->Caption();
            value[static_cast<size_t>(k)] = k == i ? p.valueCaption : opt.Value[k]->Caption();
        }
        const OptionTotals t =
            ShownOptionTotals(opt.ConstInflated->Caption(), opt.ConstValue->Caption(), inflated,
                              value, opt.SalvageInflated->Caption(), opt.SalvageValue->Caption());
        opt.Cost[i]->SetCaption(p.costCaption);
        opt.Inflated[i]->SetCaption(p.inflatedCaption);
        opt.Value[i]->SetCaption(p.valueCaption);
        opt.TotalInflated->SetCaption(t.futureCaption);
        opt.TotalValue->SetCaption(t.presentCaption);
    } catch (const std::exception& e) {
        reportFailure(QStringLiteral(" Cannot Price The Schedule Row"), e);
    }
}

// ---- Entry handlers

void CustomScheduleWindow::yearLeft(int o, int i) {
    TextBox* box = Opt(o).Year[i];
    double n = 0;
    try {
        n = period();
    } catch (const std::exception& e) {
        reportFailure(QStringLiteral(" Cannot Read The Analysis Period"), e);
        return;
    }
    const CheckResult r = CheckYear(box->Text(), n);
    if (r.message) MsgBox(traits_.yearMessage, MsgStyle::Ok, kEntryErrorTitle);
    box->SetText(r.text);
    ComputeRow(o, i);
}

void CustomScheduleWindow::depthChanged(int o, int i) {
    if (applying_) return;
    TextBox* box = Opt(o).Depth[i];
    Label* units = Opt(o).Units[i];
    const bool reprice = traits_.repriceOnDepthChange[static_cast<size_t>(o)];
    // A whole percent that the user types is rounded and checked when the box is left; a
    // depth beyond any a row can price goes to its range check at once.
    const bool checkWhenLeft = !box->ProgramChange() || !traits_.roundPercentWrites;
    if (checkWhenLeft && traits_.wholePercent && units->Caption() == kPercentUnits &&
        IsNumberText(box->Text()) && DepthWithinBound(box->Text())) {
        if (reprice) ComputeRow(o, i);
        return;
    }
    const CheckResult r = CheckDepth(box->Text(), units->Caption(), traits_.wholePercent);
    if (r.message) MsgBox(*r.message, MsgStyle::Ok, kEntryErrorTitle);
    box->SetText(r.text);
    if (reprice) ComputeRow(o, i);
}

void CustomScheduleWindow::depthLeft(int o, int i) {
    TextBox* box = Opt(o).Depth[i];
    Label* units = Opt(o).Units[i];
    if (traits_.wholePercent && units->Caption() == kPercentUnits && IsNumberText(box->Text())) {
        const CheckResult r = CheckDepth(box->Text(), units->Caption(), true);
        if (r.message) MsgBox(*r.message, MsgStyle::Ok, kEntryErrorTitle);
        box->SetText(r.text);
    }
    ComputeRow(o, i);
}

void CustomScheduleWindow::activityClicked(int o, int i) {
    TextBox* depth = Opt(o).Depth[i];
    Label* units = Opt(o).Units[i];
    edited_[static_cast<size_t>(o)][static_cast<size_t>(i)] = false;
    depth->hide();
    if (traits_.pickEmptiesUnits) units->SetCaption(QString());
    units->hide();
    const DepthUnit unit = pickedUnit(o, i);
    if (unit == DepthUnit::None) return;
    units->SetCaption(unit == DepthUnit::Percent ? kPercentUnits : kInchUnits);
    units->show();
    depth->show();
    depth->SetText(unit == DepthUnit::Percent ? QStringLiteral("0") : QStringLiteral("0.0"));
}

DepthUnit CustomScheduleWindow::pickedUnit(int o, int i) {
    ComboBox* list = Opt(o).Activity[i];
    const ActivityList& activities = *traits_.activities[static_cast<size_t>(o)];
    const bool percentLast = traits_.pickPercentLast[static_cast<size_t>(o)];
    const DepthUnit first = percentLast ? DepthUnit::Inches : DepthUnit::Percent;
    const DepthUnit second = percentLast ? DepthUnit::Percent : DepthUnit::Inches;
    return UnitInOrder(activities, list->Entries(), list->Text(), first, second);
}

void CustomScheduleWindow::activityLeft(int o, int i) {
    ComboBox* list = Opt(o).Activity[i];
    const int k = list->Entries().indexOf(list->Text());
    if (k < 0)
        list->SetListIndex(0);
    else if (edited_[static_cast<size_t>(o)][static_cast<size_t>(i)])
        list->SetListIndex(k);  // a typed entry takes its units as a pick does
    edited_[static_cast<size_t>(o)][static_cast<size_t>(i)] = false;
    ComputeRow(o, i);
}

void CustomScheduleWindow::commitFocusedEntry() {
    QWidget* control = activeControl();
    if (!control) return;
    for (int o = 0; o < 2; ++o) {
        for (int i = 0; i < kCustomRows; ++i) {
            if (control == Opt(o).Activity[i]) return activityLeft(o, i);
            if (control == Opt(o).Year[i]) return yearLeft(o, i);
            if (control == Opt(o).Depth[i]) return depthLeft(o, i);
        }
    }
}

}  // namespace orv
