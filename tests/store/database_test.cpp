// The database engine: opening files, statements, recordsets and copies by column name.
#include "platform/database.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/temp_folder.h"

namespace orv {
namespace {

class DatabaseTest : public test::TempFolderTest {
  protected:
    void SetUp() override {
        db_ = Database::Create(path("a.mdb"));
        db_.Execute("CREATE TABLE T (Name TEXT, Year DOUBLE, Cost DOUBLE)");
        db_.InsertRow("T", {"Fog Seal", 5, 12.5});
    }
    Database db_;
};

TEST_F(DatabaseTest, OpenRefusesWhatIsNoDatabase) {
    QFile text(path("notes.mdb"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    QDir(folder()).mkdir("dir.mdb");
    for (const QString name : {"notes.mdb", "missing.mdb", "dir.mdb"}) {
        try {
            Database::Open(path(name));
            ADD_FAILURE() << name.toStdString() << " opened";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.Message().contains(name)) << e.what();
        }
    }
    EXPECT_FALSE(QFile::exists(path("missing.mdb")));
    EXPECT_THROW(Database::Create(path("a.mdb")), DbError);
}

TEST_F(DatabaseTest, ExecuteReadsTheJetDeleteFormAndInsertIsPositional) {
    db_.Execute("DELETE * FROM T");
    EXPECT_EQ(db_.RowCount("T"), 0);
    db_.Execute("INSERT INTO T VALUES( 'Blade',0,100)");
    EXPECT_EQ(db_.RowCount("T"), 1);
    EXPECT_THROW(db_.InsertRow("T", {"Blade", 0}), DbError);
    EXPECT_THROW(db_.InsertRow("T", {"Blade", 0, 1, 2}), DbError);
    EXPECT_THROW(db_.Execute("DELETE * FROM Missing"), DbError);
}

TEST_F(DatabaseTest, TableNamesPassOverSystemTables) {
    for (const QString t : {"MSysObjects", "MsUser", "msLower", "Seq"}) {
        db_.Execute(QString("CREATE TABLE %1 (x DOUBLE)").arg(t));
    }
    db_.Execute("CREATE TABLE Auto (id INTEGER PRIMARY KEY AUTOINCREMENT)");
    db_.Execute("INSERT INTO Auto DEFAULT VALUES");  // makes sqlite_sequence
    EXPECT_EQ(db_.TableNames(), QStringList({"T", "MsUser", "msLower", "Seq", "Auto"}));
    EXPECT_EQ(db_.ColumnNames("T"), QStringList({"Name", "Year", "Cost"}));
}

TEST_F(DatabaseTest, RecordsetReadsFieldsByNameAndFailsLoudlyOnAnotherName) {
    Recordset rs(db_, "T");
    EXPECT_EQ(rs.Text("Name"), "Fog Seal");
    EXPECT_EQ(rs.Number("year"), 5);  // names are not case-sensitive
    EXPECT_EQ(rs.Field("Cost"), QVariant(12.5));
    try {
        rs.Field("Depth");
        ADD_FAILURE() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.Message().contains("Depth")) << e.what();
    }
}

TEST_F(DatabaseTest, RecordsetSeesRowsReplacedBySqlOnceMovedFirst) {
    Recordset rs(db_, "T");
    EXPECT_EQ(rs.Text("Name"), "Fog Seal");
    db_.Execute("DELETE * FROM T");
    EXPECT_THROW(rs.Field("Name"), DbError);  // its row is gone
    db_.InsertRow("T", {"Blade", 1, 2});
    rs.MoveFirst();
    EXPECT_EQ(rs.Text("Name"), "Blade");
    db_.Execute("DELETE FROM T");
    rs.MoveFirst();
    EXPECT_TRUE(rs.IsEmpty());
    EXPECT_THROW(rs.Field("Name"), DbError);
    EXPECT_THROW(rs.Edit(), DbError);
}

TEST_F(DatabaseTest, EditSetFieldUpdateWritesTheRowInPlace) {
    Recordset rs(db_, "T");
    Recordset other(db_, "T");
    EXPECT_EQ(other.Number("Year"), 5);  // cached
    EXPECT_THROW(rs.SetField("Year", 7), DbError);
    EXPECT_THROW(rs.Update(), DbError);
    rs.Edit();
    rs.SetField("Year", 7.0);
    EXPECT_EQ(rs.Number("Year"), 7);     // the pending value
    EXPECT_EQ(other.Number("Year"), 5);  // not stored yet
    rs.SetField("Name", 20.0);           // a number written to a text column
    EXPECT_EQ(rs.Field("Name"), QVariant(QString("20")));
    EXPECT_THROW(rs.SetField("Cost", "abc"), DbError);
    EXPECT_THROW(rs.SetField("Depth", 1), DbError);
    rs.SetField("Cost", " 3.5");  // a text that is a number
    rs.Update();
    EXPECT_FALSE(rs.IsEditing());
    EXPECT_EQ(other.Number("Year"), 7);
    EXPECT_EQ(other.Text("Name"), "20");
    EXPECT_EQ(other.Number("Cost"), 3.5);
    EXPECT_EQ(db_.RowCount("T"), 1);
}

TEST_F(DatabaseTest, NullAndTextThatIsNoNumberFailToConvert) {
    db_.Execute("UPDATE T SET Name = NULL, Year = 'soon'");
    Recordset rs(db_, "T");
    EXPECT_TRUE(rs.Field("Name").isNull());
    EXPECT_THROW(rs.Text("Name"), DbError);
    EXPECT_THROW(rs.Number("Year"), DbError);
}

TEST_F(DatabaseTest, RollbackUndoesANestedTransaction) {
    Recordset rs(db_, "T");
    db_.BeginTransaction();
    db_.Execute("UPDATE T SET Year = 1");
    {
        Transaction inner(db_);
        db_.Execute("UPDATE T SET Year = 2");
        EXPECT_EQ(rs.Number("Year"), 2);
    }  // rolled back
    EXPECT_EQ(rs.Number("Year"), 1);
    db_.Rollback();
    EXPECT_EQ(rs.Number("Year"), 5);
    EXPECT_EQ(db_.TransactionDepth(), 0);
}

// Without syncs the journal stays in memory, and a transaction still rolls back.
TEST_F(DatabaseTest, WritingWithoutSyncKeepsNoJournalFileAndStillRollsBack) {
    db_.WriteWithoutSync();
    EXPECT_EQ(db_.QueryValue("PRAGMA synchronous").toInt(), 0);
    Recordset rs(db_, "T");
    {
        Transaction tx(db_);
        db_.Execute("UPDATE T SET Year = 1");
        db_.InsertRow("T", {"Chip Seal", 7, 3.5});
        EXPECT_FALSE(QFile::exists(path("a.mdb-journal")));
    }  // rolled back
    EXPECT_EQ(rs.Number("Year"), 5);
    EXPECT_EQ(db_.RowCount("T"), 1);

    // An attached file is set on its own.
    Database::Create(path("b.mdb")).Close();
    db_.Attach(path("b.mdb"), "b", Database::Mode::ReadWrite);
    EXPECT_EQ(db_.QueryValue("PRAGMA b.journal_mode").toString(), "delete");
    db_.WriteWithoutSync("b");
    EXPECT_EQ(db_.QueryValue("PRAGMA b.journal_mode").toString(), "memory");
    EXPECT_EQ(db_.QueryValue("PRAGMA b.synchronous").toInt(), 0);
}

// Copies match columns by name, not by position.
TEST_F(DatabaseTest, TableCopiesMatchColumnsByName) {
    {
        Database other = Database::Create(path("b.mdb"));
        other.Execute("CREATE TABLE T (Cost DOUBLE, Name TEXT, Year DOUBLE)");
        other.InsertRow("T", {99.5, "Overlay", 12});
    }
    {
        Attachment src(db_, path("b.mdb"), "src", Database::Mode::ReadOnly);
        db_.Execute("DELETE FROM T");
        db_.CopyRowsFromAttached("src", "T");
        EXPECT_THROW(db_.Execute("INSERT INTO src.T VALUES (1, 'x', 2)"), DbError);  // read-only
    }
    Recordset rs(db_, "T");
    EXPECT_EQ(rs.Text("Name"), "Overlay");
    EXPECT_EQ(rs.Number("Year"), 12);
    EXPECT_EQ(rs.Number("Cost"), 99.5);

    {
        Attachment out(db_, path("b.mdb"), "out", Database::Mode::ReadWrite);
        db_.CopyRowsToAttached("out", "T");
    }
    Database other = Database::Open(path("b.mdb"));
    EXPECT_EQ(other.RowCount("T"), 2);
    EXPECT_EQ(other
                  .QueryValue("SELECT count(*) FROM T WHERE Name = 'Overlay' AND Year = 12 "
                              "AND Cost = 99.5")
                  .toInt(),
              2);
}

TEST_F(DatabaseTest, ClosedDatabaseFailsEveryCall) {
    Recordset rs(db_, "T");
    db_.Close();
    EXPECT_FALSE(db_.IsOpen());
    EXPECT_THROW(db_.Execute("DELETE FROM T"), DbError);
    EXPECT_THROW(rs.MoveFirst(), DbError);
}

}  // namespace
}  // namespace orv
