// The working copy, project file checks, Open's copy-in, Save's copy-out, the lock and the
// reserved names.
#include "store/project_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <cstring>
#include <functional>

#include "store/schema.h"
#include "support/other_program.h"
#include "support/printers.h"
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
    QString ProjectName() { return Recordset(work_, "VORN").Text("ProjectName"); }

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

// A stored number that the system turns into a whole number or a single, or whose amounts
// would leave the single range, is refused naming the field and the value; a number beyond
// the field's entry check but within its bound opens.
TEST_F(ProjectStoreTest, ANumberBeyondItsBoundIsRefusedNamingTheField) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* table;
        const char* column;
        QVariant value;
        bool opens;
    };
    const Case cases[] = {
        {"VORN", "AnalysisPeriod", 1e300, false},
        {"VORN", "AnalysisPeriod", 32767, true},
        {"VORN", "AnalysisPeriod", -32768, false},
        {"VORN", "CustomMaintenance", 40000, false},
        {"VORN", "SubgradePrepTwo", 1, true},
        {"VORN", "Length", 1e6, true},  // beyond the entry check's 500,000
        {"VORN", "Length", 1000001, false},
        {"VORN", "Width", -2e6, false},
        {"VORN", "Area", 1e12, true},
        {"VORN", "Area", 1.01e12, false},
        {"VORN", "SurfaceDepthOne", 150, true},
        {"VORN", "ConstOptionTwo", 1e9, true},
        {"VORN", "ConstOptionTwo", 1e40, false},
        {"VORN", "ConstructionOptionOne", -1.1e9, false},
        {"VORN", "InflationRate", 25, true},
        {"VORN", "InterestRate", 25.5, false},
        {"VORN", "InflationRate", -26, false},
        {"VORN", "AsphaltCementCost", 5000, true},  // beyond the entry check's $999.99
        {"VORN", "AsphaltCementCost", inf, false},
        {"VORN", "GrindingCost", -1.5e9, false},
        {"VORN", "AnalysisText", "1e300", false},
        {"VORN", "AnalysisText", "50 years", true},
        {"VORN", "SalvageOne", "1001", false},
        {"VORN", "SalvageTwo", 15, true},
        {"VORN", "ProjectName", "1e300", true},  // read as no number
        {"CustomACAC", "OptOneThreeDepth", 150, true},
        {"CustomACAC", "OptTwoZeroDepth", 2e9, false},
        {"CustomACAG", "OptOneOneYear", 51, false},
        {"CustomACAG", "OptOneOneYear", -50, true},
        {"CustomACAG", "OptTwoEightSpare", 1e300, true},  // read by nothing
        {"CustomACPC", "OptTwoTotalValue", 3.5e38, false},
        {"DefaultACAC", "OptOneTotalCost", -3.4e38, true},
        {"DefaultACAG", "OptTwoBladeInterval", 1e10, false},
        {"DefaultACPC", "OptTwoJointOneYear", 60, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + "." + c.column + " = " +
                     c.value.toString().toStdString());
        const QString file = WriteReversedProject(QStringLiteral("p%1.mdb").arg(n++));
        {
            Database db = Database::Open(file);
            db.QueryValue(QStringLiteral("UPDATE %1 SET %2 = ?1").arg(c.table, c.column),
                          {c.value});
            db.Close();
        }
        const std::optional<QString> why = CheckProjectFile(file);
        EXPECT_EQ(!why.has_value(), c.opens) << why.value_or("").toStdString();
        if (why) {
            const QString start =
                QStringLiteral("field %1 of table %2 holds ").arg(c.column, c.table);
            EXPECT_TRUE(why->startsWith(start) && why->endsWith(", which is out of range"))
                << why->toStdString();
        }
    }
}

