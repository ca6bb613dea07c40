#include "common/format.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <variant>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace orv {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

using Input = std::variant<double, float, const char*>;

QString Describe(const Input& in) {
    return std::visit(
        [](auto v) -> QString {
            using T = decltype(v);
            if constexpr (std::is_same_v<T, const char*>) {
                return QStringLiteral("text \"%1\"").arg(QString::fromUtf8(v));
            } else if constexpr (std::is_same_v<T, float>) {
                return QStringLiteral("float %1").arg(static_cast<double>(v), 0, 'g', 9);
            } else {
                return QStringLiteral("double %1").arg(v, 0, 'g', 17);
            }
        },
        in);
}

QString Format(const Input& in, const QString& pattern) {
    return std::visit([&](auto v) { return FormatByPattern(v, pattern); }, in);
}

struct PatternCase {
    Input input;
    const char* pattern;
    const char* expected;
};

struct ReadCase {
    const char* text;
    std::optional<double> numberValue;  // what IsNumberText reads; none when no number
    double leading;                     // LeadingNumber
};

struct TextCase {
    double value;
    const char* plain;
    const char* signedText;
};

struct FloatTextCase {
    float value;
    const char* plain;
    const char* signedText;
};

struct RoundCase {
    double value;
    std::optional<int16_t> r16;  // none: overflow
    std::optional<int32_t> r32;
};

struct RoundTextCase {
    const char* text;
    std::optional<int32_t> r32;  // none: the error below
    bool typeMismatch;           // otherwise overflow
};

struct DateCase {
    const char* text;
    std::optional<MonthYear> date;
};

