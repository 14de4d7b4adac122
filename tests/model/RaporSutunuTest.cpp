// Report columns: cutting of texts and the refitting of numbers that are
// wider than their column (the right alignment shows in every report line).
#include <gtest/gtest.h>

#include "model/RaporSutunu.h"

TEST(RaporSutunu, SayiOlmayanUzunMetinKesilir) {
    EXPECT_EQ(RaporSutunu("abcdefghijklmn", 6), "abcdef");
}

TEST(RaporSutunu, GenisSayiBasamakAzaltilarakSigdirilir) {
    // Cut to 12 characters this would read 8.3333333333 instead of 8.3E-6.
    EXPECT_EQ(RaporSutunu("8.33333333333333E-6", 12), " 8.333333E-6");
    // A large plain number keeps its size through an exponent.
    EXPECT_EQ(RaporSutunu("123456789012.5", 12), " 1.234568E11");
    EXPECT_EQ(RaporSutunu("-0.000123456789", 12), " -1.23457E-4");
    // A decimal fraction keeps the plain form when it is the shorter one.
    EXPECT_EQ(RaporSutunu("0.123456789012345", 12), " 0.123456789");
}

TEST(RaporSutunu, YuvarlamaVeTanimsizDeger) {
    EXPECT_EQ(YuvarlanmisSutun(1.23456, 4, 12), "      1.2346");
    EXPECT_EQ(YuvarlanmisSutun(0.00004, 4, 12), "           0");
    EXPECT_EQ(YuvarlanmisSutun(-0.001, 2, 6), "     0");  // no "-0"
    EXPECT_EQ(YuvarlanmisSutun(0.125, 2, 6), "  0.12");   // half to even
    EXPECT_EQ(YuvarlanmisSutun(0.0 / 0.0, 2, 10), "  tanımsız");
}
