// The fixed Low, Moderate and High maintenance schedules: treatment years of the ten rows of
// an asphalt design, the blading schedule of the aggregate surface, and its blade passes.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "analysis/common/money.h"

namespace orv {

inline constexpr int kScheduleRows = 10;  // rows 0 to 9; 8 is demolition, 9 salvage

// The project record's level flags; a level applies when its flag is 1.
struct LevelFlags {
    double HighMaintenance = 0;
    double ModMaintenance = 0;
    double LowMaintenance = 0;
};

// The analysis-period list entry at the record's AnalysisPeriod (a number rounded to a
// 16-bit index). Throws ConversionError when it is outside the list or not 16 bits.
QString AnalysisPeriodEntry(double analysisPeriod, const QStringList& periodEntries);
// The number at the start of the entry, as a 16-bit whole number (AnalysisYears).
int16_t AnalysisYearsOf(const QString& periodEntry);

// Year cells of one design after the schedule: the years of every level whose flag is 1, in
// the order High, Moderate, Low (a later level overwrites the rows it writes), rows 0 to 7
// beyond the period emptied. The caption is the last level's, none when no flag is 1.
struct ScheduleYears {
    std::array<QString, kScheduleRows> yearCells;
    std::optional<QString> levelCaption;
};
ScheduleYears ApplyDefaultSchedule(const LevelFlags& flags, int16_t analysisYears);

// The years of rows 0 to 7 that the High and Moderate levels give a design; null where a
// level sets no year. Low sets none.
struct LevelYearTable {
    std::array<const char*, 8> high;
    std::array<const char*, 8> moderate;
};
// The asphalt design's table, which ApplyDefaultSchedule above uses.
const LevelYearTable& AsphaltLevelYears();
// The same schedule under another year table.
ScheduleYears ApplyDefaultSchedule(const LevelFlags& flags, int16_t analysisYears,
                                   const LevelYearTable& table);

// The blading schedule of the aggregate surface: the last level (High, Moderate, Low order)
// whose flag is 1; none when no flag is 1.
struct BladeSchedule {
    QString bladeTag;
    QString bladeGravelTag;
    int16_t bladeInterval = 0;
    int16_t bladeGravelInterval = 0;
};
std::optional<BladeSchedule> BladeScheduleFor(const LevelFlags& flags);

// Cost of one pass: (unit cost x area) / 9 to the nearest whole number, halves to even.
int64_t PassCost(double unitCost, double area);

// Running sums over the passes; each future and present addition is rounded into its sum.
struct PassSums {
    int64_t cost = 0;
    int64_t inflated = 0;
    int64_t value = 0;
};
// Passes in the years interval, 2 x interval, ... up to lastYear, skipping multiples of
// skipMultiplesOf when it is at least 1. An interval below 1 gives no pass.
PassSums PassSumsOver(int64_t passCost, int interval, int skipMultiplesOf, int lastYear,
                      const Rates& rates);

// Blading and blading with gravel of the aggregate surface. Both intervals must be at least
// 1 (a level has been applied to the design); otherwise there are no passes at all.
struct BladeSums {
    PassSums blade;
    PassSums bladeGravel;
};
BladeSums BladePasses(double bladeCost, double bladeGravelCost, double area, int bladeInterval,
                      int bladeGravelInterval, int lastYear, const Rates& rates);

}  // namespace orv
