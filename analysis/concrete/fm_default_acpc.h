// The concrete default-schedule window: hot mix asphalt against plain portland cement
// concrete under the Low, Moderate or High schedule. No command of the system opens it.
#pragma once

#include "analysis/concrete/default_acpc.h"
#include "analysis/default/default_window.h"

namespace orv {

class FmDefaultACPC : public DefaultResultsWindow {
    Q_OBJECT
  public:
    explicit FmDefaultACPC(MDIMain& main);

    const DefaultAcpcState& state() const { return state_; }

  protected:
    QString table() const override { return QStringLiteral("DefaultACPC"); }
    Recordset& recordset() override;
    DefaultResults compute(const std::function<QVariant(const QString&)>& recordField,
                           const QStringList& periodEntries) override;
    void showYearCells() override;
    void activationFailed(const QString& what) override;

  private:
    DefaultAcpcState state_;
};

}  // namespace orv
