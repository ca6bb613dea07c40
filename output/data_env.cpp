#include "output/data_env.h"

namespace orv {

QString WorkingFileConnectionText(const QString& workFile) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + workFile +
           QStringLiteral(";Mode=Share Deny None;Persist Security Info=False");
}

const std::vector<DataCommand>& DataEnvironment::Commands() {
    static const std::vector<DataCommand> commands = {
        {QStringLiteral("CmdDefaultACAG"), QStringLiteral("DefaultACAG")},
        {QStringLiteral("CmdDefaultACAC"), QStringLiteral("DefaultACAC")},
        {QStringLiteral("CmdCustomACAG"), QStringLiteral("CustomACAG")},
        {QStringLiteral("CmdCustomACAC"), QStringLiteral("CustomACAC")},
        {QStringLiteral("CmdDefaultACPC"), QStringLiteral("DefaultACPC")},
        {QStringLiteral("CmdCustomACPC"), QStringLiteral("CustomACPC")},
    };
    return commands;
}

ReportRow DataEnvironment::Read(Database& db, const QString& command) const {
    for (const DataCommand& c : Commands()) {
        if (c.name == command) return ReadReportRow(db, c.resultsTable);
    }
    throw DbError(QStringLiteral("No data command %1").arg(command));
}

}  // namespace orv
