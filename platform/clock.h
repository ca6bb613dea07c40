// Today's date, from the system clock unless a test has set it.
#pragma once

#include <QDate>
#include <optional>

namespace orv {

QDate Today();
// Sets the date Today gives; none returns to the system clock.
void SetToday(std::optional<QDate> date);

// A date in the long date form of the system's regional settings.
QString LongDateText(const QDate& date);

}  // namespace orv
