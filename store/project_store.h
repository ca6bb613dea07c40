// The project store: the working copy made from the template, the new-project rows, and
// the whole-table moves between the working copy and the user's project files. Windows
// call these; none of them shows anything.
#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

#include "platform/database.h"

namespace orv {

inline const QString kTemplateFileName = QStringLiteral("VORN.mdb");
inline const QString kWorkFileName = QStringLiteral("VORNTMP.mdb");

// A project file (or the working file) that cannot be read or written. Reason() says why
// in the user's words, once ("it is not a project file", "table VORN has 2 rows"); what()
// holds the technical detail for a bug report.
class ProjectFileError : public DbError {
  public:
    ProjectFileError(const QString& reason, const QString& detail)
        : DbError(detail), reason_(reason) {}
    const QString& Reason() const { return reason_; }

  private:
    QString reason_;
};

// Replaces the row of every one of the seven tables by its new-project row, in the order
// VORN, DefaultACAG, DefaultACAC, DefaultACPC, CustomACAG, CustomACAC, CustomACPC, as one
// transaction: on a failure every table keeps its old row and ProjectFileError says why.
// The caller moves its recordsets to the new rows.
void ResetProjectTables(Database& db);

// Why `path` cannot serve as the template (missing, a folder, no database, a table or
// column missing or different); none when it can. Rows do not matter. The text names the
// file.
std::optional<QString> CheckTemplateFile(const QString& path);

// Checks the template, deletes any old working file (and SQLite's journal files beside
// it) and copies the template to `workPath`, writable. Throws DbError naming the file.
// Take the WorkingCopyLock first, so a second running copy never deletes the first's file.
void MakeWorkingCopy(const QString& templatePath, const QString& workPath);

// The engine's failure `e` to write the working copy at `workPath`, in the user's words and
// naming the copy's folder: "the working file could not be written: the disk holding
// <folder> is full", else the engine's reason. what() keeps e's detail.
ProjectFileError WorkingCopyWriteError(const DbError& e, const QString& workPath);

// Opens the working copy for reading and writing. It is made afresh at every start, so its
// writes never wait for the disk; a failed transaction still rolls back.
Database OpenWorkingCopy(const QString& workPath);

// Why `path` is no project file, in the user's words; none when it is one: a database
// holding the seven tables, each with exactly its columns (by name, in any order) and
// exactly one row whose fields all hold a value of their kind. The file is opened only for
// reading and never changed: one that another program holds locked, or beside which it
// left unfinished changes ("-journal"), is refused with that reason. Committed changes
// waiting in a "-wal" file are read as part of the file.
std::optional<QString> CheckProjectFile(const QString& path);

// Replaces the rows of the working tables by the rows of the project file at `path`,
// column by column name, in one transaction; the file is only read. On any failure
// throws DbError (ProjectFileError for CheckProjectFile's reasons and the like) and every
// working table stays as it was. The caller moves its recordsets to the new rows.
void CopyProjectIn(Database& work, const QString& path);

// The steps of WriteProjectFile, for a test hook.
enum class WriteStep { CopyTables, CheckFile, SyncFile, Replace, CheckSaved };

struct WriteProjectOptions {
    // A limit on the pages of the new file; 0 for none. A small limit makes the writing
    // fail as on a full disk ("database or disk is full").
    int maxPageCount = 0;
    // Called before each step; a DbError thrown here fails the save at that step.
    std::function<void(WriteStep)> beforeStep;
};

// Writes the working copy's tables (every table TableNames lists) into a new project file
// at `targetPath`: a new database under a temporary name in the target's folder, checked
// with CheckProjectFile, flushed to disk, then renamed over the target, whose companion
// files ("-journal", "-wal", "-shm") are removed first, and checked once more as Open reads
// it. Throws ProjectFileError with the reason on any failure; a failure before the rename
// removes the temporary file and leaves an old target as it was. A target that is a folder
// or read-only is refused. Temporary files of this target that an earlier process left in
// the folder are removed.
void WriteProjectFile(Database& work, const QString& targetPath,
                      const WriteProjectOptions& options = {});

// Which reserved file, if any, a chosen path names. Paths are resolved before they are
// compared (relative paths, "..", symbolic links), then compared without regard to letter
// case; an existing file is also matched by identity (hard links). SQLite's companion files
// and the lock file of the working copy count as the working copy.
enum class ReservedFile { None, Template, WorkingCopy };
ReservedFile ReservedProjectFile(const QString& path, const QString& templatePath,
                                 const QString& workPath);
bool IsReservedProjectPath(const QString& path, const QString& templatePath,
                           const QString& workPath);

// The row a printed report prints: every field of the project record and every field of
// one results table, by column name.
using ReportRow = QHash<QString, QVariant>;

// Reads the project record joined with the row of `resultsTable` ("SELECT VORN.*, T.* FROM
// VORN, T"), as stored now. Throws DbError naming the table when a table or its row is
// missing or a table holds more than one row.
ReportRow ReadReportRow(Database& db, const QString& resultsTable);

// The lock file of a working copy: its path followed by ".lock".
QString LockFilePath(const QString& workPath);

// An exclusive lock on the working copy's lock file, held until Release or destruction
// (and so for the life of the process). A second holder, in this process or another,
// is refused while the first holds it.
class WorkingCopyLock {
  public:
    WorkingCopyLock() = default;
    ~WorkingCopyLock();
    WorkingCopyLock(const WorkingCopyLock&) = delete;
    WorkingCopyLock& operator=(const WorkingCopyLock&) = delete;

    // False when another holder has the lock or the lock file cannot be made; ErrorText
    // then says why.
    bool Acquire(const QString& workPath);
    void Release();
    bool IsHeld() const { return fd_ >= 0; }
    const QString& ErrorText() const { return error_; }

  private:
    int fd_ = -1;
    QString error_;
};

}  // namespace orv
