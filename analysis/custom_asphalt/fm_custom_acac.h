// The custom-schedule results window, asphalt against a second asphalt design or the user's
// surface.
#pragma once

#include "analysis/custom/custom_window.h"

namespace orv {

class FmCustomACAC : public CustomScheduleWindow {
    Q_OBJECT
  public:
    explicit FmCustomACAC(MDIMain& main);

    // Heads option Two; written only from outside the window.
    Label* LblOption;
};

}  // namespace orv
