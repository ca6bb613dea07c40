// The working copy, project file checks, Open's copy-in, Save's copy-out, the lock and the
// reserved names.
#include "store/project_store.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <functional>

#include "store/schema.h"
#include "support/temp_folder.h"

namespace orv {
namespace {

QByteArray FileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Every field of every row of the seven tables.
QList<QVariantList> Dump(Database& db) {
    QList<QVariantList> rows;
    for (const schema::TableDef& t : schema::ProjectTables()) {
        rows.append(QVariantList{t.name, qlonglong(db.RowCount(t.name))});
        if (db.RowCount(t.name) == 0) continue;
        Recordset rs(db, t.name);
        QVariantList row;
        for (const QString& f : rs.FieldNames()) row << rs.Field(f);
        rows.append(row);
    }
    return rows;
}

class ProjectStoreTest : public test::TempFolderTest {
  protected:
    void SetUp() override {
        templatePath_ = path(kTemplateFileName);
        workPath_ = path(kWorkFileName);
        schema::WriteTemplate(templatePath_);
        MakeWorkingCopy(templatePath_, workPath_);
        work_ = OpenWorkingCopy(workPath_);
        ResetProjectTables(work_);
    }

    // A project file whose columns stand in reverse order, with values unlike a new project.
    QString WriteReversedProject(const QString& name) {
        const QString file = path(name);
        Database db = Database::Create(file);
        for (const schema::TableDef& t : schema::ProjectTables()) {
            std::vector<ColumnInfo> cols = t.ColumnInfos();
            std::reverse(cols.begin(), cols.end());
            db.CreateTable(t.name, cols);
            QVariantList row = t.newProjectRow;
            std::reverse(row.begin(), row.end());
            db.InsertRow(t.name, row);
        }
        db.Execute("UPDATE VORN SET ProjectName = 'Main St', Area = 900, SalvageTwo = '10'");
        db.Execute("UPDATE CustomACAG SET OptTwoEightDepth = 2.5, OptTwoEightSpare = 7");
        db.Close();
        return file;
    }

    void SetProjectName(const QString& name) {
        Recordset vorn(work_, "VORN");
        vorn.Edit();
        vorn.SetField("ProjectName", name);
        vorn.Update();
    }

    QStringList FolderEntries() const {
        return QDir(folder()).entryList(
            QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Dirs, QDir::Name);
    }

