// The report renderer on display lists and painted pages, and the four layouts' data.
#include "output/report_render.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "store/schema.h"
#include "support/printers.h"

using namespace orv;

namespace {

const std::array<ReportId, 4> kAll = {ReportId::DefaultACAG, ReportId::DefaultACAC,
                                      ReportId::CustomACAG, ReportId::CustomACAC};

ReportItem TextItem(const QString& text, int left, int top, int width,
                    ReportAlign align = ReportAlign::Left) {
    return {ReportItem::Kind::Text, text, {}, left, top, width, 240, ReportFont{9}, align};
}

// A small layout of three bands with one item each and two lines.
ReportLayout SmallLayout() {
    ReportLayout l;
    l.name = "Small";
    l.reportWidth = 9000;
    l.reportFont = ReportFont{7.5};
    l.header.height = 400;
    l.header.items = {
        {ReportItem::Kind::PrintDate, {}, {}, 6000, 0, 2000, 240, std::nullopt, ReportAlign::Left}};
    l.detail.height = 5000;
    l.detail.items = {
        TextItem("Caption", 300, 30, 1000),
        {ReportItem::Kind::Value, "Amount", ValueFormat::Pattern("\"$\"#,##0"), 3000, 100, 2880,
         240, ReportFont{9, true}, ReportAlign::Right},
        {ReportItem::Kind::Value, "Empty", ValueFormat::Pattern("###,###"), 3000, 400, 1290, 240,
         ReportFont{9}, ReportAlign::Right},
        {ReportItem::Kind::HLine, {}, {}, 105, 3000, 8850, 0, std::nullopt, ReportAlign::Left},
        {ReportItem::Kind::VLine, {}, {}, 8940, 0, 0, 4800, std::nullopt, ReportAlign::Left},
    };
    l.footer.height = 30;
    l.footer.items = {TextItem("End", 0, 0, 500)};
    return l;
}

TEST(ReportRender, BandsStackFromTheTopMarginAndItemsKeepTheirPlaces) {
    const ReportRow row = {{"Amount", 1234567.0}, {"Empty", 0.0}};
    const DisplayList list = RenderReport(SmallLayout(), row, "Thursday, 10 December 2026");
    ASSERT_EQ(list.texts.size(), 4u);  // the zero under "###,###" prints nothing
    EXPECT_EQ(list.texts[0].text, "Thursday, 10 December 2026");
    EXPECT_EQ(list.texts[0].box, QRectF(6000, 0, 2000, 240));
    EXPECT_EQ(list.texts[0].font, ReportFont{7.5});  // the report font
    EXPECT_EQ(list.texts[1].text, "Caption");
    EXPECT_EQ(list.texts[1].box, QRectF(300, 430, 1000, 240));
    EXPECT_EQ(list.texts[2].text, "$1,234,567");
    EXPECT_EQ(list.texts[2].box, QRectF(3000, 500, 2880, 240));
    EXPECT_EQ(list.texts[2].align, ReportAlign::Right);
    EXPECT_EQ(list.texts[3].text, "End");
    EXPECT_EQ(list.texts[3].box.top(), 5400);
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0], QLineF(105, 3400, 8955, 3400));
    EXPECT_EQ(list.lines[1], QLineF(8940, 400, 8940, 5200));
}

