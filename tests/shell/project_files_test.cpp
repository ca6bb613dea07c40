// New, Open, Save, Save As through scripted dialogs, and files that are no project.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "inputs/fm_data_entry.h"
#include "support/app_fixture.h"
#include "support/other_program.h"

using namespace orv;
using namespace orv::test;

namespace {

const QString kSpecial =
    " Please Select A Filename That Does Not Contain Apostrophies Or Other Special Characters";
const QString kReserved = " Is Reserved For VORN, Please Select A Different Filename";

// Every value of every table of a database, for comparing whole projects.
QStringList Snapshot(Database db) {
    QStringList out;
    for (const QString& table : db.TableNames()) {
        Recordset r(db, table);
        r.MoveFirst();
        for (const QString& f : r.FieldNames())
            out << table + "." + f + "=" + r.Field(f).toString();
    }
    return out;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class ProjectFilesTest : public AppTest {
  protected:
    void setName(const QString& name) {
        main().rstVORN.Edit();
        main().rstVORN.SetField("ProjectName", name);
        main().rstVORN.Update();
        // Every save writes the input windows into the record first.
        main().fmDataEntry().ResetEntries();
    }
    QString name() { return main().rstVORN.Text("ProjectName"); }
    QStringList working() { return Snapshot(main().dbVORN); }
    void saveAs(const QString& file) {
        backend().fileNames.push_back(file);
        menu("MenuFileSaveAs");
    }
    void open(const QString& file) {
        backend().fileNames.push_back(file);
        menu("MenuFileOpen");
    }
    const ScriptedBackend::Message& lastMessage() { return backend().messages.back(); }
};

TEST_F(ProjectFilesTest, NewAsksOnlyWhenChangedAndCountsAsAChange) {
    setName("Main Street");
    menu("MenuFileNew");
    EXPECT_TRUE(backend().messages.empty());
    EXPECT_EQ(name(), "New Project");
    EXPECT_TRUE(main().bStateChanged);

    // Yes with no current file goes to Save As; a cancelled dialog saves nothing, and the
    // new project still replaces the current one.
    setName("Elm Road");
    backend().answers = {MsgAnswer::Yes};
    menu("MenuFileNew");
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, " Save Existing Analysis Information To File ?? ");
    EXPECT_EQ(lastMessage().title, "SAVE ??");
    EXPECT_EQ(lastMessage().style, MsgStyle::YesNoExclamation);
    EXPECT_EQ(backend().fileRequests.size(), 1u);
    EXPECT_EQ(name(), "New Project");

    // No saves nothing.
    backend().answers = {MsgAnswer::No};
    menu("MenuFileNew");
    EXPECT_EQ(backend().fileRequests.size(), 1u);
}

TEST_F(ProjectFilesTest, SaveAsThenOpenGivesBackEveryTableRow) {
    setName("Main Street");
    for (Recordset* r : {&main().rstDefaultACAG, &main().rstCustomACPC}) {
        r->Edit();
        r->SetField(r->FieldNames().at(1), 1234.5);
        r->Update();
    }
    const QString file = path("main-street.mdb");
    saveAs(file);
    // The save wrote the input windows into the record; that is the project saved.
    const QStringList before = working();
    EXPECT_TRUE(backend().messages.empty());
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(main().projectFile(), file);
    EXPECT_FALSE(main().bStateChanged);
    const auto& request = backend().fileRequests.back();
    EXPECT_EQ(request.filter, "All Files (*.*)|*.*|VORN Database Files(*.mdb)|*.mdb");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(main().CommonFileDialog.Flags, 4);

    menu("MenuFileNew");
    EXPECT_NE(working(), before);
    const QByteArray fileBytes = Bytes(file);
    backend().answers = {MsgAnswer::No};
    open(file);
    EXPECT_EQ(working(), before);
    EXPECT_EQ(name(), "Main Street");
    EXPECT_FALSE(main().bStateChanged);
    EXPECT_EQ(main().projectFile(), file);
    EXPECT_EQ(Bytes(file), fileBytes);
    EXPECT_EQ(backend().fileRequests.back().filter, "All Files (*.*)|*.*|VORN Files(*.mdb)|*.mdb");
    // The dialog keeps the name chosen last.
    EXPECT_EQ(backend().fileRequests.back().fileName, file);
}

TEST_F(ProjectFilesTest, SaveAsThenSaveWritesTheSameFileWithoutAsking) {
    const QString file = path("p.mdb");
    saveAs(file);
    setName("Second");
    main().bStateChanged = true;
    const size_t requests = backend().fileRequests.size();
    menu("MenuFileSave");
    EXPECT_EQ(backend().fileRequests.size(), requests);
    for (auto& m : backend().messages) ADD_FAILURE() << m.text.toStdString();
    EXPECT_FALSE(main().bStateChanged);
    Database saved = Database::Open(file, Database::Mode::ReadOnly);
    Recordset r(saved, "VORN");
    r.MoveFirst();
    EXPECT_EQ(r.Text("ProjectName"), "Second");
}

TEST_F(ProjectFilesTest, SaveAsRefusalsWriteNothing) {
    // Four characters or fewer.
    saveAs("a.md");
    EXPECT_FALSE(QFile::exists("a.md"));
    EXPECT_TRUE(backend().messages.empty());

    // An apostrophe.
    saveAs(path("o'brien.mdb"));
    EXPECT_EQ(lastMessage().text, " Cannot Save File Name " + path("o'brien.mdb") + kSpecial);
    EXPECT_EQ(lastMessage().title, "Save File Error");
    EXPECT_EQ(lastMessage().style, MsgStyle::Ok);
    EXPECT_FALSE(QFile::exists(path("o'brien.mdb")));

    // An existing file answered No is untouched, and a later Save does not replace it.
    const QString existing = path("existing.mdb");
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep me");
    f.close();
    backend().answers = {MsgAnswer::No};
    saveAs(existing);
    EXPECT_EQ(lastMessage().text, existing + " Already Exists. Overwrite ?? ");
    EXPECT_EQ(lastMessage().title, "Save As");
    EXPECT_EQ(lastMessage().style, MsgStyle::YesNoExclamation);
    EXPECT_EQ(Bytes(existing), "keep me");
    menu("MenuFileSave");  // no current file: Save As again, cancelled
    EXPECT_EQ(Bytes(existing), "keep me");

    // Cancel is silent.
    const size_t messages = backend().messages.size();
    menu("MenuFileSaveAs");
    EXPECT_EQ(backend().messages.size(), messages);
}

TEST_F(ProjectFilesTest, ReservedFilesAreRefusedAlsoThroughOtherSpellings) {
    const QStringList before = working();
    // Another letter case: refused under "Open File Error". The refused name is not taken,
    // so a following Save of the new project asks for a name.
    open(folder().toUpper() == folder() ? folder() + "/vorn.mdb" : folder() + "/VORN.MDB");
    EXPECT_EQ(lastMessage().text, main().templateFile() + kReserved);
    EXPECT_EQ(lastMessage().title, "Open File Error");
    EXPECT_EQ(lastMessage().style, MsgStyle::OkExclamation);
    EXPECT_EQ(working(), before);
    const size_t messages = backend().messages.size();
    const size_t requests = backend().fileRequests.size();
    menu("MenuFileSave");  // the name is asked for, and cancelled
    ASSERT_EQ(backend().fileRequests.size(), requests + 1);
    EXPECT_TRUE(backend().fileRequests.back().save);
    EXPECT_EQ(backend().messages.size(), messages);

    // A relative path and a symbolic link to the working copy.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(folder());
    open("./sub/../VORNTMP.mdb");
    QDir::setCurrent(cwd);
    EXPECT_EQ(lastMessage().text, main().workFile() + kReserved);
    ASSERT_TRUE(QFile::link(main().workFile(), path("link.mdb")));
    backend().answers = {MsgAnswer::Yes};
    saveAs(path("link.mdb"));
    EXPECT_EQ(lastMessage().title, "New File Error");
    EXPECT_EQ(lastMessage().text, main().workFile() + kReserved);
    EXPECT_EQ(working(), before);
    EXPECT_TRUE(main().bStateChanged == false);
}

TEST_F(ProjectFilesTest, OpenWithAnApostropheOrACancelChangesNothing) {
    const QStringList before = working();
    open(path("it's.mdb"));
    EXPECT_EQ(lastMessage().text, " Cannot Open File Name " + path("it's.mdb") + kSpecial);
    EXPECT_EQ(lastMessage().title, "Open File Error");
    EXPECT_EQ(lastMessage().style, MsgStyle::OkExclamation);
    EXPECT_TRUE(main().projectFile().isEmpty());
    const size_t messages = backend().messages.size();
    menu("MenuFileOpen");  // cancelled
    EXPECT_EQ(backend().messages.size(), messages);
    EXPECT_EQ(working(), before);
}

// Files that are no project, and the reserved files: each is refused with its reason in the
// user's words, once, the technical detail goes to the standard error stream, and the
// working tables and the current file stay exactly as they were.
TEST_F(ProjectFilesTest, OpeningAFileThatIsNoProjectKeepsTheWorkingProject) {
    setName("Work In Progress");
    const QString good = path("good.mdb");
    saveAs(good);
    auto variant = [&](const QString& name, const QString& sql) {
        const QString file = path(name);
        QFile::copy(good, file);
        Database db = Database::Open(file);
        db.Execute(sql);
        db.Close();
        return file;
    };
    QFile junk(path("junk.mdb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    QDir(folder()).mkdir("folder.mdb");

    struct Case {
        QString file;
        QString text;
        QString detail;  // part of what goes to the standard error stream
    };
    auto noProject = [](const QString& file, const QString& reason, const QString& detail) {
        return Case{file, " Cannot Open File " + file + " As A VORN Project: " + reason, detail};
    };
    const std::vector<Case> cases = {
        noProject(path("junk.mdb"), "it is not a project file", "file is not a database"),
        noProject(path("folder.mdb"), "it is a folder, not a file", "is a folder"),
        noProject(path("missing.mdb"), "it does not exist", "is missing"),
        noProject(variant("period.mdb", "UPDATE VORN SET AnalysisPeriod = 1e300"),
                  "field AnalysisPeriod of table VORN holds 1e+300, which is out of range",
                  "1e+300"),
        noProject(variant("depth.mdb", "UPDATE VORN SET ConstOptionTwo = 1e40"),
                  "field ConstOptionTwo of table VORN holds 1e+40, which is out of range", "1e+40"),
        noProject(variant("no-table.mdb", "DROP TABLE CustomACAG"), "it has no table CustomACAG",
                  "has no table CustomACAG"),
        noProject(variant("two-rows.mdb", "INSERT INTO VORN SELECT * FROM VORN"),
                  "table VORN has 2 rows", "VORN has 2 rows"),
        noProject(variant("no-row.mdb", "DELETE FROM DefaultACAG"), "table DefaultACAG has no row",
                  "DefaultACAG has no row"),
        noProject(variant("other-columns.mdb", "ALTER TABLE VORN RENAME COLUMN Area TO Surface"),
                  "table VORN lacks the column Area and has the unknown column Surface", "Surface"),
        // Reserved files: refused before anything is read.
        {main().templateFile(), main().templateFile() + kReserved, ""},
        {main().workFile(), main().workFile() + kReserved, ""},
    };
    const QStringList before = working();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const size_t messages = backend().messages.size();
        main().bStateChanged = false;
        testing::internal::CaptureStderr();
        open(c.file);
        const std::string err = testing::internal::GetCapturedStderr();
        ASSERT_EQ(backend().messages.size(), messages + 1);
        EXPECT_EQ(lastMessage().title, "Open File Error");
        EXPECT_EQ(lastMessage().style, MsgStyle::OkExclamation);
        EXPECT_EQ(lastMessage().text, c.text);
        EXPECT_NE(err.find(c.detail.toStdString()), std::string::npos) << err;
        EXPECT_EQ(working(), before);
        EXPECT_EQ(name(), "Work In Progress");
        // The refused file is not taken as the current one.
        EXPECT_EQ(main().projectFile(), good);
    }
    // Save writes the project's own file and leaves the refused ones as they were.
    const QByteArray junkBytes = Bytes(path("junk.mdb"));
    const QByteArray templateBytes = Bytes(main().templateFile());
    setName("Saved Again");
    menu("MenuFileSave");
    EXPECT_EQ(Bytes(path("junk.mdb")), junkBytes);
    EXPECT_EQ(Bytes(main().templateFile()), templateBytes);
    open(good);
    EXPECT_EQ(name(), "Saved Again");
}

// What another SQLite program left beside a project neither undoes a Save nor makes the
// saved project unreadable.
TEST_F(ProjectFilesTest, WhatAnotherProgramLeftBesideAFileDoesNotSpoilASave) {
    // Opens `file` after a New, so that nothing of it is in the working tables before.
    auto reopen = [&](const QString& file) {
        menu("MenuFileNew");
        backend().answers = {MsgAnswer::No};
        open(file);
    };
    // The messages other than the New's question whether to save.
    auto errors = [&] {
        QStringList texts;
        for (auto& m : backend().messages)
            if (m.title != "SAVE ??") texts << m.text;
        return texts;
    };

    // Changes left in a "-wal" are read by Open, and do not come back over a Save.
    const QString road = path("road.mdb");
    saveAs(road);
    test::LeaveUncheckpointedWal(road, "UPDATE VORN SET ProjectName = 'Changed Elsewhere'");
    reopen(road);
    EXPECT_EQ(name(), "Changed Elsewhere");
    setName("Edited After Open");
    menu("MenuFileSave");
    reopen(road);
    EXPECT_EQ(name(), "Edited After Open");
    EXPECT_EQ(errors(), QStringList());

    // A hot journal: Open refuses the file and says why; Save As over it gives a file
    // that opens.
    const QString crashed = path("crashed.mdb");
    saveAs(crashed);
    test::LeaveHotJournal(crashed, "UPDATE VORN SET ProjectName = 'Never Committed'");
    open(crashed);
    EXPECT_EQ(lastMessage().title, "Open File Error");
    const QString refused = " Cannot Open File " + crashed +
                            " As A VORN Project: another program left unfinished changes "
                            "beside it (crashed.mdb-journal)";
    setName("Saved Over A Journal");
    backend().answers = {MsgAnswer::Yes};
    saveAs(crashed);
    reopen(crashed);
    EXPECT_EQ(name(), "Saved Over A Journal");
    EXPECT_EQ(errors(), QStringList({refused, crashed + " Already Exists. Overwrite ?? "}));
}

TEST_F(ProjectFilesTest, AFileLockedByAnotherProgramIsCalledInUse) {
    const QString road = path("road.mdb");
    setName("Locked Road");
    saveAs(road);
    menu("MenuFileNew");
    const QStringList before = working();
    backend().answers = {MsgAnswer::No};
    {
        test::OtherProgramLock lock(road, test::OtherProgramLock::Kind::Write);
        testing::internal::CaptureStderr();
        open(road);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(lastMessage().title, "Open File Error");
        EXPECT_EQ(lastMessage().text,
                  " Cannot Open File " + road +
                      " As A VORN Project: it is in use by another program; close it there "
                      "and try again");
        EXPECT_NE(err.find("database is locked"), std::string::npos) << err;
        EXPECT_EQ(working(), before);
    }
    backend().answers = {MsgAnswer::No};
    open(road);
    EXPECT_EQ(name(), "Locked Road");
}

// A New that cannot write the working file says why; the project stays as it was.
TEST_F(ProjectFilesTest, AFailedNewIsToldInTheUsersWords) {
    setName("Kept");
    main().dbVORN.Execute("DROP TABLE CustomACPC");
    testing::internal::CaptureStderr();
    menu("MenuFileNew");
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, "New File Error");
    EXPECT_EQ(lastMessage().text,
              " Cannot Start A New Project: the working file has no table CustomACPC");
    EXPECT_NE(err.find("VORNTMP.mdb"), std::string::npos) << err;
    EXPECT_EQ(name(), "Kept");
    EXPECT_FALSE(main().bStateChanged);
}

// The working copy can take no new project, its disk being full: New names the working
// copy's folder, and the project stays as it was.
TEST_F(ProjectFilesTest, ANewOnAFullDiskNamesTheWorkingCopysFolder) {
    setName("Kept");
    // The new project's rows need room that the working copy may not take.
    Database& work = main().dbVORN;
    work.Execute("CREATE TABLE Filler (Bytes)");
    work.Execute(
        "CREATE TRIGGER FillOnNew AFTER INSERT ON VORN BEGIN "
        "INSERT INTO Filler VALUES (zeroblob(1000000)); END");
    work.Execute("PRAGMA max_page_count = " + work.QueryValue("PRAGMA page_count").toString());
    testing::internal::CaptureStderr();
    menu("MenuFileNew");
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_EQ(lastMessage().title, "New File Error");
    EXPECT_EQ(lastMessage().text, " Cannot Start A New Project: the disk holding " +
                                      QFileInfo(main().workFile()).absolutePath() + " is full");
    EXPECT_NE(err.find("database or disk is full"), std::string::npos) << err;
    EXPECT_EQ(name(), "Kept");
    EXPECT_FALSE(main().bStateChanged);
}

// A project saved onto another folder than the working copy's, as an installed Orvalen
// always does, names that folder when its disk is full; nothing is left there.
TEST_F(ProjectFilesTest, ASaveOnAFullDiskNamesTheTargetsFolder) {
    QTemporaryDir elsewhere;
    ASSERT_NE(elsewhere.path(), QFileInfo(main().workFile()).absolutePath());
    const QString file = elsewhere.filePath("road.mdb");
    main().writeOptions.maxPageCount = 2;
    testing::internal::CaptureStderr();
    saveAs(file);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(lastMessage().title, "Save File Error");
    EXPECT_EQ(lastMessage().text, " Cannot Save File " + file + ": the disk holding " +
                                      QFileInfo(file).absolutePath() + " is full");
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(ProjectFilesTest, AFailedSaveIsToldAndKeepsTheOldFile) {
    const QString file = path("kept.mdb");
    saveAs(file);
    const QByteArray old = Bytes(file);
    setName("Changed");
    main().bStateChanged = true;

    // A full disk.
    main().writeOptions.maxPageCount = 2;
    testing::internal::CaptureStderr();
    menu("MenuFileSave");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lastMessage().title, "Save File Error");
    EXPECT_EQ(lastMessage().text, " Cannot Save File " + file + ": the disk holding " +
                                      QFileInfo(file).absolutePath() + " is full");
    EXPECT_NE(err.find("database or disk is full"), std::string::npos) << err;
    EXPECT_EQ(Bytes(file), old);
    EXPECT_TRUE(main().bStateChanged);
    main().writeOptions = {};

    // A folder that is a file: no permission lets anyone write there, root included.
    QFile(path("plain")).open(QIODevice::WriteOnly);
    const QString underFile = path("plain/p.mdb");
    testing::internal::CaptureStderr();
    saveAs(underFile);
    const std::string fileErr = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lastMessage().title, "Save File Error");
    EXPECT_EQ(lastMessage().text, " Cannot Save File " + underFile + ": its folder does not exist");
    EXPECT_NE(fileErr.find("is a file, not a folder"), std::string::npos) << fileErr;
    EXPECT_TRUE(main().bStateChanged);
    QFile::remove(path("plain"));

