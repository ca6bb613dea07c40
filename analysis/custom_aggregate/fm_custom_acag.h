// The custom-schedule results window, asphalt against aggregate.
#pragma once

#include "analysis/custom/custom_window.h"

namespace orv {

class FmCustomACAG : public CustomScheduleWindow {
    Q_OBJECT
  public:
    explicit FmCustomACAG(MDIMain& main);
};

}  // namespace orv
