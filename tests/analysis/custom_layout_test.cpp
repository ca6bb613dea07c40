// Where the three custom-schedule windows place their controls: a sample of heads, rows,
// lines and buttons per window, in twips, with the alignments and fonts in which the
// windows differ.
#include <gtest/gtest.h>

#include "analysis/concrete/fm_custom_acpc.h"
#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "platform/twips.h"
#include "support/app_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

// A width or height of 0 is not checked (the caption needed more room than the box given).
struct Placed {
    const char* name;
    int left, top, width, height;
};

class CustomLayoutTest : public AppTest {
  protected:
    void expectPlaced(QWidget& window, std::initializer_list<Placed> table) {
        for (const Placed& p : table) {
            SCOPED_TRACE(window.objectName().toStdString() + "." + p.name);
            auto* w = window.findChild<QWidget*>(QString::fromLatin1(p.name));
            ASSERT_NE(w, nullptr);
            const QRect want = TwipsRect(p.left, p.top, p.width, p.height);
            EXPECT_EQ(w->x(), want.x());
            EXPECT_EQ(w->y(), want.y());
            if (p.width) {
                EXPECT_EQ(w->width(), want.width());
            }
            if (p.height) {
                EXPECT_EQ(w->height(), want.height());
            }
        }
    }
    // The first row of a label's picture that is not all background: where its ink starts.
    static int inkRow(QLabel& l) {
        const QImage picture = l.grab().toImage();
        const QRgb background = picture.pixel(0, 0);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) != background) return y;
            }
        }
        return -1;
    }
    // The top of the ink of a label's text, in its window.
    static int inkTop(QWidget& window, const char* name) {
        auto* l = window.findChild<QLabel*>(QString::fromLatin1(name));
        return l->y() + inkRow(*l);
    }
    // Where the ink of a label's text starts when the text stands at the label's top: the
    // same text, font and size, aligned to the top.
    static int topAlignedInkRow(const QLabel& l) {
        QLabel copy(l.text());
        copy.setFont(l.font());
        copy.setPalette(l.palette());
        copy.setWordWrap(l.wordWrap());
        copy.setAlignment((l.alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        copy.resize(l.size());
        return inkRow(copy);
    }
    static Qt::Alignment horizontal(QWidget& window, const char* name) {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->alignment() &
               Qt::AlignHorizontal_Mask;
    }
};

TEST_F(CustomLayoutTest, AggregateWindow) {
    FmCustomACAG& w = main().fmCustomACAG();
    expectPlaced(w, {{"Label41", 3495, 165, 0, 0},
                     {"Label34", 5010, 165, 0, 0},
                     {"Label7", 7455, 165, 0, 0},
                     {"Label6", 9120, 165, 0, 0},
                     {"Label2", 375, 525, 765, 600},
                     {"Label8", 180, 4230, 975, 315},
                     {"Label43", 1275, 525, 2040, 0},
                     {"Label9", 1275, 4260, 2040, 0},
                     {"CbxOptOneOption_0", 1275, 780, 2088, 0},
                     {"CbxOptOneOption_8", 1275, 3216, 2088, 0},
                     {"TbxOptOneYear_0", 3495, 780, 444, 0},
                     {"CbxOptTwoOption_0", 1275, 4485, 2088, 0},
                     {"CbxOptTwoOption_8", 1275, 6915, 2088, 0},
                     {"Line1", 1380, 4125, 9520, 0},
                     {"Line2", 1380, 4140, 9520, 0},
                     {"CmdClearFields", 255, 5235, 732, 0},
                     {"CmdPlotGraph", 255, 5805, 732, 0},
                     {"CmdPrintForm", 255, 6390, 732, 0},
                     {"CmdClose", 255, 6960, 732, 0}});
    EXPECT_EQ(horizontal(w, "Label41"), Qt::AlignHCenter);
    EXPECT_EQ(horizontal(w, "Label7"), Qt::AlignLeft);
    // The buttons take the window's font.
    EXPECT_EQ(w.CmdClose->font(), w.font());
}

TEST_F(CustomLayoutTest, AsphaltWindowDiffersInOptionTwoHeadingOnly) {
    FmCustomACAC& w = main().fmCustomACAC();
    expectPlaced(w, {{"Label41", 3495, 165, 0, 0},
                     {"LblOption", 180, 4230, 960, 735},
                     {"Label43", 1275, 525, 2040, 0},
                     {"Label9", 1275, 4260, 0, 0},
                     {"Label15", 1275, 3560, 2040, 0},
                     {"Label11", 1275, 7280, 2040, 0},
                     {"CbxOptTwoOption_0", 1275, 4485, 2088, 0},
                     {"CmdClearFields", 255, 5235, 732, 0}});
    EXPECT_EQ(horizontal(w, "LblOption"), Qt::AlignHCenter);
}

TEST_F(CustomLayoutTest, ConcreteWindow) {
    FmCustomACPC& w = main().fmCustomACPC();
    expectPlaced(w, {{"Label41", 3480, 165, 0, 0},
                     {"Label34", 5160, 165, 0, 0},
                     {"Label7", 7170, 165, 0, 0},
                     {"Label6", 9015, 165, 0, 0},
                     {"Label2", 510, 525, 0, 600},
                     {"LblOptionTwo", 525, 4245, 600, 0},
                     {"Label43", 1272, 540, 1365, 225},
                     {"CbxOptOneOption_0", 1272, 780, 2088, 288},
                     {"CbxOptOneOption_2", 1272, 1392, 2088, 288},
                     {"TbxOptOneYear_8", 3495, 3216, 444, 288},
                     {"LblOptOneSalvageYear", 3480, 3540, 495, 225},
                     {"Line2", 960, 4110, 9390, 0},
                     {"Line1", 960, 4140, 9390, 0},
                     {"CbxOptTwoOption_0", 1272, 4515, 2088, 315},
                     {"CbxOptTwoOption_7", 1272, 6645, 2088, 315},
                     {"LblOptTwoUnits_0", 4755, 4545, 885, 225},
                     {"LblOptTwoSalvageYear", 3465, 7320, 495, 225},
                     {"CmdClearFields", 255, 5265, 732, 480},
                     {"CmdPlotGraph", 255, 5835, 732, 480},
                     {"CmdPrintForm", 255, 6420, 732, 480},
                     {"CmdClose", 255, 6990, 732, 348}});
    EXPECT_EQ(horizontal(w, "Label41"), Qt::AlignHCenter);
    EXPECT_EQ(horizontal(w, "Label7"), Qt::AlignRight);
    EXPECT_EQ(horizontal(w, "Label6"), Qt::AlignRight);
    EXPECT_EQ(w.CmdClose->font().pointSizeF(), 7.5);
}

// The level caption and the four column heads, all capitals in one font, show their text
// on one line, each at the top of its box.
TEST_F(CustomLayoutTest, TheHeadingRowTextsShareOneTop) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             &main().fmCustomACAG(), &main().fmCustomACAC(), &main().fmCustomACPC()}) {
        SCOPED_TRACE(w->objectName().toStdString());
        const int top = inkTop(*w, "LblConstructionType");
        for (const char* head : {"LblConstructionType", "Label41", "Label34", "Label7", "Label6"}) {
            auto* l = w->findChild<QLabel*>(QString::fromLatin1(head));
            EXPECT_EQ(inkTop(*w, head), l->y() + topAlignedInkRow(*l)) << head;
            EXPECT_EQ(inkTop(*w, head), top) << head;
        }
    }
}

}  // namespace
