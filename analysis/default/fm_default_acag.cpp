#include "analysis/default/fm_default_acag.h"

#include "shell/mdi_main.h"

namespace orv {

FmDefaultACAG::FmDefaultACAG(MDIMain& main)
    : DefaultResultsWindow(main, QStringLiteral("FmDefaultACAG"),
                           {QStringLiteral("Default Design Comparitive Analysis - Asphalt Cement "
                                           "Concrete vs Aggregate Pavement"),
                            QStringLiteral("Aggregate"), QStringLiteral("FUTURE COST"),
                            QStringLiteral("Construction Cost")}) {
    // Option two: construction, blading, blade and gravel, salvage, total.
    const int blade = rowTop(kOptionTwoTop, 1);
    tag(QStringLiteral("LblBladeTag"), QString(), blade);
    moneyCell(QStringLiteral("LblBladeCost"), 0, blade);
    moneyCell(QStringLiteral("LblBladeInflatedCost"), 1, blade);
    moneyCell(QStringLiteral("LblBladePresentValue"), 2, blade);
    const int gravel = rowTop(kOptionTwoTop, 2);
    tag(QStringLiteral("LblBladeGravelTag"), QString(), gravel);
    moneyCell(QStringLiteral("LblBladeGravelCost"), 0, gravel);
    moneyCell(QStringLiteral("LblBladeGravelInflatedCost"), 1, gravel);
    moneyCell(QStringLiteral("LblBladeGravelPresentValue"), 2, gravel);
    const int salvage = rowTop(kOptionTwoTop, 3);
    tag(QString(), QStringLiteral("Salvage Value"), salvage, true);
    yearCell(QStringLiteral("LblOptTwoYear"), salvage);
    moneyCell(QStringLiteral("LblOptTwoSalvageCost"), 0, salvage, true);
    moneyCell(QStringLiteral("LblOptTwoSalvageInflated"), 1, salvage, true);
    moneyCell(QStringLiteral("LblOptTwoSalvageValue"), 2, salvage, true);
    const int total = rowTop(kOptionTwoTop, 4);
    tag(QString(), QStringLiteral("Total Life Cycle Costs"), total, true);
    moneyCell(QStringLiteral("LblTotalOptTwoCost"), 0, total, true);
    moneyCell(QStringLiteral("lblTotalOptTwoInflatedCost"), 1, total, true);
    moneyCell(QStringLiteral("lblTotalOptTwoPresentValue"), 2, total, true);
    finishLayout(total);
}

Recordset& FmDefaultACAG::recordset() { return main_.rstDefaultACAG; }

void FmDefaultACAG::showYearCells() {
    showYearArray(QStringLiteral("LblOptOneYear"), state_.optOneYearVisible);
}

}  // namespace orv
