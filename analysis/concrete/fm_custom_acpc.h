// The concrete custom-schedule window: hot mix asphalt against plain portland cement
// concrete under a schedule the user lays out. No command of the system opens it.
#pragma once

#include "analysis/custom/custom_window.h"

namespace orv {

class FmCustomACPC : public CustomScheduleWindow {
    Q_OBJECT
  public:
    explicit FmCustomACPC(MDIMain& main);
};

}  // namespace orv
