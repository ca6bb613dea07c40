#include "store/stored_bounds.h"

#include <QStringList>

#include "common/format.h"
#include "common/number_bounds.h"
#include "store/schema.h"

namespace orv {

namespace {

bool Named(const QString& column, const QStringList& names) {
    return names.contains(column, Qt::CaseInsensitive);
}

bool Ends(const QString& column, const char* suffix) {
    return column.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

std::optional<double> ProjectRecordBound(const QString& column) {
    static const QStringList kWholes = {
        "AnalysisPeriod",  "SubgradePrepOne",   "PavementFabricOne",
        "SubgradePrepTwo", "PavementFabricTwo", "LowMaintenance",
        "ModMaintenance",  "HighMaintenance",   "CustomMaintenance"};
    static const QStringList kDepths = {
        "SurfaceDepthOne",       "BaseCourseOne",        "SubgradeOne", "ConstOptionOne",
        "SurfaceDepthTwo",       "BaseCourseTwo",        "SubgradeTwo", "ConstOptionTwo",
        "ConstructionOptionOne", "ConstructionOptionTwo"};
    if (Named(column, kWholes)) return bounds::kWhole;
    if (Named(column, kDepths)) return bounds::kDepth;
    if (Named(column, {"Length", "Width"})) return bounds::kLength;
    if (Named(column, {"Area"})) return bounds::kArea;
    if (Named(column, {"InflationRate", "InterestRate"})) return bounds::kRate;
    if (Named(column, {"AnalysisText"})) return bounds::kYears;
    if (Named(column, {"SalvageOne", "SalvageTwo"})) return bounds::kPercent;
    if (Ends(column, "Cost")) return bounds::kUnitCost;
    return std::nullopt;
}

// The results tables: years, intervals and depths of the schedules, else amounts.
std::optional<double> ResultsBound(const QString& column) {
    if (Ends(column, "Spare")) return std::nullopt;
    if (Ends(column, "Interval")) return bounds::kWhole;
    if (Ends(column, "Year")) return bounds::kYears;
    if (Ends(column, "Depth")) return bounds::kDepth;
    return bounds::kAmount;
}

}  // namespace

std::optional<double> StoredBound(const QString& table, const QString& column) {
    const schema::TableDef& def = schema::Table(table);
    const schema::Column* c = def.Find(column);
    if (!c) return std::nullopt;
    if (def.name == schema::kVorn) return ProjectRecordBound(c->name);
    if (c->kind == schema::Kind::Text) return std::nullopt;
    return ResultsBound(c->name);
}

double StoredNumber(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) return LeadingNumber(value.toString());
    return value.toDouble();
}

}  // namespace orv
