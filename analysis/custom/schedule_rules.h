// Money rules of the custom-schedule windows: activity lists and their cost rules, the
// construction, salvage and totals block, row pricing, entry checks, and the stored row.
// Working amounts are single precision: each formula is evaluated in double precision and
// narrowed where the rules say, and a value beyond the single range is an error, not a
// silent infinity.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <utility>
#include <vector>

#include "analysis/common/money.h"

namespace orv {

inline constexpr int kCustomRows = 9;

inline constexpr char kCustomMoneyPattern[] = "$ #,##0";
inline constexpr char kCustomMoneyBlankZeroPattern[] = "$ #,###";
inline constexpr char kCaptionReadPattern[] = "###";
inline constexpr char kYearStorePattern[] = "#0";
inline constexpr char kDepthStorePattern[] = "##.0";
inline constexpr char kYearShowPattern[] = "##";
inline constexpr char kWholePercentPattern[] = "##";

inline const QString kPercentUnits = QStringLiteral("% Area");
inline const QString kInchUnits = QStringLiteral("(in) Thick");

inline const QString kScheduleYearMessage =
    QStringLiteral("Year Must Be Less Or Equal To Analysis Period");
inline const QString kSchedulePercentMessage = QStringLiteral("% Area Must Be Between 0 and 100%");
inline const QString kScheduleDepthMessage =
    QStringLiteral("Depth Must Be Between 0 and 99 inches");
inline const QString kEntryErrorTitle = QStringLiteral("Data Entry Error");

// An amount beyond the range of a single-precision number.
class SingleRangeError : public std::runtime_error {
  public:
    explicit SingleRangeError(const char* what) : std::runtime_error(what) {}
};

// The nearest single, or SingleRangeError when the value is not finite or beyond the range.
float Narrow(double value, const char* what = "An amount");

// How a caption shows a single: through its seven-digit text, or the value itself.
struct CaptionForm {
    bool viaText = true;
    QString pattern = QString::fromLatin1(kCustomMoneyPattern);
};
// Money text: the single's text (at most seven significant digits) under the pattern.
QString MoneyText(float amount, const QString& pattern = QString::fromLatin1(kCustomMoneyPattern));
// Formatted directly: the single's own value, widened, under the pattern.
QString MoneyDirect(float amount, const QString& pattern);
QString ShowSingle(float amount, const CaptionForm& form);

// The whole-dollar amount a caption shows ("$ 1,234" gives 1234; "$ 0", "$ " and "" give 0).
double CaptionAmount(const QString& caption);
// The one reading of a year box ("#0": 7.6 gives 8) and of a depth box ("##.0": 2.26 gives 2.3).
double ReadYear(const QString& text);
double ReadDepth(const QString& text);

// ---- Activity lists

enum class DepthUnit { None, Percent, Inches };
enum class PriceRule {
    PerArea,         // area x cost / 9
    PercentOfArea,   // area x cost x depth / 9 / 100
    InchesOfDepth,   // area x cost x depth / 9
    Reconstruction,  // demolition of the area, plus the construction cost as shown
};

struct Activity {
    QString name;      // a fixed entry; empty for a user-named maintenance item
    int userItem = 0;  // 1 to 3: the user item named by the first to third user name
    DepthUnit unit = DepthUnit::None;
    PriceRule rule = PriceRule::PerArea;
    QString costField;  // unit cost field of the project record
};
using ActivityList = std::vector<Activity>;

// A fixed entry of a list.
Activity FixedActivity(const char* name, DepthUnit unit, PriceRule rule, const char* costField);
// User-defined item 1 to 3, priced by percent of area at one of `costFields`.
Activity UserActivity(int item, const std::array<const char*, 3>& costFields);

// The thirteen asphalt treatments and the five aggregate ones.
const ActivityList& AsphaltActivities();
const ActivityList& AggregateActivities();

// The project record fields naming the three user-defined maintenance items.
inline const QStringList kMaintLabelFields = {QStringLiteral("MaintOptionOneLabel"),
                                              QStringLiteral("MaintOptionTwoLabel"),
                                              QStringLiteral("MaintOptionThreeLabel")};

// The list's entries, user items named by `userNames` (three names).
QStringList ActivityEntries(const ActivityList& list, const QStringList& userNames);
// Whether `text` equals an entry (exact, case-sensitive) whose activity takes `unit`.
bool HasUnit(const ActivityList& list, const QStringList& entries, const QString& text,
             DepthUnit unit);
// The unit a row takes for `activity`: the entries are tested for `first`, then for
// `second`, and the later test that finds one decides; none when neither does.
DepthUnit UnitInOrder(const ActivityList& list, const QStringList& entries, const QString& activity,
                      DepthUnit first, DepthUnit second);

// ---- Pricing

struct PricingContext {
    double area = 0;    // square feet
    double period = 0;  // analysis period in years
    Rates rates;
    std::function<double(const QString& field)> unitCost;
};

// The analysis period: the number at the start of entry `index` of the period list.
double PeriodYears(const QStringList& periodEntries, double index);

struct RowPrice {
    float cost = 0;
    QString costCaption, inflatedCaption, valueCaption;
};
// One schedule row: priced when 0 < year <= period by the rule of the last entry equal to
// the activity; the year and the depth are read as they are stored.
RowPrice PriceRow(const ActivityList& list, const QStringList& entries, const QString& activity,
                  const QString& yearText, const QString& depthText,
                  const QString& constructionCaption, const PricingContext& context);

struct OptionTotals {
    float future = 0, present = 0;
    QString futureCaption, presentCaption;
};
// Future-cost and present-worth totals from the amounts as shown: construction plus the
// nine rows less the salvage, each sum narrowed.
OptionTotals ShownOptionTotals(const QString& constInflated, const QString& constValue,
                               std::span<const QString> rowsInflated,
                               std::span<const QString> rowsValue, const QString& salvageInflated,
                               const QString& salvageValue);

// ---- Construction, salvage and totals

struct ConstructionInputs {
    double area = 0;
    DesignQuantities design;
    LayerUnitCosts costs;
    QString salvagePercent;
    QString analysisText;
    Rates rates;
};

struct ConstructionBlock {
    float cost = 0, salvage = 0, growth = 0, discount = 0;
    QString construction;  // the three construction captions
    QString salvageYear, salvageCost, salvageInflated, salvageValue;
    QString totalCost, totalInflated, totalValue;
};
ConstructionBlock ComputeConstruction(const ConstructionInputs& in, const CaptionForm& salvageForm);

// The second design's surface unit cost: the user's surface cost when the comparison surface
// is exactly the user's surface name, else the second asphalt's; single precision.
float SurfaceTwoUnitCost(const QString& surfaceTwo, const QString& surfaceName, double userCost,
                         double asphaltTwoCost);

// ---- Entry checks

struct CheckResult {
    QString text;
    std::optional<QString> message;
};
// Year box left: no number is emptied; above the period is refused with the message; below
// 0 is emptied; otherwise the year is rounded as it is stored.
CheckResult CheckYear(const QString& text, double period);
// Whole-percent form of a depth text ("12.6" gives "13", "0" gives "").
QString WholePercentText(const QString& text);
// The range message of a depth outside 0..100, by the row's units caption.
std::optional<QString> DepthRangeMessage(const QString& text, const QString& unitsCaption);
// Whether a depth text is within the largest depth a row can price (common/number_bounds.h):
// only such a depth is rounded or priced before its range check.
bool DepthWithinBound(const QString& text);
// A row's depth check as a whole, the checks at each change and when the box is left taken
// together: no number is emptied; in a row whose percentages are whole (`wholePercent` and
// the units caption "% Area") a depth within DepthWithinBound is rounded to a whole percent;
// then outside 0..100 is refused with its range message.
CheckResult CheckDepth(const QString& text, const QString& unitsCaption, bool wholePercent);

// Whether a row's year or depth check leaves `text` to be stored: no message, and the text
// kept as it stands, or changed only where the store reads both alike, as the check rounding
// a year "7.6" to "8". A window stores a year or a depth only then; otherwise the column
// keeps its stored value.
bool YearAccepted(const QString& text, double period);
bool DepthAccepted(const QString& text, const QString& unitsCaption, bool wholePercent);

// ---- The stored row

inline const QStringList kOptionWords = {QStringLiteral("One"), QStringLiteral("Two")};
inline const QStringList kRowWords = {
    QStringLiteral("Zero"),  QStringLiteral("One"),   QStringLiteral("Two"),
    QStringLiteral("Three"), QStringLiteral("Four"),  QStringLiteral("Five"),
    QStringLiteral("Six"),   QStringLiteral("Seven"), QStringLiteral("Eight")};

// A column of option 0 or 1: "OptOne" + item ("Const", a row word, "Salvage", "Total") + kind.
QString ScheduleColumn(int option, const QString& item, const QString& kind);

struct ShownRow {
    QString activity, year, depth, cost, inflated, value;
    // A year or depth that the row's check refuses is not written: its column keeps the
    // stored value, and the stored year decides the blank activity.
    bool yearAccepted = true, depthAccepted = true;
    double storedYear = 0;
};
struct ShownOption {
    std::array<QString, 3> construction;
    std::array<ShownRow, kCustomRows> rows;
    std::array<QString, 3> salvage;  // cost, inflated, value
    std::array<QString, 3> totals;
};
// The named columns in the order they are written, all 126 but a refused year or depth: a
// row without a year stores the activity " ".
std::vector<std::pair<QString, QVariant>> ScheduleFields(const std::array<ShownOption, 2>& shown);

struct StoredRow {
    QString activity;
    double year = 0, depth = 0, cost = 0, inflated = 0, value = 0;
};
struct StoredOption {
    std::array<double, 3> construction{};
    std::array<StoredRow, kCustomRows> rows;
    std::array<double, 3> salvage{};
    std::array<double, 3> totals{};
};
// Reads the option's named columns through `field`.
StoredOption ReadStoredOption(int option, const std::function<QVariant(const QString&)>& field);

// ---- Loading

struct LoadedRow {
    QString activity, year, depth;
    DepthUnit unit = DepthUnit::None;  // the units label and depth box shown, if any
    RowPrice price;
};
struct LoadedOption {
    bool hasDesign = false;
    ConstructionBlock block;
    std::array<LoadedRow, kCustomRows> rows;
    OptionTotals totals;
    std::vector<QString> messages;  // depth messages of stored depths out of range
};
struct LoadRules {
    const ActivityList* activities = nullptr;
    CaptionForm salvageForm;
    // What each row's units label reads as the load sets the row's depth, before the load
    // gives the row its units: the depth check's message follows it.
    std::array<QString, kCustomRows> unitsCaptions;
};
// The window's option after loading the stored option: stored activities, years and depths
// with their units (a percentage as a whole percent, in every window), priced afresh from
// the project.
LoadedOption LoadOption(const StoredOption& stored, const QStringList& entries,
                        const LoadRules& rules, const ConstructionInputs& construction,
                        const PricingContext& pricing);

}  // namespace orv
