#include "analysis/custom_aggregate/fm_custom_acag.h"

#include "platform/database.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

CustomWindowTraits AggregateTraits() {
    CustomWindowTraits s;
    s.name = QStringLiteral("FmCustomACAG");
    s.caption = QStringLiteral("Custom Design Comparitive Analysis");
    s.headingTwoName = QStringLiteral("Label8");
    s.headingTwoText = QStringLiteral("Aggregate");
    s.constructionTags = {QStringLiteral("Construction Cost "),
                          QStringLiteral("Construction Cost ")};
    s.salvageTagNames = {QStringLiteral("Label3"), QStringLiteral("Label15")};
    s.activities = {&AsphaltActivities(), &AggregateActivities()};
    s.fillIndex = 0;
    s.wholePercent = true;
    s.repriceOnDepthChange = {false, false};
    s.loadSalvageForm = {false, QString::fromLatin1(kCustomMoneyPattern)};
    s.clearSalvageForm = {false, QString::fromLatin1(kCustomMoneyPattern)};
    s.recordset = [](MDIMain& main) -> Recordset& { return main.rstCustomACAG; };
    s.surfaceTwoCost = [](Recordset& vorn) { return vorn.Number(QStringLiteral("AggregateCost")); };
    return s;
}

}  // namespace

FmCustomACAG::FmCustomACAG(MDIMain& main) : CustomScheduleWindow(main, AggregateTraits()) {}

}  // namespace orv
