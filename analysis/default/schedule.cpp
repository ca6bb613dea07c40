#include "analysis/default/schedule.h"

#include "common/format.h"

namespace orv {

namespace {

const LevelYearTable kAsphaltYears = {{"2", "5", "10", "15", "20", "25", "30", "35"},
                                      {nullptr, "7", "14", "18", "25", "32", "39", nullptr}};

}  // namespace

QString AnalysisPeriodEntry(double analysisPeriod, const QStringList& periodEntries) {
    const int16_t index = RoundHalfEven16(analysisPeriod);
    if (index < 0 || index >= periodEntries.size()) {
        throw ConversionError("Invalid analysis period index");
    }
    return periodEntries[index];
}

int16_t AnalysisYearsOf(const QString& periodEntry) {
    return RoundHalfEven16(LeadingNumber(periodEntry));
}

const LevelYearTable& AsphaltLevelYears() { return kAsphaltYears; }

ScheduleYears ApplyDefaultSchedule(const LevelFlags& flags, int16_t analysisYears) {
    return ApplyDefaultSchedule(flags, analysisYears, kAsphaltYears);
}

ScheduleYears ApplyDefaultSchedule(const LevelFlags& flags, int16_t analysisYears,
                                   const LevelYearTable& table) {
    ScheduleYears s;
    const QString period = SignedNumberText(static_cast<double>(analysisYears));
    auto apply = [&s, &period](const std::array<const char*, 8>& years) {
        for (int i = 0; i < 8; ++i) {
            if (years[i]) s.yearCells[i] = QString::fromLatin1(years[i]);
        }
        s.yearCells[8] = s.yearCells[9] = period;
    };
    if (flags.HighMaintenance == 1) {
        s.levelCaption = QStringLiteral("High Maintenance");
        apply(table.high);
    }
    if (flags.ModMaintenance == 1) {
        s.levelCaption = QStringLiteral("Moderate Maintenance");
        apply(table.moderate);
    }
    if (flags.LowMaintenance == 1) {
        s.levelCaption = QStringLiteral("Low Maintenance");
        s.yearCells[8] = s.yearCells[9] = period;
    }
    for (int i = 0; i < 8; ++i) {
        if (LeadingNumber(s.yearCells[i]) > analysisYears) s.yearCells[i].clear();
    }
    return s;
}

std::optional<BladeSchedule> BladeScheduleFor(const LevelFlags& flags) {
    std::optional<BladeSchedule> s;
    if (flags.HighMaintenance == 1) {
        s = BladeSchedule{"Blade On Odd Years", "Blade And Gravel On Even Years", 1, 2};
    }
    if (flags.ModMaintenance == 1) {
        s = BladeSchedule{"Blade Every 2 Years", "Blade And Gravel Every 4 Years", 2, 4};
    }
    if (flags.LowMaintenance == 1) {
        s = BladeSchedule{"Blade Every 5 Years", "Blade And Gravel Every 10 Years", 5, 10};
    }
    return s;
}

int64_t PassCost(double unitCost, double area) { return RoundHalfEven64((unitCost * area) / 9); }

PassSums PassSumsOver(int64_t passCost, int interval, int skipMultiplesOf, int lastYear,
                      const Rates& rates) {
    PassSums sums;
    if (interval < 1) return sums;
    const double p = static_cast<double>(passCost);
    for (int y = interval; y <= lastYear; y += interval) {
        if (skipMultiplesOf >= 1 && y % skipMultiplesOf == 0) continue;
        sums.cost = sums.cost + passCost;
        sums.inflated = RoundHalfEven64(static_cast<double>(sums.inflated) +
                                        p * GrowthFactor(rates.inflation, y));
        sums.value = RoundHalfEven64(static_cast<double>(sums.value) +
                                     p * DiscountFactor(rates.interest, y));
    }
    return sums;
}

BladeSums BladePasses(double bladeCost, double bladeGravelCost, double area, int bladeInterval,
                      int bladeGravelInterval, int lastYear, const Rates& rates) {
    BladeSums sums;
    if (bladeInterval < 1 || bladeGravelInterval < 1) return sums;
    sums.blade = PassSumsOver(PassCost(bladeCost, area), bladeInterval, bladeGravelInterval,
                              lastYear, rates);
    sums.bladeGravel =
        PassSumsOver(PassCost(bladeGravelCost, area), bladeGravelInterval, 0, lastYear, rates);
    return sums;
}

}  // namespace orv
