// Start-up of the whole application: the working copy, the new project, the frame, its
// menus and the splash window.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QProcess>

#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "inputs/fm_costs.h"
#include "inputs/fm_data_entry.h"
#include "inputs/fm_define_options.h"
#include "output/fm_plot_results.h"
#include "platform/activation.h"
#include "shell/fm_logo.h"
#include "support/app_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

class StartupTest : public AppTest {};

TEST_F(StartupTest, MakesTheWorkingCopyAndWritesANewProject) {
    EXPECT_TRUE(QFile::exists(path("VORNTMP.mdb")));
    EXPECT_EQ(main().windowTitle(), "Orvalen");
    EXPECT_EQ(main().templateFile(), folder() + "/VORN.mdb");
    EXPECT_EQ(main().workFile(), folder() + "/VORNTMP.mdb");
    EXPECT_FALSE(main().bStateChanged);
    EXPECT_TRUE(main().projectFile().isEmpty());

    Recordset& r = main().rstVORN;
    EXPECT_EQ(r.Text("ProjectName"), "New Project");
    EXPECT_EQ(r.Text("From"), " ");
    EXPECT_EQ(r.Text("Maintenance"), " ");
    EXPECT_EQ(r.Text("AnalysisText"), "30");
    EXPECT_EQ(r.Number("AnalysisPeriod"), 1);
    EXPECT_EQ(r.Text("SurfaceTwo"), "Aggregate");
    EXPECT_EQ(r.Text("SalvageOne"), "0");
    EXPECT_EQ(r.Text("SurfaceOptionTwoLabel"), "Undefined");
    for (Recordset* rs : {&main().rstDefaultACAG, &main().rstDefaultACAC, &main().rstDefaultACPC}) {
        for (const QString& f : rs->FieldNames()) EXPECT_EQ(rs->Number(f), 0) << f.toStdString();
    }
    EXPECT_EQ(main().rstCustomACAG.Text("OptTwoZero"), "Blade");
    EXPECT_EQ(main().rstCustomACAC.Text("OptTwoEight"), "Fog Seal");
    EXPECT_EQ(main().rstCustomACPC.Text("OptTwoThree"), "Joint/Crack Seal");
}

TEST_F(StartupTest, ShowsTheMenusAndLoadsTheWindowsStartUpTouches) {
    QStringList captions;
    for (QAction* menu : main().menuBar()->actions()) {
        captions << menu->text();
        for (QAction* item : menu->menu()->actions())
            captions << item->objectName() + "=" + item->text();
    }
    EXPECT_EQ(captions.join(","),
              "File,MenuFileNew=New,MenuFileOpen=Open,MenuFileSave=Save,MenuFileSaveAs=Save As,"
              "MenuFilePrintSetup=Print Setup,MenuFilePrint=Print Report,MenuFileExit=Exit,"
              "Edit,MenuEditDefineOptions=Define Options,MenuEditSetCosts=Set Cost Coefficients,"
              "MenuEditPlotResults=Plot Results");
    for (QAction* menu : main().menuBar()->actions())
        for (QAction* item : menu->menu()->actions()) EXPECT_TRUE(item->isEnabled());

    EXPECT_TRUE(main().fmDataEntry().Visible());
    EXPECT_FALSE(main().fmCosts().Visible());
    EXPECT_FALSE(main().fmPlotResults().Visible());
    EXPECT_FALSE(main().fmDefineOptions().Visible());
    EXPECT_EQ(main().fmCustomACAC().LblOption->Caption(), "Hot Mix Asphalt #2");
    EXPECT_EQ(main().fmDefineOptions().TbxConstOptionOne->Text(), "HMA Other");
    EXPECT_EQ(main().fmCosts().LblMaintOptionThreeLabel->Caption(), "Other Type Three");
    EXPECT_EQ(main().fmDataEntry().CbxSurfaceTwo->Text(), "Aggregate");
    EXPECT_EQ(main().fmDataEntry().CbxSurfaceTwo->ListCount(), 3);
}

// The program names its desktop entry, which ties its windows to the menu entry.
TEST_F(StartupTest, NamesItsDesktopEntry) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.orvalen.Orvalen");
}

// The frame and the top-level windows show Orvalen's own icon, built into the program,
// at every size a desktop asks for.
TEST_F(StartupTest, EveryWindowCarriesOrvalensIcon) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{&main(), &main().fmCosts(), &main().fmPlotResults()}) {
        SCOPED_TRACE(w->objectName().toStdString());
        const QIcon icon = w->windowIcon();
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage drawn = icon.pixmap(size, size)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage own =
                QImage(QStringLiteral(":/icons/org.orvalen.Orvalen-%1.png").arg(size))
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            EXPECT_FALSE(own.isNull()) << size;
            EXPECT_EQ(drawn, own) << size;
        }
    }
}

TEST_F(StartupTest, SplashStandsOverTheDataEntryWindowUntilOK) {
    FmLogo& logo = main().fmLogo();
    EXPECT_TRUE(logo.Visible());
    EXPECT_EQ(logo.outer()->pos(), QPoint(0, 0));
    EXPECT_EQ(main().fmDataEntry().outer()->pos(), QPoint(0, 0));
    EXPECT_EQ(logo.findChild<Label*>("Label3")->Caption(), "ORVALEN");
    EXPECT_EQ(logo.findChild<Label*>("Label1")->Caption(), "QUILLMERE");
    const QImage picture = SplashPicture();
    EXPECT_EQ(picture.size(), QSize(760, 540));
    EXPECT_GT(picture.pixelColor(380, 20).blue(), picture.pixelColor(380, 20).red());

    UserActivates(&main());
    ASSERT_EQ(ActivationTracker::instance().current(), &logo);
    logo.findChild<Button*>("CmdOK")->click();
    Settle();
    EXPECT_FALSE(logo.Visible());
    EXPECT_EQ(ActivationTracker::instance().current(), &main().fmDataEntry());
}

