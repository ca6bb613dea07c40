#include "store/project_store.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "common/number_bounds.h"
#include "store/schema.h"
#include "store/stored_bounds.h"

namespace orv {

namespace {

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

const QStringList kCompanionSuffixes = {QStringLiteral("-journal"), QStringLiteral("-wal"),
                                        QStringLiteral("-shm")};

void RemoveWithCompanions(const QString& path) {
    QFile::remove(path);
    for (const QString& s : kCompanionSuffixes) QFile::remove(path + s);
}

// Removes the companion files beside `path`; DbError names one that stays.
void RemoveCompanions(const QString& path) {
    for (const QString& s : kCompanionSuffixes) {
        QFile::remove(path + s);
        if (QFileInfo::exists(path + s))
            throw DbError(QStringLiteral("Cannot delete \"%1\"").arg(path + s));
    }
}

// When this process started, taken as the program loads: before any Save it makes.
const timespec kProcessStart = [] {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

// The temporary file a Save of the file `name` writes first, in the target's folder.
QString TemporaryTemplate(const QString& name) { return QStringLiteral(".%1.XXXXXX").arg(name); }

// Removes what Saves of `name` in `folder` left when their process ended inside them: the
// temporary files of TemporaryTemplate older than this process, each empty or a database,
// with their companion files. Anything else stays, and so does what cannot be removed.
void RemoveLeftTemporaries(const QString& folder, const QString& name) {
    // The template's six X are replaced by letters and digits.
    const QString stem = TemporaryTemplate(name).chopped(6);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(stem) + QStringLiteral("[A-Za-z0-9]{6}")));
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (!pattern.match(entry).hasMatch()) continue;
        const QString file = dir.filePath(entry);
        struct stat st {};
        if (::lstat(QFile::encodeName(file).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const bool older = st.st_mtim.tv_sec < kProcessStart.tv_sec ||
                           (st.st_mtim.tv_sec == kProcessStart.tv_sec &&
                            st.st_mtim.tv_nsec < kProcessStart.tv_nsec);
        if (!older) continue;
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QByteArray head = f.read(16);
        f.close();
        if (!head.isEmpty() && head != QByteArray("SQLite format 3", 16)) continue;
        RemoveWithCompanions(file);
    }
}

// Whether one stored value can be read as a field of this kind.
bool HoldsKind(const QVariant& v, schema::Kind kind) {
    const int type = v.typeId();
    const bool number = type == QMetaType::Double || type == QMetaType::LongLong;
    if (kind == schema::Kind::Number) return number;
    return number || type == QMetaType::QString;
}

// Why a file cannot serve: in the user's words, and in full for a bug report.
struct Problem {
    QString reason;
    QString detail;
    // The engine's own reason when it refused to read the file and no other program caused
    // it ("file is not a database").
    QString engine = QString();
};

// Whether the engine's failure `e` is a full disk, by its result code.
bool DiskFull(const DbError& e) { return (e.Code() & 0xff) == SQLITE_FULL; }

// The user's words for a full disk under `folder`.
QString DiskFullReason(const QString& folder) {
    return QStringLiteral("the disk holding %1 is full").arg(folder);
}

// The engine's words for result `code`; empty for a failure found outside the engine.
QString EngineReason(int code) {
    return code != 0 ? QString::fromUtf8(sqlite3_errstr(code)) : QString();
}

// Why the engine, with result `code`, cannot read the database at `path` when the cause is
// another program: a lock it holds on the file, or changes it left unfinished in a
// companion file. A read-only open refuses such changes rather than finish them into the
// file, so the file stays as it was.
std::optional<QString> OtherProgramReason(const QString& path, int code) {
    if ((code & 0xff) == SQLITE_BUSY)
        return QStringLiteral("it is in use by another program; close it there and try again");
    QString companion;
    switch (code) {
        case SQLITE_READONLY_ROLLBACK:
            companion = QStringLiteral("-journal");
            break;
        case SQLITE_READONLY_RECOVERY:
        case SQLITE_READONLY_CANTINIT:
        case SQLITE_READONLY_CANTLOCK:
            companion = QStringLiteral("-wal");
            break;
        default:
            return std::nullopt;
    }
    return QStringLiteral("another program left unfinished changes beside it (%1)")
        .arg(QFileInfo(path).fileName() + companion);
}

// "column A" or "columns A, B".
QString Columns(const QStringList& names) {
    return (names.size() == 1 ? QStringLiteral("column ") : QStringLiteral("columns ")) +
           names.join(QStringLiteral(", "));
}

// The shape the seven tables must have in `db`; rows only when `rows` is set.
std::optional<Problem> CheckTables(Database& db, const QString& path, bool rows) {
    bool anyTable = false;
    for (const schema::TableDef& def : schema::ProjectTables())
        anyTable = anyTable || db.HasTable(def.name);
    if (!anyTable) {
        return Problem{QStringLiteral("it is not a project file"),
                       QStringLiteral("\"%1\" holds none of the project tables").arg(path)};
    }
    for (const schema::TableDef& def : schema::ProjectTables()) {
        if (!db.HasTable(def.name)) {
            return Problem{QStringLiteral("it has no table %1").arg(def.name),
                           QStringLiteral("\"%1\" has no table %2").arg(path, def.name)};
        }
        QSet<QString> expected;
        for (const schema::Column& c : def.columns) expected.insert(c.name.toLower());
        QSet<QString> present;
        QStringList extra;
        for (const QString& name : db.ColumnNames(def.name)) {
            present.insert(name.toLower());
            if (!expected.contains(name.toLower())) extra << name;
        }
        QStringList missing;
        for (const schema::Column& c : def.columns) {
            if (!present.contains(c.name.toLower())) missing << c.name;
        }
        if (!missing.isEmpty() || !extra.isEmpty()) {
            QStringList parts;
            if (!missing.isEmpty()) parts << QStringLiteral("lacks the ") + Columns(missing);
            if (!extra.isEmpty()) parts << QStringLiteral("has the unknown ") + Columns(extra);
            const QString why =
                QStringLiteral("table %1 ").arg(def.name) + parts.join(QStringLiteral(" and "));
            return Problem{why, QStringLiteral("\"%1\": %2").arg(path, why)};
        }
        if (!rows) continue;
        const int64_t count = db.RowCount(def.name);
        if (count != 1) {
            const QString why =
                count == 0 ? QStringLiteral("table %1 has no row").arg(def.name)
                           : QStringLiteral("table %1 has %2 rows").arg(def.name).arg(count);
            return Problem{why, QStringLiteral("\"%1\": %2, not one").arg(path, why)};
        }
        Recordset rs(db, def.name);
        for (const schema::Column& c : def.columns) {
            const QVariant v = rs.Field(c.name);
            QString why;
            if (v.isNull()) {
                why = QStringLiteral("field %1 of table %2 is empty").arg(c.name, def.name);
            } else if (!HoldsKind(v, c.kind)) {
                why = QStringLiteral("field %1 of table %2 holds no %3")
                          .arg(c.name, def.name,
                               c.kind == schema::Kind::Number ? QStringLiteral("number")
                                                              : QStringLiteral("text"));
            }
            if (!why.isEmpty()) {
                return Problem{
                    why,
                    QStringLiteral("\"%1\": %2 (it holds \"%3\")").arg(path, why, v.toString())};
            }
        }
    }
    return std::nullopt;
}

// The first number of the one row of each table beyond its bound (store/stored_bounds.h).
std::optional<Problem> CheckStoredNumbers(Database& db, const QString& path) {
    for (const schema::TableDef& def : schema::ProjectTables()) {
        Recordset rs(db, def.name);
        for (const schema::Column& c : def.columns) {
            const std::optional<double> bound = StoredBound(def.name, c.name);
            if (!bound) continue;
            const QVariant v = rs.Field(c.name);
            if (bounds::Within(StoredNumber(v), *bound)) continue;
            const QString shown = v.typeId() == QMetaType::QString
                                      ? QStringLiteral("\"%1\"").arg(v.toString())
                                      : QString::number(v.toDouble(), 'g', 15);
            const QString why =
                QStringLiteral("field %1 of table %2 holds %3, which is out of range")
                    .arg(c.name, def.name, shown);
            return Problem{why, QStringLiteral("\"%1\": %2").arg(path, why)};
        }
    }
    return std::nullopt;
}

std::optional<Problem> CheckFile(const QString& path, bool rows) {
    if (path.isEmpty()) return Problem{QStringLiteral("no file name was given"), QString()};
    const QFileInfo info(path);
    if (!info.exists()) {
        return Problem{QStringLiteral("it does not exist"),
                       QStringLiteral("\"%1\" is missing").arg(path)};
    }
    if (info.isDir()) {
        return Problem{QStringLiteral("it is a folder, not a file"),
                       QStringLiteral("\"%1\" is a folder").arg(path)};
    }
    try {
        Database db = Database::Open(path, Database::Mode::ReadOnly);
        std::optional<Problem> why = CheckTables(db, path, rows);
        if (!why && rows) why = CheckStoredNumbers(db, path);
        db.Close();
        return why;
    } catch (const DbError& e) {
        if (std::optional<QString> other = OtherProgramReason(path, e.Code()))
            return Problem{*other, e.Message(), QString()};
        return Problem{QStringLiteral("it is not a project file"), e.Message(),
                       EngineReason(e.Code())};
    }
}

// Why a file just written does not read back: what Open would say of it, or, where the
// engine refused it, the engine's reason.
QString ReadBackReason(const Problem& why) {
    return why.engine.isEmpty() ? why.reason : why.engine;
}

// The user's words for the engine's failure `e` to write a file in `folder`.
QString WriteFailure(const DbError& e, const QString& folder, const QString& otherwise) {
    return DiskFull(e) ? DiskFullReason(folder) : otherwise;
}

void SyncPath(const QString& path, bool directory) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | (directory ? O_DIRECTORY : 0));
    if (fd < 0) {
        throw DbError(
            QStringLiteral("Cannot open \"%1\" to flush it: %2").arg(path, SystemError(errno)));
    }
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        throw DbError(
            QStringLiteral("Cannot flush \"%1\" to disk: %2").arg(path, SystemError(error)));
    }
    ::close(fd);
}

