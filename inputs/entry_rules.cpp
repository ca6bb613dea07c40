#include "inputs/entry_rules.h"

#include <cmath>

#include "common/format.h"
#include "common/number_bounds.h"

namespace orv {

double BoxNumber(const QString& text) {
    if (auto v = NumberTextValue(text)) return *v;
    return LeadingNumber(text);
}

// ---- Field checks

bool Accepts(const FieldCheck& check, const QString& text) {
    return !check.message && (!check.newText || *check.newText == text);
}

FieldCheck CheckApostrophe(const QString& text, const QString& message) {
    if (!text.contains(QLatin1Char('\''))) return {};
    return {false, message, QString()};
}

const RangeRule& RangeRuleOf(RangeBox box) {
    static const QString kZero = QStringLiteral("0");
    static const QString kEmpty;
    static const QString kConstMessage =
        QStringLiteral("Construction Option must be greater than or equal to $0");
    static const RangeRule kLength{
        kZero, 500000, QStringLiteral("Length Must Be Between 0 and 500,000 ft"), kEmpty};
    static const RangeRule kWidth{kZero, 100000,
                                  QStringLiteral("Width Must Be Between 0 and 100,000 ft"), kEmpty};
    static const RangeRule kDepth{kZero, 99, kDepthMessage, kZero};
    static const RangeRule kSubgradeTwo{kZero, 100, kDepthMessage, kZero};
    static const RangeRule kConstOne{kZero, bounds::kDepth, kConstMessage, kZero};
    static const RangeRule kConstTwo{kEmpty, bounds::kDepth, kConstMessage, kEmpty};
    static const RangeRule kInflation{
        kEmpty, 20, QStringLiteral("Inflation Rate must be between 0 and 20 %"), kEmpty};
    static const RangeRule kInterest{
        kEmpty, 20, QStringLiteral("Interest Rate must be between 0 and 20 %"), kEmpty};
    switch (box) {
        case RangeBox::Length:
            return kLength;
        case RangeBox::Width:
            return kWidth;
        case RangeBox::SurfaceDepthOne:
        case RangeBox::BaseOne:
        case RangeBox::SubgradeOne:
        case RangeBox::SurfaceDepthTwo:
        case RangeBox::BaseTwo:
            return kDepth;
        case RangeBox::SubgradeTwo:
            return kSubgradeTwo;
        case RangeBox::ConstOptionOne:
            return kConstOne;
        case RangeBox::ConstOptionTwo:
            return kConstTwo;
        case RangeBox::InflationRate:
            return kInflation;
        case RangeBox::InterestRate:
            return kInterest;
    }
    return kDepth;
}

FieldCheck CheckRange(RangeBox box, const QString& text) {
    const RangeRule& rule = RangeRuleOf(box);
    const auto value = NumberTextValue(text);
    if (!value) return {false, std::nullopt, rule.notANumber};
    if (*value < 0 || *value > rule.upper) return {false, rule.message, rule.rejected};
    return {};
}

std::optional<QString> AreaCaption(const QString& lengthText, const QString& widthText) {
    const double length = BoxNumber(lengthText);
    const double width = BoxNumber(widthText);
    if (!(length > 0)) return std::nullopt;
    try {
        if (RoundHalfEven32(width) <= 0) return std::nullopt;
    } catch (const ConversionError&) {
        return std::nullopt;  // a width beyond any the check lets pass
    }
    return FormatByPattern(width * length, QStringLiteral("###,###"));
}

int EntryIndex(const QStringList& entries, const QString& text) {
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i) == text) return i;
    return -1;
}

std::optional<int> ListFallback(const QStringList& entries, const QString& text) {
    if (EntryIndex(entries, text) >= 0) return std::nullopt;
    return 0;
}

bool ListAccepts(const QStringList& entries, const QString& text) {
    return !ListFallback(entries, text);
}

FieldCheck CheckCost(const QString& text) {
    static const QString kZeroCost = QStringLiteral("0.00");
    const auto value = NumberTextValue(text);
    if (!value) return {false, std::nullopt, kZeroCost};
    if (*value > 999.99 || *value < -bounds::kUnitCost) return {false, kCostMessage, kZeroCost};
    return {};
}

// ---- Lists

