#include "platform/database.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

namespace orv {

namespace detail {

struct Connection {
    sqlite3* db = nullptr;
    QString path;
    int depth = 0;           // open savepoints
    int64_t generation = 0;  // bumped by events that total_changes does not count
    int64_t savepointSeq = 0;
    std::vector<QString> savepoints;

    ~Connection() {
        if (db) sqlite3_close_v2(db);
    }
};

}  // namespace detail

namespace {

QString ErrorText(sqlite3* db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

// A file name that SQLite reads as a URI: never taken as a URI by accident, and the
// read-only mode set for attachments.
QString UriFor(const QString& path, Database::Mode mode) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString uri =
        QStringLiteral("file:") + QString::fromLatin1(QUrl::toPercentEncoding(absolute, "/"));
    uri +=
        mode == Database::Mode::ReadOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw");
    return uri;
}

// A prepared statement, finalized on scope exit.
class Statement {
  public:
    Statement(sqlite3* db, const QString& sql) : db_(db) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt_, nullptr) !=
            SQLITE_OK) {
            throw DbError(QStringLiteral("SQL failed: %1: %2").arg(sql, ErrorText(db)),
                          sqlite3_extended_errcode(db));
        }
        sql_ = sql;
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Bind(int index, const QVariant& value) {
        int rc = SQLITE_OK;
        if (value.isNull() || !value.isValid()) {
            rc = sqlite3_bind_null(stmt_, index);
        } else {
            switch (value.typeId()) {
                case QMetaType::QString: {
                    const QByteArray text = value.toString().toUtf8();
                    rc = sqlite3_bind_text(stmt_, index, text.constData(), int(text.size()),
                                           SQLITE_TRANSIENT);
                    break;
                }
                case QMetaType::Bool:
                case QMetaType::Int:
                case QMetaType::UInt:
                case QMetaType::Short:
                case QMetaType::UShort:
                case QMetaType::LongLong:
                    rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
                    break;
                case QMetaType::Double:
                case QMetaType::Float:
                    rc = sqlite3_bind_double(stmt_, index, value.toDouble());
                    break;
                case QMetaType::QByteArray: {
                    const QByteArray bytes = value.toByteArray();
                    rc = sqlite3_bind_blob(stmt_, index, bytes.constData(), int(bytes.size()),
                                           SQLITE_TRANSIENT);
                    break;
                }
                default: {
                    const QByteArray text = value.toString().toUtf8();
                    rc = sqlite3_bind_text(stmt_, index, text.constData(), int(text.size()),
                                           SQLITE_TRANSIENT);
                }
            }
        }
        if (rc != SQLITE_OK) {
            throw DbError(QStringLiteral("SQL failed: %1: %2").arg(sql_, ErrorText(db_)),
                          sqlite3_extended_errcode(db_));
        }
    }

    // True while a row is available.
    bool Step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw DbError(QStringLiteral("SQL failed: %1: %2").arg(sql_, ErrorText(db_)),
                      sqlite3_extended_errcode(db_));
    }

    QVariant Column(int index) const {
        switch (sqlite3_column_type(stmt_, index)) {
            case SQLITE_INTEGER:
                return QVariant(qlonglong(sqlite3_column_int64(stmt_, index)));
            case SQLITE_FLOAT:
                return QVariant(sqlite3_column_double(stmt_, index));
            case SQLITE_TEXT:
                return QVariant(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index)),
                    sqlite3_column_bytes(stmt_, index)));
            case SQLITE_BLOB:
                return QVariant(
                    QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, index)),
                               sqlite3_column_bytes(stmt_, index)));
            default:
                return QVariant();
        }
    }
    int ColumnCount() const { return sqlite3_column_count(stmt_); }
    QString ColumnName(int index) const {
        return QString::fromUtf8(sqlite3_column_name(stmt_, index));
    }

  private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
};