// The absolute path with every existing part resolved (symbolic links, "..").
QString ResolvedPath(const QString& path) {
    QString head = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList tail;
    while (true) {
        const QFileInfo info(head);
        if (info.exists()) {
            const QString canonical = info.canonicalFilePath();
            if (!canonical.isEmpty()) {
                head = canonical;
                break;
            }
        }
        const QString parent = info.path();
        if (parent == head) break;  // the root
        tail.prepend(info.fileName());
        head = parent;
    }
    return tail.isEmpty() ? head : QDir(head).filePath(tail.join(QLatin1Char('/')));
}

// No write permission for anyone, or none for this process: a file the user protected.
bool IsReadOnly(const QString& path) {
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || ::access(native.constData(), W_OK) != 0;
}

bool SameFile(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0) return false;
    if (::stat(QFile::encodeName(b).constData(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool SamePath(const QString& chosen, const QString& reserved) {
    if (reserved.isEmpty()) return false;
    if (SameFile(chosen, reserved)) return true;
    return ResolvedPath(chosen).compare(ResolvedPath(reserved), Qt::CaseInsensitive) == 0;
}

const QString kSource = QStringLiteral("orv_source");
const QString kTarget = QStringLiteral("orv_target");

}  // namespace

void ResetProjectTables(Database& db) {
    for (const schema::TableDef& t : schema::ProjectTables()) {
        if (!db.HasTable(t.name)) {
            throw ProjectFileError(QStringLiteral("the working file has no table %1").arg(t.name),
                                   QStringLiteral("The working database \"%1\" has no table %2")
                                       .arg(db.Path(), t.name));
        }
    }
    try {
        Transaction tx(db);
        for (const schema::TableDef& t : schema::ProjectTables()) {
            db.Execute(QStringLiteral("DELETE * FROM ") + t.name);
            db.InsertRow(t.name, t.newProjectRow);
        }
        tx.Commit();
    } catch (const DbError& e) {
        throw ProjectFileError(
            WriteFailure(e, QFileInfo(db.Path()).absolutePath(),
                         QStringLiteral("the working file could not be written")),
            e.Message());
    }
}

std::optional<QString> CheckTemplateFile(const QString& path) {
    if (std::optional<Problem> why = CheckFile(path, false)) {
        return QStringLiteral("The project template \"%1\" cannot be used: %2 (%3)")
            .arg(path, why->reason, why->detail);
    }
    return std::nullopt;
}

void MakeWorkingCopy(const QString& templatePath, const QString& workPath) {
    if (std::optional<QString> why = CheckTemplateFile(templatePath)) throw DbError(*why);
    QFile::remove(workPath);
    if (QFileInfo::exists(workPath)) {
        throw DbError(QStringLiteral("Cannot delete the old working file \"%1\"").arg(workPath));
    }
    RemoveCompanions(workPath);
    // A plain copy, never flushed to disk: the next start makes the working copy afresh.
    QFile source(templatePath);
    const bool read = source.open(QIODevice::ReadOnly);
    const QByteArray bytes = read ? source.readAll() : QByteArray();
    auto fail = [&](const QString& why) {
        throw DbError(QStringLiteral("Cannot copy the project template \"%1\" to \"%2\": %3")
                          .arg(templatePath, workPath, why));
    };
    if (!read || source.error() != QFileDevice::NoError) fail(source.errorString());
    const QByteArray native = QFile::encodeName(workPath);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) fail(SystemError(errno));
    // A write may stop short of the end (a disk that fills); the next one then says why.
    int error = 0;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        done += n;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(native.constData());
        fail(SystemError(error));
    }
    QFile::setPermissions(workPath,
                          source.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

ProjectFileError WorkingCopyWriteError(const DbError& e, const QString& workPath) {
    const QString folder = QFileInfo(workPath).absolutePath();
    if (DiskFull(e)) {
        return ProjectFileError(
            QStringLiteral("the working file could not be written: ") + DiskFullReason(folder),
            e.Message());
    }
    QString why = QStringLiteral("the working file in %1 could not be written").arg(folder);
    if (const QString engine = EngineReason(e.Code()); !engine.isEmpty())
        why += QStringLiteral(": ") + engine;
    return ProjectFileError(why, e.Message());
}

Database OpenWorkingCopy(const QString& workPath) {
    Database db = Database::Open(workPath);
    db.WriteWithoutSync();
    return db;
}

std::optional<QString> CheckProjectFile(const QString& path) {
    if (std::optional<Problem> why = CheckFile(path, true)) return why->reason;
    return std::nullopt;
}

void CopyProjectIn(Database& work, const QString& path) {
    if (std::optional<Problem> why = CheckFile(path, true))
        throw ProjectFileError(why->reason, why->detail);
    if (work.TransactionDepth() > 0) {
        throw DbError(QStringLiteral("A project file cannot be read inside a transaction"));
    }
    Attachment source(work, path, kSource, Database::Mode::ReadOnly);
    Transaction tx(work);
    for (const QString& table : work.TableNames()) {
        const QVariant found = work.QueryValue(
            QStringLiteral("SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND "
                           "name = ?1 COLLATE NOCASE")
                .arg(QuoteName(kSource)),
            {table});
        if (found.toLongLong() == 0) {
            throw ProjectFileError(QStringLiteral("it has no table %1").arg(table),
                                   QStringLiteral("\"%1\" has no table %2").arg(path, table));
        }
        work.Execute(QStringLiteral("DELETE FROM main.") + QuoteName(table));
        work.CopyRowsFromAttached(kSource, table);
    }
    for (const schema::TableDef& t : schema::ProjectTables()) {
        if (const int64_t rows = work.RowCount(t.name); rows != 1) {
            throw ProjectFileError(
                QStringLiteral("table %1 has %2 rows").arg(t.name).arg(rows),
                QStringLiteral("The table %1 of \"%2\" holds no single row").arg(t.name, path));
        }
    }
    tx.Commit();
}

void WriteProjectFile(Database& work, const QString& targetPath,
                      const WriteProjectOptions& options) {
    const QFileInfo target(targetPath);
    const QString absoluteTarget = target.absoluteFilePath();
    if (target.isDir()) {
        throw ProjectFileError(QStringLiteral("it is a folder, not a file"),
                               QStringLiteral("\"%1\" is a folder").arg(targetPath));
    }
    if (target.exists() && IsReadOnly(absoluteTarget)) {
        throw ProjectFileError(QStringLiteral("it is read-only"),
                               QStringLiteral("\"%1\" is read-only").arg(targetPath));
    }
    const QString folder = target.absolutePath();
    if (const QFileInfo parent(folder); !parent.isDir()) {
        throw ProjectFileError(
            QStringLiteral("its folder does not exist"),
            parent.exists() ? QStringLiteral("\"%1\" is a file, not a folder").arg(folder)
                            : QStringLiteral("The folder \"%1\" does not exist").arg(folder));
    }
    if (work.TransactionDepth() > 0) {
        throw DbError(QStringLiteral("A project file cannot be written inside a transaction"));
    }

    RemoveLeftTemporaries(folder, target.fileName());
    QString temporary;
    {
        QTemporaryFile file(QDir(folder).filePath(TemporaryTemplate(target.fileName())));
        if (!file.open()) {
            throw ProjectFileError(QStringLiteral("its folder cannot be written to"),
                                   QStringLiteral("Cannot write in the folder \"%1\": %2")
                                       .arg(folder, file.errorString()));
        }
        file.setAutoRemove(false);
        temporary = file.fileName();
    }

    WriteStep current = WriteStep::CopyTables;
    auto step = [&](WriteStep s) {
        current = s;
        if (options.beforeStep) options.beforeStep(s);
    };
    try {
        step(WriteStep::CopyTables);
        {
            Attachment out(work, temporary, kTarget, Database::Mode::ReadWrite);
            // The finished file is flushed to disk once, below, before it replaces the target.
            work.WriteWithoutSync(kTarget);
            if (options.maxPageCount > 0) {
                work.Execute(QStringLiteral("PRAGMA %1.max_page_count = %2")
                                 .arg(QuoteName(kTarget))
                                 .arg(options.maxPageCount));
            }
            Transaction tx(work);
            for (const QString& table : work.TableNames()) {
                work.CreateTable(table, work.Columns(table), kTarget);
                work.CopyRowsToAttached(kTarget, table);
            }
            tx.Commit();
        }
        step(WriteStep::CheckFile);
        if (std::optional<Problem> why = CheckFile(temporary, true)) {
            throw ProjectFileError(
                QStringLiteral("it did not read back as a project file: ") + ReadBackReason(*why),
                QStringLiteral("The new file was not written correctly: ") + why->detail);
        }
        step(WriteStep::SyncFile);
        // The new file gets the old file's permissions, else those a new file gets here.
        mode_t mode = 0;
        struct stat old {};
        if (::stat(QFile::encodeName(absoluteTarget).constData(), &old) == 0) {
            mode = old.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        ::chmod(QFile::encodeName(temporary).constData(), mode);
        SyncPath(temporary, false);
        step(WriteStep::Replace);
        // The old file's companions would otherwise be taken as the new file's.
        RemoveCompanions(absoluteTarget);
        if (::rename(QFile::encodeName(temporary).constData(),
                     QFile::encodeName(absoluteTarget).constData()) != 0) {
            throw DbError(
                QStringLiteral("Cannot replace \"%1\": %2").arg(targetPath, SystemError(errno)));
        }
    } catch (const ProjectFileError&) {
        RemoveWithCompanions(temporary);
        throw;
    } catch (const DbError& e) {
        RemoveWithCompanions(temporary);
        static const QString kStepFailure[] = {
            QStringLiteral("it could not be written"),
            QStringLiteral("it did not read back as a project file"),
            QStringLiteral("it could not be written to the disk"),
            QStringLiteral("the old file could not be replaced")};
        throw ProjectFileError(WriteFailure(e, folder, kStepFailure[static_cast<int>(current)]),
                               e.Message());
    } catch (...) {
        RemoveWithCompanions(temporary);
        throw;
    }
    try {
        SyncPath(folder, true);
    } catch (const DbError& e) {
        throw ProjectFileError(QStringLiteral("it could not be written to the disk"), e.Message());
    }
    step(WriteStep::CheckSaved);
    if (std::optional<Problem> why = CheckFile(absoluteTarget, true)) {
        throw ProjectFileError(
            QStringLiteral("it does not open after saving: ") + ReadBackReason(*why),
            QStringLiteral("The saved file does not open: ") + why->detail);
    }
}

ReservedFile ReservedProjectFile(const QString& path, const QString& templatePath,
                                 const QString& workPath) {
    if (path.isEmpty()) return ReservedFile::None;
    if (SamePath(path, templatePath)) return ReservedFile::Template;
    if (SamePath(path, workPath)) return ReservedFile::WorkingCopy;
    if (!workPath.isEmpty()) {
        for (const QString& s : kCompanionSuffixes + QStringList{QStringLiteral(".lock")}) {
            if (SamePath(path, workPath + s)) return ReservedFile::WorkingCopy;
        }
    }
    return ReservedFile::None;
}

bool IsReservedProjectPath(const QString& path, const QString& templatePath,
                           const QString& workPath) {
    return ReservedProjectFile(path, templatePath, workPath) != ReservedFile::None;
}

ReportRow ReadReportRow(Database& db, const QString& resultsTable) {
    const QString vorn = QuoteName(schema::kVorn);
    const QString results = QuoteName(resultsTable);
    for (const QString& table : {schema::kVorn, resultsTable}) {
        if (!db.HasTable(table))
            throw DbError(QStringLiteral("The table %1 is missing").arg(table));
        const int64_t rows = db.RowCount(table);
        if (rows != 1) {
            throw DbError(QStringLiteral("The table %1 holds %2 rows where it must hold one")
                              .arg(table)
                              .arg(rows));
        }
    }
    const QueryResult result =
        db.Query(QStringLiteral("SELECT %1.*, %2.* FROM %1, %2").arg(vorn, results));
    ReportRow row;
    if (result.rows.empty()) return row;
    for (qsizetype i = 0; i < result.columns.size(); ++i)
        row.insert(result.columns.at(i), result.rows.front().at(i));
    return row;
}

QString LockFilePath(const QString& workPath) { return workPath + QStringLiteral(".lock"); }

WorkingCopyLock::~WorkingCopyLock() { Release(); }

bool WorkingCopyLock::Acquire(const QString& workPath) {
    if (fd_ >= 0) return true;
    const QString lockPath = LockFilePath(workPath);
    const int fd =
        ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error_ = QStringLiteral("Cannot create the lock file \"%1\": %2")
                     .arg(lockPath, SystemError(errno));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        error_ = error == EWOULDBLOCK
                     ? QStringLiteral(
                           "The working file \"%1\" is in use by another running "
                           "copy of the application")
                           .arg(workPath)
                     : QStringLiteral("Cannot lock \"%1\": %2").arg(lockPath, SystemError(error));
        return false;
    }
    fd_ = fd;
    error_.clear();
    return true;
}

void WorkingCopyLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace orv
