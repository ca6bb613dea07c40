// The chart window: plots the six stored totals of the current comparison, rebuilt from the
// stored data each time it becomes the active window.
#pragma once

#include "output/chart_model.h"
#include "platform/controls.h"
#include "platform/form.h"

class QFrame;

class QChart;
class QChartView;
class QBarSet;
class QBarSeries;
class QBarCategoryAxis;
class QValueAxis;

namespace orv {

class MDIMain;

class FmPlotResults : public Form {
    Q_OBJECT
  public:
    explicit FmPlotResults(MDIMain& main);

    void Form_Activate() override;
    void CmdPrint_Click();
    void CmdClose_Click();

    Label* Label17;
    Label* LblAnalysisPeriod;
    Label* Label1;
    Label* LblMaintenance;
    Label* Label7;
    Label* LblInflation;
    Label* Label6;
    Label* LblInterest;
    Label* LblAsphalt;
    QFrame* Shape1;
    Label* LblComparisonOption;
    QFrame* Shape2;
    QChartView* MSChartCosts;
    Label* LblUnits;
    Label* Label4;
    Label* Label5;
    Label* Label8;
    Button* CmdPrint;
    Button* CmdClose;

    // What the last activation drew.
    const ChartModel& model() const { return model_; }
    // The two bar sets, option one then option two. An empty cell holds 0 and is marked
    // selected, which draws it in no colour.
    QBarSet* barSet(int option) const { return sets_[option]; }
    QValueAxis* valueAxis() const { return valueAxis_; }

  private:
    void Draw(const ChartModel& model);

    MDIMain& main_;
    ChartModel model_;
    QBarSet* sets_[2];
    QValueAxis* valueAxis_;
};

}  // namespace orv