// Every documented example. Runs unchanged under the machine's locale and under German.
void CheckExamples() {
    const PatternCase patternCases[] = {
        {0.0, "##", ""},
        {7.0, "##", "7"},
        {7.5, "##", "8"},
        {2.5, "##", "3"},
        {-2.5, "##", "-3"},
        {12345.0, "##", "12345"},
        {0.0, "#0", "0"},
        {7.0, "#0", "7"},
        {2.5, "#0", "3"},
        {-0.4, "#0", "0"},  // a negative that rounds to zero has no sign
        {0.0, "###", ""},
        {1234.5, "###", "1235"},
        {"$ 1,234", "###", "1234"},
        {"1,000", "###", "1000"},
        {"$ 1,235", "###", "1235"},
        {"$ ", "###", "$ "},
        {"", "###", ""},
        {"abc", "###", "abc"},
        {"Jan-2001", "###", "Jan-2001"},
        {0.0, "##0", "0"},
        {1234.5, "##0", "1235"},
        {0.0, "###,###", ""},
        {1234.0, "###,###", "1,234"},
        {2400.0, "###,###", "2,400"},
        {0.0, "###,###,###", ""},
        {1234.0, "###,###,###", "1,234"},
        {1234567.0, "###,###,###", "1,234,567"},
        {0.0, "##.#", "."},
        {4.0, "##.#", "4."},
        {4.25, "##.#", "4.3"},
        {0.5, "##.#", ".5"},
        {"4,5", "##.#", "45."},
        {0.0, "##.0", ".0"},
        {4.0, "##.0", "4.0"},
        {4.25, "##.0", "4.3"},
        {0.0, "#.0", ".0"},
        {3.0, "#.0", "3.0"},
        {3.25, "#.0", "3.3"},
        {0.125, "#.00", ".13"},
        {2.675, "#.00", "2.68"},  // halves judged on the 15 shown digits, not the binary value
        {1.005, "#.00", "1.01"},
        {2.5, "0.#0", "2.50"},
        {0.75, "0.#0", "0.75"},
        {2.05, "0.#0", "2.05"},
        {2.0, "0.#0", "2.00"},
        {0.0, " #,###", " "},
        {1234.5, " #,###", " 1,235"},
        {0.0, "$ #,###", "$ "},
        {1234.5, "$ #,###", "$ 1,235"},
        {0.0, "$ #,##0", "$ 0"},
        {1234.5, "$ #,##0", "$ 1,235"},
        {-5.0, "$ #,##0", "-$ 5"},
        {-1223.99, "$#,##0", "-$1,224"},
        {0.0, "$#,##0", "$0"},
        {1234.5, "$#,##0", "$1,235"},
        {1234.5, "\"$\"#,##0.00", "$1,234.50"},
        {-0.004, "\"$\"#,##0.00", "$0.00"},
        {12345678.0, "$ #,##0", "$ 12,345,678"},
        // A float is taken to its own seven digits.
        {218.1234f, "0.####", "218.1234"},
        {218.1234f, "#.##", "218.12"},
        {12345678.0f, "$ #,##0", "$ 12,345,680"},
        {" 1.234568E+07", "$ #,##0", "$ 12,345,680"},
        {" 5796.371", "$ #,##0", "$ 5,796"},
        // Dates.
        {"01/01/2001", "mmm", "Jan"},
        {"Jan-2001", "mmm", "Jan"},
        {"01/01/2001", "yyyy", "2001"},
        {"Jan-2001", "yyyy", "2001"},
        {"Sep-2015", "mmmm-yy", "September-15"},
        {"12/31/1999", "mmmm-yy", "December-99"},
        {"Jan-2001", "mmmm yyyy", "January 2001"},
        {36892.0, "mmm", "Jan"},  // a number under a date pattern is a day count from 30 Dec 1899
        {36892.0, "yyyy", "2001"},
        {"abc", "mmm", "abc"},
        // Values that have no digits to show.
        {kNaN, "$ #,##0", "NaN"},
        {kInf, "##.#", "Inf"},
        {-kInf, "mmm", "-Inf"},
        {1e-300, "##.#", "."},
        {-1e-300, "#0", "0"},
        {1e20, "#,##0", "100,000,000,000,000,000,000"},
    };
    for (const PatternCase& c : patternCases) {
        EXPECT_EQ(Format(c.input, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << qPrintable(Describe(c.input)) << " under \"" << c.pattern << "\"";
    }

    const ReadCase readCases[] = {
        {"30", 30, 30},
        {" 30", 30, 30},
        {"12", 12, 12},
        {"  12  ", 12, 12},
        {"-3", -3, -3},
        {"+7", 7, 7},
        {"1.5", 1.5, 1.5},
        {".5", 0.5, 0.5},
        {"4.", 4, 4},
        {"1,000", 1000, 1},
        {"1,2,3", 123, 1},
        {"4,5", 45, 4},
        {"$5", 5, 0},
        {"$ 1,234", 1234, 0},
        {"5$", 5, 5},
        {"-$5", -5, 0},
        {"$-5", -5, 0},
        {"- $ 5", -5, 0},
        {"1E3", 1000, 1000},
        {"-2.5e-1", -0.25, -0.25},
        {"", std::nullopt, 0},
        {" ", std::nullopt, 0},
        {".", std::nullopt, 0},
        {"-", std::nullopt, 0},
        {"$", std::nullopt, 0},
        {"abc", std::nullopt, 0},
        {"12abc", std::nullopt, 12},
        {"1.2.3", std::nullopt, 1.2},
        {"12.5 ft", std::nullopt, 12.5},
        {"1 000", std::nullopt, 1000},
        {"\t-\n3", std::nullopt, -3},
        {",5", std::nullopt, 0},
        {"5,", std::nullopt, 5},
        {"1,,0", std::nullopt, 1},
        {"1.5,0", std::nullopt, 1.5},
        {"1E", std::nullopt, 1},
        {"1e+", std::nullopt, 1},
        {"$$5", std::nullopt, 0},
        {"5 5", std::nullopt, 55},
        {"\xd9\xa3", std::nullopt, 0},  // an Arabic-Indic digit is no digit here
        {"1E400", std::nullopt, kInf},  // beyond a double
        {"1E-400", 0, 0},
    };
    for (const ReadCase& c : readCases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(IsNumberText(text), c.numberValue.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(NumberTextValue(text), c.numberValue) << '"' << c.text << '"';
        EXPECT_EQ(LeadingNumber(text), c.leading) << '"' << c.text << '"';
    }
    // Shown amounts read back as the whole dollars shown.
    for (const char* caption : {"$ 1,235", "$ ", "", "$ 0"}) {
        const double expected = QString::fromUtf8(caption) == "$ 1,235" ? 1235 : 0;
        EXPECT_EQ(LeadingNumber(FormatByPattern(caption, "###")), expected) << caption;
        EXPECT_EQ(LeadingNumber(FormatByPattern(caption, "##0")), expected) << caption;
    }
    EXPECT_EQ(LeadingNumber(FormatByPattern(4.0, "##.#")), 4);
    EXPECT_EQ(LeadingNumber(FormatByPattern("4,5", "##.#")), 45);

    const TextCase textCases[] = {
        {0, "0", " 0"},
        {-0.0, "0", " 0"},
        {12, "12", " 12"},
        {30, "30", " 30"},
        {0.5, "0.5", " .5"},
        {4.3, "4.3", " 4.3"},
        {4.5, "4.5", " 4.5"},
        {-0.5, "-0.5", "-.5"},
        {-1234.5, "-1234.5", "-1234.5"},
        {1.0 / 3, "0.333333333333333", " .333333333333333"},
        {0.1 + 0.2, "0.3", " .3"},
        {2.0 / 3 * 1e6, "666666.666666667", " 666666.666666667"},
        {123456789012345.0, "123456789012345", " 123456789012345"},
        {999999999999999.4, "999999999999999", " 999999999999999"},
        {999999999999999.6, "1E+15", " 1E+15"},
        {1e15, "1E+15", " 1E+15"},
        {-1.25e100, "-1.25E+100", "-1.25E+100"},
        {0.0001, "0.0001", " .0001"},
        {0.00001, "1E-05", " 1E-05"},
        {-1.5e-7, "-1.5E-07", "-1.5E-07"},
        {kNaN, "NaN", " NaN"},
        {kInf, "Inf", " Inf"},
        {-kInf, "-Inf", "-Inf"},
    };
    for (const TextCase& c : textCases) {
        EXPECT_EQ(PlainNumberText(c.value), QString::fromUtf8(c.plain)) << c.plain;
        EXPECT_EQ(SignedNumberText(c.value), QString::fromUtf8(c.signedText)) << c.plain;
    }
    const FloatTextCase floatTextCases[] = {
        {218.1234f, "218.1234", " 218.1234"},
        {5796.3706f, "5796.371", " 5796.371"},
        {0.1f, "0.1", " .1"},
        {9999999.0f, "9999999", " 9999999"},
        {1e7f, "1E+07", " 1E+07"},
        {12345678.0f, "1.234568E+07", " 1.234568E+07"},
        {-4223.99f, "-4223.99", "-4223.99"},
    };
    for (const FloatTextCase& c : floatTextCases) {
        EXPECT_EQ(PlainNumberText(c.value), QString::fromUtf8(c.plain)) << c.plain;
        EXPECT_EQ(SignedNumberText(c.value), QString::fromUtf8(c.signedText)) << c.plain;
    }

    const RoundCase roundCases[] = {
        {2.5, 2, 2},
        {3.5, 4, 4},
        {-2.5, -2, -2},
        {0.5, 0, 0},
        {1.5, 2, 2},
        {-1.5, -2, -2},
        {2.4999999, 2, 2},
        {2.5000001, 3, 3},
        {-0.4, 0, 0},
        {32767.4, 32767, 32767},
        {32767.5, std::nullopt, 32768},
        {-32768.5, -32768, -32768},
        {-32768.6, std::nullopt, -32769},
        {40000, std::nullopt, 40000},
        {2147483647.4, std::nullopt, 2147483647},
        {2147483647.5, std::nullopt, std::nullopt},
        {-2147483648.5, std::nullopt, -2147483647 - 1},
        {-2147483649.0, std::nullopt, std::nullopt},
        {kNaN, std::nullopt, std::nullopt},
        {kInf, std::nullopt, std::nullopt},
    };
    for (const RoundCase& c : roundCases) {
        if (c.r16) {
            EXPECT_EQ(RoundHalfEven16(c.value), *c.r16) << c.value;
        } else {
            EXPECT_THROW(RoundHalfEven16(c.value), OverflowError) << c.value;
        }
        if (c.r32) {
            EXPECT_EQ(RoundHalfEven32(c.value), *c.r32) << c.value;
        } else {
            EXPECT_THROW(RoundHalfEven32(c.value), OverflowError) << c.value;
        }
    }
    EXPECT_EQ(RoundHalfEven64(4611686018427387904.0), int64_t{1} << 62);
    EXPECT_EQ(RoundHalfEven64(-9223372036854775808.0), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(RoundHalfEven64(5e9 + 0.5), 5000000000);
    EXPECT_THROW(RoundHalfEven64(9223372036854775808.0), OverflowError);
    EXPECT_THROW(RoundHalfEven64(-kInf), OverflowError);

    const RoundTextCase roundTextCases[] = {
        {"2.5", 2, false},        {" 3.5 ", 4, false},           {"$ 1,234", 1234, false},
        {"1,000", 1000, false},   {"-2.5", -2, false},           {"abc", std::nullopt, true},
        {"", std::nullopt, true}, {"1E400", std::nullopt, true}, {"3e9", std::nullopt, false},
    };
    for (const RoundTextCase& c : roundTextCases) {
        const QString text = QString::fromUtf8(c.text);
        if (c.r32) {
            EXPECT_EQ(RoundHalfEven32(text), *c.r32) << c.text;
        } else if (c.typeMismatch) {
            EXPECT_THROW(RoundHalfEven32(text), TypeMismatchError) << c.text;
            EXPECT_THROW(RoundHalfEven16(text), TypeMismatchError) << c.text;
        } else {
            EXPECT_THROW(RoundHalfEven32(text), OverflowError) << c.text;
        }
    }
    EXPECT_THROW(RoundHalfEven16(QStringLiteral("40000")), OverflowError);

    const DateCase dateCases[] = {
        {"Jan-2001", MonthYear{2001, 1}},
        {"Dec-2020", MonthYear{2020, 12}},
        {"01/01/2001", MonthYear{2001, 1}},
        {"2/28/2001", MonthYear{2001, 2}},
        {"2001-03-01", MonthYear{2001, 3}},
        {"2/30/2001", std::nullopt},
        {"13/01/2001", std::nullopt},
        {"Foo-2001", std::nullopt},
        {"Jan-01", std::nullopt},
        {"Jan2001", std::nullopt},
        {"", std::nullopt},
    };
    for (const DateCase& c : dateCases) {
        const std::optional<MonthYear> got = ReadDateText(QString::fromUtf8(c.text));
        ASSERT_EQ(got.has_value(), c.date.has_value()) << c.text;
        if (got) {
            EXPECT_EQ(got->year, c.date->year) << c.text;
            EXPECT_EQ(got->month, c.date->month) << c.text;
        }
    }
}

enum class LocaleSetting { Machine, German };

class FormatExamples : public ::testing::TestWithParam<LocaleSetting> {
  protected:
    void SetUp() override {
        savedQt_ = QLocale();
        if (const char* current = std::setlocale(LC_ALL, nullptr)) savedC_ = current;
        if (GetParam() != LocaleSetting::German) return;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) || std::setlocale(LC_NUMERIC, name)) {
                germanC_ = true;
                break;
            }
        }
        if (!germanC_) {
            std::printf("de_DE locale not installed: only the Qt default locale is German\n");
        }
    }
    void TearDown() override {
        std::setlocale(LC_ALL, savedC_.c_str());
        QLocale::setDefault(savedQt_);
    }
    QLocale savedQt_;
    std::string savedC_ = "C";
    bool germanC_ = false;
};

TEST_P(FormatExamples, GiveTheDocumentedTexts) {
    if (germanC_) {
        // The setting really is in force: the C library now writes a decimal comma.
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 1.5);
        EXPECT_STREQ(buf, "1,5");
    }
    if (GetParam() == LocaleSetting::German) {
        EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1,5"));
    }
    CheckExamples();
}

