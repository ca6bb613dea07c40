#include "analysis/custom/schedule_rules.h"

#include <cfloat>
#include <cmath>

#include "common/format.h"
#include "common/number_bounds.h"

namespace orv {

float Narrow(double value, const char* what) {
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(FLT_MAX))
        throw SingleRangeError(what);
    return static_cast<float>(value);
}

QString MoneyText(float amount, const QString& pattern) {
    return FormatByPattern(SignedNumberText(amount), pattern);
}

QString MoneyDirect(float amount, const QString& pattern) {
    return FormatByPattern(static_cast<double>(amount), pattern);
}

QString ShowSingle(float amount, const CaptionForm& form) {
    return form.viaText ? MoneyText(amount, form.pattern) : MoneyDirect(amount, form.pattern);
}

double CaptionAmount(const QString& caption) {
    return LeadingNumber(FormatByPattern(caption, QString::fromLatin1(kCaptionReadPattern)));
}

double ReadYear(const QString& text) {
    return LeadingNumber(FormatByPattern(text, QString::fromLatin1(kYearStorePattern)));
}

double ReadDepth(const QString& text) {
    return LeadingNumber(FormatByPattern(text, QString::fromLatin1(kDepthStorePattern)));
}

// ---- Activity lists

Activity FixedActivity(const char* name, DepthUnit unit, PriceRule rule, const char* costField) {
    return {QString::fromLatin1(name), 0, unit, rule, QString::fromLatin1(costField)};
}

Activity UserActivity(int item, const std::array<const char*, 3>& costFields) {
    return {QString(), item, DepthUnit::Percent, PriceRule::PercentOfArea,
            QString::fromLatin1(costFields[static_cast<size_t>(item - 1)])};
}

namespace {

constexpr std::array<const char*, 3> kMaintCosts = {"MaintOptionOneCost", "MaintOptionTwoCost",
                                                    "MaintOptionThreeCost"};
Activity user(int item) { return UserActivity(item, kMaintCosts); }

}  // namespace

const ActivityList& AsphaltActivities() {
    using U = DepthUnit;
    using R = PriceRule;
    static const ActivityList list = {
        FixedActivity("Fog Seal", U::None, R::PerArea, "FogSealCost"),
        FixedActivity("Chip Seal", U::None, R::PerArea, "ChipSealCost"),
        FixedActivity("Slurry Seal", U::None, R::PerArea, "SlurrySealCost"),
        FixedActivity("Crack Seal", U::Percent, R::PercentOfArea, "CrackSealCost"),
        FixedActivity("Seal Coat", U::None, R::PerArea, "SealCoatCost"),
        FixedActivity("Asphalt Patch", U::Percent, R::PercentOfArea, "PatchingCost"),
        FixedActivity("Infared Patch", U::Percent, R::PercentOfArea, "InfaredCost"),
        FixedActivity("Overlay", U::Inches, R::InchesOfDepth, "OverlayCost"),
        FixedActivity("Rotomill", U::Inches, R::InchesOfDepth, "RotomillCost"),
        FixedActivity("Re-Construction", U::None, R::Reconstruction, "DemolitionCost"),
        user(1),
        user(2),
        user(3)};
    return list;
}

const ActivityList& AggregateActivities() {
    static const ActivityList list = {
        FixedActivity("Blade", DepthUnit::None, PriceRule::PerArea, "BladeCost"),
        FixedActivity("Blade And Gravel", DepthUnit::None, PriceRule::PerArea, "BladeGravelCost"),
        user(1), user(2), user(3)};
    return list;
}

QStringList ActivityEntries(const ActivityList& list, const QStringList& userNames) {
    QStringList entries;
    for (const Activity& a : list)
        entries << (a.userItem > 0 ? userNames.value(a.userItem - 1) : a.name);
    return entries;
}

bool HasUnit(const ActivityList& list, const QStringList& entries, const QString& text,
             DepthUnit unit) {
    for (size_t k = 0; k < list.size() && static_cast<int>(k) < entries.size(); ++k) {
        if (list[k].unit == unit && entries.at(static_cast<int>(k)) == text) return true;
    }
    return false;
}

