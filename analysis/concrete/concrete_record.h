// The project record as the two concrete comparison windows read it. Sixteen fields are read
// only by these windows and written by no window; six of them are columns of the project
// table. A field that the record lacks reads as 0, or as its item's default name for the
// three user item names, so both windows work on every project.
#pragma once

#include <QString>
#include <QVariant>

namespace orv {

class Recordset;

// The value of a project record field by name: the column's value when the record has the
// column; for a concrete-only field it lacks, 0 or "Option One", "Option Two", "Option
// Three". Any other missing field fails as the record does (DbError).
QVariant ConcreteRecordField(Recordset& record, const QString& name);

}  // namespace orv
