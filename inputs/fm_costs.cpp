#include "inputs/fm_costs.h"

#include <QPalette>

#include "common/format.h"
#include "inputs/entry_rules.h"
#include "platform/dialogs.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

const QColor kGrey(192, 192, 192);
const QColor kDarkRed(128, 0, 0);
const QString kArial = QStringLiteral("Arial");
const QString kPerSqYdIn = QStringLiteral("$/sq yd/in");
const QString kPerSqYd = QStringLiteral("$/sq yd");

// One row of the window: its box, the caption at its left (a fixed text, or the name
// label of a user-defined item), its unit, its field and where it stands.
struct Row {
    const char* box;
    const char* caption;    // nullptr: a name label
    const char* nameLabel;  // the name label's name when caption is nullptr
    bool perInch;
    const char* field;
    int column;  // 0 left, 1 right
    int top;     // twips
};

// Layout, in twips.
constexpr int kTop = 480, kStep = 360, kRowH = 285;
constexpr int kCaptionX[2] = {240, 5160};
constexpr int kCaptionW = 2520;
constexpr int kBoxOffset = 2580, kBoxW = 900;
constexpr int kUnitOffset = 3600, kUnitW = 1200;
constexpr int kLowerHeading = 3000;
constexpr int kLowerTop = kLowerHeading + 360;
constexpr int kOptionalHeading = kLowerTop + 3 * kStep + 120;
constexpr int kOptionalTop = kOptionalHeading + 360;

constexpr int At(int first, int i) { return first + i * kStep; }

const Row kRows[] = {
    {"TbxAsphaltCost", "Hot Mix Asphalt", nullptr, true, "AsphaltCementCost", 0, At(kTop, 0)},
    {"TbxAsphaltCost2", "Hot Mix Asphalt #2", nullptr, true, "AsphaltCementCost2", 0, At(kTop, 1)},
    {"TbxAggregateCost", "Aggregate", nullptr, true, "AggregateCost", 0, At(kTop, 2)},
    {"TbxSurfaceOptionTwoCost", nullptr, "LblSurfaceOptionTwo", true, "SurfaceOptionTwoCost", 0,
     At(kTop, 3)},
    {"TbxAggBaseCost", "Aggregate Base Course", nullptr, true, "AggBaseCourseCost", 0, At(kTop, 4)},
    {"TbxStablizedsubgradeCost", "Stabilized Subgrade", nullptr, true, "StablizedSubgradeCost", 1,
     At(kTop, 0)},
    {"TbxSubgradePrepCost", "Subgrade Prep", nullptr, false, "SubgradePrepCost", 1, At(kTop, 1)},
    {"TbxPavementFabricCost", "Paving Fabric", nullptr, false, "PavementFabricCost", 1,
     At(kTop, 2)},
    {"TbxDemolitionCost", "Demolition", nullptr, false, "DemolitionCost", 1, At(kTop, 3)},
    {"TbxConstOptionOneCost", nullptr, "LblConstOptionOneLabel", true, "ConstOptionOneCost", 1,
     At(kTop, 4)},
    {"TbxConstOptionTwoCost", nullptr, "LblConstOptionTwoLabel", true, "ConstOptionTwoCost", 1,
     At(kTop, 5)},
    {"TbxFogSealCost", "Fog Seal", nullptr, false, "FogSealCost", 0, At(kLowerTop, 0)},
    {"TbxChipSealCost", "Chip Seal", nullptr, false, "ChipSealCost", 0, At(kLowerTop, 1)},
    {"TbxSlurrySealCost", "Slurry Seal", nullptr, false, "SlurrySealCost", 0, At(kLowerTop, 2)},
    {"TbxSealCoatCost", "Seal Coat", nullptr, false, "SealCoatCost", 0, At(kLowerTop, 3)},
    {"TbxCrackSealCost", "Asphalt Crack Seal", nullptr, false, "CrackSealCost", 0,
     At(kLowerTop, 4)},
    {"TbxPatchCost", "Asphalt Patch", nullptr, false, "PatchingCost", 0, At(kLowerTop, 5)},
    {"TbxInfaredCost", "Infared Patch", nullptr, false, "InfaredCost", 0, At(kLowerTop, 6)},
    {"TbxOverlayCost", "Overlay", nullptr, true, "OverlayCost", 0, At(kLowerTop, 7)},
    {"TbxRotomillCost", "Rotomill", nullptr, true, "RotomillCost", 0, At(kLowerTop, 8)},
    {"TbxBladeCost", "Blade ", nullptr, false, "BladeCost", 1, At(kLowerTop, 0)},
    {"TbxBladeGravelCost", "Blade And Gravel", nullptr, true, "BladeGravelCost", 1,
     At(kLowerTop, 1)},
    {"TbxDustControlCost", "Dust Control", nullptr, false, "DustControlCost", 1, At(kLowerTop, 2)},
    {"TbxMaintOptionOneCost", nullptr, "LblMaintOptionOneLabel", false, "MaintOptionOneCost", 1,
     At(kOptionalTop, 0)},
    {"TbxMaintOptionTwoCost", nullptr, "LblMaintOptionTwoLabel", false, "MaintOptionTwoCost", 1,
     At(kOptionalTop, 1)},
    {"TbxMaintOptionThreeCost", nullptr, "LblMaintOptionThreeLabel", false, "MaintOptionThreeCost",
     1, At(kOptionalTop, 2)},
};