INSTANTIATE_TEST_SUITE_P(Locales, FormatExamples,
                         ::testing::Values(LocaleSetting::Machine, LocaleSetting::German),
                         [](const auto& info) {
                             return info.param == LocaleSetting::German ? "German" : "Machine";
                         });

// ---- Properties over generated inputs ----

// Finite doubles spread over every size, with and without fractions.
std::vector<double> GeneratedDoubles(size_t count) {
    std::mt19937_64 rng(20010101);
    std::vector<double> out;
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> exp10(-20, 20);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    while (out.size() < count) {
        double x = 0;
        switch (kind(rng)) {
            case 0: {  // any bit pattern
                const uint64_t bits = rng();
                std::memcpy(&x, &bits, sizeof x);
                break;
            }
            case 1:
                x = unit(rng) * std::pow(10.0, exp10(rng));
                break;
            case 2:  // whole and half amounts
                x = static_cast<double>(static_cast<int64_t>(rng() % 2000000001) - 1000000000) / 2;
                break;
            default:  // cents
                x = static_cast<double>(static_cast<int64_t>(rng() % 200000001) - 100000000) / 100;
                break;
        }
        if (std::isnormal(x) || x == 0) out.push_back(x);
    }
    return out;
}

const char* const kPatterns[] = {"##",      "#0",      "###",    "##0",  "###,###",
                                 "##.#",    "##.0",    "#.0",    "0.#0", " #,###",
                                 "$ #,###", "$ #,##0", "$#,##0", "0.00", "#,##0.###"};

