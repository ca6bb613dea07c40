#include "shell/work_folder.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orv {
namespace {

// A folder this user can make files in (permissions, read-only mounts and access lists
// included).
bool CanWriteInto(const QString& folder) {
    return QFileInfo(folder).isDir() &&
           ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

bool IsInstalled(const QString& appFolder) {
    return QFileInfo::exists(appFolder + QStringLiteral("/") + kInstalledMarkerFileName);
}

}  // namespace

std::optional<QString> WorkingCopyFolder(const QString& appFolder, const QString& dataFolder) {
    if (!IsInstalled(appFolder) && CanWriteInto(appFolder)) return appFolder;
    if (!dataFolder.isEmpty() && QDir().mkpath(dataFolder) && CanWriteInto(dataFolder))
        return QDir::fromNativeSeparators(dataFolder);
    return std::nullopt;
}

QString NoWorkingCopyFolderMessage(const QString& appFolder, const QString& dataFolder) {
    if (IsInstalled(appFolder)) {
        return QStringLiteral(
                   "Orvalen needs a folder to keep its working file in, but it cannot write "
                   "into your data folder \"%1\".")
            .arg(QDir::toNativeSeparators(dataFolder));
    }
    return QStringLiteral(
               "Orvalen needs a folder to keep its working file in, but it can write neither "
               "into its own folder \"%1\" nor into your data folder \"%2\".")
        .arg(QDir::toNativeSeparators(appFolder), QDir::toNativeSeparators(dataFolder));
}

}  // namespace orv
