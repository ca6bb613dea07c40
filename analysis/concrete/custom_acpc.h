// Rules of the concrete custom-schedule window on the custom-schedule engine: its two
// activity lists, the year message, and the construction and pricing inputs read from the
// project record (concrete-only fields through ConcreteRecordField).
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

#include "analysis/custom/schedule_rules.h"

namespace orv {

// Option one (hot mix asphalt, 11 entries) and option two (portland cement concrete, 10).
const ActivityList& ConcreteAsphaltActivities();
const ActivityList& PccpActivities();
const ActivityList& ConcreteActivities(int option);

// The project record fields naming the concrete comparison's three user items.
inline const QStringList kConcreteItemLabelFields = {QStringLiteral("OptionOneLabel"),
                                                     QStringLiteral("OptionTwoLabel"),
                                                     QStringLiteral("OptionThreeLabel")};

inline const QString kConcreteYearMessage =
    QStringLiteral("Year Setting Must Be Less Or Equal To Than The Design Life");

using RecordField = std::function<QVariant(const QString&)>;

// Option 0 or 1 priced from the record: the design's six quantities, its surface cost
// (AsphaltCementCost or PortlandCementCost) and the shared ConstructionOptionCost.
ConstructionInputs ConcreteConstruction(int option, const RecordField& record);
// Area, rates, the analysis period from the list entry at AnalysisPeriod, unit costs by name.
PricingContext ConcretePricing(const RecordField& record, const QStringList& periodEntries);

// The year check with the concrete window's message.
CheckResult CheckConcreteYear(const QString& text, double period);

// The unit a row takes when its entry is picked: option one tests the percent entries, then
// the inch entries; option two the inch entry, then the percent entries; the later test
// decides. A picked row's depth then reads "0" (percent) or "0.0" (inches).
DepthUnit PickedUnit(int option, const QStringList& entries, const QString& activity);
// The unit a loaded row takes: inches, then percent, for both options.
DepthUnit LoadedUnit(int option, const QStringList& entries, const QString& activity);

}  // namespace orv
