// The project database engine: database files, SQL statements, table recordsets and whole
// table copies between files. Files are SQLite databases; every failure throws DbError.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

struct sqlite3;

namespace orv {

// A database operation that failed; the message says which one and why.
class DbError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    explicit DbError(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString()), code_(code) {}
    QString Message() const { return QString::fromStdString(what()); }
    // The engine's extended result code when the engine refused (SQLITE_BUSY, ...); 0 for
    // failures found outside it.
    int Code() const { return code_; }

  private:
    int code_ = 0;
};

namespace detail {
struct Connection;
}

// One column of a table: its name and its declared type ("TEXT", "DOUBLE", ...).
struct ColumnInfo {
    QString name;
    QString type;
    bool IsText() const;
};

// The rows of a query, each with one value for each of its columns.
struct QueryResult {
    QStringList columns;
    std::vector<QVariantList> rows;
};

// An open database file. Copies share the same connection; Close ends it for all of them.
class Database {
  public:
    enum class Mode { ReadWrite, ReadOnly };

    Database() = default;

    // Opens an existing database file, shared, for reading and writing (or only reading).
    // Throws DbError when the file is missing or is no database.
    static Database Open(const QString& path, Mode mode = Mode::ReadWrite);
    // Creates a new empty database file; throws DbError when the path exists already.
    static Database Create(const QString& path);

    bool IsOpen() const;
    QString Path() const;
    void Close();

    // Runs one or more SQL statements. The form "DELETE * FROM T" is read as "DELETE FROM T".
    void Execute(const QString& sql);
    // "INSERT INTO table VALUES (...)" with the values in column order, without column names.
    void InsertRow(const QString& table, const QVariantList& values);
    // The first column of the first row of a query; a null QVariant when there is no row.
    QVariant QueryValue(const QString& sql, const QVariantList& params = {});
    // Every row of a query, with its column names.
    QueryResult Query(const QString& sql);
    int64_t RowCount(const QString& table);

    // The user tables, in the order they were created: no names beginning "sqlite_" or "MS".
    QStringList TableNames();
    bool HasTable(const QString& table);
    std::vector<ColumnInfo> Columns(const QString& table);
    QStringList ColumnNames(const QString& table);
    // CREATE TABLE with these columns, in this order, in the main database or in `schema`.
    void CreateTable(const QString& table, const std::vector<ColumnInfo>& columns,
                     const QString& schema = QStringLiteral("main"));

    // Writes to `schema` without waiting for the disk: a commit does not sync, and the
    // rollback journal stays in memory, so a failed transaction still rolls back. Only a
    // crash of the program or of the machine can then damage the file: for files that are
    // made afresh at every start, or flushed to disk and checked as a whole before use.
    void WriteWithoutSync(const QString& schema = QStringLiteral("main"));

    // Nested transactions (savepoints). Rollback undoes everything since the matching Begin.
    void BeginTransaction();
    void Commit();
    void Rollback();
    int TransactionDepth() const;

    // Makes another existing database file (an empty file serves as a new database)
    // reachable in SQL under `alias` ("src"."T"); a read-only attachment never writes the
    // file. An attachment cannot begin inside a transaction.
    void Attach(const QString& path, const QString& alias, Mode mode);
    void Detach(const QString& alias);

    // Copies every row of one table between the main database and an attached one, column
    // by column name: the columns of the receiving table, in any order in the sending one.
    // The receiving table keeps its rows; empty it first to replace them.
    void CopyRowsFromAttached(const QString& alias, const QString& table);
    void CopyRowsToAttached(const QString& alias, const QString& table);

    sqlite3* Handle() const;
    // Counts every row change on this connection; recordsets use it to notice SQL writes.
    int64_t ChangeCount() const;

  private:
    explicit Database(std::shared_ptr<detail::Connection> connection);
    detail::Connection& Conn() const;
    std::shared_ptr<detail::Connection> conn_;
    friend class Recordset;
};

// Detaches on scope exit.
class Attachment {
  public:
    Attachment(Database& db, const QString& path, const QString& alias, Database::Mode mode);
    ~Attachment();
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;

  private:
    Database db_;
    QString alias_;
};

// Rolls back on scope exit unless committed.
class Transaction {
  public:
    explicit Transaction(Database& db);
    ~Transaction();
    void Commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

  private:
    Database db_;
    bool open_ = true;
};

// A table-type recordset on one table: a current row, read and written by field name. It
// sees the rows that SQL on the same database deletes and inserts; MoveFirst puts it on the
// table's first row.
class Recordset {
  public:
    Recordset() = default;
    Recordset(Database& db, const QString& table);

    const QString& Table() const { return table_; }
    const QStringList& FieldNames() const { return names_; }
    bool HasField(const QString& name) const;

    void MoveFirst();
    // No current row: the table is empty or the current row was deleted.
    bool IsEmpty();

    // The current row's value (the pending value while editing). DbError when the name is
    // no column or there is no current row.
    QVariant Field(const QString& name);
    // The value as text or as a number; DbError on Null, and Number on a text that is no
    // number.
    QString Text(const QString& name);
    double Number(const QString& name);

    // Edit, SetField by name (converted to the column's kind), Update writes the row.
    void Edit();
    void SetField(const QString& name, const QVariant& value);
    void Update();
    void CancelUpdate();
    bool IsEditing() const { return editing_; }

  private:
    int Index(const QString& name) const;
    void Load();
    QVariant Convert(int index, const QVariant& value) const;

    Database db_;
    QString table_;
    QStringList names_;
    std::vector<bool> isText_;
    QHash<QString, int> byName_;
    QHash<QString, int> byLowerName_;
    std::optional<int64_t> rowid_;
    std::vector<QVariant> row_;
    bool loaded_ = false;
    int64_t loadedAt_ = -1;
    bool editing_ = false;
    std::vector<QVariant> pending_;
    std::vector<bool> changed_;
};

// Quotes a table or column name for SQL.
QString QuoteName(const QString& name);

}  // namespace orv
