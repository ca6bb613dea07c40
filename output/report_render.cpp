#include "output/report_render.h"

#include <QPainter>
#include <QPen>

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
                                  item.font.value_or(layout.reportFont), item.align});
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

void PaintDisplayList(QPainter& painter, const DisplayList& list, double devicePerTwip) {
    painter.save();
    // A thin line: half a point.
    painter.setPen(QPen(Qt::black, 10 * devicePerTwip, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& line : list.lines) {
        painter.drawLine(QLineF(line.p1() * devicePerTwip, line.p2() * devicePerTwip));
    }
    painter.setPen(Qt::black);
    for (const PlacedText& t : list.texts) {
        painter.setFont(ReportQFont(t.font));
        const QRectF box(t.box.topLeft() * devicePerTwip, t.box.size() * devicePerTwip);
        const int align = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip |
                          (t.align == ReportAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
        painter.drawText(box, align, t.text);
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
