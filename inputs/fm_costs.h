// The unit cost window: the 26 unit costs of the project, beside the names of the
// user-defined items. A top-level window, hidden and shown again, never destroyed; it
// reloads from the project record at every activation and stores its boxes there when it
// is left for another window or hidden.
#pragma once

#include <QString>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmCosts : public Form {
    Q_OBJECT
  public:
    explicit FmCosts(MDIMain& main);

    // Reloads the 26 boxes and the six name labels from the project record.
    void ResetEntries();
    // Writes into the project record each of the 26 boxes whose check accepts its text as
    // it stands; a box the check would correct leaves its field as it was.
    void SaveEntries();

    void Form_Load() override;
    void Form_Activate() override;
    // What the user typed is stored when another window becomes active or "Close" hides
    // the window.
    void Form_Deactivate() override;

    // A box of the window and the record field it edits, in tab order.
    struct CostBox {
        TextBox* box;
        QString field;
    };
    const std::vector<CostBox>& Boxes() const { return boxes_; }

    TextBox* TbxAsphaltCost;
    Label* LblSurfaceOptionTwo;
    Label* LblConstOptionOneLabel;
    Label* LblConstOptionTwoLabel;
    Label* LblMaintOptionOneLabel;
    Label* LblMaintOptionTwoLabel;
    Label* LblMaintOptionThreeLabel;
    Button* CmdReset;
    Button* CmdSave;
    Button* CmdPrintForm;
    Button* CmdClose;

  private:
    void BuildControls();
    void CheckCostBox(TextBox* box);
    void CmdPrintForm_Click();

    MDIMain& main_;
    std::vector<CostBox> boxes_;
    // MDIMain::projectGeneration() as of the last complete ResetEntries; -1 during one.
    int loadedProject_ = -1;
    QString strCostMessage;
};

}  // namespace orv
