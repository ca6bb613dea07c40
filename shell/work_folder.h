// Where the working copy and its lock live.
#pragma once

#include <QString>
#include <optional>

namespace orv {

// The file that the install rules, and nothing else, put beside the template. Its presence
// marks an installed Orvalen, whose folder is never written, whoever runs it.
inline const QString kInstalledMarkerFileName = QStringLiteral("INSTALLED");

// The folder of the working copy and its lock. An installed Orvalen (the marker beside the
// template) keeps them in `dataFolder`, the user's own data folder, made if missing. A build
// run from its own folder keeps them in `appFolder` when this user can write into it, and
// otherwise in `dataFolder` too. None when the chosen folder cannot be written.
std::optional<QString> WorkingCopyFolder(const QString& appFolder, const QString& dataFolder);

// The start-up message when WorkingCopyFolder finds no folder: the folders it tried, plainly.
QString NoWorkingCopyFolderMessage(const QString& appFolder, const QString& dataFolder);

}  // namespace orv
