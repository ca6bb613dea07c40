// The computation of the two default-schedule results windows: from the project record it
// lays out the schedule, computes every amount, and gives the caption of every named cell
// and every field of the window's results row. A window fills DefaultInputs from the record,
// calls ComputeDefaultAcag or ComputeDefaultAcac with the state it keeps, sets the captions
// by control name, sets the year cells' visibility from the state and writes the row.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "analysis/default/schedule.h"

namespace orv {

// What the default windows read from the project record (fields of the same names), and the
// analysis-period list entry that the record's AnalysisPeriod selects.
struct DefaultInputs {
    double Area = 0;
    double SurfaceDepthOne = 0, BaseCourseOne = 0, SubgradeOne = 0, SubgradePrepOne = 0,
           PavementFabricOne = 0, ConstOptionOne = 0;
    double SurfaceDepthTwo = 0, BaseCourseTwo = 0, SubgradeTwo = 0, SubgradePrepTwo = 0,
           PavementFabricTwo = 0, ConstOptionTwo = 0;
    QString SalvageOne = QStringLiteral("0");
    QString SalvageTwo = QStringLiteral("0");
    double InflationRate = 0, InterestRate = 0;
    double HighMaintenance = 0, ModMaintenance = 0, LowMaintenance = 0;
    QString AnalysisText = QStringLiteral("30");

    double AsphaltCementCost = 0, AsphaltCementCost2 = 0, AggregateCost = 0;
    double AggBaseCourseCost = 0, StablizedSubgradeCost = 0, SubgradePrepCost = 0,
           PavementFabricCost = 0, ConstOptionOneCost = 0, ConstOptionTwoCost = 0;
    double FogSealCost = 0, SlurrySealCost = 0, OverlayCost = 0, RotomillCost = 0,
           DemolitionCost = 0, BladeCost = 0, BladeGravelCost = 0;

    // The text of the analysis-period list entry at the record's AnalysisPeriod.
    QString periodEntry = QStringLiteral("30");
};

// Reads the inputs through recordField (the value of a project record field by name) and
// picks the period entry from the list's entries ("20", "30", "40"). Throws ConversionError
// when AnalysisPeriod selects no entry.
DefaultInputs ReadDefaultInputs(const std::function<QVariant(const QString&)>& recordField,
                                const QStringList& periodEntries);

// Captions of named cells, in the order first written. Cells of a control array are named
// "LblOptOneYear(3)".
class CellTexts {
  public:
    void Set(const QString& name, const QString& text);
    QString Text(const QString& name) const;  // empty text when never set
    bool Has(const QString& name) const;
    const std::vector<std::pair<QString, QString>>& Entries() const { return entries_; }

  private:
    std::vector<std::pair<QString, QString>> entries_;
};
QString CellName(const QString& array, int index);

// One results row: every column in table order, 0 where nothing was written. Amounts and
// years are doubles, the blade intervals ints and the blade sums 64-bit whole numbers.
class ResultRow {
  public:
    explicit ResultRow(const std::vector<QString>& columns);
    void Set(const QString& column, const QVariant& value);  // throws std::out_of_range
    QVariant Value(const QString& column) const;             // throws std::out_of_range
    const std::vector<std::pair<QString, QVariant>>& Fields() const { return fields_; }

  private:
    std::vector<std::pair<QString, QVariant>> fields_;
};

// Appends the columns of option `prefix` ("OptOne" or "OptTwo"): the construction, the year
// and three amounts of each row stem in turn, then the totals.
void AppendOptionColumns(const QString& prefix, const std::array<QString, kScheduleRows>& stems,
                         std::vector<QString>& columns);

// Column names of the two results tables, in table order (64 and 92).
const std::vector<QString>& DefaultAcagColumns();
const std::vector<QString>& DefaultAcacColumns();

// The statements that replace a results table's row by a row of zeros.
QString DeleteRowStatement(const QString& table);             // "DELETE * FROM DefaultACAG"
QString ZeroRowStatement(const QString& table, int columns);  // "INSERT INTO ... VALUES( 0,...)"

struct DefaultResults {
    CellTexts captions;  // every named cell of the window, final text
    ResultRow row;
};

// Window state that lasts from one activation to the next (zero or as designed at load).
struct DefaultAcagState {
    QString levelCaption = QStringLiteral("MODERATE MAINTENANCE");
    int16_t bladeInterval = 0;
    int16_t bladeGravelInterval = 0;
    std::array<bool, kScheduleRows> optOneYearVisible = {true, true, true, true, true,
                                                         true, true, true, true, true};
};
struct DefaultAcacState {
    QString levelCaption = QStringLiteral("MODERATE MAINTENANCE");
    std::array<bool, kScheduleRows> optOneYearVisible = {true, true, true, true, true,
                                                         true, true, true, true, true};
    std::array<bool, kScheduleRows> optTwoYearVisible = {true, true, true, true, true,
                                                         true, true, true, true, true};
};

// Asphalt against aggregate: DefaultACAG's 64 fields.
DefaultResults ComputeDefaultAcag(const DefaultInputs& in, DefaultAcagState& state);
// Asphalt against asphalt: DefaultACAC's 92 fields.
DefaultResults ComputeDefaultAcac(const DefaultInputs& in, DefaultAcacState& state);

}  // namespace orv
