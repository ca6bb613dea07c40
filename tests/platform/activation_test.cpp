// Activation and window operations: handlers run exactly once per change, and not when
// a message box closes or the user returns from another application.
#include "platform/activation.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <functional>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/twips.h"
#include "support/app_fixture.h"

using namespace orv;
using orv::test::Settle;
using orv::test::UserActivates;

namespace {

struct Log {
    std::vector<QString> events;
    QString str() const {
        QStringList l;
        for (auto& e : events) l << e;
        return l.join(QLatin1Char(' '));
    }
};

class ProbeForm : public Form {
  public:
    ProbeForm(Log& log, const QString& name, Kind kind = Kind::TopLevel, QMdiArea* area = nullptr)
        : Form(name, kind, area), log_(log) {
        resize(200, 100);
    }
    std::function<void()> onActivate;
    std::function<void()> onDeactivate;
    void Form_Load() override { log_.events.push_back(objectName() + ".Load"); }
    void Form_Activate() override {
        log_.events.push_back(objectName() + ".Activate");
        if (onActivate) onActivate();
    }
    void Form_Deactivate() override {
        log_.events.push_back(objectName() + ".Deactivate");
        if (onDeactivate) onDeactivate();
    }

  private:
    Log& log_;
};

class ActivationTest : public ::testing::Test {
  protected:
    void SetUp() override { Settle(); }
    void TearDown() override {
        for (auto* w : QApplication::topLevelWidgets()) w->hide();
        Settle();
    }
    Log log;
};

TEST_F(ActivationTest, LoadRunsOnceOnFirstUseAndDoesNotShowATopLevelWindow) {
    ProbeForm a(log, "A");
    EXPECT_FALSE(a.IsLoaded());
    a.Move(0, 0);
    a.Visible();
    a.Move(0, 0);
    EXPECT_EQ(log.str(), "A.Load");
    EXPECT_FALSE(a.Visible());
}

TEST_F(ActivationTest, ShowActivatesBeforeReturningAndQtsOwnEventDoesNotRepeatIt) {
    ProbeForm a(log, "A"), b(log, "B");
    a.Show();
    EXPECT_EQ(log.str(), "A.Load A.Activate");
    Settle();
    b.Show();
    Settle();
    EXPECT_EQ(log.str(), "A.Load A.Activate B.Load A.Deactivate B.Activate");
    EXPECT_TRUE(b.Visible());
    EXPECT_TRUE(b.IsActiveForm());
}

TEST_F(ActivationTest, SwitchingBetweenWindowsRunsBothHandlersOnce) {
    ProbeForm a(log, "A"), b(log, "B");
    a.Show();
    b.Show();
    Settle();
    log.events.clear();
    UserActivates(&a);
    EXPECT_EQ(log.str(), "B.Deactivate A.Activate");
    UserActivates(&a);
    EXPECT_EQ(log.str(), "B.Deactivate A.Activate");
}

TEST_F(ActivationTest, NoHandlerRunsOnReturnFromAnotherApplicationOrAMessageBox) {
    ProbeForm a(log, "A");
    a.Show();
    Settle();
    log.events.clear();

    // Another application takes the activation and gives it back.
    QApplication::setActiveWindow(nullptr);
    Settle();
    UserActivates(&a);

    // One of the program's own message boxes opens over it and closes.
    QMessageBox box(QMessageBox::Warning, "T", "text", QMessageBox::Ok, &a);
    box.show();
    UserActivates(&box);
    box.hide();
    UserActivates(&a);

    EXPECT_EQ(log.str(), "");
    EXPECT_TRUE(a.IsActiveForm());
}

TEST_F(ActivationTest, AHandlerThatShowsAnotherWindowEndsWithThatWindowActive) {
    ProbeForm a(log, "A"), b(log, "B");
    a.onActivate = [&] { b.Show(); };
    a.Show();
    Settle();
    EXPECT_EQ(log.str(), "A.Load A.Activate B.Load A.Deactivate B.Activate");
    EXPECT_TRUE(b.IsActiveForm());
    // Qt's own, later activation events for A do not pull it back.
    EXPECT_EQ(ActivationTracker::instance().current(), &b);
}

TEST_F(ActivationTest, HidingTheActiveWindowDeactivatesIt) {
    ProbeForm a(log, "A");
    a.Show();
    a.Hide();
    EXPECT_FALSE(a.Visible());
    EXPECT_EQ(log.str(), "A.Load A.Activate A.Deactivate");
    EXPECT_EQ(ActivationTracker::instance().current(), nullptr);
}

TEST_F(ActivationTest, MoveKeepsSizeAndPlacesTopLevelAtScreenCorner) {
    ProbeForm a(log, "A");
    a.SetClientSizeTwips(3000, 1500);
    a.Move(0, 0);
    a.Show();
    Settle();
    EXPECT_EQ(a.size(), QSize(TwipsToPixels(3000), TwipsToPixels(1500)));
    EXPECT_EQ(a.pos(), a.screen()->geometry().topLeft());
    EXPECT_EQ(TwipsToPixels(1440), qRound(LogicalDpi()));
}

TEST_F(ActivationTest, MdiChildShowsWithFrameAndStandsForTheFrameWhenActive) {
    QMainWindow frame;
    auto* area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    ActivationTracker::instance().watchMdiArea(area);
    frame.resize(800, 600);

    ProbeForm entry(log, "Entry", Form::Kind::MdiChild, area);
    ProbeForm splash(log, "Splash", Form::Kind::MdiChild, area);
    ProbeForm results(log, "Results");
    entry.Move(300, 300);
    EXPECT_TRUE(entry.Visible());  // a child shows as it loads
    EXPECT_EQ(entry.outer()->pos(), QPoint(TwipsToPixels(300), TwipsToPixels(300)));
    splash.Show();  // the frame is not shown yet: no activation now
    EXPECT_EQ(log.str(), "Entry.Load Splash.Load");

    frame.show();
    UserActivates(&frame);
    EXPECT_EQ(log.str(), "Entry.Load Splash.Load Splash.Activate");

    // Hiding the active child makes the child below it the active window.
    splash.Hide();
    Settle();
    EXPECT_EQ(log.str(), "Entry.Load Splash.Load Splash.Activate Splash.Deactivate Entry.Activate");

    log.events.clear();
    results.Show();
    Settle();
    UserActivates(&frame);
    EXPECT_EQ(log.str(),
              "Results.Load Entry.Deactivate Results.Activate Results.Deactivate "
              "Entry.Activate");
    frame.hide();
}

}  // namespace
