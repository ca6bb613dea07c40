// The four one-page report layouts as data: page settings, three bands, and in each band
// fixed texts, value boxes and lines placed in twips from the band's top left corner.
#pragma once

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace orv {

// How a value box prints its field.
struct ValueFormat {
    enum class Kind { AsStored, Pattern, YesNo };
    Kind kind = Kind::AsStored;
    QString pattern;

    static ValueFormat AsStored() { return {}; }
    static ValueFormat Pattern(const QString& p) { return {Kind::Pattern, p}; }
    static ValueFormat YesNo() { return {Kind::YesNo, {}}; }
};

// A field's value as its box prints it: empty for an empty field under every format; a
// pattern applies to a number and to a text that reads as one (or as a date under a date
// pattern), other text prints as stored; Yes/No prints "No" for zero, "Yes" otherwise.
QString FormatReportValue(const QVariant& value, const ValueFormat& format);

// Arial at a point size.
struct ReportFont {
    double pointSize = 9;
    bool bold = false;
    bool italic = false;
    bool operator==(const ReportFont&) const = default;
};

enum class ReportAlign { Left, Right };

// What a text wider than its box prints.
enum class ReportFit {
    Whole,   // a figure (an amount, year, depth, percentage, date): whole, past its box
    Shrink,  // a name or caption: smaller to fit its box, then cut at its edge
};

struct ReportItem {
    enum class Kind { Text, Value, PrintDate, HLine, VLine };
    Kind kind = Kind::Text;
    // The caption of a fixed text, or the field of a value box.
    QString text;
    ValueFormat format;
    int left = 0;
    int top = 0;
    int width = 0;   // 0 for a vertical line
    int height = 0;  // 0 for a horizontal line
    // None: the report font.
    std::optional<ReportFont> font;
    ReportAlign align = ReportAlign::Left;
    ReportFit fit = ReportFit::Whole;
};

struct ReportBand {
    int height = 0;
    std::vector<ReportItem> items;
};

struct ReportLayout {
    QString name;
    // The data command whose row the layout prints, and its results table.
    QString command;
    QString resultsTable;
    int leftMargin = 1440;
    int rightMargin = 1440;
    int topMargin = 720;
    int bottomMargin = 720;
    int reportWidth = 0;
    ReportFont reportFont;
    ReportBand header;
    ReportBand detail;
    ReportBand footer;

    // Every field the layout's value boxes name, each once.
    QStringList Fields() const;
};

enum class ReportId { DefaultACAG, DefaultACAC, CustomACAG, CustomACAC };

// DRDefaultACAG, DRDefaultACAC, DRCustomACAG, DRCustomACAC.
const ReportLayout& Layout(ReportId id);

}  // namespace orv
