// The splash window: a borderless child window of the frame, shown over the data entry
// window at start-up until "OK" hides it.
#pragma once

#include <QImage>

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

// The splash picture: a divided highway with traffic in a hilly landscape, 760 by 540.
QImage SplashPicture();

class FmLogo : public Form {
    Q_OBJECT
  public:
    explicit FmLogo(MDIMain& main);

    void Form_Load() override { Hide(); }
    void CmdOK_Click() { Hide(); }

    Label* Label3;
    Label* Label1;
    Label* Label2;
    Button* CmdOK;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QImage picture_;
};

}  // namespace orv