// The reason shows the stored value: a number as the file holds it, a text in quotes.
TEST_F(ProjectStoreTest, ARefusedNumberIsShownAsStoredAndTheWorkingTablesStay) {
    SetProjectName("Current work");
    const QList<QVariantList> before = Dump(work_);
    const QString file = WriteReversedProject("big.mdb");
    Database(Database::Open(file)).Execute("UPDATE VORN SET AnalysisPeriod = 1e300");
    try {
        CopyProjectIn(work_, file);
        ADD_FAILURE() << "copied";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(e.Reason(),
                  "field AnalysisPeriod of table VORN holds 1e+300, which is out of range");
        EXPECT_TRUE(e.Message().contains(file)) << e.what();
    }
    EXPECT_EQ(Dump(work_), before);
    Database(Database::Open(file))
        .Execute("UPDATE VORN SET AnalysisPeriod = 1, SalvageTwo = '2e3 %'");
    EXPECT_EQ(CheckProjectFile(file),
              "field SalvageTwo of table VORN holds \"2e3 %\", which is out of range");
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
        ADD_FAILURE() << "written on a full disk";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(e.Reason(), "the disk holding " + QFileInfo(target).absolutePath() + " is full");
        EXPECT_TRUE(e.Message().contains("database or disk is full")) << e.what();
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

// A new file that does not read back is given up with the reason Open would give, or with
// the engine's own reason, and the old file stays.
TEST_F(ProjectStoreTest, AReadBackFailureSaysWhatOpenWouldSay) {
    const QString target = path("old.mdb");
    WriteProjectFile(work_, target);
    const QByteArray old = FileHash(target);
    // Spoils the header of the new file before it is checked.
    WriteProjectOptions damaging;
    damaging.beforeStep = [this](WriteStep s) {
        if (s != WriteStep::CheckFile) return;
        for (const QString& name :
             QDir(folder()).entryList({".old.mdb.*"}, QDir::Hidden | QDir::Files)) {
            QFile f(path(name));
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            f.write(QByteArray(100, 'x'));
        }
    };
    struct Case {
        const char* sql;
        WriteProjectOptions options;
        QString reason;
    };
    const Case cases[] = {
        {"UPDATE CustomACAC SET OptOneTwoYear = 1000",
         {},
         "field OptOneTwoYear of table CustomACAC holds 1000, which is out of range"},
        {"UPDATE CustomACAC SET OptOneTwoYear = 0", damaging, "file is not a database"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        work_.Execute(c.sql);
        try {
            WriteProjectFile(work_, target, c.options);
            ADD_FAILURE() << "written";
        } catch (const ProjectFileError& e) {
            EXPECT_EQ(e.Reason(), "it did not read back as a project file: " + c.reason);
        }
        EXPECT_EQ(FileHash(target), old);
        EXPECT_EQ(FolderEntries(), QStringList({"VORN.mdb", "VORNTMP.mdb", "old.mdb"}));
    }
}

// A copy of the template that a write cuts short (here the file size limit, as a full disk
// would) says the system's reason and leaves no partial copy.
TEST_F(ProjectStoreTest, AWorkingCopyWrittenShortSaysWhyAndIsRemoved) {
    const QString work = path("short.mdb");
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Beyond the limit a write stops short, and the next one fails with EFBIG.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{8192, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QByteArray said = "copied";
        try {
            MakeWorkingCopy(templatePath_, work);
        } catch (const DbError& e) {
            said = e.what();
        }
        if (::write(out[1], said.constData(), static_cast<size_t>(said.size())) < 0) ::_exit(2);
        ::_exit(0);
    }
    ::close(out[1]);
    QByteArray said;
    char buffer[512];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(said.toStdString(),
              QStringLiteral("Cannot copy the project template \"%1\" to \"%2\": %3")
                  .arg(templatePath_, work, QString::fromLocal8Bit(std::strerror(EFBIG)))
                  .toStdString());
    EXPECT_FALSE(QFile::exists(work));
    EXPECT_GT(QFileInfo(templatePath_).size(), 8192);
}

// Changes another program committed into a "-wal" are part of the file; a Save replaces
// the file together with them, so they cannot come back over the saved project.
TEST_F(ProjectStoreTest, ChangesLeftInAWalAreReadAndASaveReplacesThem) {
    const QString file = path("road.mdb");
    SetProjectName("Before");
    WriteProjectFile(work_, file);
    test::LeaveUncheckpointedWal(file, "UPDATE VORN SET ProjectName = 'Changed Elsewhere'");
    const QByteArray fileHash = FileHash(file);
    const QByteArray walHash = FileHash(file + "-wal");

    EXPECT_EQ(CheckProjectFile(file), std::nullopt);
    CopyProjectIn(work_, file);
    EXPECT_EQ(ProjectName(), "Changed Elsewhere");
    EXPECT_EQ(FileHash(file), fileHash);
    EXPECT_EQ(FileHash(file + "-wal"), walHash);

    SetProjectName("Edited After Open");
    WriteProjectFile(work_, file);
    EXPECT_EQ(FolderEntries(), QStringList({"VORN.mdb", "VORNTMP.mdb", "road.mdb"}));
    ResetProjectTables(work_);
    CopyProjectIn(work_, file);
    EXPECT_EQ(ProjectName(), "Edited After Open");
}

// A hot journal another program left is never rolled back into the chosen file: Open
// refuses it unchanged, a Save over it leaves a file that opens, and a saved file that
// does not open as Open reads it is reported.
TEST_F(ProjectStoreTest, AHotJournalIsRefusedUnchangedAndASaveOverItOpens) {
    const QString file = path("road.mdb");
    const QString journal = file + "-journal";
    const QString reason = "another program left unfinished changes beside it (road.mdb-journal)";
    WriteProjectFile(work_, file);
    test::LeaveHotJournal(file, "UPDATE VORN SET ProjectName = 'Never Committed'");
    const QByteArray fileHash = FileHash(file);
    const QByteArray journalHash = FileHash(journal);

    EXPECT_EQ(CheckProjectFile(file), reason);
    try {
        CopyProjectIn(work_, file);
        ADD_FAILURE() << "copied";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(e.Reason(), reason);
    }
    EXPECT_EQ(FileHash(file), fileHash);
    EXPECT_EQ(FileHash(journal), journalHash);

    SetProjectName("Saved Over");
    WriteProjectFile(work_, file);
    EXPECT_EQ(FolderEntries(), QStringList({"VORN.mdb", "VORNTMP.mdb", "road.mdb"}));
    CopyProjectIn(work_, file);
    EXPECT_EQ(ProjectName(), "Saved Over");

    // Another program leaves a journal beside the file just after it was replaced.
    WriteProjectOptions late;
    late.beforeStep = [&](WriteStep s) {
        if (s == WriteStep::CheckSaved) test::LeaveHotJournal(file, "DELETE FROM VORN");
    };
    try {
        WriteProjectFile(work_, file, late);
        ADD_FAILURE() << "saved";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(e.Reason(), "it does not open after saving: " + reason);
    }
}

TEST_F(ProjectStoreTest, AFileLockedByAnotherProgramIsCalledInUse) {
    const QString file = path("road.mdb");
    SetProjectName("Committed");
    WriteProjectFile(work_, file);
    ResetProjectTables(work_);
    using Kind = test::OtherProgramLock::Kind;
    const std::optional<QString> inUse =
        QString("it is in use by another program; close it there and try again");
    struct Case {
        const char* what;
        Kind kind;
        std::optional<QString> reason;
    };
    for (const Case& c :
         {Case{"write lock", Kind::Write, inUse}, Case{"whole-file lock", Kind::WholeFile, inUse},
          // Readers may read while a writer prepares its change.
          Case{"pending change", Kind::PendingChange, std::nullopt}}) {
        SCOPED_TRACE(c.what);
        test::OtherProgramLock lock(file, c.kind);
        EXPECT_EQ(CheckProjectFile(file), c.reason);
        if (!c.reason) {
            CopyProjectIn(work_, file);
            EXPECT_EQ(ProjectName(), "Committed");
        }
    }
    EXPECT_EQ(CheckProjectFile(file), std::nullopt);
}

// A Save removes the temporary files that Saves of the same target left when their
// process ended inside them, and nothing of anyone else.
TEST_F(ProjectStoreTest, ASaveRemovesTemporariesOfItsTargetLeftByAnEarlierProcess) {
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    auto make = [&](const QString& name, const QByteArray& content, bool old) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.flush();
        if (old) {
            ASSERT_TRUE(f.setFileTime(hourAgo, QFileDevice::FileModificationTime));
        }
    };
    QFile tmpl(templatePath_);
    ASSERT_TRUE(tmpl.open(QIODevice::ReadOnly));
    const QByteArray database = tmpl.readAll();
    make(".road.mdb.AbCdEf", database, true);           // left by a killed Save
    make(".road.mdb.AbCdEf-journal", "journal", true);  // and its journal
    make(".road.mdb.QwErTy", "", true);                 // killed just after it was made
    const QStringList stay = {
        ".road.mdb.GhIjKl",   // younger than this process: a Save running now
        ".road.mdb.MnOpQr",   // no database: another program's
        ".other.mdb.StUvWx",  // another target's
        ".road.mdb.swp",      // another kind of name
        "road.mdb.AbCdEf",
    };
    make(stay[0], database, false);
    make(stay[1], "an editor's file", true);
    for (const QString& name : stay.mid(2)) make(name, database, true);

    WriteProjectFile(work_, path("road.mdb"));
    QStringList expected = stay + QStringList{"VORN.mdb", "VORNTMP.mdb", "road.mdb"};
    expected.sort();
    QStringList entries = FolderEntries();
    entries.sort();
    EXPECT_EQ(entries.join(' ').toStdString(), expected.join(' ').toStdString());
}

// The program dies at each step of a save: before the rename the target is still the whole
// old file, or there is still none; after it, and after a completed save, the whole new one.
TEST_F(ProjectStoreTest, SaveCutOffAtAnyStepLeavesTheOldFileOrNone) {
    const QString target = path("old.mdb");
    WriteProjectFile(work_, target);
    const QByteArray old = FileHash(target);
    SetProjectName("Unsaved");
    for (WriteStep step : {WriteStep::CopyTables, WriteStep::CheckFile, WriteStep::SyncFile,
                           WriteStep::Replace, WriteStep::CheckSaved}) {
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
            if (step == WriteStep::CheckSaved) {
                // Already renamed: the whole new file stands in its place.
                Database saved = Database::Open(file, Database::Mode::ReadOnly);
                EXPECT_EQ(Recordset(saved, "VORN").Text("ProjectName"), "Unsaved");
            } else if (file == target) {
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
    const QString target = "/proc/orvalen-project.mdb";
    try {
        WriteProjectFile(work_, target);
        ADD_FAILURE() << "written into /proc";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(e.Reason(), "its folder cannot be written to");
        EXPECT_TRUE(e.Message().contains("/proc")) << e.what();
    }
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(QDir("/proc").entryList({".orvalen-project.mdb*"}, QDir::Files | QDir::Hidden),
              QStringList());
    EXPECT_EQ(work_.TransactionDepth(), 0);
}

// A full disk is told by the engine's result code, whatever its text, and names the folder
// of the working copy; other failures give the engine's reason.
TEST_F(ProjectStoreTest, AWorkingCopyWriteFailureIsToldByTheEnginesCode) {
    const QString work = path(kWorkFileName);
    const QString full = "the working file could not be written: the disk holding " +
                         QFileInfo(work).absolutePath() + " is full";
    const QString other =
        "the working file in " + QFileInfo(work).absolutePath() + " could not be written";
    struct Case {
        int code;
        const char* text;
        QString reason;
    };
    const std::vector<Case> cases = {
        {SQLITE_FULL, "SQL failed: UPDATE ...: database or disk is full", full},
        {SQLITE_FULL | (1 << 8), "SQL failed: COMMIT", full},
        {SQLITE_IOERR_WRITE, "SQL failed: COMMIT: disk I/O error", other + ": disk I/O error"},
        {0, "Cannot write: database or disk is full", other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const ProjectFileError e = WorkingCopyWriteError(DbError(c.text, c.code), work);
        EXPECT_EQ(e.Reason(), c.reason);
        EXPECT_EQ(e.Message(), c.text);
    }
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
