// How a report's value box prints its field.
#include <gtest/gtest.h>

#include "output/report_layout.h"
#include "support/printers.h"

using namespace orv;

namespace {

TEST(ReportFormat, EachFormatPrintsItsFieldAsTheReportShowsIt) {
    struct Case {
        QVariant value;
        ValueFormat format;
        QString expected;
    };
    const ValueFormat money2 = ValueFormat::Pattern("\"$\"#,##0.00");
    const Case cases[] = {
        // The project date in both stored forms, and as a date serial.
        {"Jan-2001", ValueFormat::Pattern("mmmm-yy"), "January-01"},
        {"01/01/2001", ValueFormat::Pattern("mmmm-yy"), "January-01"},
        {"Sep-2015", ValueFormat::Pattern("mmmm-yy"), "September-15"},
        {"12/31/1999", ValueFormat::Pattern("mmmm-yy"), "December-99"},
        // A dollar sign written in quotes stands directly before the number.
        {0.0, money2, "$0.00"},
        {1000.5, money2, "$1,000.50"},
        {0.8, money2, "$0.80"},
        {-1234.567, money2, "-$1,234.57"},
        {QString("12"), money2, "$12.00"},
        {QString("Crack Fill"), money2, "Crack Fill"},
        {1234567.0, ValueFormat::Pattern("\"$\"#,##0"), "$1,234,567"},
        {0.0, ValueFormat::Pattern("\"$\"#,##0"), "$0"},
        // Zero under patterns without a "0" placeholder.
        {0.0, ValueFormat::Pattern("##.#"), "."},
        {2.0, ValueFormat::Pattern("##.#"), "2."},
        {2.5, ValueFormat::Pattern("##.#"), "2.5"},
        {0.0, ValueFormat::Pattern("###,###"), ""},
        {0.0, ValueFormat::Pattern("###,##0"), "0"},
        {-1234.5, ValueFormat::Pattern("###,###"), "-1,235"},
        {0.0, ValueFormat::Pattern("##"), ""},
        {QString("30"), ValueFormat::Pattern("##"), "30"},
        {4.0, ValueFormat::Pattern("0.0"), "4.0"},
        {126720.0, ValueFormat::Pattern("#,##0"), "126,720"},
        // Yes/No.
        {0.0, ValueFormat::YesNo(), "No"},
        {1.0, ValueFormat::YesNo(), "Yes"},
        {qlonglong(-1), ValueFormat::YesNo(), "Yes"},
        {QString("10"), ValueFormat::YesNo(), "Yes"},
        {QString("0"), ValueFormat::YesNo(), "No"},
        // As stored.
        {QString("Hot Mix Asphalt #2"), ValueFormat::AsStored(), "Hot Mix Asphalt #2"},
        {QString("10"), ValueFormat::AsStored(), "10"},
        {QString(" "), ValueFormat::AsStored(), " "},
        {30.0, ValueFormat::AsStored(), "30"},
        // An empty field prints nothing under every format.
        {QVariant(), ValueFormat::YesNo(), ""},
        {QString(""), ValueFormat::YesNo(), ""},
        {QVariant(), money2, ""},
        {QString(""), ValueFormat::Pattern("mmmm-yy"), ""},
        {QVariant(), ValueFormat::AsStored(), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatReportValue(c.value, c.format), c.expected)
            << c.value.toString().toStdString() << " under " << c.format.pattern.toStdString();
    }
}

}  // namespace
