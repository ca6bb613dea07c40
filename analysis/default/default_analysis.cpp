#include "analysis/default/default_analysis.h"

#include <stdexcept>

#include "analysis/default/asphalt_option.h"

namespace orv {

DefaultInputs ReadDefaultInputs(const std::function<QVariant(const QString&)>& recordField,
                                const QStringList& periodEntries) {
    auto number = [&](const char* name) {
        return recordField(QString::fromLatin1(name)).toDouble();
    };
    auto text = [&](const char* name) { return recordField(QString::fromLatin1(name)).toString(); };
    DefaultInputs in;
    in.Area = number("Area");
    in.SurfaceDepthOne = number("SurfaceDepthOne");
    in.BaseCourseOne = number("BaseCourseOne");
    in.SubgradeOne = number("SubgradeOne");
    in.SubgradePrepOne = number("SubgradePrepOne");
    in.PavementFabricOne = number("PavementFabricOne");
    in.ConstOptionOne = number("ConstOptionOne");
    in.SurfaceDepthTwo = number("SurfaceDepthTwo");
    in.BaseCourseTwo = number("BaseCourseTwo");
    in.SubgradeTwo = number("SubgradeTwo");
    in.SubgradePrepTwo = number("SubgradePrepTwo");
    in.PavementFabricTwo = number("PavementFabricTwo");
    in.ConstOptionTwo = number("ConstOptionTwo");
    in.SalvageOne = text("SalvageOne");
    in.SalvageTwo = text("SalvageTwo");
    in.InflationRate = number("InflationRate");
    in.InterestRate = number("InterestRate");
    in.HighMaintenance = number("HighMaintenance");
    in.ModMaintenance = number("ModMaintenance");
    in.LowMaintenance = number("LowMaintenance");
    in.AnalysisText = text("AnalysisText");
    in.AsphaltCementCost = number("AsphaltCementCost");
    in.AsphaltCementCost2 = number("AsphaltCementCost2");
    in.AggregateCost = number("AggregateCost");
    in.AggBaseCourseCost = number("AggBaseCourseCost");
    in.StablizedSubgradeCost = number("StablizedSubgradeCost");
    in.SubgradePrepCost = number("SubgradePrepCost");
    in.PavementFabricCost = number("PavementFabricCost");
    in.ConstOptionOneCost = number("ConstOptionOneCost");
    in.ConstOptionTwoCost = number("ConstOptionTwoCost");
    in.FogSealCost = number("FogSealCost");
    in.SlurrySealCost = number("SlurrySealCost");
    in.OverlayCost = number("OverlayCost");
    in.RotomillCost = number("RotomillCost");
    in.DemolitionCost = number("DemolitionCost");
    in.BladeCost = number("BladeCost");
    in.BladeGravelCost = number("BladeGravelCost");
    in.periodEntry = AnalysisPeriodEntry(number("AnalysisPeriod"), periodEntries);
    return in;
}

void CellTexts::Set(const QString& name, const QString& text) {
    for (auto& [n, t] : entries_) {
        if (n == name) {
            t = text;
            return;
        }
    }
    entries_.emplace_back(name, text);
}

QString CellTexts::Text(const QString& name) const {
    for (const auto& [n, t] : entries_) {
        if (n == name) return t;
    }
    return QString();
}

bool CellTexts::Has(const QString& name) const {
    for (const auto& entry : entries_) {
        if (entry.first == name) return true;
    }
    return false;
}

QString CellName(const QString& array, int index) {
    return array + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

ResultRow::ResultRow(const std::vector<QString>& columns) {
    fields_.reserve(columns.size());
    for (const QString& c : columns) fields_.emplace_back(c, QVariant(0.0));
}

void ResultRow::Set(const QString& column, const QVariant& value) {
    for (auto& [name, v] : fields_) {
        if (name == column) {
            v = value;
            return;
        }
    }
    throw std::out_of_range("No results column " + column.toStdString());
}

QVariant ResultRow::Value(const QString& column) const {
    for (const auto& [name, v] : fields_) {
        if (name == column) return v;
    }
    throw std::out_of_range("No results column " + column.toStdString());
}

void AppendOptionColumns(const QString& p, const std::array<QString, kScheduleRows>& stems,
                         std::vector<QString>& columns) {
    columns.push_back(p + "ConstCost");
    columns.push_back(p + "ConstInflatedCost");
    columns.push_back(p + "ConstPresentValue");
    for (const QString& stem : stems) {
        for (const char* kind : {"Year", "Cost", "Inflated", "Value"}) {
            columns.push_back(p + stem + QLatin1String(kind));
        }
    }
    columns.push_back(p + "TotalCost");
    columns.push_back(p + "TotalInflated");
    columns.push_back(p + "TotalValue");
}

const std::vector<QString>& DefaultAcagColumns() {
    static const std::vector<QString> columns = [] {
        std::vector<QString> c;
        AppendOptionColumns("OptOne", RowStems(), c);
        for (const char* name :
             {"OptTwoConstCost", "OptTwoConstInflatedCost", "OptTwoConstPresentValue",
              "OptTwoBladeInterval", "OptTwoBladeGravelInterval", "OptTwoBladeCost",
              "OptTwoBladeCostInflated", "OptTwoBladeCostPresent", "OptTwoBladeGravelCost",
              "OptTwoBladeGravelCostInflated", "OptTwoBladeGravelCostPresent", "OptTwoSalvageYear",
              "OptTwoSalvageCost", "OptTwoSalvageInflated", "OptTwoSalvageValue", "OptTwoTotalCost",
              "OptTwoTotalInflated", "OptTwoTotalValue"}) {
            c.push_back(QString::fromLatin1(name));
        }
        return c;
    }();
    return columns;
}

const std::vector<QString>& DefaultAcacColumns() {
    static const std::vector<QString> columns = [] {
        std::vector<QString> c;
        AppendOptionColumns("OptOne", RowStems(), c);
        AppendOptionColumns("OptTwo", RowStems(), c);
        return c;
    }();
    return columns;
}

QString DeleteRowStatement(const QString& table) {
    return QStringLiteral("DELETE * FROM ") + table;
}

QString ZeroRowStatement(const QString& table, int columns) {
    QStringList zeros;
    for (int i = 0; i < columns; ++i) zeros << QStringLiteral("0");
    return QStringLiteral("INSERT INTO ") + table + QStringLiteral(" VALUES( ") +
           zeros.join(QLatin1Char(',')) + QLatin1Char(')');
}

}  // namespace orv
