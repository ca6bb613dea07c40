#include "inputs/fm_data_entry.h"

#include <QMdiArea>
#include <QPalette>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "analysis/default/fm_default_acac.h"
#include "analysis/default/fm_default_acag.h"
#include "common/format.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

const QColor kGrey(192, 192, 192);
const QColor kLightGrey(224, 224, 224);
const QColor kHeadingBlue(0, 0, 192);
const QColor kBrown(128, 64, 0);
const QString kArial = QStringLiteral("Arial");
const QString kSansSerif = QStringLiteral("MS Sans Serif");

void SetBackground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

Label* Heading(QWidget* parent, const char* name, const char* caption, int l, int t, int w, int h,
               const QColor& color = kHeadingBlue) {
    auto* label =
        new Label(parent, QString::fromLatin1(name), QString::fromLatin1(caption), l, t, w, h);
    SetFont(label, kArial, 10.5, true);
    SetColors(label, color);
    return label;
}

Label* Caption(QWidget* parent, const char* name, const char* caption, int l, int t, int w,
               int h = 255) {
    return new Label(parent, QString::fromLatin1(name), QString::fromLatin1(caption), l, t, w, h);
}

// A design check box: its caption at the left, the tick box at the right.
CheckBox* DesignBox(QWidget* parent, const char* name, const char* caption, int l, int t, int w) {
    auto* box =
        new CheckBox(parent, QString::fromLatin1(name), QString::fromLatin1(caption), l, t, w, 255);
    box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

// Layout, in twips.
constexpr int kRowH = 285;
// Band 1.
constexpr int kDescLabelX = 240, kDescFieldX = 1680;
constexpr int kSizeLabelX = 6000, kSizeFieldX = 8520;
constexpr int kBand1Top = 600, kBand1Step = 405;
// Band 2: the rows of both designs.
constexpr int kDesignTop = 3240, kDesignStep = 360;
constexpr int kOneCaptionX = 360, kOneBoxX = 3120;
constexpr int kTwoCaptionX = 5880, kTwoBoxX = 8640;
constexpr int kDepthW = 600, kUnitGap = 120, kUnitW = 600;
// Band 3.
constexpr int kBand3Top = 5880;

int Band1Row(int i) { return kBand1Top + i * kBand1Step; }
int DesignRow(int i) { return kDesignTop + i * kDesignStep; }

}  // namespace

// The level boxes and the comparison list as the level rules see them.
class FmDataEntry::Levels : public LevelBoxes {
  public:
    explicit Levels(FmDataEntry& w) : w_(w) {}
    int Value(Level level) const override { return w_.LevelBox(level)->Value(); }
    // The box's click handling runs the rule of a box that becomes ticked.
    void SetValue(Level level, int value) override { w_.LevelBox(level)->SetValue(value); }
    bool UserSurfaceChosen() const override { return w_.CbxSurfaceTwo->Text() == w_.UserSurface(); }
    void Reminder() override { w_.ShowMessage(kUserSurfaceMessage, MsgStyle::Ok, kReminderTitle); }

  private:
    FmDataEntry& w_;
};

FmDataEntry::FmDataEntry(MDIMain& main)
    : Form(QStringLiteral("FmDataEntry"), Kind::MdiChild, main.area()),
      main_(main),
      levels_(std::make_unique<Levels>(*this)) {
    SetClientSizeTwips(11025, 7560);
    SetFont(this, kArial, 9);
    SetBackground(this, kGrey);
    BuildControls();
    WireHandlers();
}

FmDataEntry::~FmDataEntry() = default;

