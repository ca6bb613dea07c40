// Where the working copy and its lock live.
#pragma once

#include <QString>
#include <optional>

namespace orv {

// The folder of the working copy and its lock: `appFolder` when this user can write into
// it, otherwise `dataFolder` (the user's own data folder), made if missing. None when
// neither can be written.
std::optional<QString> WorkingCopyFolder(const QString& appFolder, const QString& dataFolder);

// The start-up message when WorkingCopyFolder finds no folder: both folders, plainly.
QString NoWorkingCopyFolderMessage(const QString& appFolder, const QString& dataFolder);

}  // namespace orv
