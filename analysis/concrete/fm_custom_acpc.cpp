#include "analysis/concrete/fm_custom_acpc.h"

#include "analysis/concrete/concrete_record.h"
#include "analysis/concrete/custom_acpc.h"
#include "platform/database.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

CustomWindowLayout ConcreteLayout() {
    CustomWindowLayout at;
    // "CONSTRUCTION  COST" reaches into the box of the right-aligned head beside it, and the
    // option One heading is as wide as "Asphalt" needs.
    at.columnHeads = {{{3480, 165, 510, 255},
                       {5160, 165, 2070, 255},
                       {7170, 165, 1620, 255},
                       {9015, 165, 1635, 255}}};
    at.valueHeadsRight = true;
    at.headingOne = {510, 525, 660, 600};
    at.headingTwo = {525, 4245, 600, 255};
    at.listLeft = 1272;
    at.listHeight = {288, 315};
    at.boxHeight = 288;
    at.constructionTagWidth = {1365, 1365};
    at.unitsLeft = 4755;
    at.salvageYearLeft = {3480, 3465};
    at.salvageYearWidth = 495;
    at.blocks = {{{540, {780, 1080, 1392, 1692, 1992, 2304, 2604, 2904, 3216}, 3540, 3795},
                  {4260, {4515, 4815, 5130, 5430, 5730, 6030, 6330, 6645, 6945}, 7320, 7590}}};
    at.lineLeft = 960;
    at.lineRight = 10350;
    at.greyLineTop = 4140;
    at.whiteLineTop = 4110;
    at.buttonTops = {5265, 5835, 6420, 6990};
    at.buttonHeights = {480, 480, 480, 348};
    at.buttonPoints = 7.5;
    return at;
}

CustomWindowTraits ConcreteTraits() {
    CustomWindowTraits s;
    s.name = QStringLiteral("FmCustomACPC");
    s.caption = QStringLiteral("Custom Design Comparitive Analysis");
    s.headingTwoName = QStringLiteral("LblOptionTwo");
    s.headingTwoText = QStringLiteral("PCCP ");
    s.layout = ConcreteLayout();
    s.constructionTags = {QStringLiteral("Construction Cost"), QStringLiteral("Construction Cost")};
    s.activities = {&ConcreteAsphaltActivities(), &PccpActivities()};
    s.fillIndex = 1;
    // A percentage is rounded when its box is left, as the load rounds it; the program's
    // "0" stands.
    s.wholePercent = true;
    s.roundPercentWrites = false;
    s.repriceOnDepthChange = {false, false};
    s.loadSalvageForm = {false, QString::fromLatin1(kCustomMoneyPattern)};
    s.clearSalvageForm = {false, QString::fromLatin1(kCustomMoneyPattern)};
    s.recordset = [](MDIMain& main) -> Recordset& { return main.rstCustomACPC; };
    s.recordField = [](Recordset& vorn, const QString& field) {
        return ConcreteRecordField(vorn, field);
    };
    s.userLabelFields = kConcreteItemLabelFields;
    s.construction = [](Recordset& vorn, int option) {
        return ConcreteConstruction(
            option, [&vorn](const QString& field) { return ConcreteRecordField(vorn, field); });
    };
    // Option one shows only with an asphalt surface; option two always.
    s.optionShown = [](int option, const ConstructionInputs& in) {
        return option == 1 || in.design.surfaceDepth > 0;
    };
    s.hideSalvageWithOption = true;
    s.clearSetsColumnsAndUnits = true;
    s.yearMessage = kConcreteYearMessage;
    s.pickEmptiesUnits = false;
    s.pickPercentLast = {false, true};
    s.showRowCosts = true;
    s.saveBeforePlot = false;
    return s;
}

}  // namespace

FmCustomACPC::FmCustomACPC(MDIMain& main) : CustomScheduleWindow(main, ConcreteTraits()) {}

}  // namespace orv