constexpr int kLineTop = At(kTop, 6) + 120;
constexpr int kButtonTop = At(kLowerTop, 9) + 240;
constexpr int kButtonW = 1335, kButtonH = 375;
constexpr int kClientW = kCaptionX[1] + kUnitOffset + kUnitW + 120;
constexpr int kClientH = kButtonTop + kButtonH + 240;

// The six name labels and the record fields they show.
struct NameLabel {
    Label* FmCosts::*label;
    const char* name;
    const char* field;
};
const NameLabel kNameLabels[] = {
    {&FmCosts::LblSurfaceOptionTwo, "LblSurfaceOptionTwo", "SurfaceOptionTwoLabel"},
    {&FmCosts::LblConstOptionOneLabel, "LblConstOptionOneLabel", "ConstOptionOneLabel"},
    {&FmCosts::LblConstOptionTwoLabel, "LblConstOptionTwoLabel", "ConstOptionTwoLabel"},
    {&FmCosts::LblMaintOptionOneLabel, "LblMaintOptionOneLabel", "MaintOptionOneLabel"},
    {&FmCosts::LblMaintOptionTwoLabel, "LblMaintOptionTwoLabel", "MaintOptionTwoLabel"},
    {&FmCosts::LblMaintOptionThreeLabel, "LblMaintOptionThreeLabel", "MaintOptionThreeLabel"},
};

Label* Heading(QWidget* parent, const char* name, const char* caption, int left, int top) {
    auto* label = new Label(parent, QString::fromLatin1(name), QString::fromLatin1(caption), left,
                            top, 4500, 300);
    SetFont(label, kArial, 9.75, true);
    SetColors(label, kDarkRed);
    return label;
}

}  // namespace

FmCosts::FmCosts(MDIMain& main) : Form(QStringLiteral("FmCosts")), main_(main) {
    SetCaption(QStringLiteral("Life Cycle Materials Costs"));
    // A fixed size: the frame offers no maximize, as the other fixed-size windows'.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SetClientSizeTwips(kClientW, kClientH);
    SetFont(this, kArial, 9);
    QPalette p = palette();
    p.setColor(QPalette::Window, kGrey);
    setPalette(p);
    setAutoFillBackground(true);
    BuildControls();
}

