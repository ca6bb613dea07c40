#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "inputs/fm_costs.h"
#include "output/fm_plot_results.h"
#include "support/app_fixture.h"

namespace orv::test {
namespace {

using WindowPlacementTest = AppTest;

// A window placed at the screen's corner has its frame there, not its client area, at its
// first opening as at every later one.
TEST_F(WindowPlacementTest, APlacedWindowsFrameStandsAtTheCorner) {
    const QPoint corner = QGuiApplication::primaryScreen()->geometry().topLeft();
    struct Opening {
        const char* menu;
        Form& window;
    };
    const Opening openings[] = {{"MenuEditSetCosts", main().fmCosts()},
                                {"MenuEditPlotResults", main().fmPlotResults()}};
    for (const Opening& o : openings) {
        for (int time = 1; time <= 2; ++time) {
            SCOPED_TRACE(testing::Message() << o.menu << " opening " << time);
            menu(QString::fromLatin1(o.menu));
            ASSERT_TRUE(o.window.isVisible());
            EXPECT_EQ(o.window.frameGeometry().topLeft(), corner);
            EXPECT_NE(o.window.geometry().topLeft(), corner);  // the frame has a title bar
            o.window.Hide();
            Settle();
        }
    }
}

// Start-up shows and at once hides the unit cost and chart windows: the window system is
// never given them, so it can neither frame nor focus them before the user opens them.
TEST_F(WindowPlacementTest, StartUpsShowAndHideGivesNoWindowToTheWindowSystem) {
    for (Form* w :
         {static_cast<Form*>(&main().fmCosts()), static_cast<Form*>(&main().fmPlotResults())}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(w->IsLoaded());
        EXPECT_TRUE(w->isHidden());
        EXPECT_EQ(w->windowHandle(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::focusWindow(), main().windowHandle());
}

}  // namespace
}  // namespace orv::test
