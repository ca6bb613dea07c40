// The custom-schedule results window, asphalt against aggregate.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmCustomACAG : public Form {
    Q_OBJECT
  public:
    explicit FmCustomACAG(MDIMain& main);

  private:
    MDIMain& main_;
};

}  // namespace orv