    QString templatePath_;
    QString workPath_;
    Database work_;
};

TEST_F(ProjectStoreTest, WorkingCopyReplacesAnOldCopyAndItsJournal) {
    SetProjectName("Earlier run");
    work_.Close();
    QFile journal(workPath_ + "-journal");
    ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
    journal.write(QByteArray(512, 'j'));
    journal.close();
    QFile(templatePath_).setPermissions(QFileDevice::ReadOwner);

    MakeWorkingCopy(templatePath_, workPath_);
    EXPECT_FALSE(QFile::exists(workPath_ + "-journal"));
    EXPECT_TRUE(QFileInfo(workPath_).permissions() & QFileDevice::WriteOwner);
    Database db = Database::Open(workPath_);
    ResetProjectTables(db);
    EXPECT_EQ(Recordset(db, "VORN").Text("ProjectName"), "New Project");
}

TEST_F(ProjectStoreTest, MissingOrDamagedTemplateIsNamedInTheError) {
    const QString damaged = path("damaged.mdb");
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is no database, but long enough to have a header .........................");
    f.close();
    for (const QString& t : {path("none.mdb"), damaged}) {
        const std::optional<QString> why = CheckTemplateFile(t);
        ASSERT_TRUE(why.has_value());
        EXPECT_TRUE(why->contains(t)) << why->toStdString();
        try {
            MakeWorkingCopy(t, path("w.mdb"));
            ADD_FAILURE() << "copied";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.Message().contains(t)) << e.what();
        }
    }
    EXPECT_EQ(CheckTemplateFile(templatePath_), std::nullopt);
}

TEST_F(ProjectStoreTest, CheckProjectFileNamesWhatIsWrong) {
    struct Case {
        const char* what;
        std::function<QString()> make;  // returns the path to check
        const char* expected;           // the reason
    };
    auto variant = [this](const QString& name, const QString& sql) {
        const QString file = WriteReversedProject(name);
        Database db = Database::Open(file);
        db.Execute(sql);
        return file;
    };
    const std::vector<Case> cases = {
        {"not a database",
         [this] {
             QFile f(path("text.mdb"));
             f.open(QIODevice::WriteOnly);
             f.write(QByteArray(2048, 'x'));
             return path("text.mdb");
         },
         "it is not a project file"},
        {"empty file",
         [this] {
             QFile f(path("empty.mdb"));
             f.open(QIODevice::WriteOnly);
             return path("empty.mdb");
         },
         "it is not a project file"},
        {"missing", [this] { return path("missing.mdb"); }, "it does not exist"},
        {"directory",
         [this] {
             QDir(folder()).mkdir("d.mdb");
             return path("d.mdb");
         },
         "it is a folder, not a file"},
        {"lacking a table", [&] { return variant("t1.mdb", "DROP TABLE CustomACPC"); },
         "it has no table CustomACPC"},
        {"a column too many",
         [&] { return variant("t2.mdb", "ALTER TABLE DefaultACAC ADD COLUMN Extra DOUBLE"); },
         "table DefaultACAC has the unknown column Extra"},
        {"a column renamed",
         [&] { return variant("t3.mdb", "ALTER TABLE VORN RENAME COLUMN Area TO Aera"); },
         "table VORN lacks the column Area and has the unknown column Aera"},
        {"no row", [&] { return variant("t4.mdb", "DELETE FROM DefaultACAG"); },
         "table DefaultACAG has no row"},
        {"two rows",
         [&] { return variant("t5.mdb", "INSERT INTO CustomACAC SELECT * FROM CustomACAC"); },
         "table CustomACAC has 2 rows"},
        {"a Null field", [&] { return variant("t6.mdb", "UPDATE VORN SET SurfaceTwo = NULL"); },
         "field SurfaceTwo of table VORN is empty"},
        {"text in a number field",
         [&] { return variant("t7.mdb", "UPDATE VORN SET Area = 'big'"); },
         "field Area of table VORN holds no number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = c.make();
        const std::optional<QString> why = CheckProjectFile(file);
        ASSERT_TRUE(why.has_value());
        EXPECT_EQ(*why, c.expected);
    }
    EXPECT_EQ(CheckProjectFile(WriteReversedProject("good.mdb")), std::nullopt);
}

TEST_F(ProjectStoreTest, CopyInTakesColumnsByNameAndLeavesTheFileUnchanged) {
    const QString file = WriteReversedProject("O'Neil St #2.mdb");
    const QByteArray before = FileHash(file);
    CopyProjectIn(work_, file);
    EXPECT_EQ(FileHash(file), before);
    Recordset vorn(work_, "VORN");
    EXPECT_EQ(vorn.Text("ProjectName"), "Main St");
    EXPECT_EQ(vorn.Number("Area"), 900);
    EXPECT_EQ(vorn.Text("SalvageTwo"), "10");
    EXPECT_EQ(vorn.Text("SurfaceOptionTwoLabel"), "Undefined");
    Recordset acag(work_, "CustomACAG");
    EXPECT_EQ(acag.Number("OptTwoEightDepth"), 2.5);
    EXPECT_EQ(acag.Number("OptTwoEightSpare"), 7);
    EXPECT_EQ(acag.Text("OptTwoEight"), "Blade");
    for (const schema::TableDef& t : schema::ProjectTables()) EXPECT_EQ(work_.RowCount(t.name), 1);
}

TEST_F(ProjectStoreTest, FailedCopyInLeavesTheWorkingTablesAsTheyWere) {
    SetProjectName("Current work");
    const QList<QVariantList> before = Dump(work_);

    const QString bad = WriteReversedProject("bad.mdb");
    Database(Database::Open(bad)).Execute("DROP TABLE CustomACAC");
    EXPECT_THROW(CopyProjectIn(work_, bad), DbError);
    EXPECT_EQ(Dump(work_), before);

    // A failure in the middle of the copy, after the seven tables were replaced: the
    // working copy has one more table than the file.
    work_.Execute("CREATE TABLE Notes (Text TEXT)");
    const QString good = WriteReversedProject("good.mdb");
    try {
        CopyProjectIn(work_, good);
        ADD_FAILURE() << "copied";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.Message().contains("Notes")) << e.what();
    }
    EXPECT_EQ(Dump(work_), before);
    EXPECT_EQ(work_.TransactionDepth(), 0);
}

TEST_F(ProjectStoreTest, WrittenFileReadsBackAsTheSameProject) {
    SetProjectName("Round trip");
    {
        Recordset acac(work_, "CustomACAC");
        acac.Edit();
        acac.SetField("OptOneThreeYear", 12.0);
        acac.SetField("OptOneThree", "Overlay");
        acac.Update();
    }
    const QList<QVariantList> saved = Dump(work_);
    const QString target = path("saved.mdb");
    WriteProjectFile(work_, target);
    EXPECT_EQ(CheckProjectFile(target), std::nullopt);
    WriteProjectFile(work_, target);  // replacing an existing file

    ResetProjectTables(work_);
    ASSERT_NE(Dump(work_), saved);
    CopyProjectIn(work_, target);
    EXPECT_EQ(Dump(work_), saved);
    EXPECT_EQ(FolderEntries(), QStringList({"VORN.mdb", "VORNTMP.mdb", "saved.mdb"}));
}

// Tables whose names begin "MS" are the engine's own and stay behind; "Ms" is a user's.
TEST_F(ProjectStoreTest, SystemTablesAreNeitherWrittenNorReadIn) {
    work_.Execute(
        "CREATE TABLE MSysNotes (x TEXT); INSERT INTO MSysNotes VALUES ('keep');"
        "CREATE TABLE MsNotes (x TEXT); INSERT INTO MsNotes VALUES ('saved')");
    const QString target = path("p.mdb");
    WriteProjectFile(work_, target);
    {
        Database file = Database::Open(target, Database::Mode::ReadOnly);
        EXPECT_TRUE(file.HasTable("MsNotes"));
        EXPECT_FALSE(file.HasTable("MSysNotes"));
    }
    work_.Execute("INSERT INTO MSysNotes VALUES ('later'); INSERT INTO MsNotes VALUES ('x')");
    CopyProjectIn(work_, target);
    EXPECT_EQ(work_.RowCount("MSysNotes"), 2);
    EXPECT_EQ(work_.RowCount("MsNotes"), 1);
}

TEST_F(ProjectStoreTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const QString target = path("old.mdb");
    WriteProjectFile(work_, target);
    const QByteArray old = FileHash(target);
    SetProjectName("Unsaved");

    struct Case {
        const char* what;
        WriteProjectOptions options;
    };
    WriteProjectOptions full;
    full.maxPageCount = 4;  // the disk fills while the tables are written
    std::vector<Case> cases = {{"full disk", full}};
    for (WriteStep step :
         {WriteStep::CopyTables, WriteStep::CheckFile, WriteStep::SyncFile, WriteStep::Replace}) {
        WriteProjectOptions failing;
        failing.beforeStep = [step](WriteStep s) {
            if (s == step) throw DbError("simulated failure");
        };
        cases.push_back({"failure at a step", failing});
    }
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << c.what << " " << i);
        EXPECT_THROW(WriteProjectFile(work_, target, c.options), DbError);
        EXPECT_EQ(FileHash(target), old);
        EXPECT_EQ(FolderEntries(), QStringList({"VORN.mdb", "VORNTMP.mdb", "old.mdb"}));
        EXPECT_EQ(work_.TransactionDepth(), 0);
    }
    try {
        WriteProjectFile(work_, target, full);
    } catch (const DbError& e) {
        EXPECT_TRUE(e.Message().contains("full")) << e.what();
    }

    // A read-only file is not replaced; a folder is no file.
    QFile(target).setPermissions(QFileDevice::ReadOwner);
    EXPECT_THROW(WriteProjectFile(work_, target), DbError);
    EXPECT_EQ(FileHash(target), old);
    QDir(folder()).mkdir("dir.mdb");
    EXPECT_THROW(WriteProjectFile(work_, path("dir.mdb")), DbError);
    EXPECT_THROW(WriteProjectFile(work_, path("no/such/folder.mdb")), DbError);
    EXPECT_EQ(FolderEntries(), QStringList({"VORN.mdb", "VORNTMP.mdb", "dir.mdb", "old.mdb"}));
}

