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
    DefaultResults compute(const std::function<QVariant(const QString&)>& recordField,
                           const QStringList& periodEntries) override {
        return ComputeDefaultAcac(ReadDefaultInputs(recordField, periodEntries), state_);
    }
    void showYearCells() override;

  private:
    DefaultAcacState state_;
};

}  // namespace orv
