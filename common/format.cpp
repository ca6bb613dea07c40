// Text and number conversions. Every digit is produced and read here with
// std::to_chars / std::from_chars, which never consult the C or Qt locale.
#include "common/format.h"

#include <QDate>
#include <QStringView>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace orv {

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A finite number as decimal digits: value = 0.d1d2d3... * 10^(exponent + 1),
// that is, the first digit stands at the place 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits, no leading zero; "0" for zero
    int exponent = 0;
};

DecimalDigits FromScientific(const char* begin, const char* end, bool negative) {
    // begin..end holds "d.ddddde+XX" or "de+XX".
    DecimalDigits d;
    d.negative = negative;
    const char* p = begin;
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
    }
    if (p != end && ++p != end) std::from_chars(*p == '+' ? p + 1 : p, end, d.exponent);
    if (d.digits.find_first_not_of('0') == std::string::npos) {
        d.digits = "0";
        d.exponent = 0;
    }
    return d;
}

// The number to `significant` digits, rounded by the usual IEEE rule on its exact value.
template <typename F>
DecimalDigits Digits(F value, int significant) {
    std::array<char, 64> buf{};
    const bool negative = std::signbit(value);
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::scientific, significant - 1);
    if (ec != std::errc()) return DecimalDigits{negative, "0", 0};
    return FromScientific(buf.data(), end, negative);
}

QString NonFiniteText(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

// Up to `significant` digits, trailing zeros dropped, exponent form outside the range a
// fixed text of that many digits covers.
QString GeneralText(const DecimalDigits& d, int significant, bool leadingBlank,
                    bool zeroBeforePoint) {
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const bool isZero = digits == "0";
    std::string out;
    if (d.negative && !isZero) {
        out.push_back('-');
    } else if (leadingBlank) {
        out.push_back(' ');
    }
    const int e = isZero ? 0 : d.exponent;
    if (e >= significant || e < -4) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1);
        }
        out.push_back('E');
        out.push_back(e < 0 ? '-' : '+');
        std::string exp = std::to_string(e < 0 ? -e : e);
        if (exp.size() < 2) exp.insert(0, "0");
        out += exp;
    } else if (e >= 0) {
        const size_t intLen = static_cast<size_t>(e) + 1;
        if (digits.size() <= intLen) {
            out += digits;
            out.append(intLen - digits.size(), '0');
        } else {
            out.append(digits, 0, intLen);
            out.push_back('.');
            out.append(digits, intLen);
        }
    } else {
        if (zeroBeforePoint) out.push_back('0');
        out.push_back('.');
        out.append(static_cast<size_t>(-e - 1), '0');
        out += digits;
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

template <typename F>
QString NumberText(F value, int significant, bool signedForm) {
    if (!std::isfinite(value)) {
        const QString t = NonFiniteText(value);
        return signedForm && !t.startsWith(u'-') ? u' ' + t : t;
    }
    return GeneralText(Digits(value, significant), significant, signedForm, !signedForm);
}

// ---- Reading numbers ----

// Converts a plain ASCII number ("-123.45e6", no separators) to a double. An overflow
// gives an infinity, an underflow a zero of the right sign.
double ParsePlain(const std::string& s) {
    double v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (ec == std::errc()) return v;
    if (ec != std::errc::result_out_of_range) return 0;
    // Tell overflow from underflow by the decimal place of the first significant digit.
    size_t j = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    long long place = 0;
    bool nonzero = false;
    for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j) {
        if (s[j] != '0') nonzero = true;
        if (nonzero) ++place;
    }
    if (j < s.size() && s[j] == '.') {
        ++j;
        for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j) {
            if (!nonzero && s[j] != '0') nonzero = true;
            if (!nonzero) --place;
        }
    }
    long long exp = 0;
    if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
        ++j;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
        for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j) {
            if (exp < 1'000'000'000) exp = exp * 10 + (s[j] - '0');
        }
        if (expNegative) exp = -exp;
    }
    if (nonzero && place + exp > 0) {
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return negative ? -0.0 : 0.0;
}

