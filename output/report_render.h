// Draws a report layout: first as a display list of placed texts and lines, in twips from
// the top left corner inside the page margins, then with a painter on any device.
#pragma once

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <vector>

#include "output/report_layout.h"
#include "platform/dialogs.h"
#include "store/project_store.h"

class QPainter;

namespace orv {

struct PlacedText {
    QRectF box;  // twips
    QString text;
    ReportFont font;
    ReportAlign align;
    ReportFit fit = ReportFit::Whole;
};

struct DisplayList {
    std::vector<PlacedText> texts;
    std::vector<QLineF> lines;  // twips
};

// The layout's bands one below the other from the top margin, each item at its band's top
// plus its own place, with the formatted value of each value box and `printDate` in the
// print date's box. Items that print nothing are left out.
DisplayList RenderReport(const ReportLayout& layout, const ReportRow& row,
                         const QString& printDate);

// The fields a layout names that `row` lacks.
QStringList MissingFields(const ReportLayout& layout, const ReportRow& row);

// Arial, which prints as Liberation Sans, at the font's point size.
QFont ReportQFont(const ReportFont& font);

// The smallest size to which a name or caption is drawn to fit its box.
inline constexpr double kSmallestFitPoints = 6;

// A text in the font and form it prints in.
struct FittedText {
    QFont font;
    QString text;
};
// How `t` prints in a box `width` device pixels wide on `device`. A text that fits prints as
// it is, and so does a figure that does not. A name or caption wider than its box is drawn
// smaller, to the largest tenth of a point at which it fits but no smaller than
// kSmallestFitPoints; wider still at that size, it is cut at the box's edge with "…".
FittedText FitText(const PlacedText& t, double width, const QPaintDevice* device);

// Paints the list with `devicePerTwip` device pixels to a twip, the painter's origin at the
// top left corner inside the margins. Each text is aligned in its box as FitText prints it,
// on the baseline it has at its own size; a figure wider than its box prints past it.
void PaintDisplayList(QPainter& painter, const DisplayList& list, double devicePerTwip);

// Upright US Letter with the layout's margins.
PageSetup ReportPageSetup(const ReportLayout& layout);

}  // namespace orv
