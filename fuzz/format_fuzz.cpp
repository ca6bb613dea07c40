// Feeds arbitrary bytes, read as UTF-8, to every text conversion.
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/format.h"

namespace {

const char* const kPatterns[] = {"###",       "##.#", "0.#0",         "$ #,##0", "$#,##0",
                                 " #,###",    "##.0", "mmm",          "yyyy",    "mmmm-yy",
                                 "#,##0.###", "0.00", "\"$\"#,##0.00"};

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const double leading = orv::LeadingNumber(text);
    Check(!std::isnan(leading));

    const std::optional<double> value = orv::NumberTextValue(text);
    Check(orv::IsNumberText(text) == value.has_value());
    if (value) Check(std::isfinite(*value));

    for (const char* p : kPatterns) {
        const QString pattern = QString::fromLatin1(p);
        const QString shown = orv::FormatByPattern(text, pattern);
        if (value) Check(shown == orv::FormatByPattern(*value, pattern));
    }
    // The bytes as a pattern, applied to numbers and to themselves.
    (void)orv::FormatByPattern(leading, text);
    (void)orv::FormatByPattern(static_cast<float>(leading), text);
    (void)orv::FormatByPattern(1234.5, text);
    (void)orv::FormatByPattern(text, text);

    (void)orv::SignedNumberText(leading);
    (void)orv::PlainNumberText(static_cast<float>(leading));
    (void)orv::ReadDateText(text);

    try {
        (void)orv::RoundHalfEven32(text);
        Check(value.has_value());
    } catch (const orv::TypeMismatchError&) {
        Check(!value.has_value());
    } catch (const orv::OverflowError&) {
        Check(value.has_value());
    }
    try {
        (void)orv::RoundHalfEven16(leading);
    } catch (const orv::ConversionError&) {
    }
    return 0;
}