// The longest prefix of `s` (blanks already removed) that is a number; empty when none.
std::string LeadingNumberPrefix(const std::u16string& s) {
    std::string out;
    size_t i = 0;
    auto digit = [&](size_t k) { return k < s.size() && s[k] >= u'0' && s[k] <= u'9'; };
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-') out.push_back('-');  // from_chars takes no leading "+"
        ++i;
    }
    bool any = false;
    while (digit(i)) {
        out.push_back(static_cast<char>(s[i++]));
        any = true;
    }
    if (i < s.size() && s[i] == u'.') {
        size_t k = i + 1;
        std::string frac;
        while (digit(k)) frac.push_back(static_cast<char>(s[k++]));
        if (any || !frac.empty()) {
            out.push_back('.');
            out += frac;
            any = true;
            i = k;
        }
    }
    if (!any) return {};
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        size_t k = i + 1;
        std::string exp = "e";
        if (k < s.size() && (s[k] == u'+' || s[k] == u'-'))
            exp.push_back(static_cast<char>(s[k++]));
        if (digit(k)) {
            while (digit(k)) exp.push_back(static_cast<char>(s[k++]));
            out += exp;
        }
    }
    return out;
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The whole-text number grammar; gives the plain ASCII number with separators removed.
std::optional<std::string> ParseNumberText(QStringView text) {
    qsizetype i = 0;
    qsizetype n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    while (n > i && IsBlank(text[n - 1])) --n;
    auto skipBlanks = [&] {
        while (i < n && IsBlank(text[i])) ++i;
    };
    std::string out;
    bool sign = false;
    bool currency = false;
    // Sign and currency sign in either order, blanks between them and the digits.
    for (int k = 0; k < 2; ++k) {
        if (!sign && i < n && (text[i] == u'+' || text[i] == u'-')) {
            sign = true;
            if (text[i] == u'-') out.push_back('-');
            ++i;
            skipBlanks();
        } else if (!currency && i < n && text[i] == u'$') {
            currency = true;
            ++i;
            skipBlanks();
        }
    }
    bool anyDigit = false;
    while (i < n && IsAsciiDigit(text[i])) {
        out.push_back(static_cast<char>(text[i].unicode()));
        anyDigit = true;
        ++i;
        if (i + 1 < n && text[i] == u',' && IsAsciiDigit(text[i + 1])) ++i;
    }
    if (i < n && text[i] == u'.') {
        out.push_back('.');
        ++i;
        while (i < n && IsAsciiDigit(text[i])) {
            out.push_back(static_cast<char>(text[i].unicode()));
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        out.push_back('e');
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
        if (i >= n || !IsAsciiDigit(text[i])) return std::nullopt;
        while (i < n && IsAsciiDigit(text[i])) {
            out.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
    }
    if (!currency && i < n) {
        skipBlanks();
        if (i < n && text[i] == u'$') ++i;
    }
    if (i != n) return std::nullopt;
    return out;
}

// ---- Dates ----

const std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

// OLE-style date serial: day 0 is 30 December 1899.
std::optional<MonthYear> DateFromSerial(double serial) {
    if (!std::isfinite(serial) || serial < -657434.0 || serial >= 2958466.0) return std::nullopt;
    const QDate d = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(serial)));
    if (!d.isValid()) return std::nullopt;
    return MonthYear{d.year(), d.month()};
}

bool ReadWhole(QStringView s, int minLen, int maxLen, int& value) {
    if (s.size() < minLen || s.size() > maxLen) return false;
    value = 0;
    for (QChar c : s) {
        if (!IsAsciiDigit(c)) return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    return true;
}

// ---- Patterns ----

enum class TokenKind { Literal, Zero, Hash, Point, Comma, Month3, Month4, Year2, Year4 };

struct Token {
    TokenKind kind;
    QString text;  // literal text
};

std::vector<Token> Tokenize(const QString& pattern) {
    std::vector<Token> tokens;
    auto literal = [&](QString s) {
        if (!tokens.empty() && tokens.back().kind == TokenKind::Literal) {
            tokens.back().text += s;
        } else {
            tokens.push_back({TokenKind::Literal, std::move(s)});
        }
    };
    bool seenPoint = false;
    const qsizetype n = pattern.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = pattern[i];
        if (c == u'"') {
            const qsizetype close = pattern.indexOf(u'"', i + 1);
            const qsizetype stop = close < 0 ? n : close;
            literal(pattern.mid(i + 1, stop - i - 1));
            i = close < 0 ? n : close + 1;
        } else if (c == u'\\' && i + 1 < n) {
            literal(QString(pattern[i + 1]));
            i += 2;
        } else if (c == u'0') {
            tokens.push_back({TokenKind::Zero, {}});
            ++i;
        } else if (c == u'#') {
            tokens.push_back({TokenKind::Hash, {}});
            ++i;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            tokens.push_back({TokenKind::Point, {}});
            ++i;
        } else if (c == u',') {
            tokens.push_back({TokenKind::Comma, {}});
            ++i;
        } else if (c == u'm' || c == u'y') {
            qsizetype run = 1;
            while (i + run < n && pattern[i + run] == c) ++run;
            if (c == u'm' && (run == 3 || run == 4)) {
                tokens.push_back({run == 3 ? TokenKind::Month3 : TokenKind::Month4, {}});
            } else if (c == u'y' && (run == 2 || run == 4)) {
                tokens.push_back({run == 2 ? TokenKind::Year2 : TokenKind::Year4, {}});
            } else {
                literal(pattern.mid(i, run));
            }
            i += run;
        } else {
            literal(QString(c));
            ++i;
        }
    }
    return tokens;
}