// The program dies at each step of a save: the target is still the whole old file, or
// there is still none; a completed save leaves the whole new one.
TEST_F(ProjectStoreTest, SaveCutOffAtAnyStepLeavesTheOldFileOrNone) {
    const QString target = path("old.mdb");
    WriteProjectFile(work_, target);
    const QByteArray old = FileHash(target);
    SetProjectName("Unsaved");
    for (WriteStep step :
         {WriteStep::CopyTables, WriteStep::CheckFile, WriteStep::SyncFile, WriteStep::Replace}) {
        for (const QString& file : {target, path("new.mdb")}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(step) << " " << file.toStdString());
            WriteProjectOptions dying;
            dying.beforeStep = [step](WriteStep s) {
                if (s == step) ::_exit(3);
            };
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                WriteProjectFile(work_, file, dying);
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(pid, &status, 0);
            ASSERT_TRUE(WIFEXITED(status));
            ASSERT_EQ(WEXITSTATUS(status), 3);
            if (file == target) {
                EXPECT_EQ(FileHash(target), old);
            } else {
                EXPECT_FALSE(QFile::exists(file));
            }
        }
    }
    WriteProjectFile(work_, target);
    Database saved = Database::Open(target, Database::Mode::ReadOnly);
    EXPECT_EQ(Recordset(saved, "VORN").Text("ProjectName"), "Unsaved");
}

