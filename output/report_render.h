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

// Paints the list with `devicePerTwip` device pixels to a twip, the painter's origin at the
// top left corner inside the margins. A text is aligned in its box and printed whole, also
// where it is wider than its box.
void PaintDisplayList(QPainter& painter, const DisplayList& list, double devicePerTwip);

// Upright US Letter with the layout's margins.
PageSetup ReportPageSetup(const ReportLayout& layout);

}  // namespace orv
