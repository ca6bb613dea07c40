// A project with both rates non-zero and a custom schedule window opened by Calculate, and
// the user's actions on the schedule grid.
#pragma once

#include <QApplication>

#include "analysis/custom/custom_window.h"
#include "inputs/inputs_fixture.h"

namespace orv::test {

class CustomWindowTest : public InputsTest {
  protected:
    // Area 90,000 square feet, 30 years, inflation 3 and interest 4 percent; design One is
    // 2 inches of asphalt at 1.50 with 10 percent salvage, design Two 6 inches of surface at
    // 2.50 with 20 percent salvage.
    void enterProject(const QString& surface) {
        const Fields fields = {{"Length", 3750},
                               {"Width", 24},
                               {"Area", 90000},
                               {"SurfaceDepthOne", 2.0},
                               {"SalvageOne", "10"},
                               {"SurfaceDepthTwo", 6.0},
                               {"SalvageTwo", "20"},
                               {"SurfaceTwo", surface},
                               {"InflationRate", 3.0},
                               {"InterestRate", 4.0},
                               {"AnalysisPeriod", 1},
                               {"AnalysisText", "30"},
                               {"CustomMaintenance", 1},
                               {"Maintenance", "Custom"},
                               {"AsphaltCementCost", 1.5},
                               {"AsphaltCementCost2", 2.5},
                               {"AggregateCost", 2.5},
                               {"SurfaceOptionTwoCost", 2.1},
                               {"FogSealCost", 0.5},
                               {"BladeCost", 0.2}};
        loadProject(fields);
    }
    void calculate() {
        entry().CmdCompute->click();
        Settle();
    }
    void tab() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Settle(1);
    }
    // A row laid out by the user: the activity picked (entry k) or typed, then the year and
    // the depth typed, each left with Tab.
    void layRow(CustomScheduleWindow& w, int option, int row, const QVariant& activity,
                const QString& year, const QString& depth = QString()) {
        ComboBox* list = w.Opt(option).Activity[row];
        focus(list);
        if (activity.typeId() == QMetaType::Int)
            pick(list, activity.toInt());
        else
            type(list, activity.toString());
        tab();
        type(w.Opt(option).Year[row], year);
        tab();
        if (!depth.isEmpty()) {
            type(w.Opt(option).Depth[row], depth);
            tab();
        }
    }
    Recordset& stored(CustomScheduleWindow& w) {
        Recordset& r = w.traits().recordset(main());
        r.MoveFirst();
        return r;
    }
    // Every caption, text and visibility of the window.
    QStringList snapshot(CustomScheduleWindow& w) {
        QStringList out;
        for (auto* l : w.findChildren<Label*>())
            out << l->objectName() + "=" + l->Caption() + (l->isHidden() ? " hidden" : "");
        for (auto* t : w.findChildren<TextBox*>())
            out << t->objectName() + "=" + t->Text() + (t->isHidden() ? " hidden" : "");
        for (auto* c : w.findChildren<ComboBox*>())
            out << c->objectName() + "=" + c->Text() + (c->isHidden() ? " hidden" : "");
        return out;
    }
};

}  // namespace orv::test
