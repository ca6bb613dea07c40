#include "output/report_render.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace orv {

DisplayList RenderReport(const ReportLayout& layout, const ReportRow& row,
                         const QString& printDate) {
    DisplayList list;
    const int detailTop = layout.header.height;
    const int footerTop = detailTop + layout.detail.height;
    const std::pair<const ReportBand*, int> bands[] = {
        {&layout.header, 0}, {&layout.detail, detailTop}, {&layout.footer, footerTop}};
    for (const auto& [band, bandTop] : bands) {
        for (const ReportItem& item : band->items) {
            const double left = item.left;
            const double top = bandTop + item.top;
            QString text;
            switch (item.kind) {
                case ReportItem::Kind::HLine:
                    list.lines.emplace_back(left, top, left + item.width, top);
                    continue;
                case ReportItem::Kind::VLine:
                    list.lines.emplace_back(left, top, left, top + item.height);
                    continue;
                case ReportItem::Kind::Text:
                    text = item.text;
                    break;
                case ReportItem::Kind::Value:
                    text = FormatReportValue(row.value(item.text), item.format);
                    break;
                case ReportItem::Kind::PrintDate:
                    text = printDate;
                    break;
            }
            if (text.isEmpty()) continue;
            list.texts.push_back({QRectF(left, top, item.width, item.height), text,
                                  item.font.value_or(layout.reportFont), item.align, item.fit});
        }
    }
    return list;
}

QStringList MissingFields(const ReportLayout& layout, const ReportRow& row) {
    QStringList missing;
    for (const QString& field : layout.Fields()) {
        if (!row.contains(field)) missing << field;
    }
    return missing;
}

QFont ReportQFont(const ReportFont& font) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

FittedText FitText(const PlacedText& t, double width, const QPaintDevice* device) {
    FittedText fitted{ReportQFont(t.font), t.text};
    auto advance = [&](const QFont& font) {
        return QFontMetricsF(font, device).horizontalAdvance(t.text);
    };
    if (t.fit == ReportFit::Whole || advance(fitted.font) <= width) return fitted;
    // Down by tenths of a point: glyphs are placed on the device's grid, so the width does
    // not follow the size exactly.
    const int smallest =
        static_cast<int>(std::round(std::min(kSmallestFitPoints, t.font.pointSize) * 10));
    for (int tenths = static_cast<int>(std::ceil(t.font.pointSize * 10)) - 1; tenths > smallest;
         --tenths) {
        fitted.font.setPointSizeF(tenths / 10.0);
        if (advance(fitted.font) <= width) return fitted;
    }
    fitted.font.setPointSizeF(smallest / 10.0);
    fitted.text = QFontMetricsF(fitted.font, device).elidedText(t.text, Qt::ElideRight, width);
    return fitted;
}

void PaintDisplayList(QPainter& painter, const DisplayList& list, double devicePerTwip) {
    painter.save();
    // A thin line: half a point.
    painter.setPen(QPen(Qt::black, 10 * devicePerTwip, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& line : list.lines) {
        painter.drawLine(QLineF(line.p1() * devicePerTwip, line.p2() * devicePerTwip));
    }
    painter.setPen(Qt::black);
    for (const PlacedText& t : list.texts) {
        QRectF box(t.box.topLeft() * devicePerTwip, t.box.size() * devicePerTwip);
        const FittedText fitted = FitText(t, box.width(), painter.device());
        // A smaller text keeps the baseline of its own size.
        if (fitted.font.pointSizeF() != t.font.pointSize) {
            box.translate(0, QFontMetricsF(ReportQFont(t.font), painter.device()).ascent() -
                                 QFontMetricsF(fitted.font, painter.device()).ascent());
        }
        painter.setFont(fitted.font);
        const int align = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip |
                          (t.align == ReportAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
        painter.drawText(box, align, fitted.text);
    }
    painter.restore();
}

PageSetup ReportPageSetup(const ReportLayout& layout) {
    PageSetup setup;
    setup.paper = QPageSize::Letter;
    setup.orientation = QPageLayout::Portrait;
    setup.marginsTwips =
        QMarginsF(layout.leftMargin, layout.topMargin, layout.rightMargin, layout.bottomMargin);
    setup.documentName = layout.name;
    return setup;
}

}  // namespace orv
