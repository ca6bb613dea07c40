// The chart window: plots the totals of the current comparison.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace orv {

class MDIMain;

class FmPlotResults : public Form {
    Q_OBJECT
  public:
    explicit FmPlotResults(MDIMain& main);

  private:
    MDIMain& main_;
};

}  // namespace orv
