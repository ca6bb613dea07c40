// The default-schedule results window, asphalt against aggregate.
#pragma once

#include "analysis/default/default_window.h"

namespace orv {

class FmDefaultACAG : public DefaultResultsWindow {
    Q_OBJECT
  public:
    explicit FmDefaultACAG(MDIMain& main);

    // Blade intervals and the level caption last from one activation to the next.
    const DefaultAcagState& state() const { return state_; }

  protected:
    QString table() const override { return QStringLiteral("DefaultACAG"); }
    Recordset& recordset() override;
    DefaultResults compute(const std::function<QVariant(const QString&)>& recordField,
                           const QStringList& periodEntries) override {
        return ComputeDefaultAcag(ReadDefaultInputs(recordField, periodEntries), state_);
    }
    void showYearCells() override;

  private:
    DefaultAcagState state_;
};

}  // namespace orv
