#include "analysis/common/money.h"

#include <cmath>

#include "common/format.h"

namespace orv {

float DesignQuantitySum(const DesignQuantities& d) {
    return ToSingle(d.surfaceDepth + d.baseCourse + d.subgrade + d.subgradePrep + d.pavementFabric +
                    d.constOption);
}

double ConstructionCost(double area, const DesignQuantities& d, const LayerUnitCosts& c) {
    auto term = [area](double quantity, double unitCost) {
        return ((area * quantity) * unitCost) / 9;
    };
    return term(d.surfaceDepth, c.surface) + term(d.baseCourse, c.baseCourse) +
           term(d.subgrade, c.subgrade) + term(d.subgradePrep, c.subgradePrep) +
           term(d.pavementFabric, c.pavementFabric) + term(d.constOption, c.constOption);
}

double GrowthFactor(double inflationRate, double years) {
    return std::pow(1 + inflationRate / 100, years);
}

double DiscountFactor(double interestRate, double years) {
    return std::pow(1 / (1 + interestRate / 100), years);
}

float GrowthFactor32(double inflationRate, double years) {
    return ToSingle(GrowthFactor(inflationRate, years));
}

float DiscountFactor32(double interestRate, double years) {
    return ToSingle(DiscountFactor(interestRate, years));
}

double RowYear(const QString& yearCaption) {
    return LeadingNumber(FormatByPattern(yearCaption, kYearReadPattern));
}

int16_t PresenceFlag(double rowYear) { return rowYear > 0 ? 1 : (rowYear < 0 ? -1 : 0); }

RowAmounts PlainRow(double u, double area, double rowYear, const Rates& rates) {
    const int16_t f = PresenceFlag(rowYear);
    return {((u * area) / 9) * f, (((u * GrowthFactor(rates.inflation, rowYear)) * area) / 9) * f,
            (((u * DiscountFactor(rates.interest, rowYear)) * area) / 9) * f};
}

RowAmounts OverlayRow(double overlayCost, double area, double rowYear, const Rates& rates) {
    const double depth = 1.5 * PresenceFlag(rowYear);
    const double g = GrowthFactor(rates.inflation, rowYear);
    const double d = DiscountFactor(rates.interest, rowYear);
    return {((overlayCost * area) / 9) * depth, (((overlayCost * g) * area) / 9) * depth,
            (((overlayCost * d) * area) / 9) * depth};
}

RowAmounts RotomillRow(double rotomillCost, double overlayCost, double area, double rowYear,
                       const Rates& rates) {
    const int16_t f = PresenceFlag(rowYear);
    const double r = (((rotomillCost * area) / 9) * f) + (((overlayCost * area) / 9) * (2 * f));
    return {r, r * GrowthFactor(rates.inflation, rowYear),
            r * DiscountFactor(rates.interest, rowYear)};
}

RowAmounts DemolitionRow(double shownConstructionCost, double demolitionCost, double area,
                         double rowYear, const Rates& rates) {
    const double x = (shownConstructionCost + (demolitionCost * area) / 9) * PresenceFlag(rowYear);
    const double g = GrowthFactor32(rates.inflation, rowYear);
    const double d = DiscountFactor32(rates.interest, rowYear);
    return {x, g * x, d * x};
}

RowAmounts SalvageRow(double shownConstructionCost, const QString& salvagePercent,
                      double salvageYears, const Rates& rates) {
    const double s = (shownConstructionCost * LeadingNumber(salvagePercent)) / 100;
    const double g = GrowthFactor32(rates.inflation, salvageYears);
    const double d = DiscountFactor32(rates.interest, salvageYears);
    return {s, g * s, d * s};
}

QString MoneyCaption(double amount, const QString& pattern) {
    return FormatByPattern(SignedNumberText(amount), pattern);
}

double ShownAmount(const QString& caption, const QString& readPattern) {
    return LeadingNumber(FormatByPattern(caption, readPattern));
}

double ShownTotal(const QString& constructionCaption, std::span<const QString> treatmentCaptions,
                  const QString& salvageCaption) {
    double total = ShownAmount(constructionCaption);
    for (const QString& caption : treatmentCaptions) total = total + ShownAmount(caption);
    return total - ShownAmount(salvageCaption);
}

}  // namespace orv
