#include "analysis/default/fm_default_acac.h"

#include "shell/mdi_main.h"

namespace orv {

FmDefaultACAC::FmDefaultACAC(MDIMain& main)
    : DefaultResultsWindow(
          main, QStringLiteral("FmDefaultACAC"),
          {QStringLiteral("Default Design Comparitive Analysis - Asphalt Cement Concrete vs "
                          "Asphalt Cement Concrete"),
           QStringLiteral("Hot Mix Asphalt #2"), QStringLiteral("FUTURE VALUE"),
           QStringLiteral("Construction Cost ")}) {
    // Option two: construction, rows 0 to 9, total, like option one.
    scheduleRows(kOptionTwoTop, QStringLiteral("LblOptTwoYear"),
                 QStringLiteral("lblOptTwoPresentCost"), QStringLiteral("LblOptTwoInflatedCost"),
                 QStringLiteral("LblOptTwoPresentValue"), false);
    const int total = rowTop(kOptionTwoTop, 11);
    tag(QString(), QStringLiteral("Total Life Cycle Costs"), total, true);
    moneyCell(QStringLiteral("LblTotalOptTwoCost"), 0, total, true);
    moneyCell(QStringLiteral("lblTotalOptTwoInflatedCost"), 1, total, true);
    moneyCell(QStringLiteral("lblTotalOptTwoPresentValue"), 2, total, true);
    finishLayout(total);
}

Recordset& FmDefaultACAC::recordset() { return main_.rstDefaultACAC; }

void FmDefaultACAC::showYearCells() {
    showYearArray(QStringLiteral("LblOptOneYear"), state_.optOneYearVisible);
    showYearArray(QStringLiteral("LblOptTwoYear"), state_.optTwoYearVisible);
}

}  // namespace orv
