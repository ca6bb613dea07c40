// The default-schedule results window, asphalt against a second asphalt design.
#pragma once

#include "analysis/default/default_window.h"

namespace orv {

class FmDefaultACAC : public DefaultResultsWindow {
    Q_OBJECT
  public:
    explicit FmDefaultACAC(MDIMain& main);

  protected:
    QString table() const override { return QStringLiteral("DefaultACAC"); }
    Recordset& recordset() override;
    DefaultResults compute(const DefaultInputs& in) override {
        return ComputeDefaultAcac(in, state_);
    }
    void showYearCells() override;

  private:
    DefaultAcacState state_;
};

}  // namespace orv