QString ReadDeleteStar(const QString& sql) {
    static const QRegularExpression deleteStar(QStringLiteral("^(\\s*DELETE)\\s+\\*\\s+(FROM\\s)"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString out = sql;
    out.replace(deleteStar, QStringLiteral("\\1 \\2"));
    return out;
}

void Exec(sqlite3* db, const QString& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : ErrorText(db);
        sqlite3_free(message);
        throw DbError(QStringLiteral("SQL failed: %1: %2").arg(sql, text),
                      sqlite3_extended_errcode(db));
    }
}

std::shared_ptr<detail::Connection> OpenConnection(const QString& path, int flags) {
    auto conn = std::make_shared<detail::Connection>();
    conn->path = QFileInfo(path).absoluteFilePath();
    const Database::Mode mode =
        (flags & SQLITE_OPEN_READONLY) ? Database::Mode::ReadOnly : Database::Mode::ReadWrite;
    QString uri = UriFor(path, mode);
    if (flags & SQLITE_OPEN_CREATE)
        uri.replace(QStringLiteral("?mode=rw"), QStringLiteral("?mode=rwc"));
    // The URI's mode decides whether this file may be created; the connection itself may
    // create files, so that a project file can be attached and written through it.
    const int openFlags =
        flags | SQLITE_OPEN_URI | ((flags & SQLITE_OPEN_READWRITE) ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(uri.toUtf8().constData(), &conn->db, openFlags, nullptr);
    if (rc != SQLITE_OK) {
        const QString why = ErrorText(conn->db);
        throw DbError(QStringLiteral("Cannot open the database \"%1\": %2").arg(path, why),
                      conn->db ? sqlite3_extended_errcode(conn->db) : rc);
    }
    sqlite3_extended_result_codes(conn->db, 1);
    sqlite3_busy_timeout(conn->db, 2000);
    return conn;
}

}  // namespace

bool ColumnInfo::IsText() const {
    // SQLite's affinity rule: a declared type containing CHAR, CLOB or TEXT holds text.
    const QString t = type.toUpper();
    return t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) ||
           t.contains(QLatin1String("TEXT"));
}