TEST_F(StartupTest, ASaveWhileTheSplashStandsKeepsTheNewProject) {
    backend().fileNames.push_back(path("early.mdb"));
    menu("MenuFileSave");
    Database saved = Database::Open(path("early.mdb"), Database::Mode::ReadOnly);
    Recordset r(saved, "VORN");
    r.MoveFirst();
    EXPECT_EQ(r.Text("ProjectName"), "New Project");
    EXPECT_EQ(r.Text("AnalysisText"), "30");
}

TEST_F(StartupTest, ExitEndsAtOnceWithoutAQuestion) {
    main().bStateChanged = true;
    menu("MenuFileExit");
    EXPECT_TRUE(main().ended());
    EXPECT_TRUE(backend().messages.empty());
    EXPECT_TRUE(QFile::exists(path("VORNTMP.mdb")));
}

class PrinterStartupTest : public AppTest {
    void configure(ScriptedBackend& b) override { b.printers = {"Office"}; }
};

// The printers are looked up once, at start-up: one installed or removed later changes
// nothing until the next start.
TEST_F(StartupTest, PrinterOKIsTakenAtStartUp) {
    EXPECT_FALSE(main().PrinterOK);
    backend().printers = {"Office"};
    menu("MenuFilePrintSetup");
    EXPECT_FALSE(main().PrinterOK);
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_EQ(backend().messages[0].text, "Cannot Find An Installed Printer");
    EXPECT_EQ(backend().printerSetups, 0);

    app_.reset();
    Settle();
    app_ = std::make_unique<Application>(folder());
    Settle();
    EXPECT_TRUE(main().PrinterOK);
    backend().printers.clear();
    backend().printerSetupAnswers = {false};
    menu("MenuFilePrintSetup");
    EXPECT_TRUE(main().PrinterOK);
    EXPECT_EQ(backend().printerSetups, 1);
    EXPECT_EQ(backend().messages.size(), 1u);
}

TEST_F(StartupTest, NoPrinterMeansNoPrinterOKAndPrintSetupSaysSo) {
    EXPECT_FALSE(main().PrinterOK);
    menu("MenuFilePrintSetup");
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_EQ(backend().messages[0].text, "Cannot Find An Installed Printer");
    EXPECT_EQ(backend().messages[0].title, "Printer Setup");
    EXPECT_EQ(backend().messages[0].style, MsgStyle::Ok);
    EXPECT_EQ(backend().printerSetups, 0);
}

TEST_F(PrinterStartupTest, PrintSetupShowsThePrinterDialog) {
    backend().printerSetupAnswers = {false};
    menu("MenuFilePrintSetup");
    EXPECT_EQ(backend().printerSetups, 1);
    EXPECT_TRUE(backend().messages.empty());
}

TEST_F(StartupTest, DefineOptionsIsRefusedWhileACostOrResultsWindowIsShown) {
    main().fmPlotResults().Show();
    menu("MenuEditDefineOptions");
    EXPECT_TRUE(backend().messages.empty());
    EXPECT_TRUE(main().fmDefineOptions().Visible());
    main().fmDefineOptions().Hide();

    menu("MenuEditSetCosts");
    EXPECT_TRUE(main().fmCosts().Visible());
    menu("MenuEditDefineOptions");
    ASSERT_EQ(backend().messages.size(), 1u);
    EXPECT_EQ(backend().messages[0].text,
              "Option Definitions Cannot Be Updated While Cost or Analysis Screens Are Open");
    EXPECT_EQ(backend().messages[0].title, "System Status");
    EXPECT_EQ(backend().messages[0].style, MsgStyle::OkExclamation);
    EXPECT_FALSE(main().fmDefineOptions().Visible());
}

// Start-ups in a folder of their own, outside the fixture.
class StartupFolderTest : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    ScriptedPlatform platform;
    QString folder() const { return tmp.path(); }
};

TEST_F(StartupFolderTest, ReplacesAWorkingCopyLeftByAnEarlierRun) {
    PlaceTemplate(folder());
    QFile old(folder() + "/VORNTMP.mdb");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("left over from an earlier run");
    old.close();
    Application app(folder());
    EXPECT_EQ(app.main().rstVORN.Text("ProjectName"), "New Project");
}

TEST_F(StartupFolderTest, AMissingOrDamagedTemplateIsToldNamingTheFile) {
    try {
        Application app(folder());
        FAIL() << "started without a template";
    } catch (const StartupError& e) {
        EXPECT_TRUE(e.message().contains("VORN.mdb")) << e.message().toStdString();
    }
    QFile bad(folder() + "/VORN.mdb");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a database");
    bad.close();
    EXPECT_THROW(Application app(folder()), StartupError);
}

TEST_F(StartupFolderTest, ASecondRunningCopyIsRefusedAndLeavesTheFirstAlone) {
    PlaceTemplate(folder());
    Application first(folder());
    first.main().rstVORN.Edit();
    first.main().rstVORN.SetField("ProjectName", "Main Street");
    first.main().rstVORN.Update();

    // Another process holds the lock as long as the first copy runs: a forked child
    // starting in the same folder is refused.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int status = 0;
        try {
            Application second(folder());
            status = 2;
        } catch (const StartupError&) {
            status = 0;
        } catch (...) {
            status = 3;
        }
        _exit(status);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    first.main().rstVORN.MoveFirst();
    EXPECT_EQ(first.main().rstVORN.Text("ProjectName"), "Main Street");
}

}  // namespace
