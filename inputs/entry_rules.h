// The rules of the input windows as plain functions: the field checks, the area, the list
// fall-backs, the maintenance level rules, the choice of results window, and the
// conversions between the project record and the boxes. The windows call these and stay
// thin.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace orv {

inline const QString kDataEntryErrorTitle = QStringLiteral("Data Entry Error");
inline const QString kReminderTitle = QStringLiteral("REMINDER");
inline const QString kDepthMessage = QStringLiteral("Depth Must Be Between 0 And 100 Inches ");
inline const QString kCostMessage = QStringLiteral("Unit Cost Can Not Be Greater Than $999.99");
inline const QString kNoLevelMessage = QStringLiteral("Please Select Planned Maintenance Schedule");
inline const QString kUserSurfaceMessage =
    QStringLiteral("Only Custom Maintenance Is Available For User Defined Pavements");
inline const QString kAggregate = QStringLiteral("Aggregate");
inline const QString kAsphaltTwo = QStringLiteral("Hot Mix Asphalt #2");

// ---- Reading a box's number

// The number a box holds, as the record will store it: the whole number the number test
// reads ("1,234" is 1234, "$5" is 5); for a text that is no number, the number at its
// start.
double BoxNumber(const QString& text);

// ---- Field checks

// What a lost-focus check does: an optional message (under "Data Entry Error"), then an
// optional new text for the box. `passed` is true when the text stays as typed.
struct FieldCheck {
    bool passed = true;
    std::optional<QString> message;
    std::optional<QString> newText;
};

// Whether a check leaves `text` as it stands, without a message. A window that is left
// stores a box only then; otherwise the record keeps its value.
bool Accepts(const FieldCheck& check, const QString& text);

// The apostrophe check of the name and limit boxes: a text holding "'" brings `message`
// and ends empty.
FieldCheck CheckApostrophe(const QString& text, const QString& message);

// The range boxes of the data entry window.
enum class RangeBox {
    Length,
    Width,
    SurfaceDepthOne,
    BaseOne,
    SubgradeOne,
    SurfaceDepthTwo,
    BaseTwo,
    SubgradeTwo,
    ConstOptionOne,
    ConstOptionTwo,
    InflationRate,
    InterestRate,
};

struct RangeRule {
    QString notANumber;  // the text of a box that fails the number test
    double upper = 0;
    QString message;
    QString rejected;  // the text of a box whose number is out of range
};

const RangeRule& RangeRuleOf(RangeBox box);

// A text that is no number becomes the box's not-a-number text without a message; a
// number below 0 or above the bound brings the box's message and its rejected text. The
// construction options, which have no bound of their own, take the largest depth
// (common/number_bounds.h).
FieldCheck CheckRange(RangeBox box, const QString& text);

// The area caption after a length or width has passed: the product shown with "###,###"
// when the length is above 0 and the width, rounded halves to even, is above 0; none
// when the caption stays as it was.
std::optional<QString> AreaCaption(const QString& lengthText, const QString& widthText);

// The list check: none when the text equals one of the entries (exactly), else the index
// of the entry to fall back to (0).
std::optional<int> ListFallback(const QStringList& entries, const QString& text);
// The index of the first entry equal to the text; -1 when none is.
int EntryIndex(const QStringList& entries, const QString& text);
// Whether the list check leaves the text as it stands: the text equals an entry.
bool ListAccepts(const QStringList& entries, const QString& text);

// The unit cost check: no number gives "0.00" without a message; above 999.99, or below
// the negative of the largest unit cost (common/number_bounds.h), brings the ceiling
// message and "0.00".
FieldCheck CheckCost(const QString& text);

// ---- The lists of the data entry window

QStringList MonthEntries();
QStringList YearEntries();
QStringList AnalysisPeriodEntries();
QStringList SalvageEntries();

// ---- Maintenance level

enum class Level { Low, Moderate, High, Custom };
inline constexpr std::array<Level, 4> kLevels = {Level::Low, Level::Moderate, Level::High,
                                                 Level::Custom};

// The four level boxes and the comparison list as the level rules see them. Ticking a
// box (SetValue(level, 1) on a box not ticked) runs that level's rule again before it
// returns, as the window's click handling does; clearing runs nothing.
class LevelBoxes {
  public:
    virtual ~LevelBoxes() = default;
    virtual int Value(Level level) const = 0;
    virtual void SetValue(Level level, int value) = 0;
    // Whether the comparison list's text equals the user's surface name of the record.
    virtual bool UserSurfaceChosen() const = 0;
    // Shows the "REMINDER" message and returns when the user has closed it.
    virtual void Reminder() = 0;
};

// The rule of a level box whose value has just changed.
void RunLevelRule(Level changed, LevelBoxes& boxes);
// The rule that follows every selection of an entry of the comparison list.
void RunSelectionRule(LevelBoxes& boxes);

// The Maintenance text of the stored flags; `previous` when no flag is 1.
QString MaintenanceText(const std::array<int, 4>& flags, const QString& previous);

// ---- Calculate

enum class ResultsWindow { DefaultACAG, CustomACAG, DefaultACAC, CustomACAC };

struct CalculateAction {
    enum class Kind { Show, Reminder };
    Kind kind = Kind::Show;
    ResultsWindow window = ResultsWindow::DefaultACAG;
    // For CustomACAC: the heading of option two, set before the window is shown.
    std::optional<QString> heading;
};

// The option Two heading of the custom asphalt window: the user's surface name when the
// comparison list shows it, else the second asphalt design, which the window then prices.
QString AsphaltWindowHeading(const QString& comparison, const QString& userSurface);

// Test `test` (0 to 4) of Calculate on the comparison text, the Custom box and the user's
// surface name; none when the test does not apply.
std::optional<CalculateAction> CalculateTest(int test, const QString& surface, bool custom,
                                             const QString& userSurface);
inline constexpr int kCalculateTests = 5;
// Every action of the five tests, in order.
std::vector<CalculateAction> CalculatePlan(const QString& surface, bool custom,
                                           const QString& userSurface);

// ---- Conversions between the record and the boxes

// Length, width and area: the number read from the text shown with "###".
double StoredWhole(const QString& text);
// Depths, construction options and rates: the number read from the text shown with "##.#".
double StoredOneDecimal(const QString& text);
// Length, width ("###,###") and area ("###,###,###") as the window shows them.
QString ShownLength(double value);
QString ShownArea(double value);
// The stored project date of the month and year texts: "Jan-2001".
QString ProjectDateText(const QString& month, const QString& year);
// The month and year texts of a stored project date. A text that names no date is split
// at its first "-", so what was stored is shown and the list checks can correct it.
struct MonthYearTexts {
    QString month;
    QString year;
};
MonthYearTexts ShownProjectDate(const QString& stored);
// The stored analysis period index: the entry the text equals, else the list's own
// selection, else the first entry.
int AnalysisPeriodIndex(const QStringList& entries, const QString& text, int listIndex);

// A unit cost as its box shows it: "0.#0".
QString ShownCost(double value);
// A unit cost as typed, as the record stores it (BoxNumber).
double StoredCost(const QString& text);

}  // namespace orv
