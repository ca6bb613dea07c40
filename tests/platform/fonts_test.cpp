// The families every window is drawn in, whatever the machine's font configuration
// falls back to. Run by ctest under tests/platform/fonts.conf, whose fallback is a
// typewriter face.
#include "platform/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMenuBar>

#include "inputs/fm_data_entry.h"
#include "support/app_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

class FontsTest : public AppTest {};

TEST_F(FontsTest, NamedFamiliesAndTheMenusResolveToTheirStandIns) {
    FmDataEntry& entry = main().fmDataEntry();
    ASSERT_EQ(entry.TbxSurfaceDepthOne->font().family(), "MS Sans Serif");
    ASSERT_EQ(entry.TbxInflationRate->font().family(), "Arial");
    EXPECT_EQ(QFontInfo(entry.TbxSurfaceDepthOne->font()).family(), "DejaVu Sans");
    EXPECT_EQ(QFontInfo(entry.TbxInflationRate->font()).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(main().menuBar()->font()).family(), ApplicationFontFamily());
    EXPECT_EQ(QFontInfo(QApplication::font("QMessageBox")).family(), ApplicationFontFamily());
    for (const FontStandIn& s : FontStandIns()) {
        QFont f(s.family);
        f.setBold(true);
        EXPECT_EQ(QFontInfo(f).family(), s.standIn) << s.family.toStdString();
    }
}

}  // namespace