DepthUnit UnitInOrder(const ActivityList& list, const QStringList& entries, const QString& activity,
                      DepthUnit first, DepthUnit second) {
    DepthUnit unit = DepthUnit::None;
    if (HasUnit(list, entries, activity, first)) unit = first;
    if (HasUnit(list, entries, activity, second)) unit = second;
    return unit;
}

// ---- Pricing

double PeriodYears(const QStringList& periodEntries, double index) {
    const double whole = std::round(index);
    if (whole < 0 || whole >= periodEntries.size()) return 0;
    return LeadingNumber(periodEntries.at(static_cast<int>(whole)));
}

RowPrice PriceRow(const ActivityList& list, const QStringList& entries, const QString& activity,
                  const QString& yearText, const QString& depthText,
                  const QString& constructionCaption, const PricingContext& c) {
    const double year = ReadYear(yearText);
    const double depth = ReadDepth(depthText);
    const double a = c.area;
    float cost = 0;
    if (year <= c.period && year > 0) {
        for (size_t k = 0; k < list.size(); ++k) {
            if (static_cast<int>(k) >= entries.size() ||
                entries.at(static_cast<int>(k)) != activity)
                continue;
            const Activity& rule = list[k];
            const double u = c.unitCost(rule.costField);
            switch (rule.rule) {
                case PriceRule::PerArea:
                    cost = Narrow(a * u / 9, "A treatment's cost");
                    break;
                case PriceRule::PercentOfArea:
                    cost = Narrow(a * u * depth / 9 / 100, "A treatment's cost");
                    break;
                case PriceRule::InchesOfDepth:
                    cost = Narrow(a * u * depth / 9, "A treatment's cost");
                    break;
                case PriceRule::Reconstruction: {
                    const float demolition = Narrow(a * u / 9, "A demolition cost");
                    cost =
                        Narrow(static_cast<double>(demolition) + CaptionAmount(constructionCaption),
                               "A re-construction cost");
                    break;
                }
            }
        }
    }
    RowPrice p;
    p.cost = cost;
    p.costCaption = MoneyText(cost);
    const float growth = Narrow(GrowthFactor(c.rates.inflation, year), "An inflation factor");
    p.inflatedCaption =
        MoneyText(Narrow(static_cast<double>(growth) * static_cast<double>(cost), "A future cost"));
    const float discount = Narrow(DiscountFactor(c.rates.interest, year), "A present-worth factor");
    p.valueCaption = MoneyText(
        Narrow(static_cast<double>(discount) * static_cast<double>(cost), "A present worth"));
    return p;
}

OptionTotals ShownOptionTotals(const QString& constInflated, const QString& constValue,
                               std::span<const QString> rowsInflated,
                               std::span<const QString> rowsValue, const QString& salvageInflated,
                               const QString& salvageValue) {
    float future = Narrow(CaptionAmount(constInflated), "A future-cost total");
    float present = Narrow(CaptionAmount(constValue), "A present-worth total");
    for (size_t i = 0; i < rowsInflated.size() && i < rowsValue.size(); ++i) {
        future = Narrow(static_cast<double>(future) + CaptionAmount(rowsInflated[i]),
                        "A future-cost total");
        present = Narrow(static_cast<double>(present) + CaptionAmount(rowsValue[i]),
                         "A present-worth total");
    }
    future =
        Narrow(static_cast<double>(future) - CaptionAmount(salvageInflated), "A future-cost total");
    present =
        Narrow(static_cast<double>(present) - CaptionAmount(salvageValue), "A present-worth total");
    return {future, present, MoneyText(future), MoneyText(present)};
}

// ---- Construction, salvage and totals

ConstructionBlock ComputeConstruction(const ConstructionInputs& in,
                                      const CaptionForm& salvageForm) {
    ConstructionBlock b;
    b.salvageYear = in.analysisText;
    b.cost = Narrow(ConstructionCost(in.area, in.design, in.costs), "A construction cost");
    b.construction = MoneyText(b.cost);
    const double cost = b.cost;
    b.salvage = Narrow((cost * LeadingNumber(in.salvagePercent)) / 100, "A salvage value");
    b.salvageCost = ShowSingle(b.salvage, salvageForm);
    const double salvage = b.salvage;
    b.totalCost = MoneyText(Narrow(cost - salvage, "A cost total"));
    const double years = LeadingNumber(in.analysisText);
    b.growth = Narrow(GrowthFactor(in.rates.inflation, years), "An inflation factor");
    b.salvageInflated = MoneyText(Narrow(b.growth * salvage, "A salvage future value"));
    b.totalInflated =
        MoneyText(Narrow(cost - static_cast<double>(b.growth) * salvage, "A future-cost total"));
    b.discount = Narrow(DiscountFactor(in.rates.interest, years), "A present-worth factor");
    b.salvageValue = MoneyText(Narrow(b.discount * salvage, "A salvage present worth"));
    b.totalValue = MoneyText(
        Narrow(cost - static_cast<double>(b.discount) * salvage, "A present-worth total"));
    return b;
}

