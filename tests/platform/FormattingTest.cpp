#include "Formatting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct TNumberCase {
    const char* name;
    const char* pattern;
    double value;
    const char* expected;
};

TEST(FormatFloat, Patterns) {
    const TNumberCase cases[] = {
        {"grouping and decimals", "#,##0.###", 1234.5, "1,234.5"},
        {"million", "#,##0.###", 1e6, "1,000,000"},
        {"three decimals at most", "#,##0.###", 12.3456, "12.346"},
        {"zero", "#,##0.###", 0, "0"},
        {"negative", "#,##0.###", -1234567.891, "-1,234,567.891"},
        {"rounds to zero: no sign", "#,##0.###", -0.0004, "0"},
        {"half away from zero", "#,##0.###", 0.0005, "0.001"},
        {"negative half away from zero", "#,##0.###", -0.0005, "-0.001"},
        {"carry into a new group", "#,##0.###", 999.9996, "1,000"},
        {"axis label", "#,##0.###", -100, "-100"},
        {"percent is literal", "##0.## %", 100, "100 %"},
        {"percent with decimals", "##0.## %", 12.5, "12.5 %"},
        {"percent rounding", "##0.## %", 33.333, "33.33 %"},
        {"percent zero", "##0.## %", 0, "0 %"},
        {"halves up, not to even", "0", 2.5, "3"},
        {"negative halves away", "0", -2.5, "-3"},
        {"required decimals", "0.00", 1.5, "1.50"},
        {"required integer digits", "000", 7, "007"},
        {"no grouping", "0.#", 12345.25, "12345.3"},
        {"negative section", "0;(0)", -5, "(5)"},
        {"zero section", "0;(0);zero", 0, "zero"},
        {"quoted prefix", "\"$\"#,##0", 1234, "$1,234"},
        {"sign before the prefix", "'$'0", -5, "-$5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatFloat(QString::fromLatin1(c.pattern), c.value).toStdString(), c.expected);
    }
}

TEST(FormatFloat, NonFiniteValuesAreText) {
    EXPECT_EQ(FormatFloat("#,##0.###", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FormatFloat("#,##0.###", -HUGE_VAL), "-INF");
}

struct TDateCase {
    const char* name;
    const char* pattern;
    double serial;
    const char* expected;
};

TEST(FormatDateTime, Patterns) {
    const TDateCase cases[] = {
        {"axis date", "dd/MM/yy", 40238, "01/03/10"},
        {"short date", ShortDateFormat, 40223, "14/02/10"},
        {"unpadded", "d/M/yyyy", 40238, "1/3/2010"},
        {"leap day", "dd/MM/yyyy", 36585, "29/02/2000"},
        {"serial zero", "dd/MM/yyyy", 0, "30/12/1899"},
        {"month name", "d MMM yyyy", 40238, "1 Mar 2010"},
        {"short time", ShortTimeFormat, 40238.75, "18:00"},
        {"mm after h is minutes", "h:mm:ss", 0.5 + 65.0 / 86400, "12:01:05"},
        {"mm alone is the month", "mm", 40238, "03"},
        {"n is minutes", "hh:nn", 0.5 + 7.0 / 1440, "12:07"},
        {"negative serial: day then time", "dd/MM/yyyy hh:mm", -1.25, "29/12/1899 06:00"},
        {"c without time", "c", 40238, "01/03/10"},
        {"c with time", "c", 40238.5, "01/03/10 12:00:00"},
        {"quoted text", "'day' d", 40238, "day 1"},
        {"twelve hours", "h am/pm", 40238.75, "6 pm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatDateTime(QString::fromLatin1(c.pattern), c.serial).toStdString(),
                  c.expected);
    }
}

TEST(FormatDateTime, OutsideTheCalendarIsEmpty) {
    EXPECT_TRUE(FormatDateTime("dd/MM/yy", std::numeric_limits<double>::quiet_NaN()).isEmpty());
    EXPECT_TRUE(FormatDateTime("dd/MM/yy", HUGE_VAL).isEmpty());
    EXPECT_TRUE(FormatDateTime("dd/MM/yy", 1e10).isEmpty());
    EXPECT_EQ(FormatDateTime("dd/MM/yyyy", 2958465), "31/12/9999");
}

}  // namespace