bool IsDateToken(TokenKind k) {
    return k == TokenKind::Month3 || k == TokenKind::Month4 || k == TokenKind::Year2 ||
           k == TokenKind::Year4;
}
bool IsPlaceholder(TokenKind k) { return k == TokenKind::Zero || k == TokenKind::Hash; }

QString FormatDate(const std::vector<Token>& tokens, MonthYear date) {
    QString out;
    for (const Token& t : tokens) {
        switch (t.kind) {
            case TokenKind::Month3:
                out += QString::fromLatin1(kMonthNames[date.month - 1], 3);
                break;
            case TokenKind::Month4:
                out += QString::fromLatin1(kMonthNames[date.month - 1]);
                break;
            case TokenKind::Year2:
                out += QString::number(((date.year % 100) + 100) % 100).rightJustified(2, u'0');
                break;
            case TokenKind::Year4:
                out += QString::number(date.year).rightJustified(4, u'0');
                break;
            case TokenKind::Literal:
                out += t.text;
                break;
            case TokenKind::Zero:
                out += u'0';
                break;
            case TokenKind::Hash:
                out += u'#';
                break;
            case TokenKind::Point:
                out += u'.';
                break;
            case TokenKind::Comma:
                out += u',';
                break;
        }
    }
    return out;
}

