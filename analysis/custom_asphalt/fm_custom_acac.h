// The custom-schedule results window, asphalt against a second asphalt design or the user's
// surface.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmCustomACAC : public Form {
    Q_OBJECT
  public:
    explicit FmCustomACAC(MDIMain& main);

    // Heads option Two.
    Label* LblOption;

  private:
    MDIMain& main_;
};

}  // namespace orv