TEST(FormatProperties, PlainTextReadsBackToFifteenDigits) {
    for (double x : GeneratedDoubles(20000)) {
        const QString plain = PlainNumberText(x);
        const std::optional<double> back = NumberTextValue(plain);
        ASSERT_TRUE(back.has_value()) << qPrintable(plain);
        EXPECT_LE(std::fabs(*back - x), 5e-15 * std::fabs(x)) << qPrintable(plain);
        EXPECT_EQ(LeadingNumber(plain), *back) << qPrintable(plain);
        EXPECT_EQ(PlainNumberText(*back), plain);
        EXPECT_EQ(NumberTextValue(SignedNumberText(x)), back) << qPrintable(SignedNumberText(x));
        EXPECT_EQ(LeadingNumber(SignedNumberText(x)), *back) << qPrintable(SignedNumberText(x));

        const float f = static_cast<float>(x);
        if (!std::isnormal(f)) continue;
        const QString plainF = PlainNumberText(f);
        const std::optional<double> backF = NumberTextValue(plainF);
        ASSERT_TRUE(backF.has_value()) << qPrintable(plainF);
        EXPECT_LE(std::fabs(*backF - f), 5e-7 * std::fabs(f)) << qPrintable(plainF);
    }
}

TEST(FormatProperties, FormattingTheNumberTextEqualsFormattingTheNumber) {
    for (double x : GeneratedDoubles(3000)) {
        const float f = static_cast<float>(x);
        for (const char* p : kPatterns) {
            const QString pattern = QString::fromLatin1(p);
            EXPECT_EQ(FormatByPattern(SignedNumberText(x), pattern), FormatByPattern(x, pattern))
                << x << " under " << p;
            if (std::isfinite(f)) {
                EXPECT_EQ(FormatByPattern(SignedNumberText(f), pattern),
                          FormatByPattern(f, pattern))
                    << f << " under " << p;
            }
        }
    }
}