float SurfaceTwoUnitCost(const QString& surfaceTwo, const QString& surfaceName, double userCost,
                         double asphaltTwoCost) {
    return Narrow(surfaceTwo == surfaceName ? userCost : asphaltTwoCost, "A surface unit cost");
}

// ---- Entry checks

CheckResult CheckYear(const QString& text, double period) {
    if (!IsNumberText(text)) return {QString(), std::nullopt};
    const double year = ReadYear(text);
    if (year > period) return {QString(), kScheduleYearMessage};
    if (year < 0) return {QString(), std::nullopt};
    return {FormatByPattern(year + 0.0, QString::fromLatin1(kYearStorePattern)), std::nullopt};
}

QString WholePercentText(const QString& text) {
    const float whole = Narrow(
        LeadingNumber(FormatByPattern(text, QString::fromLatin1(kWholePercentPattern))), "A depth");
    return FormatByPattern(static_cast<double>(whole), QString::fromLatin1(kWholePercentPattern));
}

std::optional<QString> DepthRangeMessage(const QString& text, const QString& unitsCaption) {
    const double depth = ReadDepth(text);
    if (depth >= 0 && depth <= 100) return std::nullopt;
    return unitsCaption == kPercentUnits ? kSchedulePercentMessage : kScheduleDepthMessage;
}

bool DepthWithinBound(const QString& text) {
    return bounds::Within(ReadDepth(text), bounds::kDepth);
}

CheckResult CheckDepth(const QString& text, const QString& unitsCaption, bool wholePercent) {
    if (!IsNumberText(text)) return {QString(), std::nullopt};
    QString checked = text;
    if (wholePercent && unitsCaption == kPercentUnits && DepthWithinBound(checked)) {
        checked = WholePercentText(checked);
        if (!IsNumberText(checked)) return {QString(), std::nullopt};
    }
    if (auto message = DepthRangeMessage(checked, unitsCaption)) return {QString(), message};
    return {checked, std::nullopt};
}

namespace {

// Whether a row check leaves `text` to be stored: no message, and the text kept as it
// stands, or changed only where `read` reads both alike, as the check rounding a year "7.6"
// to "8".
bool RowCheckAccepts(const CheckResult& check, const QString& text,
                     double (*read)(const QString&)) {
    if (check.message) return false;
    if (check.text == text) return true;
    return IsNumberText(text) && read(check.text) == read(text);
}

}  // namespace

bool YearAccepted(const QString& text, double period) {
    return RowCheckAccepts(CheckYear(text, period), text, ReadYear);
}

bool DepthAccepted(const QString& text, const QString& unitsCaption, bool wholePercent) {
    return RowCheckAccepts(CheckDepth(text, unitsCaption, wholePercent), text, ReadDepth);
}

// ---- The stored row

QString ScheduleColumn(int option, const QString& item, const QString& kind) {
    return QStringLiteral("Opt") + kOptionWords.at(option) + item + kind;
}

