// The families every window is drawn in, whatever the machine's font configuration
// falls back to. Run by ctest under tests/platform/fonts.conf, whose fallback is a
// typewriter face.
#include "platform/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMenuBar>
#include <QRegularExpression>

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

// Each style a window draws in, of each stand-in, is a face of its own from an installed
// font, not one the renderer slants or thickens.
TEST_F(FontsTest, EveryStyleOfTheStandInsIsAFaceOfItsOwn) {
    QStringList families{ApplicationFontFamily()};
    for (const FontStandIn& s : FontStandIns()) families << s.family;
    for (const QString& family : families) {
        for (bool bold : {false, true}) {
            for (bool italic : {false, true}) {
                QFont f(family);
                f.setBold(bold);
                f.setItalic(italic);
                const QString style = QFontInfo(f).styleName();
                SCOPED_TRACE(QStringLiteral("%1 bold %2 italic %3: %4")
                                 .arg(family)
                                 .arg(bold)
                                 .arg(italic)
                                 .arg(style)
                                 .toStdString());
                EXPECT_EQ(style.contains(QStringLiteral("Bold")), bold);
                EXPECT_EQ(style.contains(QRegularExpression(QStringLiteral("Italic|Oblique"))),
                          italic);
            }
        }
    }
}

}  // namespace
