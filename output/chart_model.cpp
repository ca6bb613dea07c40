#include "output/chart_model.h"

#include <algorithm>

#include "common/format.h"
#include "inputs/entry_rules.h"

namespace orv {
namespace {

// A number held by a field; none for null or a text that is no number.
std::optional<double> NumberOf(const QVariant& v) {
    if (v.isNull() || !v.isValid()) return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok) return std::nullopt;
    return d;
}

QString TextOf(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

// A rate with one decimal and no leading zero, then " %": 3.5 gives "3.5 %", 0 ".0 %".
QString RateText(const QVariant& v) {
    QString shown;
    if (v.isNull()) {
        shown = QString();
    } else if (v.typeId() == QMetaType::QString) {
        shown = FormatByPattern(v.toString(), QStringLiteral("#.0"));
    } else {
        shown = FormatByPattern(v.toDouble(), QStringLiteral("#.0"));
    }
    return shown + QStringLiteral(" %");
}

}  // namespace

QString TableName(ResultsTable table) {
    switch (table) {
        case ResultsTable::DefaultACAG:
            return QStringLiteral("DefaultACAG");
        case ResultsTable::DefaultACAC:
            return QStringLiteral("DefaultACAC");
        case ResultsTable::CustomACAG:
            return QStringLiteral("CustomACAG");
        case ResultsTable::CustomACAC:
            return QStringLiteral("CustomACAC");
    }
    return QString();
}

const QStringList& ChartCategories() {
    static const QStringList categories{QStringLiteral("Construction Cost"),
                                        QStringLiteral("Future Value"),
                                        QStringLiteral("Present Worth")};
    return categories;
}

QString TotalField(int row, int option) {
    static const char* const kKinds[] = {"Cost", "Inflated", "Value"};
    return QString::fromLatin1(option == 0 ? "OptOneTotal" : "OptTwoTotal") +
           QString::fromLatin1(kKinds[row]);
}

ChartModel BuildChartModel(const ChartInputs& in) {
    ChartModel m;
    m.analysisPeriod = TextOf(in.record(QStringLiteral("AnalysisText"))) + QStringLiteral(" years");
    m.maintenance = TextOf(in.record(QStringLiteral("Maintenance")));
    m.inflation = RateText(in.record(QStringLiteral("InflationRate")));
    m.interest = RateText(in.record(QStringLiteral("InterestRate")));

    // Five tests, each on its own: a later one runs whether or not an earlier one matched,
    // and a later match replaces the grid and the caption. A null flag matches none.
    struct Test {
        bool custom;
        const QString* text;  // none: the user-named surface
        ResultsTable table;
        const char* caption;
    };
    const Test tests[] = {
        {false, &kAggregate, ResultsTable::DefaultACAG, "Aggregate Default"},
        {false, &kAsphaltTwo, ResultsTable::DefaultACAC, "HMA #2 Default"},
        {true, &kAggregate, ResultsTable::CustomACAG, "Aggregate Custom"},
        {true, &kAsphaltTwo, ResultsTable::CustomACAC, "HMA #2 Custom"},
        {true, nullptr, ResultsTable::CustomACAC, nullptr},
    };
    const std::optional<double> flag = NumberOf(in.record(QStringLiteral("CustomMaintenance")));
    for (const Test& t : tests) {
        if (!flag || (*flag == 1) != t.custom) continue;
        if (t.text) {
            if (in.comparisonText != *t.text) continue;
        } else {
            const QVariant label = in.record(QStringLiteral("SurfaceOptionTwoLabel"));
            if (label.isNull() || in.comparisonText != label.toString()) continue;
        }

        for (int row = 0; row < 3; ++row)
            for (int option = 0; option < 2; ++option)
                m.values[row][option] = NumberOf(in.results(t.table, TotalField(row, option)));
        m.table = t.table;
        m.comparisonCaption = t.caption
                                  ? QString::fromLatin1(t.caption)
                                  : TextOf(in.record(QStringLiteral("SurfaceOptionTwoLabel")));
        // Only the total cost hides a legend, and a legend once hidden stays hidden.
        auto positive = [&](int option) {
            const std::optional<double> cost = NumberOf(in.results(t.table, TotalField(0, option)));
            return !cost || *cost > 0;
        };
        m.optionOneLegend = m.optionOneLegend && positive(0);
        m.optionTwoLegend = m.optionTwoLegend && positive(1);
    }

    // Any value above a million shows all six in millions, else any above a hundred
    // thousand in thousands.
    auto any = [&](double above) {
        for (const auto& row : m.values)
            for (const auto& v : row)
                if (v && *v > above) return true;
        return false;
    };
    if (any(1000000)) {
        m.divisor = 1000000;
        m.units = QStringLiteral("$ x 1,000,000 ");
    } else if (any(100000)) {
        m.divisor = 1000;
        m.units = QStringLiteral("$ x 1,000 ");
    }
    if (m.divisor != 1) {
        for (auto& row : m.values)
            for (auto& v : row)
                if (v) *v /= m.divisor;
    }
    return m;
}

AxisRange ValueAxisRange(const ChartModel& model) {
    double lo = 0, hi = 0;
    for (const auto& row : model.values)
        for (const auto& v : row)
            if (v) {
                lo = std::min(lo, *v);
                hi = std::max(hi, *v);
            }
    if (lo == hi) hi = 1;
    return {lo, hi};
}

}  // namespace orv