std::vector<std::pair<QString, QVariant>> ScheduleFields(const std::array<ShownOption, 2>& shown) {
    static const QStringList kKinds = {QStringLiteral("Cost"), QStringLiteral("Inflated"),
                                       QStringLiteral("Value")};
    std::vector<std::pair<QString, QVariant>> fields;
    for (int o = 0; o < 2; ++o) {
        const ShownOption& s = shown[static_cast<size_t>(o)];
        auto amounts = [&](const QString& item, const std::array<QString, 3>& captions) {
            for (int k = 0; k < 3; ++k)
                fields.emplace_back(ScheduleColumn(o, item, kKinds[k]),
                                    CaptionAmount(captions[static_cast<size_t>(k)]));
        };
        amounts(QStringLiteral("Const"), s.construction);
        for (int i = 0; i < kCustomRows; ++i) {
            const ShownRow& r = s.rows[static_cast<size_t>(i)];
            const QString& word = kRowWords[i];
            const double year = r.yearAccepted ? ReadYear(r.year) : r.storedYear;
            fields.emplace_back(ScheduleColumn(o, word, QString()),
                                year == 0 ? QStringLiteral(" ") : r.activity);
            if (r.yearAccepted)
                fields.emplace_back(ScheduleColumn(o, word, QStringLiteral("Year")), year);
            if (r.depthAccepted) {
                fields.emplace_back(ScheduleColumn(o, word, QStringLiteral("Depth")),
                                    ReadDepth(r.depth));
            }
            amounts(word, {r.cost, r.inflated, r.value});
        }
        amounts(QStringLiteral("Salvage"), s.salvage);
        amounts(QStringLiteral("Total"), s.totals);
    }
    return fields;
}

StoredOption ReadStoredOption(int option, const std::function<QVariant(const QString&)>& field) {
    auto number = [&](const QString& item, const char* kind) {
        return field(ScheduleColumn(option, item, QString::fromLatin1(kind))).toDouble();
    };
    StoredOption s;
    const QString constItem = QStringLiteral("Const");
    s.construction = {number(constItem, "Cost"), number(constItem, "Inflated"),
                      number(constItem, "Value")};
    for (int i = 0; i < kCustomRows; ++i) {
        StoredRow& r = s.rows[static_cast<size_t>(i)];
        const QString& word = kRowWords[i];
        r.activity = field(ScheduleColumn(option, word, QString())).toString();
        r.year = number(word, "Year");
        r.depth = number(word, "Depth");
        r.cost = number(word, "Cost");
        r.inflated = number(word, "Inflated");
        r.value = number(word, "Value");
    }
    const QString salvage = QStringLiteral("Salvage");
    s.salvage = {number(salvage, "Cost"), number(salvage, "Inflated"), number(salvage, "Value")};
    const QString total = QStringLiteral("Total");
    s.totals = {number(total, "Cost"), number(total, "Inflated"), number(total, "Value")};
    return s;
}

// ---- Loading

LoadedOption LoadOption(const StoredOption& stored, const QStringList& entries,
                        const LoadRules& rules, const ConstructionInputs& construction,
                        const PricingContext& pricing) {
    LoadedOption out;
    out.block = ComputeConstruction(construction, rules.salvageForm);
    out.hasDesign = DesignQuantitySum(construction.design) > 0;
    std::array<QString, kCustomRows> inflated, value;
    for (int i = 0; i < kCustomRows; ++i) {
        const StoredRow& s = stored.rows[static_cast<size_t>(i)];
        LoadedRow& r = out.rows[static_cast<size_t>(i)];
        r.activity = s.activity == QStringLiteral(" ") ? entries.value(0) : s.activity;
        r.year = FormatByPattern(s.year, QString::fromLatin1(kYearShowPattern));
        r.depth = FormatByPattern(s.depth, QString::fromLatin1(kDepthStorePattern));
        if (!IsNumberText(r.depth)) r.depth.clear();
        if (auto message =
                DepthRangeMessage(r.depth, rules.unitsCaptions[static_cast<size_t>(i)])) {
            out.messages.push_back(*message);
            r.depth.clear();
        }
        r.unit = UnitInOrder(*rules.activities, entries, r.activity, DepthUnit::Inches,
                             DepthUnit::Percent);
        if (r.unit == DepthUnit::Percent) {
            r.depth =
                FormatByPattern(LeadingNumber(r.depth), QString::fromLatin1(kWholePercentPattern));
        }
        r.price = PriceRow(*rules.activities, entries, r.activity, r.year, r.depth,
                           out.block.construction, pricing);
        inflated[static_cast<size_t>(i)] = r.price.inflatedCaption;
        value[static_cast<size_t>(i)] = r.price.valueCaption;
    }
    out.totals = ShownOptionTotals(out.block.construction, out.block.construction, inflated, value,
                                   out.block.salvageInflated, out.block.salvageValue);
    return out;
}

}  // namespace orv