QString QuoteName(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Database::Database(std::shared_ptr<detail::Connection> connection) : conn_(std::move(connection)) {}

Database Database::Open(const QString& path, Mode mode) {
    if (QFileInfo(path).isDir()) {
        throw DbError(QStringLiteral("Cannot open the database \"%1\": it is a folder").arg(path));
    }
    const int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    Database db(OpenConnection(path, flags));
    // SQLite reads the file lazily: reading the schema tells a database from another file.
    try {
        db.QueryValue(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (const DbError& e) {
        db.Close();
        throw DbError(QStringLiteral("\"%1\" is no database: %2").arg(path, e.Message()), e.Code());
    }
    return db;
}

Database Database::Create(const QString& path) {
    if (QFileInfo::exists(path)) {
        throw DbError(
            QStringLiteral("Cannot create the database \"%1\": the file exists").arg(path));
    }
    Database db(OpenConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE));
    // Writing the header makes the file exist on disk as a database.
    db.Execute(QStringLiteral("PRAGMA application_id = 1330796108"));
    return db;
}

detail::Connection& Database::Conn() const {
    if (!conn_ || !conn_->db) throw DbError(QStringLiteral("The database is closed"));
    return *conn_;
}

bool Database::IsOpen() const { return conn_ && conn_->db; }
QString Database::Path() const { return conn_ ? conn_->path : QString(); }
sqlite3* Database::Handle() const { return Conn().db; }

void Database::Close() {
    if (conn_ && conn_->db) {
        sqlite3_close_v2(conn_->db);
        conn_->db = nullptr;
    }
}

int64_t Database::ChangeCount() const {
    const detail::Connection& c = Conn();
    return sqlite3_total_changes64(c.db) + c.generation;
}

void Database::Execute(const QString& sql) {
    detail::Connection& c = Conn();
    ++c.generation;
    Exec(c.db, ReadDeleteStar(sql));
}

void Database::InsertRow(const QString& table, const QVariantList& values) {
    detail::Connection& c = Conn();
    QStringList marks;
    for (qsizetype i = 0; i < values.size(); ++i) marks << QStringLiteral("?");
    Statement st(c.db, QStringLiteral("INSERT INTO %1 VALUES (%2)")
                           .arg(QuoteName(table), marks.join(QLatin1Char(','))));
    for (qsizetype i = 0; i < values.size(); ++i) st.Bind(int(i + 1), values[i]);
    st.Step();
}

QVariant Database::QueryValue(const QString& sql, const QVariantList& params) {
    Statement st(Conn().db, sql);
    for (qsizetype i = 0; i < params.size(); ++i) st.Bind(int(i + 1), params[i]);
    if (!st.Step() || st.ColumnCount() == 0) return QVariant();
    return st.Column(0);
}

QueryResult Database::Query(const QString& sql) {
    Statement st(Conn().db, sql);
    QueryResult result;
    for (int i = 0; i < st.ColumnCount(); ++i) result.columns << st.ColumnName(i);
    while (st.Step()) {
        QVariantList row;
        for (int i = 0; i < st.ColumnCount(); ++i) row << st.Column(i);
        result.rows.push_back(std::move(row));
    }
    return result;
}

int64_t Database::RowCount(const QString& table) {
    return QueryValue(QStringLiteral("SELECT count(*) FROM %1").arg(QuoteName(table))).toLongLong();
}

QStringList Database::TableNames() {
    Statement st(
        Conn().db,
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
    QStringList names;
    while (st.Step()) {
        const QString name = st.Column(0).toString();
        if (name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive)) continue;
        if (name.startsWith(QLatin1String("MS"))) continue;  // system tables; "Ms" is a user's
        names << name;
    }
    return names;
}

bool Database::HasTable(const QString& table) {
    return QueryValue(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                     "AND name = ?1 COLLATE NOCASE"),
                      {table})
               .toLongLong() > 0;
}

std::vector<ColumnInfo> Database::Columns(const QString& table) {
    Statement st(Conn().db, QStringLiteral("SELECT name, type FROM pragma_table_info(?1)"));
    st.Bind(1, table);
    std::vector<ColumnInfo> columns;
    while (st.Step()) columns.push_back({st.Column(0).toString(), st.Column(1).toString()});
    if (columns.empty()) throw DbError(QStringLiteral("There is no table %1").arg(table));
    return columns;
}

QStringList Database::ColumnNames(const QString& table) {
    QStringList names;
    for (const ColumnInfo& c : Columns(table)) names << c.name;
    return names;
}

void Database::CreateTable(const QString& table, const std::vector<ColumnInfo>& columns,
                           const QString& schema) {
    QStringList defs;
    for (const ColumnInfo& c : columns) {
        defs << (c.type.isEmpty() ? QuoteName(c.name) : QuoteName(c.name) + ' ' + c.type);
    }
    Execute(QStringLiteral("CREATE TABLE %1.%2 (%3)")
                .arg(QuoteName(schema), QuoteName(table), defs.join(QStringLiteral(", "))));
}

void Database::WriteWithoutSync(const QString& schema) {
    const QString name = QuoteName(schema);
    Execute(QStringLiteral("PRAGMA %1.synchronous = OFF").arg(name));
    // The journal mode cannot change inside a transaction; the pragma then says the old one.
    const QString mode =
        QueryValue(QStringLiteral("PRAGMA %1.journal_mode = MEMORY").arg(name)).toString();
    if (mode.compare(QLatin1String("memory"), Qt::CaseInsensitive) != 0) {
        throw DbError(QStringLiteral("Cannot keep the journal of %1 in memory: it stays %2")
                          .arg(schema, mode));
    }
}

void Database::BeginTransaction() {
    detail::Connection& c = Conn();
    const QString name = QStringLiteral("orv_%1").arg(++c.savepointSeq);
    Exec(c.db, QStringLiteral("SAVEPOINT ") + name);
    c.savepoints.push_back(name);
    ++c.depth;
}

void Database::Commit() {
    detail::Connection& c = Conn();
    if (c.savepoints.empty()) throw DbError(QStringLiteral("Commit without a transaction"));
    Exec(c.db, QStringLiteral("RELEASE ") + c.savepoints.back());
    c.savepoints.pop_back();
    --c.depth;
    ++c.generation;
}

void Database::Rollback() {
    detail::Connection& c = Conn();
    if (c.savepoints.empty()) throw DbError(QStringLiteral("Rollback without a transaction"));
    const QString name = c.savepoints.back();
    c.savepoints.pop_back();
    --c.depth;
    ++c.generation;
    Exec(c.db, QStringLiteral("ROLLBACK TO ") + name + QStringLiteral("; RELEASE ") + name);
}

int Database::TransactionDepth() const { return Conn().depth; }

void Database::Attach(const QString& path, const QString& alias, Mode mode) {
    detail::Connection& c = Conn();
    if (QFileInfo(path).isDir()) {
        throw DbError(QStringLiteral("Cannot open the database \"%1\": it is a folder").arg(path));
    }
    QString uri = UriFor(path, mode);
    Statement st(c.db, QStringLiteral("ATTACH DATABASE ?1 AS %1").arg(QuoteName(alias)));
    st.Bind(1, uri);
    try {
        st.Step();
    } catch (const DbError& e) {
        throw DbError(QStringLiteral("Cannot open the database \"%1\": %2").arg(path, e.Message()),
                      e.Code());
    }
    ++c.generation;
    try {
        QueryValue(QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(QuoteName(alias)));
    } catch (const DbError& e) {
        Detach(alias);
        throw DbError(QStringLiteral("\"%1\" is no database: %2").arg(path, e.Message()), e.Code());
    }
}

void Database::Detach(const QString& alias) {
    detail::Connection& c = Conn();
    ++c.generation;
    Exec(c.db, QStringLiteral("DETACH DATABASE %1").arg(QuoteName(alias)));
}

namespace {

QString ColumnList(const QStringList& names) {
    QStringList quoted;
    for (const QString& n : names) quoted << QuoteName(n);
    return quoted.join(QStringLiteral(", "));
}

}  // namespace

void Database::CopyRowsFromAttached(const QString& alias, const QString& table) {
    const QString cols = ColumnList(ColumnNames(table));
    Execute(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1")
                .arg(QuoteName(table), cols, QuoteName(alias)));
}

void Database::CopyRowsToAttached(const QString& alias, const QString& table) {
    Statement st(Conn().db, QStringLiteral("SELECT name FROM pragma_table_info(?1, ?2)"));
    st.Bind(1, table);
    st.Bind(2, alias);
    QStringList names;
    while (st.Step()) names << st.Column(0).toString();
    if (names.empty()) {
        throw DbError(QStringLiteral("There is no table %1 in %2").arg(table, alias));
    }
    Execute(QStringLiteral("INSERT INTO %3.%1 (%2) SELECT %2 FROM main.%1")
                .arg(QuoteName(table), ColumnList(names), QuoteName(alias)));
}

Attachment::Attachment(Database& db, const QString& path, const QString& alias, Database::Mode mode)
    : db_(db), alias_(alias) {
    db_.Attach(path, alias, mode);
}

Attachment::~Attachment() {
    try {
        if (db_.IsOpen()) db_.Detach(alias_);
    } catch (const DbError&) {
    }
}

Transaction::Transaction(Database& db) : db_(db) { db_.BeginTransaction(); }

Transaction::~Transaction() {
    if (!open_) return;
    try {
        if (db_.IsOpen()) db_.Rollback();
    } catch (const DbError&) {
    }
}

void Transaction::Commit() {
    db_.Commit();
    open_ = false;
}

// ---- Recordset ----

Recordset::Recordset(Database& db, const QString& table) : db_(db) {
    const std::vector<ColumnInfo> columns = db_.Columns(table);
    // The table's own spelling of its name.
    table_ = db_.QueryValue(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                           "AND name = ?1 COLLATE NOCASE"),
                            {table})
                 .toString();
    for (const ColumnInfo& c : columns) {
        byName_.insert(c.name, int(names_.size()));
        byLowerName_.insert(c.name.toLower(), int(names_.size()));
        names_ << c.name;
        isText_.push_back(c.IsText());
    }
    MoveFirst();
}