// The ink of a painted page: the bounding box of its dark pixels within `region`.
QRect Ink(const QImage& image, const QRect& region) {
    QRect ink;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

TEST(ReportRender, PaintingAlignsRightAgainstTheBoxEdgeAndDrawsTheLines) {
    const ReportRow row = {{"Amount", 1234567.0}, {"Empty", 0.0}};
    const DisplayList list = RenderReport(SmallLayout(), row, "date");
    const double perTwip = 300.0 / 1440;  // 300 dots per inch
    QImage image(2600, 1400, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintDisplayList(painter, list, perTwip);
    painter.end();

    // The amount's ink ends at its box's right edge and starts well inside the box.
    const QRectF box = list.texts[2].box;
    const QRect amount =
        Ink(image, QRect(int(box.left() * perTwip), int(box.top() * perTwip),
                         int(box.width() * perTwip) + 20, int(box.height() * perTwip)));
    ASSERT_FALSE(amount.isNull());
    EXPECT_NEAR(amount.right(), box.right() * perTwip, 15 * perTwip + 2);
    EXPECT_GT(amount.left(), (box.left() + 1000) * perTwip);
    // The caption starts at its box's left edge, its ink inside the box's height.
    const QRect caption =
        Ink(image, QRect(0, int(430 * perTwip), int(2000 * perTwip), int(240 * perTwip)));
    EXPECT_NEAR(caption.left(), 300 * perTwip, 30 * perTwip);
    // The lines: a thin horizontal one across and a vertical one down.
    const QRect horizontal =
        Ink(image, QRect(0, int(3380 * perTwip), int(8900 * perTwip), int(40 * perTwip)));
    EXPECT_NEAR(horizontal.left(), 105 * perTwip, 2);
    EXPECT_NEAR(horizontal.right(), 8900 * perTwip, 2);
    EXPECT_LE(horizontal.height(), 4);
    const QRect vertical =
        Ink(image, QRect(int(8920 * perTwip), 0, int(40 * perTwip), int(3300 * perTwip)));
    EXPECT_NEAR(vertical.top(), 400 * perTwip, 2);
    EXPECT_LE(vertical.width(), 4);
}

TEST(ReportRender, ANameWiderThanItsBoxIsDrawnSmallerThenCutAFigureNever) {
    QImage device(1, 1, QImage::Format_RGB32);  // 1200 dots per inch, as a printer
    device.setDotsPerMeterX(47244);
    device.setDotsPerMeterY(47244);
    const double perTwip = 1200.0 / 1440;
    const QString name = R"(Micro Surfacing & "Rut" Fill With Polymer Oil)";
    struct Case {
        QString text;
        ReportFont font;
        int width;  // twips
        ReportFit fit;
        double smallest, largest;  // the size it prints at
        bool cut;
    };
    const Case cases[] = {
        {"Fog Seal", {9}, 1545, ReportFit::Shrink, 9, 9, false},
        // A little too wide: a little smaller.
        {"Aggregate Base Course", {9}, 1875, ReportFit::Shrink, 8.5, 8.9, false},
        {name, {9, true}, 3090, ReportFit::Shrink, 6.5, 8, false},
        // Too wide at the smallest size: cut.
        {name, {9}, 2025, ReportFit::Shrink, 6, 6, true},
        {name, {9, false, true}, 600, ReportFit::Shrink, 6, 6, true},
        // A figure prints whole, however wide.
        {"$100,000,000,000", {9, true}, 600, ReportFit::Whole, 9, 9, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + std::to_string(c.width));
        const PlacedText t{QRectF(0, 0, c.width, 240), c.text, c.font, ReportAlign::Left, c.fit};
        const FittedText f = FitText(t, c.width * perTwip, &device);
        EXPECT_GE(f.font.pointSizeF(), c.smallest);
        EXPECT_LE(f.font.pointSizeF(), c.largest);
        EXPECT_EQ(f.font.bold(), c.font.bold);
        EXPECT_EQ(f.font.italic(), c.font.italic);
        if (c.cut) {
            ASSERT_TRUE(f.text.endsWith(QChar(0x2026))) << f.text.toStdString();
            EXPECT_TRUE(c.text.startsWith(f.text.chopped(1)));
        } else {
            EXPECT_EQ(f.text, c.text);
        }
        if (c.fit == ReportFit::Whole) continue;
        EXPECT_LE(QFontMetricsF(f.font, &device).horizontalAdvance(f.text), c.width * perTwip);
        // Drawn at the largest tenth of a point that fits.
        if (!c.cut && f.font.pointSizeF() < c.font.pointSize) {
            QFont larger = f.font;
            larger.setPointSizeF(f.font.pointSizeF() + 0.1);
            EXPECT_GT(QFontMetricsF(larger, &device).horizontalAdvance(c.text), c.width * perTwip);
        }
    }
}

TEST(ReportLayouts, EachFitsALetterPageAndNamesOnlyFieldsOfItsTables) {
    for (ReportId id : kAll) {
        const ReportLayout& l = Layout(id);
        SCOPED_TRACE(l.name.toStdString());
        EXPECT_LE(l.leftMargin + l.reportWidth + l.rightMargin, 12240);
        EXPECT_LE(
            l.topMargin + l.header.height + l.detail.height + l.footer.height + l.bottomMargin,
            15840);
        for (const ReportBand* band : {&l.header, &l.detail, &l.footer}) {
            for (const ReportItem& item : band->items) {
                EXPECT_GE(item.left, 0) << item.text.toStdString();
                EXPECT_LE(item.left + item.width, l.reportWidth) << item.text.toStdString();
                EXPECT_LE(item.top + item.height, band->height) << item.text.toStdString();
            }
        }
        for (const QString& field : l.Fields()) {
            EXPECT_TRUE(schema::Table(schema::kVorn).Find(field) ||
                        schema::Table(l.resultsTable).Find(field))
                << field.toStdString();
        }
    }
}

// Captions and the boxes of names fit themselves to their boxes; figures print whole.
TEST(ReportLayouts, NamesAndCaptionsFitTheirBoxesFiguresPrintWhole) {
    const QStringList names = {"ProjectName",
                               "From",
                               "To",
                               "SurfaceTwo",
                               "ConstOptionOneLabel",
                               "ConstOptionTwoLabel",
                               "Maintenance",
                               "SurfaceOptionTwoLabel",
                               "MaintOptionOneLabel",
                               "MaintOptionTwoLabel",
                               "MaintOptionThreeLabel"};
    const QRegularExpression activity(
        "^Opt(One|Two)(Zero|One|Two|Three|Four|Five|Six|Seven|Eight)$");
    for (ReportId id : kAll) {
        const ReportLayout& l = Layout(id);
        SCOPED_TRACE(l.name.toStdString());
        int shrinking = 0;
        for (const ReportBand* band : {&l.header, &l.detail, &l.footer}) {
            for (const ReportItem& item : band->items) {
                const bool name =
                    item.kind == ReportItem::Kind::Text ||
                    (item.kind == ReportItem::Kind::Value &&
                     (names.contains(item.text) || activity.match(item.text).hasMatch()));
                EXPECT_EQ(item.fit, name ? ReportFit::Shrink : ReportFit::Whole)
                    << item.text.toStdString();
                shrinking += item.fit == ReportFit::Shrink && item.kind == ReportItem::Kind::Value;
            }
        }
        EXPECT_GE(shrinking, 8);
    }
}

TEST(ReportLayouts, UserNamesPrintAsStoredInEveryLayout) {
    // Names that read as numbers, which a money pattern would print as dollar amounts.
    const std::pair<const char*, const char*> names[] = {{"SurfaceOptionTwoLabel", "12"},
                                                         {"ConstOptionOneLabel", "7.5"},
                                                         {"ConstOptionTwoLabel", "1,000"},
                                                         {"MaintOptionOneLabel", "-3"},
                                                         {"MaintOptionTwoLabel", "$5"},
                                                         {"MaintOptionThreeLabel", "0"},
                                                         {"SurfaceTwo", "20"}};
    ReportRow row;
    for (const auto& [field, name] : names) row.insert(field, QString(name));
    const QRegularExpression amount(R"(^-?\$-?[\d,]*\.\d\d$)");
    for (ReportId id : kAll) {
        SCOPED_TRACE(Layout(id).name.toStdString());
        const DisplayList list = RenderReport(Layout(id), row, "date");
        for (const auto& [field, name] : names) {
            EXPECT_TRUE(std::any_of(list.texts.begin(), list.texts.end(),
                                    [name = name](const PlacedText& t) { return t.text == name; }))
                << field;
        }
        for (const PlacedText& t : list.texts)
            EXPECT_FALSE(t.text.contains(amount)) << t.text.toStdString();
    }
}

}  // namespace