QStringList MonthEntries() {
    return {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}

QStringList YearEntries() {
    QStringList years;
    for (int y = 2001; y <= 2020; ++y) years << QString::number(y);
    return years;
}

QStringList AnalysisPeriodEntries() { return {"20", "30", "40"}; }
QStringList SalvageEntries() { return {"0", "5", "10", "20"}; }

// ---- Maintenance level

namespace {

void ClearTicked(LevelBoxes& boxes, std::initializer_list<Level> order) {
    for (Level l : order)
        if (boxes.Value(l) == 1) boxes.SetValue(l, 0);
}

}  // namespace

void RunLevelRule(Level changed, LevelBoxes& boxes) {
    switch (changed) {
        case Level::Low:
            ClearTicked(boxes, {Level::Moderate, Level::High, Level::Custom});
            break;
        case Level::Moderate:
            ClearTicked(boxes, {Level::Low, Level::High, Level::Custom});
            break;
        case Level::High:
            ClearTicked(boxes, {Level::Moderate, Level::Low, Level::Custom});
            break;
        case Level::Custom:
            ClearTicked(boxes, {Level::Low, Level::Moderate, Level::High});
            return;
    }
    if (boxes.UserSurfaceChosen() && boxes.Value(changed) == 1) {
        boxes.Reminder();
        if (boxes.Value(changed) == 1) boxes.SetValue(changed, 0);
        boxes.SetValue(Level::Custom, 1);
    }
}

void RunSelectionRule(LevelBoxes& boxes) {
    if (!boxes.UserSurfaceChosen()) return;
    ClearTicked(boxes, {Level::Low, Level::Moderate, Level::High});
    boxes.SetValue(Level::Custom, 1);
}

QString MaintenanceText(const std::array<int, 4>& flags, const QString& previous) {
    static const std::array<QString, 4> kNames = {"Low", "Moderate", "High", "Custom"};
    QString text = previous;
    for (size_t i = 0; i < flags.size(); ++i)
        if (flags[i] == 1) text = kNames[i];
    return text;
}

// ---- Calculate

QString AsphaltWindowHeading(const QString& comparison, const QString& userSurface) {
    return comparison == userSurface ? userSurface : kAsphaltTwo;
}

std::optional<CalculateAction> CalculateTest(int test, const QString& surface, bool custom,
                                             const QString& userSurface) {
    using K = CalculateAction::Kind;
    switch (test) {
        case 0:
            if (surface == kAggregate && !custom)
                return CalculateAction{K::Show, ResultsWindow::DefaultACAG, {}};
            break;
        case 1:
            if (surface == kAggregate && custom)
                return CalculateAction{K::Show, ResultsWindow::CustomACAG, {}};
            break;
        case 2:
            if (surface == kAsphaltTwo && !custom)
                return CalculateAction{K::Show, ResultsWindow::DefaultACAC, {}};
            break;
        case 3:
            if (surface == kAsphaltTwo && custom)
                return CalculateAction{K::Show, ResultsWindow::CustomACAC,
                                       AsphaltWindowHeading(surface, userSurface)};
            break;
        case 4:
            if (surface == userSurface) {
                if (custom)
                    return CalculateAction{K::Show, ResultsWindow::CustomACAC,
                                           AsphaltWindowHeading(surface, userSurface)};
                return CalculateAction{K::Reminder, ResultsWindow::CustomACAC, {}};
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

std::vector<CalculateAction> CalculatePlan(const QString& surface, bool custom,
                                           const QString& userSurface) {
    std::vector<CalculateAction> plan;
    for (int t = 0; t < kCalculateTests; ++t)
        if (auto a = CalculateTest(t, surface, custom, userSurface)) plan.push_back(*a);
    return plan;
}

// ---- Conversions

double StoredWhole(const QString& text) {
    return LeadingNumber(FormatByPattern(text, QStringLiteral("###")));
}

double StoredOneDecimal(const QString& text) {
    return LeadingNumber(FormatByPattern(text, QStringLiteral("##.#")));
}

QString ShownLength(double value) { return FormatByPattern(value, QStringLiteral("###,###")); }
QString ShownArea(double value) { return FormatByPattern(value, QStringLiteral("###,###,###")); }

QString ProjectDateText(const QString& month, const QString& year) {
    return month + QLatin1Char('-') + year;
}

MonthYearTexts ShownProjectDate(const QString& stored) {
    if (ReadDateText(stored) || IsNumberText(stored))
        return {FormatByPattern(stored, QStringLiteral("mmm")),
                FormatByPattern(stored, QStringLiteral("yyyy"))};
    const int dash = stored.indexOf(QLatin1Char('-'));
    if (dash < 0) return {stored, QString()};
    return {stored.left(dash), stored.mid(dash + 1)};
}

int AnalysisPeriodIndex(const QStringList& entries, const QString& text, int listIndex) {
    const int matching = EntryIndex(entries, text);
    if (matching >= 0) return matching;
    return listIndex >= 0 ? listIndex : 0;
}

QString ShownCost(double value) {
    return FormatByPattern(LeadingNumber(PlainNumberText(value)), QStringLiteral("0.#0"));
}

double StoredCost(const QString& text) { return BoxNumber(text); }

}  // namespace orv