// Rounds the digits half away from zero to `decimals` places after the point; gives
// the integer digits (no leading zeros, empty for 0) and exactly `decimals` fraction digits.
void RoundDigits(const DecimalDigits& d, int decimals, std::string& intPart, std::string& frac) {
    intPart.clear();
    frac.clear();
    std::string digits = d.digits;
    int exponent = d.exponent;
    if (digits == "0") {
        frac.assign(static_cast<size_t>(decimals), '0');
        return;
    }
    // Number of digits kept: places 10^exponent down to 10^-decimals.
    const long long keep = static_cast<long long>(exponent) + 1 + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<long long>(digits.size())) {
        const bool up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        if (up) {
            long long k = keep - 1;
            for (; k >= 0; --k) {
                if (digits[static_cast<size_t>(k)] == '9') {
                    digits[static_cast<size_t>(k)] = '0';
                } else {
                    ++digits[static_cast<size_t>(k)];
                    break;
                }
            }
            if (k < 0) {
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
    }
    // Place the kept digits: digit i stands at 10^(exponent - i).
    for (size_t i = 0; i < digits.size(); ++i) {
        const long long place = static_cast<long long>(exponent) - static_cast<long long>(i);
        if (place >= 0) {
            intPart.push_back(digits[i]);
        }
    }
    if (exponent >= 0 && static_cast<long long>(digits.size()) < exponent + 1LL) {
        intPart.append(static_cast<size_t>(exponent + 1 - static_cast<int>(digits.size())), '0');
    }
    frac.assign(static_cast<size_t>(decimals), '0');
    for (size_t i = 0; i < digits.size(); ++i) {
        const long long place = static_cast<long long>(exponent) - static_cast<long long>(i);
        if (place < 0 && -place <= decimals) frac[static_cast<size_t>(-place - 1)] = digits[i];
    }
    const size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
}

QString FormatNumber(const std::vector<Token>& tokens, const DecimalDigits& d) {
    // Split at the decimal point.
    size_t pointAt = tokens.size();
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == TokenKind::Point) {
            pointAt = i;
            break;
        }
    }
    int intPlaceholders = 0;
    int decimals = 0;
    int minIntDigits = 0;
    bool seenZero = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!IsPlaceholder(tokens[i].kind)) continue;
        if (i < pointAt) {
            ++intPlaceholders;
            if (tokens[i].kind == TokenKind::Zero) seenZero = true;
            if (seenZero) ++minIntDigits;
        } else {
            ++decimals;
        }
    }
    // A "," with digit placeholders on both sides in the integer part groups by threes;
    // any other "," is a literal.
    size_t firstIntPlaceholder = pointAt;
    size_t lastIntPlaceholder = 0;
    for (size_t i = 0; i < pointAt; ++i) {
        if (!IsPlaceholder(tokens[i].kind)) continue;
        firstIntPlaceholder = std::min(firstIntPlaceholder, i);
        lastIntPlaceholder = i;
    }
    auto isGroupingComma = [&](size_t i) {
        return tokens[i].kind == TokenKind::Comma && i > firstIntPlaceholder &&
               i < lastIntPlaceholder;
    };
    bool grouping = false;
    for (size_t i = 0; i < pointAt; ++i) grouping = grouping || isGroupingComma(i);

    std::string intPart;
    std::string frac;
    RoundDigits(d, decimals, intPart, frac);
    const bool isZero = intPart.empty() && frac.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(intPart.size()) < minIntDigits) {
        intPart.insert(0, static_cast<size_t>(minIntDigits) - intPart.size(), '0');
    }
    // Fraction digits that "#" placeholders may show: up to the last non-zero digit.
    const size_t fracSignificant =
        frac.find_last_not_of('0') == std::string::npos ? 0 : frac.find_last_not_of('0') + 1;

    QString out;
    if (d.negative && !isZero) out += u'-';

    size_t nextDigit = 0;  // index into intPart
    auto emitDigits = [&](size_t count) {
        for (size_t k = 0; k < count && nextDigit < intPart.size(); ++k, ++nextDigit) {
            out += QChar(intPart[nextDigit]);
            const size_t fromRight = intPart.size() - 1 - nextDigit;
            if (grouping && fromRight > 0 && fromRight % 3 == 0) out += u',';
        }
    };
    int placeholdersLeft = intPlaceholders;
    size_t fracIndex = 0;
    // A "#" before the last "0" of the fraction shows its digit like a "0".
    size_t lastZero = 0;
    for (size_t i = pointAt; i < tokens.size(); ++i) {
        if (tokens[i].kind == TokenKind::Zero) lastZero = i;
    }
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (i < pointAt) {
            if (IsPlaceholder(t.kind)) {
                // The first placeholder takes every digit beyond the remaining ones.
                const size_t remaining = intPart.size() - nextDigit;
                const size_t take =
                    placeholdersLeft == intPlaceholders
                        ? (remaining > static_cast<size_t>(placeholdersLeft - 1)
                               ? remaining - (placeholdersLeft - 1)
                               : 0)
                        : (remaining >= static_cast<size_t>(placeholdersLeft) ? 1 : 0);
                emitDigits(take);
                --placeholdersLeft;
            } else if (t.kind == TokenKind::Comma) {
                if (!isGroupingComma(i)) out += u',';
            } else {
                out += t.text;
            }
            continue;
        }
        if (i == pointAt) {
            if (intPlaceholders == 0) emitDigits(intPart.size());
            out += u'.';
            continue;
        }
        switch (t.kind) {
            case TokenKind::Zero:
                out += QChar(frac[fracIndex++]);
                break;
            case TokenKind::Hash: {
                const bool zeroAfter = i < lastZero;
                if (zeroAfter || fracIndex < fracSignificant) out += QChar(frac[fracIndex]);
                ++fracIndex;
                break;
            }
            case TokenKind::Comma:
                out += u',';
                break;
            default:
                out += t.text;
                break;
        }
    }
    return out;
}

bool IsDatePattern(const std::vector<Token>& tokens) {
    for (const Token& t : tokens) {
        if (IsDateToken(t.kind)) return true;
    }
    return false;
}

template <typename F>
QString FormatValue(F value, const QString& pattern, int significant) {
    if (!std::isfinite(value)) return NonFiniteText(static_cast<double>(value));
    if (pattern.isEmpty()) return NumberText(value, significant, false);
    const std::vector<Token> tokens = Tokenize(pattern);
    if (IsDatePattern(tokens)) {
        const std::optional<MonthYear> date = DateFromSerial(static_cast<double>(value));
        if (!date) return NumberText(value, significant, false);
        return FormatDate(tokens, *date);
    }
    return FormatNumber(tokens, Digits(value, significant));
}

