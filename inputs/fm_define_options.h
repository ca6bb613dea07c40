// The window that names the six user-defined items: a fixed dialog, shown modeless by
// "Define Options". It drops unsaved edits and hides as soon as it stops being active.
#pragma once

#include <QString>

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmDefineOptions : public Form {
    Q_OBJECT
  public:
    explicit FmDefineOptions(MDIMain& main);

    // Reloads the six names from the project record, then spreads them.
    void Reset();
    void Form_Load() override { Reset(); }
    void Form_Activate() override;
    void Form_Deactivate() override;

    TextBox* TbxSurfaceOptionTwo;
    TextBox* TbxConstOptionOne;
    TextBox* TbxConstOptionTwo;
    TextBox* TbxMaintOptionOne;
    TextBox* TbxMaintOptionTwo;
    TextBox* TbxMaintOptionThree;
    Button* CmdDefault;
    Button* CmdReset;
    Button* CmdSave;
    Button* CmdExit;

  private:
    struct NameBox {
        TextBox* box;
        QString field;
        QString builtIn;  // the name "Reset Defaults" gives
    };
    std::vector<NameBox> Boxes() const;

    void CmdDefault_Click();
    void CmdSave_Click();
    void Box_LostFocus(const NameBox& name);

    MDIMain& main_;
};

}  // namespace orv
