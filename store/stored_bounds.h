// The bound of every number a project file holds that the system turns into a whole number
// or works with in single precision, by table and column. Open refuses a file holding a
// value beyond its bound.
#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace orv {

// The bound of a column: its numbers lie within -bound .. bound (common/number_bounds.h).
// A text column read as the number at its start (the analysis period's text, the salvage
// percentages) has one too; none for a column read as no number, or read by nothing.
std::optional<double> StoredBound(const QString& table, const QString& column);

// The number a stored value is read as: a text by the number at its start.
double StoredNumber(const QVariant& value);

}  // namespace orv
