#include "framework/DateTime.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

TEST(DateTime, DayNumbersAndRoundTrip) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(2009, 3, 15), 39887);
    for (double d : {0.0, 36526.5, 39887.25, 73050.999988426}) {
        TDateParts p = DecodeDateTime(d);
        EXPECT_NEAR(EncodeDateTime(p), d, 1e-6);
    }
    TDateParts p = DecodeDateTime(EncodeDate(2024, 2, 29) + 0.5);
    EXPECT_EQ(p.year, 2024);
    EXPECT_EQ(p.month, 2);
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 12);
}

TEST(DateTime, ImpossibleDatesAreRefused) {
    EXPECT_FALSE(IsValidDate(2000, 0, 0));
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_THROW(EncodeDate(2000, 13, 1), EConvertError);
}
