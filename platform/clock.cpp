#include "platform/clock.h"

#include <QLocale>

namespace orv {
namespace {

std::optional<QDate>& fixedToday() {
    static std::optional<QDate> date;
    return date;
}

}  // namespace

QDate Today() { return fixedToday() ? *fixedToday() : QDate::currentDate(); }

void SetToday(std::optional<QDate> date) { fixedToday() = date; }

QString LongDateText(const QDate& date) {
    return QLocale::system().toString(date, QLocale::LongFormat);
}

}  // namespace orv
