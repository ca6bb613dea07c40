// Text and number conversions shared by every window. Pure functions, US English
// conventions whatever the machine's locale.
#pragma once

#include <QString>
#include <concepts>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace orv {

// A conversion that cannot give a value: a text that is no number, or a whole
// number outside its width.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
class OverflowError : public ConversionError {
  public:
    OverflowError() : ConversionError("Overflow") {}
};
class TypeMismatchError : public ConversionError {
  public:
    TypeMismatchError() : ConversionError("Type mismatch") {}
};

// Formats a number by a single-section pattern ("$ #,##0", "##.#", "0.#0", "mmm", ...).
// A double is taken to 15 significant digits, a float to 7.
QString FormatByPattern(double value, const QString& pattern);
QString FormatByPattern(float value, const QString& pattern);
template <std::integral T>
QString FormatByPattern(T value, const QString& pattern) {
    return FormatByPattern(static_cast<double>(value), pattern);
}
// A text is read as a number (as IsNumberText reads it), else as a date under a date
// pattern, else returned unchanged.
QString FormatByPattern(const QString& text, const QString& pattern);
inline QString FormatByPattern(const char* text, const QString& pattern) {
    return FormatByPattern(QString::fromUtf8(text), pattern);
}

// The number at the start of a text after removing every blank, tab and line feed;
// 0 when there is none. "1,000" gives 1, "$5" gives 0.
double LeadingNumber(const QString& text);

// Whether the whole text is one number: sign, "$", "," between integer digits, ".", E.
bool IsNumberText(const QString& text);
// The value IsNumberText reads ("1,000" gives 1000, "$ 1,234" gives 1234); none when
// the text is no number.
std::optional<double> NumberTextValue(const QString& text);

// Up to 15 significant digits (7 for a float); a leading blank when not negative and no
// 0 before the decimal point.
QString SignedNumberText(double value);
QString SignedNumberText(float value);
// The same digits without the blank, with a 0 before the decimal point.
QString PlainNumberText(double value);
QString PlainNumberText(float value);

// Nearest whole number, halves to even. Throws OverflowError outside the width.
int16_t RoundHalfEven16(double value);
int32_t RoundHalfEven32(double value);
// A text is read as IsNumberText reads it; TypeMismatchError when it is no number.
int16_t RoundHalfEven16(const QString& text);
int32_t RoundHalfEven32(const QString& text);
// 64-bit counterpart for sums that outgrow 32 bits; throws OverflowError outside int64.
int64_t RoundHalfEven64(double value);

// Nearest single-precision value, halfway cases to even.
inline float ToSingle(double value) { return static_cast<float>(value); }

// Reads a text as a date (month abbreviation "-" four-digit year, or m/d/yyyy);
// gives year and month 1..12 when it is one.
struct MonthYear {
    int year;
    int month;
};
std::optional<MonthYear> ReadDateText(const QString& text);

}  // namespace orv