TEST(FormatProperties, TextsWithSeparatorsFormatAsTheirValue) {
    std::mt19937 rng(7);
    for (int i = 0; i < 5000; ++i) {
        // Digits with "," somewhere between them, a fraction, a sign and a dollar sign.
        QString digits;
        QString text;
        const int n = 1 + static_cast<int>(rng() % 12);
        for (int k = 0; k < n; ++k) {
            const QChar d(u'0' + static_cast<char16_t>(rng() % 10));
            digits += d;
            text += d;
            if (k + 1 < n && rng() % 3 == 0) text += u',';
        }
        if (rng() % 2) {
            const QString frac = QString::number(rng() % 1000);
            digits += u'.' + frac;
            text += u'.' + frac;
        }
        const bool negative = rng() % 2;
        if (negative) digits.prepend(u'-');
        switch (rng() % 4) {
            case 0:
                text.prepend(QStringLiteral("$ "));
                break;
            case 1:
                text.append(u'$');
                break;
            default:
                break;
        }
        if (negative) text.prepend(u'-');
        const std::optional<double> value = NumberTextValue(text);
        ASSERT_TRUE(value.has_value()) << qPrintable(text);
        EXPECT_EQ(*value, LeadingNumber(digits)) << qPrintable(text);
        for (const char* p : kPatterns) {
            EXPECT_EQ(FormatByPattern(text, QString::fromLatin1(p)),
                      FormatByPattern(*value, QString::fromLatin1(p)))
                << qPrintable(text) << " under " << p;
        }
    }
}

