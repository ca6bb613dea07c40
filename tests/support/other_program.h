// What another SQLite program does to a project file, made with the engine's own C
// interface: changes committed into a "-wal" file that no checkpoint moved into the file,
// a hot "-journal" of a transaction it never finished, and locks it holds.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <QString>

namespace orv::test {

inline sqlite3* RawOpen(const QString& path) {
    sqlite3* db = nullptr;
    EXPECT_EQ(
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
        SQLITE_OK)
        << path.toStdString();
    return db;
}

inline void RawExec(sqlite3* db, const char* sql) {
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &message), SQLITE_OK)
        << sql << ": " << (message ? message : "");
    sqlite3_free(message);
}

// Changes the file with `sql` in WAL mode and ends without a checkpoint: the change stays
// in "<path>-wal".
inline void LeaveUncheckpointedWal(const QString& path, const char* sql) {
    sqlite3* db = RawOpen(path);
    RawExec(db, "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0");
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    RawExec(db, sql);
    sqlite3_close(db);
    EXPECT_TRUE(QFile::exists(path + "-wal"));
}

// Leaves `path` as a program killed inside a write transaction of `sql` leaves it: the
// file as it was, and a hot "<path>-journal" beside it. The transaction runs on a copy of
// the file; its journal is copied while the transaction is open, so no lock comes with it.
inline void LeaveHotJournal(const QString& path, const char* sql) {
    const QString live = path + ".live";
    QFile::remove(live);
    ASSERT_TRUE(QFile::copy(path, live));
    sqlite3* db = RawOpen(live);
    // Without syncs the journal's header is complete from the first change on.
    RawExec(db, "PRAGMA synchronous = OFF; BEGIN");
    RawExec(db, sql);
    QFile::remove(path + "-journal");
    EXPECT_TRUE(QFile::copy(live + "-journal", path + "-journal"));
    RawExec(db, "ROLLBACK");
    sqlite3_close(db);
    QFile::remove(live);
}

// A lock another program holds on a file for this object's life.
class OtherProgramLock {
  public:
    enum class Kind {
        Write,          // the engine's write lock (BEGIN EXCLUSIVE)
        PendingChange,  // a change not yet committed, under the engine's reserved lock
        WholeFile,      // a write lock on every byte of the file
    };

    OtherProgramLock(const QString& path, Kind kind) {
        if (kind == Kind::WholeFile) {
            fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            // A lock of the open file, which conflicts with the engine's locks even in this
            // process.
            EXPECT_EQ(::fcntl(fd_, F_OFD_SETLK, &lock), 0);
            return;
        }
        db_ = RawOpen(path);
        RawExec(db_, kind == Kind::Write
                         ? "BEGIN EXCLUSIVE"
                         : "BEGIN IMMEDIATE; UPDATE VORN SET ProjectName = 'Not Committed'");
    }
    ~OtherProgramLock() {
        if (db_) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(db_);
        }
        if (fd_ >= 0) ::close(fd_);
    }
    OtherProgramLock(const OtherProgramLock&) = delete;
    OtherProgramLock& operator=(const OtherProgramLock&) = delete;

  private:
    sqlite3* db_ = nullptr;
    int fd_ = -1;
};

}  // namespace orv::test
