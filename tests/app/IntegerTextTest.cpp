#include "IntegerText.h"

#include "Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using testing::StrEq;
using testing::ThrowsMessage;

TEST(StrToInt, AcceptedForms) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"1980", 1980},
        {"0", 0},
        {"007", 7},
        {"+5", 5},
        {"-17", -17},
        {"   42", 42},
        {"  -42", -42},
        {"$7BC", 1980},
        {"$7bc", 1980},
        {"x10", 16},
        {"X10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"-$10", -16},
        {"+0x10", 16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"-$80000000", -2147483647 - 1},
        {"00000000000000000000000000012", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(c.text), c.value);
    }
}

TEST(StrToInt, RefusedTextsNameThemselves) {
    const char* const cases[] = {
        "",           "   ",         "1980 ",      "abc",        "-",         "+",
        "$",          "0x",          "x",          "12a",        "1 2",       "--1",
        "+-1",        "\t1",         "1.5",        "$G",         "0b1",       "2147483648",
        "-2147483649", "$80000000",  "99999999999999999999999999", "0x1FFFFFFFF", "1,000",
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_THAT([&] { (void)StrToInt(text); },
                    ThrowsMessage<EConvertError>(
                        StrEq(std::string("'") + text + "' is not a valid integer value")));
    }
}

TEST(StrToInt, EmbeddedNulIsNotADigit) {
    EXPECT_THROW((void)StrToInt(std::string_view("12\0", 3)), EConvertError);
}
