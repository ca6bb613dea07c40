#include <QSet>

#include "common/format.h"
#include "output/report_layout.h"

namespace orv {

QString FormatReportValue(const QVariant& value, const ValueFormat& format) {
    if (!value.isValid() || value.isNull()) return {};
    const bool isText = value.typeId() == QMetaType::QString;
    const QString text = isText ? value.toString() : QString();
    if (isText && text.isEmpty()) return {};
    switch (format.kind) {
        case ValueFormat::Kind::AsStored:
            return isText ? text : PlainNumberText(value.toDouble());
        case ValueFormat::Kind::Pattern:
            return isText ? FormatByPattern(text, format.pattern)
                          : FormatByPattern(value.toDouble(), format.pattern);
        case ValueFormat::Kind::YesNo: {
            const std::optional<double> number =
                isText ? NumberTextValue(text) : std::optional<double>(value.toDouble());
            if (!number) return text;
            return *number == 0 ? QStringLiteral("No") : QStringLiteral("Yes");
        }
    }
    return text;
}

QStringList ReportLayout::Fields() const {
    QStringList fields;
    QSet<QString> seen;
    for (const ReportBand* band : {&header, &detail, &footer}) {
        for (const ReportItem& item : band->items) {
            if (item.kind != ReportItem::Kind::Value || seen.contains(item.text)) continue;
            seen.insert(item.text);
            fields << item.text;
        }
    }
    return fields;
}

}  // namespace orv
