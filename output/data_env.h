// The data environment of the printed reports: a connection whose text names the working
// file, and six data commands, each joining the project record with one results table.
// The commands read through the project store on the main window's open database; the
// connection text is kept as start-up sets it.
#pragma once

#include <QString>
#include <vector>

#include "platform/database.h"
#include "store/project_store.h"

namespace orv {

struct DataConnection {
    QString ConnectionString;
};

struct DataCommand {
    QString name;
    QString resultsTable;
};

// The connection text that points at the working file `workFile`.
QString WorkingFileConnectionText(const QString& workFile);

class DataEnvironment {
  public:
    DataConnection Connection1;

    // CmdDefaultACAG, CmdDefaultACAC, CmdCustomACAG, CmdCustomACAC, CmdDefaultACPC,
    // CmdCustomACPC.
    static const std::vector<DataCommand>& Commands();

    // The command's row as stored now. Throws DbError for an unknown command and for every
    // failure of ReadReportRow.
    ReportRow Read(Database& db, const QString& command) const;
};

}  // namespace orv