void FmCosts::BuildControls() {
    Heading(this, "Label27", "Construction / Replacement Costs", kCaptionX[0], 120);
    Heading(this, "Label28", "Hot Mix Asphalt Maintenance Costs", kCaptionX[0], kLowerHeading);
    Heading(this, "Label29", "Aggregate Maintenance Costs", kCaptionX[1], kLowerHeading);
    Heading(this, "Label30", "Optional Maintenance", kCaptionX[1], kOptionalHeading);
    new Line(this, QStringLiteral("Line1"), 120, kLineTop, kClientW - 120, kLineTop);

    QWidget* previous = nullptr;
    int captionIndex = 1;
    for (const Row& row : kRows) {
        const int x = kCaptionX[row.column];
        if (row.caption) {
            new Label(this, QStringLiteral("Label%1").arg(captionIndex++),
                      QString::fromLatin1(row.caption), x, row.top, kCaptionW, kRowH);
        } else {
            for (const NameLabel& n : kNameLabels) {
                if (qstrcmp(n.name, row.nameLabel) != 0) continue;
                this->*n.label = new Label(this, QString::fromLatin1(n.name), QString(), x, row.top,
                                           kCaptionW, kRowH);
            }
        }
        auto* box = new TextBox(this, QString::fromLatin1(row.box), x + kBoxOffset, row.top - 30,
                                kBoxW, 315);
        new Label(this, QString::fromLatin1(row.box).replace(0, 3, QStringLiteral("LblUnit")),
                  row.perInch ? kPerSqYdIn : kPerSqYd, x + kUnitOffset, row.top, kUnitW, kRowH);
        box->LostFocus = [this, box] { CheckCostBox(box); };
        boxes_.push_back({box, QString::fromLatin1(row.field)});
        if (previous) QWidget::setTabOrder(previous, box);
        previous = box;
    }
    TbxAsphaltCost = boxes_.front().box;

    ButtonRow buttons(this, previous, kClientW - 120 - 4 * kButtonW - 3 * 120, kButtonTop, kButtonW,
                      kButtonH, 120);
    CmdReset = buttons.Add(QStringLiteral("CmdReset"), QStringLiteral("Reset"));
    CmdSave = buttons.Add(QStringLiteral("CmdSave"), QStringLiteral("Save Changes"));
    CmdPrintForm = buttons.Add(QStringLiteral("CmdPrintForm"), QStringLiteral("Print Form"));
    CmdClose = buttons.Add(QStringLiteral("CmdClose"), QStringLiteral("Close"));
    CmdReset->Click = [this] { ResetEntries(); };
    CmdSave->Click = [this] { SaveEntries(); };
    CmdPrintForm->Click = [this] { CmdPrintForm_Click(); };
    CmdClose->Click = [this] { Hide(); };
}

void FmCosts::Form_Load() {
    Hide();
    strCostMessage = kCostMessage;
}

void FmCosts::Form_Activate() {
    ResetEntries();
    TbxAsphaltCost->update();
}

void FmCosts::Form_Deactivate() {
    main_.StoreLeftEntries(loadedProject_, [this] { SaveEntries(); });
}

void FmCosts::ResetEntries() {
    loadedProject_ = -1;
    Recordset& r = main_.rstVORN;
    for (const CostBox& c : boxes_) c.box->SetText(ShownCost(r.Number(c.field)));
    for (const NameLabel& n : kNameLabels)
        (this->*n.label)->SetCaption(r.Text(QString::fromLatin1(n.field)));
    loadedProject_ = main_.projectGeneration();
}

void FmCosts::SaveEntries() {
    Recordset& r = main_.rstVORN;
    r.Edit();
    for (const CostBox& c : boxes_) {
        const QString text = c.box->Text();
        if (Accepts(CheckCost(text), text)) r.SetField(c.field, StoredCost(text));
    }
    r.Update();
}

void FmCosts::CheckCostBox(TextBox* box) {
    const FieldCheck r = CheckCost(box->Text());
    if (r.message) MsgBox(strCostMessage, MsgStyle::Ok, kDataEntryErrorTitle);
    if (r.newText) box->SetText(*r.newText);
}

void FmCosts::CmdPrintForm_Click() {
    if (main_.PrinterOK) PrintWindowImage(this);
}

}  // namespace orv
