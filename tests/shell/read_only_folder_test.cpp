// Start-up in an application folder the user cannot write into, or in an installed one: the
// working copy and its lock go to the user's data folder.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "analysis/default/fm_default_acag.h"
#include "inputs/fm_data_entry.h"
#include "shell/fm_logo.h"
#include "shell/work_folder.h"
#include "support/app_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

const QString kReserved = " Is Reserved For VORN, Please Select A Different Filename";

// A project whose comparison costs something.
const std::pair<const char*, QVariant> kProject[] = {{"ProjectName", "County Road 12"},
                                                     {"Length", 5280},
                                                     {"Width", 24},
                                                     {"Area", 126720},
                                                     {"SurfaceDepthOne", 4.0},
                                                     {"BaseCourseOne", 8.0},
                                                     {"SurfaceTwo", "Aggregate"},
                                                     {"InflationRate", 3.5},
                                                     {"InterestRate", 6.0}};

class ReadOnlyFolderTest : public ::testing::Test {
  protected:
    // The application folder: the template in a folder nobody but root may write into.
    void SetUp() override {
        ASSERT_TRUE(appDir.isValid());
        PlaceTemplate(appFolder());
        QFile::setPermissions(appFolder() + "/VORN.mdb", QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(appFolder(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther |
                                               QFile::ExeOther);
    }
    void TearDown() override {
        QFile::setPermissions(appFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString appFolder() const { return appDir.path(); }

    // Runs `body` in a child process that cannot write into the application folder: run as
    // root, the child first becomes the user "nobody", whom no permission lets write there.
    // The child prints its failed expectations; the test fails when there were any.
    static void RunAsUser(const std::function<void()>& body) {
        std::fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (geteuid() == 0) {
                const gid_t nogroup = 65534;
                const uid_t nobody = 65534;
                if (setgroups(1, &nogroup) != 0 || setgid(nogroup) != 0 || setuid(nobody) != 0)
                    _exit(3);
            }
            try {
                body();
            } catch (const std::exception& e) {
                ADD_FAILURE() << "the child ended by an exception: " << e.what();
            }
            std::fflush(nullptr);
            _exit(::testing::Test::HasFailure() ? 1 : 0);
        }
        int status = -1;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "the child ended with status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the child's failures are printed above";
    }

    // A new user's home: the data folder follows it (and the name the test main gives the
    // application).
    static void UseHome(const QString& home) {
        qputenv("HOME", home.toUtf8());
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            qunsetenv(name);
    }

    static void Menu(MDIMain& main, const char* name) {
        auto* action = main.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
        Settle();
    }

    QTemporaryDir appDir;
};

// Folders the child of RunAsUser may write into (`writable`) or not, made by the parent, with
// the installed marker beside the template when `installed`. Made writable again when done,
// so that they can be removed.
class Folders {
  public:
    Folders() { QFile::setPermissions(base_.path(), kOpen); }
    ~Folders() {
        for (const QString& f : made_) QFile::setPermissions(f, kOpen);
    }
    QString Make(const QString& name, bool installed, bool writable) {
        const QString f = base_.path() + "/" + name;
        QDir().mkpath(f);
        PlaceTemplate(f);
        if (installed) QFile(f + "/" + kInstalledMarkerFileName).open(QIODevice::WriteOnly);
        made_ << f;
        QFile::setPermissions(f,
                              writable ? kOpen | QFile::WriteGroup | QFile::WriteOther : kReadOnly);
        return f;
    }
    // A data folder that does not exist yet: below a home anyone may make folders in, or
    // below a plain file, where nobody can.
    QString Data(const QString& name, bool usable) {
        const QString home = base_.path() + "/" + name;
        if (usable) {
            QDir().mkpath(home);
            QFile::setPermissions(home, kOpen | QFile::WriteGroup | QFile::WriteOther);
        } else {
            QFile(home).open(QIODevice::WriteOnly);
        }
        return home + "/.local/share/Orvalen";
    }

  private:
    static constexpr QFileDevice::Permissions kReadOnly = QFile::ReadOwner | QFile::ExeOwner |
                                                          QFile::ReadGroup | QFile::ExeGroup |
                                                          QFile::ReadOther | QFile::ExeOther;
    static constexpr QFileDevice::Permissions kOpen = kReadOnly | QFile::WriteOwner;
    QTemporaryDir base_;
    QStringList made_;
};

TEST_F(ReadOnlyFolderTest, WhereTheWorkingCopyGoes) {
    enum Where { App, Data, None };
    struct Case {
        const char* name;
        bool installed, appWritable, dataUsable;
        Where expected;
    };
    const Case cases[] = {
        {"a build in a folder it may write", false, true, true, App},
        {"a build in a folder it may not write", false, false, true, Data},
        {"a build, neither folder", false, false, false, None},
        {"installed, its folder writable (as for root)", true, true, true, Data},
        {"installed, its folder read-only", true, false, true, Data},
        {"installed, no data folder, its folder writable", true, true, false, None},
    };
    Folders folders;
    struct Row {
        Case c;
        QString app, data;
    };
    std::vector<Row> rows;
    int n = 0;
    for (const Case& c : cases) {
        ++n;
        rows.push_back({c, folders.Make(QString("app%1").arg(n), c.installed, c.appWritable),
                        folders.Data(QString("home%1").arg(n), c.dataUsable)});
    }
    RunAsUser([&] {
        for (const auto& [c, app, data] : rows) {
            SCOPED_TRACE(c.name);
            const std::optional<QString> folder = WorkingCopyFolder(app, data);
            switch (c.expected) {
                case App:
                    EXPECT_EQ(folder, app);
                    break;
                case Data:
                    EXPECT_EQ(folder, data);
                    EXPECT_TRUE(QFileInfo(data).isDir());
                    break;
                case None: {
                    EXPECT_EQ(folder, std::nullopt);
                    const QString message = NoWorkingCopyFolderMessage(app, data);
                    EXPECT_TRUE(message.contains("\"" + data + "\"")) << message.toStdString();
                    EXPECT_EQ(message.contains(app + "\""), !c.installed) << message.toStdString();
                    break;
                }
            }
        }
    });
}

TEST_F(ReadOnlyFolderTest, AnInstalledOrvalenWritesNothingIntoItsFolderEvenWhenItMay) {
    Folders folders;
    const QString app = folders.Make("app", true, true);
    const QStringList before = QDir(app).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    ASSERT_EQ(before, (QStringList{kInstalledMarkerFileName, "VORN.mdb"}));
    RunAsUser([&] {
        ASSERT_EQ(access(QFile::encodeName(app).constData(), W_OK), 0);
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        UseHome(home.path());
        ScriptedPlatform backend;
        {
            Application application(app);
            const QString work = home.path() + "/.local/share/Orvalen/VORNTMP.mdb";
            EXPECT_EQ(application.main().templateFile(), app + "/VORN.mdb");
            EXPECT_EQ(application.main().workFile(), work);
            EXPECT_TRUE(QFile::exists(work + ".lock"));
            Settle();
            EXPECT_EQ(QDir(app).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        }
        EXPECT_EQ(QDir(app).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    });
}

TEST_F(ReadOnlyFolderTest, TheWorkingCopyGoesToTheDataFolderAndTheProgramWorks) {
    RunAsUser([&] {
        ASSERT_NE(access(QFile::encodeName(appFolder()).constData(), W_OK), 0);
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        UseHome(home.path());
        ScriptedPlatform backend;
        Application app(appFolder());
        MDIMain& main = app.main();

        const QString data = home.path() + "/.local/share/Orvalen";
        const QString work = data + "/VORNTMP.mdb";
        EXPECT_EQ(main.templateFile(), appFolder() + "/VORN.mdb");
        EXPECT_EQ(main.workFile(), work);
        EXPECT_TRUE(QFile::exists(work));
        EXPECT_TRUE(QFile::exists(work + ".lock"));
        EXPECT_TRUE(main.DataEnv.Connection1.ConnectionString.contains(work))
            << main.DataEnv.Connection1.ConnectionString.toStdString();
        EXPECT_EQ(QDir(appFolder()).entryList(QDir::Files), QStringList{"VORN.mdb"});

        // Calculate writes its results into the working copy.
        UserActivates(&main);
        main.fmLogo().CmdOK->click();
        Settle();
        main.rstVORN.Edit();
        for (const auto& [field, value] : kProject) main.rstVORN.SetField(field, value);
        main.rstVORN.Update();
        main.fmDataEntry().ResetEntries();
        main.fmDataEntry().ChkModerateMaintenance->SetValue(1);
        main.fmDataEntry().CmdCompute->click();
        Settle();
        EXPECT_TRUE(main.fmDefaultACAG().Visible());
        main.rstDefaultACAG.MoveFirst();
        const double total = main.rstDefaultACAG.Number("OptOneTotalValue");
        EXPECT_GT(total, 0);

        // Save writes a project file; the working copy's name at its new place is refused.
        const QString project = home.path() + "/road.mdb";
        backend->fileNames = {project, work};
        Menu(main, "MenuFileSaveAs");
        EXPECT_TRUE(backend->messages.empty());
        EXPECT_TRUE(QFile::exists(project));
        Menu(main, "MenuFileSaveAs");  // "Already Exists. Overwrite ??", answered Yes
        ASSERT_EQ(backend->messages.size(), 2u);
        EXPECT_EQ(backend->messages[1].text, work + kReserved);
        EXPECT_EQ(backend->messages[1].title, "New File Error");

        // Open brings the saved project back.
        Menu(main, "MenuFileNew");
        EXPECT_EQ(main.rstVORN.Text("ProjectName"), "New Project");
        backend->answers = {MsgAnswer::No};  // to saving the new project first
        backend->fileNames = {project};
        Menu(main, "MenuFileOpen");
        EXPECT_EQ(backend->messages.size(), 3u);
        EXPECT_EQ(main.rstVORN.Text("ProjectName"), "County Road 12");
        main.rstDefaultACAG.MoveFirst();
        EXPECT_EQ(main.rstDefaultACAG.Number("OptOneTotalValue"), total);
    });
}

TEST_F(ReadOnlyFolderTest, WhenNeitherFolderCanBeWrittenTheMessageNamesBoth) {
    RunAsUser([&] {
        // A home below a plain file: nobody, root included, can make a folder there.
        QTemporaryDir tmp;
        ASSERT_TRUE(tmp.isValid());
        QFile(tmp.path() + "/plain").open(QIODevice::WriteOnly);
        UseHome(tmp.path() + "/plain/home");
        ScriptedPlatform backend;
        try {
            Application app(appFolder());
            ADD_FAILURE() << "started without a folder for the working copy";
        } catch (const StartupError& e) {
            EXPECT_TRUE(e.message().contains("\"" + appFolder() + "\""))
                << e.message().toStdString();
            EXPECT_TRUE(
                e.message().contains("\"" + tmp.path() + "/plain/home/.local/share/Orvalen\""))
                << e.message().toStdString();
        }
    });
}

}  // namespace
