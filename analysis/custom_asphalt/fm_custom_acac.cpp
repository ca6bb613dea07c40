#include "analysis/custom_asphalt/fm_custom_acac.h"

#include "platform/database.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

CustomWindowTraits AsphaltTraits() {
    CustomWindowTraits s;
    s.name = QStringLiteral("FmCustomACAC");
    s.caption = QStringLiteral("Custom Design Comparitive Analysis ");
    s.headingTwoName = QStringLiteral("LblOption");
    s.headingTwoText = QStringLiteral("Hot Mix Asphalt #2");
    s.headingTwoLeft = 180;
    s.headingTwoTop = 4230;
    s.headingTwoWidth = 960;
    s.headingTwoHeight = 735;
    s.headingTwoCentred = true;
    s.constructionTags = {QStringLiteral("Construction Cost "),
                          QStringLiteral("Construction Cost - Salvage Value")};
    s.salvageTagNames = {QStringLiteral("Label15"), QStringLiteral("Label11")};
    s.activities = {&AsphaltActivities(), &AsphaltActivities()};
    s.fillIndex = 1;
    s.wholePercent = false;
    s.repriceOnDepthChange = {false, true};
    s.loadSalvageForm = {true, QString::fromLatin1(kCustomMoneyPattern)};
    s.clearSalvageForm = {false, QString::fromLatin1(kCustomMoneyBlankZeroPattern)};
    s.table = QStringLiteral("CustomACAC");
    s.recordset = [](MDIMain& main) -> Recordset& { return main.rstCustomACAC; };
    s.surfaceTwoCost = [](Recordset& vorn) {
        return static_cast<double>(
            SurfaceTwoUnitCost(vorn.Text(QStringLiteral("SurfaceTwo")),
                               vorn.Text(QStringLiteral("SurfaceOptionTwoLabel")),
                               vorn.Number(QStringLiteral("SurfaceOptionTwoCost")),
                               vorn.Number(QStringLiteral("AsphaltCementCost2"))));
    };
    return s;
}

}  // namespace

FmCustomACAC::FmCustomACAC(MDIMain& main)
    : CustomScheduleWindow(main, AsphaltTraits()), LblOption(HeadingTwo) {}

}  // namespace orv
