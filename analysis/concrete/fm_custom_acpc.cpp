#include "analysis/concrete/fm_custom_acpc.h"

#include "analysis/concrete/concrete_record.h"
#include "analysis/concrete/custom_acpc.h"
#include "platform/database.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

CustomWindowTraits ConcreteWindowRules() {
    CustomWindowTraits s;
    s.name = QStringLiteral("FmCustomACPC");
    s.caption = QStringLiteral("Custom Design Comparitive Analysis");
    s.headingTwoName = QStringLiteral("LblOptionTwo");
    s.headingTwoText = QStringLiteral("PCCP ");
    s.headingTwoLeft = 525;
    s.headingTwoTop = 4245;
    s.headingTwoWidth = 600;
    s.headingTwoHeight = 255;
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
    s.table = QStringLiteral("CustomACPC");
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
    s.pickPercentLast = {false, true};
    s.showRowCosts = true;
    s.saveBeforePlot = false;
    return s;
}

}  // namespace

FmCustomACPC::FmCustomACPC(MDIMain& main) : CustomScheduleWindow(main, ConcreteWindowRules()) {}

}  // namespace orv
