// The seven tables of a project database: their columns in table order, the kind of each
// column and the row of a new project. store/SCHEMA.md explains the column order.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

#include "platform/database.h"

namespace orv::schema {

enum class Kind { Text, Number };

struct Column {
    QString name;
    Kind kind;
};

struct TableDef {
    QString name;
    std::vector<Column> columns;
    // One value for each column, in column order, as the new-project INSERT lists them.
    QVariantList newProjectRow;

    QStringList ColumnNames() const;
    std::vector<ColumnInfo> ColumnInfos() const;
    const Column* Find(const QString& column) const;  // case-insensitive; null when absent
};

inline const QString kVorn = QStringLiteral("VORN");
inline const QString kDefaultACAG = QStringLiteral("DefaultACAG");
inline const QString kDefaultACAC = QStringLiteral("DefaultACAC");
inline const QString kDefaultACPC = QStringLiteral("DefaultACPC");
inline const QString kCustomACAG = QStringLiteral("CustomACAG");
inline const QString kCustomACAC = QStringLiteral("CustomACAC");
inline const QString kCustomACPC = QStringLiteral("CustomACPC");

// The seven tables in the order a new project writes them: VORN, DefaultACAG, DefaultACAC,
// DefaultACPC, CustomACAG, CustomACAC, CustomACPC.
const std::vector<TableDef>& ProjectTables();
// DbError for a name that is none of the seven (case-insensitive).
const TableDef& Table(const QString& name);

// The SQL column type of a kind.
QString SqlType(Kind kind);

// Creates the seven tables, empty, in the main database of `db`.
void CreateProjectTables(Database& db);

// Writes a template project file at `path` (which must not exist): the seven tables with
// their new-project rows.
void WriteTemplate(const QString& path);

}  // namespace orv::schema
