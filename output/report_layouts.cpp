// The four report layouts. Each is put together from the tables below: the heading band
// and the frame lines of each layout, the project block (placed for DRDefaultACAG and moved
// by each layout's offsets), the materials costs block (the items and, for each layout,
// which items stand in which half and where), and each layout's comparative analysis block.
#include <array>
#include <map>

#include "output/report_layout.h"

namespace orv {
namespace {

using Kind = ReportItem::Kind;

const ReportFont k9{9};
const ReportFont k9Italic{9, false, true};
const ReportFont k9Bold{9, true};
const ReportFont k10Bold{10.5, true};
const ReportFont k12Bold{12, true};

const ValueFormat kStored = ValueFormat::AsStored();
const ValueFormat kYesNo = ValueFormat::YesNo();
ValueFormat P(const char* pattern) { return ValueFormat::Pattern(QString::fromLatin1(pattern)); }
const ValueFormat kMoney2 = P("\"$\"#,##0.00");
const ValueFormat kMoney0 = P("\"$\"#,##0");
const ValueFormat kWhole0 = P("###,##0");
const ValueFormat kWhole = P("###,###");
const ValueFormat kYear = P("##");

constexpr ReportAlign kLeft = ReportAlign::Left;
constexpr ReportAlign kRight = ReportAlign::Right;

// A caption, which fits itself to its box.
ReportItem Text(const QString& caption, int left, int top, int width, int height,
                std::optional<ReportFont> font = k9, ReportAlign align = kLeft) {
    return {Kind::Text, caption, kStored, left, top, width, height, font, align, ReportFit::Shrink};
}
// A figure, which prints whole.
ReportItem Value(const QString& field, const ValueFormat& format, int left, int top, int width,
                 int height, ReportFont font = k9, ReportAlign align = kLeft) {
    return {Kind::Value, field, format, left, top, width, height, font, align};
}
// A field that holds a name, which fits itself to its box as a caption does.
ReportItem Name(const QString& field, const ValueFormat& format, int left, int top, int width,
                int height, ReportFont font = k9) {
    ReportItem item = Value(field, format, left, top, width, height, font);
    item.fit = ReportFit::Shrink;
    return item;
}
ReportItem HLine(int left, int top, int width) {
    return {Kind::HLine, {}, kStored, left, top, width, 0, std::nullopt, kLeft};
}
ReportItem VLine(int left, int top, int height) {
    return {Kind::VLine, {}, kStored, left, top, 0, height, std::nullopt, kLeft};
}

int Index(ReportId id) { return static_cast<int>(id); }

// ---- Page settings and heading band

struct PageRow {
    const char* name;
    const char* command;
    const char* table;
    int reportWidth;
    double reportFont;
    int headerHeight;
    int detailHeight;
    int footerHeight;
    // "ORVALEN": left, top, width; the print date: left, top, width.
    int titleLeft, titleTop, titleWidth;
    int dateLeft, dateTop, dateWidth;
};

const std::array<PageRow, 4> kPages = {{
    {"DRDefaultACAG", "CmdDefaultACAG", "DefaultACAG", 9087, 7.5, 390, 12897, 30, 2664, 0, 3600,
     6912, 0, 2025},
    {"DRDefaultACAC", "CmdDefaultACAC", "DefaultACAC", 9345, 7.5, 345, 12870, 30, 2664, 0, 3600,
     6912, 0, 2025},
    {"DRCustomACAG", "CmdCustomACAG", "CustomACAG", 9030, 7.5, 660, 13035, 0, 2664, 72, 3750, 6912,
     0, 2010},
    {"DRCustomACAC", "CmdCustomACAC", "CustomACAC", 9225, 8.25, 774, 12960, 6, 2808, 144, 3600,
     7056, 144, 2025},
}};

// ---- Frame and divider lines: left, top, and width (horizontal) or height (vertical)

struct LineRow {
    bool vertical;
    std::array<std::array<int, 3>, 4> at;  // per layout
};

const std::array<LineRow, 7> kLines = {{
    // top edge
    {false, {{{72, 0, 8856}, {75, 0, 8940}, {72, 0, 8856}, {210, 15, 8850}}}},
    // left edge
    {true, {{{105, 75, 12720}, {60, 0, 12810}, {75, 15, 12915}, {210, 30, 12876}}}},
    // right edge
    {true, {{{8940, 0, 12825}, {8997, 0, 12825}, {8940, 0, 12930}, {9069, 0, 12885}}}},
    // above the materials costs block
    {false, {{{105, 3000, 8850}, {165, 3240, 8850}, {105, 3030, 8850}, {219, 3315, 8850}}}},
    // above the comparative analysis block
    {false, {{{105, 6675, 8850}, {75, 6300, 8910}, {105, 6495, 8850}, {210, 6435, 8850}}}},
    // between option one and option two
    {false, {{{105, 10485, 8850}, {90, 9630, 8910}, {105, 9795, 8850}, {210, 9780, 8850}}}},
    // bottom edge
    {false, {{{105, 12795, 8850}, {75, 12810, 8910}, {75, 12945, 8850}, {225, 12885, 8835}}}},
}};

// ---- Project block, placed as in DRDefaultACAG; every item 240 high

constexpr int kSurfaceCaption = -1;  // row 6's caption, which differs by layout
constexpr int kWidthBox = -2;        // the Width box, whose width differs by layout
constexpr int kSurfaceTwoBox = -3;   // the SurfaceTwo box, placed apart in DRCustomACAC
constexpr int kReportFontPercent = -4;

struct ProjectRow {
    int row;
    Kind kind;
    const char* text;
    ValueFormat format;
    int left, top, width;
    ReportAlign align;
    bool italic;
    int special;
};

const ValueFormat k00 = P("0.0");
const ValueFormat kGrouped = P("#,##0");
const ValueFormat kGrouped1 = P("#,##0.0");
const char* const kInch = "\"";

const std::vector<ProjectRow> kProjectBlock = {
    {1, Kind::Text, "Project Name :", kStored, 300, 30, 1155, kLeft, false, 0},
    {1, Kind::Value, "ProjectName", kStored, 1605, 30, 7050, kLeft, true, 0},
    {2, Kind::Text, "From :", kStored, 300, 270, 1155, kLeft, false, 0},
    {2, Kind::Value, "From", kStored, 1605, 270, 7050, kLeft, true, 0},
    {3, Kind::Text, "To :", kStored, 300, 510, 1155, kLeft, false, 0},
    {3, Kind::Value, "To", kStored, 1605, 510, 7050, kLeft, true, 0},
    {4, Kind::Text, "Project Date :", kStored, 300, 750, 1155, kLeft, false, 0},
    {4, Kind::Value, "ProjectDate", P("mmmm-yy"), 1605, 750, 1440, kLeft, false, 0},
    {4, Kind::Text, "Analysis Period ( yrs ):", kStored, 3105, 750, 1875, kLeft, false, 0},
    {4, Kind::Value, "AnalysisText", kStored, 4980, 750, 585, kRight, false, 0},
    {5, Kind::Text, "Length ( ft ) :", kStored, 300, 990, 1170, kLeft, false, 0},
    {5, Kind::Value, "Length", kGrouped, 1590, 990, 870, kLeft, false, 0},
    {5, Kind::Text, "Width ( ft ) :", kStored, 3105, 990, 1020, kLeft, false, 0},
    {5, Kind::Value, "Width", kGrouped, 4185, 990, 735, kLeft, false, kWidthBox},
    {5, Kind::Text, "Area ( sq ft ) :", kStored, 6450, 990, 1170, kLeft, false, 0},
    {5, Kind::Value, "Area", kGrouped, 7680, 990, 1020, kLeft, false, 0},
    {6, Kind::Text, "", kStored, 300, 1230, 2880, kLeft, false, kSurfaceCaption},
    {6, Kind::Value, "SurfaceDepthOne", k00, 3375, 1230, 420, kRight, false, 0},
    {6, Kind::Text, kInch, kStored, 3825, 1230, 225, kRight, false, 0},
    {6, Kind::Value, "SurfaceTwo", kStored, 4920, 1230, 3090, kLeft, false, kSurfaceTwoBox},
    {6, Kind::Value, "SurfaceDepthTwo", k00, 8040, 1230, 435, kRight, false, 0},
    {6, Kind::Text, kInch, kStored, 8490, 1230, 225, kRight, false, 0},
    {7, Kind::Text, "Aggregate Base Course", kStored, 300, 1470, 1875, kLeft, false, 0},
    {7, Kind::Value, "BaseCourseOne", kGrouped1, 3375, 1470, 435, kRight, false, 0},
    {7, Kind::Text, kInch, kStored, 3810, 1485, 240, kRight, false, 0},
    {7, Kind::Text, "Aggregate Base Course", kStored, 4905, 1470, 1875, kLeft, false, 0},
    {7, Kind::Value, "BaseCourseTwo", kGrouped1, 8040, 1470, 420, kRight, false, 0},
    {7, Kind::Text, kInch, kStored, 8460, 1485, 225, kRight, false, 0},
    {8, Kind::Text, "Stablized Subgrade", kStored, 300, 1710, 1875, kLeft, false, 0},
    {8, Kind::Value, "SubgradeOne", k00, 3375, 1710, 420, kRight, false, 0},
    {8, Kind::Text, kInch, kStored, 3810, 1710, 240, kRight, false, 0},
    {8, Kind::Text, "Stablized Subgrade", kStored, 4905, 1710, 1875, kLeft, false, 0},
    {8, Kind::Value, "SubgradeTwo", k00, 8040, 1710, 420, kRight, false, 0},
    {8, Kind::Text, kInch, kStored, 8475, 1710, 240, kRight, false, 0},
    {9, Kind::Text, "Subgrade Preparation", kStored, 300, 1950, 1875, kLeft, false, 0},
    {9, Kind::Value, "SubgradePrepOne", kYesNo, 3375, 1950, 435, kLeft, false, 0},
    {9, Kind::Text, "Subgrade Preparation", kStored, 4905, 1950, 1875, kLeft, false, 0},
    {9, Kind::Value, "SubgradePrepTwo", kYesNo, 8040, 1950, 570, kLeft, false, 0},
    {10, Kind::Text, "Paving Fabric", kStored, 300, 2190, 1875, kLeft, false, 0},
    {10, Kind::Value, "PavementFabricOne", kYesNo, 3375, 2190, 435, kLeft, false, 0},
    {10, Kind::Text, "Paving Fabric", kStored, 4905, 2190, 1875, kLeft, false, 0},
    {10, Kind::Value, "PavementFabricTwo", kYesNo, 8040, 2190, 435, kLeft, false, 0},
    {11, Kind::Value, "ConstOptionOneLabel", kStored, 315, 2430, 2190, kLeft, false, 0},
    {11, Kind::Value, "ConstOptionOne", k00, 3375, 2430, 420, kRight, false, 0},
    {11, Kind::Text, kInch, kStored, 3810, 2430, 240, kRight, false, 0},
    {11, Kind::Value, "ConstOptionTwoLabel", kStored, 4920, 2430, 2190, kLeft, false, 0},
    {11, Kind::Value, "ConstOptionTwo", k00, 8040, 2430, 420, kRight, false, 0},
    {11, Kind::Text, kInch, kStored, 8475, 2430, 240, kRight, false, 0},
    // The salvage percentages print as stored ("10"), as their caption says.
    {12, Kind::Text, "Salvage Percent", kStored, 300, 0, 1875, kLeft, false, 0},
    {12, Kind::Value, "SalvageOne", kStored, 3375, 0, 435, kLeft, false, 0},
    {12, Kind::Text, "Salvage Percent", kStored, 4905, 0, 1875, kLeft, false, 0},
    {12, Kind::Value, "SalvageTwo", kStored, 8040, 0, 435, kLeft, false, 0},
    {13, Kind::Text, "Planned Maintenance", kStored, 300, 2670, 1875, kLeft, false, 0},
    {13, Kind::Value, "Maintenance", kStored, 2265, 2670, 1080, kLeft, false, 0},
    {13, Kind::Text, "Inflation Rate :", kStored, 4905, 2670, 1155, kLeft, false, 0},
    {13, Kind::Value, "InflationRate", k00, 6060, 2670, 435, kLeft, false, 0},
    {13, Kind::Text, "%", kStored, 6495, 2670, 285, kLeft, false, 0},
    {13, Kind::Text, "Interest Rate", kStored, 6930, 2670, 1155, kLeft, false, 0},
    {13, Kind::Value, "InterestRate", k00, 8100, 2670, 420, kLeft, false, 0},
    {13, Kind::Text, "%", kStored, 8520, 2685, 300, kLeft, false, kReportFontPercent},
};

// The project block's value boxes that hold names; the others hold figures.
const QStringList kProjectNames = {QStringLiteral("ProjectName"),
                                   QStringLiteral("From"),
                                   QStringLiteral("To"),
                                   QStringLiteral("SurfaceTwo"),
                                   QStringLiteral("ConstOptionOneLabel"),
                                   QStringLiteral("ConstOptionTwoLabel"),
                                   QStringLiteral("Maintenance")};

struct ProjectOffsets {
    int across;
    int down;      // rows 1 to 11
    int row12Top;  // 0: no row 12
    int row13Top;
    const char* surfaceCaption;
    int widthBox;
};

const std::array<ProjectOffsets, 4> kProjectOffsets = {{
    {0, 0, 0, 2670, "Hot Mix Asphalt Surface Depth", 735},
    {60, 0, 2670, 2910, "Hot Mix Asphalt #1 Surface Depth", 720},
    {-15, 30, 0, 2700, "Hot Mix Asphalt Surface Depth", 720},
    {90, 120, 2790, 3030, "Hot Mix Asphalt #1 Surface Depth", 720},
}};

void AddProjectBlock(ReportId id, std::vector<ReportItem>& out) {
    const ProjectOffsets& o = kProjectOffsets[Index(id)];
    for (const ProjectRow& r : kProjectBlock) {
        if (r.row == 12 && o.row12Top == 0) continue;
        int top = r.top + o.down;
        if (r.row == 12) top = o.row12Top;
        if (r.row == 13) top = o.row13Top + (r.top - 2670);
        int left = r.left + o.across;
        int width = r.width;
        QString text = QString::fromLatin1(r.text);
        std::optional<ReportFont> font = r.italic ? k9Italic : k9;
        if (r.special == kSurfaceCaption) text = QString::fromLatin1(o.surfaceCaption);
        if (r.special == kWidthBox) width = o.widthBox;
        if (r.special == kSurfaceTwoBox && id == ReportId::CustomACAC) {
            left = 4995;
            top = 1380;
        }
        if (r.special == kReportFontPercent) font = std::nullopt;
        const bool name = r.kind == Kind::Text || kProjectNames.contains(text);
        out.push_back({r.kind, text, r.format, left, top, width, 240, font, r.align,
                       name ? ReportFit::Shrink : ReportFit::Whole});
    }
}

// ---- Materials costs block

struct MaterialRow {
    const char* name;  // a caption, or the field that holds the user's name
    bool nameIsField;
    int nameWidth;
    const char* cost;
    int costWidth;
    const char* unit;
    int unitWidth;
};

const char* const kPerInch = "$/ sq yd / in";
const char* const kPerYard = "$/ sq yd ";
const char* const kSqyd = "$/ sqyd";
const char* const kSqydInch = "$/ sqyd / in";

// Items 1 to 26, as most layouts name them.
const std::array<MaterialRow, 26> kMaterials = {{
    {"Hot Mix Asphalt", false, 2160, "AsphaltCementCost", 570, kPerInch, 1020},
    {"Hot Mix Asphalt #2", false, 2160, "AsphaltCementCost2", 570, kPerInch, 1020},
    {"Aggregate Surface", false, 2160, "AggregateCost", 570, kPerInch, 1020},
    {"SurfaceOptionTwoLabel", true, 2190, "SurfaceOptionTwoCost", 570, kPerInch, 1020},
    {"Agg Base Course", false, 2160, "AggBaseCourseCost", 570, kPerInch, 1020},
    {"Stabilized Subgrade", false, 2160, "StablizedSubgradeCost", 570, kPerInch, 1020},
    {"Subgrade Prep", false, 2160, "SubgradePrepCost", 570, kPerInch, 1020},
    {"Paving Fabric", false, 2160, "PavementFabricCost", 570, kPerYard, 1020},
    {"ConstOptionOneLabel", true, 2190, "ConstOptionOneCost", 570, kPerInch, 1020},
    {"ConstOptionTwoLabel", true, 2190, "ConstOptionTwoCost", 570, kPerInch, 1020},
    {"Demolition", false, 1080, "DemolitionCost", 585, kSqyd, 645},
    {"Fog Seal", false, 1080, "FogSealCost", 585, kSqyd, 645},
    {"Chip Seal", false, 1515, "ChipSealCost", 585, kSqyd, 645},
    {"Slurry Seal", false, 1515, "SlurrySealCost", 585, kSqyd, 645},
    {"Seal Coat", false, 1515, "SealCoatCost", 585, kSqyd, 645},
    {"Asphalt Crack Seal", false, 1800, "CrackSealCost", 585, kSqyd, 645},
    {"Asphalt Patch", false, 1515, "PatchingCost", 585, kSqyd, 645},
    {"Infrared Patch", false, 1515, "InfaredCost", 585, kSqyd, 645},
    {"Overlay", false, 1080, "OverlayCost", 585, kSqydInch, 1080},
    {"Rotomill", false, 1380, "RotomillCost", 585, kSqydInch, 1080},
    {"Blade", false, 1515, "BladeCost", 585, kSqyd, 645},
    {"Blade And Gravel", false, 1725, "BladeGravelCost", 585, kSqydInch, 1095},
    {"Dust Control", false, 1515, "DustControlCost", 585, kSqyd, 645},
    {"MaintOptionOneLabel", true, 1845, "MaintOptionOneCost", 585, kSqyd, 1080},
    {"MaintOptionTwoLabel", true, 1845, "MaintOptionTwoCost", 585, kSqyd, 1080},
    {"MaintOptionThreeLabel", true, 1845, "MaintOptionThreeCost", 585, kSqyd, 1080},
}};

// The names and units that a layout gives otherwise: layout, item, name or unit.
struct MaterialOverride {
    ReportId layout;
    int item;
    const char* name;
    const char* unit;
};

const std::vector<MaterialOverride> kMaterialOverrides = {
    {ReportId::CustomACAC, 1, "Hot Mix Asphalt One", nullptr},
    {ReportId::CustomACAC, 2, "Hot Mix Asphalt Two", nullptr},
    {ReportId::CustomACAG, 3, "Aggregate Pavement", nullptr},
    {ReportId::DefaultACAC, 7, nullptr, kPerYard},
    {ReportId::DefaultACAC, 8, nullptr, kPerInch},
    {ReportId::CustomACAG, 17, "Asphalt Patching", nullptr},
    {ReportId::CustomACAC, 17, "Asphalt Patching", nullptr},
    {ReportId::CustomACAG, 18, "Infrared Patching", nullptr},
    {ReportId::CustomACAC, 18, "Infrared Patching", nullptr},
};

// A half of the block: its items top to bottom, the lefts of name, cost and unit, and the
// top of each row.
struct MaterialHalf {
    std::vector<int> items;
    int nameLeft, costLeft, unitLeft;
    std::vector<int> tops;
};

std::vector<int> Tops(int first, int count) {
    std::vector<int> tops;
    for (int n = 0; n < count; ++n) tops.push_back(first + 240 * n);
    return tops;
}
std::vector<int> Range(int from, int to) {
    std::vector<int> items;
    for (int i = from; i <= to; ++i) items.push_back(i);
    return items;
}
std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct MaterialBlock {
    int titleLeft, titleTop;
    std::vector<MaterialHalf> halves;
};

const std::vector<int> kAsphaltLeft = {1, 2, 4, 5, 6, 7, 8, 11, 9, 10, 12};

MaterialBlock MaterialsOf(ReportId id) {
    switch (id) {
        case ReportId::DefaultACAG:
            return {315,
                    3105,
                    {{Range(1, 13), 315, 2655, 3510, Tops(3390, 13)},
                     {Range(14, 20), 4950, 6975, 7830, Tops(3405, 7)},
                     {Range(21, 26), 4935, 6960, 7815, Tops(3405 + 240 * 7, 6)}}};
        case ReportId::DefaultACAC:
            return {345,
                    3300,
                    {{kAsphaltLeft, 375, 2700, 3540, Tops(3585, 11)},
                     {Join(Range(13, 20), Range(24, 26)), 4965, 7005, 7890,
                      Join(Tops(3600, 8), {5505, 5745, 5985})}}};
        case ReportId::CustomACAG:
            return {300,
                    3090,
                    {{Join({1}, Range(3, 13)), 300, 2610, 3495, Tops(3525, 12)},
                     {Range(14, 17), 4905, 6930, 7830, Tops(3315, 4)},
                     {Range(18, 26), 4890, 6930, 7785, Tops(3315 + 240 * 4, 9)}}};
        case ReportId::CustomACAC:
            return {390,
                    3360,
                    {{kAsphaltLeft, 390, 2625, 3540, Tops(3645, 11)},
                     {Join(Range(13, 20), Range(24, 26)), 4995, 7005, 7830, Tops(3705, 11)}}};
    }
    return {};
}

void AddMaterialsBlock(ReportId id, std::vector<ReportItem>& out) {
    const MaterialBlock block = MaterialsOf(id);
    out.push_back(Text(QStringLiteral("MATERIALS COSTS"), block.titleLeft, block.titleTop, 2310,
                       285, k9Bold));
    for (const MaterialHalf& half : block.halves) {
        for (size_t n = 0; n < half.items.size(); ++n) {
            const int item = half.items[n];
            const MaterialRow& m = kMaterials[static_cast<size_t>(item - 1)];
            QString name = QString::fromLatin1(m.name);
            QString unit = QString::fromLatin1(m.unit);
            for (const MaterialOverride& o : kMaterialOverrides) {
                if (o.layout != id || o.item != item) continue;
                if (o.name) name = QString::fromLatin1(o.name);
                if (o.unit) unit = QString::fromLatin1(o.unit);
            }
            const int top = half.tops[n];
            // A user's name prints as stored in every layout.
            out.push_back(m.nameIsField ? Name(name, kStored, half.nameLeft, top, m.nameWidth, 240)
                                        : Text(name, half.nameLeft, top, m.nameWidth, 240));
            out.push_back(
                Value(QString::fromLatin1(m.cost), kMoney2, half.costLeft, top, m.costWidth, 240));
            out.push_back(Text(unit, half.unitLeft, top, m.unitWidth, 240));
        }
    }
}

// ---- Comparative analysis blocks

// The lefts of a default-schedule row's columns.
struct Columns {
    int caption, year, future, present;
};

const int kAmountWidth = 1290;

// A value in one of the three amount columns, right aligned.
ReportItem Amount(const QString& field, const ValueFormat& format, int left, int top, int height,
                  ReportFont font = k9) {
    return Value(field, format, left, top, kAmountWidth, height, font, kRight);
}

const std::array<const char*, 9> kDefaultStems = {"FogSeal",  "SlurryOne",   "SlurryTwo",
                                                  "Overlay",  "SlurryThree", "SlurryFour",
                                                  "Rotomill", "SlurryFive",  "Demolition"};
const std::array<const char*, 9> kDefaultCaptions = {
    "Fog Seal",    "Slurry Seal",     "Slurry Seal", "1.5\" Overay",         "Slurry Seal",
    "Slurry Seal", "Rotmill/Overlay", "Slurry Seal", "Demolition/Replacment"};
const std::array<const char*, 9> kScheduleRows = {"Zero", "One", "Two",   "Three", "Four",
                                                  "Five", "Six", "Seven", "Eight"};

QString F(const QString& option, const char* rest) { return option + QString::fromLatin1(rest); }

// The treatment rows of a default-schedule option.
void AddTreatments(const QString& x, const std::array<int, 9>& tops,
                   const std::array<int, 9>& heights, const Columns& c, const char* lastCaption,
                   std::vector<ReportItem>& out) {
    for (size_t i = 0; i < 9; ++i) {
        const QString stem = x + QString::fromLatin1(kDefaultStems[i]);
        const char* caption = i == 8 && lastCaption ? lastCaption : kDefaultCaptions[i];
        const int t = tops[i];
        const int h = heights[i];
        out.push_back(Text(QString::fromLatin1(caption), c.caption, t, i >= 7 ? 2085 : 1545, h));
        out.push_back(Value(stem + "Year", kYear, c.year, t, 285, h));
        out.push_back(Amount(stem + "Inflated", kWhole, c.future, t, h));
        out.push_back(Amount(stem + "Value", kWhole, c.present, t, h));
    }
}

void AddDefaultACAG(std::vector<ReportItem>& out) {
    out.push_back(Text(QStringLiteral("COMPARATIVE ANALYSIS"), 315, 6885, 2820, 285, k10Bold));
    out.push_back(Text(QStringLiteral("Iniitial Construction"), 3420, 6915, 1650, 285, k9Italic));
    out.push_back(Text(QStringLiteral("Future Cost"), 5580, 6885, 1155, 285, k9Italic));
    out.push_back(Text(QStringLiteral("Present Value"), 7305, 6885, 1155, 285, k9Italic));

    const QString one = QStringLiteral("OptOne");
    out.push_back(Text(QStringLiteral("Construction Cost"), 315, 7185, 1545, 255));
    out.push_back(Text(QStringLiteral("Year"), 2835, 7185, 435, 255, k9Italic));
    out.push_back(Amount(F(one, "ConstCost"), kWhole0, 3480, 7185, 255));
    out.push_back(Amount(F(one, "ConstInflatedCost"), kWhole0, 5280, 7185, 255));
    out.push_back(Amount(F(one, "ConstPresentValue"), kWhole0, 7020, 7185, 255));
    AddTreatments(one, {7440, 7680, 7935, 8190, 8430, 8685, 8940, 9195, 9450},
                  {240, 255, 255, 240, 255, 255, 255, 255, 240}, {315, 2910, 5280, 7020}, nullptr,
                  out);
    out.push_back(Text(QStringLiteral("Salvage Value"), 315, 9690, 2085, 240));
    out.push_back(Value(QStringLiteral("AnalysisText"), kYear, 2910, 9675, 285, 255));
    out.push_back(Amount(F(one, "SalvageCost"), kWhole, 3480, 9690, 240));
    out.push_back(Amount(F(one, "SalvageInflated"), kWhole, 5280, 9690, 240));
    out.push_back(Amount(F(one, "SalvageValue"), kWhole, 7020, 9690, 240));
    out.push_back(
        Text(QStringLiteral("Hot Mix Asphalt #1 Life Cycle Cost"), 390, 10050, 2985, 255, k9Bold));
    out.push_back(Amount(F(one, "TotalCost"), kMoney0, 3480, 10050, 255, k9Bold));
    out.push_back(Amount(F(one, "TotalInflated"), kMoney0, 5280, 10050, 255, k9Bold));
    out.push_back(Amount(F(one, "TotalValue"), kMoney0, 7020, 10050, 255, k9Bold));

    const QString two = QStringLiteral("OptTwo");
    out.push_back(Text(QStringLiteral("Construction Cost"), 315, 10575, 1545, 240));
    out.push_back(Amount(F(two, "ConstCost"), kWhole0, 3525, 10575, 240));
    out.push_back(Amount(F(two, "ConstInflatedCost"), kWhole0, 5280, 10575, 240));
    out.push_back(Amount(F(two, "ConstPresentValue"), kWhole0, 7020, 10575, 240));
    out.push_back(Text(QStringLiteral("Blade  Every"), 315, 11040, 1545, 240));
    out.push_back(Value(F(two, "BladeInterval"), kYear, 2835, 11040, 285, 255));
    out.push_back(Amount(F(two, "BladeCostInflated"), kWhole, 5295, 11040, 255));
    out.push_back(Amount(F(two, "BladeCostPresent"), kWhole, 7035, 11040, 255));
    out.push_back(Text(QStringLiteral("Blade And Gravel Every "), 315, 11280, 2235, 255));
    out.push_back(Value(F(two, "BladeGravelInterval"), kYear, 2835, 11280, 285, 255));
    out.push_back(Amount(F(two, "BladeGravelCostInflated"), kWhole, 5295, 11280, 255));
    out.push_back(Amount(F(two, "BladeGravelCostPresent"), kWhole, 7035, 11280, 255));
    out.push_back(Text(QStringLiteral("Salvage Value"), 315, 11865, 2085, 255));
    out.push_back(Value(QStringLiteral("AnalysisText"), kYear, 2835, 11880, 285, 255));
    out.push_back(Amount(F(two, "SalvageCost"), kWhole, 3480, 11865, 255));
    out.push_back(Amount(F(two, "SalvageInflated"), kWhole, 5235, 11865, 255));
    out.push_back(Amount(F(two, "SalvageValue"), kWhole, 6975, 11865, 255));
    out.push_back(
        Text(QStringLiteral("Total Aggregate Life Cycle Cost"), 315, 12210, 3075, 285, k9Bold));
    out.push_back(Amount(F(two, "TotalCost"), kMoney0, 3480, 12210, 285, k9Bold));
    out.push_back(Amount(F(two, "TotalInflated"), kMoney0, 5235, 12210, 285, k9Bold));
    out.push_back(Amount(F(two, "TotalValue"), kMoney0, 6975, 12210, 285, k9Bold));
}

void AddDefaultACAC(std::vector<ReportItem>& out) {
    out.push_back(Text(QStringLiteral("COMPARATIVE ANALYSIS"), 285, 6330, 2820, 240, k10Bold));
    out.push_back(Text(QStringLiteral("Iniitial Construction"), 3360, 6375, 1650, 240, k9Italic));
    out.push_back(Text(QStringLiteral("Future Cost"), 5370, 6390, 1155, 240, k9Italic));
    out.push_back(Text(QStringLiteral("Present Value"), 7275, 6330, 1155, 240, k9Italic));

    struct Section {
        QString x;
        int constTop, constFutureTop, constCost;
        std::array<int, 9> tops;
        const char* lastCaption;
        int salvageTop, totalTop, totalCaptionLeft, totalCaptionWidth;
        const char* totalCaption;
    };
    const std::array<Section, 2> sections = {{
        {QStringLiteral("OptOne"),
         6615,
         6630,
         3510,
         {6870, 7110, 7350, 7590, 7830, 8070, 8310, 8550, 8790},
         nullptr,
         9030,
         9315,
         375,
         3015,
         "Hot Mix Asphalt #1 Life Cycle Cost"},
        {QStringLiteral("OptTwo"),
         9705,
         9705,
         3480,
         {9945, 10200, 10440, 10680, 10920, 11160, 11400, 11640, 11880},
         "Demoliotion/Replacement",
         12120,
         12435,
         345,
         2955,
         "Hot Mix Asphalt #2 Life Cycle Cost"},
    }};
    for (const Section& s : sections) {
        out.push_back(Text(QStringLiteral("Construction Cost"), 375, s.constTop, 1545, 240));
        if (s.x == QLatin1String("OptOne"))
            out.push_back(Text(QStringLiteral("Year"), 2700, s.constTop, 435, 240, k9Italic));
        out.push_back(Amount(F(s.x, "ConstCost"), kWhole0, s.constCost, s.constTop, 240));
        out.push_back(Amount(F(s.x, "ConstInflatedCost"), kWhole0, 5310, s.constFutureTop, 240));
        out.push_back(Amount(F(s.x, "ConstPresentValue"), kWhole0, 7050, s.constFutureTop, 240));
        std::array<int, 9> heights;
        heights.fill(240);
        AddTreatments(s.x, s.tops, heights, {375, 2840, 5310, 7050}, s.lastCaption, out);
        out.push_back(Text(QStringLiteral("Salvage Value"), 375, s.salvageTop, 2085, 240));
        out.push_back(Value(F(s.x, "SalvageYear"), kYear, 2840, s.salvageTop, 285, 240));
        out.push_back(Amount(F(s.x, "SalvageCost"), kWhole, 3450, s.salvageTop, 240));
        out.push_back(Amount(F(s.x, "SalvageInflated"), kWhole, 5310, s.salvageTop, 240));
        out.push_back(Amount(F(s.x, "SalvageValue"), kWhole, 7050, s.salvageTop, 240));
        out.push_back(Text(QString::fromLatin1(s.totalCaption), s.totalCaptionLeft, s.totalTop,
                           s.totalCaptionWidth, 240, k9Bold));
        out.push_back(Amount(F(s.x, "TotalCost"), kMoney0, 3450, s.totalTop, 240, k9Bold));
        out.push_back(Amount(F(s.x, "TotalInflated"), kMoney0, 5310, s.totalTop, 240, k9Bold));
        out.push_back(Amount(F(s.x, "TotalValue"), kMoney0, 7050, s.totalTop, 240, k9Bold));
    }
}

// One option of a custom-schedule block.
struct CustomSection {
    QString x;
    int constTop, constFutureTop, constHeight, constCost;
    bool heads;  // the "Year" and "% Area" heads stand on this construction row
    std::array<int, 9> tops;
    int rowHeight;
    std::array<int, 9> captionLefts;
    std::array<int, 9> depthRaise;  // how much higher than its row each depth box stands
    int depthLeft;
    int salvageTop, salvageHeight, salvageCaptionLeft, salvageCost;
    int totalTop, totalHeight, totalValueHeight, totalCost;
};

struct CustomColumns {
    int captionLeft, yearLeft, yearHead, areaHead, future, present;
};

void AddCustomSection(const CustomSection& s, const CustomColumns& c,
                      std::vector<ReportItem>& out) {
    out.push_back(
        Text(QStringLiteral("Construction Cost"), c.captionLeft, s.constTop, 1545, s.constHeight));
    if (s.heads) {
        out.push_back(
            Text(QStringLiteral("Year"), c.yearHead, s.constTop, 435, s.constHeight, k9Italic));
        out.push_back(
            Text(QStringLiteral("% Area"), c.areaHead, s.constTop, 720, s.constHeight, k9Italic));
    }
    out.push_back(Amount(F(s.x, "ConstCost"), kWhole0, s.constCost, s.constTop, s.constHeight));
    out.push_back(
        Amount(F(s.x, "ConstInflated"), kWhole0, c.future, s.constFutureTop, s.constHeight));
    out.push_back(
        Amount(F(s.x, "ConstValue"), kWhole0, c.present, s.constFutureTop, s.constHeight));
    for (size_t i = 0; i < 9; ++i) {
        const QString row = s.x + QString::fromLatin1(kScheduleRows[i]);
        const int t = s.tops[i];
        const int width = s.x == QLatin1String("OptOne") && i == 2 ? 2010 : 2025;
        out.push_back(Name(row, kStored, s.captionLefts[i], t, width, s.rowHeight));
        out.push_back(Value(row + "Year", kYear, c.yearLeft, t, 285, s.rowHeight));
        out.push_back(
            Value(row + "Depth", P("##.#"), s.depthLeft, t - s.depthRaise[i], 450, s.rowHeight));
        out.push_back(Amount(row + "Inflated", kWhole, c.future, t, s.rowHeight));
        out.push_back(Amount(row + "Value", kWhole, c.present, t, s.rowHeight));
    }
    out.push_back(Text(QStringLiteral("Salvage Value"), s.salvageCaptionLeft, s.salvageTop, 2085,
                       s.salvageHeight));
    out.push_back(Value(QStringLiteral("AnalysisText"), kYear, c.yearLeft, s.salvageTop, 285,
                        s.salvageHeight));
    out.push_back(
        Amount(F(s.x, "SalvageCost"), kWhole, s.salvageCost, s.salvageTop, s.salvageHeight));
    out.push_back(
        Amount(F(s.x, "SalvageInflated"), kWhole, c.future, s.salvageTop, s.salvageHeight));
    out.push_back(Amount(F(s.x, "SalvageValue"), kWhole, c.present, s.salvageTop, s.salvageHeight));
    out.push_back(
        Amount(F(s.x, "TotalCost"), kMoney0, s.totalCost, s.totalTop, s.totalValueHeight, k9Bold));
    out.push_back(
        Amount(F(s.x, "TotalInflated"), kMoney0, c.future, s.totalTop, s.totalValueHeight, k9Bold));
    out.push_back(
        Amount(F(s.x, "TotalValue"), kMoney0, c.present, s.totalTop, s.totalValueHeight, k9Bold));
}

std::array<int, 9> Same(int v) {
    std::array<int, 9> a;
    a.fill(v);
    return a;
}
std::array<int, 9> Rows(int first) {
    std::array<int, 9> a;
    for (int n = 0; n < 9; ++n) a[static_cast<size_t>(n)] = first + 240 * n;
    return a;
}

void AddCustomACAG(std::vector<ReportItem>& out) {
    out.push_back(Text(QStringLiteral("COMPARATIVE ANALYSIS"), 225, 6540, 2820, 285, k10Bold));
    out.push_back(Text(QStringLiteral("Depth"), 3075, 6525, 570, 285, k9Italic));
    out.push_back(Text(QStringLiteral("Iniitial Construction"), 3855, 6540, 1650, 285, k9Italic));
    out.push_back(Text(QStringLiteral("Future Cost"), 5760, 6525, 1155, 285, k9Italic));
    out.push_back(Text(QStringLiteral("Present Value"), 7440, 6540, 1365, 285, k9Italic));

    AddCustomSection({QStringLiteral("OptOne"), 6810, 6825, 240, 3900, true, Rows(7065), 240,
                      Same(370), Same(0), 3270, 9225, 240, 370, 3915, 9480, 285, 285, 3930},
                     {370, 2730, 2550, 3060, 5640, 7260}, out);
    out.push_back(Text(QStringLiteral("Total Hot Mix Asphalt Life Cycle Cost"), 370, 9480, 3465,
                       285, k9Bold));
    AddCustomSection({QStringLiteral("OptTwo"),
                      9855,
                      9855,
                      255,
                      3930,
                      false,
                      {10110, 10350, 10605, 10860, 11100, 11355, 11610, 11850, 12105},
                      240,
                      Same(370),
                      Same(0),
                      3210,
                      12360,
                      255,
                      370,
                      3930,
                      12630,
                      285,
                      300,
                      3930},
                     {370, 2730, 2550, 3060, 5670, 7260}, out);
    out.push_back(
        Text(QStringLiteral("Total Aggregate Life Cycle Cost"), 370, 12630, 3240, 285, k9Bold));
}

void AddCustomACAC(std::vector<ReportItem>& out) {
    out.push_back(Text(QStringLiteral("COMPARATIVE ANALYSIS"), 300, 6555, 2820, 240, k9Bold));
    out.push_back(Text(QStringLiteral("Depth"), 3180, 6630, 570, 240, k9Italic));
    out.push_back(Text(QStringLiteral("Iniitial Construction"), 3930, 6570, 1650, 240, k9Italic));
    out.push_back(Text(QStringLiteral("Future Cost"), 6000, 6555, 1155, 240, k9Italic));
    out.push_back(Text(QStringLiteral("Present Value"), 7575, 6555, 1365, 240, k9Italic));

    const CustomColumns columns{390, 2700, 2625, 3135, 5760, 7320};
    AddCustomSection({QStringLiteral("OptOne"), 6810, 6810, 240, 3990, true, Rows(7050), 240,
                      Same(390), Same(0), 3270, 9210, 240, 390, 3975, 9450, 240, 240, 3975},
                     columns, out);
    out.push_back(
        Text(QStringLiteral("Hot Mix Asphalt #1 Life Cycle Cost"), 390, 9450, 3495, 240, k9Bold));
    AddCustomSection({QStringLiteral("OptTwo"),
                      9840,
                      9840,
                      240,
                      4005,
                      false,
                      Rows(10110),
                      240,
                      {390, 390, 390, 390, 390, 390, 390, 405, 405},
                      {15, 15, 15, 15, 0, 0, 0, 0, 0},
                      3270,
                      12270,
                      240,
                      405,
                      4050,
                      12510,
                      240,
                      240,
                      4035},
                     columns, out);
    // The comparison surface's name heads option two's total.
    out.push_back(Name(QStringLiteral("SurfaceTwo"), kStored, 405, 12510, 2025, 240));
    out.push_back(Text(QStringLiteral(" Life Cycle Cost"), 2460, 12510, 1380, 240, k9Bold));
}

ReportLayout Build(ReportId id) {
    const PageRow& page = kPages[Index(id)];
    ReportLayout layout;
    layout.name = QString::fromLatin1(page.name);
    layout.command = QString::fromLatin1(page.command);
    layout.resultsTable = QString::fromLatin1(page.table);
    layout.reportWidth = page.reportWidth;
    layout.reportFont = ReportFont{page.reportFont};
    layout.header.height = page.headerHeight;
    layout.header.items = {
        Text(QStringLiteral("ORVALEN"), page.titleLeft, page.titleTop, page.titleWidth, 285,
             k12Bold),
        {Kind::PrintDate, {}, kStored, page.dateLeft, page.dateTop, page.dateWidth, 240, k9, kLeft},
    };
    layout.footer.height = page.footerHeight;

    layout.detail.height = page.detailHeight;
    std::vector<ReportItem>& d = layout.detail.items;
    for (const LineRow& line : kLines) {
        const auto& [l, t, size] = line.at[static_cast<size_t>(Index(id))];
        d.push_back(line.vertical ? VLine(l, t, size) : HLine(l, t, size));
    }
    AddProjectBlock(id, d);
    AddMaterialsBlock(id, d);
    switch (id) {
        case ReportId::DefaultACAG:
            AddDefaultACAG(d);
            break;
        case ReportId::DefaultACAC:
            AddDefaultACAC(d);
            break;
        case ReportId::CustomACAG:
            AddCustomACAG(d);
            break;
        case ReportId::CustomACAC:
            AddCustomACAC(d);
            break;
    }
    return layout;
}

}  // namespace

const ReportLayout& Layout(ReportId id) {
    static const std::array<ReportLayout, 4> layouts = {
        Build(ReportId::DefaultACAG), Build(ReportId::DefaultACAC), Build(ReportId::CustomACAG),
        Build(ReportId::CustomACAC)};
    return layouts[static_cast<size_t>(Index(id))];
}

}  // namespace orv