    // A read-only folder (root may write anyway; then the save simply succeeds).
    QDir(folder()).mkdir("ro");
    const QString roFile = path("ro/p.mdb");
    saveAs(roFile);
    QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::ExeOwner);
    const size_t messages = backend().messages.size();
    main().bStateChanged = true;
    menu("MenuFileSave");
    if (geteuid() != 0) {
        EXPECT_EQ(backend().messages.size(), messages + 1);
        EXPECT_EQ(lastMessage().title, "Save File Error");
        EXPECT_EQ(lastMessage().text,
                  " Cannot Save File " + roFile + ": its folder cannot be written to");
        EXPECT_TRUE(main().bStateChanged);
    }
    QFile::setPermissions(path("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // No temporary file is left behind.
    QStringList left = QDir(folder()).entryList(QDir::Files);
    left.removeAll("VORN.mdb");
    left.removeAll("VORNTMP.mdb");
    left.removeAll("VORNTMP.mdb.lock");
    left.removeAll("kept.mdb");
    EXPECT_TRUE(left.isEmpty()) << left.join(",").toStdString();
    EXPECT_EQ(QDir(path("ro")).entryList(QDir::Files), QStringList{"p.mdb"});
}

// A saved file that Open would refuse is not kept, and the message says what Open would.
TEST_F(ProjectFilesTest, AReadBackThatFailsNamesTheField) {
    main().dbVORN.Execute("UPDATE CustomACAC SET OptOneTwoYear = 1000");
    const QString file = path("saved.mdb");
    testing::internal::CaptureStderr();
    saveAs(file);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(lastMessage().title, "Save File Error");
    EXPECT_EQ(lastMessage().text, " Cannot Save File " + file +
                                      ": it did not read back as a project file: field "
                                      "OptOneTwoYear of table CustomACAC holds 1000, which is "
                                      "out of range");
    EXPECT_FALSE(QFile::exists(file));
}

// The working copy cannot take the entries a Save writes into it first: the message names
// the working copy's folder and the full disk, and neither the file saved over nor a new
// one is touched.
TEST_F(ProjectFilesTest, AFullDiskUnderTheWorkingCopyIsNamedAndNoFileChanges) {
    const QString kept = path("kept.mdb");
    saveAs(kept);
    const QByteArray old = Bytes(kept);
    // The working copy may grow no further: the engine then fails as on a full disk.
    Database& work = main().dbVORN;
    const QString pages = work.QueryValue("PRAGMA page_count").toString();
    work.Execute("PRAGMA max_page_count = " + pages);
    FmDataEntry& entry = main().fmDataEntry();
    const QString text(1500, QLatin1Char('n'));
    for (TextBox* box : {entry.TbxName, entry.TbxFrom, entry.TbxTo}) box->SetText(text);
    const QString workFolder = QFileInfo(main().workFile()).absolutePath();
    const QString newFile = path("new.mdb");
    for (const QString& target : {kept, newFile}) {
        SCOPED_TRACE(target.toStdString());
        backend().answers = {MsgAnswer::Yes};
        testing::internal::CaptureStderr();
        saveAs(target);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(lastMessage().title, "Save File Error");
        EXPECT_EQ(lastMessage().text, " Cannot Save File " + target +
                                          ": the working file could not be written: the disk "
                                          "holding " +
                                          workFolder + " is full");
        EXPECT_NE(err.find("database or disk is full"), std::string::npos) << err;
        EXPECT_NE(err.find("UPDATE"), std::string::npos) << err;
    }
    EXPECT_EQ(Bytes(kept), old);
    EXPECT_FALSE(QFile::exists(newFile));
    EXPECT_EQ(QDir(folder()).entryList({".*.mdb.*"}, QDir::Files | QDir::Hidden), QStringList());

    // With room again the same Save writes the entries.
    work.Execute("PRAGMA max_page_count = 1073741823");
    menu("MenuFileSave");
    Database saved = Database::Open(newFile, Database::Mode::ReadOnly);
    EXPECT_EQ(Recordset(saved, "VORN").Text("ProjectName"), text);
}

}  // namespace