bool Recordset::HasField(const QString& name) const {
    return byName_.contains(name) || byLowerName_.contains(name.toLower());
}

int Recordset::Index(const QString& name) const {
    auto it = byName_.constFind(name);
    if (it != byName_.constEnd()) return *it;
    auto lower = byLowerName_.constFind(name.toLower());
    if (lower != byLowerName_.constEnd()) return *lower;
    throw DbError(QStringLiteral("Item not found in this collection: the table %1 has no field %2")
                      .arg(table_, name));
}

void Recordset::MoveFirst() {
    if (editing_) CancelUpdate();
    const QVariant first =
        db_.QueryValue(QStringLiteral("SELECT min(rowid) FROM %1").arg(QuoteName(table_)));
    rowid_ = first.isNull() ? std::nullopt : std::optional<int64_t>(first.toLongLong());
    loaded_ = false;
}

void Recordset::Load() {
    const int64_t now = db_.ChangeCount();
    if (loaded_ && loadedAt_ == now) return;
    loaded_ = false;
    if (!rowid_) throw DbError(QStringLiteral("No current record in table %1").arg(table_));
    Statement st(db_.Handle(),
                 QStringLiteral("SELECT * FROM %1 WHERE rowid = ?1").arg(QuoteName(table_)));
    st.Bind(1, QVariant(qlonglong(*rowid_)));
    if (!st.Step()) {
        throw DbError(
            QStringLiteral("No current record in table %1: the row was deleted").arg(table_));
    }
    row_.assign(names_.size(), QVariant());
    const int n = std::min<int>(st.ColumnCount(), int(names_.size()));
    for (int i = 0; i < n; ++i) {
        QVariant v = st.Column(i);
        if (!isText_[i] && v.typeId() == QMetaType::LongLong) v = QVariant(v.toDouble());
        row_[i] = std::move(v);
    }
    loaded_ = true;
    loadedAt_ = now;
}

