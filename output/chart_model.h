// What the chart window shows, worked out from the project record, the comparison the data
// entry window shows and the results table of that comparison. Free of widgets: the window
// only draws the model.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <functional>
#include <optional>

namespace orv {

// The results tables the chart reads.
enum class ResultsTable { DefaultACAG, DefaultACAC, CustomACAG, CustomACAC };
QString TableName(ResultsTable table);

// The three categories of the chart, in their order.
const QStringList& ChartCategories();
// The total plotted in row `row` (0 to 2) for option `option` (0 or 1): "OptOneTotalCost"...
QString TotalField(int row, int option);

struct ChartInputs {
    // A field of the project record, read afresh at each call; null when the field is null.
    std::function<QVariant(const QString& field)> record;
    // A field of the single row of a results table.
    std::function<QVariant(ResultsTable table, const QString& field)> results;
    // The comparison surface as the data entry window's list shows it now.
    QString comparisonText;
};

struct ChartModel {
    QString analysisPeriod;  // "30 years"
    QString maintenance;     // as stored
    QString inflation;       // "3.5 %"
    QString interest;
    // The caption of option two's legend; none when no comparison matched, and the window
    // then keeps the caption it last showed.
    std::optional<QString> comparisonCaption;
    // The table whose totals are plotted; none when no comparison matched.
    std::optional<ResultsTable> table;
    bool optionOneLegend = true;  // LblAsphalt and Shape1
    bool optionTwoLegend = true;  // LblComparisonOption and Shape2
    QString units = QStringLiteral("$ ");
    int divisor = 1;
    // Scaled values by row (category) and option; an empty cell has no value.
    std::array<std::array<std::optional<double>, 2>, 3> values{};
};

ChartModel BuildChartModel(const ChartInputs& in);

// The range of the value axis: it holds zero and every value, negative ones too.
struct AxisRange {
    double min;
    double max;
};
AxisRange ValueAxisRange(const ChartModel& model);

}  // namespace orv