template <typename Int>
Int RoundHalfEvenTo(double value) {
    if (std::isnan(value)) throw OverflowError();
    double r = value;
    if (std::isfinite(value)) {
        const double fl = std::floor(value);
        const double diff = value - fl;  // exact
        if (diff > 0.5) {
            r = fl + 1;
        } else if (diff < 0.5) {
            r = fl;
        } else {
            r = std::fmod(fl, 2.0) == 0 ? fl : fl + 1;
        }
    }
    constexpr double lo = static_cast<double>(std::numeric_limits<Int>::min());
    // One past the maximum is a power of two and exact as a double.
    constexpr double hiExclusive = -lo;
    if (!(r >= lo && r < hiExclusive)) throw OverflowError();
    return static_cast<Int>(r);
}

double TextValueOrThrow(const QString& text) {
    const std::optional<double> v = NumberTextValue(text);
    if (!v) throw TypeMismatchError();
    return *v;
}

}  // namespace

QString FormatByPattern(double value, const QString& pattern) {
    return FormatValue(value, pattern, 15);
}

QString FormatByPattern(float value, const QString& pattern) {
    return FormatValue(value, pattern, 7);
}

QString FormatByPattern(const QString& text, const QString& pattern) {
    if (const std::optional<double> v = NumberTextValue(text)) return FormatByPattern(*v, pattern);
    const std::vector<Token> tokens = Tokenize(pattern);
    if (IsDatePattern(tokens)) {
        if (const std::optional<MonthYear> date = ReadDateText(text)) {
            return FormatDate(tokens, *date);
        }
    }
    return text;
}

double LeadingNumber(const QString& text) {
    std::u16string compact;
    compact.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n') compact.push_back(c.unicode());
    }
    const std::string prefix = LeadingNumberPrefix(compact);
    if (prefix.empty()) return 0;
    return ParsePlain(prefix);
}

bool IsNumberText(const QString& text) { return NumberTextValue(text).has_value(); }

std::optional<double> NumberTextValue(const QString& text) {
    const std::optional<std::string> plain = ParseNumberText(text);
    if (!plain) return std::nullopt;
    const double v = ParsePlain(*plain);
    if (!std::isfinite(v)) return std::nullopt;  // too large for a double
    return v;
}

QString SignedNumberText(double value) { return NumberText(value, 15, true); }
QString SignedNumberText(float value) { return NumberText(value, 7, true); }
QString PlainNumberText(double value) { return NumberText(value, 15, false); }
QString PlainNumberText(float value) { return NumberText(value, 7, false); }

int16_t RoundHalfEven16(double value) { return RoundHalfEvenTo<int16_t>(value); }
int32_t RoundHalfEven32(double value) { return RoundHalfEvenTo<int32_t>(value); }
int64_t RoundHalfEven64(double value) { return RoundHalfEvenTo<int64_t>(value); }
int16_t RoundHalfEven16(const QString& text) { return RoundHalfEven16(TextValueOrThrow(text)); }
int32_t RoundHalfEven32(const QString& text) { return RoundHalfEven32(TextValueOrThrow(text)); }

std::optional<MonthYear> ReadDateText(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    // Month name "-" four-digit year.
    const qsizetype dash = t.indexOf(u'-');
    if (dash > 0) {
        const QStringView name = t.left(dash);
        int year = 0;
        if (ReadWhole(t.mid(dash + 1), 4, 4, year) && year >= 100) {
            for (int m = 0; m < 12; ++m) {
                const QString full = QString::fromLatin1(kMonthNames[m]);
                if (name.compare(full.left(3), Qt::CaseInsensitive) == 0 ||
                    name.compare(full, Qt::CaseInsensitive) == 0) {
                    return MonthYear{year, m + 1};
                }
            }
        }
        // Year-month-day, as a database date column gives it.
        const QList<QStringView> parts = t.split(u'-');
        int y = 0;
        int mo = 0;
        int da = 0;
        if (parts.size() == 3 && ReadWhole(parts[0], 4, 4, y) && ReadWhole(parts[1], 1, 2, mo) &&
            ReadWhole(parts[2], 1, 2, da) && y >= 100 && QDate(y, mo, da).isValid()) {
            return MonthYear{y, mo};
        }
        return std::nullopt;
    }
    // Month "/" day "/" four-digit year.
    const QList<QStringView> parts = t.split(u'/');
    int y = 0;
    int mo = 0;
    int da = 0;
    if (parts.size() == 3 && ReadWhole(parts[0], 1, 2, mo) && ReadWhole(parts[1], 1, 2, da) &&
        ReadWhole(parts[2], 4, 4, y) && y >= 100 && QDate(y, mo, da).isValid()) {
        return MonthYear{y, mo};
    }
    return std::nullopt;
}

}  // namespace orv