void FmDataEntry::BuildControls() {
    // Band 1: project description.
    Heading(this, "Label8", "PAVEMENT PROJECT DESCRIPTION", 240, 150, 4800, 300);
    auto* title =
        new Label(this, QStringLiteral("Label3"), QStringLiteral("ORVALEN"), 8280, 120, 2520, 330);
    SetFont(title, kArial, 11.25, true, true);
    SetColors(title, kHeadingBlue);
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Caption(this, "Label10", "Name ", kDescLabelX, Band1Row(0), 1380);
    TbxName =
        new TextBox(this, QStringLiteral("TbxName"), kDescFieldX, Band1Row(0) - 30, 3960, 315);
    Caption(this, "Label11", "From ", kDescLabelX, Band1Row(1), 1380);
    TbxFrom =
        new TextBox(this, QStringLiteral("TbxFrom"), kDescFieldX, Band1Row(1) - 30, 3960, 315);
    Caption(this, "Label12", "To ", kDescLabelX, Band1Row(2), 1380);
    TbxTo = new TextBox(this, QStringLiteral("TbxTo"), kDescFieldX, Band1Row(2) - 30, 3960, 315);
    Caption(this, "Label28", "Project Date ", kDescLabelX, Band1Row(3), 1380);
    CbxMonth =
        new ComboBox(this, QStringLiteral("CbxMonth"), kDescFieldX, Band1Row(3) - 30, 960, 315);
    auto* dash = new Label(this, QStringLiteral("Label16"), QStringLiteral("-"), kDescFieldX + 1020,
                           Band1Row(3), 180, kRowH);
    SetFont(dash, kArial, 9, true);
    SetColors(dash, Qt::black, kLightGrey);
    dash->setAlignment(Qt::AlignCenter);
    CbxYear = new ComboBox(this, QStringLiteral("CbxYear"), kDescFieldX + 1260, Band1Row(3) - 30,
                           1080, 315);

    Caption(this, "Label13", "Length ( ft )", kSizeLabelX, Band1Row(0), 2400);
    TbxLength =
        new TextBox(this, QStringLiteral("TbxLength"), kSizeFieldX, Band1Row(0) - 30, 1560, 315);
    Caption(this, "Label14", "Width ( ft )", kSizeLabelX, Band1Row(1), 2400);
    TbxWidth =
        new TextBox(this, QStringLiteral("TbxWidth"), kSizeFieldX, Band1Row(1) - 30, 1560, 315);
    Caption(this, "Label15", "Area  ( sq ft )", kSizeLabelX, Band1Row(2), 2400);
    LblArea = new Label(this, QStringLiteral("LblArea"), QString(), kSizeFieldX, Band1Row(2) - 15,
                        1560, kRowH);
    SetColors(LblArea, Qt::black, Qt::white);
    LblArea->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Caption(this, "Label17", "Analysis Period ( yrs )", kSizeLabelX, Band1Row(3), 2400);
    CbxAnalysisPeriod = new ComboBox(this, QStringLiteral("CbxAnalysisPeriod"), kSizeFieldX,
                                     Band1Row(3) - 30, 960, 315);

    // Band 2: pavement designs.
    Heading(this, "Label1", "PAVEMENT DESIGNS ( Enter Hot Mix Asphalt and One Selected Option)",
            240, 2400, 9000, 300);
    Heading(this, "Label9", "Hot Mix Asphalt Pavement", kOneCaptionX, 2820, 4200, 300, kBrown);
    Heading(this, "Label29", "Comparison Pavement Option", kTwoCaptionX, 2820, 4200, 300, kBrown);

    auto depthBox = [this](const char* name, int x, int row) {
        auto* box =
            new TextBox(this, QString::fromLatin1(name), x, DesignRow(row) - 15, kDepthW, kRowH);
        SetFont(box, kSansSerif, 8.25);
        box->SetMaxLength(4);
        return box;
    };
    auto unit = [this](const char* name, const char* caption, int boxX, int row) {
        Caption(this, name, caption, boxX + kDepthW + kUnitGap, DesignRow(row), kUnitW);
    };
    const int captionW = kOneBoxX - kOneCaptionX - 120;
    const int checkW = kOneBoxX + kDepthW - kOneCaptionX;

    // Design one.
    Caption(this, "lbl", "Hot Mix Asphalt Pavement", kOneCaptionX, DesignRow(0), captionW);
    TbxSurfaceDepthOne = depthBox("TbxSurfaceDepthOne", kOneBoxX, 0);
    unit("Label20", "( in )", kOneBoxX, 0);
    Caption(this, "Label4", "Aggregate Base Course", kOneCaptionX, DesignRow(1), captionW);
    TbxBaseOne = depthBox("TbxBaseOne", kOneBoxX, 1);
    unit("Label22", "( in )", kOneBoxX, 1);
    Caption(this, "Label6", "Stabilized Subgrade", kOneCaptionX, DesignRow(2), captionW);
    TbxSubgradeOne = depthBox("TbxSubgradeOne", kOneBoxX, 2);
    unit("Label23", "( in )", kOneBoxX, 2);
    ChkSubgradePrepOne = DesignBox(this, "ChkSubgradePrepOne", "Subgrade Prep             ",
                                   kOneCaptionX, DesignRow(3), checkW);
    ChkPavementFabricOne = DesignBox(this, "ChkPavementFabricOne", "Paving Fabric         ",
                                     kOneCaptionX, DesignRow(4), checkW);
    LblConstOptionOne = new Label(this, QStringLiteral("LblConstOptionOne"), QString(),
                                  kOneCaptionX, DesignRow(5), captionW, kRowH - 30);
    TbxConstOptionOne = depthBox("TbxConstOptionOne", kOneBoxX, 5);
    unit("Label33", "( in )", kOneBoxX, 5);
    Caption(this, "Label2", "Salvage Value", kOneCaptionX, DesignRow(6), captionW);
    CbxSalvageOne =
        new ComboBox(this, QStringLiteral("CbxSalvageOne"), kOneBoxX, DesignRow(6) - 30, 720, 315);
    Caption(this, "Label35", "%", kOneBoxX + 780, DesignRow(6), 240);

    // Design two.
    CbxSurfaceTwo = new ComboBox(this, QStringLiteral("CbxSurfaceTwo"), kTwoCaptionX,
                                 DesignRow(0) - 45, captionW, 315);
    TbxSurfaceDepthTwo = depthBox("TbxSurfaceDepthTwo", kTwoBoxX, 0);
    unit("Label24", "( in )", kTwoBoxX, 0);
    Caption(this, "Label5", "Aggregate Base Course", kTwoCaptionX, DesignRow(1), captionW);
    TbxBaseTwo = depthBox("TbxBaseTwo", kTwoBoxX, 1);
    unit("Label25", "( in )", kTwoBoxX, 1);
    Caption(this, "Label7", "Stabilized Subgrade", kTwoCaptionX, DesignRow(2), captionW);
    TbxSubgradeTwo = depthBox("TbxSubgradeTwo", kTwoBoxX, 2);
    unit("Label26", "( in )", kTwoBoxX, 2);
    ChkSubgradePrepTwo = DesignBox(this, "ChkSubgradePrepTwo", "Subgrade Prep    ", kTwoCaptionX,
                                   DesignRow(3), checkW);
    ChkPavementFabricTwo = DesignBox(this, "ChkPavementFabricTwo", "Paving Fabric", kTwoCaptionX,
                                     DesignRow(4), checkW);
    LblConstOptionTwo = new Label(this, QStringLiteral("LblConstOptionTwo"), QString(),
                                  kTwoCaptionX, DesignRow(5), captionW, kRowH - 30);
    TbxConstOptionTwo = depthBox("TbxConstOptionTwo", kTwoBoxX, 5);
    unit("Label32", "( in )", kTwoBoxX, 5);
    Caption(this, "Label30", "Salvage Value", kTwoCaptionX, DesignRow(6), captionW);
    CbxSalvageTwo =
        new ComboBox(this, QStringLiteral("CbxSalvageTwo"), kTwoBoxX, DesignRow(6) - 30, 720, 315);
    Caption(this, "Label36", "%", kTwoBoxX + 780, DesignRow(6), 240);

    // Band 3: life cycle parameters.
    Heading(this, "Label27", "PAVEMENT LIFE CYCLE PARAMETERS", 240, kBand3Top, 4080, 300);
    auto* rule =
        new Line(this, QStringLiteral("Line1"), 4440, kBand3Top + 150, 10800, kBand3Top + 150);
    SetColors(rule, QColor(128, 128, 128));
    auto* light =
        new Line(this, QStringLiteral("Line2"), 4440, kBand3Top + 165, 10800, kBand3Top + 165);
    SetColors(light, Qt::white);

    constexpr int levelTop = kBand3Top + 420;
    Caption(this, "Label19", "Planned Maintenance ", 360, levelTop, 2040);
    auto level = [this](const char* name, const char* caption, int i) {
        return new CheckBox(this, QString::fromLatin1(name), QString::fromLatin1(caption), 2460,
                            levelTop + i * 300 - 15, 2160, kRowH);
    };
    ChkLowMaintenance = level("ChkLowMaintenance", "Low ( none )     ", 0);
    ChkModerateMaintenance = level("ChkModerateMaintenance", "Moderate ( 10yr ) ", 1);
    ChkHighMaintenance = level("ChkHighMaintenance", "High ( 5 yr )", 2);
    ChkCustomMaintenance = level("ChkCustomMaintenance", "Custom ", 3);

    Caption(this, "Label18", "Inflation Rate %", 5160, levelTop + 120, 1680);
    TbxInflationRate =
        new TextBox(this, QStringLiteral("TbxInflationRate"), 6900, levelTop + 90, 720, 315);
    TbxInflationRate->SetMaxLength(4);
    Caption(this, "Label21", "Interest Rate %", 5160, levelTop + 600, 1680);
    TbxInterestRate =
        new TextBox(this, QStringLiteral("TbxInterestRate"), 6900, levelTop + 570, 720, 315);
    TbxInterestRate->SetMaxLength(4);

    const int buttonX = 9240, buttonW = 1575, buttonH = 375;
    CmdReset = new Button(this, QStringLiteral("CmdReset"), QStringLiteral("Reset Entries"),
                          buttonX, kBand3Top + 300, buttonW, buttonH);
    CmdCompute = new Button(this, QStringLiteral("CmdCompute"), QStringLiteral("Calculate"),
                            buttonX, kBand3Top + 750, buttonW, buttonH);
    CmdPrintForm = new Button(this, QStringLiteral("CmdPrintForm"), QStringLiteral("Print Form"),
                              buttonX, kBand3Top + 1200, buttonW, buttonH);

    QWidget* order[] = {TbxName,
                        TbxFrom,
                        TbxTo,
                        CbxMonth,
                        CbxYear,
                        TbxLength,
                        TbxWidth,
                        CbxAnalysisPeriod,
                        TbxSurfaceDepthOne,
                        TbxBaseOne,
                        TbxSubgradeOne,
                        ChkSubgradePrepOne,
                        ChkPavementFabricOne,
                        TbxConstOptionOne,
                        CbxSalvageOne,
                        CbxSurfaceTwo,
                        TbxSurfaceDepthTwo,
                        TbxBaseTwo,
                        TbxSubgradeTwo,
                        ChkSubgradePrepTwo,
                        ChkPavementFabricTwo,
                        TbxConstOptionTwo,
                        CbxSalvageTwo,
                        ChkLowMaintenance,
                        ChkModerateMaintenance,
                        ChkHighMaintenance,
                        ChkCustomMaintenance,
                        TbxInflationRate,
                        TbxInterestRate,
                        CmdReset,
                        CmdCompute,
                        CmdPrintForm};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void FmDataEntry::WireHandlers() {
    TbxName->LostFocus = [this] {
        CheckText(TbxName, QStringLiteral("Name Field Cannot Contain Apostrophies"));
    };
    TbxFrom->LostFocus = [this] {
        CheckText(TbxFrom, QStringLiteral("From Field Cannot Contain Apostrophies"));
    };
    TbxTo->LostFocus = [this] {
        CheckText(TbxTo, QStringLiteral("To Field Cannot Contain Apostrophies"));
    };
    TbxLength->LostFocus = [this] { CheckLengthOrWidth(TbxLength, RangeBox::Length); };
    TbxWidth->LostFocus = [this] { CheckLengthOrWidth(TbxWidth, RangeBox::Width); };
    const std::pair<TextBox*, RangeBox> ranges[] = {
        {TbxSurfaceDepthOne, RangeBox::SurfaceDepthOne},
        {TbxBaseOne, RangeBox::BaseOne},
        {TbxSubgradeOne, RangeBox::SubgradeOne},
        {TbxSurfaceDepthTwo, RangeBox::SurfaceDepthTwo},
        {TbxBaseTwo, RangeBox::BaseTwo},
        {TbxSubgradeTwo, RangeBox::SubgradeTwo},
        {TbxConstOptionOne, RangeBox::ConstOptionOne},
        {TbxConstOptionTwo, RangeBox::ConstOptionTwo},
        {TbxInflationRate, RangeBox::InflationRate},
        {TbxInterestRate, RangeBox::InterestRate},
    };
    for (auto [box, rule] : ranges)
        box->LostFocus = [this, box = box, rule = rule] { CheckRangeBox(box, rule); };
    for (ComboBox* list : {CbxMonth, CbxYear, CbxSalvageOne, CbxSalvageTwo, CbxAnalysisPeriod})
        list->LostFocus = [this, list] { CheckList(list); };
    CbxSurfaceTwo->Change = [this] { CbxSurfaceTwo_Change(); };
    CbxSurfaceTwo->Click = [this] { CbxSurfaceTwo_Click(); };
    for (Level l : kLevels) LevelBox(l)->Click = [this, l] { LevelBox_Click(l); };
    CmdReset->Click = [this] { CmdReset_Click(); };
    CmdCompute->Click = [this] { CmdCompute_Click(); };
    CmdPrintForm->Click = [this] { CmdPrintForm_Click(); };
}

CheckBox* FmDataEntry::LevelBox(Level level) const {
    switch (level) {
        case Level::Low:
            return ChkLowMaintenance;
        case Level::Moderate:
            return ChkModerateMaintenance;
        case Level::High:
            return ChkHighMaintenance;
        case Level::Custom:
            return ChkCustomMaintenance;
    }
    return ChkCustomMaintenance;
}

void FmDataEntry::Form_Load() {
    const std::pair<ComboBox*, QStringList> lists[] = {
        {CbxMonth, MonthEntries()},
        {CbxYear, YearEntries()},
        {CbxAnalysisPeriod, AnalysisPeriodEntries()},
        {CbxSalvageOne, SalvageEntries()},
        {CbxSalvageTwo, SalvageEntries()},
    };
    for (const auto& [list, entries] : lists) {
        for (const QString& e : entries) list->AddItem(e);
        list->SetListIndex(0);
    }
    strDepthMessage = kDepthMessage;
}

QString FmDataEntry::UserSurface() const {
    return main_.rstVORN.Text(QStringLiteral("SurfaceOptionTwoLabel"));
}

// ---- Loading and storing

void FmDataEntry::ShowListText(ComboBox* list, const QString& text) {
    // The shown entry is also the selected one, so the list opens on it.
    const int index = EntryIndex(list->Entries(), text);
    if (index >= 0)
        list->SetListIndex(index);
    else
        list->SetText(text);
}

void FmDataEntry::ResetEntries() {
    loadedProject_ = -1;
    main_.ResetOptionLabels();
    Recordset& r = main_.rstVORN;
    auto text = [&r](const char* field) { return r.Text(QString::fromLatin1(field)); };
    auto number = [&r](const char* field) { return r.Number(QString::fromLatin1(field)); };
    auto plain = [&](const char* field) { return PlainNumberText(number(field)); };
    auto flag = [&](const char* field) { return static_cast<int>(number(field)); };

    TbxName->SetText(text("ProjectName"));
    TbxFrom->SetText(text("From"));
    TbxTo->SetText(text("To"));
    const MonthYearTexts date = ShownProjectDate(text("ProjectDate"));
    ShowListText(CbxMonth, date.month);
    ShowListText(CbxYear, date.year);
    CbxAnalysisPeriod->SetListIndex(static_cast<int>(number("AnalysisPeriod")));
    TbxLength->SetText(ShownLength(number("Length")));
    TbxWidth->SetText(ShownLength(number("Width")));
    LblArea->SetCaption(ShownArea(number("Area")));
    TbxSurfaceDepthOne->SetText(plain("SurfaceDepthOne"));
    TbxBaseOne->SetText(plain("BaseCourseOne"));
    TbxSubgradeOne->SetText(plain("SubgradeOne"));
    ChkSubgradePrepOne->SetValue(flag("SubgradePrepOne"));
    ChkPavementFabricOne->SetValue(flag("PavementFabricOne"));
    CbxSalvageOne->SelectEqualEntries(text("SalvageOne"), 4);
    LblConstOptionOne->SetCaption(text("ConstOptionOneLabel"));
    TbxConstOptionOne->SetText(plain("ConstOptionOne"));
    CbxSurfaceTwo->SelectEqualEntries(text("SurfaceTwo"), 3);
    TbxSurfaceDepthTwo->SetText(plain("SurfaceDepthTwo"));
    TbxBaseTwo->SetText(plain("BaseCourseTwo"));
    TbxSubgradeTwo->SetText(plain("SubgradeTwo"));
    ChkSubgradePrepTwo->SetValue(flag("SubgradePrepTwo"));
    ChkPavementFabricTwo->SetValue(flag("PavementFabricTwo"));
    CbxSalvageTwo->SelectEqualEntries(text("SalvageTwo"), 4);
    LblConstOptionTwo->SetCaption(text("ConstOptionTwoLabel"));
    TbxConstOptionTwo->SetText(plain("ConstOptionTwo"));
    TbxInflationRate->SetText(plain("InflationRate"));
    TbxInterestRate->SetText(plain("InterestRate"));
    // Each box this ticks runs its level rule.
    ChkLowMaintenance->SetValue(flag("LowMaintenance"));
    ChkModerateMaintenance->SetValue(flag("ModMaintenance"));
    ChkHighMaintenance->SetValue(flag("HighMaintenance"));
    ChkCustomMaintenance->SetValue(flag("CustomMaintenance"));
    loadedProject_ = main_.projectGeneration();
}

void FmDataEntry::Form_Deactivate() {
    main_.StoreLeftEntries(loadedProject_, [this] { SaveEntries(); });
}

void FmDataEntry::SaveEntries() {
    Recordset& r = main_.rstVORN;
    auto set = [&r](const char* field, const QVariant& v) {
        r.SetField(QString::fromLatin1(field), v);
    };
    // A box or list is stored only when its check accepts what it shows; the comparison
    // list is checked at every change, so what it shows has passed.
    auto text = [&](const char* field, TextBox* box) {
        if (Accepts(CheckApostrophe(box->Text(), QString()), box->Text())) set(field, box->Text());
    };
    auto range = [&](const char* field, TextBox* box, RangeBox rule,
                     double (*stored)(const QString&)) {
        if (Accepts(CheckRange(rule, box->Text()), box->Text())) set(field, stored(box->Text()));
    };
    auto accepted = [](const ComboBox* list) { return ListAccepts(list->Entries(), list->Text()); };
    r.Edit();
    text("ProjectName", TbxName);
    text("From", TbxFrom);
    text("To", TbxTo);
    // A month or year the check would correct leaves that part of the stored date.
    if (accepted(CbxMonth) || accepted(CbxYear)) {
        const MonthYearTexts stored = ShownProjectDate(r.Text(QStringLiteral("ProjectDate")));
        set("ProjectDate", ProjectDateText(accepted(CbxMonth) ? CbxMonth->Text() : stored.month,
                                           accepted(CbxYear) ? CbxYear->Text() : stored.year));
    }
    if (accepted(CbxAnalysisPeriod)) {
        set("AnalysisPeriod",
            AnalysisPeriodIndex(AnalysisPeriodEntries(), CbxAnalysisPeriod->Text(),
                                CbxAnalysisPeriod->ListIndex()));
        set("AnalysisText", CbxAnalysisPeriod->Text());
    }
    range("Length", TbxLength, RangeBox::Length, StoredWhole);
    range("Width", TbxWidth, RangeBox::Width, StoredWhole);
    set("Area", StoredWhole(LblArea->Caption()));
    range("SurfaceDepthOne", TbxSurfaceDepthOne, RangeBox::SurfaceDepthOne, StoredOneDecimal);
    range("BaseCourseOne", TbxBaseOne, RangeBox::BaseOne, StoredOneDecimal);
    range("SubgradeOne", TbxSubgradeOne, RangeBox::SubgradeOne, StoredOneDecimal);
    set("SubgradePrepOne", ChkSubgradePrepOne->Value());
    set("PavementFabricOne", ChkPavementFabricOne->Value());
    range("ConstOptionOne", TbxConstOptionOne, RangeBox::ConstOptionOne, StoredOneDecimal);
    if (accepted(CbxSalvageOne)) set("SalvageOne", CbxSalvageOne->Text());
    set("SurfaceTwo", CbxSurfaceTwo->Text());
    range("SurfaceDepthTwo", TbxSurfaceDepthTwo, RangeBox::SurfaceDepthTwo, StoredOneDecimal);
    range("BaseCourseTwo", TbxBaseTwo, RangeBox::BaseTwo, StoredOneDecimal);
    range("SubgradeTwo", TbxSubgradeTwo, RangeBox::SubgradeTwo, StoredOneDecimal);
    set("SubgradePrepTwo", ChkSubgradePrepTwo->Value());
    set("PavementFabricTwo", ChkPavementFabricTwo->Value());
    range("ConstOptionTwo", TbxConstOptionTwo, RangeBox::ConstOptionTwo, StoredOneDecimal);
    if (accepted(CbxSalvageTwo)) set("SalvageTwo", CbxSalvageTwo->Text());
    range("InflationRate", TbxInflationRate, RangeBox::InflationRate, StoredOneDecimal);
    range("InterestRate", TbxInterestRate, RangeBox::InterestRate, StoredOneDecimal);
    const std::array<int, 4> flags = {ChkLowMaintenance->Value(), ChkModerateMaintenance->Value(),
                                      ChkHighMaintenance->Value(), ChkCustomMaintenance->Value()};
    set("LowMaintenance", flags[0]);
    set("ModMaintenance", flags[1]);
    set("HighMaintenance", flags[2]);
    set("CustomMaintenance", flags[3]);
    set("Maintenance", MaintenanceText(flags, r.Text(QStringLiteral("Maintenance"))));
    r.Update();
}

// ---- Field checks

void FmDataEntry::ShowMessage(const QString& text, MsgStyle style, const QString& title) {
    MsgBox(text, style, title);
}

void FmDataEntry::CheckText(TextBox* box, const QString& message) {
    const FieldCheck r = CheckApostrophe(box->Text(), message);
    if (r.message) {
        strMessage = *r.message;
        ShowMessage(strMessage, MsgStyle::OkExclamation, kDataEntryErrorTitle);
    }
    if (r.newText) box->SetText(*r.newText);
}

bool FmDataEntry::CheckRangeBox(TextBox* box, RangeBox rule) {
    const FieldCheck r = CheckRange(rule, box->Text());
    if (r.message) {
        const bool depth = *r.message == kDepthMessage;
        if (!depth) strMessage = *r.message;
        ShowMessage(depth ? strDepthMessage : strMessage, MsgStyle::Ok, kDataEntryErrorTitle);
    }
    if (r.newText) box->SetText(*r.newText);
    return r.passed;
}

void FmDataEntry::CheckLengthOrWidth(TextBox* box, RangeBox rule) {
    if (!CheckRangeBox(box, rule)) return;
    if (auto caption = AreaCaption(TbxLength->Text(), TbxWidth->Text()))
        LblArea->SetCaption(*caption);
}

void FmDataEntry::CheckList(ComboBox* list) {
    const QStringList entries = list->Entries();
    if (auto fallback = ListFallback(entries, list->Text())) {
        list->SetListIndex(*fallback);
        return;
    }
    // A typed text equal to an entry selects that entry, so the index and text agree.
    const int index = EntryIndex(entries, list->Text());
    if (list->ListIndex() != index) list->SetListIndex(index);
}

void FmDataEntry::CbxSurfaceTwo_Change() {
    if (auto fallback = ListFallback(CbxSurfaceTwo->Entries(), CbxSurfaceTwo->Text()))
        CbxSurfaceTwo->SetListIndex(*fallback);
    ShowAsphaltHeading();
}

// The custom asphalt window prices the comparison that the list shows at its next
// activation: its option Two heading follows the list.
void FmDataEntry::ShowAsphaltHeading() {
    main_.fmCustomACAC().LblOption->SetCaption(
        AsphaltWindowHeading(CbxSurfaceTwo->Text(), UserSurface()));
}

// ---- Level rules and Calculate

void FmDataEntry::CbxSurfaceTwo_Click() {
    ShowAsphaltHeading();
    RunSelectionRule(*levels_);
}

void FmDataEntry::LevelBox_Click(Level level) {
    // A box that code or the user clears runs no rule: with at most one level ticked the
    // rule of a cleared box has nothing to do.
    if (LevelBox(level)->Value() == 1) RunLevelRule(level, *levels_);
}

void FmDataEntry::CmdReset_Click() { ResetEntries(); }

void FmDataEntry::CmdCompute_Click() {
    main_.bStateChanged = true;
    bool none = true;
    for (Level l : kLevels) none = none && LevelBox(l)->Value() == 0;
    if (none) {
        strMessage = kNoLevelMessage;
        ShowMessage(strMessage, MsgStyle::Ok, kDataEntryErrorTitle);
        return;
    }
    for (int test = 0; test < kCalculateTests; ++test) {
        const auto action = CalculateTest(test, CbxSurfaceTwo->Text(),
                                          ChkCustomMaintenance->Value() == 1, UserSurface());
        if (action) ShowResults(*action);
    }
}

void FmDataEntry::ShowResults(const CalculateAction& action) {
    if (action.kind == CalculateAction::Kind::Reminder) {
        strMessage = kUserSurfaceMessage;
        ShowMessage(strMessage, MsgStyle::Ok, kReminderTitle);
        return;
    }
    Form* window = nullptr;
    switch (action.window) {
        case ResultsWindow::DefaultACAG:
            window = &main_.fmDefaultACAG();
            break;
        case ResultsWindow::CustomACAG:
            window = &main_.fmCustomACAG();
            break;
        case ResultsWindow::DefaultACAC:
            window = &main_.fmDefaultACAC();
            break;
        case ResultsWindow::CustomACAC:
            window = &main_.fmCustomACAC();
            if (action.heading) main_.fmCustomACAC().LblOption->SetCaption(*action.heading);
            break;
    }
    window->Move(0, 0);
    window->Show();
}

void FmDataEntry::CmdPrintForm_Click() {
    if (main_.PrinterOK) PrintWindowImage(this);
}

}  // namespace orv
