#include "data/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>

using sd::IntegerTextValue;
using sd::NumberTextValue;

TEST(NumberText, IntegerTextIsTheWholeTrimmedValue) {
    EXPECT_EQ(IntegerTextValue(" 42 "), 42.0);
    EXPECT_EQ(IntegerTextValue("-7"), -7.0);
    EXPECT_EQ(IntegerTextValue("+2.5"), 2.5);
    EXPECT_EQ(IntegerTextValue(".5"), 0.5);
    EXPECT_EQ(IntegerTextValue("1e2"), 100.0);
    for (const char* bad : {"", " ", "abc", "4x", "1 2", "-", ".", "1e", "inf", "nan", "0x10", "1,5"}) {
        EXPECT_FALSE(IntegerTextValue(bad).has_value()) << bad;
    }
}

TEST(NumberText, NumberTextReadsTheLeadingNumber) {
    EXPECT_EQ(NumberTextValue("4x"), 4.0);
    EXPECT_EQ(NumberTextValue("-3"), -3.0);
    EXPECT_EQ(NumberTextValue("2.5abc"), 2.5);
    EXPECT_EQ(NumberTextValue("1e2e3"), 100.0);
    EXPECT_EQ(NumberTextValue("7e"), 7.0);
    EXPECT_EQ(NumberTextValue("7e+"), 7.0);
    EXPECT_EQ(NumberTextValue("0.001"), 0.001);
    for (const char* zero : {"", "abc", "-", ".", "e5", "inf", "nan"}) EXPECT_EQ(NumberTextValue(zero), 0.0) << zero;
}

TEST(NumberText, ValuesBeyondTheDoubleRangeSaturate) {
    EXPECT_EQ(NumberTextValue("1e999"), DBL_MAX);
    EXPECT_EQ(NumberTextValue("-1e999"), -DBL_MAX);
    EXPECT_DOUBLE_EQ(NumberTextValue("0.0000123e308x"), 1.23e303);
    EXPECT_EQ(NumberTextValue("1e-999"), 0.0);
    EXPECT_EQ(NumberTextValue("1e99999999999999999999"), DBL_MAX);
    EXPECT_EQ(IntegerTextValue("123456789e305"), DBL_MAX);
}
