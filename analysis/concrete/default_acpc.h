// The computation of the concrete default-schedule window: hot mix asphalt (option one)
// against plain portland cement concrete (option two) under the Low, Moderate or High
// schedule. It gives the caption of every named cell and every field of DefaultACPC.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <functional>
#include <vector>

#include "analysis/default/asphalt_option.h"
#include "analysis/default/default_analysis.h"

namespace orv {

// The project record as the window reads it: the fields of the other default windows and
// the concrete-only fields.
struct ConcreteDefaultInputs {
    DefaultInputs base;
    double PortlandCementCost = 0;
    double ConstructionOptionOne = 0, ConstructionOptionTwo = 0, ConstructionOptionCost = 0;
    double JointCrackSealCost = 0, GrindingCost = 0;
};
ConcreteDefaultInputs ReadConcreteDefaultInputs(
    const std::function<QVariant(const QString&)>& recordField, const QStringList& periodEntries);

// Years of the concrete design's rows 0 to 7 under High and Moderate.
const LevelYearTable& ConcreteLevelYears();

// DefaultACPC's 92 columns in table order, and the stems of option two's ten rows.
const std::vector<QString>& DefaultAcpcColumns();
const std::array<QString, kScheduleRows>& ConcreteRowStems();

// What lasts from one activation to the next: as for the asphalt comparison.
using DefaultAcpcState = DefaultAcacState;

// Option one is computed only when SurfaceDepthOne is above 0; option two always.
DefaultResults ComputeDefaultAcpc(const ConcreteDefaultInputs& in, DefaultAcpcState& state);

}  // namespace orv
