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
    // Room for three lines of a surface name.
    s.layout.headingTwo = {180, 4230, 960, 735};
    s.layout.headingTwoCentred = true;
    // The longer construction caption of option Two needs more than the usual width.
    s.layout.constructionTagWidth = {2040, 2310};
    s.constructionTags = {QStringLiteral("Construction Cost "),
                          QStringLiteral("Construction Cost - Salvage Value")};
    s.salvageTagNames = {QStringLiteral("Label15"), QStringLiteral("Label11")};
    s.activities = {&AsphaltActivities(), &AsphaltActivities()};
    s.fillIndex = 1;
    s.wholePercent = false;
    s.repriceOnDepthChange = {false, true};
    s.loadSalvageForm = {true, QString::fromLatin1(kCustomMoneyPattern)};
    s.clearSalvageForm = {false, QString::fromLatin1(kCustomMoneyBlankZeroPattern)};
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
