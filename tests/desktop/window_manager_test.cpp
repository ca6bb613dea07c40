// Orvalen under a real X server and window manager, driven through the server as a user
// drives it: what only a window manager shows, the keyboard's way at start-up, the frames
// it draws round placed windows, and the functions it offers a fixed-size window.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include "desktop/x_session.h"
#include "inputs/fm_costs.h"
#include "inputs/fm_data_entry.h"
#include "inputs/fm_define_options.h"
#include "output/fm_plot_results.h"
#include "shell/fm_logo.h"
#include "support/app_fixture.h"

// Points and rectangles as a failure shows them.
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << p.x() << "," << p.y(); }
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace orv::desktop {
namespace {

// About the time a user takes to see the splash and reach for the key.
constexpr int kUserDelay = 300;

QString Describe(QWidget* w) {
    if (!w) return QStringLiteral("no widget");
    QWidget* window = w->window();
    return window->objectName() + QLatin1Char('.') + w->objectName() +
           (window->isVisible() ? QString() : QStringLiteral(" (a hidden window)"));
}

class WindowManagerTest : public test::AppTest {
  protected:
    void SetUp() override {
        test::AppTest::SetUp();
        if (HasFatalFailure()) return;
        // The splash is a child of the frame: it shows once the frame does.
        ASSERT_TRUE(WaitFor([this] {
            return Viewable(main().winId()) && main().fmLogo().isVisible();
        })) << "the splash never showed";
    }

    // A click at `local` in `w`, placed by where the X server has its window: the
    // application may learn of a move by the window manager only later.
    void click(QWidget* w, QPoint local) {
        QWidget* window = w->window();
        ClickAt(ClientOrigin(window->winId()) + w->mapTo(window, local));
    }
    void click(QWidget* w) { click(w, w->rect().center()); }

    void closeSplash() {
        FmLogo& splash = main().fmLogo();
        click(splash.CmdOK);
        ASSERT_TRUE(WaitFor([&] { return !splash.isVisible(); })) << "OK left the splash up";
    }

    // Clicks the Edit menu in the frame's menu bar, then its item `name`.
    void openFromEditMenu(const char* name) {
        auto* edit = main().findChild<QMenu*>(QStringLiteral("Edit"));
        auto* item = main().findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_TRUE(edit && item) << name;
        QMenuBar* bar = main().menuBar();
        click(bar, bar->actionGeometry(edit->menuAction()).center());
        ASSERT_TRUE(WaitFor([&] { return edit->isVisible(); })) << "the Edit menu did not open";
        click(edit, edit->actionGeometry(item).center());
    }

    // The window's frame once it is shown, the window manager has framed it and left it in
    // one place for a while, and the application knows where it stands: where a user
    // would click on it then.
    QRect settledFrame(QWidget& w) {
        QRect frame;
        int same = 0;
        WaitFor([&] {
            if (!w.windowHandle() || !Viewable(w.winId())) return false;
            const QRect now = FrameOf(w.winId());
            const bool known = w.geometry().topLeft() == ClientOrigin(w.winId());
            same = known && !now.isEmpty() && now == frame ? same + 1 : 0;
            frame = now;
            return same >= 10;
        });
        return frame;
    }
};

// Return pressed once the splash shows closes it, whatever the windows start-up prepared
// but did not show; what is typed next goes into the data entry window's Name box.
TEST_F(WindowManagerTest, ReturnClosesTheSplashAndTypingReachesTheName) {
    FmLogo& splash = main().fmLogo();
    Pause(kUserDelay);
    PressKey("Return");
    EXPECT_TRUE(WaitFor([&] { return !splash.isVisible(); }, 3000))
        << "Return did not close the splash; the keyboard was with "
        << Describe(QApplication::focusWidget()).toStdString();
    TypeText(QStringLiteral("Route 9"));
    TextBox* name = main().fmDataEntry().TbxName;
    EXPECT_TRUE(WaitFor([&] { return name->Text() == QStringLiteral("Route 9"); }, 3000))
        << "the Name box holds \"" << name->Text().toStdString() << "\"; the keyboard was with "
        << Describe(QApplication::focusWidget()).toStdString();
}

// The unit cost and chart windows are moved to the screen's corner as they open: their
// whole frames, title bars included, stand on the screen there, at the first opening as at
// the second.
TEST_F(WindowManagerTest, PlacedFramesStandOnTheScreen) {
    closeSplash();
    struct Opening {
        const char* item;
        Form& window;
    };
    const Opening openings[] = {{"MenuEditSetCosts", main().fmCosts()},
                                {"MenuEditPlotResults", main().fmPlotResults()}};
    const QRect screen = Session().screen();
    for (const Opening& o : openings) {
        for (int time = 1; time <= 2; ++time) {
            SCOPED_TRACE(testing::Message() << o.item << ", opening " << time);
            openFromEditMenu(o.item);
            const QRect frame = settledFrame(o.window);
            ASSERT_FALSE(frame.isEmpty()) << "the window was not framed";
            EXPECT_TRUE(screen.contains(frame)) << testing::PrintToString(frame);
            EXPECT_EQ(frame.topLeft(), screen.topLeft());
            click(o.window.findChild<QWidget*>(QStringLiteral("CmdClose")));
            ASSERT_TRUE(WaitFor([&] { return !Viewable(o.window.winId()); }));
        }
    }
}

// A window of fixed size offers no maximize: neither in the hints it gives nor among the
// actions the window manager then allows.
TEST_F(WindowManagerTest, FixedSizeWindowsOfferNoMaximize) {
    closeSplash();
    struct Window {
        const char* item;
        Form& form;
    };
    const Window windows[] = {{"MenuEditSetCosts", main().fmCosts()},
                              {"MenuEditPlotResults", main().fmPlotResults()},
                              {"MenuEditDefineOptions", main().fmDefineOptions()}};
    for (const Window& w : windows) {
        SCOPED_TRACE(w.item);
        openFromEditMenu(w.item);
        ASSERT_FALSE(settledFrame(w.form).isEmpty()) << "the window was not framed";
        const MotifHints hints = MotifHintsOf(w.form.winId());
        EXPECT_NE(hints.functions, -1) << "no functions given: all are offered";
        EXPECT_EQ(hints.functions & kMotifFuncMaximize, 0) << std::hex << hints.functions;
        EXPECT_EQ(hints.decorations & kMotifDecorMaximize, 0) << std::hex << hints.decorations;
        const QStringList actions = AllowedActions(w.form.winId());
        EXPECT_FALSE(actions.isEmpty()) << Session().manager() << " allows no action at all";
        for (const char* maximize :
             {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
            EXPECT_FALSE(actions.contains(QLatin1String(maximize))) << maximize;
        w.form.Hide();
    }
}

}  // namespace
}  // namespace orv::desktop