TEST(FormatProperties, PatternRoundingMatchesDecimalArithmetic) {
    std::mt19937_64 rng(42);
    for (int i = 0; i < 20000; ++i) {
        // n thousandths: exact as a decimal text, so the 15 digits are n's own.
        const int64_t n = static_cast<int64_t>(rng() % 2000000001) - 1000000000;
        const double x = static_cast<double>(n) / 1000;
        const int64_t mag = n < 0 ? -n : n;
        const int64_t cents = (mag + 5) / 10;  // halves away from zero
        const int64_t whole = (mag + 500) / 1000;
        const QString sign = n < 0 && cents != 0 ? QStringLiteral("-") : QString();
        const QString expected = sign + QString::number(cents / 100) + u'.' +
                                 QString::number(cents % 100).rightJustified(2, u'0');
        EXPECT_EQ(FormatByPattern(x, "0.00"), expected) << n;
        const QString wholeText =
            (n < 0 && whole != 0 ? QStringLiteral("-") : QString()) + QString::number(whole);
        EXPECT_EQ(FormatByPattern(x, "##0"), wholeText) << n;
        QString grouped = FormatByPattern(x, "#,##0");
        EXPECT_EQ(grouped.remove(u','), wholeText) << n;
        EXPECT_EQ(FormatByPattern(x, "###"), whole == 0 ? QString() : wholeText) << n;
    }
}

TEST(FormatProperties, WholeNumberConversionRoundsHalvesToEven) {
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> wide(-3e9, 3e9);
    for (int i = 0; i < 20000; ++i) {
        double x = wide(rng);
        if (i % 2) x = std::floor(x) + 0.5;         // exact halves
        const double expected = std::nearbyint(x);  // the default mode rounds halves to even
        if (expected >= -2147483648.0 && expected <= 2147483647.0) {
            EXPECT_EQ(RoundHalfEven32(x), static_cast<int32_t>(expected)) << x;
        } else {
            EXPECT_THROW(RoundHalfEven32(x), OverflowError) << x;
        }
        EXPECT_EQ(RoundHalfEven64(x), static_cast<int64_t>(expected)) << x;
    }
}

TEST(FormatProperties, ArbitraryTextNeverBreaksAConversion) {
    std::mt19937 rng(11);
    const char16_t alphabet[] = u"0123456789.,$+-eEJan/\"# \t\n\u00a0\u0663\u00e9";
    const size_t alphabetSize = std::size(alphabet) - 1;
    const char* const patterns[] = {"###", "##.#", "$ #,##0", "0.#0", "mmm", "yyyy", "mmmm-yy"};
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const size_t len = rng() % 24;
        for (size_t k = 0; k < len; ++k) {
            text += rng() % 8 ? QChar(alphabet[rng() % alphabetSize])
                              : QChar(static_cast<char16_t>(rng() % 0xD800));
        }
        const std::optional<double> value = NumberTextValue(text);
        EXPECT_EQ(IsNumberText(text), value.has_value());
        EXPECT_FALSE(std::isnan(LeadingNumber(text)));
        for (const char* p : patterns) {
            const QString out = FormatByPattern(text, QString::fromLatin1(p));
            if (!value && !ReadDateText(text)) {
                EXPECT_EQ(out, text);
            }
        }
        (void)FormatByPattern(text, text);  // the text as a pattern too
        (void)FormatByPattern(LeadingNumber(text), text);
        try {
            (void)RoundHalfEven32(text);
            EXPECT_TRUE(value.has_value()) << qPrintable(text);
        } catch (const TypeMismatchError&) {
            EXPECT_FALSE(value.has_value()) << qPrintable(text);
        } catch (const OverflowError&) {
            EXPECT_TRUE(value.has_value()) << qPrintable(text);
        }
    }
}

}  // namespace
}  // namespace orv