TEST_F(ProjectStoreTest, WriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
    QDir(folder()).mkdir("ro");
    const QString target = path("ro/p.mdb");
    WriteProjectFile(work_, target);
    const QByteArray old = FileHash(target);
    QFile(path("ro")).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(WriteProjectFile(work_, target), DbError);
    EXPECT_EQ(FileHash(target), old);
    EXPECT_EQ(QDir(path("ro")).entryList(QDir::Files | QDir::Hidden), QStringList({"p.mdb"}));
    QFile(path("ro"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ProjectStoreTest, FolderWhereNoFileCanBeMadeFailsCleanly) {
    // Not even root can create files here.
    EXPECT_THROW(WriteProjectFile(work_, "/proc/orvalen-project.mdb"), DbError);
}

TEST_F(ProjectStoreTest, SecondLockHolderIsRefused) {
    WorkingCopyLock first;
    ASSERT_TRUE(first.Acquire(workPath_)) << first.ErrorText().toStdString();
    WorkingCopyLock second;
    EXPECT_FALSE(second.Acquire(workPath_));
    EXPECT_TRUE(second.ErrorText().contains(workPath_));

    // Another process.
    auto childAcquires = [this] {
        const pid_t pid = ::fork();
        if (pid == 0) {
            WorkingCopyLock lock;
            ::_exit(lock.Acquire(workPath_) ? 0 : 1);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_FALSE(childAcquires());
    first.Release();
    EXPECT_TRUE(childAcquires());
    EXPECT_TRUE(second.Acquire(workPath_));
}

TEST_F(ProjectStoreTest, ReservedPathsAreFoundThroughOtherSpellings) {
    QDir(folder()).mkdir("sub");
    ASSERT_TRUE(QFile::link(templatePath_, path("sub/link.mdb")));
    ASSERT_TRUE(QFile::link(folder(), path("sub/dirlink")));
    ASSERT_EQ(::link(QFile::encodeName(workPath_).constData(),
                     QFile::encodeName(path("hard.mdb")).constData()),
              0);
    const QString saved = QDir::currentPath();
    QDir::setCurrent(path("sub"));
    struct Case {
        QString path;
        ReservedFile expected;
    };
    const std::vector<Case> cases = {
        {templatePath_, ReservedFile::Template},
        {templatePath_.toUpper(), ReservedFile::Template},
        {"../VORN.mdb", ReservedFile::Template},
        {"../sub/../vorn.MDB", ReservedFile::Template},
        {"link.mdb", ReservedFile::Template},
        {"dirlink/VORNTMP.mdb", ReservedFile::WorkingCopy},
        {workPath_, ReservedFile::WorkingCopy},
        {path("hard.mdb"), ReservedFile::WorkingCopy},
        {workPath_ + ".lock", ReservedFile::WorkingCopy},
        {path("VORN2.mdb"), ReservedFile::None},
        {"../new/VORN.mdb", ReservedFile::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReservedProjectFile(c.path, templatePath_, workPath_), c.expected)
            << c.path.toStdString();
    }
    EXPECT_FALSE(IsReservedProjectPath(path("other.mdb"), templatePath_, workPath_));
    QDir::setCurrent(saved);
}

}  // namespace
}  // namespace orv