bool Recordset::IsEmpty() {
    if (!rowid_) return true;
    try {
        Load();
    } catch (const DbError&) {
        return true;
    }
    return false;
}

QVariant Recordset::Field(const QString& name) {
    const int i = Index(name);
    if (editing_ && changed_[i]) return pending_[i];
    Load();
    return row_[i];
}

QString Recordset::Text(const QString& name) {
    const QVariant v = Field(name);
    if (v.isNull()) {
        throw DbError(
            QStringLiteral("Invalid use of Null: field %1 of table %2").arg(name, table_));
    }
    if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

double Recordset::Number(const QString& name) {
    const QVariant v = Field(name);
    if (v.isNull()) {
        throw DbError(
            QStringLiteral("Invalid use of Null: field %1 of table %2").arg(name, table_));
    }
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = QLocale::c().toDouble(v.toString().trimmed(), &ok);
        if (!ok) {
            throw DbError(QStringLiteral("Type mismatch: field %1 of table %2 holds \"%3\"")
                              .arg(name, table_, v.toString()));
        }
        return d;
    }
    return v.toDouble();
}

QVariant Recordset::Convert(int index, const QVariant& value) const {
    if (value.isNull() || !value.isValid()) return QVariant();
    const int type = value.typeId();
    const bool numeric = type == QMetaType::Double || type == QMetaType::Float ||
                         type == QMetaType::Int || type == QMetaType::UInt ||
                         type == QMetaType::LongLong || type == QMetaType::Short ||
                         type == QMetaType::UShort || type == QMetaType::Bool;
    if (isText_[index]) {
        if (type == QMetaType::Double || type == QMetaType::Float) {
            return QVariant(QString::number(value.toDouble(), 'g', 15));
        }
        return QVariant(value.toString());
    }
    if (numeric) return QVariant(value.toDouble());
    bool ok = false;
    const double d = QLocale::c().toDouble(value.toString().trimmed(), &ok);
    if (!ok) {
        throw DbError(QStringLiteral("Type mismatch: \"%1\" is no number for field %2 of table %3")
                          .arg(value.toString(), names_[index], table_));
    }
    return QVariant(d);
}

void Recordset::Edit() {
    Load();
    editing_ = true;
    pending_.assign(names_.size(), QVariant());
    changed_.assign(names_.size(), false);
}

void Recordset::SetField(const QString& name, const QVariant& value) {
    const int i = Index(name);
    if (!editing_) {
        throw DbError(
            QStringLiteral("Update or CancelUpdate without AddNew or Edit: table %1").arg(table_));
    }
    pending_[i] = Convert(i, value);
    changed_[i] = true;
}

void Recordset::CancelUpdate() {
    editing_ = false;
    pending_.clear();
    changed_.clear();
}

void Recordset::Update() {
    if (!editing_) {
        throw DbError(
            QStringLiteral("Update or CancelUpdate without AddNew or Edit: table %1").arg(table_));
    }
    QStringList sets;
    QVariantList values;
    for (qsizetype i = 0; i < names_.size(); ++i) {
        if (!changed_[i]) continue;
        sets << QuoteName(names_[i]) + QStringLiteral(" = ?");
        values << pending_[i];
    }
    if (!sets.isEmpty()) {
        if (!rowid_) throw DbError(QStringLiteral("No current record in table %1").arg(table_));
        Statement st(db_.Handle(), QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                       .arg(QuoteName(table_), sets.join(QStringLiteral(", "))));
        int n = 1;
        for (const QVariant& v : values) st.Bind(n++, v);
        st.Bind(n, QVariant(qlonglong(*rowid_)));
        st.Step();
        if (sqlite3_changes(db_.Handle()) == 0) {
            throw DbError(
                QStringLiteral("No current record in table %1: the row was deleted").arg(table_));
        }
    }
    CancelUpdate();
    loaded_ = false;
}

}  // namespace orv
