#include "analysis/concrete/fm_default_acpc.h"

#include "analysis/concrete/concrete_record.h"
#include "platform/dialogs.h"
#include "shell/mdi_main.h"

namespace orv {

FmDefaultACPC::FmDefaultACPC(MDIMain& main)
    : DefaultResultsWindow(main, QStringLiteral("FmDefaultACPC"), [] {
          Texts t;
          t.caption = QStringLiteral(
              "Default Design Comparitive Analysis - Asphalt Cement Concrete vs Plain Portland "
              "Cement Concrete");
          t.optionTwoHeading = QStringLiteral("PCCP ");
          t.futureHead = QStringLiteral("FUTURE VALUE");
          t.constructionTag = QStringLiteral("Construction Cost");
          t.back = QColor(192, 192, 192);
          t.namesBeside = true;
          t.salvageYearsEmphasised = true;
          return t;
      }()) {
    // Option two: construction, the concrete rows 0 to 9, total.
    const QString joint = QStringLiteral("Joint And Crack Seal");
    const QString grinding = QStringLiteral("Grinding");
    scheduleRows(kOptionTwoTop, QStringLiteral("LblOptTwoYear"),
                 QStringLiteral("lblOptTwoPresentCost"), QStringLiteral("LblOptTwoInflatedCost"),
                 QStringLiteral("LblOptTwoPresentValue"),
                 {QStringLiteral("lblJointSealOneTag"), QStringLiteral("lblJointSealTwoTag"),
                  QStringLiteral("lblGrindingTag"), QString(), QString(), QString(), QString(),
                  QString(), QStringLiteral("LblPCCPDemolitionTag"), QString()},
                 {joint, joint, grinding, joint, joint, grinding, joint, joint,
                  QStringLiteral("Demolition/Replacement"), QStringLiteral("Salvage Value")});
    const int total = rowTop(kOptionTwoTop, 11);
    tag(QString(), QStringLiteral("Total Life Cycle Costs"), total, true);
    moneyCell(QStringLiteral("LblTotalOptTwoCost"), 0, total, true);
    moneyCell(QStringLiteral("lblTotalOptTwoInflatedCost"), 1, total, true);
    moneyCell(QStringLiteral("lblTotalOptTwoPresentValue"), 2, total, true);
    finishLayout(total);
    // As first loaded: every money cell "$ 0", every year cell a sample year.
    for (Label* l : findChildren<Label*>()) {
        const QString n = l->objectName();
        if (n.contains(QLatin1String("Year_"))) {
            l->SetCaption(QStringLiteral("20"));
        } else if (!n.startsWith(QLatin1String("LblOption")) &&
                   (n.startsWith(QLatin1String("lblOpt")) ||
                    n.startsWith(QLatin1String("LblOpt")) ||
                    n.startsWith(QLatin1String("LblTotal")) ||
                    n.startsWith(QLatin1String("lblTotal")))) {
            l->SetCaption(QStringLiteral("$ 0"));
        }
    }
}

Recordset& FmDefaultACPC::recordset() { return main_.rstDefaultACPC; }

DefaultResults FmDefaultACPC::compute(const std::function<QVariant(const QString&)>&,
                                      const QStringList& periodEntries) {
    Recordset& vorn = main_.rstVORN;
    return ComputeDefaultAcpc(
        ReadConcreteDefaultInputs(
            [&vorn](const QString& field) { return ConcreteRecordField(vorn, field); },
            periodEntries),
        state_);
}

void FmDefaultACPC::showYearCells() {
    showYearArray(QStringLiteral("LblOptOneYear"), state_.optOneYearVisible);
    showYearArray(QStringLiteral("LblOptTwoYear"), state_.optTwoYearVisible);
}

void FmDefaultACPC::activationFailed(const QString& what) {
    MsgBox(what, MsgStyle::Ok, QStringLiteral("System Status"));
}

}  // namespace orv
