// The project data entry window: a borderless child window of the frame in which the user
// describes the project, both pavement designs, the analysis period, the rates and the
// maintenance level. It reloads from the project record at every activation and stores
// its entries there when another window becomes active, so a round trip keeps the typing.
#pragma once

#include <QString>
#include <memory>

#include "inputs/entry_rules.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmDataEntry : public Form {
    Q_OBJECT
  public:
    explicit FmDataEntry(MDIMain& main);
    ~FmDataEntry() override;

    // Reloads every field from the project record.
    void ResetEntries();
    // Writes into the project record every field whose check accepts what its box or list
    // shows as it stands; a field the check would correct keeps the record's value.
    void SaveEntries();

    void Form_Load() override;
    void Form_Activate() override { ResetEntries(); }
    // What the user typed is stored when another window becomes active.
    void Form_Deactivate() override;

    // Project description.
    TextBox* TbxName;
    TextBox* TbxFrom;
    TextBox* TbxTo;
    ComboBox* CbxMonth;
    ComboBox* CbxYear;
    TextBox* TbxLength;
    TextBox* TbxWidth;
    Label* LblArea;
    ComboBox* CbxAnalysisPeriod;
    // Design one.
    TextBox* TbxSurfaceDepthOne;
    TextBox* TbxBaseOne;
    TextBox* TbxSubgradeOne;
    CheckBox* ChkSubgradePrepOne;
    CheckBox* ChkPavementFabricOne;
    Label* LblConstOptionOne;
    TextBox* TbxConstOptionOne;
    ComboBox* CbxSalvageOne;
    // Design two.
    ComboBox* CbxSurfaceTwo;
    TextBox* TbxSurfaceDepthTwo;
    TextBox* TbxBaseTwo;
    TextBox* TbxSubgradeTwo;
    CheckBox* ChkSubgradePrepTwo;
    CheckBox* ChkPavementFabricTwo;
    Label* LblConstOptionTwo;
    TextBox* TbxConstOptionTwo;
    ComboBox* CbxSalvageTwo;
    // Life cycle parameters.
    CheckBox* ChkLowMaintenance;
    CheckBox* ChkModerateMaintenance;
    CheckBox* ChkHighMaintenance;
    CheckBox* ChkCustomMaintenance;
    TextBox* TbxInflationRate;
    TextBox* TbxInterestRate;
    Button* CmdReset;
    Button* CmdCompute;
    Button* CmdPrintForm;

    CheckBox* LevelBox(Level level) const;

  private:
    class Levels;

    void BuildControls();
    void WireHandlers();

    void CheckText(TextBox* box, const QString& message);
    // Whether the text passed and stays.
    bool CheckRangeBox(TextBox* box, RangeBox rule);
    void CheckLengthOrWidth(TextBox* box, RangeBox rule);
    void CheckList(ComboBox* list);
    void CbxSurfaceTwo_Change();
    void CbxSurfaceTwo_Click();
    void ShowAsphaltHeading();
    void LevelBox_Click(Level level);
    void CmdReset_Click();
    void CmdCompute_Click();
    void CmdPrintForm_Click();
    void ShowMessage(const QString& text, MsgStyle style, const QString& title);
    void ShowResults(const CalculateAction& action);
    void ShowListText(ComboBox* list, const QString& text);
    QString UserSurface() const;

    MDIMain& main_;
    std::unique_ptr<Levels> levels_;
    // MDIMain::projectGeneration() as of the last complete ResetEntries; -1 during one.
    int loadedProject_ = -1;
    QString strDepthMessage;
    QString strMessage;
};

}  // namespace orv
