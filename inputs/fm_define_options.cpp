#include "inputs/fm_define_options.h"

#include <QPalette>

#include "shell/mdi_main.h"

namespace orv {
namespace {

// Layout, in twips.
constexpr int kLabelX = 240, kLabelW = 4080;
constexpr int kBoxX = 4440, kBoxW = 3360;
constexpr int kTop = 240, kStep = 420, kRowH = 315;
constexpr int kButtonW = 1800, kButtonH = 375, kButtonGap = 120;
constexpr int kClientW = kBoxX + kBoxW + 240;
constexpr int kButtonTop = kTop + 6 * kStep + 120;
constexpr int kClientH = kButtonTop + kButtonH + 240;

}  // namespace

FmDefineOptions::FmDefineOptions(MDIMain& main)
    : Form(QStringLiteral("FmDefineOptions")), main_(main) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    SetCaption(QStringLiteral("Define Optional Construction Or Maintenance Options"));
    SetClientSizeTwips(kClientW, kClientH);
    SetFont(this, QStringLiteral("Arial"), 9);

    struct RowDef {
        TextBox* FmDefineOptions::*box;
        const char* boxName;
        const char* labelName;
        const char* caption;
    };
    const RowDef rows[] = {
        {&FmDefineOptions::TbxSurfaceOptionTwo, "TbxSurfaceOptionTwo", "Label1",
         "Comparison Surface Option"},
        {&FmDefineOptions::TbxConstOptionOne, "TbxConstOptionOne", "Label5",
         "HMA  Construction/Replacement Option"},
        {&FmDefineOptions::TbxConstOptionTwo, "TbxConstOptionTwo", "Label6",
         "Comparison Construction/Replacement Option"},
        {&FmDefineOptions::TbxMaintOptionOne, "TbxMaintOptionOne", "Label2",
         "Maintenance Option One"},
        {&FmDefineOptions::TbxMaintOptionTwo, "TbxMaintOptionTwo", "Label3",
         "Maintenance Option Two"},
        {&FmDefineOptions::TbxMaintOptionThree, "TbxMaintOptionThree", "Label4",
         "Maintenance Option Three"},
    };
    QWidget* previous = nullptr;
    int top = kTop;
    for (const RowDef& row : rows) {
        new Label(this, QString::fromLatin1(row.labelName), QString::fromLatin1(row.caption),
                  kLabelX, top + 30, kLabelW, kRowH - 30);
        auto* box = new TextBox(this, QString::fromLatin1(row.boxName), kBoxX, top, kBoxW, kRowH);
        this->*row.box = box;
        if (previous) QWidget::setTabOrder(previous, box);
        previous = box;
        top += kStep;
    }

    ButtonRow buttons(this, previous, kClientW - 240 - 4 * kButtonW - 3 * kButtonGap, kButtonTop,
                      kButtonW, kButtonH, kButtonGap);
    CmdDefault = buttons.Add(QStringLiteral("CmdDefault"), QStringLiteral("Reset Defaults"));
    CmdReset = buttons.Add(QStringLiteral("CmdReset"), QStringLiteral("Reset To Saved"));
    CmdSave = buttons.Add(QStringLiteral("CmdSave"), QStringLiteral("Save"));
    CmdExit = buttons.Add(QStringLiteral("CmdExit"), QStringLiteral("Exit"));

    for (const NameBox& n : Boxes()) n.box->LostFocus = [this, n] { Box_LostFocus(n); };
    CmdDefault->Click = [this] { CmdDefault_Click(); };
    CmdReset->Click = [this] { Reset(); };
    CmdSave->Click = [this] { CmdSave_Click(); };
    CmdExit->Click = [this] { Hide(); };
}

std::vector<FmDefineOptions::NameBox> FmDefineOptions::Boxes() const {
    return {
        {TbxSurfaceOptionTwo, QStringLiteral("SurfaceOptionTwoLabel"), QStringLiteral("Undefined")},
        {TbxConstOptionOne, QStringLiteral("ConstOptionOneLabel"), QStringLiteral("HMA Other")},
        {TbxConstOptionTwo, QStringLiteral("ConstOptionTwoLabel"),
         QStringLiteral("Comparison Other")},
        {TbxMaintOptionOne, QStringLiteral("MaintOptionOneLabel"),
         QStringLiteral("Maintenance One")},
        {TbxMaintOptionTwo, QStringLiteral("MaintOptionTwoLabel"),
         QStringLiteral("Maintenance Two")},
        {TbxMaintOptionThree, QStringLiteral("MaintOptionThreeLabel"),
         QStringLiteral("Maintenance Three")},
    };
}

void FmDefineOptions::Reset() {
    for (const NameBox& n : Boxes()) n.box->SetText(main_.rstVORN.Text(n.field));
    main_.ResetOptionLabels();
}

void FmDefineOptions::Form_Activate() { CmdExit->setFocus(Qt::OtherFocusReason); }

void FmDefineOptions::Form_Deactivate() {
    Reset();
    Hide();
}

void FmDefineOptions::CmdDefault_Click() {
    for (const NameBox& n : Boxes()) n.box->SetText(n.builtIn);
}

void FmDefineOptions::CmdSave_Click() {
    Recordset& r = main_.rstVORN;
    r.Edit();
    for (const NameBox& n : Boxes()) r.SetField(n.field, n.box->Text());
    r.Update();
    main_.ResetOptionLabels();
    Hide();
}

void FmDefineOptions::Box_LostFocus(const NameBox& name) {
    if (name.box->Text().isEmpty()) name.box->SetText(main_.rstVORN.Text(name.field));
}

}  // namespace orv
