// Print Form of the unit cost, data entry and custom schedule windows: with a printer found
// at start-up it prints the window's own picture, without one nothing at all.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QStyleHints>
#include <functional>
#include <vector>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_window_fixture.h"
#include "support/printers.h"

using namespace orv;
using namespace orv::test;

namespace {

class PrintFormTest : public CustomWindowTest {
  protected:
    void SetUp() override {
        // A caret that never blinks: the window looks the same at every grab.
        flashTime_ = QGuiApplication::styleHints()->cursorFlashTime();
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        CustomWindowTest::SetUp();
    }
    void TearDown() override {
        CustomWindowTest::TearDown();
        QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
    }

    struct Window {
        const char* name;
        // Shows the window as the user brings it up; gives it and its Print Form button.
        std::function<std::pair<QWidget*, Button*>()> show;
    };
    std::vector<Window> windows() {
        return {
            {"FmCosts",
             [this] {
                 menu("MenuEditSetCosts");
                 return std::pair<QWidget*, Button*>(&costs(), costs().CmdPrintForm);
             }},
            {"FmDataEntry",
             [this] {
                 UserActivates(&entry());
                 return std::pair<QWidget*, Button*>(&entry(), entry().CmdPrintForm);
             }},
            {"FmCustomACAG",
             [this] {
                 enterProject("Aggregate");
                 calculate();
                 FmCustomACAG& w = main().fmCustomACAG();
                 return std::pair<QWidget*, Button*>(&w, w.CmdPrintForm);
             }},
        };
    }
    void click(Button* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    }

  private:
    int flashTime_ = 0;
};

class PrinterPrintFormTest : public PrintFormTest {
    void configure(ScriptedBackend& b) override { b.printers = {"Office"}; }
};

TEST_F(PrinterPrintFormTest, PrintsThePictureOfTheWindow) {
    for (const Window& c : windows()) {
        SCOPED_TRACE(c.name);
        auto [window, button] = c.show();
        ASSERT_TRUE(window->isVisible());
        ASSERT_EQ(window->objectName(), c.name);
        const size_t jobs = backend().printJobs;
        click(button);
        ASSERT_EQ(backend().printJobs, jobs + 1);
        ASSERT_EQ(backend().printed.size(), jobs + 1);
        const QImage& printed = backend().printed.back();
        EXPECT_EQ(printed.size(), window->size() * window->devicePixelRatio());
        EXPECT_TRUE(printed == window->grab().toImage());
        EXPECT_TRUE(backend().messages.empty());
    }
}

TEST_F(PrintFormTest, WithoutAPrinterNothingIsPrintedOrSaid) {
    for (const Window& c : windows()) {
        SCOPED_TRACE(c.name);
        auto [window, button] = c.show();
        ASSERT_TRUE(window->isVisible());
        click(button);
        EXPECT_EQ(backend().printJobs, 0);
        EXPECT_TRUE(backend().printed.empty());
        EXPECT_TRUE(backend().messages.empty());
    }
}

}  // namespace
